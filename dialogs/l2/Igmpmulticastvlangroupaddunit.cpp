#include "Igmpmulticastvlangroupaddunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"

TIGMPMulticastVLANGroupAddForm* IGMPMulticastVLANGroupAddForm = nullptr;

TIGMPMulticastVLANGroupAddForm::TIGMPMulticastVLANGroupAddForm(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 331, 186, NvScale::ByDpi) {
  Name = "IGMPMulticastVLANGroupAddForm";
  Position = poDesigned;
  Left = 300;
  Top = 230;
  auto label = [&](const char* name, const char* text, int top) {
    return Put<TLabel>(this, name, 16, top + 3, 70, 13, text);
  };
  label("LB_VID", "VLAN ID", 16);
  edtVID = Put<TEdit>(this, "edtVID", 96, 16, 120, 21);
  label("LB_FormIP", "Form IP", 44);
  edtFormIP = Put<TEdit>(this, "edtFormIP", 96, 44, 120, 21);
  label("LB_ToIP", "To IP", 72);
  edtToIP = Put<TEdit>(this, "edtToIP", 96, 72, 120, 21);
  label("LB_State", "Status", 100);
  cbxState = Put<TComboBox>(this, "cbxState", 96, 100, 120, 21);
  cbxState->Style = csDropDownList;
  btnAdd = PutButton(this, "btnAdd", "Add", 232, 16, 75, 25, &TIGMPMulticastVLANGroupAddForm::btnAddClick);
  btnClose = PutButton(this, "btnClose", "Close", 232, 48, 75, 25, &TIGMPMulticastVLANGroupAddForm::btnCloseClick);
  KeyControls = {edtVID, edtFormIP, edtToIP};
  DoCreate();
}

void TIGMPMulticastVLANGroupAddForm::PrepareForAdd() {
  cbxState->ItemIndex = kCreateAndGo;
  cbxState->Enabled = false;
  for (TEdit* edit : {edtFormIP, edtToIP, edtVID}) edit->Text = "";
}

void TIGMPMulticastVLANGroupAddForm::btnAddClick(TObject*) {
  if (edtVID->Text().empty()) {
    Refuse("VLAN ID can't be empty.", edtVID);
    return;
  }
  if (!TypedValuesAccepted(ParentDialog->Table, {edtVID})) return;
  if (edtFormIP->Text().empty()) {
    Refuse("Form IP can't be empty.", edtFormIP);
    return;
  }
  if (!IsValidIPString(edtFormIP->Text, NvIpCheckShortTwoTexts)) {
    Refocus(edtFormIP);
    return;
  }
  if (edtToIP->Text().empty()) {
    Refuse("To IP can't be empty.", edtToIP);
    return;
  }
  if (!IsValidIPString(edtToIP->Text, NvIpCheckShortTwoTexts)) {
    Refocus(edtToIP);
    return;
  }
  cbxState->ItemIndex = kCreateAndGo;
  WriteAndWait(ParentDialog->Table);
}

void TIGMPMulticastVLANGroupAddForm::btnCloseClick(TObject*) { ModalResult = mrCancel; }
