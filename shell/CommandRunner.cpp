#include "CommandRunner.h"

#include <exception>
#include <map>
#include <memory>

#include "About.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "Guiconfigform.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPSession.h"
#include "NvValueChecks.h"
#include "ScopeExit.h"
#include "ViewerLaunch.h"
#include "Windows.h"
#include "WinExec.h"

namespace {

std::map<std::string, NvDialogFactory>& Dialogs() {
  static std::map<std::string, NvDialogFactory> dialogs = {
      {"TAboutForm", [](TComponent* owner, int) -> TForm* { return new TAboutForm(owner); }},
  };
  return dialogs;
}

std::map<std::string, NvGlobalFormSetter>& GlobalForms() {
  static std::map<std::string, NvGlobalFormSetter> globals = {
      {"AboutForm", [](TForm* form) { AboutForm = static_cast<TAboutForm*>(form); }},
  };
  return globals;
}

std::map<std::string, NvCustomCommand>& CustomCommands() {
  static std::map<std::string, NvCustomCommand> commands = {
      {"RebootDevice", [](const NvMenuCommand&, NvCommandHost&) { NvRebootDevice(); }},
      {"OpenHelpFile", [](const NvMenuCommand&, NvCommandHost&) { NvOpenHelpFile(); }},
      // Items that only open their submenu.
      {"DoNothing", [](const NvMenuCommand&, NvCommandHost&) {}},
  };
  return commands;
}

// The check routines that value formats with "Z" name.
NvEditCheckCallback CheckRoutine(const char* name) {
  static const std::map<std::string, bool (*)(TControl*)> routines = {
      {"CheckZeroOr60To1000000", CheckZeroOr60To1000000},
      {"CheckIPAddress", CheckIPAddress},
      {"IsMacAddress", IsMacAddress},
  };
  auto it = routines.find(name);
  if (it == routines.end()) throw Exception(std::string("Unknown check routine ") + name);
  return it->second;
}

std::string Caption(const NvMenuCommand& command) { return std::string(command.Title) + ": " + DeviceAddress; }

void SetCommandTitle(const NvMenuCommand& command, NvCommandHost& host) {
  if (command.Title && host.CommandTitle) *host.CommandTitle = Caption(command);
}

// The view's binding over its descriptor table, with the row's own list adjustments.
NvSNMPRequest2Edits* MakeRequest(TConfigForm* form, const NvCommandView& view) {
  auto* request = new NvSNMPRequest2Edits(form);
  request->Request.Vars = NvSNMPVarList(view.Table.Vars, view.ListKind, view.IndexColumns);
  if (view.ReadOnlyVar >= 0) request->Request.Vars.GetVar(view.ReadOnlyVar)->Access = NvAccess::readonly;
  if (view.ReloadSession) request->Request.LoadSessionSettings();
  return request;
}

void ApplyEditorDetails(TSNMPEditorPanel* panel, NvSNMPRequest2Edits* request, const NvCommandView& view) {
  for (const NvFormatRow& f : view.Formats) {
    if (!f.Format) continue;
    if (f.Check) panel->SetVarFormatAndCheck(f.Row, f.Format, CheckRoutine(f.Check));
    else panel->SetVarFormat(f.Row, f.Format);
  }
  if (view.EditWidth == NvEditWidthOfRow0) panel->SetEditWidth(panel->EditsPanel->Rows.at(0).Control->Width);
  else if (view.EditWidth > 0) panel->SetEditWidth(view.EditWidth);
  if (view.PortBoxes.Row >= 0)
    panel->EditsPanel->SetOctetItem(view.PortBoxes.Row, view.PortBoxes.Columns, view.PortBoxes.Boxes);
  if (view.Tag.Row >= 0) panel->EditsPanel->Rows.at(view.Tag.Row).Control->Tag = view.Tag.Tag;
  if (view.TimeOut > 0) request->Request.TimeOut = view.TimeOut;
}

// The CFM tables' Add pop-up goes without some rows that their Edit pop-up shows.
void InstallHooks(TSNMPListViewPanel* panel, NvPopupHooks hooks) {
  TEditsPanel* edits = panel->EditsPanel;
  auto uncheck = [edits](int from, int to) {
    for (int row = from; row <= to; ++row) edits->UncheckVar(row);
  };
  switch (hooks) {
    case NvPopupHooks::None:
      break;
    case NvPopupHooks::MaNetAdd:
      panel->OnBeforeAdd = [edits, uncheck](TObject*) {
        uncheck(2, 5);
        edits->ClearValues();
        edits->HideVar(4);
      };
      panel->OnAfterAdd = [edits, uncheck](TObject*) {
        uncheck(2, 5);
        edits->ClearValues();
        edits->ShowVar(4);
      };
      break;
    case NvPopupHooks::MaComponentAdd:
      panel->OnBeforeAdd = [edits, uncheck](TObject*) {
        edits->ClearValues();
        for (int row : {4, 5, 6}) edits->HideVar(row);
        uncheck(3, 7);
      };
      panel->OnAfterAdd = [edits, uncheck](TObject*) {
        edits->ClearValues();
        for (int row : {4, 5, 6}) edits->ShowVar(row);
        uncheck(3, 7);
      };
      break;
  }
}

void ApplyTableDetails(TSNMPListViewPanel* panel, const NvCommandView& view) {
  TCtrlBtnPanel* buttons = panel->CtrlBtnPanel;
  if (view.Edit != NvEditButton::Kept) buttons->EditBtn->Visible = false;
  if (view.Edit == NvEditButton::Removed) panel->ListPanel->ListView->OnDblClick = nullptr;
  if (view.StopShown) buttons->StopBtn->Visible = true;
  if (view.Edit != NvEditButton::Kept || view.StopShown) buttons->ArrangeButtons();
  if (view.ZeroWidthColumns) {
    TListView* list = panel->ListPanel->ListView;
    const NvSNMPVarList& vars = panel->EditCtrl->Request.Vars;
    list->Columns->Clear();
    for (int i = 0; i < vars.GetCount(); ++i) {
      TListColumn* column = list->Columns->Add();
      column->Caption = vars.GetVar(i)->Label ? vars.GetVar(i)->Label : "";
      column->Width = (view.ZeroWidthColumns >> i) & 1 ? 0 : -2;
    }
  }
  InstallHooks(panel, view.Hooks);
}

TSNMPListViewPanel* MakeListView(TConfigForm* form, NvSNMPRequest2Edits* request, NvCommandKind kind,
                                 const NvCommandView& view, const char* pageCaption) {
  const bool addDelete = kind == NvCommandKind::TableAddDelete;
  const int column = addDelete ? view.Status.Column : -1;
  const char* add = addDelete ? view.Status.Add : nullptr;
  const char* del = addDelete ? view.Status.Delete : nullptr;
  return pageCaption ? form->AddListViewPage(pageCaption, request, column, add, column, del)
                     : form->MakeListViewForm(request, column, add, column, del);
}

// A v1 PDU cannot carry a Counter64: a view with such a column reads in v2c.
bool ReadsCounter64(const NvMenuCommand& command) {
  auto has = [](const NvCommandView& view) {
    if (!view.Table.Vars) return false;
    const NvSNMPVarList vars(view.Table.Vars, view.ListKind, view.IndexColumns);
    for (int i = 0; i < vars.GetCount(); ++i)
      if (vars.GetVar(i)->Syntax == NvSyntax::counter64) return true;
    return false;
  };
  if (has(command.View)) return true;
  for (const NvCommandPage& page : command.Pages)
    if (has(page.View)) return true;
  return false;
}

// Shows the view modally and frees it; the session version raised for the 64-bit counter
// tables is put back after the window has gone, also when setting it up failed.
void RunView(const NvMenuCommand& command, NvCommandHost& host) {
  const uint8_t version = NvSNMPSecurity::Version;
  const bool raise = version == 0 && (command.VersionRaise || ReadsCounter64(command));
  if (raise) NvSNMPSecurity::Version = 1;
  ScopeExit restore([&] {
    if (raise) NvSNMPSecurity::Version = version;
  });

  SetCommandTitle(command, host);
  std::unique_ptr<TConfigForm> form(new TConfigForm(Application));
  if (command.Kind != NvCommandKind::Tabs) {
    form->Caption = Caption(command);
    NvSNMPRequest2Edits* request = MakeRequest(form.get(), command.View);
    if (command.Kind == NvCommandKind::Editor) {
      ApplyEditorDetails(form->MakeEditorForm(request), request, command.View);
    } else {
      TSNMPListViewPanel* panel = MakeListView(form.get(), request, command.Kind, command.View, nullptr);
      ApplyEditorDetails(panel, request, command.View);
      ApplyTableDetails(panel, command.View);
    }
  } else {
    form->MakePageForm();
    if (command.CaptionFirst) form->Caption = Caption(command);
    for (const NvCommandPage& page : command.Pages) {
      NvSNMPRequest2Edits* request = MakeRequest(form.get(), page.View);
      if (page.Kind == NvCommandKind::Editor) {
        ApplyEditorDetails(form->AddEditorPage(page.Caption, request), request, page.View);
      } else {
        TSNMPListViewPanel* panel = MakeListView(form.get(), request, page.Kind, page.View, page.Caption);
        ApplyEditorDetails(panel, request, page.View);
        ApplyTableDetails(panel, page.View);
      }
    }
    if (!command.CaptionFirst) form->Caption = Caption(command);
  }
  if (command.Height > 0) form->Height = command.Height;
  // Where the view unit offers its ConfigForm variable, it names the shown view and nothing after.
  NvGlobalFormSetter keep;
  if (command.KeepInConfigForm) {
    auto global = GlobalForms().find("ConfigForm");
    if (global != GlobalForms().end()) keep = global->second;
  }
  if (keep) keep(form.get());
  ScopeExit forget([&] {
    if (keep) keep(nullptr);
  });
  form->ShowModal();
}

// The dialog made with the owner and mode the row asks for.
TForm* MakeDialog(const NvMenuCommand& command, NvCommandHost& host) {
  auto factory = Dialogs().find(command.DialogClass);
  if (factory == Dialogs().end())
    throw Exception(std::string("The window ") + command.DialogClass + " is not part of this program yet.");
  SetCommandTitle(command, host);
  TComponent* owner = command.Owner == NvOwner::MainWindow && host.MainWindow
                          ? static_cast<TComponent*>(host.MainWindow)
                          : Application;
  return factory->second(owner, command.DialogMode);
}

void CaptionDialog(const NvMenuCommand& command, TForm* dialog) {
  if (!command.NoCaption && command.Title) dialog->Caption = Caption(command);
}

void RunDialog(const NvMenuCommand& command, NvCommandHost& host) {
  NvGlobalFormSetter setGlobal;
  if (command.GlobalForm) {
    auto global = GlobalForms().find(command.GlobalForm);
    if (global != GlobalForms().end()) setGlobal = global->second;
  }
  std::unique_ptr<TForm> dialog(MakeDialog(command, host));
  ScopeExit clear([&] {
    dialog.reset();
    if (setGlobal) setGlobal(nullptr);
  });
  if (setGlobal) setGlobal(dialog.get());
  CaptionDialog(command, dialog.get());
  dialog->ShowModal();
}

}  // namespace

