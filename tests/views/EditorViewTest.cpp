// The editor view: rows by kind, Set Checked writing only the checked rows, value formats,
// octet-item rows edited in their dialog of numbered boxes.
#include "views_test_support.h"

using namespace viewstest;

namespace {

// An editor view over the scalars, shown; the step runs once its first read has ended.
struct EditorWindow {
  EditorWindow() {
    form = new TConfigForm(Application);
    form->Caption = "Scalars: 127.0.0.1";
    binding = NewBinding(form);
    UseScalars(binding->Request);
    view = form->MakeEditorForm(binding);
  }
  ~EditorWindow() { delete form; }

  void Show(const std::function<void()>& step) {
    ShowModalStep(form, script, [&] { return Idle(binding) && Edit(1)->Text() == "core"; }, step);
  }
  TEdit* Edit(int row) const { return static_cast<TEdit*>(view->EditsPanel->Rows[row].Control); }
  TCheckBox* Check(int row) const { return view->EditsPanel->Rows[row].CheckBox; }
  void Retype(int row, const std::string& text) const {
    Edit(row)->Text = "";
    GuiTesting::UserType(Edit(row), text);
  }

  TConfigForm* form;
  NvSNMPRequest2Edits* binding;
  TSNMPEditorPanel* view;
  ModalScript script;
};

}  // namespace

TEST(EditorView, RowsTakeTheirKindFromAccessAndOptionList) {
  EditorWindow w;
  const std::vector<UISnmpVar>& rows = w.view->EditsPanel->Rows;
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].Kind, 3);
  EXPECT_NE(dynamic_cast<TComboBox*>(rows[0].Control), nullptr);
  EXPECT_EQ(rows[1].Kind, 2);
  EXPECT_EQ(rows[2].Format, "%s{I}");
  EXPECT_EQ(rows[4].Kind, 1);
  EXPECT_TRUE(w.Edit(4)->ReadOnly());
  EXPECT_FALSE(rows[4].CheckBox->Visible());
  // Two or more writable rows: every row unchecked, Set Checked disabled until one is checked.
  TCtrlBtnPanel* column = w.view->CtrlBtnPanel;
  EXPECT_EQ(column->SetCheckedBtn->Caption(), "Set Checked");
  EXPECT_FALSE(column->SetCheckedBtn->Enabled());
  EXPECT_TRUE(column->CheckAllBtn->Visible());
  EXPECT_FALSE(column->CountText->Visible());
  w.Check(1)->Checked = true;
  EXPECT_TRUE(column->SetCheckedBtn->Enabled());
  w.view->ClearChecksClick(column->ClearChecksBtn);
  EXPECT_FALSE(column->SetCheckedBtn->Enabled());
  // Value-format programming errors.
  EXPECT_THROW(w.view->SetVarFormat(0, "%i"), Exception);
  EXPECT_THROW(w.view->EditsPanel->SetOctetItem(0, 14, 28), Exception);
}

