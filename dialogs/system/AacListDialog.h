// The family base of the access authentication control list dialogs (server hosts, login and
// enable method lists): one synchronous table request walked into the list, a detail panel
// under it and the button column beside it; writes carry only the filled fields and end, as
// every walk does, in the idle state, so a Delete always addresses a row chosen afresh.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "PartialSet.h"
#include "StdCtrls.h"

class TAacListDialog : public TFeatureDialog {
 public:
  TListView* ListView1 = nullptr;
  TPanel* DetailPanel = nullptr;
  TButton* GetButton = nullptr;
  TButton* AddButton = nullptr;
  TButton* EditButton = nullptr;
  TButton* DeleteButton = nullptr;
  TButton* btnClose = nullptr;

  // Refresh: the list read again, then the idle state.
  void GetButtonClick(TObject* Sender);
  // The selected row destroyed through StatusColumn after the question, the list read again,
  // then the idle state.
  void DeleteButtonClick(TObject* Sender);

 protected:
  // width, height: the client area; the list and the detail panel share its left part, the
  // button column (count box under "Samples", then Refresh, Add, Edit, Delete, Close) its
  // right edge. The subclass wires Add, Edit and the list's clicks.
  TAacListDialog(TComponent* Owner, int width, int height, int listHeight, const char* countBoxName);

  // The table request, blocking, walked into the list with select-to-edit.
  void OpenTable(const NvSNMPVar* table, int indexCount);
  // The first walk after the bindings, then the idle state; a failure goes to panel 0.
  void FirstWalk();
  // A label at left, top of the detail panel and its control beside it at left + labelWidth.
  template <class T>
  T* PutDetail(const char* labelName, const std::string& label, const char* name, int left, int top, int labelWidth,
               int width) {
    Put<TLabel>(DetailPanel, labelName, left, top + 3, labelWidth - 6, 13, label);
    return Put<T>(DetailPanel, name, left + labelWidth, top, width, 21);
  }

  // Whether a list row has this caption and, when given, this first sub-item.
  bool Listed(const std::string& caption, const std::string* firstSubItem = nullptr) const;
  // The step's variables plus each edit's when it is not empty; the device keeps its own
  // value for an empty field.
  static NvSetStep WithFilled(NvSetStep step, std::initializer_list<std::pair<int, TCustomEdit*>> fields);
  // One SET of the step's variables of the row the controls hold, the list read again, then the
  // idle state (also after a failure, whose message goes to panel 0).
  void WriteRow(const NvSetStep& step);
  // No row chosen: Edit and Delete off, the key controls and Add on, the details cleared.
  void IdleState();

  int StatusColumn = -1;  // the row-status variable that destroys a row
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void btnCloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};
