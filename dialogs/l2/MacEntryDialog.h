// The family of dialogs over static forwarding entries keyed by MAC address (and VLAN, and for
// some a receive port): a list of the entries, the chosen entry's keys, and its port list in a
// port picker. Add creates an entry with its ports, Set writes the chosen entry's ports, Delete
// removes it; after each the table is read again once the switch has answered. The members
// differ only by their NvMacEntryKind.
#pragma once

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

struct NvMacEntryKind {
  const char* Name;           // the form's name
  const char* Caption;
  int Width, Height;          // stored outer size
  const NvSNMPVar* Table;
  bool KeyedByVlan;           // VLAN and MAC, or MAC alone
  bool HasReceivePort;        // a third index column without control, written as 0 when adding
  // The component names of the list, the keys, the hidden status and the buttons.
  const char* ListName;
  const char* VidName;
  const char* MacName;
  const char* MacLabel;
  const char* StatusName;
  const char* AddName;
  const char* DeleteName;
  const char* SetName;        // null: no Set button
  const char* CloseName;
  const char* PageControlName;
  const char* PageCaption;    // the picker's tab
  int CreateItem;             // the status item Add writes
  bool SetCarriesStatus;      // Set writes the shown status beside the ports
  int DeleteItem;             // the status item Delete writes; -1: asks, then writes "invalid"
  const char* NoKeyText;      // Add without its keys, or with a MAC not of 12 digits
  const char* AddBusyText;
  const char* NoPortText;     // Add without a ticked port; null: allowed
  bool WarnsDeleteWithoutKeys;
  bool KeysReadOnlyWhenChosen;  // read-only rather than disabled while an entry is chosen
  // Add of a key already listed is refused with this text; null: the switch judges it.
  const char* ListedKeyText = nullptr;
};

class TMacEntryDialog : public TFeatureDialog {
 public:
  TMacEntryDialog(TComponent* Owner, const NvMacEntryKind& kind);

  TPanel* Panel1;
  TStaticText* ST_Count;
  TLabel* LB_Samples;
  TButton* RefreshBtn;
  TButton* SetButton = nullptr;
  TButton* AddButton;
  TButton* DeleteButton;
  TButton* CloseButton;
  TLabel* LB_VID;
  TEdit* VidEdit;
  TLabel* LB_MAC;
  TEdit* MacEdit;
  TEdit* ReceivePort = nullptr;  // hidden
  TComboBox* StatusCombo;        // hidden: the status written
  TPageControl* PageControl1;

  TStackingPortUitForm* Picker = nullptr;

  void FormCreate(TObject* Sender);
  void RefreshBtnClick(TObject* Sender);
  void AddBtnClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void DeleteBtnClick(TObject* Sender);
  void EntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void ClearDetailControls() override;

 protected:
  const NvMacEntryKind& Kind;
  int VarMac, VarReceivePort, VarPorts, VarStatus;

 private:
  void ApplyEnablingRules() override;
  void WriteEntry(bool withStatus);
  // Whether a listed entry has the keys typed for Add (the receive port being the hidden one).
  bool ListHoldsTypedKey() const;
};
