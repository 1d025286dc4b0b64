// What the Ethernet profile of the ACL and that of the CPU interface filter share: the same
// controls under the same names, their bindings, the MAC mask checks and the Add and Delete
// steps. The ACL member adds the VLAN mask and a Stop button; each places its window.
#pragma once

#include "AclFamily.h"

// Variables both tables have, in both lists at these places.
namespace NvEthernetProfileVar {
enum : int {
  ProfileId = 0, UseVlan = 1, MaskState = 2, SourceMask = 3, DestinationMask = 4, Use8021p = 5, UseEthType = 6
};
}

// Both members' texts: the same checks say the same.
extern const NvAclTexts NvEthernetProfileTexts;

class TAclEthernetProfileBase : public TAclProfileBase {
 public:
  // listHeight: the table's height above the fields; the fields and buttons follow it.
  TAclEthernetProfileBase(TComponent* Owner, int width, int height, int listHeight);

  TListView* ListView1;
  TLabel* LB_ID;
  TEdit* IDEdit;
  TLabel* LB_UseVlan;
  TComboBox* UseVLanComBo;
  TLabel* LB_Use8021p;
  TComboBox* Use8021pComBo;
  TLabel* LB_MaskState;
  TComboBox* MacMaskStateComBo;
  TLabel* LB_UseEthType;
  TComboBox* UseEthTypeCombo;
  TLabel* LB_MaskDst;
  TEdit* MacMaskDstEdit;
  TLabel* LB_MaskSource;
  TEdit* MacAddMaskSourceEdit;
  TLabel* LB_RowStatus;
  TComboBox* RowStatusComBo;
  TButton* BT_Get;
  TButton* AddBtn;
  TButton* BT_Delete;
  TButton* SetBtn;  // hidden: profiles are not changed in place

  void BT_GetClick(TObject* Sender);
  // Duplicate, row status, CheckInput, then the write.
  void AddBtnClick(TObject* Sender);
  void BT_DeleteClick(TObject* Sender);
  void ListView1Changing(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Key, read finished, the MAC masks the state uses; a member adds its own fields.
  virtual bool CheckInput();

 protected:
  // The request over table, blocking, with the shared bindings; the key under keyFormat.
  void BindShared(const NvSNMPVar* table, const char* keyFormat, int rowStatusColumn);
  static constexpr int FieldTop(int listHeight, int row) { return listHeight + 18 + 27 * row; }
};
