#include "Mainunit.h"

#include "CommandRunner.h"
#include "Commands.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "MenuTree.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPSession.h"
#include "NvSNMPVarList.h"
#include "Oid_device.h"
#include "PanelNVS7030B1Form.h"
#include "PanelNVS7030Form.h"
#include "Registry.h"
#include "ScopeExit.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* Owner) : TForm(Owner) {
  BuildLayout();

  NvSNMPInitSession("");
  NvSNMPSecurity::Version = 0;

  TRegistry registry;
  registry.RootKey = HKEY_LOCAL_MACHINE;
  std::string moduleDirectory;
  try {
    bool opened = false;
    moduleDirectory = ReadModuleDirectory(registry, opened);
    if (opened) HideEquipmentMenu();
  } catch (const std::exception&) {
    // A registry failure leaves the module directory empty; the built-in messages stay.
  }
  LoadMessageFiles(moduleDirectory);
  const std::string mibConfigDirectory = ReadMibConfigDirectory(registry);

  if (ProgramParameters.empty()) {
    ShowMessage("No parameter input");
    Application->Terminate();
  } else {
    ApplyParameters(ProgramParameters, mibConfigDirectory, *this);
    CheckSessionSettings();
    // A slow name server then delays no window: the name is looked up meanwhile, once.
    NvSNMPLookUpAddress(NvSNMPDevice::Address);
  }

  SNMPv31->Enabled = NvSNMPSecurity::Version == 3;
}

TMainForm::~TMainForm() {
  delete HWVersionRequest;
  // The panel goes before the rest: its destroy handler waits for its LED request, which
  // reports to StatusBar.
  DestroyComponents();
  delete PanelList;
}

// The window as designed: status bar, scroll box, hidden texts and the menu bar; the front
// panel comes at first activation.
void TMainForm::BuildLayout() {
  Name = "MainForm";
  Caption = "MainForm";
  BorderStyle = bsSingle;
  BorderIcons = biSystemMenu | biMinimize;
  Position = poScreenCenter;
  ClientWidth = 787;
  ClientHeight = 120;
  OnCreate = Handler(this, &TMainForm::FormCreate);
  OnActivate = Handler(this, &TMainForm::FormActivate);
  OnClose = Handler(this, &TMainForm::FormClose);

  StatusBar = new TStatusBar(this);
  StatusBar->Name = "StatusBar";
  StatusBar->Parent = this;
  StatusBar->Align = alBottom;
  StatusBar->Height = 20;
  StatusBar->Panels->Add()->Width = 50;

  ScrollBox1 = new TScrollBox(this);
  ScrollBox1->Name = "ScrollBox1";
  ScrollBox1->Parent = this;
  ScrollBox1->Align = alClient;
  ScrollBox1->AutoScroll = false;

  // Hidden texts captioned with their own names.
  auto hiddenText = [this](const char* name) {
    auto* text = new TStaticText(this);
    text->Name = name;
    text->Parent = this;
    text->Caption = name;
    text->Visible = false;
    return text;
  };
  ST_HWVersion = hiddenText("ST_HWVersion");
  ST_RmonState = hiddenText("ST_RmonState");
  ST_Version = hiddenText("ST_Version");

  BuildMenu();
}

const std::map<std::string, TMainForm::CommandHandler>& TMainForm::CommandHandlers() {
  static const std::map<std::string, CommandHandler> handlers = {
      {"Refresh1Click", &TMainForm::Refresh1Click},
      {"Menu_RMONClick", &TMainForm::Menu_RMONClick},
  };
  return handlers;
}

