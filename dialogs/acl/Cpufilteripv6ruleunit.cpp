#include "Cpufilteripv6ruleunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"

TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm = nullptr;

namespace {

// Variables of CpuFilterIpv6RuleTable.
enum : int {
  VarProfileId = 0, VarAccessId = 1, VarClass = 2, VarFlowLabel = 3, VarSourceAddress = 4, VarDestinationAddress = 5,
  VarPermit = 6, VarRowStatus = 7, VarPort = 8
};

const NvAclTexts kTexts{
    .ProfileKeyMissing = "Profile ID must be set.",
    .AccessKeyMissing = "Access ID must be set.",
    .Duplicate = "Has already a record with the same Profile ID and Access ID. Please change eithor of them.",
    .RowStatus = "Row State must be checked and set to createAndGo.",
    .EmptyField = "Some check field is empty",
};

// The value formats check these only when the edit is left; Add may come first.
constexpr NvHexCheck FlowLabelCheck{8, "Invalid data!"};
constexpr NvHexCheck AddressCheck{32, "Invalid Ipv6 Address value"};

constexpr int kWidth = 701, Buttons = kWidth - 120, ListHeight = 190;
constexpr int RowTop(int r) { return ListHeight + 16 + 24 * r; }
constexpr int kLeft = 8, LeftControl = 130, kRight = 290, RightControl = 420;

}  // namespace

TCPUFilterIPV6RuleForm::TCPUFilterIPV6RuleForm(TComponent* Owner)
    : TAclBasicFormRuleBase(Owner, kWidth, 522, kTexts, NvScale::ByDpi) {
  Name = "CPUFilterIPV6RuleForm";
  Caption = "IPv6 Rule (CPU Interface Filtering)";

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, Buttons - 16, ListHeight);
  ProfileIDEdit = Put<TEdit>(this, "ProfileIDEdit", 0, 0, 90, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Profile ID"), ProfileIDEdit, kLeft + 18, LeftControl, RowTop(0));
  AccessEdit = Put<TEdit>(this, "AccessEdit", 0, 0, 90, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Access ID"), AccessEdit, kLeft + 18, LeftControl, RowTop(1));
  ClassEdit = Put<TEdit>(this, "ClassEdit", 0, 0, 100, 21);
  cbxClass = PutIncludeRow("cbxClass", "Class", ClassEdit, kRight, RightControl, RowTop(0));
  FlowLabelEdit = Put<TEdit>(this, "FlowLabelEdit", 0, 0, 100, 21);
  cbxFlowLabel = PutIncludeRow("cbxFlowLabel", "Flow Label", FlowLabelEdit, kRight, RightControl, RowTop(1));
  PermitComboBox = Put<TComboBox>(this, "PermitComboBox", 0, 0, 90, 21);
  cbxPermit = PutIncludeRow("cbxPermit", "Permit", PermitComboBox, kLeft, LeftControl, RowTop(2));
  RowComboBox = Put<TComboBox>(this, "RowComboBox", 0, 0, 100, 21);
  cbxRow = PutIncludeRow("cbxRow", "Row Status", RowComboBox, kRight, RightControl, RowTop(2));
  // The addresses take 32 digits: a line each.
  SourceIPV6Edit = Put<TEdit>(this, "SourceIPV6Edit", 0, 0, 260, 21);
  cbxSource = PutIncludeRow("cbxSource", "Rule Source IPv6 Address", SourceIPV6Edit, kLeft, 210, RowTop(3));
  DestIPV6Edit = Put<TEdit>(this, "DestIPV6Edit", 0, 0, 260, 21);
  cbxDestination = PutIncludeRow("cbxDestination", "Rule Destination IPv6 Address", DestIPV6Edit, kLeft, 210, RowTop(4));
  StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, RowTop(5) + 4, Buttons - 16, 136);

  StaticText1 = PutSamples(this, "StaticText1", Buttons + 8, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::GetButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::AddButtonClick);
  EditButton = PutButton(this, "EditButton", "Edit", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::EditButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::DeleteButtonClick);
  AddCheckButton =
      PutButton(this, "AddCheckButton", "Check All", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::AddCheckButtonClick);
  CleanCheButton =
      PutButton(this, "CleanCheButton", "Clear Checks", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::CleanCheButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TCPUFilterIPV6RuleForm::CloseButtonClick);
  StackButtons(Buttons + 8, 52,
               {GetButton, AddButton, EditButton, DeleteButton, AddCheckButton, CleanCheButton, CloseButton});
  PutStatusBar();

  DeclareList(ListView1, &TCPUFilterIPV6RuleForm::ListView1Change);
  OnCreate = Handler(this, &TCPUFilterIPV6RuleForm::FormCreate);
  OnClose = Handler(this, &TCPUFilterIPV6RuleForm::FormClose);

  CountBox = StaticText1;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {ProfileIDEdit, AccessEdit};
  DetailEdits = {ProfileIDEdit, AccessEdit, ClassEdit, SourceIPV6Edit, DestIPV6Edit, FlowLabelEdit};
  ProfileKey = ProfileIDEdit;
  AccessKey = AccessEdit;
  RowStatusBox = RowComboBox;
  RowStatusColumn = VarRowStatus;
  PortColumn = VarPort;
  // The order in which CheckInput walks them.
  IncludeBoxes = {{cbxClass, VarClass, ClassEdit},
                  {cbxSource, VarSourceAddress, SourceIPV6Edit},
                  {cbxDestination, VarDestinationAddress, DestIPV6Edit},
                  {cbxFlowLabel, VarFlowLabel, FlowLabelEdit},
                  {cbxPermit, VarPermit, PermitComboBox},
                  {cbxRow, VarRowStatus, RowComboBox}};
  DoCreate();
}

