#include "Staticfilterformunits.h"

#include "Oid_qbridge.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;
TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

// Items of the status box: other, invalid, permanent.
constexpr int kPermanent = 2;
constexpr int kAskThenInvalid = -1;
constexpr const char* kNoKey = "Please input VLAN ID and MAC Address.";
constexpr const char* kListedKey = "There is already a record with the same VLAN ID and MAC Address.";

const NvMacEntryKind MulticastKind{
    .Name = "MulticastFilterInformationForm", .Caption = "Multicast Filter Information", .Width = 659,
    .Height = 449, .Table = StaticMulticastTable, .KeyedByVlan = true, .HasReceivePort = true,
    .ListName = "LV_dot1qStaticMulticastEntry", .VidName = "ED_MulticastVID", .MacName = "ED_MACAddress",
    .MacLabel = "MAC Address", .StatusName = "Status", .AddName = "AddBtn", .DeleteName = "btnDelete",
    .SetName = "SetBtn", .CloseName = "btnClose", .PageControlName = "PageControl1", .PageCaption = "Egress Ports",
    .CreateItem = kPermanent, .SetCarriesStatus = false, .DeleteItem = kAskThenInvalid, .NoKeyText = kNoKey,
    .AddBusyText = NvDialogText::GetNotComplete, .NoPortText = nullptr, .WarnsDeleteWithoutKeys = false,
    .KeysReadOnlyWhenChosen = false, .ListedKeyText = kListedKey};

const NvMacEntryKind UnicastKind{
    .Name = "UnicastFilterInformationForm", .Caption = "Unicast Filter Information", .Width = 695, .Height = 479,
    .Table = StaticUnicastTable, .KeyedByVlan = true, .HasReceivePort = true,
    .ListName = "LV_dot1qStaticUnicastEntry", .VidName = "ED_UnicastVID", .MacName = "UnicastAddress",
    .MacLabel = "MAC  Address", .StatusName = "UStatus", .AddName = "ADDBtn", .DeleteName = "DeleteBtn",
    .SetName = nullptr, .CloseName = "btnClose", .PageControlName = "PageControl1", .PageCaption = "Allowed Ports",
    .CreateItem = kPermanent, .SetCarriesStatus = false, .DeleteItem = kAskThenInvalid, .NoKeyText = kNoKey,
    .AddBusyText = NvDialogText::GetNotCompleteDot,
    .NoPortText = "Please select a port to config,be sure the VLAN contains the port.",
    .WarnsDeleteWithoutKeys = false, .KeysReadOnlyWhenChosen = true, .ListedKeyText = kListedKey};

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(TComponent* Owner)
    : TMacEntryDialog(Owner, MulticastKind) {
  LV_dot1qStaticMulticastEntry = List;
  ED_MulticastVID = VidEdit;
  ED_MACAddress = MacEdit;
  Status = StatusCombo;
  SetBtn = SetButton;
  AddBtn = AddButton;
  btnDelete = DeleteButton;
  DoCreate();
}

TUnicastFilterInformationForm::TUnicastFilterInformationForm(TComponent* Owner)
    : TMacEntryDialog(Owner, UnicastKind) {
  LV_dot1qStaticUnicastEntry = List;
  ED_UnicastVID = VidEdit;
  UnicastAddress = MacEdit;
  UStatus = StatusCombo;
  ADDBtn = AddButton;
  DeleteBtn = DeleteButton;
  DoCreate();
}
