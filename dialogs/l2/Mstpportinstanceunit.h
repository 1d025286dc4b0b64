// The MSTP instances of the switch: a list of the instances; Add creates one, Edit writes the
// chosen instance's ticked VLAN-map columns and bridge priority, Delete destroys it after a
// question.
#pragma once

#include "VlanMapTableForm.h"

class MSTPNewRequestEdits : public NvVlanMapRequestEdits {
 public:
  using NvVlanMapRequestEdits::NvVlanMapRequestEdits;
};

class TMSTPVLANUnitForm : public TVlanMapTableForm {
 public:
  explicit TMSTPVLANUnitForm(TComponent* Owner);

  TCheckBox* cbxType;
  TComboBox* TypeComboBox;
  TCheckBox* cbxState;
  TComboBox* StateComboBox;
  TCheckBox* CheckBoxPriority;
  TEdit* PriorityEdit;
  std::array<TCheckBox*, 11> CheckBox{};  // CheckBox1 to CheckBox11
  std::array<TEdit*, 11> Edit{};          // Edit1 to Edit11: the read-only columns

 protected:
  NvVlanMapRequestEdits* MakeRequest() override;
  bool PrepareEdit() override;
};

// The dialog while its menu command shows it.
extern TMSTPVLANUnitForm* MSTPVLANUnitForm;