TForm* NvMakeCommandDialog(const NvMenuCommand& command, NvCommandHost& host) {
  TForm* dialog = MakeDialog(command, host);
  CaptionDialog(command, dialog);
  return dialog;
}

void NvRegisterDialog(const std::string& className, NvDialogFactory factory) {
  Dialogs()[className] = std::move(factory);
}

bool NvDialogRegistered(const std::string& className) { return Dialogs().count(className) != 0; }

std::vector<std::string> NvRegisteredDialogClasses() {
  std::vector<std::string> names;
  for (const auto& entry : Dialogs()) names.push_back(entry.first);
  return names;
}

void NvRegisterGlobalForm(const std::string& name, NvGlobalFormSetter setter) {
  GlobalForms()[name] = std::move(setter);
}

void NvRegisterCustomCommand(const std::string& name, NvCustomCommand handler) {
  CustomCommands()[name] = std::move(handler);
}

bool NvMenuCommandBuilt(const NvMenuCommand& command) {
  switch (command.Kind) {
    case NvCommandKind::Editor:
    case NvCommandKind::Table:
    case NvCommandKind::TableAddDelete:
    case NvCommandKind::Tabs:
      return true;
    case NvCommandKind::Viewer:
      return command.Topic != nullptr;
    case NvCommandKind::Dialog:
      return command.DialogClass && NvDialogRegistered(command.DialogClass);
    case NvCommandKind::Other:
      return command.Custom && CustomCommands().count(command.Custom) != 0;
  }
  return false;
}

