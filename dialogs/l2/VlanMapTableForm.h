// The family of the table dialogs whose rows carry a VLAN map in eight 512-VLAN columns,
// shown and typed as VLAN-range text, and whose fields are written only when their include
// box is ticked: the MSTP instances and the ERPS ring. A member lays out its fields and says
// which variable each one binds; the handlers are the family's.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "NvSNMPRequest2Edits.h"
#include "StdCtrls.h"

class TVlanMapTableForm;

// The request of a family member: map columns as VLAN-range text in the list, and back to
// bitmaps (the ticked ones) when a SET collects them.
class NvVlanMapRequestEdits : public NvSNMPRequest2Edits {
 public:
  explicit NvVlanMapRequestEdits(TForm* owner);
  void ShowRow() override;
  void CollectValues() override;

 private:
  TVlanMapTableForm* form_;
};

// The write mode of the next SET.
enum class NvVlanMapWrite { None = 0, Add = 1, Edit = 2 };

class TVlanMapTableForm : public TFeatureDialog {
 public:
  // firstMapVar: the variable of the "1-512" column; statusVar: the row status.
  TVlanMapTableForm(TComponent* Owner, int width, int height, int firstMapVar, int statusVar);

  TListView* ListView1;
  TLabel* LB_Samples;
  TStaticText* StaticText1;
  TCheckBox* chkVID;
  TEdit* VIDEdit;
  std::array<TCheckBox*, 8> cbxVlanRange{};
  std::array<TEdit*, 8> VLANRangeEdit{};
  TCheckBox* cbxRow;
  TComboBox* RowComboBox;
  TButton* GetButton;
  TButton* EditButton;
  TButton* AddButton;
  TButton* DeleteButton;
  TButton* CheckButton;
  TButton* UncheckButton;
  TButton* CloseButton;
  TButton* StopButton;  // hidden, without a handler

  const int FirstMapVar;
  const int StatusVar;
  const int DesignWidth;  // of the stored layout, before any scaling
  NvVlanMapWrite WriteMode = NvVlanMapWrite::None;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void ApplyEnablingRules() override;
  void EditButtonClick(TObject* Sender);
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void CheckButtonClick(TObject* Sender);
  void UncheckButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Back to the locked state: include boxes cleared, fields emptied, only the key usable.
  void ClearDetailControls() override;

 protected:
  // A tick box and its field on one line; the field is an edit, or a combo box when combo.
  struct Field {
    TCheckBox* Include;
    TWinControl* Control;
    std::string Format;  // of an edit
  };
  Field PutField(int left, int top, int boxWidth, int fieldWidth, const char* boxName, const char* caption,
                 const char* fieldName, bool combo, const std::string& format = "%s");
  // The eight map columns, one under the other from top.
  void PutMapColumns(int left, int top, int boxWidth, int fieldWidth);
  // List, buttons with the count in a row at buttonsTop, and status bar of the family's
  // layout; the fields go between the list and the buttons.
  void PutFrame(int listHeight, int buttonsTop);

  // What the member adds: its table and request, one field per variable in variable order.
  virtual NvVlanMapRequestEdits* MakeRequest() = 0;
  std::vector<Field> Fields;
  // A refusal of Add by the member (its text), or null.
  virtual const char* AddRefusal() const { return nullptr; }
  // Before an Edit's SET: false stops it (the member has said why).
  virtual bool PrepareEdit() { return true; }
  bool EmptyKeyAfterAdd = true;

 private:
  void ApplyLockedState();
  void ApplyEditState();
  bool MapTextsValid();
  void AfterWrite();
};
