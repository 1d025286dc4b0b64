#include "Ismvlanformunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "PortPickers.h"

TISMVLANForm* ISMVLANForm = nullptr;

namespace {

enum : int {
  VarVlan = 0, VarName = 1, VarSource = 2, VarMember = 3, VarTagMember = 4, VarState = 5, VarSourceIP = 6,
  VarStatus = 7, VarUntagSource = 8, VarRemap = 9, VarReplace = 10
};
enum : int { ItemCreateAndGo = 3, ItemDestroy = 5, ItemReplaceDisabled = 1 };

}  // namespace

TISMVLANForm::TISMVLANForm(TComponent* Owner) : TFeatureDialog(Owner, 663, 549, NvScale::ByDpi) {
  Name = "ISMVLANForm";
  Caption = "IGMP Snooping Multicast VLAN";

  lvISMVLAN = Put<TListView>(this, "lvISMVLAN", 8, 8, 540, 170);
  auto label = [&](const char* name, const char* text, int left, int top) {
    return Put<TLabel>(this, name, left, top + 3, 0, 13, text);
  };
  // Two columns of fields under the list.
  label("LB_VLANID", "VLAN ID", 8, 188);
  ED_VLANID = Put<TEdit>(this, "ED_VLANID", 130, 188, 120, 21);
  label("LB_VLANName", "VLAN Name", 280, 188);
  ED_VLANName = Put<TEdit>(this, "ED_VLANName", 410, 188, 138, 21);
  label("LB_VLANState", "VLAN State", 8, 216);
  cbxVLANState = Put<TComboBox>(this, "cbxVLANState", 130, 216, 120, 21);
  label("LB_SourceIP", "Replace Source IP", 280, 216);
  edtSourceIP = Put<TEdit>(this, "edtSourceIP", 410, 216, 138, 21);
  label("LB_ReplacePriority", "Replace Priority", 8, 244);
  ComboBox_ReplacePriority = Put<TComboBox>(this, "ComboBox_ReplacePriority", 130, 244, 120, 21);
  label("LB_RemapPriority", "Remap Priority", 280, 244);
  Edit_RemapPriority = Put<TEdit>(this, "Edit_RemapPriority", 410, 244, 138, 21);
  label("LB_Status", "Status", 8, 272)->Visible = false;
  cbxStatus = Put<TComboBox>(this, "cbxStatus", 130, 272, 120, 21);
  cbxStatus->Visible = false;
  label("LB_Action", "Remove All Multicast Address List Action", 280, 272)->Visible = false;
  cbxAction = Put<TComboBox>(this, "cbxAction", 410, 272, 138, 21);
  cbxAction->Visible = false;
  PageControl1 = Put<TPageControl>(this, "PageControl1", 8, 276, 540, 200);

  LB_Samples = Put<TLabel>(this, "LB_Samples", 560, 8, 80, 13, "Samples");
  ST_Count2 = Put<TStaticText>(this, "ST_Count2", 560, 24, 80, 19);
  ST_Count2->AutoSize = false;
  ST_Count2->BorderStyle = sbsSunken;
  ST_Count2->Alignment = taRightJustify;
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 560, 56, 80, 25, &TISMVLANForm::RefreshBtnClick);
  SetBtn = PutButton(this, "SetBtn", "Set", 560, 88, 80, 25, &TISMVLANForm::SetBtnClick);
  AddBtn = PutButton(this, "AddBtn", "Add", 560, 120, 80, 25, &TISMVLANForm::AddBtnClick);
  DeleteBtn = PutButton(this, "DeleteBtn", "Delete", 560, 152, 80, 25, &TISMVLANForm::DeleteBtnClick);
  btnStop = PutButton(this, "btnStop", "Stop", 560, 184, 80, 25, &TISMVLANForm::btnStopClick);
  btnClose = PutButton(this, "btnClose", "Close", 560, 216, 80, 25, &TISMVLANForm::btnCloseClick);
  PutStatusBar();

  lvISMVLAN->OnChange = Handler(this, &TISMVLANForm::lvISMVLANChange);
  OnCreate = Handler(this, &TISMVLANForm::FormCreate);
  OnCloseQuery = Handler(this, &TISMVLANForm::FormCloseQuery);
  OnClose = Handler(this, &TISMVLANForm::FormClose);

  List = lvISMVLAN;
  CountBox = ST_Count2;
  RowButtons = {SetBtn, DeleteBtn};
  AddButtons = {AddBtn};
  // The chosen VLAN is the one written: its number cannot be typed over meanwhile.
  LockedKeys = {ED_VLANID};
  DetailEdits = {ED_VLANID, ED_VLANName, edtSourceIP, Edit_RemapPriority};
  DetailCombos = {cbxVLANState, cbxAction, ComboBox_ReplacePriority};
  Pickers = {&SourcePicker, &MemberPicker, &TagMemberPicker, &UntagSourcePicker};
  DoCreate();
}

