#include "AacListDialog.h"

#include "NvSNMPRequest2Edits.h"
#include "ValueBoxes.h"

TAacListDialog::TAacListDialog(TComponent* Owner, int width, int height, int listHeight, const char* countBoxName)
    : TFeatureDialog(Owner, width, height, NvScale::ByDpi, NvPlacement{.Position = poScreenCenter, .ClientSize = true}) {
  const int column = width - 104;
  const int detailTop = listHeight + 16;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, column - 16, listHeight);
  DetailPanel = Put<TPanel>(this, "DetailPanel", 8, detailTop, column - 16, height - detailTop - 30);
  DetailPanel->BevelOuter = bvLowered;
  PutSamplesBox(*this, column, 8, countBoxName);
  GetButton = PutButton(this, "GetButton", "Refresh", column, 56, 90, 25, &TAacListDialog::GetButtonClick);
  AddButton = Put<TButton>(this, "AddButton", column, 88, 90, 25, "Add");
  EditButton = Put<TButton>(this, "EditButton", column, 120, 90, 25, "Edit");
  DeleteButton = PutButton(this, "DeleteButton", "Delete", column, 152, 90, 25, &TAacListDialog::DeleteButtonClick);
  btnClose = PutButton(this, "btnClose", "Close", column, 184, 90, 25, &TAacListDialog::btnCloseClick);
  PutStatusBar();
  ListView1->OnChange = Handler(this, &TAacListDialog::ListView1Change);
  OnClose = Handler(this, &TAacListDialog::FormClose);
  List = ListView1;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
}

void TAacListDialog::OpenTable(const NvSNMPVar* table, int indexCount) {
  Table = AddRequest(table, MVT_UMV, indexCount);
  Table->Asynchronous = 0;
  Table->BindListView(ListView1, true);
}

void TAacListDialog::FirstWalk() {
  IdleButtons();
  if (Table) Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
  else DataComplete = 1;
  ShowRowCount();
}

void TAacListDialog::GetButtonClick(TObject*) { RefreshAll(); }

bool TAacListDialog::Listed(const std::string& caption, const std::string* firstSubItem) const {
  for (int i = 0; i < ListView1->Items->Count; ++i) {
    TListItem* row = ListView1->Items->Item[i];
    if (row->Caption() != caption) continue;
    if (!firstSubItem || (row->SubItems->Count > 0 && row->SubItems->Get(0) == *firstSubItem)) return true;
  }
  return false;
}

NvSetStep TAacListDialog::WithFilled(NvSetStep step, std::initializer_list<std::pair<int, TCustomEdit*>> fields) {
  for (const auto& [var, edit] : fields)
    if (!edit->Text().empty()) step.Carries.push_back(var);
  return step;
}

void TAacListDialog::WriteRow(const NvSetStep& step) {
  WriteAndReread(std::span<const NvSetStep>(&step, 1));
  IdleState();
}

void TAacListDialog::DeleteButtonClick(TObject*) {
  if (ConfirmDeleteSelectedRow(StatusColumn, "destroy")) IdleState();
}

void TAacListDialog::IdleState() {
  IdleButtons();
  ClearDetailControls();
}

void TAacListDialog::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAacListDialog::btnCloseClick(TObject*) { Close(); }

void TAacListDialog::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