void TCPUFilterIPV6RuleForm::FormCreate(TObject*) {
  CreateAndRead(StackingPortPanel, CpuFilterIpv6RuleTable, true,
                {{VarProfileId, "%i{n1x200}"},
                 {VarAccessId, "%i{n1x5}"},
                 {VarClass, "%i{n0x255}"},
                 {VarFlowLabel, "%h{l8f}"},
                 {VarSourceAddress, "%h{l32f}"},
                 {VarDestinationAddress, "%h{l32f}"}},
                [&] {
                  ChooseOption(PermitComboBox, "permit");
                  ChooseRowStatus(NvRowStatusName::CreateAndGo);
                });
}

bool TCPUFilterIPV6RuleForm::CheckInput() {
  if (!KeysGiven()) return false;
  const bool filled = TickedFieldsFilled([&](const NvIncludeBox& include) {
    auto* edit = dynamic_cast<TCustomEdit*>(include.Field);
    if (include.Column == VarFlowLabel) return HexDigitsExact(edit, FlowLabelCheck);
    if (include.Column == VarSourceAddress || include.Column == VarDestinationAddress)
      return HexDigitsExact(edit, AddressCheck);
    return true;
  });
  return filled && CheckPortSelected();
}

void TCPUFilterIPV6RuleForm::GetButtonClick(TObject*) { Refresh(); }

void TCPUFilterIPV6RuleForm::AddButtonClick(TObject*) {
  if (!CheckInput() || !KeyIsNew() || !PermitTicked(cbxPermit, PermitComboBox) || !RowStatusCreates(cbxRow)) return;
  WriteIncluded();
}

void TCPUFilterIPV6RuleForm::EditButtonClick(TObject*) {
  if (!ListView1->Selected() || !CheckInput()) return;
  ShowSelectedKeys();
  WriteIncluded();
}

void TCPUFilterIPV6RuleForm::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TCPUFilterIPV6RuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TCPUFilterIPV6RuleForm::AddCheckButtonClick(TObject*) { TickAll(true); }

void TCPUFilterIPV6RuleForm::CleanCheButtonClick(TObject*) { TickAll(false); }

void TCPUFilterIPV6RuleForm::CloseButtonClick(TObject*) { Close(); }

void TCPUFilterIPV6RuleForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
