#include "Lldplocalsysdatatable.h"

#include "DialogChecks.h"
#include "LldpInfoFamily.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_lldp.h"
#include "ValueBoxes.h"

TLLDPLocSysDataForm* LLDPLocSysDataForm = nullptr;

namespace {
enum : int { VarSubtype = 0, VarId = 1, VarName = 2, VarDescription = 3, VarSupported = 4, VarEnabled = 5 };
constexpr int kHintLine = 100;  // characters of the name per line of its hint
constexpr int kValueLeft = 216;
constexpr int kValueWidth = 453 - kValueLeft;
}  // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(TComponent* Owner) : TFeatureDialog(Owner, 467, 228, NvScale::ByDpi) {
  Name = "LLDPLocSysDataForm";
  Caption = "Local System Data";
  auto label = [&](const char* name, const char* caption, int y) {
    return Put<TLabel>(this, name, 8, y + 3, 196, 13, caption);
  };
  // The values start right of the longest label, "Local System Capabilities Supported".
  auto edit = [&](const char* name, int y) { return Put<TEdit>(this, name, kValueLeft, y, kValueWidth, 21); };
  SubtypeLabel = label("SubtypeLabel", "Local Chassis ID Subtype", 6);
  subtypeText = PutValueBox(*this, "subtypeText", kValueLeft, 6, kValueWidth);
  IDLabel = label("IDLabel", "Local Chassis ID", 28);
  IDText = PutValueBox(*this, "IDText", kValueLeft, 28, kValueWidth);
  SysNameLabel = label("SysNameLabel", "Local System Name", 50);
  sysNameText = PutValueBox(*this, "sysNameText", kValueLeft, 50, kValueWidth);
  SysDescLabel = label("SysDescLabel", "Local System Description", 72);
  sysDescText = edit("sysDescText", 72);
  sysDescText->ReadOnly = true;
  sysDescText->Color = clBtnFace;
  CapSupportLabel = label("CapSupportLabel", "Local System Capabilities Supported", 94);
  CapSupportEdit = edit("CapSupportEdit", 94);
  CapEnableLabel = label("CapEnableLabel", "Local System Capabilities Enabled", 118);
  capEnableEdit = edit("capEnableEdit", 118);
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
        SystemData->BindEdits(VarDescription, "%s", sysDescText);
        SystemData->BindStaticText(VarSupported, tempText1);
        SystemData->BindStaticText(VarEnabled, tempText2);
        TrackWalks(SystemData);
        StartWalk(SystemData);
      },
      [&] { DataComplete = 1; });
}

void TLLDPLocSysDataForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  sysDescText->SelStart = 0;  // the description shown from its start
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
