// Shows one of the system area's dialogs on a simulated switch with its second row chosen (a
// list dialog), or its entry pop-up beside it, for a screenshot:
//   scripts/screenshot -o relay.png -w 4 build/tests/system_dialogs_shot TBOOTCtrlTableForm [popup]
//   scripts/screenshot -o summer.png -w 4 build/tests/system_dialogs_shot TfrmSummerTime.annual
// Ends after ten seconds or on SIGTERM, stopping its switch.
#include <csignal>
#include <functional>
#include <map>
#include <string>

#include "Arpaddedit.h"
#include "Arpconfig.h"
#include "Arpspoofingpreventmgmtformunit.h"
#include "Bootctrltableformunit.h"
#include "Catalogue.h"
#include "Currenttime.h"
#include "Networktimeunit.h"
#include "Smtpcontorlunit.h"
#include "Summertimeunit.h"
#include "Filterdhcppermitformunit.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "Ipmacbindingformunit.h"
#include "Ipv6staticrouteeditunit.h"
#include "Ipv6staticrouteunit.h"
#include "Mbacontrolunit.h"
#include "Loginmethodlistunit.h"
#include "Msinfortable.h"
#include "Msunit.h"
#include "Newbootpctrlformunit.h"
#include "Serverinfounit.h"
#include "Sshuserctrllistunit.h"
#include "Sshuserctrlunit.h"
#include "Systemlogserverunit.h"
#include "Tacacsservercontrolunit.h"
#include "Timerangeformunit.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }

