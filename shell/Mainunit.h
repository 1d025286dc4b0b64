// The module's main window. Its constructor does the whole start-up configuration: the SNMP
// session, the registry, the message files, the command line and the per-device file.
#pragma once

#include <string>

#include "ComCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "Startup.h"

class TMainForm : public TForm, public TSessionTexts {
 public:
  explicit TMainForm(TComponent* Owner);

  TStatusBar* StatusBar = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* Configuration1 = nullptr;
  TMenuItem* DeviceEquipmentManagement1 = nullptr;
  TMenuItem* Menu_RMON = nullptr;
  TMenuItem* Bridge1 = nullptr;
  TMenuItem* VLAN1 = nullptr;
  TMenuItem* SNMPv31 = nullptr;
  TMenuItem* Security1 = nullptr;
  TMenuItem* Layer21 = nullptr;
  TMenuItem* Layer31 = nullptr;
  TMenuItem* SingleIP1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* Refresh1 = nullptr;

  // The caption of the last menu command's window.
  std::string CommandTitle;

  void FormCreate(TObject* Sender);
  void HideEquipmentMenu();

 private:
  void BuildLayout();
  TMenuItem* AddMenuItem(TMenuItem* parent, const char* name, const char* caption);
};

extern TMainForm* MainForm;
