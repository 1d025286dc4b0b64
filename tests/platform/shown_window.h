// A fixture with a shown 400x300 window to put controls on.
#pragma once

#include <gtest/gtest.h>

#include "Forms.h"

struct ShownWindow : ::testing::Test {
  void SetUp() override {
    Application->Initialize();
    form = new TForm(nullptr);
    form->ClientWidth = 400;
    form->ClientHeight = 300;
    form->Show();
  }
  void TearDown() override { delete form; }

  template <class C>
  C* Add() {
    auto* c = new C(form);
    c->Parent = form;
    return c;
  }

  TForm* form = nullptr;
};
