// The login and enable method list dialog: named, ordered choices of up to four
// authentication methods, one table for login and one for enable, added, edited and deleted;
// methods standing after a final one (local or none) are pointed out before a write.
#pragma once

#include <array>

#include "AacListDialog.h"

class TLoginMethodListForm : public TAacListDialog {
 public:
  // IsLoginList: 1 the login method lists, 0 the enable method lists.
  TLoginMethodListForm(TComponent* Owner, int IsLoginList);

  int IsLoginList;
  TEdit* ListnameEdit;
  std::array<TComboBox*, 4> ComboBoxType{};  // ComboBoxType1 to ComboBoxType4
  std::array<TEdit*, 4> ServerEdit{};        // Server1Edit to Server4Edit
  TComboBox* RowComboBox;                    // hidden
  TStaticText* StaticText1;

  void FormCreate(TObject* Sender);
  void AddButtonClick(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ComboBoxType1Change(TObject* Sender);
  void ComboBoxType2Change(TObject* Sender);
  void ComboBoxType3Change(TObject* Sender);
  void ComboBoxType4Change(TObject* Sender);
  void ClearDetailControls() override;

  // No method after the first final one (local, local-enable, none) is chosen.
  bool CheckMethodOrder();
  // Leaves out of step every method that is blank or stands after the first final one.
  void DropIneffectiveMethods(NvSetStep& step);

 private:
  static constexpr int kNoMethod = -1;
  void TypeChanged(int method);
  // The list written after the order check: the step's variables and the methods' own.
  void WriteList(NvSetStep step);
  std::array<int, 4> MethodSlot{kNoMethod, kNoMethod, kNoMethod, kNoMethod};
};
