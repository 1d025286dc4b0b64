#include "Timerangeformunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_timerange.h"
#include "ValueBoxes.h"

TTimeRangeForm* TimeRangeForm = nullptr;

namespace {
enum : int { VarName = 0, VarWeekDays = 1, VarStart = 2, VarEnd = 3, VarRowStatus = 4 };
// Items of cbxStatus: active, createAndGo, destroy.
constexpr int kCreateAndGo = 1;
constexpr int kDestroy = 2;
// Every column of the row travels, the status with them.
const NvSetStep RowSteps[] = {{{VarWeekDays, VarStart, VarEnd, VarRowStatus}}};

constexpr const char* kDayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr const char* kDayTexts[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char* kNotATime = "Please input hh:mm:ss, from 00:00:00 to 23:59:59, as the daily ";
}  // namespace

TTimeRangeForm::TTimeRangeForm(TComponent* Owner) : TFeatureDialog(Owner, 486, 441, NvScale::ByDpi) {
  Name = "TimeRangeForm";
  Caption = "Time Range";
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 368, 176);
  StaticText1 = PutSamplesBox(*this, 388, 8);
  StaticText1->Width = 80;
  btnGet = PutButton(this, "btnGet", "Refresh", 388, 56, 80, 25, &TTimeRangeForm::btnGetClick);
  btnAdd = PutButton(this, "btnAdd", "Add", 388, 88, 80, 25, &TTimeRangeForm::btnAddClick);
  btnSet = PutButton(this, "btnSet", "Edit", 388, 120, 80, 25, &TTimeRangeForm::btnSetClick);
  btnStop = PutButton(this, "btnStop", "Stop", 388, 152, 80, 25, &TTimeRangeForm::btnStopClick);
  btnDelete = PutButton(this, "btnDelete", "Delete", 388, 184, 80, 25, &TTimeRangeForm::btnDeleteClick);
  btnClose = PutButton(this, "btnClose", "Close", 388, 216, 80, 25, &TTimeRangeForm::btnCloseClick);

  lblName = Put<TLabel>(this, "lblName", 8, 199, 40, 13, "Name");
  edtName = Put<TEdit>(this, "edtName", 60, 196, 160, 21);

  gbWeekdays = Put<TPanel>(this, "gbWeekdays", 8, 226, 368, 76);
  gbWeekdays->BevelOuter = bvLowered;
  lblWeekdays = Put<TLabel>(gbWeekdays, "lblWeekdays", 8, 4, 80, 13, "Weekdays");
  for (int d = 0; d < 7; ++d) {
    const std::string name = "CheckBox" + std::to_string(d + 1);
    DayBoxes[size_t(d)] = Put<TCheckBox>(gbWeekdays, name.c_str(), 8 + (d % 4) * 90, 24 + (d / 4) * 24, 88, 17,
                                         kDayNames[d]);
  }
  CheckBox8 = Put<TCheckBox>(gbWeekdays, "CheckBox8", 278, 48, 80, 17, "None");
  CheckBox8->Visible = false;

  gbDaily = Put<TPanel>(this, "gbDaily", 8, 308, 368, 74);
  gbDaily->BevelOuter = bvLowered;
  lblDaily = Put<TLabel>(gbDaily, "lblDaily", 8, 4, 80, 13, "Daily");
  lblStart = Put<TLabel>(gbDaily, "lblStart", 8, 25, 70, 13, "Start Time");
  edtStart = Put<TEdit>(gbDaily, "edtStart", 84, 22, 100, 21);
  lblStartHint = Put<TLabel>(gbDaily, "lblStartHint", 192, 25, 120, 13, "(Time hh:mm:ss )");
  lblEnd = Put<TLabel>(gbDaily, "lblEnd", 8, 50, 70, 13, "End Time");
  edtEnd = Put<TEdit>(gbDaily, "edtEnd", 84, 47, 100, 21);
  lblEndHint = Put<TLabel>(gbDaily, "lblEndHint", 192, 50, 120, 13, "(Time hh:mm:ss )");

