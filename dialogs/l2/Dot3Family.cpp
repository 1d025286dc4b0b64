#include "Dot3Family.h"

#include <algorithm>

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"

namespace {

enum : int { VarIndex = 0, VarFirst = 1 };

std::vector<std::string> RowCells(TListItem* row) {
  std::vector<std::string> cells{row->Caption};
  for (int i = 0; i < row->SubItems->Count; ++i) cells.push_back(row->SubItems->Get(i));
  return cells;
}

// cbxInterval's items and the timer's interval for each; 0: off.
struct Interval {
  const char* Item;
  int Milliseconds;
};
constexpr Interval kIntervals[] = {{"none", 0},    {"2s", 2000},   {"5s", 5000},
                                   {"10s", 10000}, {"30s", 30000}, {"1m", 60000}};

const NvSetStep AdminModeSteps[] = {{{VarFirst}}};

}  // namespace

TDot3MacControlDialog::TDot3MacControlDialog(TComponent* Owner, const NvDot3Member& member)
    : TFeatureDialog(Owner, member.Width, member.Height, NvScale::ByDpi), member_(member) {
  Position = poDesigned;
  const int listHeight = member.Height - 190;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 300, listHeight);
  int y = listHeight + 16;
  if (member.AdminMode) {
    AdminModeLabel = Put<TLabel>(this, "AdminModeLabel", 8, y + 3, 80, 13, "Admin Mode");
    cbxAdminMode = Put<TComboBox>(this, "cbxAdminMode", 100, y, 150, 21);
    edtIndex = Put<TEdit>(this, "edtIndex", 8, y, 40, 21);
    edtIndex->Visible = false;
  } else {
    for (int k = 0; k < 8; ++k) {
      TCheckBox* box = Put<TCheckBox>(this, ("CheckBox" + std::to_string(k + 1)).c_str(), 8, y, 120, 19,
                                      k == 0 ? "pause" : "bit " + std::to_string(k));
      box->Visible = k == 0;
      Functions.push_back(box);
    }
  }
  y += 30;
  ListView2 = Put<TListView>(this, "ListView2", 8, y, 300, 72);
  ListView2->ViewStyle = vsReport;
  ListView2->ReadOnly = true;
  ListView2->GridLines = true;
  ListView2->RowSelect = true;
  TListColumn* name = ListView2->Columns->Add();
  name->Caption = "Name";
  name->Width = 160;
  TListColumn* value = ListView2->Columns->Add();
  value->Caption = "Value";
  value->Width = 120;
  for (const std::string& counter : member.CounterNames) {
    TListItem* row = ListView2->Items->Add();
    row->Caption = counter;
    row->SubItems->Add("");
  }
  lvChart = Put<TListView>(this, "lvChart", 8, y, 100, 40);
  lvChart->Visible = false;

  const int column = 324;
  btnGet = PutButton(this, "btnGet", "Refresh", column, 8, 90, 25, &TDot3MacControlDialog::btnGetClick);
  int buttonY = 40;
  if (member.AdminMode) {
    btnSet = PutButton(this, "btnSet", "Set", column, 40, 90, 25, &TDot3MacControlDialog::btnSetClick);
    btnStop = PutButton(this, "btnStop", "Stop", column, 72, 90, 25, &TDot3MacControlDialog::btnStopClick);
    buttonY = 104;
  }
  btnClose = PutButton(this, "btnClose", "Close", column, buttonY, 90, 25, &TDot3MacControlDialog::btnCloseClick);
  IntervalLabel = Put<TLabel>(this, "IntervalLabel", column, listHeight - 32, 90, 13, "Interval Time");
  cbxInterval = Put<TComboBox>(this, "cbxInterval", column, listHeight - 16, 90, 21);
  cbxInterval->Style = csDropDownList;
  for (const Interval& interval : kIntervals) cbxInterval->Items->Add(interval.Item);
  Timer1 = new TTimer(this);
  Timer1->Enabled = false;
  PutStatusBar();

  cbxInterval->OnChange = Handler(this, &TDot3MacControlDialog::cbxIntervalChange);
  Timer1->OnTimer = Handler(this, &TDot3MacControlDialog::Timer1Timer);
  OnCreate = Handler(this, &TDot3MacControlDialog::FormCreate);
  OnClose = Handler(this, &TDot3MacControlDialog::FormClose);

  List = ListView1;
  if (btnSet) RowButtons = {btnSet};
  DoCreate();
}

