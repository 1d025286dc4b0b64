// The access authentication control dialogs against the simulated switch: the server hosts,
// the login and enable method lists and the server group membership, opened from their menu
// items, their writes read back from the switch's SET log.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "Loginmethodlistunit.h"
#include "Serverinfounit.h"
#include "SystemDialogFixture.h"
#include "Tacacsservercontrolunit.h"
#include "Windows.h"

namespace {

using namespace dialogtest;

// Chooses the item named name as a user would.
void Choose(TComboBox* combo, const std::string& name) {
  const int index = combo->Items->IndexOf(name);
  ASSERT_GE(index, 0) << name;
  GuiTesting::UserChoose(combo, index);
}

// The length-prefixed index of a name.
std::string NameIndex(const std::string& name) {
  std::string index = std::to_string(name.size());
  for (unsigned char c : name) index += "." + std::to_string(c);
  return index;
}

// The caption and the first columns - 1 sub-items of the first row with that caption.
std::vector<std::string> RowText(TListView* list, const std::string& caption, int columns) {
  std::vector<std::string> cells{caption};
  for (int column = 1; column < columns; ++column) cells.push_back(Cell(list, caption, column));
  return cells;
}

// ---------------------------------------------------------------------------------------
// Server hosts

const std::string kHost = "1.3.6.1.4.1.32473.12.5.10.1.";

class ServerHostDialog : public DialogOnSwitch<TServerInformationForm> {
 protected:
  void TypeAll(const std::string& ip, const std::string& protocol, const std::array<std::string, 4>& fields) {
    Retype(form->IPEdit, ip);
    if (!protocol.empty()) Choose(form->ProtocolComboBox, protocol);
    TEdit* edits[] = {form->PortEdit, form->KeyEdit, form->TimeoutEdit, form->RetryCEdit};
    for (int i = 0; i < 4; ++i) Retype(edits[i], fields[i]);
  }
};

TEST_F(ServerHostDialog, lists_the_servers_by_address_and_protocol_and_starts_idle) {
  ASSERT_EQ(form->ListView1->Items->Count, 5);
  EXPECT_EQ(form->ListView1->Columns->Items[1]->Caption, "Authentication Protocol");
  EXPECT_EQ(Captions(form->ListView1),
            (std::vector<std::string>{"10.1.1.1", "10.90.90.21", "10.90.90.22", "10.90.90.23", "172.18.10.5"}));
  EXPECT_EQ(RowText(form->ListView1, "10.90.90.21", 7),
            (std::vector<std::string>{"10.90.90.21", "tacacs-plus", "49", "Tac+Key2024", "5", "2", "active"}));
  EXPECT_EQ(form->Static->Caption(), "5");
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_TRUE(form->IPEdit->Enabled);
  EXPECT_EQ(form->RowComboBox->Text(), "createAndGo");
}

TEST_F(ServerHostDialog, add_sends_the_filled_fields_only_and_another_protocol_is_another_server) {
  TypeAll("10.1.1.1", "RADIUS", {"", "", "", ""});
  PressAndWait(form, form->AddButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kHost + "7.10.1.1.1.4=2:4"}));
  EXPECT_EQ(form->ListView1->Items->Count, 6);
  EXPECT_EQ(SwitchValue(kHost + "3", "10.1.1.1.4", NvSyntax::integer), "49");  // the switch's own port
  EXPECT_EQ(SwitchValue(kHost + "7", "10.1.1.1.4", NvSyntax::integer), "1");
  EXPECT_FALSE(form->EditButton->Enabled);

  sim->clearSetLog();
  TypeAll("10.1.1.1", "RADIUS", {"1812", "", "", ""});
  GuiTesting::UserClick(form->AddButton);
  EXPECT_EQ(BoxTexts(boxes),
            (std::vector<std::string>{
                "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."}));
  EXPECT_TRUE(sim->setLog().empty());

  TypeAll("10.90.90.30", "tacacs-plus", {"49", "s3cr3t key", "", "4"});
  PressAndWait(form, form->AddButton);
  const std::string row = "10.90.90.30.3";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kHost + "3." + row + "=2:49 ; " + kHost + "4." + row +
                                                     "=4:s3cr3t key ; " + kHost + "6." + row + "=2:4 ; " + kHost +
                                                     "7." + row + "=2:4"}));
  EXPECT_EQ(form->ListView1->Items->Count, 7);
}

