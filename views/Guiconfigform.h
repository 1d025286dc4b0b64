// The generic view window and its panels: a frame (button column, client area, status
// line), the editor view (rows of check box, label and value control), the table view
// (a walked table in a report list, rows added, edited and deleted through a pop-up).
//
//   auto* form = new TConfigForm(Application);
//   auto* req = new NvSNMPRequest2Edits(form);
//   req->Request.Vars = NvSNMPVarList(PortTable, MVT_FMV, 1);
//   TSNMPListViewPanel* view = form->MakeListViewForm(req, 4, "createAndGo", 4, "destroy");
//   form->Caption = "Port Table: " + DeviceAddress;
//   form->ShowModal();      // reads when shown; closing waits for the read and frees req
//   delete form;
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "NvEditConstraint.h"
#include "StdCtrls.h"

class NvSNMPRequest2Edits;

// ---------------------------------------------------------------------------------------
// Frame

// The one-line status output at the foot of a view.
class TMsgPanel : public TPanel {
 public:
  explicit TMsgPanel(TComponent* AOwner);
  TStatusBar* StatusBar;
};

// The column of buttons on the right of a view.
class TCtrlBtnPanel : public TPanel {
 public:
  explicit TCtrlBtnPanel(TComponent* AOwner);

  // Stacks the visible controls of Controls from the top; hidden ones take no room.
  void ArrangeButtons();

  TLabel* SamplesLabel;
  TStaticText* CountText;
  TBitBtn* RefreshBtn;
  TBitBtn* EditBtn;
  TBitBtn* SetCheckedBtn;
  TBitBtn* AddBtn;
  TBitBtn* DeleteBtn;
  TBitBtn* CheckAllBtn;
  TBitBtn* ClearChecksBtn;
  TBitBtn* CloseBtn;
  TBitBtn* StopBtn;
  int32_t LeftMargin = 10;
  int32_t TopMargin = 10;
  std::vector<TControl*> Controls;  // stacking order, top to bottom

 private:
  void LoadGlyphs();
};

// Client area, button column and status panel of a view or of a pop-up.
class TSNMPPanel : public TPanel {
 public:
  // msgPanel: null makes a status panel of its own; a pop-up passes the opening view's.
  TSNMPPanel(TComponent* AOwner, TMsgPanel* msgPanel, NvSNMPRequest2Edits* binding);

  // Shows the control in the client area and sizes the frame around it.
  void SetClient(TControl* control);
  // Centres the window on the main window and gives its client area the frame's size,
  // 350 to 800 pixels wide and at most 550 high.
  void FitToForm(TCustomForm* form);

  void RefreshClick(TObject* Sender);
  void CloseClick(TObject* Sender);
  void StopClick(TObject* Sender);

  NvSNMPRequest2Edits* EditCtrl;
  TCtrlBtnPanel* CtrlBtnPanel;
  TPanel* ClientPanel;
  TMsgPanel* MsgPanel = nullptr;
  TCustomForm* OwnerForm = nullptr;
  TControl* ClientControl = nullptr;
  TSplitter* Splitter;
};

// ---------------------------------------------------------------------------------------
// Editor view

struct UISnmpOctetItem {
  int32_t Columns;
  int32_t Count;
};

// One row of an editor view.
struct UISnmpVar {
  int32_t Kind = 0;  // 1 read-only edit, 2 writable edit, 3 writable combo box, 4 read-only enumerated edit
  std::string Format;
  TWinControl* Control = nullptr;
  TCheckBox* CheckBox = nullptr;
  TLabel* Label = nullptr;
  UISnmpOctetItem* OctetItem = nullptr;  // owned
};

// Value-control tags that commands set on rows.
constexpr int kTagNeverEmpty = 99;
constexpr int kTagRowStatus = 100;
// Check-box tag of a row that HideVar hid.
constexpr int kTagHiddenRow = 6666;

class TEditsPanel : public TPanel {
 public:
  TEditsPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding);
  ~TEditsPanel() override;

  virtual void ArrangeCtrlBtn(TCtrlBtnPanel* column);
  void SetEditWidth(int width);
  void SetReadOnlyColors(TColor font, TColor background);
  void SetCheckDefault(bool checked);
  void HideVar(int row);
  void ShowVar(int row);
  void UncheckVar(int row);
  void ClearValues();
  void ClearRow(int row);
  void SetOctetItem(int row, int columns, int count);
  bool IsRowEmpty(int row) const;
  bool AllReadOnly() const;
  int CountWritable() const;
  int CountChecked() const;
  void MakeRowReadOnly(int row);
  void MakeRowWritable(int row);
  void LayoutRows(bool resize = true);

  int RowCount() const { return static_cast<int>(Rows.size()); }
  // Writable and not an index column.
  bool IsRowWritable(int row) const;

  void CheckBoxClick(TObject* Sender);
  void ComboChange(TObject* Sender);
  void OctetItemClick(TObject* Sender);

  std::vector<UISnmpVar> Rows;
  TScrollBox* ScrollBox;
  int32_t EditWidth = 121;
  TColor ReadOnlyFontColor = clBlack;
  TColor ReadOnlyColor = clBtnFace;
  NvSNMPRequest2Edits* EditCtrl;
  uint8_t DefaultChecked = 0;

 private:
  void BuildRows();
  void ApplyComboRule(TComboBox* combo);
  int RowOfControl(TObject* control) const;
  TCtrlBtnPanel* HoldingColumn() const;
};

