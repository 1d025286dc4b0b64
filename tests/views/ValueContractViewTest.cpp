// What the generic views give the switch: a value read and not edited goes back octet for
// octet, a typed value that is no value of its syntax is refused with nothing sent, and the
// access layer's markers never show as values nor reach a SET.
#include "NvSNMPConvert.h"
#include "views_test_support.h"

using namespace viewstest;

namespace {

const std::string kClocks = "1.3.6.1.4.1.32473.999.36";
const std::string kSparse = "1.3.6.1.4.1.32473.999.37.1";
using Log = std::vector<std::string>;

// An editor view over the seed's four clocks and one object the switch does not have.
struct ClockWindow {
  ClockWindow() {
    form = new TConfigForm(Application);
    form->Caption = "Clocks: 127.0.0.1";
    binding = NewBinding(form);
    for (const char* n : {"1", "2", "3", "4"})
      binding->Request.Vars.AddVar((kClocks + "." + n).c_str(), "Clock", NvSyntax::datetime, NvAccess::readwrite,
                                   nullptr);
    binding->Request.Vars.AddVar((kClocks + ".5").c_str(), "Missing", NvSyntax::displaystr, NvAccess::readwrite,
                                 nullptr);
    binding->Request.Vars.Kind = SVT_SV;
    view = form->MakeEditorForm(binding);
  }
  ~ClockWindow() { delete form; }
  void Show(const std::function<void()>& step) {
    ShowModalStep(form, script, [&] { return Idle(binding) && !Edit(0)->Text().empty(); }, step);
  }
  TEdit* Edit(int row) const { return static_cast<TEdit*>(view->EditsPanel->Rows[row].Control); }
  TCheckBox* Check(int row) const { return view->EditsPanel->Rows[row].CheckBox; }
  void SetChecked(std::initializer_list<int> rows) {
    for (int row = 0; row < 5; ++row) Check(row)->Checked = false;
    for (int row : rows) Check(row)->Checked = true;
    GuiTesting::UserClick(view->CtrlBtnPanel->SetCheckedBtn);
    ASSERT_TRUE(WaitUntil([&] { return Idle(binding); }));
  }

  TConfigForm* form;
  NvSNMPRequest2Edits* binding;
  TSNMPEditorPanel* view;
  ModalScript script;
};

}  // namespace