// Every item of the menu table, with its designed visibility. Items that run a command not
// built yet are disabled; a top-level menu whose opening runs a command stays enabled.
void TMainForm::BuildMenu() {
  // The command rows of the window's own commands, for whoever runs rows by name.
  NvRegisterCustomCommand("RefreshFrontPanel", [](const NvMenuCommand&, NvCommandHost& host) {
    if (auto* window = dynamic_cast<TMainForm*>(host.MainWindow)) window->Refresh1Click(window);
  });
  NvRegisterCustomCommand("RmonStateRule", [](const NvMenuCommand&, NvCommandHost& host) {
    if (auto* window = dynamic_cast<TMainForm*>(host.MainWindow)) window->Menu_RMONClick(window);
  });
  MainMenu1 = new TMainMenu(this);
  MainMenu1->Name = "MainMenu1";
  std::map<std::string, TMenuItem*> parents;
  for (const NvMenuItem& entry : NvMainMenuItems()) {
    auto* item = new TMenuItem(this);
    if (entry.Name) {
      item->Name = entry.Name;
      menuItems_[entry.Name] = item;
    }
    item->Caption = entry.Caption;
    item->Visible = !entry.Hidden;
    TMenuItem* parent = MainMenu1->Items;
    if (entry.Parent) {
      auto found = menuItems_.find(entry.Parent);
      if (found != menuItems_.end()) parent = found->second;
    }
    parent->Add(item);
  }
  for (const NvMenuItem& entry : NvMainMenuItems()) {
    if (!entry.Name || !entry.Handler) continue;
    TMenuItem* item = menuItems_[entry.Name];
    auto handler = CommandHandlers().find(entry.Handler);
    const NvMenuCommand* command = NvFindMenuCommand(entry.Name);
    if (handler != CommandHandlers().end())
      item->OnClick = [this, method = handler->second](TObject* sender) { (this->*method)(sender); };
    else if (command && NvMenuCommandBuilt(*command))
      item->OnClick = [this, command](TObject*) { RunCommand(*command); };
    else if (item->Count == 0)
      item->Enabled = false;
  }
  Configuration1 = MenuItem("Configuration1");
  DeviceEquipmentManagement1 = MenuItem("DeviceEquipmentManagement1");
  Menu_RMON = MenuItem("Menu_RMON");
  Bridge1 = MenuItem("Bridge1");
  VLAN1 = MenuItem("VLAN1");
  SNMPv31 = MenuItem("SNMPv31");
  SecurityManagement1 = MenuItem("SecurityManagement1");
  Layer21 = MenuItem("Layer21");
  Layer31 = MenuItem("Layer31");
  SingleIP1 = MenuItem("SingleIP1");
  Help1 = MenuItem("Help1");
  Refresh1 = MenuItem("Refresh1");
}

void TMainForm::RunCommand(const NvMenuCommand& command) {
  NvCommandHost host{.MainWindow = this, .CommandTitle = &CommandTitle, .Texts = this};
  NvRunMenuCommand(command, host);
}

TMenuItem* TMainForm::MenuItem(const std::string& name) const {
  auto found = menuItems_.find(name);
  return found == menuItems_.end() ? nullptr : found->second;
}

void TMainForm::FormCreate(TObject*) {
  try {
    Caption = DeviceAddress;
    activated_ = false;
    PanelList = new TList;
    HWVersionRequest = new NvSNMPRequest2Edits(this);
    HWVersionRequest->Request.Vars = NvSNMPVarList(ProbeHardwareRevTable, SVT_SV, 0);
    HWVersionRequest->Asynchronous = 0;
    HWVersionRequest->BindStaticText(0, ST_HWVersion);
    if (NvSNMPAddressKnown(HWVersionRequest->Request.Address)) {
      ReadRevision();
    } else {
      // The name server still answers: the read waits for it beside the window, not in it.
      addressPoll_ = new TTimer(this);
      addressPoll_->Interval = 50;
      addressPoll_->OnTimer = Handler(this, &TMainForm::AddressPoll);
      addressPoll_->Enabled = true;
    }
  } catch (const Exception& e) {
    revisionRead_ = true;
    StatusBar->Panels->Items[0]->Text = e.Message;
  }
}

void TMainForm::ReadRevision() {
  ScopeExit ended([this] { revisionRead_ = true; });
  HWVersionRequest->Get();
}

