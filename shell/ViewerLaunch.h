// Starting one of the suite's MIB table viewers for the same device, with the same access
// parameters, at one topic ("/T" + tool + "_" + table, such as "/TMIB_Info").
//
//   NvRunViewer(*MainForm, "/TMIB_Info", "");   // MIB /I10.0.0.5 /Rpublic /Wprivate /TMIB_Info
#pragma once

#include <string>

#include "Startup.h"

// The viewer's command line without the extra text: the tool, " /I" and the device address,
// the SNMPv3 switches when the per-device file said version 3 (else the communities), and the
// topic.
std::string NvMakeViewerCommand(const TSessionTexts& texts, const std::string& topic);

// Starts the viewer with " " + extra appended, without waiting for it and without a shell.
// When it cannot be started, says so in a message box; true when it started.
bool NvRunViewer(const TSessionTexts& texts, const std::string& topic, const std::string& extra);
