// The add pop-up of the member switch dialog: one member written through the pop-up's own
// request, addressed by the member's ID as its instance suffix.
#pragma once

#include "EntryPopup.h"
#include "StdCtrls.h"

class TMSEditForm : public TEntryPopup {
 public:
  TMSEditForm(TComponent* Owner, TFeatureDialog* parent);

  // Items of Row_Status.
  static constexpr int kCreateAndGo = 1;
  static constexpr int kDestroy = 2;
  enum : int { VarId = 0, VarCandidate = 1, VarPassword = 2, VarRowStatus = 3 };

  int EditMode = 2;  // 2 add, 1 delete

  TLabel* Label1;
  TEdit* MSIDEdit;
  TLabel* Label2;
  TEdit* KeyIDEdit;
  TLabel* Label3;
  TEdit* MS_Password;
  TLabel* Label4;
  TComboBox* Row_Status;
  TButton* SetButton;
  TButton* CloseButton;
  NvSNMPRequest2Edits* MemberRequest = nullptr;

  void FormShow(TObject* Sender);
  void SetButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
};
