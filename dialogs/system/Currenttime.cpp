#include "Currenttime.h"

#include "DialogChecks.h"
#include "NvDateTime.h"
#include "NvSNMPConvert.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_time.h"

TCurrentTimeForm* CurrentTimeForm = nullptr;

namespace {

// Variables of CurrentTimeTable.
enum : int { VarCapacity = 0, VarClock = 1, VarReset = 2 };

// The offset of a clock text ("+8:0"), empty when it has none.
std::string OffsetOf(const std::string& clock) {
  const size_t date = clock.find(',');
  const size_t zone = date == std::string::npos ? std::string::npos : clock.find(',', date + 1);
  return zone == std::string::npos ? std::string() : clock.substr(zone + 1);
}

}  // namespace

TCurrentTimeForm::TCurrentTimeForm(TComponent* Owner) : TFeatureDialog(Owner, 640, 172, NvScale::ByDpi) {
  Name = "CurrentTimeForm";
  Caption = "Current Time";
  timecapacityEdit = Put<TEdit>(this, "timecapacityEdit", 0, 0, 268, 21);
  currentclockEdit = Put<TEdit>(this, "currentclockEdit", 0, 0, 210, 21);  // a whole clock with its offset
  cbxReset = Put<TComboBox>(this, "cbxReset", 0, 0, 100, 21);
  cbxReset->Style = csDropDownList;
  struct Row { const char* caption; TWinControl* control; };
  const Row rows[] = {
      {"Time Capacity", timecapacityEdit},
      {"Current Clock (e.g.:  2007-5-26,15:30:15.0)", currentclockEdit},
      {"Clock Reset On Reboot", cbxReset},
  };
  int top = 14;
  for (const Row& row : rows) {
    Put<TLabel>(this, "", 12, top + 3, 0, 13, row.caption);
    // Right of the widest caption, the clock example.
    row.control->SetBounds(270, top, row.control->GetWidth(), 21);
    top += 30;
  }
  clockOffsetLabel = Put<TLabel>(this, "clockOffsetLabel", 488, 14 + 30 + 3, 0, 13, "");
  tempText = Put<TStaticText>(this, "tempText", 12, 0, 40, 17);
  tempText->Visible = false;
  timecapacityEdit->Enabled = false;
  timecapacityEdit->Color = clBtnFace;
  cbxReset->Enabled = false;
  cbxReset->Color = clBtnFace;
  GetButton = PutButton(this, "GetButton", "Refresh", 180, top + 4, 80, 25, &TCurrentTimeForm::GetButtonClick);
  SetButton = PutButton(this, "SetButton", "Set", 280, top + 4, 80, 25, &TCurrentTimeForm::SetButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 380, top + 4, 80, 25, &TCurrentTimeForm::CloseButtonClick);
  PutStatusBar();
  OnCreate = Handler(this, &TCurrentTimeForm::FormCreate);
  OnClose = Handler(this, &TCurrentTimeForm::FormClose);
  DoCreate();
}

void TCurrentTimeForm::FormCreate(TObject*) {
  Guarded([&] {
    Request = AddRequest(CurrentTimeTable, SVT_SV, 0);
    Request->BindStaticText(VarCapacity, tempText);
    // Room for a clock with its offset: 65535-12-31,23:59:59.9,+14:59.
    Request->BindEdits(VarClock, "%s{l30}", currentclockEdit);
    Request->BindControl(VarReset, cbxReset);
    TrackWalks(Request);
    StartWalk(Request);
  }, [&] { DataComplete = 1; });
}

void TCurrentTimeForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  if (Error && Error->Code != 0) return;
  ClockOffset = OffsetOf(currentclockEdit->Text());
  ShowClockOffset();
  Guarded([&] {
    const std::string bits = tempText->Caption;
    if (bits.empty()) return;
    // One blank, then the names of the set bits.
    Capacity = BitsToNames(bits, {"systemTime", ",SNTP", ",SummerTime", ",realTimeClock"}, NvNamesJoin::AsGiven);
    timecapacityEdit->Text = Capacity;
  });
}

void TCurrentTimeForm::ShowClockOffset() {
  clockOffsetLabel->Caption = ClockOffset.empty() ? "No offset as read" : "Offset " + ClockOffset + " as read";
}

void TCurrentTimeForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  Request = nullptr;
}

void TCurrentTimeForm::GetButtonClick(TObject*) {
  if (!Request) return;
  Guarded([&] { StartWalk(Request); }, [&] { DataComplete = 1; });
}

void TCurrentTimeForm::SetButtonClick(TObject*) {
  if (!Request) return;
  if (currentclockEdit->Text().empty()) {
    Refuse("The Current Edit should not be empty!", currentclockEdit);
    return;
  }
  NvDateTime typed;
  bool withZone = false;
  if (!NvDateTime::ReadExact(currentclockEdit->Text(), typed, withZone)) {
    Refuse(NvDateTimeHint, currentclockEdit);
    return;
  }
  // A clock typed without an offset is the switch's local time: it goes with the switch's own
  // offset, and the edit shows what is sent.
  if (!withZone && !ClockOffset.empty()) currentclockEdit->Text = currentclockEdit->Text() + "," + ClockOffset;
  // The clock is the one writable variable: the SET carries it alone.
  Guarded([&] {
    Request->Request.Active = 1;
    Request->Set(false, true);
  });
}

void TCurrentTimeForm::CloseButtonClick(TObject*) { Close(); }
