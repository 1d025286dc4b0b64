#include "Mstpportinstanceunit.h"

#include <string>

#include "DialogNumbers.h"
#include "Oid_mstp.h"

TMSTPVLANUnitForm* MSTPVLANUnitForm = nullptr;

namespace {

// Variables of MstpInstanceTable.
constexpr int kFirstMapVar = 1;
constexpr int kStatusVar = 23;
constexpr int kPriorityStep = 4096;

struct ReadOnlyColumn {
  const char* label;
  const char* format;
};
const ReadOnlyColumn kReadOnly[11] = {
    {"Designated Root Bridge", "%s"}, {"External Root Cost", "%i"},   {"Regional Root Bridge", "%s"},
    {"Internal Root Cost", "%i"},     {"Designated Bridge", "%s"},    {"Root Port", "%i"},
    {"Max Age", "%i"},                {"Forward Delay", "%i"},        {"Last Topology Change", "%s"},
    {"Topology Changes Count", "%i"}, {"Remain Hops", "%i"},
};

}  // namespace

TMSTPVLANUnitForm::TMSTPVLANUnitForm(TComponent* Owner)
    : TVlanMapTableForm(Owner, 683, 623, kFirstMapVar, kStatusVar) {
  Name = "MSTPVLANUnitForm";
  Caption = "MSTP VLAN Table";
  PutFrame(190, 528);

  const int top = 208, left = 8, right = 336;
  Field key = PutField(left, top, 110, 64, "chkVID", "VLAN ID", "VIDEdit", false, "%i{n1x4096l4}");
  chkVID = key.Include;
  VIDEdit = static_cast<TEdit*>(key.Control);
  PutMapColumns(left, top + 24, 110, 196);
  Field type = PutField(left, top + 24 * 9, 110, 100, "cbxType", "Type", "TypeComboBox", true);
  Field state = PutField(left, top + 24 * 10, 110, 100, "cbxState", "State", "StateComboBox", true);
  Field priority =
      PutField(left, top + 24 * 11, 110, 100, "CheckBoxPriority", "Priority", "PriorityEdit", false, "%i{n0x61440l5}");
  Field row = PutField(left, top + 24 * 12, 110, 100, "cbxRow", "Row Status", "RowComboBox", true);
  cbxType = type.Include;
  TypeComboBox = static_cast<TComboBox*>(type.Control);
  cbxState = state.Include;
  StateComboBox = static_cast<TComboBox*>(state.Control);
  CheckBoxPriority = priority.Include;
  PriorityEdit = static_cast<TEdit*>(priority.Control);
  cbxRow = row.Include;
  RowComboBox = static_cast<TComboBox*>(row.Control);

  Fields = {key};
  for (int k = 0; k < 8; ++k) Fields.push_back({cbxVlanRange[size_t(k)], VLANRangeEdit[size_t(k)], "%s"});
  Fields.insert(Fields.end(), {type, state, priority});
  for (int k = 0; k < 11; ++k) {
    const std::string box = "CheckBox" + std::to_string(k + 1), edit = "Edit" + std::to_string(k + 1);
    Field field = PutField(right, top + 24 * k, 170, 150, box.c_str(), kReadOnly[k].label, edit.c_str(), false,
                           kReadOnly[k].format);
    CheckBox[size_t(k)] = field.Include;
    Edit[size_t(k)] = static_cast<TEdit*>(field.Control);
    Fields.push_back(field);
  }
  Fields.push_back(row);
  DoCreate();
}

NvVlanMapRequestEdits* TMSTPVLANUnitForm::MakeRequest() {
  return AddRequest<MSTPNewRequestEdits>(MstpInstanceTable, MVT_UMV, 1);
}

// The bridge priority goes in steps of 4096; below the first step it is the default 32768.
bool TMSTPVLANUnitForm::PrepareEdit() {
  if (!CheckBoxPriority->Checked || !CheckBoxPriority->Enabled) return true;
  const int priority = TextToInt(PriorityEdit->Text);
  if (priority > 0 && priority < kPriorityStep)
    PriorityEdit->Text = "32768";
  else if (priority % kPriorityStep != 0)
    PriorityEdit->Text = std::to_string(priority - priority % kPriorityStep);
  return true;
}
