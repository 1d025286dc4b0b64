#include "FeatureDialog.h"

#include <chrono>
#include <string>
#include <thread>

#include "DialogReads.h"
#include "Dialogs.h"
#include "FormHelpers.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest2Edits.h"
#include "PortPickers.h"

TFeatureDialog::TFeatureDialog(TComponent* AOwner, int width, int height, NvScale scale, NvPlacement placement)
    : TBasicForm(AOwner), reads_(std::make_unique<NvDialogReads>()) {
  Position = placement.Position;
  if (placement.Position == poDesigned) {
    Left = placement.Left;
    Top = placement.Top;
  }
  BorderStyle = bsDialog;
  if (placement.ClientSize) {
    ClientWidth = width;
    ClientHeight = height;
  } else {
    Width = width;
    Height = height;
  }
  if (scale != NvScale::Stored) ScaleFormForDpi(this);
  if (scale == NvScale::Twice) ScaleFormForDpi(this);
  DataComplete = 0;
}

// The dialog's own part is gone by now: no event may reach its handlers.
TFeatureDialog::~TFeatureDialog() {
  *alive_ = false;
  FreeAll(false);
}

// ---------------------------------------------------------------------------------------
// Requests

void TFeatureDialog::AdoptRequest(NvSNMPRequest2Edits* request, const NvSNMPVar* table, NvListKind kind,
                                  int indexCount) {
  requests_.push_back(request);
  request->Gate = reads_.get();
  request->Request.Vars = NvSNMPVarList(table, kind, indexCount);
  request->RowChosenHandler = [this, request] {
    if (request->ListView && request->ListView == List) RowChosen();
  };
  if (StatusBar1 && StatusBar1->Panels->Count > 0) request->SetStatusPanel(StatusBar1->Panels->Items[0]);
}

NvSNMPRequest2Edits* TFeatureDialog::AddBlockingRequest(const NvSNMPVar* table, int timeOut) {
  NvSNMPRequest2Edits* request = AddRequest(table, SVT_SV, 0);
  request->Asynchronous = 0;
  if (timeOut > 0) request->Request.TimeOut = timeOut;
  return request;
}

void TFeatureDialog::TrackWalks(NvSNMPRequest2Controls* request) {
  request->GetDoneHandler = [this](NvSNMPRequest2Controls* sender, NvSNMPError* error) { GetCompleted(sender, error); };
}

void TFeatureDialog::TrackWrites(NvSNMPRequest2Controls* request) {
  request->SetDoneHandler = [this](NvSNMPRequest2Controls* sender, NvSNMPError* error) { SetCompleted(sender, error); };
}

void TFeatureDialog::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  // With a completion handler installed the request shows no error of its own; a failed walk
  // must not leave the last success line standing.
  if (Sender && Error && Error->Code != 0) Sender->ShowStatus(Error->Message);
  if (Sender == Table) ShowRowCount();
  if (Sender && Sender->ReadWaiting()) return;  // the read asked for meanwhile ends it
  DataComplete = 1;
  if (FitColumnsAfterWalk) FitColumnsToContents();
}

void TFeatureDialog::SetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  // A completion handler replaces the request's own report; a refused write must not pass
  // for a good one behind the walk that follows.
  if (Sender && Error) Sender->ShowSetError(Error);
  DataComplete = 1;
}

