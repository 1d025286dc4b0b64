#include "Snoopinggroupviewunits.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "Oid_mld.h"
#include "PortPickers.h"

TIGMP_SnoopingGroupTableForm* IGMP_SnoopingGroupTableForm = nullptr;
TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm = nullptr;
TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

enum : int { IgmpVid = 0, IgmpSource = 1, IgmpGroup = 2, IgmpUpTime = 6, IgmpExpiry = 7, IgmpReports = 8 };
enum : int { MldVid = 0, MldGroup = 1, MldSource = 2 };
enum : int { DdVid = 0, DdGroup = 1, DdUpTime = 3, DdExpiry = 4, DdClear = 5 };

const NvSetStep ClearSteps[] = {{{DdClear}}};

const NvGroupViewKind IgmpGroupKind = {
    "IGMP_SnoopingGroupTableForm", "IGMP Snooping Group Table", 754, 461, {}, IgmpSnoopingGroupTable, MVT_FMV, 3,
    // The group table shows the first 32 ports of each bitmap.
    32, {{"Include Ports", 3}, {"Exclude Ports", 4}, {"Router Ports", 5}}, "txt_sample", "btn_stop", "btn_Close",
    false};
const NvGroupViewKind MldGroupKind = {
    "MLD_SnoopingGroupForm", "MLD Snooping Group Information", 679, 454, {}, MldSnoopingGroupTable, MVT_UMV, 3,
    64, {{"Exclude Port", 4}, {"Include Port", 3}}, "txt_sample", "btn_stop", "btn_close", false};
const NvGroupViewKind DataDrivenKind = {
    "IGMPSnoopingDataDrivenLearingGroupForm", "IGMP Snooping Data Driven Learning Group Table", 633, 439,
    {.Position = poDesigned, .Left = 200, .Top = 120}, IgmpDataDrivenGroupTable, MVT_UMV, 2,
    64, {{nullptr, 2}}, "StaticText1", "btn_stop", "btnClose", true};

}  // namespace

TSnoopingGroupView::TSnoopingGroupView(TComponent* Owner, const NvGroupViewKind& kind)
    : TFeatureDialog(Owner, kind.Width, kind.Height, NvScale::ByDpi, kind.Placement), Kind(kind) {
  Name = kind.Name;
  Caption = kind.Caption;
  // The button column beside the list; under the list two lines of fields, then the
  // pickers, full width, so that a row of 12 boxes fits.
  const int right = kind.Width - 16 - 88;
  const int width = right - 16;
  const int pagesHeight = 120;
  const int pagesTop = kind.Height - 39 - 22 - 8 - pagesHeight;
  FieldsTop = pagesTop - 60;

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, width, FieldsTop - 16);
  if (kind.PortSets.front().Caption) {
    PageControl1 = Put<TPageControl>(this, "PageControl1", 8, pagesTop, kind.Width - 32, pagesHeight);
  } else {
    StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, pagesTop, kind.Width - 32, pagesHeight);
    StackingPortPanel->Enabled = false;  // shown, never changed
  }
  LB_Samples = Put<TLabel>(this, "LB_Samples", right, 8, 80, 13, "Samples");
  CountText = Put<TStaticText>(this, kind.CountName, right, 24, 80, 19);
  CountText->AutoSize = false;
  CountText->BorderStyle = sbsSunken;
  CountText->Alignment = taRightJustify;
  int top = 56;
  btnGet = PutButton(this, "btnGet", "Refresh", right, top, 80, 25, &TSnoopingGroupView::btnGetClick);
  if (kind.HasSet) btnSet = PutButton(this, "btnSet", "Set", right, top += 32, 80, 25, &TSnoopingGroupView::btnSetClick);
  btnStop = PutButton(this, kind.StopName, "Stop", right, top += 32, 80, 25, &TSnoopingGroupView::btn_stopClick);
  btnClose = PutButton(this, kind.CloseName, "Close", right, top += 32, 80, 25, &TSnoopingGroupView::btnCloseClick);
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TSnoopingGroupView::ListView1Change);
  OnCreate = Handler(this, &TSnoopingGroupView::FormCreate);
  OnClose = Handler(this, &TSnoopingGroupView::FormClose);

  List = ListView1;
  CountBox = CountText;
  if (btnSet) RowButtons = {btnSet};
  for (auto& picker : PortPickers) Pickers.push_back(&picker);
}