void NvRunMenuCommand(const NvMenuCommand& command, NvCommandHost& host) {
  std::string ownTitle;
  if (!host.CommandTitle) host.CommandTitle = &ownTitle;
  ScopeExit forget([&] {
    if (host.CommandTitle == &ownTitle) host.CommandTitle = nullptr;
  });
  switch (command.Kind) {
    case NvCommandKind::Editor:
    case NvCommandKind::Table:
    case NvCommandKind::TableAddDelete:
    case NvCommandKind::Tabs:
      RunView(command, host);
      return;
    case NvCommandKind::Dialog:
      RunDialog(command, host);
      return;
    case NvCommandKind::Viewer: {
      static const TSessionTexts noTexts;
      NvRunViewer(host.Texts ? *host.Texts : noTexts, command.Topic, "");
      return;
    }
    case NvCommandKind::Other: {
      auto handler = CustomCommands().find(command.Custom ? command.Custom : "");
      if (handler == CustomCommands().end())
        throw Exception(std::string("The command ") + command.Item + " is not part of this program yet.");
      handler->second(command, host);
      return;
    }
  }
}

void NvRebootDevice(int32_t timeOut) {
  auto request = std::make_unique<NvSNMPRequest>();
  request->Vars = NvSNMPVarList(nullptr, SVT_SV, 0);
  request->Vars.AddVar(kSystemResetOid, "", NvSyntax::integer, NvAccess::readwrite, nullptr);
  *request->Vars.GetVar(0)->Value = "3";  // warm-start
  if (MessageBoxA(Application->Handle, "Are you sure to reboot the device?", "Reboot", MB_YESNO) != IDYES) return;
  request->TimeOut = timeOut;
  std::string refusal;
  try {
    bool ok = false;
    NvSNMPError error;
    request->Set(ok, error, false, "", nullptr);
    // A device that reboots rarely answers: only its silence means it is restarting.
    if (!ok && error.Code != NvErr::Timeout) refusal = error.Message;
  } catch (const Exception& e) {
    refusal = e.Message;
  } catch (const std::exception& e) {
    refusal = e.what();
  }
  if (!refusal.empty()) MessageBoxA(Application->Handle, refusal.c_str(), "Reboot", MB_OK | MB_ICONERROR);
}

void NvOpenHelpFile() {
  std::string exe = Application->ExeName;
  const size_t slash = exe.find_last_of("/\\");
  const std::string path = (slash == std::string::npos ? std::string() : exe.substr(0, slash + 1)) + kHelpFileName;
  if (!WinHelp(nullptr, path, HELP_CONTENTS, 0)) ShowMessage("The help file " + path + " could not be opened.");
}
