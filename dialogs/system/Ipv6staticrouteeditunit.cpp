#include "Ipv6staticrouteeditunit.h"

#include "DialogChecks.h"
#include "DialogNumbers.h"
#include "Dialogs.h"
#include "Ipv6staticrouteunit.h"
#include "NvSNMPRequest2Edits.h"

TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;

namespace {
constexpr int kCreateAndGo = 3;
constexpr const char* kUnspecified = "00000000000000000000000000000000";
}  // namespace


TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 420, 262, NvScale::ByDpi) {
  Name = "Ipv6StaticRouteEditForm";
  Caption = "Ipv6 Static Route Edit";
  Position = poDesktopCenter;
  const struct {
    TLabel** label;
    const char* labelName;
    const char* text;
    TEdit** edit;
    const char* editName;
    int width;
  } rows[] = {
      {&lblDst, "lblDst", "Destination", &edtDst, "edtDst", 270},
      {&lblPrefix, "lblPrefix", "Prefix Length", &edtPrefix, "edtPrefix", 60},
      {&lblInterface, "lblInterface", "Interface Name", &edtInterface, "edtInterface", 120},
      {&lblNextHop, "lblNextHop", "Next Hop", &edtNextHop, "edtNextHop", 270},
      {&lblMetric, "lblMetric", "Metric", &edtMetric, "edtMetric", 60},
  };
  int top = 12;
  for (const auto& row : rows) {
    *row.label = Put<TLabel>(this, row.labelName, 12, top + 3, 100, 13, row.text);
    *row.edit = Put<TEdit>(this, row.editName, 118, top, row.width, 21);
    top += 30;
  }
  lblStatus = Put<TLabel>(this, "lblStatus", 12, top + 3, 100, 13, "Status");
  cbxStatus = Put<TComboBox>(this, "cbxStatus", 118, top, 120, 21);
  cbxStatus->Style = csDropDownList;
  lblProtocol = Put<TLabel>(this, "lblProtocol", 250, top + 3, 60, 13, "Protocol");
  edtProtocol = Put<TEdit>(this, "edtProtocol", 310, top, 80, 21);
  lblProtocol->Visible = false;
  edtProtocol->Visible = false;
  edtProtocol->Enabled = false;
  lblWeight = Put<TLabel>(this, "lblWeight", 250, 75, 60, 13, "Weight");
  edtWeight = Put<TEdit>(this, "edtWeight", 310, 72, 80, 21);
  cbxBackup = Put<TComboBox>(this, "cbxBackup", 310, 132, 80, 21);
  for (TControl* hidden : std::initializer_list<TControl*>{lblWeight, edtWeight, cbxBackup}) hidden->Visible = false;
  btnSet = PutButton(this, "btnSet", "Set", 118, top + 36, 80, 25, &TIpv6StaticRouteEditForm::btnSetClick);
  btnClose = PutButton(this, "btnClose", "Close", 212, top + 36, 80, 25, &TIpv6StaticRouteEditForm::btnCloseClick);
  // Emptied when shown, not when activated: a box of its own checks activates it again.
  OnShow = Handler(this, &TIpv6StaticRouteEditForm::FormShow);
  DoCreate();
}

void TIpv6StaticRouteEditForm::FormShow(TObject*) {
  cbxStatus->ItemIndex = kCreateAndGo;
  cbxStatus->Enabled = false;
  const bool general = RouteEditMode != 2;
  edtDst->Text = general ? "" : kUnspecified;
  edtPrefix->Text = general ? "" : "0";
  edtDst->Enabled = general;
  edtPrefix->Enabled = general;
  for (TEdit* edit : {edtInterface, edtNextHop, edtWeight, edtProtocol, edtMetric}) edit->Text = "";
  edtProtocol->Enabled = false;
}

bool TIpv6StaticRouteEditForm::IsValidIPv6Hex(const std::string& text) {
  return IsValidHexString(text, NvHexCheck{32, "Please input a valid IPv6 address"});
}

bool TIpv6StaticRouteEditForm::CheckRouteInput() {
  if (RouteEditMode == 1) {
    if (edtDst->Text().empty()) return Refuse("Please Set Destination Address");
    if (!IsValidIPv6Hex(edtDst->Text)) return Refocus(edtDst);
    if (edtPrefix->Text().empty()) return Refuse("Please Set Prefix length");
    if (!NumberInRangeTyped(edtPrefix, 0, 128, "Prefix should between 0-128")) return false;
  }
  if (edtNextHop->Text().empty()) return Refuse("Please Set Next Hop Address");
  if (!IsValidIPv6Hex(edtNextHop->Text)) return Refocus(edtNextHop);
  if (edtNextHop->Text() == edtDst->Text())
    return Refuse("Duplicate IP address, Please input a valid Next Hop", edtNextHop);
  if (edtMetric->Text().empty()) return true;
  return NumberInRangeTyped(edtMetric, 1, 65535, "Metric should between 1-65535");
}

void TIpv6StaticRouteEditForm::btnSetClick(TObject*) {
  if (!CheckRouteInput()) return;
  std::vector<int> leftOut;
  if (edtMetric->Text().empty()) leftOut.push_back(TIpv6StaticRouteForm::kVarMetric);
  WriteAndWait(ParentDialog->Table, leftOut);
}

void TIpv6StaticRouteEditForm::btnCloseClick(TObject*) { ModalResult = mrCancel; }