void TMainForm::AddressPoll(TObject*) {
  if (!NvSNMPAddressKnown(HWVersionRequest->Request.Address)) return;
  addressPoll_->Enabled = false;
  try {
    ReadRevision();
  } catch (const Exception& e) {
    StatusBar->Panels->Items[0]->Text = e.Message;
  }
  RevisionRead();
}

// The panel follows the revision: at the first activation when it has been read, else once it is.
void TMainForm::RevisionRead() {
  if (activated_ && !CurrentPanel && revisionRead_) ShowFrontPanel();
}

void TMainForm::FormActivate(TObject*) {
  if (activated_) return;
  activated_ = true;
  RevisionRead();
}

// Builds the panel from the revision as last read: the read at start is not repeated here.
void TMainForm::ShowFrontPanel() {
  if (!HWVersionRequest || !PanelList) return;
  TFrontPanelForm* panel;
  if (ST_HWVersion->Caption() == "A1")
    panel = new TPanelNVS7030Form(this);
  else
    panel = new TPanelNVS7030B1Form(this);
  const int panelHeight = panel->ClientHeight;
  const int panelWidth = panel->ClientWidth;

  panel->Parent = ScrollBox1;
  panel->Left = 0;
  panel->Top = 0;
  ScrollBox1->Align = alNone;
  ClientWidth = panelWidth + 3;
  CurrentPanel = panel;
  ClientHeight = panel->Top + panelHeight + StatusBar->Height + PanelList->Count + 3;
  ScrollBox1->Align = alClient;
  panel->Show();
  if (Width < panel->Width) Width = panel->Width + 4;
  PanelList->Add(panel);
}

void TMainForm::CloseAllPanels() {
  if (!PanelList) return;
  for (int i = 0; i < PanelList->Count; ++i) {
    auto* panel = static_cast<TForm*>(PanelList->Items[i]());
    panel->Close();
    delete panel;
  }
  PanelList->Clear();
}

void TMainForm::HideEquipmentMenu() { DeviceEquipmentManagement1->Visible = false; }

void TMainForm::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  if (PanelList) {
    PanelList->Clear();
    delete PanelList;
    PanelList = nullptr;
  }
}

void TMainForm::Refresh1Click(TObject*) {
  if (MessageDlg("Refresh panel may take a long time. Are you sure?", mtConfirmation, mbOKCancel, 0) != mrOk)
    return;
  CloseAllPanels();
  CurrentPanel = nullptr;
  if (HWVersionRequest) HWVersionRequest->Get();  // asked for: the revision is read afresh
  ShowFrontPanel();
}

void TMainForm::RelayDHCPControlTable1Click(TObject*) {
  static const NvMenuCommand command{.Item = "RelayDHCPControlTable1", .Kind = NvCommandKind::Dialog,
                                     .Title = "Relay DHCP Control Table", .DialogClass = "TBOOTCtrlTableForm",
                                     .GlobalForm = "BOOTCtrlTableForm", .Owner = NvOwner::Application};
  RunCommand(command);
}

void TMainForm::SafeGuardControl1Click(TObject*) {
  static const NvMenuCommand command{.Item = "SafeGuardControl1", .Kind = NvCommandKind::Dialog,
                                     .Title = "Safeguard Control", .DialogClass = "TSafeguardCtrlForm",
                                     .GlobalForm = "SafeguardCtrlForm", .Owner = NvOwner::Application};
  RunCommand(command);
}

// Opening the RMON menu: the viewers are offered only while the device's RMON is on.
void TMainForm::Menu_RMONClick(TObject*) {
  try {
    NvSNMPRequest2Edits request(this);
    request.Request.Vars = NvSNMPVarList(RmonStateTable, SVT_SV, 0);
    request.Asynchronous = 0;
    request.BindStaticText(0, ST_RmonState);
    request.Get();
    const std::string state = ST_RmonState->Caption;
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
      TMenuItem* item = MenuItem(name);
      if (state == "disabled") item->Enabled = false;
      if (state == "enabled") item->Enabled = true;
    }
  } catch (const Exception& e) {
    StatusBar->Panels->Items[0]->Text = e.Message;
  }
}
