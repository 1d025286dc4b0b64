// What the tests of the access profile and rule dialogs share: a dialog of type F open on a
// simulated switch, its rows and cells, the user's clicks, typing and choices, and the
// switch's own values.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "NvSNMPRequest.h"
#include "NvSNMPRequest2Edits.h"
#include "StackingPortUitForm.h"

namespace acltest {

// An edit of a profile whose column a choice leaves out of a new row. Under keep
// ("combo=choice;...", chosen in that order) the column is written, carrying sent for text;
// each of leaving ("combo=choice") leaves it out.
struct LeftOutEdit {
  const char* edit;
  int column;  // the column's sub-identifier in the entry
  const char* text;
  const char* sent;  // the value as switchsim logs it
  const char* keep;
  std::vector<const char*> leaving;
};

template <class F>
class AclDialogTest : public ::testing::Test {
 public:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    dialogtest::PointSessionAt(*sim);
    form = new F(nullptr);
    form->Show();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->Visible() && form->DataComplete == 1; }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  // Rows as "caption" (profiles) or "caption/first sub-item" (rules).
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int i = 0; i < form->List->Items->Count; ++i) rows.push_back(Key(form->List->Items->Item[i]));
    return rows;
  }
  TListItem* Row(const std::string& key) const {
    for (int i = 0; i < form->List->Items->Count; ++i)
      if (Key(form->List->Items->Item[i]) == key) return form->List->Items->Item[i];
    return nullptr;
  }
  // The text of list column c (0 the caption) of the row.
  std::string Cell(const std::string& key, int column) const {
    TListItem* row = Row(key);
    if (!row) return "(no row)";
    return column == 0 ? row->Caption() : row->SubItems->Get(column - 1);
  }
  void Select(const std::string& key) {
    TListItem* row = Row(key);
    ASSERT_NE(row, nullptr) << key;
    GuiTesting::UserClickItem(form->List, row);
    ASSERT_EQ(form->List->Selected(), row);
  }
  static void Type(TCustomEdit* edit, const std::string& text) {
    edit->Text = "";
    if (!text.empty()) GuiTesting::UserType(edit, text);
  }
  static void Choose(TComboBox* combo, const std::string& name) {
    const int index = combo->Items->IndexOf(name);
    ASSERT_GE(index, 0) << name;
    GuiTesting::UserChoose(combo, index);
  }
  void Press(TButton* button) {
    GuiTesting::UserClick(button);
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1 && (!form->Table || !form->Table->Busy); }));
  }
  static TCheckBox* Port(TStackingPortUitForm* picker, int port) {
    return static_cast<TCheckBox*>(picker->CheckBoxes->Get(port - 1));
  }
  static std::vector<int> Ticked(TStackingPortUitForm* picker) {
    std::vector<int> ports;
    for (int p = 1; p <= 64; ++p)
      if (Port(picker, p)->Checked) ports.push_back(p);
    return ports;
  }
  // A column of a row as the switch holds it; "" when the row is not there.
  std::string SwitchValue(const std::string& entry, int column, int syntax, const std::string& suffix) {
    NvSNMPRequest request;
    request.Vars.AddVar((entry + "." + std::to_string(column)).c_str(), "v", syntax, NvAccess::readwrite, nullptr);
    request.Vars.Kind = MVT_SV;
    request.Vars.InstanceSuffix = suffix;
    bool ok = false;
    request.Get(ok, true);
    const std::string value = *request.Vars.GetVar(0)->Value;
    return ok && value != "(NULL)" ? value : std::string();
  }
  // The access word of every variable is back to what the table gives.
  void ExpectWordsRestored() const {
    const NvSNMPVarList& vars = form->Table->Request.Vars;
    for (int i = vars.IndexCount; i < vars.GetCount(); ++i) EXPECT_NE(vars.GetVar(i)->Access, NvAccess::invalid) << i;
  }
  // One refused press of add per case (what, enter(self), message): that message alone,
  // nothing sent, the access words back; the details cleared for the next case.
  template <class Self, class Case, size_t N>
  void ExpectRefusals(Self* self, const Case (&cases)[N], TButton* add) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      const size_t before = boxes.Calls().size();
      c.enter(self);
      GuiTesting::UserClick(add);
      ASSERT_EQ(boxes.Calls().size(), before + 1);
      EXPECT_EQ(boxes.Calls().back().text, c.message);
      EXPECT_TRUE(sim->setLog().empty());
      ExpectWordsRestored();
      form->ClearDetailControls();
    }
  }
  // For each edit: under its keep choices it is enabled and an Add writes what was typed. Then
  // for each leaving choice: the edit is disabled (typing into it changes nothing) and keeps
  // its text; choosing back enables it with the text; an Add under the leaving choice makes
  // the row without the column. Each row made is taken away again by remove.
  void ExpectEditsFollowChoices(const std::string& entry, const std::string& id, TButton* add,
                                const std::vector<LeftOutEdit>& cases,
                                const std::function<void(const std::string&)>& remove) {
    for (const LeftOutEdit& c : cases) {
      SCOPED_TRACE(c.edit);
      auto* edit = dynamic_cast<TCustomEdit*>(form->FindComponent(c.edit));
      ASSERT_NE(edit, nullptr);
      const std::string column = entry + "." + std::to_string(c.column) + "." + id + "=";
      auto addSends = [&](bool withColumn) {
        sim->clearSetLog();
        Type(form->ProfileKey, id);
        if (form->RowStatusBox->Visible()) Choose(form->RowStatusBox, "createAndGo");
        Press(add);
        ASSERT_EQ(sim->setLog().size(), 1u) << Messages().size() << " boxes";
        const std::string set = sim->setLog()[0];
        if (withColumn)
          EXPECT_NE(set.find(column + c.sent), std::string::npos) << set;
        else
          EXPECT_EQ(set.find(column), std::string::npos) << set;
        ASSERT_NE(Row(id), nullptr);
        remove(id);
        ASSERT_EQ(Row(id), nullptr);
      };
      auto keep = [&] {
        form->ClearDetailControls();
        ChooseAll(c.keep);
        ASSERT_TRUE(edit->Enabled());
        Type(edit, c.text);
        ASSERT_EQ(edit->Text(), c.text);
      };
      keep();
      addSends(true);
      if (HasFatalFailure()) return;
      for (const char* leaving : c.leaving) {
        SCOPED_TRACE(leaving);
        keep();
        if (HasFatalFailure()) return;
        const std::string name = std::string(leaving).substr(0, std::string(leaving).find('='));
        auto* combo = dynamic_cast<TComboBox*>(form->FindComponent(name));
        ASSERT_NE(combo, nullptr);
        const std::string back = combo->Text();
        ChooseAll(leaving);
        EXPECT_FALSE(edit->Enabled());
        GuiTesting::UserType(edit, "1");
        EXPECT_EQ(edit->Text(), c.text);
        Choose(combo, back);
        EXPECT_TRUE(edit->Enabled());
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_TRUE(form->ProfileKey->Enabled());
        ChooseAll(leaving);
        addSends(false);
        if (HasFatalFailure()) return;
      }
    }
    // The key is the chosen row's alone: no choice unlocks it.
    Select(Rows().front());
    for (const LeftOutEdit& c : cases) {
      ChooseAll(c.keep);
      for (const char* leaving : c.leaving) ChooseAll(leaving);
      EXPECT_FALSE(form->ProfileKey->Enabled()) << c.edit;
    }
  }
  // Each "combo=choice" of choices chosen by the user, in order.
  void ChooseAll(const std::string& choices) {
    std::istringstream each(choices);
    for (std::string pair; std::getline(each, pair, ';');) {
      const size_t eq = pair.find('=');
      auto* combo = dynamic_cast<TComboBox*>(form->FindComponent(pair.substr(0, eq)));
      ASSERT_NE(combo, nullptr) << pair;
      Choose(combo, pair.substr(eq + 1));
    }
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& call : boxes.Calls()) texts.push_back(call.text);
    return texts;
  }

  std::unique_ptr<SwitchSim> sim;
  F* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;

 private:
  std::string Key(TListItem* row) const {
    if (!form->AccessKey || row->SubItems->Count == 0) return row->Caption();
    return row->Caption() + "/" + row->SubItems->Get(0);
  }
};

// One SET as switchsim logs it: "<entry>.<column>.<suffix>=<value>" joined by " ; ".
inline std::string SetLine(const std::string& entry, const std::string& suffix,
                           const std::vector<std::pair<int, std::string>>& varbinds) {
  std::string line;
  for (const auto& [column, value] : varbinds) {
    if (!line.empty()) line += " ; ";
    line += entry + "." + std::to_string(column) + "." + suffix + "=" + value;
  }
  return line;
}

}  // namespace acltest
