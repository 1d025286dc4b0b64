// Windows that once cut or covered their own text, shown on the simulated switch with what it
// holds: no visible control covers a sibling or shows less than its whole text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Cosbrandctrltable.h"
#include "Cpuusermaskruleunit.h"
#include "DialogTestSupport.h"
#include "Lldplocalsysdatatable.h"
#include "NvSNMPRequest2Edits.h"
#include "Systemlogserverunit.h"
#include "TableDialogDriver.h"

namespace {

struct Window {
  const char* name;
  std::function<TFeatureDialog*()> make;
  std::vector<std::string> faults;  // what the window shows by design
};

TEST(DialogLayout, no_control_covers_another_or_cuts_its_text) {
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  const Window windows[] = {
      {"system log hosts", [] { return new TSystemLogServerForm(nullptr); }},
      {"LLDP local system data", [] { return new TLLDPLocSysDataForm(nullptr); }},
      // Five 32-digit payload columns: the list scrolls sideways.
      {"CPU-filter packet-content rules", [] { return new TCPUUserMaskRuleForm(nullptr); },
       {"ListView1 is narrower than its columns"}},
      {"CoS bandwidth", [] { return new TCoSBrandwidthctrlForm(nullptr); }},
  };
  for (const Window& window : windows) {
    SCOPED_TRACE(window.name);
    TFeatureDialog* form = window.make();
    form->Show();
    EXPECT_TRUE(GuiTesting::ProcessUntil(
        [&] { return form->DataComplete == 1 && (!form->Table || !form->Table->Busy); }, dialogtest::kLongWait));
    EXPECT_EQ(GuiTesting::LayoutFaults(form), window.faults);
    delete form;
  }
}

}  // namespace
