#include "Erpsvlanformunit.h"

#include "Oid_erps.h"

TERPSVLANUnitForm* ERPSVLANUnitForm = nullptr;

namespace {
// Variables of ErpsRingTable.
constexpr int kFirstMapVar = 13;
constexpr int kStatusVar = 21;
}  // namespace

TERPSVLANUnitForm::TERPSVLANUnitForm(TComponent* Owner)
    : TVlanMapTableForm(Owner, 681, 696, kFirstMapVar, kStatusVar) {
  Name = "ERPSVLANUnitForm";
  Caption = "ERPS VLAN Table";
  EmptyKeyAfterAdd = false;
  PutFrame(190, 528);

  const int top = 208, left = 8, right = 336, box = 170;
  auto at = [&](int row) { return top + 24 * row; };
  Field key = PutField(left, at(0), box, 64, "chkVID", "VLAN ID", "VIDEdit", false, "%i{n1x4096l4}");
  Field west = PutField(left, at(1), box, 80, "cbxWestPort", "West Port", "WestPortEdit", false, "%i{n0x65535l5}");
  Field westState = PutField(left, at(2), box, 110, "WestportCheckBox", "West Port State", "WestPortPComboBox", true);
  Field east = PutField(left, at(3), box, 80, "CheckBoxEstPort", "East Port", "EstPortEdit", false, "%i{n0x65535l5}");
  Field eastState = PutField(left, at(4), box, 110, "estportCheckBox", "East Port State", "EstPortComboBox", true);
  Field rplPort = PutField(left, at(5), box, 110, "CheckBoxRPLPort", "RPL Port", "RPLPortComboBox", true);
  Field rplOwner = PutField(left, at(6), box, 110, "CheckBoxRPLOwner", "RPL Owner", "ComboBoxRPLOWner", true);
  Field mel = PutField(left, at(7), box, 80, "CheckBoxRingMEL", "Ring MEL", "RingMELEdit", false, "%i{n0x7l1}");
  Field holdoff =
      PutField(left, at(8), box, 80, "CheckBoxholdofftime", "Holdoff Time", "holdofftimeEdit", false, "%i{n0x10000l5}");
  Field guard =
      PutField(left, at(9), box, 80, "CheckBoxguardtime", "Guard Time", "guardTimeEdit", false, "%i{n10x2000l4}");
  Field wtr = PutField(left, at(10), box, 80, "CheckBoxWTRTime", "WTR Time", "WTRtimeEdit", false, "%i{n5x12l5}");
  Field ringState = PutField(left, at(11), box, 110, "CheckBoxRingState", "Ring State", "ComboBoxRingState", true);
  Field ownerState = PutField(left, at(12), box, 110, "cbxRPLOwneroperstate", "RPL Owner Operate State",
                              "OwneroperaComboBox", true);
  PutMapColumns(right, at(0), 110, 200);
  Field row = PutField(right, at(8), 110, 100, "cbxRow", "Row Status", "RowComboBox", true);

  chkVID = key.Include;
  VIDEdit = static_cast<TEdit*>(key.Control);
  cbxWestPort = west.Include;
  WestPortEdit = static_cast<TEdit*>(west.Control);
  WestportCheckBox = westState.Include;
  WestPortPComboBox = static_cast<TComboBox*>(westState.Control);
  CheckBoxEstPort = east.Include;
  EstPortEdit = static_cast<TEdit*>(east.Control);
  estportCheckBox = eastState.Include;
  EstPortComboBox = static_cast<TComboBox*>(eastState.Control);
  CheckBoxRPLPort = rplPort.Include;
  RPLPortComboBox = static_cast<TComboBox*>(rplPort.Control);
  CheckBoxRPLOwner = rplOwner.Include;
  ComboBoxRPLOWner = static_cast<TComboBox*>(rplOwner.Control);
  CheckBoxRingMEL = mel.Include;
  RingMELEdit = static_cast<TEdit*>(mel.Control);
  CheckBoxholdofftime = holdoff.Include;
  holdofftimeEdit = static_cast<TEdit*>(holdoff.Control);
  CheckBoxguardtime = guard.Include;
  guardTimeEdit = static_cast<TEdit*>(guard.Control);
  CheckBoxWTRTime = wtr.Include;
  WTRtimeEdit = static_cast<TEdit*>(wtr.Control);
  CheckBoxRingState = ringState.Include;
  ComboBoxRingState = static_cast<TComboBox*>(ringState.Control);
  cbxRPLOwneroperstate = ownerState.Include;
  OwneroperaComboBox = static_cast<TComboBox*>(ownerState.Control);
  cbxRow = row.Include;
  RowComboBox = static_cast<TComboBox*>(row.Control);

  Fields = {key, west, westState, east, eastState, rplPort, rplOwner, mel, holdoff, guard, wtr, ringState, ownerState};
  for (int k = 0; k < 8; ++k) Fields.push_back({cbxVlanRange[size_t(k)], VLANRangeEdit[size_t(k)], "%s"});
  Fields.push_back(row);
  DoCreate();
}

NvVlanMapRequestEdits* TERPSVLANUnitForm::MakeRequest() {
  return AddRequest<ERPSNewRequestEdits>(ErpsRingTable, MVT_UMV, 1);
}
