// The summer time dialog: the switch's daylight-saving mode and offset, and its start and end
// either as a weekday rule (repeating) or as a date (annual). The switch keeps each point as
// a short octet string; the dialog unpacks it into its controls and packs it again to write.
#pragma once

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"
#include "TickRows.h"

class TfrmSummerTime : public TFeatureDialog {
 public:
  explicit TfrmSummerTime(TComponent* Owner);

  TCheckBox* CheckBox1;
  TCheckBox* CheckBox2;
  TCheckBox* CheckBox3;
  TCheckBox* CheckBox4;
  TCheckBox* CheckBox5;
  TCheckBox* CheckBox6;
  TComboBox* cbxTimeStatus;
  TEdit* edtTimeOffset;
  TComboBox* cbxRepeatMonthS;
  TComboBox* cbxRepeatWeekS;
  TComboBox* cbxRepeatWeekdayS;
  TEdit* edtRepeatHS;
  TEdit* edtRepeatMS;
  TComboBox* cbxRepeatMonthE;
  TComboBox* cbxRepeatWeekE;
  TComboBox* cbxRepeatWeekdayE;
  TEdit* edtRepeatHE;
  TEdit* edtRepeatME;
  TEdit* edtAnnualDayS;
  TComboBox* cbxAnnualMonthS;
  TEdit* edtAnnualHS;
  TEdit* edtAnnualMS;
  TEdit* edtAnnualDayE;
  TComboBox* cbxAnnualMonthE;
  TEdit* edtAnnualHE;
  TEdit* edtAnnualME;
  // Never shown: the packed points as the switch holds them, in hexadecimal.
  TEdit* edt_RepeatStart;
  TEdit* edt_RepeatEnd;
  TEdit* edt_AnnualStart;
  TEdit* edt_AnnualEnd;
  TButton* btnRefresh;
  TButton* btnSet;  // "Set Checked"
  TButton* btnCheckAll;
  TButton* btnClearChecks;
  TButton* btnClose;

  NvSNMPRequest2Edits* StatusRequest = nullptr;
  NvSNMPRequest2Edits* RepeatRequest = nullptr;
  NvSNMPRequest2Edits* AnnualRequest = nullptr;
  NvTickRows Rows;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void cbxTimeStatusChange(TObject* Sender);
  void btnRefreshClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btnCheckAllClick(TObject* Sender);
  void btnClearChecksClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);

  // A point's controls.
  struct RepeatPoint {
    TComboBox* Month;
    TComboBox* Week;
    TComboBox* Weekday;
    TEdit* Hour;
    TEdit* Minute;
  };
  struct AnnualPoint {
    TEdit* Day;
    TComboBox* Month;
    TEdit* Hour;
    TEdit* Minute;
  };
  // The packed text of the point, or "" when a value is out of range or not chosen; a text
  // that is no whole number throws the conversion error.
  static std::string PackRepeat(const RepeatPoint& point);
  static std::string PackAnnual(const AnnualPoint& point);
  // The point's controls from its packed text.
  static void UnpackRepeat(const std::string& text, const RepeatPoint& point);
  static void UnpackAnnual(const std::string& text, const AnnualPoint& point);

 private:
  // The controls of one row after its tick box, moved and shown together.
  struct Row {
    TCheckBox* Box;
    TLabel* Caption;
    std::vector<TControl*> Controls;
  };
  std::vector<Row> rows_;
  RepeatPoint repeatStart_{}, repeatEnd_{};
  AnnualPoint annualStart_{}, annualEnd_{};

  void PutRow(TCheckBox*& box, const char* boxName, const char* caption, int var, int top,
              std::vector<std::pair<TControl*, int>> controls);
  void ShowRow(size_t row, bool shown);
  // The annual rows on the line of the repeat row they replace, or on their own.
  void PlaceAnnualRows(bool inRepeatPlaces);
  // Lays the rows out by the mode shown in cbxTimeStatus.
  void LayOut();
  void Read();
  // Everything ticked checked (and the points packed) before anything is sent: the SETs of
  // the ticked rows in the order they go; false after a refusal was shown.
  bool PlanWrites(std::vector<NvSetWrite>& writes);
  bool PlanStatus(std::vector<NvSetWrite>& writes);
  bool PlanRepeat(std::vector<NvSetWrite>& writes);
  bool PlanAnnual(std::vector<NvSetWrite>& writes);
};