bool TFeatureDialog::WaitSetCompleted(NvSNMPRequest2Controls* request) {
  // The reply, at worst the time-out of the last retry, comes within this; then a margin.
  const auto limit = std::chrono::milliseconds(request->Request.TimeOut * 10 * (request->Request.Retries + 1) + 1000);
  const auto start = std::chrono::steady_clock::now();
  const std::shared_ptr<const bool> binding = request->Lifetime();
  const std::shared_ptr<const bool> dialog = alive_;
  while (DataComplete == 0 && request->Request.Active) {
    if (std::chrono::steady_clock::now() - start >= limit) break;
    Application->ProcessMessages();
    if (!*dialog) return false;  // closed and freed beneath the wait
    if (!*binding || closed_) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const bool completed = DataComplete != 0;
  DataComplete = 1;  // never leave the dialog locked
  return completed;
}

// No reply reaches the window after it has gone: outstanding ones are waited for, and a
// binding still waiting after that goes with its last reply.
void TFeatureDialog::FreeRequest(NvSNMPRequest2Controls* request) {
  request->Gate = nullptr;
  reads_->Forget(request);
  NvSNMPRequest2Controls::Release(request);
}

// ---------------------------------------------------------------------------------------
// Read outcomes

const NvSNMPError* TFeatureDialog::ReadFailure() const { return reads_->Failure(); }

bool TFeatureDialog::ReadsAllowWrite() {
  const NvSNMPError* failure = ReadFailure();
  if (!failure) return true;
  ShowMessage(failure->Message);
  return false;
}

// ---------------------------------------------------------------------------------------
// Failures

void TFeatureDialog::ShowFailure(const Exception& e) {
  if (StatusBar1 && StatusBar1->Panels->Count > 0)
    StatusBar1->Panels->Items[0]->Text = e.Message;
  else if (StatusBar1)
    StatusBar1->SimpleText = e.Message;
}

void TFeatureDialog::ShowFailureStatus(NvSNMPRequest2Controls* request, const Exception& e) {
  if (request) request->ShowStatus(e.Message);
}

bool TFeatureDialog::Guarded(const std::function<void()>& body, const std::function<void()>& onFailure) {
  try {
    body();
    return true;
  } catch (const Exception& e) {
    if (onFailure) onFailure();
    ShowFailure(e);
    return false;
  }
}

bool TFeatureDialog::Guarded(NvSNMPRequest2Controls* statusOf, const std::function<void()>& body,
                             const std::function<void()>& onFailure) {
  try {
    body();
    return true;
  } catch (const Exception& e) {
    if (onFailure) onFailure();
    ShowFailureStatus(statusOf, e);
    return false;
  }
}

bool TFeatureDialog::Refuse(const std::string& message, TWinControl* focus) {
  ShowMessage(message);
  return Refocus(focus);
}

bool TFeatureDialog::Refocus(TWinControl* focus) {
  if (focus && focus->Enabled && focus->Visible) ActiveControl = focus;
  return false;
}

// ---------------------------------------------------------------------------------------
// Walks

bool TFeatureDialog::StartWalk(NvSNMPRequest2Controls* request) {
  DataComplete = 0;
  request->Request.Active = 1;
  const std::shared_ptr<const bool> binding = request->Lifetime();
  const std::shared_ptr<const bool> dialog = alive_;
  request->Get();
  // The rows of a blocking walk let a close through: then nothing here is touched again.
  if (!*dialog || !*binding || closed_) return false;
  // Nothing under way: a blocking read that has ended, or a walk that could not start and
  // will never call GetCompleted.
  if (request->Busy) return true;
  DataComplete = 1;
  if (request == Table) ShowRowCount();
  if (FitColumnsAfterWalk) FitColumnsToContents();
  return true;
}

void TFeatureDialog::ReadScalar(NvSNMPRequest2Controls* request) {
  request->Request.Active = 1;
  Guarded([&] { request->Get(); });
}

// ---------------------------------------------------------------------------------------
// Handler families

bool TFeatureDialog::NoReadUnderWay(NvSNMPRequest2Controls* request, const char* notCompleteText) {
  if (!request || closed_) return false;
  if (!request->Reading()) return true;
  if (!request->Request.Active) {
    const std::shared_ptr<const bool> binding = request->Lifetime();
    const std::shared_ptr<const bool> dialog = alive_;
    request->StopAndWait();
    if (!*dialog || !*binding || closed_) return false;
    if (!request->Reading()) return true;
  }
  ShowMessage(notCompleteText);
  return false;
}

bool TFeatureDialog::WriteAllowed(const char* notCompleteText, NvMissingRequestTest order) {
  if (order == NvMissingRequestTest::First && !Table) return false;
  if (DataComplete == 0) {
    ShowMessage(notCompleteText);
    return false;
  }
  if (!ReadsAllowWrite()) return false;
  if (!Table) return false;
  if (Table->Busy) {
    ShowMessage(notCompleteText);
    return false;
  }
  return true;
}

void TFeatureDialog::ShowRowCount() {
  if (!CountBox || !List) return;
  // A list that a failed read left empty counts nothing: the switch's table is not empty.
  const bool failed = Table && Table->LastReadError().Code != 0;
  CountBox->Caption = failed ? std::string() : std::to_string(List->Items->Count);
}

static void EnableAll(const std::vector<TControl*>& controls, bool enabled) {
  for (TControl* control : controls) control->Enabled = enabled;
}

void TFeatureDialog::RowSelectionChanged() {
  const bool selected = List && List->Selected() != nullptr;
  ShowRowButtons(selected);
  if (!selected) ClearDetailControls();
}

void TFeatureDialog::ShowRowButtons(bool selected) {
  EnableAll(RowButtons, selected);
  EnableAll(AddButtons, !selected);
  EnableAll(LockedKeys, !selected);
}

void TFeatureDialog::RowChosen() {
  if (closed_) return;
  TListItem* row = List ? List->Selected() : nullptr;
  if (row)
    ShowChosenRow(row);
  else
    ClearDetailControls();
  // The stock states first: a dialog's rules may refine them (a key's colour, a row that
  // cannot be deleted).
  ShowRowButtons(row != nullptr);
  ApplyEnablingRules();
  AcceptShownTexts();
}

void TFeatureDialog::ShowChosenRow(TListItem*) {}

void TFeatureDialog::ApplyEnablingRules() {}

void TFeatureDialog::ShowNoRow() {
  ClearDetailControls();
  ShowStartingChoices();  // also where a dialog clears its details in its own way
  ApplyEnablingRules();
  AcceptShownTexts();
}

void TFeatureDialog::AcceptShownTexts() {
  for (NvSNMPRequest2Controls* request : requests_)
    if (auto* edits = dynamic_cast<NvSNMPRequest2Edits*>(request); edits && edits->ListView && edits->ListView == List)
      edits->AcceptShownTexts();
}

void TFeatureDialog::IdleButtons() {
  // The idle state has no row chosen: none stays highlighted behind idle buttons and emptied
  // details, where choosing it again would change nothing.
  if (List && List->Selected()) List->ClearSelection();
  ShowRowButtons(false);
}

void TFeatureDialog::ClearDetailControls() {
  for (TStackingPortUitForm** picker : Pickers)
    if (*picker) (*picker)->UncheckAll();
  for (TCustomEdit* edit : DetailEdits) edit->Text = "";
  for (TComboBox* combo : DetailCombos) combo->ItemIndex = -1;
  for (TComboBox* combo : DetailFirstItemCombos) combo->ItemIndex = combo->Items->Count > 0 ? 0 : -1;
  for (TCheckBox* box : DetailChecks) box->Checked = false;
  ShowStartingChoices();
}

void TFeatureDialog::ShowStartingChoices() {
  for (const StartingChoice& choice : StartingChoices) choice.Combo->ItemIndex = choice.Combo->Items->IndexOf(choice.Item);
}

bool TFeatureDialog::RefreshAll(const char* notCompleteText) {
  // Refused only where the dialog says so, and never after a walk the user stopped (its last
  // reply is still to come); otherwise the reads follow the one under way, so that what changed
  // behind it is shown.
  const bool stoppedWalk = Table && Table->Reading() && !Table->Request.Active;
  if (DataComplete == 0 && notCompleteText && !stoppedWalk) {
    ShowMessage(notCompleteText);
    return false;
  }
  for (NvSNMPRequest2Edits* scalar : Scalars) ReadScalar(scalar);
  if (!Table) return true;
  bool open = true;
  Guarded(
      [&] {
        open = StartWalk(Table);
        if (open) ShowRowCount();
      },
      [&] { DataComplete = 1; });
  if (!open) return true;  // closed during the walk
  ShowRowCount();
  IdleButtons();
  ShowNoRow();
  return true;
}

bool TFeatureDialog::WriteAndReread(std::span<const NvSetStep> steps, NvAfterRefusedSet afterRefused,
                                    NvSetOutcome* outcome) {
  if (!Table || !NoReadUnderWay(Table)) return false;
  NvSNMPRequest2Edits* table = Table;
  const std::shared_ptr<const bool> binding = table->Lifetime();
  const std::shared_ptr<const bool> dialog = alive_;
  DataComplete = 0;
  table->Request.Active = 1;
  bool taken = false;
  bool closed = false;
  const bool ranThrough = Guarded(
      [&] {
        taken = SendSetSequence(table, steps, afterRefused, outcome);
        closed = !*dialog || !*binding || closed_;
        if (closed) return;
        closed = !StartWalk(table);
        if (!closed) ShowNoRow();
      },
      [&] { DataComplete = 1; });
  return ranThrough && taken && !closed;
}

bool TFeatureDialog::DeleteAllowed(const char* notCompleteText, const char* question) {
  if (!WriteAllowed(notCompleteText)) return false;
  if (!List || !List->Selected()) return false;
  if (question && MessageDlg(question, mtConfirmation, mbOKCancel, 0) != mrOk) return false;
  return List->Selected() != nullptr && DataComplete != 0 && !Table->Busy;
}

bool TFeatureDialog::WriteAwaitAndReread(const std::function<void()>& afterSending) {
  if (!Table || !NoReadUnderWay(Table)) return false;
  NvSNMPRequest2Edits* table = Table;
  const std::shared_ptr<const bool> binding = table->Lifetime();
  const std::shared_ptr<const bool> dialog = alive_;
  DataComplete = 0;
  table->Request.Active = 1;
  bool closed = false;
  const bool ranThrough = Guarded(
      [&] {
        const bool sent = table->Set(false, true);
        if (afterSending) afterSending();
        if (sent) WaitSetCompleted(table);  // nothing went out: no completion will come
        closed = !*dialog || !*binding || closed_;
        if (!closed) closed = !StartWalk(table);
      },
      [&] { DataComplete = 1; });
  return ranThrough && !closed;
}

bool TFeatureDialog::ConfirmDeleteSelectedRow(int statusColumn, const std::string& deleteValue) {
  if (!Table || !List || !List->Selected()) return true;
  NvSNMPRequest2Edits* table = Table;
  const std::shared_ptr<const bool> binding = table->Lifetime();
  const std::shared_ptr<const bool> dialog = alive_;
  table->ReadSelectedRow();
  bool closed = false;
  Guarded(
      [&] {
        ConfirmDeleteRow(table, statusColumn, deleteValue);
        // The rows of the blocking walk after the SET let a close through.
        closed = !*dialog || !*binding || closed_;
        if (!closed && table->Busy) DataComplete = 0;  // GetCompleted ends it
      },
      [&] { DataComplete = 1; });
  return !closed;
}

bool TFeatureDialog::SelectedRowToControls() {
  if (!Table || !List || !List->Selected()) return false;
  Table->ReadSelectedRow();
  Table->ValuesToControls(-1);
  return true;
}

NvSetStep TFeatureDialog::IncludedStep() const {
  NvSetStep step;
  for (int k = IndexCount; k < VarCount; ++k) {
    auto* box = k < IncludeControls->Count ? static_cast<TControl*>(IncludeControls->Get(k)) : nullptr;
    bool carried = true;
    if (k != ExemptVar) {
      if (auto* check = dynamic_cast<TCheckBox*>(box)) carried = check->Checked && check->Enabled;
      else if (auto* radio = dynamic_cast<TRadioButton*>(box)) carried = radio->Checked && radio->Enabled;
    }
    if (carried) step.Carries.push_back(k);
  }
  return step;
}

bool TFeatureDialog::WriteThenReread(std::span<const NvSetStep> steps, NvSetOutcome* outcome) {
  if (!Table || !NoReadUnderWay(Table)) return false;
  NvSNMPRequest2Edits* table = Table;
  const std::shared_ptr<const bool> binding = table->Lifetime();
  const std::shared_ptr<const bool> dialog = alive_;
  DataComplete = 0;
  setRepliesAwaited_ = 0;
  table->SetDoneHandler = [this](NvSNMPRequest2Controls* sender, NvSNMPError* error) {
    RereadAfterSetReply(sender, error);
  };
  // Replies that come while the sequence is still sending are counted out already.
  const int pendingBefore = table->Request.PendingReplies;
  bool taken = false;
  const bool sent = Guarded([&] { taken = SendSetSequence(table, steps, NvAfterRefusedSet::Stop, outcome); });
  // Closed while a step waited: the SETs sent stand, and nothing here is touched again.
  if (!*dialog) return false;
  if (!*binding || closed_) return false;
  setRepliesAwaited_ = table->Request.PendingReplies - pendingBefore;
  if (setRepliesAwaited_ <= 0) {
    setRepliesAwaited_ = 0;
    bool open = true;
    Guarded([&] { open = StartWalk(table); }, [&] { DataComplete = 1; });
    if (!open) return false;  // closed during the walk
  }
  ShowNoRow();
  return sent && taken;
}

void TFeatureDialog::RereadAfterSetReply(NvSNMPRequest2Controls* sender, NvSNMPError* error) {
  sender->OnSetDone(error);
  if (setRepliesAwaited_ == 0 || --setRepliesAwaited_ > 0) return;
  if (closed_ || sender != Table) {
    DataComplete = 1;
    return;
  }
  Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
}

void TFeatureDialog::StopWalk() {
  if (Table) Table->Stop();
}

bool TFeatureDialog::MayClose(const char* notCompleteText) {
  if (DataComplete != 0) return true;
  ShowMessage(notCompleteText);
  return false;
}

void TFeatureDialog::CloseRequests() { FreeAll(true); }

void TFeatureDialog::FreeAll(bool closing) {
  if (closed_) return;
  closed_ = true;
  if (closing && List) List->ClearSelection();
  // Requests first: their bindings point at the pickers' boxes until they are gone.
  for (NvSNMPRequest2Controls* request : requests_) {
    if (!closing) {
      // A reply that comes while the request is waited for must reach neither the list (its
      // change events go to handlers of the part already destroyed) nor this dialog.
      request->Stop();
      request->DetachFromWindow();
      request->GetDoneHandler = nullptr;
      request->SetDoneHandler = nullptr;
    }
    FreeRequest(request);
  }
  requests_.clear();
  Table = nullptr;
  Scalars.clear();
  // Without a close the pickers go with the window's other components.
  if (closing)
    for (TStackingPortUitForm** picker : Pickers) FreePortPicker(*picker);
  Pickers.clear();
  for (const auto& freePopup : popups_) freePopup();
  popups_.clear();
}

TStackingPortUitForm* TFeatureDialog::CreatePortPicker(TComponent* owner, TWinControl* container, int columns,
                                                      int ports) {
  return ::CreatePortPicker(owner, container, columns, ports);
}

TStatusBar* TFeatureDialog::PutStatusBar() {
  StatusBar1 = new TStatusBar(this);
  StatusBar1->Name = "StatusBar1";
  StatusBar1->Parent = this;
  StatusBar1->Align = alBottom;
  StatusBar1->Panels->Add()->Width = 2000;
  return StatusBar1;
}

void TFeatureDialog::PlaceInRow(int left, int top, std::initializer_list<TControl*> controls) {
  int x = left;
  for (TControl* control : controls) {
    const bool label = dynamic_cast<TLabel*>(control) != nullptr;
    control->SetBounds(x, label ? top + 3 : top, control->Width, control->Height);
    x += control->Width + (label ? 4 : 14);
  }
}

void TFeatureDialog::FitColumnsToContents() {
  if (!List) return;
  for (int i = 0; i < List->Columns->Count; ++i) {
    TListColumn* column = List->Columns->Items[i];
    if (column->Width() != 0) column->Width = -1;
  }
}
