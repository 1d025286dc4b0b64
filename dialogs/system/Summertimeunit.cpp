#include "Summertimeunit.h"

#include <cstdio>

#include "DialogNumbers.h"
#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_time.h"

namespace {

// Variables of the status request; the repeat and annual requests hold start (0) and end (1).
enum : int { VarStatus = 0, VarOffset = 1, VarStart = 0, VarEnd = 1 };
// Rows, top to bottom as designed.
enum : size_t { RowStatus, RowOffset, RowRepeatStart, RowRepeatEnd, RowAnnualStart, RowAnnualEnd };
constexpr int kRowTop[] = {10, 38, 66, 94, 122, 150};

const char* const kMonths[] = {"none", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul",  "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kWeeks[] = {"last", "1st", "2nd", "3rd", "4th"};
const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
// Days of each month for the annual check; "none" has none, February never 29.
constexpr int kDaysOfMonth[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

template <size_t N>
void FillList(TComboBox* combo, const char* const (&items)[N]) {
  combo->Style = csDropDownList;
  for (const char* item : items) combo->Items->Add(item);
}

std::string Hex(int value, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

// The digit group at [first, first + count): hexadecimal digits of either case; any other
// character adds nothing.
int HexGroup(const std::string& text, size_t first, size_t count) {
  int value = 0;
  for (size_t k = first; k < first + count && k < text.size(); ++k) {
    const char c = text[k];
    if (c >= '0' && c <= '9') value = value * 16 + (c - '0');
    else if (c >= 'A' && c <= 'F') value = value * 16 + (c - 'A' + 10);
    else if (c >= 'a' && c <= 'f') value = value * 16 + (c - 'a' + 10);
  }
  return value;
}

// A caption sits a little lower than the boxes on its line.
int RowTop(TControl* control, int top) { return dynamic_cast<TLabel*>(control) ? top + 3 : top; }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

TfrmSummerTime::TfrmSummerTime(TComponent* Owner) : TFeatureDialog(Owner, 606, 227, NvScale::Stored) {
  Name = "frmSummerTime";
  Caption = "Summer Time";
  auto combo = [&](const char* name, int width) { return Put<TComboBox>(this, name, 0, 0, width, 21); };
  auto edit = [&](const char* name, int width) { return Put<TEdit>(this, name, 0, 0, width, 21); };
  cbxTimeStatus = combo("cbxTimeStatus", 110);
  edtTimeOffset = edit("edtTimeOffset", 60);
  repeatStart_ = {combo("cbxRepeatMonthS", 70), combo("cbxRepeatWeekS", 60), combo("cbxRepeatWeekdayS", 60),
                  edit("edtRepeatHS", 35), edit("edtRepeatMS", 35)};
  repeatEnd_ = {combo("cbxRepeatMonthE", 70), combo("cbxRepeatWeekE", 60), combo("cbxRepeatWeekdayE", 60),
                edit("edtRepeatHE", 35), edit("edtRepeatME", 35)};
  annualStart_ = {edit("edtAnnualDayS", 70), combo("cbxAnnualMonthS", 72), edit("edtAnnualHS", 40),
                  edit("edtAnnualMS", 40)};
  annualEnd_ = {edit("edtAnnualDayE", 70), combo("cbxAnnualMonthE", 72), edit("edtAnnualHE", 40),
                edit("edtAnnualME", 40)};
  cbxRepeatMonthS = repeatStart_.Month, cbxRepeatWeekS = repeatStart_.Week, cbxRepeatWeekdayS = repeatStart_.Weekday;
  edtRepeatHS = repeatStart_.Hour, edtRepeatMS = repeatStart_.Minute;
  cbxRepeatMonthE = repeatEnd_.Month, cbxRepeatWeekE = repeatEnd_.Week, cbxRepeatWeekdayE = repeatEnd_.Weekday;
  edtRepeatHE = repeatEnd_.Hour, edtRepeatME = repeatEnd_.Minute;
  edtAnnualDayS = annualStart_.Day, cbxAnnualMonthS = annualStart_.Month;
  edtAnnualHS = annualStart_.Hour, edtAnnualMS = annualStart_.Minute;
  edtAnnualDayE = annualEnd_.Day, cbxAnnualMonthE = annualEnd_.Month;
  edtAnnualHE = annualEnd_.Hour, edtAnnualME = annualEnd_.Minute;
  for (const RepeatPoint* point : {&repeatStart_, &repeatEnd_}) {
    FillList(point->Month, kMonths);
    FillList(point->Week, kWeeks);
    FillList(point->Weekday, kWeekdays);
  }
  FillList(cbxAnnualMonthS, kMonths);
  FillList(cbxAnnualMonthE, kMonths);

  auto colon = [&] { return Put<TLabel>(this, "", 0, 0, 4, 13, ":"); };
  PutRow(CheckBox1, "CheckBox1", "Time Status", VarStatus, kRowTop[RowStatus], {{cbxTimeStatus, 202}});
  PutRow(CheckBox2, "CheckBox2", "Time Offset (30,60,90,120)", VarOffset, kRowTop[RowOffset], {{edtTimeOffset, 202}});
  PutRow(CheckBox3, "CheckBox3", "Repeat Summer Time Start", -1, kRowTop[RowRepeatStart],
         {{cbxRepeatMonthS, 202}, {cbxRepeatWeekS, 280}, {cbxRepeatWeekdayS, 348}, {edtRepeatHS, 416}, {colon(), 454},
          {edtRepeatMS, 460}});
  PutRow(CheckBox4, "CheckBox4", "Repeat Summer Time End", -1, kRowTop[RowRepeatEnd],
         {{cbxRepeatMonthE, 202}, {cbxRepeatWeekE, 280}, {cbxRepeatWeekdayE, 348}, {edtRepeatHE, 416}, {colon(), 454},
          {edtRepeatME, 460}});
  PutRow(CheckBox5, "CheckBox5", "Annual Summer Time Start", -1, kRowTop[RowAnnualStart],
         {{edtAnnualDayS, 202}, {cbxAnnualMonthS, 280}, {edtAnnualHS, 360}, {colon(), 403}, {edtAnnualMS, 408}});
  PutRow(CheckBox6, "CheckBox6", "Annual Summer Time End", -1, kRowTop[RowAnnualEnd],
         {{edtAnnualDayE, 202}, {cbxAnnualMonthE, 280}, {edtAnnualHE, 360}, {colon(), 403}, {edtAnnualME, 408}});

  edt_RepeatStart = edit("edt_RepeatStart", 80);
  edt_RepeatEnd = edit("edt_RepeatEnd", 80);
  edt_AnnualStart = edit("edt_AnnualStart", 80);
  edt_AnnualEnd = edit("edt_AnnualEnd", 80);
  for (TEdit* carrier : {edt_RepeatStart, edt_RepeatEnd, edt_AnnualStart, edt_AnnualEnd}) carrier->Visible = false;

  constexpr int buttonLeft = 515;
  btnRefresh = PutButton(this, "btnRefresh", "Refresh", buttonLeft, 8, 80, 25, &TfrmSummerTime::btnRefreshClick);
  btnSet = PutButton(this, "btnSet", "Set Checked", buttonLeft, 38, 80, 25, &TfrmSummerTime::btnSetClick);
  btnCheckAll = PutButton(this, "btnCheckAll", "Check All", buttonLeft, 68, 80, 25, &TfrmSummerTime::btnCheckAllClick);
  btnClearChecks = PutButton(this, "btnClearChecks", "Clear Checks", buttonLeft, 98, 80, 25,
                             &TfrmSummerTime::btnClearChecksClick);
  btnClose = PutButton(this, "btnClose", "Close", buttonLeft, 128, 80, 25, &TfrmSummerTime::btnCloseClick);
  PutStatusBar();
  cbxTimeStatus->OnChange = Handler(this, &TfrmSummerTime::cbxTimeStatusChange);
  OnCreate = Handler(this, &TfrmSummerTime::FormCreate);
  OnClose = Handler(this, &TfrmSummerTime::FormClose);
  DoCreate();
}

void TfrmSummerTime::PutRow(TCheckBox*& box, const char* boxName, const char* caption, int var, int top,
                            std::vector<std::pair<TControl*, int>> controls) {
  box = Put<TCheckBox>(this, boxName, 8, top + 2, 15, 17);
  Row row{box, Put<TLabel>(this, "", 32, top + 3, 0, 13, caption), {}};
  for (auto [control, left] : controls) {
    control->SetBounds(left, RowTop(control, top), control->GetWidth(), control->GetHeight());
    row.Controls.push_back(control);
  }
  Rows.Add(box, var, dynamic_cast<TWinControl*>(controls.front().first));
  rows_.push_back(std::move(row));
}

void TfrmSummerTime::ShowRow(size_t row, bool shown) {
  Row& r = rows_[row];
  r.Box->Visible = shown;
  r.Box->Checked = false;
  r.Caption->Visible = shown;
  for (TControl* control : r.Controls) control->Visible = shown;
}

void TfrmSummerTime::PlaceAnnualRows(bool inRepeatPlaces) {
  for (size_t row : {RowAnnualStart, RowAnnualEnd}) {
    const int top = kRowTop[inRepeatPlaces ? row - 2 : row];
    Row& r = rows_[row];
    r.Box->Top = top + 2;
    r.Caption->Top = top + 3;
    for (TControl* control : r.Controls) control->Top = RowTop(control, top);
  }
}

void TfrmSummerTime::LayOut() {
  const std::string mode = cbxTimeStatus->Text;
  if (mode == "disable") {
    for (size_t row : {RowRepeatStart, RowRepeatEnd, RowAnnualStart, RowAnnualEnd}) ShowRow(row, false);
  } else if (mode == "repeating") {
    PlaceAnnualRows(false);
    for (size_t row : {RowRepeatStart, RowRepeatEnd}) ShowRow(row, true);
    for (size_t row : {RowAnnualStart, RowAnnualEnd}) ShowRow(row, false);
  } else if (mode == "annual") {
    for (size_t row : {RowRepeatStart, RowRepeatEnd}) ShowRow(row, false);
    PlaceAnnualRows(true);
    for (size_t row : {RowAnnualStart, RowAnnualEnd}) ShowRow(row, true);
  }
}

void TfrmSummerTime::FormCreate(TObject*) {
  Guarded([&] {
    StatusRequest = AddBlockingRequest(SummerTimeStatusTable);
    RepeatRequest = AddBlockingRequest(SummerTimeRepeatTable);
    AnnualRequest = AddBlockingRequest(SummerTimeAnnualTable);
    StatusRequest->BindControl(VarStatus, cbxTimeStatus);
    StatusRequest->BindEdits(VarOffset, "%i{n30x120l3}", edtTimeOffset);
    RepeatRequest->BindEdits(VarStart, "%s", edt_RepeatStart);
    RepeatRequest->BindEdits(VarEnd, "%s", edt_RepeatEnd);
    AnnualRequest->BindEdits(VarStart, "%s", edt_AnnualStart);
    AnnualRequest->BindEdits(VarEnd, "%s", edt_AnnualEnd);
    Read();
  });
  DataComplete = 1;
}

void TfrmSummerTime::Read() {
  StatusRequest->Request.Active = 1;
  StatusRequest->Get();
  LayOut();
  const std::string mode = cbxTimeStatus->Text;
  if (mode == "disable") return;
  if (mode == "repeating") {
    RepeatRequest->Request.Active = 1;
    RepeatRequest->Get();
    if (edt_RepeatStart->Text().size() != 12 || edt_RepeatEnd->Text().size() != 12) return;
    UnpackRepeat(edt_RepeatStart->Text, repeatStart_);
    UnpackRepeat(edt_RepeatEnd->Text, repeatEnd_);
  } else if (mode == "annual") {
    AnnualRequest->Request.Active = 1;
    AnnualRequest->Get();
    if (edt_AnnualStart->Text().size() != 8 || edt_AnnualEnd->Text().size() != 8) return;
    UnpackAnnual(edt_AnnualStart->Text, annualStart_);
    UnpackAnnual(edt_AnnualEnd->Text, annualEnd_);
  } else {
    ShowMessage("Get time status error!");
  }
}

void TfrmSummerTime::UnpackRepeat(const std::string& text, const RepeatPoint& point) {
  point.Week->ItemIndex = HexGroup(text, 0, 2);
  point.Weekday->ItemIndex = HexGroup(text, 2, 4) - 1;
  point.Month->ItemIndex = HexGroup(text, 6, 2);
  point.Hour->Text = std::to_string(HexGroup(text, 8, 2));
  point.Minute->Text = std::to_string(HexGroup(text, 10, 2));
}

void TfrmSummerTime::UnpackAnnual(const std::string& text, const AnnualPoint& point) {
  point.Day->Text = std::to_string(HexGroup(text, 0, 2));
  point.Month->ItemIndex = HexGroup(text, 2, 2);
  point.Hour->Text = std::to_string(HexGroup(text, 4, 2));
  point.Minute->Text = std::to_string(HexGroup(text, 6, 2));
}

std::string TfrmSummerTime::PackRepeat(const RepeatPoint& point) {
  const int hour = TextToInt(point.Hour->Text), minute = TextToInt(point.Minute->Text);
  const int week = point.Week->ItemIndex, weekday = point.Weekday->ItemIndex, month = point.Month->ItemIndex;
  // A combo box without a choice has no value to pack.
  if (!InRange(hour, 0, 23) || !InRange(minute, 0, 59) || week < 0 || weekday < 0 || month < 0) return "";
  return Hex(week, 2) + Hex(weekday + 1, 4) + Hex(month, 2) + Hex(hour, 2) + Hex(minute, 2);
}

std::string TfrmSummerTime::PackAnnual(const AnnualPoint& point) {
  const int day = TextToInt(point.Day->Text), hour = TextToInt(point.Hour->Text),
            minute = TextToInt(point.Minute->Text);
  const int month = point.Month->ItemIndex;
  if (!InRange(day, 0, 31) || !InRange(hour, 0, 23) || !InRange(minute, 0, 59) || month < 0) return "";
  return Hex(day, 2) + Hex(month, 2) + Hex(hour, 2) + Hex(minute, 2);
}

void TfrmSummerTime::cbxTimeStatusChange(TObject*) { LayOut(); }

void TfrmSummerTime::btnRefreshClick(TObject*) {
  if (StatusRequest) Guarded([&] { Read(); });
}

bool TfrmSummerTime::PlanStatus(std::vector<NvSetWrite>& writes) {
  NvSetStep step;
  if (NvTickRows::Ticked(CheckBox1)) step.Carries.push_back(VarStatus);
  if (NvTickRows::Ticked(CheckBox2)) {
    const int offset = NumberInRange(edtTimeOffset->Text, 30, 120).value_or(-1);
    if (offset != 30 && offset != 60 && offset != 90 && offset != 120) {
      ShowMessage("Time Offset error!");
      return false;
    }
    step.Carries.push_back(VarOffset);
  }
  if (!step.Carries.empty()) writes.push_back({StatusRequest, step});
  return true;
}

bool TfrmSummerTime::PlanRepeat(std::vector<NvSetWrite>& writes) {
  const std::string start = PackRepeat(repeatStart_), end = PackRepeat(repeatEnd_);
  if (!start.empty()) edt_RepeatStart->Text = start;
  if (!end.empty()) edt_RepeatEnd->Text = end;
  if (start.empty() || end.empty()) {
    ShowMessage("time error!!");
    return false;
  }
  writes.push_back({RepeatRequest, {{VarStart, VarEnd}}});
  return true;
}

bool TfrmSummerTime::PlanAnnual(std::vector<NvSetWrite>& writes) {
  const std::string start = PackAnnual(annualStart_), end = PackAnnual(annualEnd_);
  auto dayFits = [](const AnnualPoint& point) {
    return TextToInt(point.Day->Text) <= kDaysOfMonth[point.Month->ItemIndex];
  };
  if (start.empty() || end.empty() || !dayFits(annualStart_) || !dayFits(annualEnd_)) {
    ShowMessage("time error!!");
    return false;
  }
  edt_AnnualStart->Text = start;
  edt_AnnualEnd->Text = end;
  writes.push_back({AnnualRequest, {{VarStart, VarEnd}}});
  return true;
}

bool TfrmSummerTime::PlanWrites(std::vector<NvSetWrite>& writes) {
  if (!PlanStatus(writes)) return false;
  const bool repeatStart = NvTickRows::Ticked(CheckBox3);
  const bool repeatEnd = NvTickRows::Ticked(CheckBox4);
  const bool annualStart = NvTickRows::Ticked(CheckBox5), annualEnd = NvTickRows::Ticked(CheckBox6);
  if (repeatStart && repeatEnd) return PlanRepeat(writes);
  if (repeatStart || repeatEnd) {
    ShowMessage("The Repeat Summer Time Start and Repeat Summer Time End should be set together!");
    return false;
  }
  if (annualStart && annualEnd) return PlanAnnual(writes);
  if (annualStart || annualEnd) {
    ShowMessage("The Annual Summer Time Start and Annual Summer Time End should be set together!");
    return false;
  }
  return true;
}

// Only rows the user can see count: a box of a hidden row is never ticked.
// The mode goes first and the points after it: a refused or unanswered mode ends the write,
// for points written under a mode the switch does not hold would be points nobody chose.
void TfrmSummerTime::btnSetClick(TObject*) {
  // One refusal for the whole click, not one per group it writes.
  if (!StatusRequest || !ReadsAllowWrite()) return;
  Guarded([&] {
    std::vector<NvSetWrite> writes;
    if (PlanWrites(writes)) SendSetWrites(writes);
  });
}

void TfrmSummerTime::btnCheckAllClick(TObject*) { Rows.TickAll(); }

void TfrmSummerTime::btnClearChecksClick(TObject*) { Rows.ClearAll(); }

void TfrmSummerTime::btnCloseClick(TObject*) { Close(); }

void TfrmSummerTime::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  StatusRequest = RepeatRequest = AnnualRequest = nullptr;
}
