#include "Igmpmulticastvlangroupunit.h"

#include "Igmpmulticastvlangroupaddunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"

TIGMPMulticastVlanForm* IGMPMulticastVlanForm = nullptr;

using Popup_ = TIGMPMulticastVLANGroupAddForm;

TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(TComponent* Owner)
    : TFeatureDialog(Owner, 511, 250, NvScale::ByDpi, NvPlacement{.Position = poDesigned, .Left = 220, .Top = 160}) {
  Name = "IGMPMulticastVlanForm";
  Caption = "IGMP Multicast VLAN Group";

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 384, 180);
  btnGet = PutButton(this, "btnGet", "Refresh", 404, 8, 80, 25, &TIGMPMulticastVlanForm::btnGetClick);
  btnAdd = PutButton(this, "btnAdd", "Add", 404, 40, 80, 25, &TIGMPMulticastVlanForm::btnAddClick);
  btnDelete = PutButton(this, "btnDelete", "Delete", 404, 72, 80, 25, &TIGMPMulticastVlanForm::btnDeleteClick);
  btnClose = PutButton(this, "btnClose", "Close", 404, 104, 80, 25, &TIGMPMulticastVlanForm::btnCloseClick);
  PutStatusBar();

  OnCreate = Handler(this, &TIGMPMulticastVlanForm::FormCreate);
  OnClose = Handler(this, &TIGMPMulticastVlanForm::FormClose);

  List = ListView1;
  RowButtons = {btnDelete};
  DoCreate();
}

void TIGMPMulticastVlanForm::FormCreate(TObject*) {
  btnDelete->Enabled = false;
  Guarded(
      [&] {
        Popup = new Popup_(this, this);
        IGMPMulticastVLANGroupAddForm = Popup;
        FreeWithDialog(Popup);
        Table = AddRequest(IgmpMulticastVlanGroupTable, MVT_FMV, 3);
        Table->BindListView(ListView1, true);
        Table->BindEdits(Popup_::VarVlan, "%i{n2x4094l4}", Popup->edtVID);
        Table->BindEdits(Popup_::VarFrom, "%s", Popup->edtFormIP);
        Table->BindEdits(Popup_::VarTo, "%s", Popup->edtToIP);
        Table->BindControl(Popup_::VarStatus, Popup->cbxState);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
}

void TIGMPMulticastVlanForm::btnGetClick(TObject*) { RefreshAll(); }

// A running walk is stopped first: its end would disable the pop-up's fields while they are
// typed into. The add write makes the request active again before sending and reads the list
// again; a pop-up closed without adding leaves a walk cut short, which is read again here.
void TIGMPMulticastVlanForm::btnAddClick(TObject*) {
  if (!Popup || !Table) return;
  const bool walkCut = Table->Reading();
  const auto open = StillOpen();
  if (walkCut) Table->StopAndWait();
  if (!open()) return;  // closed while the walk's last reply was waited for
  Popup->PrepareForAdd();
  const int result = Popup->ShowForAdd("IGMP Multicast VLAN Group (Add): " + TitleSuffix);
  if (walkCut && result != mrOk && open()) RefreshAll();
}

// Without a question; the chosen range is addressed, never what the pop-up last held.
void TIGMPMulticastVlanForm::btnDeleteClick(TObject*) {
  if (!Popup || !SelectedRowToControls()) return;
  Popup->cbxState->ItemIndex = Popup_::kDestroy;
  const auto open = StillOpen();
  Popup->WriteAndWait(Table);
  if (!open()) return;
  btnDelete->Enabled = false;
}

void TIGMPMulticastVlanForm::btnCloseClick(TObject*) { Close(); }

void TIGMPMulticastVlanForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  IGMPMulticastVLANGroupAddForm = nullptr;
}
