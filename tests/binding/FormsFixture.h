// A shown window with two edits and a scripted answerer for its message boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Forms.h"
#include "GuiTesting.h"
#include "StdCtrls.h"

// Long enough for a sanitized build on a loaded machine, yet bounded.
inline constexpr int kWindowWaitMs = 30000;

struct EditWindow : ::testing::Test {
  void SetUp() override {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    form = new TForm(nullptr);
    form->ClientWidth = 300;
    form->ClientHeight = 100;
    edit = new TEdit(form);
    edit->Parent = form;
    next = new TEdit(form);
    next->Parent = form;
    next->Top = 40;
    form->Show();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->Visible(); }, kWindowWaitMs));
    edit->SetFocus();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return edit->Focused(); }, kWindowWaitMs));
  }
  void TearDown() override { delete form; }

  // Types the characters one by one, as keys would change the text.
  void Type(TEdit* target, const std::string& keys) {
    for (char key : keys) target->Text = target->Text() + key;
  }

  // Moves the focus away from the edit, as a click on the next control would.
  void Leave() {
    next->SetFocus();  // the edit's exit handler runs inside this call
    Application->ProcessMessages();
  }

  GuiTesting::ScriptedAnswerer boxes;
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TEdit* next = nullptr;
};
