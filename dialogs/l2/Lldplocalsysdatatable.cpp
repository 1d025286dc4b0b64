#include "Lldplocalsysdatatable.h"

#include <type_traits>

#include "DialogChecks.h"
#include "LldpInfoFamily.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_lldp.h"

TLLDPLocSysDataForm* LLDPLocSysDataForm = nullptr;

namespace {
enum : int { VarSubtype = 0, VarId = 1, VarName = 2, VarDescription = 3, VarSupported = 4, VarEnabled = 5 };
constexpr int kHintLine = 100;  // characters of the name per line of its hint
}  // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(TComponent* Owner) : TFeatureDialog(Owner, 467, 228, NvScale::ByDpi) {
  Name = "LLDPLocSysDataForm";
  Caption = "Local System Data";
  auto row = [&](const char* labelName, const char* caption, int y, auto*& value, const char* valueName) {
    TLabel* label = Put<TLabel>(this, labelName, 8, y + 3, 196, 13, caption);
    using Value = std::remove_reference_t<decltype(*value)>;
    value = Put<Value>(this, valueName, 208, y, 245, 19);
    return label;
  };
  SubtypeLabel = row("SubtypeLabel", "Local Chassis ID Subtype", 6, subtypeText, "subtypeText");
  IDLabel = row("IDLabel", "Local Chassis ID", 28, IDText, "IDText");
  SysNameLabel = row("SysNameLabel", "Local System Name", 50, sysNameText, "sysNameText");
  SysDescLabel = row("SysDescLabel", "Local System Description", 72, sysDescText, "sysDescText");
  CapSupportLabel =
      row("CapSupportLabel", "Local System Capabilities Supported", 94, CapSupportEdit, "CapSupportEdit");
  CapEnableLabel = row("CapEnableLabel", "Local System Capabilities Enabled", 118, capEnableEdit, "capEnableEdit");
  for (TStaticText* text : {subtypeText, IDText, sysNameText, sysDescText}) {
    text->AutoSize = false;
    text->BorderStyle = sbsSunken;
  }
  CapSupportEdit->Height = 21;
  capEnableEdit->Height = 21;
  sysNameText->ShowHint = true;
  tempText1 = Put<TStaticText>(this, "tempText1", 8, 8, 40, 19);
  tempText2 = Put<TStaticText>(this, "tempText2", 8, 8, 40, 19);
  tempText1->Visible = false;
  tempText2->Visible = false;
  GetButton = PutButton(this, "GetButton", "Refresh", 292, 146, 75, 25, &TLLDPLocSysDataForm::GetButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 378, 146, 75, 25, &TLLDPLocSysDataForm::CloseButtonClick);
  PutStatusBar();

  OnCreate = Handler(this, &TLLDPLocSysDataForm::FormCreate);
  OnClose = Handler(this, &TLLDPLocSysDataForm::FormClose);
  DoCreate();
}

void TLLDPLocSysDataForm::FormCreate(TObject*) {
  CapSupportEdit->Enabled = false;
  capEnableEdit->Enabled = false;
  FitColumnsAfterWalk = false;
  Guarded(
      [&] {
        SystemData = AddRequest(LldpLocalSystemDataTable, SVT_SV, 0);
        SystemData->BindStaticText(VarSubtype, subtypeText);
        SystemData->BindStaticText(VarId, IDText);
        SystemData->BindStaticText(VarName, sysNameText);
        SystemData->BindStaticText(VarDescription, sysDescText);
        SystemData->BindStaticText(VarSupported, tempText1);
        SystemData->BindStaticText(VarEnabled, tempText2);
        TrackWalks(SystemData);
        StartWalk(SystemData);
      },
      [&] { DataComplete = 1; });
}

void TLLDPLocSysDataForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  ShowCapabilities();
  ShowNameHint();
}

void TLLDPLocSysDataForm::ShowCapabilities() {
  CapSupportEdit->Text = BitsToNames(tempText1->Caption, NvLldpNames::LocalCapabilities);
  capEnableEdit->Text = BitsToNames(tempText2->Caption, NvLldpNames::LocalCapabilities);
}

void TLLDPLocSysDataForm::ShowNameHint() {
  std::string hint = sysNameText->Caption;
  const size_t lines = hint.size() / kHintLine;
  for (size_t k = 1; k <= lines && k * kHintLine < hint.size(); ++k) hint.insert(k * kHintLine, "\n");
  sysNameText->Hint = hint;
}

// A read still running is left to end: its values would otherwise arrive over the new ones.
void TLLDPLocSysDataForm::GetButtonClick(TObject*) {
  if (!SystemData || SystemData->Busy) return;
  Guarded([&] { StartWalk(SystemData); }, [&] { DataComplete = 1; });
  ShowCapabilities();
}

void TLLDPLocSysDataForm::CloseButtonClick(TObject*) { Close(); }

void TLLDPLocSysDataForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
