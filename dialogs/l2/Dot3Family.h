// The EtherLike-MIB MAC control dialogs (pause and control): a list of every port, the chosen
// port's counters in a small name/value list, and a timer that reads those counters again. The
// pause member also sets a port's pause admin mode. The members differ only in NvDot3Member.
#pragma once

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

struct NvDot3Member {
  const NvSNMPVar* Ports;     // index and the port's columns
  const NvSNMPVar* Counters;  // one port's counters, read with the port as instance suffix
  int Width, Height;
  std::vector<std::string> CounterNames;  // the rows of ListView2, one per counter
  bool AdminMode;                         // pause: the admin mode with Set and Stop; else the function bits
};

class TDot3MacControlDialog : public TFeatureDialog {
 public:
  TDot3MacControlDialog(TComponent* Owner, const NvDot3Member& member);

  TListView* ListView1;
  TListView* lvChart;    // hidden: the counters as read
  TListView* ListView2;  // "Name", "Value"
  TLabel* IntervalLabel;
  TComboBox* cbxInterval;
  TTimer* Timer1;
  TButton* btnGet;
  TButton* btnClose;
  // pause
  TButton* btnSet = nullptr;
  TButton* btnStop = nullptr;
  TLabel* AdminModeLabel = nullptr;
  TComboBox* cbxAdminMode = nullptr;
  TEdit* edtIndex = nullptr;  // hidden: the chosen port
  // control: the function bits; only the first ("pause") is shown
  std::vector<TCheckBox*> Functions;
  NvSNMPRequest2Edits* CounterRequest = nullptr;

  void FormCreate(TObject* Sender);
  void cbxIntervalChange(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  void ShowChosenRow(TListItem* row) override;
  void btnSetClick(TObject* Sender);
  void btnStopClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;
  void ApplyEnablingRules() override;
  // The settings are editable once the list is read, a port chosen or not.
  void EnableSettings();
  // Timer off, interval "none", counters emptied, the port's details cleared.
  void ResetCounterView();
  void ShowCounters();
  void ClearDetailControls() override { ResetCounterView(); }

 private:
  const NvDot3Member& member_;
};
