// What the IP rule of the ACL and that of the CPU interface filter share: the match fields
// (VLAN, addresses, DSCP, protocol, ICMP type and code, ports, TCP flag bits, protocol ID)
// with their include boxes, the permit and row-status fields, the port picker, the buttons,
// the Add steps and the protocol's left-out columns as a table of each member. The ACL member
// adds its actions, masks and Stop; the CPU member its user mask and Edit.
#pragma once

#include <vector>

#include "AclFamily.h"
#include "ExtCtrls.h"

class TStackingPortUitForm;

// Variables both tables have at these places.
namespace NvIpRuleVar {
enum : int {
  ProfileId = 0, AccessId = 1, Vlan = 2, SourceIp = 3, DestinationIp = 4, Dscp = 5, Protocol = 6, Type = 7,
  Code = 8, SourcePort = 9, DestinationPort = 10, FlagBits = 11, ProtocolId = 12
};
}

// What differs between the members' windows and tables.
struct NvIpRuleLayout {
  int Width, Height, ListHeight;
  int LeftRows;  // detail rows of the left column; the shared fields go on in the right one
  int PermitColumn, RowStatusColumn, PortColumn;
  const char* ProfileFormat;
  const char* AccessFormat;
  const char* VlanFormat;
  const char* TypeCodeFormat;
  const char* VlanName;
  const char* VlanLabel;
  const char* ProtocolLabel;
  const char* TypeBoxName;
  const char* TypeName;
  const char* CodeBoxName;
  const char* CodeName;
  const char* RowStatusName;
  // The columns each protocol leaves out when the protocol box is ticked.
  std::vector<NvChoiceLeavesOut> ProtocolLeavesOut;
};

// Both members' texts: the same checks say the same.
extern const NvAclTexts NvIpRuleTexts;

class TAclIpRuleBase : public TAclRuleBase {
 public:
  TAclIpRuleBase(TComponent* Owner, const NvIpRuleLayout& layout);

  TListView* ListView1;
  TEdit* IPRuleEdit;
  TEdit* AccessIDEdit;
  TCheckBox* cbxVlan;
  TEdit* VlanEdit;
  TCheckBox* cbxSourceIP;
  TEdit* SourceIPEdit;
  TCheckBox* cbxDestIP;
  TEdit* DestIPEdit;
  TCheckBox* cbxDscp;
  TEdit* DSCPEdit;
  TCheckBox* cbxProtocol;
  TComboBox* ProtocolComboBox;
  TCheckBox* cbxType;
  TEdit* TypeEdit;
  TCheckBox* cbxCode;
  TEdit* CodeEdit;
  TCheckBox* cbxSourcePort;
  TEdit* SourcePortEdit;
  TCheckBox* cbxDestPort;
  TEdit* DestPortEdit;
  TCheckBox* cbxFBs;
  TEdit* FlagEdit;
  TCheckBox* cbxProtocolID;
  TEdit* ProtocolIDEdit;
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
  TButton* CheckButton;
  TButton* UncheckButton;

  void GetButtonClick(TObject* Sender);
  // CheckInput, duplicate keys, row status ticked and createAndGo; the ticked fields less
  // those the protocol leaves out, and the ports, written.
  void AddButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void CheckButtonClick(TObject* Sender);
  void UncheckButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Keys, then every ticked field in the walk's order: not empty, and passing its check.
  bool CheckInput();
  // With the protocol box ticked, the columns the chosen protocol does not use.
  void ExcludeByProtocol(NvVarFlagsScope& flags) const;
  // What a write of the rule leaves out: the unticked fields, then ExcludeByProtocol.
  void LeaveOutOfRule(NvVarFlagsScope& flags) const;

 protected:
  // The top of detail row r; the left column's boxes at LeftBox, the right one's at RightBox.
  int RowTop(int r) const { return layout_.ListHeight + 16 + 24 * r; }
  int ButtonsLeft() const { return layout_.Width - 104; }
  static constexpr int LeftBox = 8, LeftControl = 156, RightBox = 302, RightControl = 446;
  static constexpr int FieldWidth = 116, KeyWidth = 50;
  // An include row in column 0 (left) or 1 (right).
  TCheckBox* PutRow(const char* boxName, const char* label, TControl* control, int column, int row);
  // The picker in StackingPortPanel, the request (asynchronous) with the shared bindings.
  void BindShared(const NvSNMPVar* table);

 private:
  NvIpRuleLayout layout_;
};