TEST(ValueContract, ClocksReadAndNotEditedAreWrittenBackOctetForOctet) {
  GuiTesting::ScriptedAnswerer boxes;
  ClockWindow w;
  w.Show([&] {
    EXPECT_EQ(w.Edit(0)->Text(), "2026-12-10,8:30:15.0");
    EXPECT_EQ(w.Edit(1)->Text(), "2026-12-10,8:30:15.0,+0:0");
    EXPECT_EQ(w.Edit(2)->Text(), "2026-12-10,8:30:15.0,-0:0");
    EXPECT_EQ(w.Edit(3)->Text(), "2026-12-10,8:30:15.0,+8:0");
    Sim()->clearSetLog();
    w.SetChecked({0, 1, 2, 3});
    EXPECT_EQ(Sim()->setLog(), (Log{kClocks + ".1.0=4x:07EA0C0A081E0F00 ; " + kClocks + ".2.0=4x:07EA0C0A081E0F002B0000 ; " +
                                    kClocks + ".3.0=4x:07EA0C0A081E0F002D0000 ; " + kClocks +
                                    ".4.0=4x:07EA0C0A081E0F002B0800"}));
  });
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(ValueContract, AnImpossibleClockTypedIntoAViewIsRefusedAndNothingSent) {
  GuiTesting::ScriptedAnswerer boxes;
  ClockWindow w;
  w.Show([&] {
    Sim()->clearSetLog();
    for (const char* typed : {"2026-2-30,8:30:15.0", "2026-12-10,24:00:00.0", "2026-12-10 8:30:15", "now"}) {
      w.Edit(0)->Text = typed;
      w.SetChecked({0, 1});
      EXPECT_NE(StatusText(w.view).find(NvDateTimeHint), std::string::npos) << typed << ": " << StatusText(w.view);
    }
    EXPECT_TRUE(Sim()->setLog().empty());
    w.Edit(0)->Text = "2026-12-10,9:00:00.0,+8:0";
    w.SetChecked({0});
    EXPECT_EQ(Sim()->setLog(), (Log{kClocks + ".1.0=4x:07EA0C0A090000002B0800"}));
    w.Edit(0)->Text = "2026-12-10,8:30:15.0";  // the seed's clock again, for the other tests
    w.SetChecked({0});
    EXPECT_EQ(Sim()->setLog().back(), kClocks + ".1.0=4x:07EA0C0A081E0F00");
  });
}

// On v2c an object the switch does not have reads as no value: its row is empty, never the
// text "(NULL)", the status line names it, and a write of the others does not send it.
TEST(ValueContract, AnObjectTheSwitchLacksShowsNoValue) {
  GuiTesting::ScriptedAnswerer boxes;
  ClockWindow w;
  w.Show([&] {
    EXPECT_EQ(StatusText(w.view).rfind("Get: Ok! No value from the switch: Missing.", 0), 0u) << StatusText(w.view);
    EXPECT_EQ(w.Edit(4)->Text(), "");
    Sim()->clearSetLog();
    w.SetChecked({0});
    EXPECT_EQ(Sim()->setLog(), (Log{kClocks + ".1.0=4x:07EA0C0A081E0F00"}));
  });
}

namespace {

// A table view over the sparse table: row 2 lacks its number, row 4 has its status alone.
struct SparseWindow : ListWindow {
  SparseWindow() : ListWindow("Sparse: 127.0.0.1") {
    NvSNMPVarList& vars = binding->Request.Vars;
    vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
    vars.AddVar((kSparse + ".2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
    vars.AddVar((kSparse + ".3").c_str(), "Number", NvSyntax::integer, NvAccess::readwrite, nullptr);
    vars.AddVar((kSparse + ".4").c_str(), "Status", NvSyntax::integer, NvAccess::readwrite, &RowStatusList());
    vars.Kind = MVT_FMV;
    vars.IndexCount = 1;
    Made(form->MakeListViewForm(binding, 3, "createAndGo", 3, "destroy"));
  }
  void Show(const std::function<void()>& step) { ShowRows(4, step); }
  std::vector<std::string> Row(int r) const {
    TListItem* item = list->Items->Item[r];
    std::vector<std::string> cells{item->Caption};
    for (int k = 0; k < item->SubItems->Count; ++k) cells.push_back(item->SubItems->Get(k));
    return cells;
  }
};

}  // namespace

TEST(ValueContract, CellsMissingFromTheLastRowAreGapsAsInAnyOtherRow) {
  GuiTesting::ScriptedAnswerer boxes;
  SparseWindow w;
  w.Show([&] {
    EXPECT_EQ(w.Row(0), (Log{"1", "first", "7", "active"}));
    EXPECT_EQ(w.Row(1), (Log{"2", "second", "", "active"}));
    EXPECT_EQ(w.Row(2), (Log{"3", "third", "9", "active"}));
    EXPECT_EQ(w.Row(3), (Log{"4", "", "", "active"}));

    // Edit then Set: the empty cells are shown empty and no marker text is written.
    Sim()->clearSetLog();
    GuiTesting::UserClickItem(w.list, w.list->Items->Item[3]);
    w.script.Then([&](TCustomForm& popup) {
      EXPECT_EQ(w.Edit(1)->Text(), "");
      EXPECT_EQ(w.Edit(2)->Text(), "");
      GuiTesting::UserType(w.Edit(1), "fourth");
      for (int row = 1; row <= 2; ++row) w.view->EditsPanel->Rows[row].CheckBox->Checked = true;
      GuiTesting::UserClick(FrameOf(popup)->CtrlBtnPanel->SetCheckedBtn);
    });
    GuiTesting::UserClick(w.view->CtrlBtnPanel->EditBtn);
    for (const std::string& set : Sim()->setLog()) {
      EXPECT_EQ(set.find("(NOTDONE)"), std::string::npos) << set;
      EXPECT_EQ(set.find("(NULL)"), std::string::npos) << set;
    }
  });
}

// A value the switch did not give is shown as an empty edit, and an edit left empty gives no
// value back: neither the marker's text nor a number nobody typed.
TEST(ValueContract, AnEmptyEditOverNoValueGivesNoValueBack) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  NvSNMPRequest2Edits binding(&form);
  binding.Request.Vars.AddVar((kClocks + ".6").c_str(), "Number", NvSyntax::integer, NvAccess::readwrite, nullptr);
  binding.Request.Vars.Kind = SVT_SV;
  binding.BindEdits(0, "%i", edit);
  for (const char* marker : {"(NULL)", "(NOTDONE)"}) {
    *binding.Request.Vars.GetVar(0)->Value = marker;
    binding.ValuesToControls(-1);
    EXPECT_EQ(edit->Text(), "") << marker;
    binding.ControlsToValues(-1);
    EXPECT_EQ(*binding.Request.Vars.GetVar(0)->Value, "(NULL)") << marker;
  }
  // Typed, it is the value.
  edit->Text = "12";
  binding.ControlsToValues(-1);
  EXPECT_EQ(*binding.Request.Vars.GetVar(0)->Value, "12");
}