class TSNMPEditorPanel : public TSNMPPanel {
 public:
  TSNMPEditorPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding);

  void SetEditWidth(int width);
  void SetVarFormat(int row, const std::string& format);
  void SetVarFormatAndCheck(int row, const std::string& format, NvEditCheckCallback check);

  void SetCheckedClick(TObject* Sender);
  void CheckAllClick(TObject* Sender);
  void ClearChecksClick(TObject* Sender);

  TEditsPanel* EditsPanel;

 protected:
  // The SET of the last Set Checked went out and succeeded.
  bool lastSetSucceeded_ = false;
};

// ---------------------------------------------------------------------------------------
// Table view

class TListViewPanel : public TPanel {
 public:
  TListViewPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding);

  virtual void ArrangeCtrlBtn(TCtrlBtnPanel* column);

  TListView* ListView;
  int32_t DeleteStatusColumn = -1;
  int32_t AddStatusColumn = -1;
  // Own copies: callers may pass texts that do not outlive the window.
  std::string AddValue;
  std::string DeleteValue;
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
 public:
  TSNMPListViewPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding);

  void SetAddStatus(int column, const std::string& value);
  void SetDeleteStatus(int column, const std::string& value);

  void AddClick(TObject* Sender);
  void EditClick(TObject* Sender);
  void DeleteEntry(TObject* Sender);
  void RefreshList(TObject* Sender);
  void AddEntry();
  void EditEntry();
  // Stops a walk in progress and waits a moment for its end (asynchronous mode).
  void StopWalk();
  void ReadAfterWrite();
  void ClearEditValues(TObject* Sender);

  void ListClick(TObject* Sender);
  void ListDblClick(TObject* Sender);
  void ListChange(TObject* Sender, TListItem* Item, TItemChange Change);
  // The list's mouse-move event: the hint of the row under the mouse.
  void ListMouseMove(TObject*, TShiftState, int X, int Y) { ListMouseMove(ListPanel->ListView->GetItemAt(X, Y)); }
  // The hint for the row under the mouse (null: none).
  void ListMouseMove(TListItem* item);
  // One line per column: caption, tabs up to the longest caption, two blanks, the cell.
  std::string RowHint(TListItem* item) const;

  TListViewPanel* ListPanel;
  TNotifyEvent OnBeforeAdd;
  TNotifyEvent OnAfterAdd;
  TNotifyEvent OnBeforeEdit;
  TNotifyEvent OnAfterEdit;

 private:
  std::string PopupCaption(const std::string& what) const;
  // The pop-up window with a frame that borrows the edits panel; shown by the caller.
  TForm* MakePopup(const std::string& what, TSNMPPanel*& frame);
  void ReturnEditsPanel(TForm* popup);
  void WriteCount();
};

// ---------------------------------------------------------------------------------------
// The window

constexpr unsigned WM_CONFIGFORM_REFRESH = WM_APP + 1234;  // 34002

class TConfigForm : public TForm {
 public:
  explicit TConfigForm(TComponent* AOwner);
  ~TConfigForm() override;

  TSNMPEditorPanel* MakeEditorForm(NvSNMPRequest2Edits* request);
  TSNMPListViewPanel* MakeListViewForm(NvSNMPRequest2Edits* request, int addColumn, const char* addValue,
                                       int deleteColumn, const char* deleteValue);
  void MakePageForm();
  TSNMPEditorPanel* AddEditorPage(const std::string& caption, NvSNMPRequest2Edits* request);
  TSNMPListViewPanel* AddListViewPage(const std::string& caption, NvSNMPRequest2Edits* request, int addColumn,
                                      const char* addValue, int deleteColumn, const char* deleteValue);
  void RefreshForm();
  void WMRefresh();
  void Dispatch(TMessage& Message) override;
  void FormClose(TObject* Sender, TCloseAction& Action);

  TSNMPEditorPanel* AddEditorPanel(TWinControl* parent, NvSNMPRequest2Edits* request);
  TSNMPListViewPanel* AddListViewPanel(TWinControl* parent, NvSNMPRequest2Edits* request, int addColumn,
                                       const char* addValue, int deleteColumn, const char* deleteValue);

  uint8_t FormType = 0;  // 0 untyped, 1 editor, 2 table, 3 tab pages
  std::vector<NvSNMPRequest2Edits*> Requests;
  TPageControl* PageControl = nullptr;
  NvSNMPRequest2Edits* CurrentRequest = nullptr;

 private:
  void Adopt(NvSNMPRequest2Edits* request, TSNMPPanel* panel);
  void AddPage(TTabSheet* sheet, TSNMPPanel* panel);
  // Stops every binding, waits for it and frees it.
  void FreeRequests();

  std::vector<TSNMPPanel*> panels_;
  int naturalWidth_ = 0, naturalHeight_ = 0;  // the last view's own size before it was fitted
};
