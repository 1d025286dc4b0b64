// What the IP profile of the ACL and that of the CPU interface filter share: the same fields
// (VLAN and DSCP usage, address masks under a mask state, one protocol with its options and
// masks), their bindings, the checks of the masks a profile keeps and the Add and Delete
// steps. Which columns a new profile leaves out follows from the member's tables of choices;
// the port masks follow the union of the TCP and UDP options. The ACL member adds the VLAN
// mask and Stop, the CPU member the user mask; each places its window.
#pragma once

#include <functional>
#include <vector>

#include "AclFamily.h"

// Variables both tables have, at these places in both lists.
namespace NvIpProfileVar {
enum : int {
  ProfileId = 0, UseVlan = 1, MaskState = 2, SourceMask = 3, DestinationMask = 4, UseDscp = 5, Protocol = 6,
  IcmpOption = 7, IgmpOption = 8, TcpOption = 9, UdpOption = 10, SourcePortMask = 11, DestinationPortMask = 12,
  TcpFlag = 13, TcpFlagMask = 14, ProtocolIdOption = 15, ProtocolIdMask = 16,
  OwnMask = 17,  // the ACL's VLAN mask, the CPU filter's user mask
  RowStatus = 18
};
}

// Both members' texts: the same checks say the same.
extern const NvAclTexts NvIpProfileTexts;

// What differs between the members' windows: size, the table's height, the names and labels
// of the controls that are not alike.
struct NvIpProfileLayout {
  int Width, Height, ListHeight, ButtonsLeft;
  const char* UseVlanName;
  const char* IcmpName;
  const char* IgmpName;
  const char* ProtocolIdMaskName;
  const char* ProtocolIdMaskLabel;
  const char* OwnMaskName;
  const char* OwnMaskLabel;
};

class TAclIpProfileBase : public TAclProfileBase {
 public:
  TAclIpProfileBase(TComponent* Owner, const NvIpProfileLayout& layout);

  TListView* ListView1;
  TEdit* IPIDEdit;
  TComboBox* UseVlanCombo;
  TComboBox* IpAddMaskStateComboBox;
  TEdit* IpAddMaskSrcEdit;
  TEdit* IpAddMaskDstEdit;
  TComboBox* UseDSCPComBo;
  TComboBox* UseProTypeComBo;
  TComboBox* IcmpCombo;
  TComboBox* IgmpCombo;
  TComboBox* TCPOptionComBo;
  TComboBox* UDPOptionComBo;
  TEdit* TCPUDPSrcMaskEdit;
  TEdit* TCPUDPDstPortMaskEdit;
  TComboBox* TCPFlagBitOptionComBo;
  TEdit* TCPFlagBitMaskEdit;
  TComboBox* ProOptionComBo;
  TEdit* ProtocolIdMaskEdit;
  TEdit* OwnMaskEdit;
  TComboBox* RowStatusComBo;
  TButton* BT_Get;
  TButton* BT_Add;
  TButton* BT_Delete;
  TButton* SetBtn;  // hidden: profiles are not changed in place

  // In the order CheckInput tests them.
  std::vector<NvMaskCheck> MaskChecks;

  void BT_GetClick(TObject* Sender);
  // CheckInput, duplicate key, row status createAndGo, then the write.
  void BT_AddClick(TObject* Sender);
  // After the question; the list read again whatever the answer.
  void BT_DeleteClick(TObject* Sender);
  void ListView1Changing(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // The key, no read running, and every non-empty mask the choices keep valid.
  bool CheckInput();

 protected:
  // The request over table, blocking, with the bindings; the key under keyFormat, the
  // protocol-ID mask under its format.
  void BindShared(const NvSNMPVar* table, const char* keyFormat, const char* protocolIdMaskFormat,
                  const char* ownMaskFormat);
  // The rules of a member: its own rules where extra names them, then the protocol table.
  // Mask state, TCP and UDP options with the port masks' union, flag option.
  void DeclareRules(std::vector<NvComboRule> extra, std::vector<NvChoiceLeavesOut> protocols);
  // Checks of the typed masks.
  static bool FourHexDigits(TCustomEdit* edit);
  static bool FlagMaskInRange(TCustomEdit* edit);

 private:
  NvIpProfileLayout layout_;
};