TEST(EditorView, SetCheckedSendsOneSetWithOnlyTheCheckedRows) {
  GuiTesting::ScriptedAnswerer boxes;
  EditorWindow w;
  w.view->SetVarFormat(3, "%i{n1x65535l5}");
  w.Show([&] {
    Sim()->clearSetLog();
    w.Retype(1, "edge");
    w.Retype(3, "45");  // typed but not checked
    GuiTesting::UserClick(w.Check(1));
    ASSERT_TRUE(w.Check(1)->Checked());
    GuiTesting::UserClick(w.view->CtrlBtnPanel->SetCheckedBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kScalars + ".2.0=4:edge"});
    // The unchecked row is again part of the next read.
    EXPECT_FALSE(w.binding->Request.Vars.GetVar(3)->Access & NvAccess::invalid);
    GuiTesting::UserClick(w.view->CtrlBtnPanel->RefreshBtn);
    ASSERT_TRUE(WaitUntil([&] { return Idle(w.binding) && w.Edit(3)->Text() == "30"; }));
    EXPECT_EQ(w.Edit(1)->Text(), "edge");
  });
  RestoreScalar(".2", NvSyntax::displaystr, "core");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(EditorView, ACheckedEmptyRowStopsSetChecked) {
  GuiTesting::ScriptedAnswerer boxes;
  EditorWindow w;
  w.Show([&] {
    Sim()->clearSetLog();
    w.Edit(1)->Text = "";
    w.Check(1)->Checked = true;
    GuiTesting::UserClick(w.view->CtrlBtnPanel->SetCheckedBtn);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "Some items are empty!");
    EXPECT_TRUE(Sim()->setLog().empty());
    // A row tagged never-empty is sent as it is.
    w.Edit(1)->Tag = kTagNeverEmpty;
    GuiTesting::UserClick(w.view->CtrlBtnPanel->SetCheckedBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kScalars + ".2.0=4:"});
  });
  RestoreScalar(".2", NvSyntax::displaystr, "core");
}

TEST(EditorView, OneWritableRowGetsAPlainSetWithoutCheckBoxes) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  binding->Request.Vars.AddVar((kScalars + ".2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  binding->Request.Vars.AddVar((kScalars + ".5").c_str(), "Counter", NvSyntax::counter, NvAccess::readonly, nullptr);
  TSNMPEditorPanel* view = form->MakeEditorForm(binding);
  TCtrlBtnPanel* column = view->CtrlBtnPanel;
  EXPECT_EQ(column->SetCheckedBtn->Caption(), "Set");
  EXPECT_TRUE(column->SetCheckedBtn->Enabled());
  EXPECT_FALSE(column->CheckAllBtn->Visible());
  EXPECT_FALSE(column->ClearChecksBtn->Visible());
  EXPECT_FALSE(view->EditsPanel->Rows[0].CheckBox->Visible());
  EXPECT_TRUE(view->EditsPanel->Rows[0].CheckBox->Checked());
  // Hiding a button closes the gap below it.
  const int closeTop = column->CloseBtn->Top;
  column->SetCheckedBtn->Visible = false;
  column->ArrangeButtons();
  EXPECT_EQ(column->CloseBtn->Top(), closeTop - column->SetCheckedBtn->Height - 5);
  delete form;

  auto* readOnly = new TConfigForm(Application);
  auto* counter = NewBinding(readOnly);
  counter->Request.Vars.AddVar((kScalars + ".5").c_str(), "Counter", NvSyntax::counter, NvAccess::readonly, nullptr);
  TCtrlBtnPanel* only = readOnly->MakeEditorForm(counter)->CtrlBtnPanel;
  EXPECT_TRUE(only->RefreshBtn->Visible());
  EXPECT_TRUE(only->CloseBtn->Visible());
  EXPECT_FALSE(only->SetCheckedBtn->Visible());
  EXPECT_FALSE(only->CheckAllBtn->Visible());
  delete readOnly;
}

TEST(EditorView, APortListRowIsEditedInItsDialogOfNumberedBoxes) {
  GuiTesting::ScriptedAnswerer boxes;
  EditorWindow w;
  w.view->EditsPanel->SetOctetItem(5, 14, 28);
  w.Show([&] {
    EXPECT_EQ(w.Edit(5)->Text(), "1-2");
    Sim()->clearSetLog();
    w.script.Then([&](TCustomForm& dialog) {
      EXPECT_EQ(dialog.Caption(), "Ports");
      std::vector<TCheckBox*> ports;
      for (int i = 0; i < dialog.ComponentCount; ++i)
        if (auto* box = dynamic_cast<TCheckBox*>(dialog.Components[i]())) ports.push_back(box);
      ASSERT_EQ(ports.size(), 28u);
      EXPECT_TRUE(ports[0]->Checked());
      EXPECT_TRUE(ports[1]->Checked());
      EXPECT_GT(ports[14]->Top(), ports[13]->Top());  // 15 starts the second line
      EXPECT_EQ(ports[14]->Left(), ports[0]->Left());
      EXPECT_EQ(ports[13]->Top(), ports[0]->Top());
      GuiTesting::UserClick(ports[0]);
      GuiTesting::UserClick(ports[4]);
      GuiTesting::UserClick(ports[27]);
      for (int i = 0; i < dialog.ComponentCount; ++i)
        if (auto* ok = dynamic_cast<TButton*>(dialog.Components[i]()); ok && ok->Caption() == "OK") GuiTesting::UserClick(ok);
    });
    GuiTesting::UserClick(w.Edit(5));
    EXPECT_EQ(w.Edit(5)->Text(), "2,5,28");
    GuiTesting::UserClick(w.Check(5));
    GuiTesting::UserClick(w.view->CtrlBtnPanel->SetCheckedBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kScalars + ".6.0=4x:48000010"});

    // Cancel leaves the value as it was.
    w.script.Then([&](TCustomForm& dialog) {
      for (int i = 0; i < dialog.ComponentCount; ++i) {
        if (auto* box = dynamic_cast<TCheckBox*>(dialog.Components[i]())) box->Checked = true;
      }
      for (int i = 0; i < dialog.ComponentCount; ++i)
        if (auto* cancel = dynamic_cast<TButton*>(dialog.Components[i]()); cancel && cancel->Caption() == "Cancel")
          GuiTesting::UserClick(cancel);
    });
    GuiTesting::UserClick(w.Edit(5));
    EXPECT_EQ(w.Edit(5)->Text(), "2,5,28");
  });
  EXPECT_TRUE(boxes.Calls().empty());
  RestoreScalar(".6", NvSyntax::octetstr, "C0000000");
}