struct Shot {
  std::function<TFeatureDialog*()> make;
  const char* caption;
  std::function<TListView*(TFeatureDialog*)> list;
  std::function<TForm*(TFeatureDialog*)> popup;
};
}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGTERM, End);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  StartSessionInScratchFolder("shot");
  NvCatalogueStartup();
  SwitchSim sim;
  PointSessionAt(sim, 1, 100);

  std::map<std::string, Shot> shots = {
      {"TBOOTCtrlTableForm",
       {[] { return new TBOOTCtrlTableForm(nullptr); }, "DHCP Relay Control: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TBOOTCtrlTableForm*>(f)->ListView1; },
        [](TFeatureDialog* f) -> TForm* {
          auto* popup = static_cast<TBOOTCtrlTableForm*>(f)->Popup;
          popup->Caption = "New DHCP Control: 127.0.0.1";
          return popup;
        }}},
      {"TIpv6StaticRouteForm",
       {[] { return new TIpv6StaticRouteForm(nullptr); }, "IPv6 Static Route Table: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TIpv6StaticRouteForm*>(f)->ListView1; },
        [](TFeatureDialog* f) -> TForm* {
          auto* popup = static_cast<TIpv6StaticRouteForm*>(f)->Popup;
          popup->RouteEditMode = 2;
          popup->Caption = "IPv6 Static Route(Add default): 127.0.0.1";
          return popup;
        }}},
      {"TMSInformationForm",
       {[] { return new TMSInformationForm(nullptr); }, "Member Switch Information: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TMSInformationForm*>(f)->ListView1; },
        [](TFeatureDialog* f) -> TForm* { return static_cast<TMSInformationForm*>(f)->Popup; }}},
      {"TTimeRangeForm",
       {[] { return new TTimeRangeForm(nullptr); }, "Time Range: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TTimeRangeForm*>(f)->ListView1; }, nullptr}},
      {"TSystemLogServerForm",
       {[] { return new TSystemLogServerForm(nullptr); }, "System Log Host Table: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TSystemLogServerForm*>(f)->LV_SystemLogServerEntry; }, nullptr}},
      {"TSSHUserCtrlList",
       {[] { return new TSSHUserCtrlList(nullptr); }, "SSH User Control Table: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TSSHUserCtrlList*>(f)->lvData; },
        [](TFeatureDialog* f) -> TForm* { return static_cast<TSSHUserCtrlList*>(f)->Popup; }}},
      {"TARPConfigForm",
       {[] { return new TARPConfigForm(nullptr); }, "ARP: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TARPConfigForm*>(f)->ListView1; },
        [](TFeatureDialog* f) -> TForm* {
          auto* popup = static_cast<TARPConfigForm*>(f)->Popup;
          popup->Caption = "ARP Edit:127.0.0.1";
          popup->AddBtn->Caption = "Set";
          return popup;
        }}},
      {"TServerInformationForm",
       {[] { return new TServerInformationForm(nullptr); }, "Server Information: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TServerInformationForm*>(f)->ListView1; }, nullptr}},
      {"TLoginMethodListForm",
       {[] { return new TLoginMethodListForm(nullptr, 1); }, "AAC Login Method List Table: 127.0.0.1",
        [](TFeatureDialog* f) { return static_cast<TLoginMethodListForm*>(f)->ListView1; }, nullptr}},
      {"TAAASrvCtrlForm",
       {[] { return new TAAASrvCtrlForm(nullptr); }, "AAC Server Control Table: 127.0.0.1",
        [](TFeatureDialog*) -> TListView* { return nullptr; }, nullptr}},
  };
  // Settings dialogs, without a list.
  const std::map<std::string, Shot> settings = {
      {"TfrmNetwroktime", {[] { return new TfrmNetwroktime(nullptr); }, "Network Time: 127.0.0.1", nullptr, nullptr}},
      {"TfrmSummerTime", {[] { return new TfrmSummerTime(nullptr); }, "Summer Time: 127.0.0.1", nullptr, nullptr}},
      {"TfrmSummerTime.annual",
       {[] {
          auto* form = new TfrmSummerTime(nullptr);
          form->cbxTimeStatus->ItemIndex = form->cbxTimeStatus->Items->IndexOf("annual");
          form->cbxTimeStatusChange(nullptr);
          return form;
        },
        "Summer Time: 127.0.0.1", nullptr, nullptr}},
      {"TCurrentTimeForm", {[] { return new TCurrentTimeForm(nullptr); }, "Current Time: 127.0.0.1", nullptr, nullptr}},
      {"TSMTPControlForm",
       {[] { return new TSMTPControlForm(nullptr); }, "SMTP Control Table :127.0.0.1", nullptr, nullptr}},
      {"TMBAControlForm",
       {[] { return new TMBAControlForm(nullptr); }, "MBA Port Global Settings: 127.0.0.1", nullptr, nullptr}},
  };
  shots.insert(settings.begin(), settings.end());
  // The address, MAC and ports dialogs, all members of one family.
  const auto family = [](const char* caption, std::function<TFeatureDialog*()> make) {
    return Shot{std::move(make), caption,
                [](TFeatureDialog* f) { return static_cast<TAddressMacPortsDialog*>(f)->ListView1; }, nullptr};
  };
  shots.emplace("TARPSpoofingPreventMgmtForm",
                family("ARP Spoofing Prevent Managment Table: 127.0.0.1",
                       [] { return new TARPSpoofingPreventMgmtForm(nullptr); }));
  shots.emplace("TIPMACBindingForm",
                family("IP-MAC Binding: 127.0.0.1", [] { return new TIPMACBindingForm(nullptr); }));
  shots.emplace("TFilterDHCPPermitForm", family("DHCP Offer Permit Entry Settings: 127.0.0.1",
                                                [] { return new TFilterDHCPPermitForm(nullptr); }));
  const auto shot = shots.find(argc > 1 ? argv[1] : "");
  if (shot == shots.end()) return 2;
  TFeatureDialog* form = shot->second.make();
  form->Caption = shot->second.caption;
  form->Show();
  GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; });
  GuiTesting::ProcessUntil([] { return false; }, 500);
  TListView* list = shot->second.list ? shot->second.list(form) : nullptr;
  if (list && list->Items->Count > 1) GuiTesting::UserClickItem(list, list->Items->Item[1]);
  if (argc > 2 && std::string(argv[2]) == "popup") shot->second.popup(form)->Show();
  GuiTesting::ProcessUntil([] { return ended != 0; }, 10000);
  delete form;
  NvCatalogueShutdown();
  return 0;
}
