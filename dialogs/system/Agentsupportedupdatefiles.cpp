#include "Agentsupportedupdatefiles.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_agent.h"
#include "ValueBoxes.h"

TfrmAgentSupportedUpdateFiles* frmAgentSupportedUpdateFiles = nullptr;

namespace {
enum : int {
  VarIndex, VarDescription, VarAddress, VarTransferType, VarFile, VarLocateId, VarLoadType, VarControl,
  VarBIncrement, VarImageControlId, VarIpv6Address
};
const char* const kEmptyField = "Some checked field is empty!";
}  // namespace

TfrmAgentSupportedUpdateFiles::TfrmAgentSupportedUpdateFiles(TComponent* Owner)
    : TFeatureDialog(Owner, 706, 474, NvScale::ByDpi) {
  Name = "frmAgentSupportedUpdateFiles";
  Caption = "Agent Supported Update Files";

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 674, 168);
  Static = PutValueBox(*this, "Static", 8, 184, 60);
  Static->Alignment = taRightJustify;
  Static->Caption = "0";
  GetButton = PutButton(this, "GetButton", "Refresh", 434, 182, 80, 25, &TfrmAgentSupportedUpdateFiles::GetButtonClick);
  EditButton = PutButton(this, "EditButton", "Set", 518, 182, 80, 25, &TfrmAgentSupportedUpdateFiles::EditButtonClick);
  Button1 = PutButton(this, "Button1", "Close", 602, 182, 80, 25, &TfrmAgentSupportedUpdateFiles::Button1Click);

  // Text fields on the left, choices on the right, one tick box in front of each.
  const auto edit = [&](const char* name, int width) { return Put<TEdit>(this, name, 0, 0, width, 21); };
  const auto combo = [&](const char* name) {
    TComboBox* c = Put<TComboBox>(this, name, 0, 0, 130, 21);
    c->Style = csDropDownList;
    return c;
  };
  const auto top = [](int row) { return 218 + row * 26; };
  const auto left = [&](const char* boxName, const char* caption, int var, TWinControl* field, int row) {
    return Rows.PutRow(*this, boxName, caption, var, field, top(row), 188);
  };
  const auto right = [&](const char* boxName, const char* caption, int var, TWinControl* field, int row) {
    return Rows.PutRow(*this, boxName, caption, var, field, top(row), 548, 408);
  };
  Put<TLabel>(this, "LB_Index", 28, top(0) + 3, 0, 13, "File Index");
  ED_Index = Put<TEdit>(this, "ED_Index", 188, top(0), 80, 21);
  ED_Description = edit("ED_Description", 210);
  ED_IPAddress = edit("ED_IPAddress", 120);
  ED_Name = edit("ED_Name", 210);
  ED_LocateID = edit("ED_LocateID", 50);
  ED_MultipleImageControlID = edit("ED_MultipleImageControlID", 50);
  edt_FileIPv6Addr = edit("edt_FileIPv6Addr", 240);
  CBox_TransferType = combo("CBox_TransferType");
  CBox_LoadType = combo("CBox_LoadType");
  CBox_Control = combo("CBox_Control");
  CBox_FileBIncrement = combo("CBox_FileBIncrement");
  // Rows in the order of the variables, so that Check All and the write follow them.
  chk_FileDscr = left("chk_FileDscr", " File Description", VarDescription, ED_Description, 1);
  chk_FileAddr = left("chk_FileAddr", " File Address", VarAddress, ED_IPAddress, 2);
  chk_FileTransferType = right("chk_FileTransferType", " File Transfer Type", VarTransferType, CBox_TransferType, 0);
  chk_File = left("chk_File", " File Name", VarFile, ED_Name, 3);
  chk_FileLocateId = left("chk_FileLocateId", " File Locate ID", VarLocateId, ED_LocateID, 4);
  chk_FileLoadType = right("chk_FileLoadType", " File Load Type", VarLoadType, CBox_LoadType, 1);
  chk_FileCtrl = right("chk_FileCtrl", " File Control", VarControl, CBox_Control, 2);
  chk_FileBIncrement = right("chk_FileBIncrement", " File BIncrement", VarBIncrement, CBox_FileBIncrement, 3);
  chk_FileCtrlID = left("chk_FileCtrlID", " Multiple Image Control ID", VarImageControlId, ED_MultipleImageControlID, 5);
  chk_FileIPv6Addr = left("chk_FileIPv6Addr", " File IPv6 Address", VarIpv6Address, edt_FileIPv6Addr, 6);
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TfrmAgentSupportedUpdateFiles::ListView1Change);
  OnCreate = Handler(this, &TfrmAgentSupportedUpdateFiles::FormCreate);
  OnClose = Handler(this, &TfrmAgentSupportedUpdateFiles::FormClose);
  List = ListView1;
  CountBox = Static;
  RowButtons = {EditButton};
  LockedKeys = {ED_Index};
  DetailEdits = {ED_Index, ED_Description, ED_IPAddress, edt_FileIPv6Addr, ED_Name, ED_LocateID,
                 ED_MultipleImageControlID};
  DetailCombos = {CBox_TransferType, CBox_LoadType, CBox_Control, CBox_FileBIncrement};
  DoCreate();
}

