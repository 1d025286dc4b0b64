#include "Portcapabilities8021dformunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_bridge.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

TPortCapabilities8021dForm::TPortCapabilities8021dForm(TComponent* Owner)
    : TFeatureDialog(Owner, 449, 291, NvScale::Stored) {
  Name = "PortCapabilities8021dForm";
  Caption = "Port Capability Form";

  LV_dot1dPortCapabilitiesEntry = Put<TListView>(this, "LV_dot1dPortCapabilitiesEntry", 8, 8, 320, 218);
  LV_dot1dPortCapabilitiesEntry->GridLines = true;
  LB_Samples = Put<TLabel>(this, "LB_Samples", 344, 8, 80, 13, "Samples");
  ST_Count = Put<TStaticText>(this, "ST_Count", 344, 24, 80, 19);
  ST_Count->AutoSize = false;
  ST_Count->BorderStyle = sbsSunken;
  ST_Count->Alignment = taRightJustify;
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 344, 56, 80, 25, &TPortCapabilities8021dForm::RefreshBtnClick);
  PutStatusBar();

  LV_dot1dPortCapabilitiesEntry->OnChanging =
      Handler(this, &TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging);
  OnCreate = Handler(this, &TPortCapabilities8021dForm::FormCreate);
  OnClose = Handler(this, &TPortCapabilities8021dForm::FormClose);

  List = LV_dot1dPortCapabilitiesEntry;
  CountBox = ST_Count;
  DoCreate();
}

void TPortCapabilities8021dForm::FormCreate(TObject*) {
  Guarded([&] {
    Table = AddRequest(PortCapabilitiesTable, MVT_FMV, 1);
    Table->BindListView(LV_dot1dPortCapabilitiesEntry, true);
    Table->Asynchronous = 0;
  });
  ReadTable();
  DataComplete = 1;
}

// A blocking walk: the rows and the count are there when it returns.
void TPortCapabilities8021dForm::ReadTable() {
  if (!Table) return;
  try {
    Table->Asynchronous = 0;
    Table->Request.Active = 1;
    Table->Get();
  } catch (const Exception& e) {
    ShowFailureStatus(Table, e);
  }
  ShowRowCount();
}

void TPortCapabilities8021dForm::RefreshBtnClick(TObject*) { ReadTable(); }

void TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging(TObject*, TListItem*, TItemChange, bool&) {
  ShowRowCount();
}

void TPortCapabilities8021dForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