  edtweekdays = Put<TEdit>(this, "edtweekdays", 230, 196, 60, 21);
  edtweekdays->Visible = false;
  cbxStatus = Put<TComboBox>(this, "cbxStatus", 300, 196, 70, 21);
  cbxStatus->Visible = false;
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TTimeRangeForm::ListView1Change);
  OnCreate = Handler(this, &TTimeRangeForm::FormCreate);
  OnCloseQuery = Handler(this, &TTimeRangeForm::FormCloseQuery);
  OnClose = Handler(this, &TTimeRangeForm::FormClose);
  List = ListView1;
  RowButtons = {btnSet, btnDelete};
  LockedKeys = {edtName, cbxStatus};
  DetailEdits = {edtStart, edtEnd, edtName, edtweekdays};
  DetailCombos = {cbxStatus};
  DetailChecks.assign(DayBoxes.begin(), DayBoxes.end());
  DoCreate();
}

void TTimeRangeForm::FormCreate(TObject*) {
  Guarded(
      [&] {
        Table = AddRequest(TimeRangeTable, MVT_UMV, 1);
        Table->BindListView(ListView1, true);
        Table->BindEdits(VarName, "%s", edtName);
        Table->BindEdits(VarWeekDays, "%s", edtweekdays);
        Table->BindEdits(VarStart, "%s", edtStart);
        Table->BindEdits(VarEnd, "%s", edtEnd);
        Table->BindControl(VarRowStatus, cbxStatus);
        TrackWalks(Table);
        btnSet->Enabled = false;
        btnDelete->Enabled = false;
        StartWalk(Table);
        ShowRowCount();
      },
      [&] { DataComplete = 1; });
}

void TTimeRangeForm::btnGetClick(TObject*) { RefreshAll(); }

bool TTimeRangeForm::RowWriteAllowed(bool needsRow) {
  if (!Table || (needsRow && !ListView1->Selected())) return false;
  return WriteAllowed(NvDialogText::GetNotComplete, NvMissingRequestTest::First);
}

bool TTimeRangeForm::PackAndCheck() {
  std::string days;
  for (int d = 0; d < 7; ++d)
    if (DayBoxes[size_t(d)]->Checked) days += (d == 0 ? "" : ",") + std::string(kDayTexts[d]);
  edtweekdays->Text = days;
  if (edtName->Text().empty()) return Refuse("Please input the time range name", edtName);
  if (days.empty()) return Refuse("Please input the weekdays");
  if (edtStart->Text().empty()) return Refuse("Please select the daily start time", edtStart);
  if (edtEnd->Text().empty()) return Refuse("Please select the daily end time", edtEnd);
  // The switch keeps whatever text it is given; a time it cannot read would never match.
  if (!IsTimeOfDay(edtStart->Text)) return Refuse(kNotATime + std::string("start time"), edtStart);
  if (!IsTimeOfDay(edtEnd->Text)) return Refuse(kNotATime + std::string("end time"), edtEnd);
  return true;
}

void TTimeRangeForm::UnpackDays(const std::string& days) {
  for (int d = 0; d < 7; ++d) DayBoxes[size_t(d)]->Checked = days.find(kDayTexts[d]) != std::string::npos;
}

void TTimeRangeForm::AfterRowWrite() {
  IdleButtons();
  ClearDetailControls();
  ShowRowCount();
}

void TTimeRangeForm::btnAddClick(TObject*) {
  if (!RowWriteAllowed(false)) return;
  cbxStatus->ItemIndex = kCreateAndGo;
  if (!PackAndCheck()) return;
  WriteThenReread(RowSteps);
}

void TTimeRangeForm::btnSetClick(TObject*) {
  if (!RowWriteAllowed(true)) return;
  if (!PackAndCheck()) return;
  WriteThenReread(RowSteps);
  AfterRowWrite();
}

void TTimeRangeForm::btnDeleteClick(TObject*) {
  if (!RowWriteAllowed(true)) return;
  // The selected row's values, whatever the detail controls were changed to.
  SelectedRowToControls();
  cbxStatus->ItemIndex = kDestroy;
  WriteThenReread(RowSteps);
  AfterRowWrite();
}

void TTimeRangeForm::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  cbxStatus->Enabled = true;
  edtName->Enabled = true;
}

void TTimeRangeForm::ShowChosenRow(TListItem*) { UnpackDays(edtweekdays->Text); }

void TTimeRangeForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TTimeRangeForm::btnStopClick(TObject*) { StopWalk(); }

void TTimeRangeForm::btnCloseClick(TObject*) { Close(); }

void TTimeRangeForm::FormCloseQuery(TObject*, bool& CanClose) { CanClose = MayClose(); }

void TTimeRangeForm::FormClose(TObject*, TCloseAction& Action) {
  CloseRequests();
  Action = caFree;
}
