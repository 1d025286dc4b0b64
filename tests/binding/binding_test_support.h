// What the binding tests share: the program's session, one simulated switch per test
// program, the variables of the binding test subtree and a scripted answer to every box.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestGuards.h"
#include "GuiTesting.h"
#include "NvOptionList.h"
#include "NvSNMPRequest2Controls.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"
#include "Windows.h"

namespace bindingtest {

inline const std::string kScalars = "1.3.6.1.4.1.32473.999.20";
inline const std::string kTable = "1.3.6.1.4.1.32473.999.21.1";
inline const std::string kLeds = "1.3.6.1.4.1.32473.999.22";

inline const NvOptionPair kStateNames[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
inline NvOptionList& StateList() {
  static NvOptionList list(kStateNames);
  return list;
}

inline SwitchSim*& Sim() {
  static SwitchSim* sim = nullptr;
  return sim;
}

// Starts the session once (boot counter in a scratch folder) and the simulated switch.
class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->ProcessMessages();
    GuardAgainstUnscriptedWindows();
    StartSessionInScratchFolder("binding");
    Sim() = new SwitchSim();
  }
  void TearDown() override {
    delete Sim();
    Sim() = nullptr;
  }
};

// One for the whole test program, whichever files it has.
inline ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

// Points a binding's request at the simulated switch over SNMPv2c.
inline void Point(NvSNMPRequest2Controls& binding) {
  binding.Request.Port = Sim()->port();
  binding.Request.Version = 1;
  binding.Request.TimeOut = 300;  // per try, in hundredths: a slow reply is waited for, not sent again
}

inline void UseScalars(NvSNMPRequest& request) {
  request.Vars.AddVar((kScalars + ".1").c_str(), "State", NvSyntax::integer, NvAccess::readwrite, &StateList());
  request.Vars.AddVar((kScalars + ".2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kScalars + ".3").c_str(), "Interval", NvSyntax::integer, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kScalars + ".4").c_str(), "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
  request.Vars.Kind = SVT_SV;
}

inline void UseTable(NvSNMPRequest& request) {
  request.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  request.Vars.AddVar((kTable + ".2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kTable + ".3").c_str(), "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kTable + ".4").c_str(), "State", NvSyntax::integer, NvAccess::readwrite, &StateList());
  request.Vars.Kind = MVT_FMV;
  request.Vars.IndexCount = 1;
}

// "<prefix> ... Receive at hh:mm:ss." with the time of day filled in.
inline bool IsStatusLine(const std::string& line, const std::string& prefix) {
  static const std::regex time(R"( Receive at \d\d:\d\d:\d\d\.$)");
  return line.rfind(prefix, 0) == 0 && std::regex_search(line, time) &&
         line.size() == prefix.size() + std::string(" Receive at 00:00:00.").size();
}

}  // namespace bindingtest
