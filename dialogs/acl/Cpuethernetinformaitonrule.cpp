#include "Cpuethernetinformaitonrule.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"
#include "PartialSet.h"
#include "PortPickers.h"

TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm = nullptr;

namespace {

// Variables of CpuFilterEthernetRuleTable beyond the shared ones.
enum : int { VarPermit = 7, VarRowStatus = 8, VarPorts = 9 };

const NvEthernetRuleLayout kLayout{.Width = 684, .Height = 555, .ListHeight = 120, .PermitRow = 2, .RowStatusRow = 3,
                                  .PermitColumn = VarPermit, .RowStatusColumn = VarRowStatus, .PortColumn = VarPorts};

}  // namespace

TCPUEthernetInformationRuleForm::TCPUEthernetInformationRuleForm(TComponent* Owner)
    : TAclEthernetRuleBase(Owner, kLayout) {
  Name = "CPUEthernetInformationRuleForm";
  Caption = "Ethernet Rule (CPU Interface Filtering)";
  Position = poDesigned;
  Left = 162;
  Top = 93;

  StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, RowTop(7) + 4, ButtonsLeft() - 16, 170);
  CleanCheButton =
      PutButton(this, "CleanCheButton", "Clear Checks", 0, 0, 88, 25, &TCPUEthernetInformationRuleForm::ClearChecksClick);
  Button1 = PutButton(this, "Button1", "Close", 0, 0, 88, 25, &TCPUEthernetInformationRuleForm::Button1Click);
  EditButton->OnClick = Handler(this, &TCPUEthernetInformationRuleForm::EditButtonClick);
  StackButtons(ButtonsLeft(), 52, {GetButton, EditButton, AddButton, DeleteButton, AddCheckButton, CleanCheButton, Button1});
  OnCreate = Handler(this, &TCPUEthernetInformationRuleForm::FormCreate);

  IncludeBoxes.insert(IncludeBoxes.end(),
                      {{cbxPermit, VarPermit, PermitComboBox}, {cbxRow, VarRowStatus, RowComboBox}});
  DoCreate();
}

void TCPUEthernetInformationRuleForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        PortPages = Put<TPageControl>(StackingPortPanel, "PortPages", 0, 0, 0, 0);
        PortPages->Align = alClient;
        PortPages->MultiLine = true;
        Picker = CreatePortPickerPage(this, "Ports", PortPages);
        BindShared(CpuFilterEthernetRuleTable, "%i{n1x3}", "%i{n1x5}");
        ClearDetailControls();
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
  IdleButtons();
}

void TCPUEthernetInformationRuleForm::EditButtonClick(TObject*) {
  if (!List->Selected() || !CheckInput()) return;
  RewriteSelectedRule([&](NvVarFlagsScope& flags) { LeaveOutUnticked(flags); });
}

void TCPUEthernetInformationRuleForm::Button1Click(TObject*) { Close(); }
