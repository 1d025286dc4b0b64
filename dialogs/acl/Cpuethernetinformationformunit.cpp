#include "Cpuethernetinformationformunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"

namespace {

enum : int { VarRowStatus = 7 };

}  // namespace

TCPUEthernetInformationForm::TCPUEthernetInformationForm(TComponent* Owner)
    : TAclEthernetProfileBase(Owner, 683, 317, 118) {
  Name = "CPUEthernetInformationForm";
  Caption = "Ethernet Mask (CPU Interface Filtering)";
  Position = poDesigned;
  Left = 218;
  Top = 216;

  StaticText1 = PutSamples(this, "StaticText1", 571, 8);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TCPUEthernetInformationForm::CloseButtonClick);
  StackButtons(571, 52, {BT_Get, AddBtn, BT_Delete, CloseButton, SetBtn});
  OnCreate = Handler(this, &TCPUEthernetInformationForm::FormCreate);

  CountBox = StaticText1;
  DoCreate();
}

void TCPUEthernetInformationForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        BindShared(CpuFilterEthernetProfileTable, "%i{n1x3}", VarRowStatus);
        ChooseRowStatus(NvRowStatusName::CreateAndGo);
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
  IdleButtons();
  ClearDetailControls();
}

void TCPUEthernetInformationForm::CloseButtonClick(TObject*) { Close(); }
