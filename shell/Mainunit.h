// The module's main window. Its constructor does the whole start-up configuration: the SNMP
// session, the registry, the message files, the command line and the per-device file. Its
// creation handler reads the hardware revision once (after the device's name is looked up, so
// a slow name server holds no window); the first activation embeds the front panel that
// matches it, as soon as the revision has been read.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "ComCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Startup.h"

class NvSNMPRequest2Edits;
class TList;
class TTimer;
struct NvMenuCommand;

class TMainForm : public TForm, public TSessionTexts {
 public:
  explicit TMainForm(TComponent* Owner);
  ~TMainForm() override;

  TStatusBar* StatusBar = nullptr;
  TScrollBox* ScrollBox1 = nullptr;
  TStaticText* ST_HWVersion = nullptr;
  TStaticText* ST_RmonState = nullptr;
  // The spanning tree version a dialog last set during this run; the window leaves it alone.
  TStaticText* ST_Version = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  // Top-level menus and the items the window itself changes.
  TMenuItem* Configuration1 = nullptr;
  TMenuItem* DeviceEquipmentManagement1 = nullptr;
  TMenuItem* Menu_RMON = nullptr;
  TMenuItem* Bridge1 = nullptr;
  TMenuItem* VLAN1 = nullptr;
  TMenuItem* SNMPv31 = nullptr;
  TMenuItem* SecurityManagement1 = nullptr;
  TMenuItem* Layer21 = nullptr;
  TMenuItem* Layer31 = nullptr;
  TMenuItem* SingleIP1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* Refresh1 = nullptr;

  // The caption of the last menu command's window.
  std::string CommandTitle;

  // The hardware-revision read, bound to ST_HWVersion.
  NvSNMPRequest2Edits* HWVersionRequest = nullptr;
  // The embedded front-panel forms (at most one) and the one embedded last.
  TList* PanelList = nullptr;
  TForm* CurrentPanel = nullptr;

  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void ShowFrontPanel();
  void CloseAllPanels();
  void HideEquipmentMenu();

  // Menu commands built so far.
  void Refresh1Click(TObject* Sender);
  void Menu_RMONClick(TObject* Sender);
  // Opens the DHCP relay server dialog as its menu item does, owned by the application and
  // captioned "Relay DHCP Control Table"; no menu item is bound to it.
  void RelayDHCPControlTable1Click(TObject* Sender);
  // Opens the safeguard engine dialog as its menu item does, owned by the application and
  // captioned "Safeguard Control"; no menu item is bound to it.
  void SafeGuardControl1Click(TObject* Sender);

  // The menu item of this component name, or null.
  TMenuItem* MenuItem(const std::string& name) const;

  // Commands the window runs itself, by handler name (item name + "Click"); they come before
  // the command rows of the menu. An item whose command is neither here nor built as a row
  // stays disabled.
  using CommandHandler = void (TMainForm::*)(TObject*);
  static const std::map<std::string, CommandHandler>& CommandHandlers();

 private:
  void BuildLayout();
  void BuildMenu();
  void RunCommand(const NvMenuCommand& command);

  // The revision's one blocking read at start, then the panel when the window is up.
  void ReadRevision();
  void RevisionRead();
  void AddressPoll(TObject* Sender);

  bool activated_ = false;
  bool revisionRead_ = false;      // the read at start has ended, however it ended
  TTimer* addressPoll_ = nullptr;  // waits for the device's name to be looked up
  std::map<std::string, TMenuItem*> menuItems_;
};

extern TMainForm* MainForm;
