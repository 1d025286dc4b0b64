// The time range dialog: the switch's named time ranges (week days, daily start and end time),
// added, changed and deleted through their row status.
#pragma once

#include <array>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TTimeRangeForm : public TFeatureDialog {
 public:
  explicit TTimeRangeForm(TComponent* Owner);

  TListView* ListView1;
  TLabel* lblName;
  TEdit* edtName;
  TPanel* gbWeekdays;
  TLabel* lblWeekdays;
  std::array<TCheckBox*, 7> DayBoxes{};  // CheckBox1 (Monday) to CheckBox7 (Sunday)
  TCheckBox* CheckBox8;                  // "None", hidden
  TPanel* gbDaily;
  TLabel* lblDaily;
  TLabel* lblStart;
  TEdit* edtStart;
  TLabel* lblStartHint;
  TLabel* lblEnd;
  TEdit* edtEnd;
  TLabel* lblEndHint;
  TEdit* edtweekdays;    // hidden: the packed day list
  TComboBox* cbxStatus;  // hidden: the row status
  TStaticText* StaticText1;
  TButton* btnGet;
  TButton* btnAdd;
  TButton* btnSet;
  TButton* btnStop;
  TButton* btnDelete;
  TButton* btnClose;

  void FormCreate(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void btnAddClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void btnStopClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void ShowChosenRow(TListItem* row) override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void ClearDetailControls() override;

 private:
  bool RowWriteAllowed(bool needsRow);
  // The ticked days into edtweekdays; false after the message of an empty field.
  bool PackAndCheck();
  void UnpackDays(const std::string& days);
  void AfterRowWrite();
};

// The dialog while it is shown.
extern TTimeRangeForm* TimeRangeForm;