TEST_F(ServerHostDialog, a_missing_key_is_refused_and_nothing_is_sent) {
  struct Case { std::string ip, protocol, message; };
  const Case cases[] = {{"", "RADIUS", "Server IP must be set."}, {"10.1.1.9", "", "Protocol must be set."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    form->ProtocolComboBox->ItemIndex = -1;
    TypeAll(c.ip, c.protocol, {"49", "", "", ""});
    GuiTesting::UserClick(form->AddButton);
    ASSERT_FALSE(boxes.Calls().empty());
    EXPECT_EQ(boxes.Calls().back().text, c.message);
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ServerHostDialog, a_refused_add_is_reported_and_ends_idle_with_the_list_as_the_switch_has_it) {
  sim->setSubtreeError(kHost + "3.10.90.90.40.4", 17);  // notWritable: the new row's port only
  TypeAll("10.90.90.40", "RADIUS", {"1812", "", "", ""});
  PressAndWait(form, form->AddButton);
  sim->clearFaults();
  ASSERT_EQ(boxes.Calls().size(), 1u);  // the switch's reason
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_EQ(form->ListView1->Items->Count, 5);
  EXPECT_EQ(form->IPEdit->Text(), "");
  EXPECT_TRUE(form->AddButton->Enabled);
  EXPECT_EQ(SwitchValue(kHost + "7", "10.90.90.40.4", NvSyntax::integer), "");
}

TEST_F(ServerHostDialog, edit_with_the_key_emptied_keeps_the_stored_key) {
  ChooseRow(form->ListView1, "10.90.90.22");
  EXPECT_TRUE(form->EditButton->Enabled);
  EXPECT_FALSE(form->IPEdit->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_EQ(form->KeyEdit->Text(), "radius-secret");
  Retype(form->KeyEdit, "");
  Retype(form->PortEdit, "1645");
  PressAndWait(form, form->EditButton);
  const std::string row = "10.90.90.22.4";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kHost + "3." + row + "=2:1645 ; " + kHost + "5." + row +
                                                     "=2:5 ; " + kHost + "6." + row + "=2:2"}));
  EXPECT_EQ(SwitchValue(kHost + "4", row, NvSyntax::displaystr), "radius-secret");
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_TRUE(form->IPEdit->Enabled);
}

// Every walk ends in the idle state: a Delete needs a row chosen afresh, and it destroys that
// row, not the last one walked.
TEST_F(ServerHostDialog, delete_destroys_the_chosen_row_after_the_question_only) {
  ChooseRow(form->ListView1, "10.90.90.21");
  PressAndWait(form, form->GetButton);
  EXPECT_FALSE(form->DeleteButton->Enabled);

  ChooseRow(form->ListView1, "10.90.90.21");
  boxes.Answer(IDCANCEL);
  PressAndWait(form, form->DeleteButton);
  EXPECT_TRUE(sim->setLog().empty());
  // The idle state leaves no row chosen behind its emptied details.
  EXPECT_EQ(form->ListView1->Selected(), nullptr);

  ChooseRow(form->ListView1, "10.90.90.21");
  EXPECT_EQ(form->IPEdit->Text(), "10.90.90.21");
  PressAndWait(form, form->DeleteButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kHost + "7.10.90.90.21.3=2:6"}));
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Are you sure to delete it?", "Are you sure to delete it?"}));
  EXPECT_EQ(FindRow(form->ListView1, "10.90.90.21"), nullptr);
  EXPECT_EQ(form->ListView1->Items->Count, 4);
  EXPECT_FALSE(form->DeleteButton->Enabled);
}

TEST_F(SystemDialog, server_hosts_open_from_their_menu_item) {
  TForm mainWindow(nullptr);
  const Opened opened = RunAndClose<TServerInformationForm>(
      MenuCommand("ServerInformation1", mainWindow), &TServerInformationForm::ListView1, &ServerInformationForm,
      [](TServerInformationForm* form) { GuiTesting::UserClick(form->btnClose); });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "Server Information: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.owner, Application);
  EXPECT_EQ(opened.rows, 5);
}

