// Texts that the main window keeps for the dialogs, reached without a link from the dialogs to
// the shell: the shell hands over a source, the dialogs read and write through it.
//
//   NvSetStpVersionTextSource([] { return MainForm ? MainForm->ST_Version : nullptr; });  // shell
//   if (StpVersionText() == "mstp") ...                                                  // dialog
#pragma once

#include <functional>
#include <string>

class TStaticText;

// Where the spanning-tree version last written in this run is kept (the main window's hidden
// text); a null source, or a source giving null, keeps it here instead.
void NvSetStpVersionTextSource(std::function<TStaticText*()> source);
// "ST_Version" until a version has been written.
std::string StpVersionText();
void SetStpVersionText(const std::string& version);