void TfrmAgentSupportedUpdateFiles::FormCreate(TObject*) {
  Guarded(
      [&] {
        Table = AddRequest(AgentUpdateFilesTable, MVT_UMV, 1);
        Table->BindListView(ListView1, true);
        Table->BindEdits(VarIndex, "%s", ED_Index);
        Table->BindEdits(VarDescription, "%s{l64}", ED_Description);
        Table->BindEdits(VarAddress, "%s{l16}", ED_IPAddress);
        Table->BindControl(VarTransferType, CBox_TransferType);
        Table->BindEdits(VarFile, "%s{l128}", ED_Name);
        Table->BindEdits(VarLocateId, "%i{n1x16}", ED_LocateID);
        Table->BindControl(VarLoadType, CBox_LoadType);
        Table->BindControl(VarControl, CBox_Control);
        Table->BindControl(VarBIncrement, CBox_FileBIncrement);
        Table->BindEdits(VarImageControlId, "%s", ED_MultipleImageControlID);
        Table->BindEdits(VarIpv6Address, "%s{l32f}", edt_FileIPv6Addr);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  EditButton->Enabled = false;
  ShowIndexState();
}

void TfrmAgentSupportedUpdateFiles::ShowIndexState() { ED_Index->Color = ED_Index->Enabled ? clWhite : clBtnFace; }

void TfrmAgentSupportedUpdateFiles::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  IdleButtons();
  ShowIndexState();
}

void TfrmAgentSupportedUpdateFiles::ApplyEnablingRules() { ShowIndexState(); }

void TfrmAgentSupportedUpdateFiles::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

// A Refresh during a walk would fill the list twice; a failed start is reported in the status bar.
void TfrmAgentSupportedUpdateFiles::GetButtonClick(TObject*) { RefreshAll(); }

void TfrmAgentSupportedUpdateFiles::EditButtonClick(TObject*) {
  if (!Table || !List->Selected()) return;
  if (NvTickRows::Ticked(chk_FileAddr) && !IsValidIPString(ED_IPAddress->Text, NvIpCheckFull)) {
    Refocus(ED_IPAddress);
    return;
  }
  const std::pair<TCheckBox*, TEdit*> required[] = {{chk_FileDscr, ED_Description},
                                                    {chk_File, ED_Name},
                                                    {chk_FileIPv6Addr, edt_FileIPv6Addr},
                                                    {chk_FileLocateId, ED_LocateID},
                                                    {chk_FileCtrlID, ED_MultipleImageControlID}};
  for (const auto& [box, field] : required)
    if (!CheckRequiredIfChecked(box, field, kEmptyField)) return;
  const NvSetStep step[] = {Rows.TickedStep()};
  if (step[0].Carries.empty()) return;  // nothing ticked: an empty SET would change nothing
  const auto open = StillOpen();
  WriteAndReread(step);
  if (!open()) return;
  ClearDetailControls();
  Rows.ClearAll();
}

void TfrmAgentSupportedUpdateFiles::Button1Click(TObject*) { Close(); }

void TfrmAgentSupportedUpdateFiles::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
