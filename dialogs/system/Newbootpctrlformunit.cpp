#include "Newbootpctrlformunit.h"

#include "Bootctrltableformunit.h"
#include "DialogChecks.h"
#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"

namespace {
constexpr int kServersPerInterface = 4;
}  // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 341, 99, NvScale::Stored) {
  Name = "NewBootpCtrlForm";
  Position = poMainFormCenter;
  Label1 = Put<TLabel>(this, "Label1", 8, 11, 96, 13, "Interface Name");
  Edit1 = Put<TEdit>(this, "Edit1", 108, 8, 125, 21);
  Edit1->Text = "System";
  Edit1->Enabled = false;
  Label2 = Put<TLabel>(this, "Label2", 8, 39, 96, 13, "DHCP Server IP");
  Edit2 = Put<TEdit>(this, "Edit2", 108, 36, 125, 21);
  DeleteBtn = PutButton(this, "DeleteBtn", "Set", 248, 6, 75, 25, &TNewBootpCtrlForm::AddBtnClick);
  BitBtn1 = PutButton(this, "BitBtn1", "Close", 248, 36, 75, 25, &TNewBootpCtrlForm::BitBtn1Click);
  // When shown, not on every activation: its own boxes activate it again.
  OnShow = Handler(this, &TNewBootpCtrlForm::FormShow);
  DoCreate();
}

void TNewBootpCtrlForm::FormShow(TObject*) {
  Edit2->Enabled = true;
  Edit1->Text = "System";
  Edit2->Text = "";
}

void TNewBootpCtrlForm::AddBtnClick(TObject*) {
  auto* table = static_cast<TBOOTCtrlTableForm*>(ParentDialog);
  if (Edit1->Text().empty()) {
    Refuse("Interface Name is needed.", Edit1);
    return;
  }
  if (!IsValidIPString(Edit2->Text, NvIpCheckFull)) {
    Refuse("Please input a valid IP address.", Edit2);
    return;
  }
  // The servers are counted on the whole list, never on one cut short by a read under way.
  if (!ParentDialog->NoReadUnderWay(table->Table)) return;
  int servers = 0;
  for (int i = 0; i < table->ListView1->Items->Count; ++i) {
    if (table->ListView1->Items->Item[i]->Caption != Edit1->Text()) continue;
    if (++servers < kServersPerInterface) continue;
    MessageDlg("One interface can support four bootp servers at most.", mtWarning, mbOK, 0);
    return;
  }
  table->ComboBox1->ItemIndex = TBOOTCtrlTableForm::kCreateAndGo;
  if (!WriteAndWait(table->Table)) return;
  Edit1->Text = "";
  Edit2->Text = "";
}

void TNewBootpCtrlForm::BitBtn1Click(TObject*) { ModalResult = mrCancel; }
