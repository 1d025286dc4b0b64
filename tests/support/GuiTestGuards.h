// Bounds for tests of windows: waits that end, and no message box or modal window left
// waiting for a person.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "Windows.h"

// Long enough for a sanitized build on a loaded machine, yet bounded: a failed wait ends its
// test instead of hanging it.
inline constexpr int kWaitMs = 30000;
inline bool WaitUntil(const std::function<bool()>& condition) {
  return GuiTesting::ProcessUntil(condition, kWaitMs);
}

// Outside a test's own scripts, a message box or a modal window would wait for a person for
// ever: a box fails the test and gets its first button; a window is cancelled.
inline void GuardAgainstUnscriptedWindows() {
  GuiTesting::SetAnswerer([](const GuiTesting::MessageBoxCall& call) {
    ADD_FAILURE() << "a message box no test answers: " << call.text;
    return call.buttons.empty() ? IDOK : call.buttons.front();
  });
  // A window that ends its own loop (a progress window) is left alone; one still open after
  // the bound waits for a person.
  GuiTesting::SetModalHook([](TCustomForm& form) {
    auto* watchdog = new TTimer(&form);
    watchdog->Interval = kWaitMs;
    watchdog->OnTimer = [&form, watchdog](TObject*) {
      watchdog->Enabled = false;
      if (form.ModalResult != mrNone || !form.Visible()) return;
      ADD_FAILURE() << "a modal window no test drives: " << form.Caption();
      form.ModalResult = mrCancel;
    };
    watchdog->Enabled = true;
  });
}