void TISMVLANForm::FormCreate(TObject*) {
  const std::string positions = MakePortIndexList();
  SourcePicker = CreatePortPickerPage(this, "Source Ports", PageControl1);
  MemberPicker = CreatePortPickerPage(this, "Member Ports", PageControl1);
  TagMemberPicker = CreatePortPickerPage(this, "Tag Member Port", PageControl1);
  UntagSourcePicker = CreatePortPickerPage(this, "Untag Source Port", PageControl1);
  PageControl1->ActivePageIndex = 0;
  Guarded(
      [&] {
        Table = AddRequest(IsmVlanTable, MVT_UMV, 1);
        // Without select-to-edit: the chosen row leaves the VLAN number locked.
        Table->BindListView(lvISMVLAN, false);
        // A VLAN number, so that a typed "-5" is refused rather than sent as row 4294967291.
        Table->BindEdits(VarVlan, "%i{n1x4094l4}", ED_VLANID);
        Table->BindEdits(VarName, "%s", ED_VLANName);
        Table->BindControlList(VarSource, positions, SourcePicker->CheckBoxes);
        Table->BindControlList(VarMember, positions, MemberPicker->CheckBoxes);
        Table->BindControlList(VarTagMember, positions, TagMemberPicker->CheckBoxes);
        Table->BindControl(VarState, cbxVLANState);
        Table->BindEdits(VarSourceIP, "%s{l16}", edtSourceIP);
        Table->BindControl(VarStatus, cbxStatus);
        Table->BindControlList(VarUntagSource, positions, UntagSourcePicker->CheckBoxes);
        Table->BindEdits(VarRemap, "%i{n-1x7l2}", Edit_RemapPriority);
        Table->BindControl(VarReplace, ComboBox_ReplacePriority);
        TrackWalks(Table);
        StartWalk(Table);
        ShowRowCount();
      },
      [&] { DataComplete = 1; });
  ShowRowFields(false);
  cbxStatus->ItemIndex = ItemCreateAndGo;
  IdleButtons();
}

void TISMVLANForm::ShowRowFields(bool chosen) {
  for (TWinControl* field : {static_cast<TWinControl*>(cbxAction), static_cast<TWinControl*>(edtSourceIP),
                             static_cast<TWinControl*>(cbxVLANState)}) {
    field->Color = chosen ? clWindow : clScrollBar;
    field->Enabled = chosen;
  }
  if (!chosen) {
    edtSourceIP->Text = "";
    cbxVLANState->ItemIndex = -1;
  }
  for (TStackingPortUitForm* picker : {SourcePicker, MemberPicker, TagMemberPicker, UntagSourcePicker})
    if (picker) picker->Enabled = chosen;
}

void TISMVLANForm::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  ShowRowCount();
}

// A walk under way: nothing; a stopped one: the new walk follows its last reply.
void TISMVLANForm::RefreshBtnClick(TObject*) {
  if (RefreshAll()) ShowRowFields(false);
}

bool TISMVLANForm::AddOptionalValues(NvSetStep& step) {
  if (!edtSourceIP->Text().empty()) {
    if (!IsValidIPString(edtSourceIP->Text, NvIpCheckShort)) return Refocus(edtSourceIP);
    step.Carries.push_back(VarSourceIP);
  }
  if (!cbxVLANState->Text().empty()) step.Carries.push_back(VarState);
  if (!Edit_RemapPriority->Text().empty()) step.Carries.push_back(VarRemap);
  return true;
}

void TISMVLANForm::AfterWrite(const NvSetStep* step) {
  if (step)
    WriteThenReread({step, 1});
  else  // a refused entry: the table is read again and the fields emptied all the same
    Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
  ClearDetailControls();
  IdleButtons();
  ShowRowFields(false);
}

void TISMVLANForm::AddBtnClick(TObject*) {
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (ComboBox_ReplacePriority->ItemIndex < 0) ComboBox_ReplacePriority->ItemIndex = ItemReplaceDisabled;
  cbxStatus->ItemIndex = ItemCreateAndGo;
  // A new VLAN starts without ports: they are written by Set once it is listed.
  NvSetStep step{{VarName, VarStatus, VarReplace}};
  bool valid = true;
  if (ED_VLANID->Text().empty())
    valid = Refuse("Please specify VLAN ID");
  else if (!TypedValuesAccepted(Table, {ED_VLANID}))
    valid = false;
  else if (ED_VLANName->Text().empty())
    valid = Refuse("Please specify VLAN Name");
  else
    valid = AddOptionalValues(step);
  AfterWrite(valid ? &step : nullptr);
}

void TISMVLANForm::SetBtnClick(TObject*) {
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (!lvISMVLAN->Selected()) return;
  NvSetStep step{{VarName, VarSource, VarMember, VarTagMember, VarStatus, VarUntagSource, VarReplace}};
  const bool valid = AddOptionalValues(step);
  AfterWrite(valid ? &step : nullptr);
}

void TISMVLANForm::DeleteBtnClick(TObject*) {
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (!SelectedRowToControls()) return;
  cbxStatus->ItemIndex = ItemDestroy;
  const NvSetStep step{{VarStatus}};
  AfterWrite(&step);
}

void TISMVLANForm::btnStopClick(TObject*) { StopWalk(); }

void TISMVLANForm::btnCloseClick(TObject*) { Close(); }

void TISMVLANForm::lvISMVLANChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TISMVLANForm::ApplyEnablingRules() { ShowRowFields(lvISMVLAN->Selected() != nullptr); }

void TISMVLANForm::FormCloseQuery(TObject*, bool& CanClose) { CanClose = MayClose(); }

void TISMVLANForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
