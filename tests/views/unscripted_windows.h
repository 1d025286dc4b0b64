// Outside a test's own scripts, a message box or a modal window would wait for a person for
// ever: a box fails the test and gets its first button; a window is cancelled.
#pragma once

#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "Windows.h"

inline void GuardAgainstUnscriptedWindows() {
  GuiTesting::SetAnswerer([](const GuiTesting::MessageBoxCall& call) {
    ADD_FAILURE() << "a message box no test answers: " << call.text;
    return call.buttons.empty() ? IDOK : call.buttons.front();
  });
  // A window that ends its own loop (a progress window) is left alone; one still open after
  // the bound waits for a person.
  GuiTesting::SetModalHook([](TCustomForm& form) {
    auto* watchdog = new TTimer(&form);
    watchdog->Interval = 30000;
    watchdog->OnTimer = [&form, watchdog](TObject*) {
      watchdog->Enabled = false;
      if (form.ModalResult != mrNone || !form.Visible()) return;
      ADD_FAILURE() << "a modal window no test drives: " << form.Caption();
      form.ModalResult = mrCancel;
    };
    watchdog->Enabled = true;
  });
}