void TDot3MacControlDialog::FormCreate(TObject*) {
  Timer1->Enabled = false;
  cbxInterval->ItemIndex = 0;
  Guarded(
      [&] {
        Table = AddRequest(member_.Ports, MVT_FMV, 1);
        Table->BindListView(ListView1, true);
        if (member_.AdminMode) {
          Table->BindEdits(VarIndex, "%i", edtIndex);
          Table->BindControl(VarFirst, cbxAdminMode);
        } else {
          Table->BindCheckBoxes(VarFirst, "0,1,2,3,4,5,6,7",
                                {Functions[0], Functions[1], Functions[2], Functions[3], Functions[4], Functions[5],
                                 Functions[6], Functions[7]});
        }
        TrackWalks(Table);

        // Read blocking, port by port, after each click and each tick.
        CounterRequest = AddRequest(member_.Counters, MVT_SV, 0);
        CounterRequest->BindListView(lvChart, false);
        CounterRequest->Asynchronous = 0;

        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  if (btnSet) btnSet->Enabled = false;
}

void TDot3MacControlDialog::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  EnableSettings();
}

void TDot3MacControlDialog::EnableSettings() {
  if (cbxAdminMode && !cbxAdminMode->Enabled) cbxAdminMode->Enabled = true;
  for (size_t k = 0; k + 1 < Functions.size(); ++k)
    if (Functions[k]->Visible) Functions[k]->Enabled = true;
}

// The choice taken away locks the bound controls with the rest.
void TDot3MacControlDialog::ApplyEnablingRules() {
  if (!List->Selected() && DataComplete) EnableSettings();
}

void TDot3MacControlDialog::ResetCounterView() {
  Timer1->Enabled = false;
  cbxInterval->ItemIndex = 0;
  for (int i = 0; i < ListView2->Items->Count; ++i) ListView2->Items->Item[i]->SubItems->Put(0, "");
  lvChart->Items->Clear();
  if (cbxAdminMode) cbxAdminMode->ItemIndex = -1;
  if (btnSet) btnSet->Enabled = false;
  for (size_t k = 0; k + 1 < Functions.size(); ++k)
    if (Functions[k]->Visible) Functions[k]->Checked = false;
}

void TDot3MacControlDialog::ShowCounters() {
  std::vector<std::string> cells;
  if (lvChart->Items->Count > 0) cells = RowCells(lvChart->Items->Item[0]);
  // A v2c agent answers an instance it lacks with no value rather than an error, shown as an
  // empty cell: no data either.
  const bool none = std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
  if (none) {
    // The timer stops before the message: its ticks must not stack a box per tick.
    ResetCounterView();
    ShowMessage(NvDialogText::GetNotCompleted);
    return;
  }
  for (int i = 0; i < ListView2->Items->Count && size_t(i) < cells.size(); ++i)
    ListView2->Items->Item[i]->SubItems->Put(0, cells[size_t(i)]);
}

// A walk under way: nothing; a stopped one: the new walk follows its last reply.
void TDot3MacControlDialog::btnGetClick(TObject*) { RefreshAll(); }

void TDot3MacControlDialog::cbxIntervalChange(TObject*) {
  const int item = cbxInterval->ItemIndex;
  const int ms = item >= 0 && item < int(std::size(kIntervals)) ? kIntervals[item].Milliseconds : 0;
  Timer1->Enabled = false;
  if (ms == 0) return;
  Timer1->Interval = ms;
  Timer1->Enabled = true;
}

void TDot3MacControlDialog::Timer1Timer(TObject*) {
  if (!CounterRequest || CounterRequest->Busy) return;
  lvChart->Items->Clear();
  Guarded([&] {
    CounterRequest->Get();
    ShowCounters();
  });
}

// The counters, and the interval timer's polling, follow the chosen port.
void TDot3MacControlDialog::ShowChosenRow(TListItem* row) {
  Guarded([&] {
    CounterRequest->Request.Vars = NvSNMPVarList(member_.Counters, MVT_SV, 0);
    CounterRequest->Request.Vars.InstanceSuffix = row->Caption;
    CounterRequest->Asynchronous = 0;
    CounterRequest->Get();
    ShowCounters();
  });
}

void TDot3MacControlDialog::btnSetClick(TObject*) {
  if (!ListView1->Selected() || !Table) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  WriteAndReread(AdminModeSteps);
}

void TDot3MacControlDialog::btnStopClick(TObject*) { StopWalk(); }

void TDot3MacControlDialog::btnCloseClick(TObject*) {
  Timer1->Enabled = false;
  Close();
}

void TDot3MacControlDialog::FormClose(TObject*, TCloseAction&) {
  Timer1->Enabled = false;
  CloseRequests();
}
