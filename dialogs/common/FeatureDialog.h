// The base of the hand-made feature dialogs: what every dialog does alike, so that a dialog
// is its layout, its requests over descriptor tables, its bindings and texts, and the few
// handlers that are its own.
//
//   TMyForm::TMyForm(TComponent* AOwner) : TFeatureDialog(AOwner, 650, 455, NvScale::ByDpi) {
//     LV_Table = Put<TListView>(this, "LV_Table", 8, 8, 520, 170);
//     ...
//     DoCreate();                                     // FormCreate, as the stored layout would
//   }
//   void TMyForm::FormCreate(TObject*) {
//     Guarded([&] {
//       Table = AddRequest(MyTable, MVT_UMV, 1);      // status output: panel 0 of StatusBar1
//       Table->BindListView(LV_Table, true);
//       Table->BindEdits(0, "%i{n1x4094l4}", ED_Key);
//       TrackWalks(Table);                            // GetCompleted ends every walk
//       Table->Get();
//     }, [&] { DataComplete = 1; });
//   }
//   void TMyForm::AddBtnClick(TObject*) {
//     if (!WriteAllowed(NotCompleteText)) return;
//     WriteAndReread(AddSteps);                       // partial SETs, then the walk again
//   }
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "Basicform.h"
#include "ComCtrls.h"
#include "Exception.h"
#include "Forms.h"
#include "NvSNMPVarList.h"
#include "PartialSet.h"
#include "StdCtrls.h"

class NvDialogReads;
class NvSNMPRequest2Controls;
class NvSNMPRequest2Edits;
class TStackingPortUitForm;
struct NvSNMPError;

// The texts of the not-complete guards and of the dialogs' other fixed failures.
namespace NvDialogText {
inline constexpr const char* GetNotComplete = "Get data not complete";
inline constexpr const char* GetNotCompleteDot = "Get data not complete.";
inline constexpr const char* GetNotCompleteBang = "Get data not complete!";
inline constexpr const char* GetNotCompleted = "Get data not completed.";
inline constexpr const char* RefreshNotComplete = "Refresh not complete";
inline constexpr const char* RefreshNotCompleteCapital = "Refresh Not Complete";
inline constexpr const char* MemoryAllocProblem = "Memory alloc problem!";
}  // namespace NvDialogText

// Whether the constructor enlarges the stored size on screens other than 96 pixels per inch:
// once (×1.25), not at all, or twice (×1.5625, the dialogs whose own constructor scales again).
enum class NvScale { ByDpi, Stored, Twice };

// Where the dialog opens and what its size means. Default: centred on the main window, the
// size being the outer size.
struct NvPlacement {
  TPosition Position = poMainFormCenter;
  int Left = 0;             // poDesigned: the designed position
  int Top = 0;
  bool ClientSize = false;  // width and height are the client area's
};

// Where a write handler's missing-request test stands among the not-complete guards.
enum class NvMissingRequestTest { First, Second };

// A TBasicForm, so that every dialog has the include boxes (BindWithInclude, ApplyIncludeFlags,
// ExemptVar) at hand.
class TFeatureDialog : public TBasicForm {
 public:
  // width, height: the stored layout's size, placed as placement says.
  TFeatureDialog(TComponent* AOwner, int width, int height, NvScale scale, NvPlacement placement = {});
  ~TFeatureDialog() override;

  // 0 while a walk that the dialog started runs, 1 once it has ended however it ended.
  uint8_t DataComplete = 0;

  // ---- What a dialog declares (set in its constructor or FormCreate) ----
  TStatusBar* StatusBar1 = nullptr;          // panel 0 is every request's status output
  NvSNMPRequest2Edits* Table = nullptr;      // the request walked into List
  std::vector<NvSNMPRequest2Edits*> Scalars; // read beside it, each in its own block
  TListView* List = nullptr;
  TControl* CountBox = nullptr;              // "Samples"
  std::vector<TControl*> RowButtons;         // enabled with a selected row (Set, Edit, Delete)
  std::vector<TControl*> AddButtons;         // enabled without one (Add)
  std::vector<TControl*> LockedKeys;         // key controls disabled while a row is selected
  // What ClearDetailControls empties.
  std::vector<TCustomEdit*> DetailEdits;
  std::vector<TComboBox*> DetailCombos;      // text emptied (no item selected)
  std::vector<TComboBox*> DetailFirstItemCombos;  // first item selected
  std::vector<TCheckBox*> DetailChecks;      // unchecked
  // What a new entry starts from: each combo box with the item it shows on a fresh open, and
  // again whenever the details are cleared (no row chosen, Refresh, after a write).
  struct StartingChoice {
    TComboBox* Combo;
    const char* Item;
  };
  std::vector<StartingChoice> StartingChoices;
  // The dialog's picker members: every box unchecked by ClearDetailControls; freed (and the
  // members set to null) by CloseRequests.
  std::vector<TStackingPortUitForm**> Pickers;

