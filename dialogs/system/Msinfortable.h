// The member switch dialog of single IP management: the members the managing switch knows;
// a member is added in the pop-up and deleted here.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TMSEditForm;

class TMSInformationForm : public TFeatureDialog {
 public:
  explicit TMSInformationForm(TComponent* Owner);

  TListView* ListView1;
  TButton* GetButton;
  TButton* AddButton;
  TButton* DeleteButton;
  TButton* EditButton;       // hidden
  TStaticText* StaticText1;  // hidden: the row count
  TMSEditForm* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void GetButtonClick(TObject* Sender);
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);

 private:
  void WalkAgain();
};

// The dialog while it is shown; the pop-up reaches it through this.
extern TMSInformationForm* MSInformationForm;
