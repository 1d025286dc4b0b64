#include "Ipv6staticrouteunit.h"

#include "Dialogs.h"
#include "Ipv6staticrouteeditunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"
#include "ValueBoxes.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

namespace {
enum : int { VarDestination = 0, VarPrefix = 1, VarInterface = 2, VarNextHop = 3, VarProtocol = 5, VarStatus = 6 };
constexpr int kDestroy = 5;
}  // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(TComponent* Owner)
    : TFeatureDialog(Owner, 990, 330, NvScale::ByDpi, NvPlacement{.Position = poDesigned, .Left = 20, .Top = 120}) {
  Name = "Ipv6StaticRouteForm";
  Caption = "Ipv6 Static Route";
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 870, 262);
  StaticText1 = PutSamplesBox(*this, 888, 8);
  btnGet = PutButton(this, "btnGet", "Refresh", 888, 56, 80, 25, &TIpv6StaticRouteForm::btnGetClick);
  btnAdd = PutButton(this, "btnAdd", "Add", 888, 88, 80, 25, &TIpv6StaticRouteForm::btnAddClick);
  btnAdd->Visible = false;
  btnAddDefault = PutButton(this, "btnAddDefault", "Add Default", 888, 88, 80, 25,
                            &TIpv6StaticRouteForm::btnAddDefaultClick);
  btnDelete = PutButton(this, "btnDelete", "Delete", 888, 120, 80, 25, &TIpv6StaticRouteForm::btnDeleteClick);
  btnClose = PutButton(this, "btnClose", "Close", 888, 152, 80, 25, &TIpv6StaticRouteForm::btnCloseClick);
  PutStatusBar();
  ListView1->OnChange = Handler(this, &TIpv6StaticRouteForm::ListView1Change);
  ListView1->OnDataStateChange = Handler(this, &TIpv6StaticRouteForm::ListView1DataStateChange);
  OnCreate = Handler(this, &TIpv6StaticRouteForm::FormCreate);
  OnClose = Handler(this, &TIpv6StaticRouteForm::FormClose);
  List = ListView1;
  CountBox = StaticText1;
  DoCreate();
}

void TIpv6StaticRouteForm::FormCreate(TObject*) {
  Popup = new TIpv6StaticRouteEditForm(this, this);
  Ipv6StaticRouteEditForm = Popup;
  FreeWithDialog(Popup);
  Guarded(
      [&] {
        Table = AddRequest(Ipv6StaticRouteTable, MVT_UMV, 4);
        Table->BindListView(ListView1, true);
        Table->BindEdits(VarDestination, "%s{l32}", Popup->edtDst);
        Table->BindEdits(VarPrefix, "%i{n0x128l3}", Popup->edtPrefix);
        Table->BindEdits(VarInterface, "%s{l12}", Popup->edtInterface);
        Table->BindEdits(VarNextHop, "%s{l32}", Popup->edtNextHop);
        Table->BindEdits(kVarMetric, "%i{n1x65535l5}", Popup->edtMetric);
        Table->BindEdits(VarProtocol, "%s", Popup->edtProtocol);
        Table->BindControl(VarStatus, Popup->cbxStatus);
        Table->Asynchronous = 0;
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  btnDelete->Enabled = false;
  ShowRowCount();
  ListView1DataStateChange(ListView1);
}

void TIpv6StaticRouteForm::btnGetClick(TObject*) {
  if (!Table || Table->Busy) return;
  Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
  btnDelete->Enabled = false;
}

void TIpv6StaticRouteForm::OpenPopup(int mode, const std::string& caption) {
  Popup->RouteEditMode = mode;
  Popup->ShowForAdd(caption + TitleSuffix);
}

void TIpv6StaticRouteForm::btnAddClick(TObject*) { OpenPopup(1, "IPv6 Static Route(Add): "); }

void TIpv6StaticRouteForm::btnAddDefaultClick(TObject*) { OpenPopup(2, "IPv6 Static Route(Add default): "); }

void TIpv6StaticRouteForm::btnDeleteClick(TObject*) {
  if (!ListView1->Selected()) {
    ShowMessage("Choose the item first.");
    return;
  }
  if (!Table || Table->Busy) {
    ShowMessage(NvDialogText::GetNotComplete);
    return;
  }
  // The key of the selected route, whatever the pop-up's edits were left holding.
  SelectedRowToControls();
  bool sent = false;
  {
    NvVarFlagsScope flags(Table->Request.Vars);
    flags.ExcludeVar(kVarMetric);
    Popup->cbxStatus->ItemIndex = kDestroy;
    sent = Guarded([&] { Table->Set(false, true); });
  }
  // The rows of the walk let a close through: the table and the dialog may be gone after it.
  const auto open = StillOpen();
  if (sent) Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
  if (!open()) return;
  btnDelete->Enabled = false;
  ShowRowCount();
}

void TIpv6StaticRouteForm::btnCloseClick(TObject*) { Close(); }

void TIpv6StaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TIpv6StaticRouteForm::ApplyEnablingRules() { btnDelete->Enabled = ListView1->Selected() != nullptr; }

// The default route goes only into an empty table.
void TIpv6StaticRouteForm::ListView1DataStateChange(TObject*) {
  ShowRowCount();
  btnAddDefault->Enabled = StaticText1->Caption() == "0";
}

void TIpv6StaticRouteForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  Ipv6StaticRouteEditForm = nullptr;
}