// ---------------------------------------------------------------------------------------
// Login and enable method lists

const std::string kLogin = "1.3.6.1.4.1.32473.12.5.3.1.";

class LoginListDialog : public SystemDialog {
 protected:
  void SetUp() override {
    SystemDialog::SetUp();
    form = new TLoginMethodListForm(nullptr, 1);
    form->Show();
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  void Methods(const std::array<std::string, 4>& types) {
    for (int m = 0; m < 4; ++m) Choose(form->ComboBoxType[m], types[m]);
  }
  TLoginMethodListForm* form = nullptr;
};

// The SET of a list: each column=value of the row, in order, joined as the log shows them.
std::string Written(const std::string& table, const std::string& name,
                    const std::vector<std::pair<int, std::string>>& columns) {
  std::string line;
  for (const auto& [column, value] : columns) {
    if (!line.empty()) line += " ; ";
    line += table + std::to_string(column) + "." + NameIndex(name) + "=" + value;
  }
  return line;
}

const char* const kOrderQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";

// The question comes only when a chosen method follows the first local or none; No writes
// the list without the methods after it.
TEST_F(LoginListDialog, methods_after_a_final_one_are_asked_about_and_no_leaves_them_out) {
  struct Case {
    std::array<std::string, 4> types;
    bool asked;
    std::vector<std::pair<int, std::string>> written;
  };
  const Case cases[] = {
      {{"tacacs", "local", "RADIUS", "other"}, true, {{2, "2:1"}, {4, "2:6"}, {10, "2:4"}}},
      {{"none", "other", "other", "other"}, false, {{2, "2:8"}, {4, "2:9"}, {6, "2:9"}, {8, "2:9"}, {10, "2:4"}}},
      {{"other", "tacacs", "other", "local"}, false, {{2, "2:9"}, {4, "2:1"}, {6, "2:9"}, {8, "2:6"}, {10, "2:4"}}},
  };
  int added = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.types[0] + "," + c.types[1] + "," + c.types[2] + "," + c.types[3]);
    const std::string name = "list" + std::to_string(++added);
    Retype(form->ListnameEdit, name);
    Methods(c.types);
    sim->clearSetLog();
    const size_t before = boxes.Calls().size();
    if (c.asked) boxes.Answer(IDNO);
    PressAndWait(form, form->AddButton);
    ASSERT_EQ(boxes.Calls().size(), before + (c.asked ? 1 : 0));
    if (c.asked) {
      EXPECT_EQ(boxes.Calls().back().text, kOrderQuestion);
    }
    EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Written(kLogin, name, c.written)}));
    EXPECT_NE(FindRow(form->ListView1, name), nullptr);
  }
}

// A method blanked before the final one is written as "other": the switch no longer tries
// the method it held there.
TEST_F(LoginListDialog, no_to_the_question_writes_a_blanked_method_before_the_final_one) {
  ChooseRow(form->ListView1, "radius_first");  // RADIUS, local, other, other
  Methods({"other", "none", "RADIUS", "other"});
  boxes.Answer(IDNO);
  PressAndWait(form, form->EditButton);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{kOrderQuestion}));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Written(kLogin, "radius_first", {{2, "2:9"}, {4, "2:8"}})}));
  EXPECT_EQ(RowText(form->ListView1, "radius_first", 8),
            (std::vector<std::string>{"radius_first", "other", "", "none", "", "other", "", "other"}));
}

TEST_F(LoginListDialog, yes_to_the_question_sends_nothing_and_keeps_the_choice) {
  Retype(form->ListnameEdit, "console");
  Methods({"none", "tacacs", "other", "other"});
  boxes.Answer(IDYES);
  GuiTesting::UserClick(form->AddButton);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{kOrderQuestion}));
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(form->ComboBoxType[1]->Text(), "tacacs");
  EXPECT_EQ(form->ListnameEdit->Text(), "console");
}