TEST(EditorView, ComboRuleLocksTheDependentRowUnlessTunnel) {
  static const NvOptionPair kModes[] = {{1, "none"}, {2, "bridge"}, {3, "tunnel"}, {0, nullptr}};
  static NvOptionList modes(kModes);
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  binding->Request.Vars.AddVar((kScalars + ".1").c_str(), "Mode", NvSyntax::integer, NvAccess::readwrite, &modes);
  binding->Request.Vars.AddVar((kScalars + ".1").c_str(), "Peer", NvSyntax::integer, NvAccess::readwrite, &modes);
  TSNMPEditorPanel* view = form->MakeEditorForm(binding);
  auto* mode = static_cast<TComboBox*>(view->EditsPanel->Rows[0].Control);
  auto* peer = static_cast<TComboBox*>(view->EditsPanel->Rows[1].Control);
  mode->Tag = 1;
  form->Show();
  GuiTesting::UserChoose(mode, 1);  // bridge
  EXPECT_FALSE(peer->Enabled());
  EXPECT_EQ(peer->ItemIndex(), 0);
  GuiTesting::UserChoose(mode, 2);  // tunnel
  EXPECT_TRUE(peer->Enabled());
  EXPECT_EQ(peer->ItemIndex(), 1);
  form->Hide();
  delete form;
}

TEST(EditorView, ARowIndexBeyondTheRowsIsReportedAndChangesNothing) {
  GuiTesting::ScriptedAnswerer boxes;
  EditorWindow w;
  w.view->EditsPanel->MakeRowReadOnly(6);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "aIdx is overtop!\n you may define < 6");
}

TEST(EditorView, AnAddressRowRefusesTextThatIsNoIPv4Address) {
  GuiTesting::ScriptedAnswerer boxes;
  EditorWindow w;
  w.Show([&] {
    w.Edit(2)->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return w.Edit(2)->Focused(); }));
    w.Retype(2, "1.2.3");
    w.Edit(3)->SetFocus();  // leaving the edit checks it
    Application->ProcessMessages();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(w.Edit(2)->Text(), "192.0.2.5");
  });
}
