// Runs a menu command from its row (Commands.h): one runner per kind of window. The main
// window's menu calls NvRunMenuCommand for the clicked item; an item whose command cannot run
// here yet (a dialog class nobody registered, a hand-written handler nobody provided) stays
// disabled: NvMenuCommandBuilt tells which.
//
//   NvCommandHost host{.MainWindow = this, .CommandTitle = &CommandTitle, .Texts = this};
//   NvRunMenuCommand(*NvFindMenuCommand("BasicConfigure1"), host);
//
// Dialog units register their class once, before the menu is built:
//   NvRegisterDialogClass<TCurrentTimeForm>("TCurrentTimeForm", "CurrentTimeForm", CurrentTimeForm);
// The view unit may register its ConfigForm variable with NvRegisterGlobalForm("ConfigForm", ...):
// rows marked KeepInConfigForm then keep their view there while it is shown.
#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "Commands.h"
#include "Forms.h"
#include "Startup.h"

// What a command needs of the main window.
struct NvCommandHost {
  TForm* MainWindow = nullptr;             // owner of the dialogs whose row asks for it
  std::string* CommandTitle = nullptr;     // the caption of the last command's window
  const TSessionTexts* Texts = nullptr;    // access parameters for the MIB viewers
};

// Runs the command and returns when its window has closed (a viewer returns at once).
// Exceptions raised while its window is set up reach the caller; whatever the command changed
// for the time of its window (session version, global form variable) is back by then.
void NvRunMenuCommand(const NvMenuCommand& command, NvCommandHost& host);

// True when NvRunMenuCommand can run the command: every view, tab and viewer command; a dialog
// when its class is registered; a hand-written one when its handler is registered.
bool NvMenuCommandBuilt(const NvMenuCommand& command);

// The dialog of a Dialog command, made and captioned as the command makes it but not shown,
// its global form variable left alone: for a caller that shows it as a window beside the
// others. The caller frees it, unless its close frees it.
TForm* NvMakeCommandDialog(const NvMenuCommand& command, NvCommandHost& host);

// A dialog class: how to make one (mode: the row's DialogMode, -1 when the class takes none).
using NvDialogFactory = std::function<TForm*(TComponent* owner, int mode)>;
void NvRegisterDialog(const std::string& className, NvDialogFactory factory);
bool NvDialogRegistered(const std::string& className);
// Every registered dialog class, by name.
std::vector<std::string> NvRegisteredDialogClasses();

// A dialog unit's global form variable, set by name while a command shows the dialog.
using NvGlobalFormSetter = std::function<void(TForm* form)>;
void NvRegisterGlobalForm(const std::string& name, NvGlobalFormSetter setter);

// Registers the class F (constructed from the owner, or from the owner and the mode) and its
// global form variable.
template <class F>
void NvRegisterDialogClass(const std::string& className, const std::string& globalName, F*& global) {
  NvRegisterDialog(className, [](TComponent* owner, int mode) -> TForm* {
    if constexpr (std::is_constructible_v<F, TComponent*, int>) return new F(owner, mode);
    else return new F(owner);
  });
  F** variable = &global;
  NvRegisterGlobalForm(globalName, [variable](TForm* form) { *variable = static_cast<F*>(form); });
}

// A hand-written command (kind Other), by the name in its row's Custom field.
using NvCustomCommand = std::function<void(const NvMenuCommand& command, NvCommandHost& host)>;
void NvRegisterCustomCommand(const std::string& name, NvCustomCommand handler);

// The hand-written commands this unit provides as "RebootDevice", "OpenHelpFile" and
// "DoNothing" (items that only open their submenu); the main window adds its own.
//
// Reboot: after "Are you sure to reboot the device?" one blocking SET of warm-start to the
// System Reset object. A switch that reboots before it answers times out, which says nothing;
// an error reply, or a request that cannot be sent, is told in a box titled "Reboot".
// timeOut: of one try, in hundredths of a second.
void NvRebootDevice(int32_t timeOut = 500);
// Opens the help file beside the program; says so when it cannot be opened.
void NvOpenHelpFile();

inline constexpr const char* kSystemResetOid = "1.3.6.1.4.1.32473.12.1.2.3";
inline constexpr const char* kHelpFileName = "NVS-7000-D_B1_20110304.hlp";
