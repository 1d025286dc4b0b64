// The family of table dialogs that tie an IPv4 address and a MAC address to a list of ports
// (ARP spoofing prevention, IP-MAC binding, DHCP offer permits): a list of the rows, the
// chosen row's address and MAC, its ports in a port picker; Add creates a row with createAndGo,
// Set (or Edit) writes the chosen row, Delete removes the chosen row. Every request blocks the
// window. Every read ends with no row chosen, so a write always addresses a row the user has
// just picked, never the last one read.
#pragma once

#include <span>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

struct NvAddressMacPortsKind {
  const char* Name;             // the form's name
  const char* Caption;
  int Width, Height;            // stored outer size
  NvScale Scale;
  NvPlacement Placement;
  const NvSNMPVar* Table;
  int IndexCount;               // 2: address and MAC are the key; 1: the address, the MAC a column
  int VarMac, VarPorts, VarStatus;
  const char* IpFormat;         // the address edit's value format
  int PortPositions;            // the picker's boxes, bound to as many bits
  const char* PortPage;         // the picker's tab; null: on the panel StackingPortPanel
  bool HasCountBox;             // "Samples" and the count
  const char* EditCaption;      // the write button of a chosen row
  bool AddOffWithRow;           // Add disabled while a row is chosen
  int CreateItem, DestroyItem;  // items of ComboStatus
  bool FreeOnClose;             // the close action frees the window
};

class TAddressMacPortsDialog : public TFeatureDialog {
 public:
  TAddressMacPortsDialog(TComponent* Owner, const NvAddressMacPortsKind& kind);

  TListView* ListView1;
  TLabel* lblIpAddr;
  TEdit* edtIpAddr;
  TLabel* lblMacAddr;
  TEdit* edtMacAddr;
  TPageControl* PageControl1 = nullptr;  // with a tab for the picker
  TPanel* StackingPortPanel = nullptr;   // or the picker on this panel
  TStaticText* StaticText1 = nullptr;    // the count
  TButton* btnGet;
  TButton* btnEdit;
  TButton* btnAdd;
  TButton* btnDelete;
  TButton* btnClose;
  TButton* Button1;         // hidden Stop: does nothing
  TComboBox* ComboStatus;   // hidden: the row status written
  TComboBox* cbxMode;       // hidden, unused
  TStackingPortUitForm* Picker = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnGetClick(TObject* Sender);
  void btnEditClick(TObject* Sender);
  void btnAddClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);

 protected:
  // The checks of the address and MAC; false after their message (focus on the edit). By
  // default a dotted IPv4 address ("Please input a valid IP.") and a MAC address (silent).
  virtual bool InputAccepted();
  // A refusal of Add before the address and MAC are looked at; false after its message.
  virtual bool AddAllowed() { return true; }
  // What Add writes, the status set to createAndGo.
  virtual std::span<const NvSetStep> AddSteps() const = 0;
  // What Set (Edit) writes for the chosen row: by default its ports and status.
  virtual std::span<const NvSetStep> EditSteps() const;
  // The chosen row destroyed: after the question by default, or at once. False when the dialog
  // closed meanwhile.
  virtual bool DeleteChosenRow();
  // Binds what the member has beyond the address, MAC, ports and status.
  virtual void BindMore() {}
  // The idle state once the table has been read: no row chosen, empty detail controls.
  virtual void AfterRead();
  // A bound control that stays disabled whatever is chosen.
  TControl* KeptDisabled = nullptr;

  // The writes, then the table read again, then the idle state.
  void WriteRow(std::span<const NvSetStep> steps);
  // Whether a visible port box of the picker is ticked.
  bool AnyShownPortTicked() const;

  const NvAddressMacPortsKind& Kind;

 private:
  NvSetStep portsAndStatus_[1];
};