  // ---- Requests ----
  // A request of this dialog over the table, its status output panel 0; freed by the dialog.
  // R: the binding class, a subclass that converts values for a dialog family, or the plain one.
  template <class R = NvSNMPRequest2Edits>
  R* AddRequest(const NvSNMPVar* table, NvListKind kind, int indexCount) {
    R* request = new R(this);
    AdoptRequest(request, table, kind, indexCount);
    return request;
  }
  // A request over the scalar group table that blocks the window for each read and write,
  // waiting up to timeOut hundredths of a second (0: the session's); freed by the dialog.
  NvSNMPRequest2Edits* AddBlockingRequest(const NvSNMPVar* table, int timeOut = 0);
  // Takes a request made elsewhere into the dialog's care, as AddRequest does.
  void AdoptRequest(NvSNMPRequest2Edits* request, const NvSNMPVar* table, NvListKind kind, int indexCount);
  // Every request the dialog holds, in the order it took them.
  const std::vector<NvSNMPRequest2Controls*>& Requests() const { return requests_; }
  // GetCompleted becomes the request's GetDoneHandler.
  void TrackWalks(NvSNMPRequest2Controls* request);
  // SetCompleted becomes the request's SetDoneHandler.
  void TrackWrites(NvSNMPRequest2Controls* request);
  // DataComplete 1, unless a read asked for meanwhile follows; an error that ended the walk
  // goes to the status output.
  virtual void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error);
  // The request's own report of the SET (a failure in a message box titled with the
  // application title), then DataComplete 1.
  virtual void SetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error);
  // After a Set: handles window messages until SetCompleted has run, the request was stopped
  // or freed, the dialog closed, or its time-out (with retries) has long passed; true when
  // SetCompleted ran. The dialog may be gone on return: check Lifetime() first.
  bool WaitSetCompleted(NvSNMPRequest2Controls* request);

  // ---- Failures ----
  // The message as the text of panel 0.
  void ShowFailure(const Exception& e);
  // The message through the request's status template.
  static void ShowFailureStatus(NvSNMPRequest2Controls* request, const Exception& e);
  // Runs body; a framework exception runs onFailure, then shows its message in panel 0.
  // Returns whether body ran through.
  bool Guarded(const std::function<void()>& body, const std::function<void()>& onFailure = nullptr);
  // The same, the message going through the request's status template.
  bool Guarded(NvSNMPRequest2Controls* statusOf, const std::function<void()>& body,
               const std::function<void()>& onFailure = nullptr);
  // An input refusal: the message shown, the focus to the control when it can take it; false.
  bool Refuse(const std::string& message, TWinControl* focus = nullptr);
  // After a check that has shown its own message: the focus to the control when it can take
  // it; false.
  bool Refocus(TWinControl* focus);

  // False once the dialog is gone; for callers that handle messages while it may close.
  std::shared_ptr<const bool> Lifetime() const { return alive_; }
  // Taken before a call that handles window messages (a write's wait): true afterwards while
  // the dialog has neither closed nor gone; otherwise nothing of it may be touched.
  //   const auto open = StillOpen();
  //   WriteThenReread(steps);
  //   if (!open()) return;
  std::function<bool()> StillOpen() const {
    return [alive = alive_, this] { return *alive && !closed_; };
  }
  // Whether the dialog's requests have been let go (it closed): nothing may be sent then.
  bool Closed() const { return closed_; }

  // ---- Walks ----
  // DataComplete 0, the request active, Get. A walk that could not start, or a blocking one
  // that has ended, leaves DataComplete 1. A read of the request under way (a stopped one
  // too) or SETs in flight: the walk starts once they have ended. Exceptions go to the caller.
  // False when the dialog closed during a blocking walk (its rows let a close through):
  // nothing of it may be touched then.
  bool StartWalk(NvSNMPRequest2Controls* request);
  // Active, and Get (after a read under way), in a block of its own (message to panel 0).
  void ReadScalar(NvSNMPRequest2Controls* request);

  // ---- Read outcomes ----
  // The failure of a request of this dialog whose last read failed; null when none did. While
  // there is one, every SET of the dialog's requests is refused with its message (nothing
  // built from a failed read reaches the switch), and after a blocking read that got no
  // answer the blocking reads chained after it in the same handler end at once with it.
  const NvSNMPError* ReadFailure() const;
  // False, after the failure's message, while ReadFailure holds.
  bool ReadsAllowWrite();

  // ---- The families of the handlers ----
  // The rule of every write while a read runs: a write through request is refused with
  // notCompleteText while a read of it is under way (its late rows would show what the switch
  // held before the write); a read the user has stopped is waited for first. True when the
  // write may go; false also when the request or the dialog went meanwhile.
  bool NoReadUnderWay(NvSNMPRequest2Controls* request, const char* notCompleteText = NvDialogText::GetNotComplete);
  // Not-complete guards of a write handler: DataComplete 0, Table busy or a failed read ->
  // message, false; no Table -> false silently.
  bool WriteAllowed(const char* notCompleteText, NvMissingRequestTest order = NvMissingRequestTest::Second);
  // RowCountHandler: the list's item count into the count box; empty after a failed read of
  // Table.
  void ShowRowCount();
  // RowSelectHandler: button and key states for the list's selection; without one also
  // ClearDetailControls.
  void RowSelectionChanged();

  // ---- The chosen row ----
  // The one path of every change of List's choice, by mouse, keys or the program (a walk
  // that empties the list under a chosen row too): the bound controls show the chosen row,
  // ShowChosenRow fills what the dialog fills itself, the button and key states follow
  // (RowButtons, AddButtons, LockedKeys), then ApplyEnablingRules. Without a chosen row
  // ClearDetailControls instead of the filling.
  // A refused entry then goes back to what the path has shown. It runs by itself for a List
  // bound to one of the dialog's requests. A dialog overrides the two hooks; it does not fill
  // details or run its rules from OnClick or OnSelectItem.
  void RowChosen();
  // The dialog's own detail controls from the chosen row, after the bound ones show it.
  virtual void ShowChosenRow(TListItem* row);
  // The dialog's enabling rules for the controls as they now stand (row shown or cleared).
  virtual void ApplyEnablingRules();
  // No row chosen (the selection cleared, through the chosen-row path): row buttons off, Add
  // on, keys on.
  void IdleButtons();
  virtual void ClearDetailControls();
  // Each of StartingChoices shows its item.
  void ShowStartingChoices();
  // RefreshHandler of a dialog that tracks DataComplete: with a text given, that text and
  // nothing more while a walk runs (unless the user stopped it); otherwise each scalar read, the
  // table walked again (after the read under way, a stopped walk's last reply, or SETs in
  // flight), the count, the detail controls cleared and the idle button states. False when it
  // did nothing.
  bool RefreshAll(const char* notCompleteText = nullptr);
  // The write steps of Set, Add and Delete (refused as NoReadUnderWay says): DataComplete 0, the SETs in order (each carrying
  // only its variables, each sent once the one before was taken), the walk again,
  // ClearDetailControls. On an exception the access words are back, DataComplete is 1 and the
  // message is in panel 0. False after an exception or a refused step; afterRefused and
  // outcome as SendSetSequence takes them.
  bool WriteAndReread(std::span<const NvSetStep> steps, NvAfterRefusedSet afterRefused = NvAfterRefusedSet::Stop,
                      NvSetOutcome* outcome = nullptr);
  // The Delete of a selected row through ConfirmDeleteRow: the selected row's values (not the
  // last walked row's) address the SET, and the walk that follows is tracked by DataComplete.
  // Call it after WriteAllowed, so that no walk overwrites the values meanwhile. False when
  // the dialog closed meanwhile: nothing of it may be touched then.
  bool ConfirmDeleteSelectedRow(int statusColumn, const std::string& deleteValue);
  // The selected row into the table's variables and its bound controls, so that a write
  // addresses that row and not whatever the controls hold meanwhile; false without one.
  bool SelectedRowToControls();
  // The SET of the include boxes: every variable whose box is checked and enabled, the exempt
  // one and those without a box.
  NvSetStep IncludedStep() const;
  // The guards of a Delete: WriteAllowed, a selected row, and the question answered with OK
  // when there is one; the selection is looked at again after the question.
  bool DeleteAllowed(const char* notCompleteText, const char* question = nullptr);
  // The write of a dialog that waits for it: one asynchronous SET of the chosen row (values
  // collected from the controls; SetCompleted installed), afterSending, a bounded wait for
  // SetCompleted, then the walk again. On an exception DataComplete is 1 and the message is in
  // panel 0. Refused as NoReadUnderWay says. A dialog closed during the wait is not touched:
  // the SET sent stands. False after an exception, a refusal or a close.
  bool WriteAwaitAndReread(const std::function<void()>& afterSending = nullptr);
  // The write steps of a dialog whose table is read again only once the switch has answered:
  // DataComplete 0, the SETs in order (each carrying only its variables, each sent once the one
  // before was taken), then one walk after the last reply, ended by GetCompleted. Each reply is reported by the table request (an
  // error reply in a message box). The table's SetDoneHandler is this sequence's from now on.
  // On an exception the message is in panel 0; the walk still follows the SETs already sent,
  // and with none DataComplete is 1. Refused as NoReadUnderWay says; a dialog closed while a
  // step waits is not touched again. False after an exception, a refused step or a close;
  // outcome, when given, tells which steps the switch does not hold.
  bool WriteThenReread(std::span<const NvSetStep> steps, NvSetOutcome* outcome = nullptr);
  // StopHandler: the walk ends at its next reply (GetCompleted then runs).
  void StopWalk();
  // CloseGuard: false, after the message, while a walk runs.
  bool MayClose(const char* notCompleteText = NvDialogText::GetNotComplete);
  // CloseHandler: the list selection cleared; every request stopped, waited for (no reply
  // reaches the window afterwards) and freed; then the pickers freed. Runs once; the
  // destructor runs it (without touching the selection) when the dialog never closed.
  void CloseRequests();
  // The pop-up, whoever owns it, is freed by CloseRequests after the requests its controls are
  // bound to, or with the dialog; member becomes null then.
  template <class P>
  void FreeWithDialog(P*& member) {
    popups_.push_back([&member] {
      delete member;
      member = nullptr;
    });
  }

  // ---- Layout ----
  // Both picker makers, the base form's and the free one, by their short name.
  using TBasicForm::CreatePortPicker;
  static TStackingPortUitForm* CreatePortPicker(TComponent* owner, TWinControl* container, int columns = 12,
                                                int ports = 64);
  // A control of the dialog named and placed on parent.
  template <class T>
  T* Put(TWinControl* parent, const char* name, int left, int top, int width, int height,
         const std::string& caption = std::string()) {
    T* control = new T(this);
    control->Name = name;
    control->Parent = parent;
    control->SetBounds(left, top, width, height);
    if (!caption.empty()) control->Caption = caption;
    return control;
  }
  // A button whose click runs the dialog's handler.
  template <class F>
  TButton* PutButton(TWinControl* parent, const char* name, const std::string& caption, int left, int top,
                     int width, int height, void (F::*handler)(TObject*)) {
    TButton* button = Put<TButton>(parent, name, left, top, width, height, caption);
    button->OnClick = Handler(static_cast<F*>(this), handler);
    return button;
  }
  // The status bar at the foot with one panel, the status output.
  TStatusBar* PutStatusBar();
  // Lays the controls out left to right from left on the line at top, each label close to
  // the control after it and a wider gap after the others; the controls keep their widths
  // (labels size themselves to their text).
  static void PlaceInRow(int left, int top, std::initializer_list<TControl*> controls);
  // Every shown column of List as wide as its header and cells; hidden ones stay hidden.
  void FitColumnsToContents();
  // Whether GetCompleted fits the list's columns once a walk has ended.
  bool FitColumnsAfterWalk = true;

 private:
  void FreeRequest(NvSNMPRequest2Controls* request);
  void FreeAll(bool closing);
  void RereadAfterSetReply(NvSNMPRequest2Controls* sender, NvSNMPError* error);
  void ShowRowButtons(bool selected);
  // ClearDetailControls, the enabling rules, and empty texts as what a refused entry returns to.
  void ShowNoRow();
  void AcceptShownTexts();

  std::unique_ptr<NvDialogReads> reads_;
  std::vector<NvSNMPRequest2Controls*> requests_;
  std::vector<std::function<void()>> popups_;
  int setRepliesAwaited_ = 0;  // of a WriteThenReread, before its walk
  bool closed_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
