#include "LldpInfoFamily.h"

#include "ConvertingRequest.h"
#include "ValueBoxes.h"

namespace NvLldpNames {
const std::vector<std::string> LocalCapabilities = {
    "Other", "Repeater", "Bridge", "WLANAccessPoint", "Router", "Telphone", "docsisCableDevice", "StationOnly"};
const std::vector<std::string> RemoteCapabilities = {
    "other", "repeater", "bridge", "wlanAccessPoint", "router", "telephone", "docsisCableDevice", "stationOnly"};
const std::vector<std::string> LinkAggregation = {"aggCapable", "aggEnabled"};
}  // namespace NvLldpNames

TLLDPInfoTableDialog::TLLDPInfoTableDialog(TComponent* Owner, const NvLldpInfoMember& member)
    : TFeatureDialog(Owner, member.Width, member.Height, NvScale::ByDpi), member_(member) {
  if (!member.Centred) Position = poDesigned;
  const int listWidth = member.Width - 135;
  const int column = listWidth + 20;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, listWidth, member.Height - 80);
  StaticText1 = PutSamplesBox(*this, column, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", column, 56, 90, 25, &TLLDPInfoTableDialog::GetButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", column, 88, 90, 25, &TLLDPInfoTableDialog::CloseButtonClick);
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TLLDPInfoTableDialog::ListView1Change);
  OnCreate = Handler(this, &TLLDPInfoTableDialog::FormCreate);
  OnClose = Handler(this, &TLLDPInfoTableDialog::FormClose);

  List = ListView1;
  DoCreate();
}

void TLLDPInfoTableDialog::FormCreate(TObject*) {
  StaticText1->Caption = "0";
  Guarded(
      [&] {
        auto* table = AddRequest<NvConvertingRequest>(member_.Table, MVT_FMV, member_.IndexColumns);
        Table = table;
        for (const NvLldpNamedColumn& named : member_.Named)
          table->Columns.push_back({named.Var, NamesOf(*named.Names), nullptr, nullptr});
        table->BindListView(ListView1, true);
        TrackWalks(table);
        StartWalk(table);
      },
      [&] { DataComplete = 1; });
  ShowRowCount();
}

// A second press while the list is being read waits for that walk: rows of two walks never mix.
void TLLDPInfoTableDialog::GetButtonClick(TObject*) { RefreshAll(); }

void TLLDPInfoTableDialog::CloseButtonClick(TObject*) { Close(); }

void TLLDPInfoTableDialog::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TLLDPInfoTableDialog::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