TEST_F(LoginListDialog, a_server_group_method_takes_its_group_and_other_types_none) {
  Choose(form->ComboBoxType[1], "server-group");
  EXPECT_TRUE(form->ServerEdit[1]->Enabled);
  Retype(form->ServerEdit[1], "grp_radius");
  Choose(form->ComboBoxType[1], "RADIUS");
  EXPECT_FALSE(form->ServerEdit[1]->Enabled);
  EXPECT_EQ(form->ServerEdit[1]->Text(), "");
  Choose(form->ComboBoxType[1], "server-group");
  EXPECT_TRUE(form->ServerEdit[1]->Enabled);
  EXPECT_EQ(form->ServerEdit[1]->Text(), "");

  Retype(form->ServerEdit[1], "grp_radius");
  Retype(form->ListnameEdit, "Default");  // differs from "default" in case only
  Choose(form->ComboBoxType[0], "RADIUS");
  Choose(form->ComboBoxType[2], "local");
  PressAndWait(form, form->AddButton);
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Written(
                               kLogin, "Default",
                               {{2, "2:4"}, {4, "2:5"}, {5, "4:grp_radius"}, {6, "2:6"}, {8, "2:9"}, {10, "2:4"}})}));
  EXPECT_EQ(RowText(form->ListView1, "Default", 10),
            (std::vector<std::string>{"Default", "RADIUS", "", "server-group", "grp_radius", "local", "", "other", "",
                                      "active"}));
}

TEST_F(LoginListDialog, a_duplicate_or_missing_name_is_refused_and_nothing_is_sent) {
  struct Case { std::string name, message; };
  const Case cases[] = {
      {"", "Name must be set."},
      {"radius_first",
       "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Retype(form->ListnameEdit, c.name);
    const size_t before = boxes.Calls().size();
    GuiTesting::UserClick(form->AddButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(LoginListDialog, the_default_list_cannot_be_deleted_and_another_is_destroyed_alone) {
  ChooseRow(form->ListView1, "default");
  EXPECT_TRUE(form->EditButton->Enabled);
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->ListnameEdit->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);

  ChooseRow(form->ListView1, "radius_first");
  EXPECT_TRUE(form->DeleteButton->Enabled);
  PressAndWait(form, form->GetButton);  // the walk ends idle: Delete needs a new choice
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->EditButton->Enabled);

  ChooseRow(form->ListView1, "radius_first");
  PressAndWait(form, form->DeleteButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kLogin + "10." + NameIndex("radius_first") + "=2:6"}));
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"default", "tacacs_login"}));
}

TEST_F(LoginListDialog, edit_leaves_the_row_status_and_empty_groups_out) {
  ChooseRow(form->ListView1, "tacacs_login");
  EXPECT_EQ(form->ServerEdit[1]->Text(), "grp_tacacs");
  Choose(form->ComboBoxType[0], "RADIUS");
  PressAndWait(form, form->EditButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Written(kLogin, "tacacs_login",
                                                             {{2, "2:4"}, {4, "2:5"}, {5, "4:grp_tacacs"}, {6, "2:6"},
                                                              {8, "2:9"}})}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(Cell(form->ListView1, "tacacs_login", 1), "RADIUS");
}

// The two menu items open the one dialog on its two tables.
TEST_F(SystemDialog, login_and_enable_lists_open_from_their_menu_items) {
  struct Case { const char* item; std::string caption; std::vector<std::string> rows; std::string local; };
  const Case cases[] = {
      {"LoginMethodControl1", "AAC Login Method List Table: 127.0.0.1", {"default", "radius_first", "tacacs_login"},
       "local"},
      {"EnableMethodControl1", "AAC Enable Method List Table: 127.0.0.1", {"default", "enable_tac"}, "local-enable"},
  };
  TForm mainWindow(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    std::vector<std::string> rows, types;
    const Opened opened = RunAndClose<TLoginMethodListForm>(
        MenuCommand(c.item, mainWindow), &TLoginMethodListForm::ListView1, nullptr, [&](TLoginMethodListForm* form) {
          rows = Captions(form->ListView1);
          for (int i = 0; i < form->ComboBoxType[0]->Items->Count; ++i)
            types.push_back(form->ComboBoxType[0]->Items->Get(i));
          GuiTesting::UserClick(form->btnClose);
        });
    EXPECT_EQ(opened.runs, 1);
    EXPECT_EQ(opened.caption, c.caption);
    EXPECT_EQ(opened.owner, &mainWindow);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(types, (std::vector<std::string>{"other", "tacacs", "xtacacs", "tacacs-plus", "RADIUS", "server-group",
                                               c.local, "none"}));
  }
}

