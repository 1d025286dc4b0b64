#include "Cosbrandctrltable.h"

#include <charconv>
#include <optional>

#include "ConvertingRequest.h"
#include "DialogNumbers.h"
#include "Dialogs.h"
#include "Oid_erps.h"
#include "ScopeExit.h"
#include "ValueBoxes.h"

TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm = nullptr;

namespace {

enum : int { VarPort = 0, VarClass = 1, VarRate = 2 };
constexpr const char* kNoLimit = "No Limit";
constexpr long kMinRate = 64;
constexpr long kMaxRate = 1024000;

std::string ShowRate(const std::string& value) { return value == "0" ? kNoLimit : value; }
// The rate itself is checked before the write; here only the shown word goes back to 0.
std::optional<std::string> SendRate(const std::string& text, std::string&) { return text == kNoLimit ? "0" : text; }

// A whole number with nothing else but blanks around it.
long WholeNumber(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  long value = 0;
  if (first != std::string::npos) {
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(text.data() + first, end, value);
    if (error == std::errc() && stop == end) return value;
  }
  throw NotAValidInteger(text);
}

}  // namespace

TCoSBrandwidthctrlForm::TCoSBrandwidthctrlForm(TComponent* Owner) : TFeatureDialog(Owner, 545, 532, NvScale::ByDpi) {
  Name = "CoSBrandwidthctrlForm";
  Caption = "CoS Bandwidth Control";
  Position = poDesigned;
  // The list takes the whole width, so its three columns show whole; the count and the buttons
  // go under it, right of the details.
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 523, 330);
  StaticText1 = PutSamplesBox(*this, 441, 350);
  GetButton = PutButton(this, "GetButton", "Refresh", 187, 440, 80, 25, &TCoSBrandwidthctrlForm::GetButtonClick);
  EditButton = PutButton(this, "EditButton", "Set", 275, 440, 80, 25, &TCoSBrandwidthctrlForm::EditButtonClick);
  StopButton = PutButton(this, "StopButton", "Stop", 363, 440, 80, 25, &TCoSBrandwidthctrlForm::StopButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 451, 440, 80, 25, &TCoSBrandwidthctrlForm::CloseButtonClick);

  PortEditLabel = Put<TLabel>(this, "PortEditLabel", 8, 353, 100, 13, "Port Number");
  PortText = PutValueBox(*this, "PortText", 120, 350, 80);
  Label2 = Put<TLabel>(this, "Label2", 8, 381, 100, 13, "Class ID");
  ClassIDText = PutValueBox(*this, "ClassIDText", 120, 378, 80);
  Label1 = Put<TLabel>(this, "Label1", 8, 409, 100, 13, "Maximum Rate");
  rateEdit = Put<TEdit>(this, "rateEdit", 120, 406, 100, 21);
  Label3 = Put<TLabel>(this, "Label3", 226, 409, 60, 13, "Kbit/sec");
  NOLIMITRBT = Put<TCheckBox>(this, "NOLIMITRBT", 300, 407, 100, 19, kNoLimit);
  TXText = Put<TStaticText>(this, "TXText", 8, 8, 60, 19);
  TXText->Visible = false;
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TCoSBrandwidthctrlForm::ListView1Change);
  NOLIMITRBT->OnClick = Handler(this, &TCoSBrandwidthctrlForm::CheckBox1Click);
  OnCreate = Handler(this, &TCoSBrandwidthctrlForm::FormCreate);
  OnClose = Handler(this, &TCoSBrandwidthctrlForm::FormClose);

  List = ListView1;
  RowButtons = {EditButton};
  DoCreate();
}

void TCoSBrandwidthctrlForm::FormCreate(TObject*) {
  Guarded(
      [&] {
        auto* table = AddRequest<NvConvertingRequest>(CosBandwidthTable, MVT_UMV, 2);
        Table = table;
        table->Columns = {{VarRate, &ShowRate, &SendRate, nullptr}};
        table->BindListView(ListView1, true);
        table->BindStaticText(VarPort, PortText);
        table->BindStaticText(VarClass, ClassIDText);
        table->BindStaticText(VarRate, TXText);
        TrackWalks(table);
        TrackWrites(table);
        StartWalk(table);
      },
      [&] { DataComplete = 1; });
  EditButton->Enabled = false;
  PortEditLabel->Enabled = false;
  ShowRowCount();
}

void TCoSBrandwidthctrlForm::ClearDetailControls() {
  PortText->Caption = " ";
  ClassIDText->Caption = " ";
}

void TCoSBrandwidthctrlForm::GetButtonClick(TObject*) { RefreshAll(NvDialogText::GetNotCompleteBang); }

bool TCoSBrandwidthctrlForm::CheckRateAndCopy() {
  const long rate = WholeNumber(rateEdit->Text);
  if (!NOLIMITRBT->Checked && (rate > kMaxRate || rate < kMinRate)) {
    ShowMessage("Please input a number between 64 and 1024000!");
    return false;
  }
  TXText->Caption = std::to_string(rate);
  return true;
}

void TCoSBrandwidthctrlForm::EditButtonClick(TObject*) {
  if (!ListView1->Selected()) return;
  PortEditLabel->Enabled = false;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (rateEdit->Text().empty()) {
    ShowMessage("Please input a rate number!");
    return;
  }
  Guarded(
      [&] {
        if (!CheckRateAndCopy()) return;
        Table->Request.Active = 1;
        // The one write this dialog waits in: blocking, its failure in the request's message box.
        Table->Asynchronous = 0;
        {
          ScopeExit asynchronous([&] { Table->Asynchronous = 1; });
          Table->Set(false, true);
        }
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
}

void TCoSBrandwidthctrlForm::StopButtonClick(TObject*) {
  StopWalk();
  DataComplete = 1;
}

void TCoSBrandwidthctrlForm::CloseButtonClick(TObject* Sender) {
  StopButtonClick(Sender);
  Close();
}

void TCoSBrandwidthctrlForm::ShowChosenRow(TListItem* row) {
  const bool noLimit = TXText->Caption() == kNoLimit;
  NOLIMITRBT->Checked = noLimit;
  CheckBox1Click(NOLIMITRBT);
  if (!noLimit) rateEdit->Text = row->SubItems->Get(1);
}

void TCoSBrandwidthctrlForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TCoSBrandwidthctrlForm::CheckBox1Click(TObject*) {
  const bool noLimit = NOLIMITRBT->Checked;
  rateEdit->Enabled = !noLimit;
  rateEdit->Color = noLimit ? clBtnFace : clWindow;
  rateEdit->Text = noLimit ? "0" : "";
}

void TCoSBrandwidthctrlForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
