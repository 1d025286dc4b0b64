// The ERPS ring of the switch, keyed by its R-APS VLAN: ring ports, RPL port and owner, timers
// and the protected VLANs (a VLAN map in eight 512-VLAN columns). The switch holds one ring:
// Add is refused while one is listed.
#pragma once

#include "VlanMapTableForm.h"

class ERPSNewRequestEdits : public NvVlanMapRequestEdits {
 public:
  using NvVlanMapRequestEdits::NvVlanMapRequestEdits;
};

class TERPSVLANUnitForm : public TVlanMapTableForm {
 public:
  explicit TERPSVLANUnitForm(TComponent* Owner);

  TCheckBox* cbxWestPort;
  TEdit* WestPortEdit;
  TCheckBox* WestportCheckBox;
  TComboBox* WestPortPComboBox;
  TCheckBox* CheckBoxEstPort;
  TEdit* EstPortEdit;
  TCheckBox* estportCheckBox;
  TComboBox* EstPortComboBox;
  TCheckBox* CheckBoxRPLPort;
  TComboBox* RPLPortComboBox;
  TCheckBox* CheckBoxRPLOwner;
  TComboBox* ComboBoxRPLOWner;
  TCheckBox* CheckBoxRingMEL;
  TEdit* RingMELEdit;
  TCheckBox* CheckBoxholdofftime;
  TEdit* holdofftimeEdit;
  TCheckBox* CheckBoxguardtime;
  TEdit* guardTimeEdit;
  TCheckBox* CheckBoxWTRTime;
  TEdit* WTRtimeEdit;
  TCheckBox* CheckBoxRingState;
  TComboBox* ComboBoxRingState;
  TCheckBox* cbxRPLOwneroperstate;
  TComboBox* OwneroperaComboBox;

 protected:
  NvVlanMapRequestEdits* MakeRequest() override;
  const char* AddRefusal() const override { return "The R-APS VLAN already exists."; }
};

// The dialog while its menu command shows it.
extern TERPSVLANUnitForm* ERPSVLANUnitForm;