// ---------------------------------------------------------------------------------------
// Server group membership

const std::string kControl = "1.3.6.1.4.1.32473.12.5.12.1.4.";

class ServerControlDialog : public DialogOnSwitch<TAAASrvCtrlForm> {};

TEST_F(ServerControlDialog, starts_empty_with_the_walk_on_its_status_line) {
  EXPECT_EQ(form->lvOper->Items->Count, 2);
  EXPECT_FALSE(form->lvOper->Visible);
  EXPECT_EQ(form->edtSrvGrpName->Text(), "");
  EXPECT_EQ(form->cbxAuthPtcl->ItemIndex, -1);
  EXPECT_EQ(form->cbxOper->ItemIndex, -1);
  EXPECT_NE(form->stbResult->Panels->Items[0]->Text(), "");
}

TEST_F(ServerControlDialog, each_missing_choice_is_refused_in_turn_and_nothing_is_sent) {
  GuiTesting::UserClick(form->btnSet);
  Retype(form->edtSrvGrpName, "grp_tacacs");
  GuiTesting::UserClick(form->btnSet);
  Retype(form->edtSrvIP, "10.90.90.23");
  GuiTesting::UserClick(form->btnSet);
  Choose(form->cbxAuthPtcl, "tacacs");
  GuiTesting::UserClick(form->btnSet);
  EXPECT_EQ(BoxTexts(boxes),
            (std::vector<std::string>{"Please input Server Group Name.", "Please input Server IP Address.",
                                      "Please choose Server Authentication Protocol.", "Please choose Operate."}));
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ServerControlDialog, add_and_delete_write_the_row_state_of_the_typed_row_and_keep_the_controls) {
  const std::string row = NameIndex("grp_tacacs") + ".10.90.90.23.1";
  Retype(form->edtSrvGrpName, "grp_tacacs");
  Retype(form->edtSrvIP, "10.90.90.23");
  Choose(form->cbxAuthPtcl, "tacacs");
  Choose(form->cbxOper, "add");
  PressAndWait(form, form->btnSet);
  EXPECT_EQ(SwitchValue(kControl.substr(0, kControl.size() - 1), row, NvSyntax::integer), "1");
  Choose(form->cbxOper, "delete");
  PressAndWait(form, form->btnSet);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kControl + row + "=2:1", kControl + row + "=2:2"}));
  EXPECT_EQ(SwitchValue(kControl.substr(0, kControl.size() - 1), row, NvSyntax::integer), "");
  EXPECT_EQ(form->edtSrvGrpName->Text(), "grp_tacacs");
  EXPECT_EQ(form->edtSrvIP->Text(), "10.90.90.23");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ServerControlDialog, closing_during_the_walk_leaves_no_reply_behind) {
  sim->setDelay(150);
  form->Table->Get();
  ASSERT_TRUE(form->Table->Busy);
  GuiTesting::UserClick(form->btnClose);
  EXPECT_EQ(form->Table, nullptr);
  sim->setDelay(0);
}

TEST_F(SystemDialog, server_control_opens_from_its_menu_item) {
  TForm mainWindow(nullptr);
  const Opened opened = RunAndClose<TAAASrvCtrlForm>(MenuCommand("ServerControl1", mainWindow),
                                                     &TAAASrvCtrlForm::lvOper, nullptr,
                                                     [](TAAASrvCtrlForm* form) { GuiTesting::UserClick(form->btnClose); });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "AAC Server Control Table: 127.0.0.1");
  EXPECT_EQ(opened.owner, &mainWindow);
  EXPECT_EQ(opened.rows, 2);
}

}  // namespace
