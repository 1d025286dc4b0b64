#include "Nlbfdbformunits.h"

#include "Oid_erps.h"

TNLBMulticastFDBForm* NLBMulticastFDBForm = nullptr;
TNLBUnicastFDBForm* NLBUnicastFDBForm = nullptr;

namespace {

// Items of UStatus (the short row-status list): active, createAndGo, destroy.
constexpr int kCreateAndGo = 1;
constexpr int kDestroy = 2;

const NvMacEntryKind MulticastKind{
    .Name = "NLBMulticastFDBForm", .Caption = "NLB Multicast FDB Settings", .Width = 660, .Height = 432,
    .Table = NlbMulticastFdbTable, .KeyedByVlan = true, .HasReceivePort = false,
    .ListName = "LV_NLBMulticastFDBEntry", .VidName = "ED_UnicastVID", .MacName = "UnicastAddress",
    .MacLabel = "MAC  Address", .StatusName = "UStatus", .AddName = "AddBtn", .DeleteName = "DeleteBtn",
    .SetName = "SetBtn", .CloseName = "CloseButton", .PageControlName = "pgc1", .PageCaption = "Egress Ports",
    .CreateItem = kCreateAndGo, .SetCarriesStatus = true, .DeleteItem = kDestroy,
    .NoKeyText = "Please input VLAN ID and MAC Address.", .AddBusyText = "Get data not complete.",
    .NoPortText = nullptr, .WarnsDeleteWithoutKeys = true, .KeysReadOnlyWhenChosen = false,
    .ListedKeyText = "There is already a record with the same VLAN ID and MAC Address."};

const NvMacEntryKind UnicastKind{
    .Name = "NLBUnicastFDBForm", .Caption = "NLB Unicast FDB Settings", .Width = 669, .Height = 465,
    .Table = NlbUnicastFdbTable, .KeyedByVlan = false, .HasReceivePort = false,
    .ListName = "LV_dot1qStaticUnicastEntry", .VidName = "ED_UnicastVID", .MacName = "UnicastAddress",
    .MacLabel = "MAC  Address", .StatusName = "UStatus", .AddName = "AddBtn", .DeleteName = "DeleteBtn",
    .SetName = "SetBtn", .CloseName = "CloseButton", .PageControlName = "pgc1", .PageCaption = "Egress Ports",
    .CreateItem = kCreateAndGo, .SetCarriesStatus = true, .DeleteItem = kDestroy,
    .NoKeyText = "Please Input MAC Address!", .AddBusyText = NvDialogText::GetNotComplete,
    .NoPortText = nullptr, .WarnsDeleteWithoutKeys = false, .KeysReadOnlyWhenChosen = false};

}  // namespace

TNLBMulticastFDBForm::TNLBMulticastFDBForm(TComponent* Owner) : TMacEntryDialog(Owner, MulticastKind) {
  LV_NLBMulticastFDBEntry = List;
  ED_UnicastVID = VidEdit;
  UnicastAddress = MacEdit;
  UStatus = StatusCombo;
  SetBtn = SetButton;
  AddBtn = AddButton;
  DeleteBtn = DeleteButton;
  DoCreate();
}

TNLBUnicastFDBForm::TNLBUnicastFDBForm(TComponent* Owner) : TMacEntryDialog(Owner, UnicastKind) {
  LV_dot1qStaticUnicastEntry = List;
  UnicastAddress = MacEdit;
  UStatus = StatusCombo;
  SetBtn = SetButton;
  AddBtn = AddButton;
  DeleteBtn = DeleteButton;
  // Its stored place on the screen, not centred.
  Position = poDesigned;
  Left = 258;
  Top = 313;
  DoCreate();
}
