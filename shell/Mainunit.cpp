#include "Mainunit.h"

#include "Dialogs.h"
#include "NvSNMPSession.h"
#include "Registry.h"

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
  }

  SNMPv31->Enabled = NvSNMPSecurity::Version == 3;
}

// The window as designed: status bar and menu bar; the front panel comes at first activation.
void TMainForm::BuildLayout() {
  Name = "MainForm";
  Caption = "MainForm";
  BorderStyle = bsSingle;
  Position = poScreenCenter;
  ClientWidth = 787;
  ClientHeight = 120;
  OnCreate = [this](TObject* sender) { FormCreate(sender); };

  StatusBar = new TStatusBar(this);
  StatusBar->Name = "StatusBar";
  StatusBar->Parent = this;
  StatusBar->Align = alBottom;
  StatusBar->Height = 20;
  StatusBar->Panels->Add()->Width = 50;

  MainMenu1 = new TMainMenu(this);
  MainMenu1->Name = "MainMenu1";
  TMenuItem* top = MainMenu1->Items;
  Configuration1 = AddMenuItem(top, "Configuration1", "Basic Configuration");
  DeviceEquipmentManagement1 = AddMenuItem(Configuration1, "DeviceEquipmentManagement1", "Equipment Management");
  DeviceEquipmentManagement1->Visible = false;
  Menu_RMON = AddMenuItem(top, "Menu_RMON", "RMON");
  Bridge1 = AddMenuItem(top, "Bridge1", "Bridge");
  VLAN1 = AddMenuItem(top, "VLAN1", "VLAN");
  SNMPv31 = AddMenuItem(top, "SNMPv31", "SNMP v3");
  Security1 = AddMenuItem(top, "Security1", "Security");
  Layer21 = AddMenuItem(top, "Layer21", "Layer 2");
  Layer31 = AddMenuItem(top, "Layer31", "Layer 3");
  SingleIP1 = AddMenuItem(top, "SingleIP1", "Single IP");
  Help1 = AddMenuItem(top, "Help1", "Help");
  Refresh1 = AddMenuItem(top, "Refresh1", "Refresh");
}

TMenuItem* TMainForm::AddMenuItem(TMenuItem* parent, const char* name, const char* caption) {
  auto* item = new TMenuItem(this);
  item->Name = name;
  item->Caption = caption;
  parent->Add(item);
  return item;
}

void TMainForm::FormCreate(TObject* Sender) { Caption = DeviceAddress; }

void TMainForm::HideEquipmentMenu() { DeviceEquipmentManagement1->Visible = false; }
