// What the Ethernet rule of the ACL and that of the CPU interface filter share: the match
// fields (VLAN, MAC addresses, 802.1p, Ethernet type) with their include boxes, the permit and
// row-status fields, the port picker, the buttons and the checks, which both make in the same
// order with the same texts. The ACL member adds its actions, masks and Stop; the CPU member
// its Edit.
#pragma once

#include "AclFamily.h"
#include "ExtCtrls.h"

class TStackingPortUitForm;

// Variables both tables have at these places.
namespace NvEthernetRuleVar {
enum : int { ProfileId = 0, AccessId = 1, Vlan = 2, SourceMac = 3, DestinationMac = 4, Priority8021p = 5, EthType = 6 };
}

// Where the shared fields go: rows of 26 pixels under the list, in two columns.
struct NvEthernetRuleLayout {
  int Width, Height, ListHeight;
  int PermitRow, RowStatusRow;  // in the right-hand column
  int PermitColumn, RowStatusColumn, PortColumn;
};

// Both members' texts: the same checks say the same.
extern const NvAclTexts NvEthernetRuleTexts;

class TAclEthernetRuleBase : public TAclRuleBase {
 public:
  TAclEthernetRuleBase(TComponent* Owner, const NvEthernetRuleLayout& layout);

  TListView* ListView1;
  TEdit* MaskIDEdit;
  TEdit* AccessEdit;
  TCheckBox* cbxVlan;
  TEdit* VlanRuleEdit;
  TCheckBox* cbxSource;
  TEdit* SourceMACEdit;
  TCheckBox* cbxDestination;
  TEdit* DestMACEdit;
  TCheckBox* cbxIEEE802dot1P;
  TEdit* IEEE8021pEdit;
  TCheckBox* cbxEtherType;
  TEdit* EthTypeEdit;
  TCheckBox* cbxPermit;
  TComboBox* PermitComboBox;
  TCheckBox* cbxRow;
  TComboBox* RowComboBox;
  TPanel* StackingPortPanel;
  TStaticText* StaticText1;
  TButton* GetButton;
  TButton* EditButton;
  TButton* AddButton;
  TButton* DeleteButton;
  TButton* AddCheckButton;

  void GetButtonClick(TObject* Sender);
  // CheckInput, duplicate keys, row status ticked and createAndGo; the ticked fields and the
  // ports written.
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void AddCheckButtonClick(TObject* Sender);
  // Clear Checks, under the member's button name.
  void ClearChecksClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Keys, empty ticked fields, ticked MACs of 12 and Ethernet type of 4 hexadecimal digits;
  // a member adds its own checks after these.
  virtual bool CheckInput();

 protected:
  // The top of row r of the detail fields; the left column's controls at FieldControlLeft, the
  // right column's at RightLeft / RightControlLeft.
  int RowTop(int r) const { return layout_.ListHeight + 16 + 26 * r; }
  static constexpr int FieldLeft = 8, FieldControlLeft = 200, RightLeft = 316, RightControlLeft = 470;
  int ButtonsLeft() const { return layout_.Width - 104; }
  // The request over table, blocking, with the shared bindings and the picker's boxes; the keys
  // under their formats. Permit on "permit" and row status on "createAndGo".
  void BindShared(const NvSNMPVar* table, const char* profileFormat, const char* accessFormat);

 private:
  NvEthernetRuleLayout layout_;
};