void TSnoopingGroupView::FormCreate(TObject*) {
  const std::string positions = MakePortIndexList(Kind.Positions);
  for (size_t k = 0; k < Kind.PortSets.size(); ++k)
    PortPickers[k] = PageControl1 ? CreatePortPickerPage(this, Kind.PortSets[k].Caption, PageControl1, Kind.Positions)
                                  : CreatePortPicker(this, StackingPortPanel, 12, Kind.Positions);
  if (PageControl1) PageControl1->ActivePageIndex = 0;
  Guarded(
      [&] {
        Table = AddRequest(Kind.Table, Kind.ListKind, Kind.IndexCount);
        Table->BindListView(ListView1, true);
        BindFields();
        for (size_t k = 0; k < Kind.PortSets.size(); ++k)
          Table->BindControlList(Kind.PortSets[k].Var, positions, PortPickers[k]->CheckBoxes);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  DisablePickers();
  ShowRowCount();
  if (btnSet) btnSet->Enabled = false;
}

void TSnoopingGroupView::DisablePickers() {
  for (TStackingPortUitForm* picker : PortPickers)
    if (picker) picker->DisableAll();
}

void TSnoopingGroupView::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  for (TStaticText* text : DetailTexts) text->Caption = "";
  if (btnSet) btnSet->Enabled = false;
  ShowRowCount();
}

void TSnoopingGroupView::btnGetClick(TObject*) { RefreshAll(NvDialogText::GetNotCompleteBang); }

// The clear action chosen for the chosen group, then the table read again once the switch has
// answered.
void TSnoopingGroupView::btnSetClick(TObject*) {
  if (!WriteAllowed(NvDialogText::GetNotCompleteBang)) return;
  if (!ListView1->Selected()) return;
  WriteThenReread(ClearSteps);
}

void TSnoopingGroupView::btn_stopClick(TObject*) { StopWalk(); }

void TSnoopingGroupView::btnCloseClick(TObject*) { Close(); }

void TSnoopingGroupView::ApplyEnablingRules() {
  if (btnSet && ListView1->Selected()) btnSet->Enabled = true;
  DisablePickers();
}

void TSnoopingGroupView::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TSnoopingGroupView::FormClose(TObject*, TCloseAction&) { CloseRequests(); }

// ---------------------------------------------------------------------------------------

TIGMP_SnoopingGroupTableForm::TIGMP_SnoopingGroupTableForm(TComponent* Owner)
    : TSnoopingGroupView(Owner, IgmpGroupKind) {
  const int second = FieldsTop + 28;
  stVlanID = PutField<TStaticText>("stVlanID", "VID", 8, FieldsTop, 60);
  stSourceAddress = PutField<TStaticText>("stSourceAddress", "Source Address", 140, FieldsTop, 120);
  stGroupAddress = PutField<TStaticText>("stGroupAddress", "Group Address", 380, FieldsTop, 120);
  InputUpTime = PutField<TStaticText>("InputUpTime", "Up Time", 8, second, 90);
  InputExpiryTime = PutField<TStaticText>("InputExpiryTime", "Expiry Time", 180, second, 90);
  txtReportCount = PutField<TStaticText>("txtReportCount", "Report Count", 380, second, 90);
  DetailTexts = {stVlanID, stSourceAddress, stGroupAddress, InputUpTime, InputExpiryTime, txtReportCount};
  for (TStaticText* text : DetailTexts) {
    text->AutoSize = false;
    text->BorderStyle = sbsSunken;
  }
  DoCreate();
}

void TIGMP_SnoopingGroupTableForm::BindFields() {
  Table->BindStaticText(IgmpVid, stVlanID);
  Table->BindStaticText(IgmpSource, stSourceAddress);
  Table->BindStaticText(IgmpGroup, stGroupAddress);
  Table->BindStaticText(IgmpUpTime, InputUpTime);
  Table->BindStaticText(IgmpExpiry, InputExpiryTime);
  Table->BindStaticText(IgmpReports, txtReportCount);
}

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(TComponent* Owner) : TSnoopingGroupView(Owner, MldGroupKind) {
  const int second = FieldsTop + 28;
  VIDEdit = PutField<TEdit>("VIDEdit", "VLAN ID", 8, FieldsTop, 60);
  edtMAC = PutField<TEdit>("edtMAC", "Source Address", 150, FieldsTop, 230);
  edtIPAddress = PutField<TEdit>("edtIPAddress", "Group Address", 8, second, 230);
  DetailEdits = {VIDEdit, edtIPAddress, edtMAC};
  DoCreate();
}

void TMLD_SnoopingGroupForm::BindFields() {
  Table->BindEdits(MldVid, "%i", VIDEdit);
  Table->BindEdits(MldGroup, "%s{l32}", edtIPAddress);
  Table->BindEdits(MldSource, "%s", edtMAC);
}

TIGMPSnoopingDataDrivenLearingGroupForm::TIGMPSnoopingDataDrivenLearingGroupForm(TComponent* Owner)
    : TSnoopingGroupView(Owner, DataDrivenKind) {
  const int second = FieldsTop + 28;
  stVID = PutField<TStaticText>("stVID", "VLAN ID", 8, FieldsTop, 60);
  stVID->AutoSize = false;
  stVID->BorderStyle = sbsSunken;
  edtIPAddress = PutField<TEdit>("edtIPAddress", "Group IP Address", 150, FieldsTop, 110);
  CBoxClear = PutField<TComboBox>("CBoxClear", "Clear Group", 360, FieldsTop, 90);
  edtUptime = PutField<TEdit>("edtUptime", "Up Time", 8, second, 80);
  edtExpiryTime = PutField<TEdit>("edtExpiryTime", "Expiry Time", 150, second, 80);
  for (TEdit* edit : {edtIPAddress, edtUptime, edtExpiryTime}) {
    edit->Enabled = false;
    edit->ReadOnly = true;
  }
  DetailTexts = {stVID};
  DetailEdits = {edtIPAddress, edtUptime, edtExpiryTime};
  DoCreate();
}

void TIGMPSnoopingDataDrivenLearingGroupForm::BindFields() {
  Table->BindStaticText(DdVid, stVID);
  Table->BindEdits(DdGroup, "%s{I}", edtIPAddress);
  Table->BindEdits(DdUpTime, "%i", edtUptime);
  Table->BindEdits(DdExpiry, "%i", edtExpiryTime);
  Table->BindControl(DdClear, CBoxClear);
}
