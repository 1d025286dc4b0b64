// The shared dialog mechanics: partial SETs and their sequences, scaling, waiting for a
// write, and closing while replies are outstanding.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <cstdlib>
#include <stdexcept>

#include "ConvertingRequest.h"
#include "DialogChecks.h"
#include "DialogTestSupport.h"
#include "EntryPopup.h"
#include "FeatureDialog.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_qbridge.h"
#include "PartialSet.h"
#include "StackingPortUitForm.h"

namespace {

using dialogtest::PointSessionAt;

const char* const kTable = "1.3.6.1.4.1.32473.999.2.1";

const NvSNMPVar kRows[] = {
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.2", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.3", "Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.5", "Seen", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// The table as the switch has it: rows 1 to 3.
const NvSNMPVar kTableRows[] = {
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.2", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.3", "Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

std::vector<int> Words(const NvSNMPVarList& vars) {
  std::vector<int> words;
  for (int i = 0; i < vars.GetCount(); ++i) words.push_back(vars.GetVar(i)->Access);
  return words;
}

TEST(PartialSet, scope_leaves_out_and_gives_the_words_back_on_an_exception) {
  NvSNMPVarList vars(kRows, MVT_FMV, 1);
  const std::vector<int> before = Words(vars);
  try {
    NvVarFlagsScope flags(vars);
    flags.ExcludeAllBut({2});
    EXPECT_EQ(Words(vars), (std::vector<int>{1, 32, 6, 32, 2}));  // index and read-only kept
    flags.ExcludeVar(0);                                         // an index column is never left out
    flags.IncludeVar(1);
    EXPECT_EQ(Words(vars), (std::vector<int>{1, 6, 6, 32, 2}));
    throw std::runtime_error("the SET failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Words(vars), before);
}

TEST(PartialSet, sequence_gives_the_words_back_when_a_set_throws) {
  TForm form(nullptr);
  NvSNMPRequest2Edits request(&form);
  request.Request.Vars = NvSNMPVarList(kRows, MVT_FMV, 1);
  *request.Request.Vars.GetVar(0)->Value = "1";
  request.Request.Address = "no such address";  // refused before anything is sent
  const std::vector<int> before = Words(request.Request.Vars);
  const NvSetStep steps[] = {{{1}}, {{2, 3}}};
  GuiTesting::ScriptedAnswerer boxes;
  EXPECT_THROW(SendSetSequence(&request, steps), Exception);
  EXPECT_EQ(Words(request.Request.Vars), before);
  EXPECT_EQ(boxes.Calls().size(), 1u);  // the write that cannot be sent says so
}

TEST(ScaleFormForDpi, enlarges_only_off_96_pixels_per_inch) {
  ::setenv("NV_PIXELS_PER_INCH", "96", 1);
  TFeatureDialog stored(nullptr, 650, 455, NvScale::ByDpi);
  EXPECT_EQ(stored.Width(), 650);
  EXPECT_EQ(stored.Height(), 455);
  ::setenv("NV_PIXELS_PER_INCH", "120", 1);
  TFeatureDialog scaled(nullptr, 650, 455, NvScale::ByDpi);
  EXPECT_EQ(scaled.Width(), 812);
  EXPECT_EQ(scaled.Height(), 568);
  TFeatureDialog kept(nullptr, 650, 455, NvScale::Stored);
  EXPECT_EQ(kept.Width(), 650);
  ::unsetenv("NV_PIXELS_PER_INCH");
}

// A dialog with one table request over the test table of the simulated switch.
class StockDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    PointSessionAt(*sim);
    dialog = new TFeatureDialog(nullptr, 400, 300, NvScale::Stored);
    dialog->PutStatusBar();
    dialog->Table = dialog->AddRequest(kTableRows, MVT_FMV, 1);
    index = dialog->Put<TEdit>(dialog, "ED_Index", 8, 8, 60, 21);
    name = dialog->Put<TEdit>(dialog, "ED_Name", 8, 36, 60, 21);
    count = dialog->Put<TEdit>(dialog, "ED_Count", 8, 64, 60, 21);
    dialog->Table->BindControl(0, index);
    dialog->Table->BindControl(1, name);
    dialog->Table->BindControl(2, count);
  }
  void TearDown() override { delete dialog; }

  std::unique_ptr<SwitchSim> sim;
  TFeatureDialog* dialog = nullptr;
  TEdit* index = nullptr;
  TEdit* name = nullptr;
  TEdit* count = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(StockDialog, stopped_request_still_sends_the_writes_of_a_sequence) {
  NvSNMPRequest2Edits* table = dialog->Table;
  table->Asynchronous = 0;
  index->Text = "2";
  name->Text = "renamed";
  count->Text = "7";
  table->Stop();  // as the Stop button leaves it
  const NvSetStep steps[] = {{{2}}, {{1}}};
  ASSERT_TRUE(SendSetSequence(table, steps));
  const auto log = sim->setLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], std::string(kTable) + ".3.2=2:7");
  EXPECT_EQ(log[1], std::string(kTable) + ".2.2=4:renamed");
}

// A refused step ends the sequence unless its steps stand on their own.
TEST_F(StockDialog, a_refused_step_ends_the_sequence_or_lets_the_next_go) {
  NvSNMPRequest2Edits* table = dialog->Table;
  index->Text = "3";
  name->Text = "refused";
  count->Text = "9";
  sim->setSubtreeError(std::string(kTable) + ".2", 17);  // notWritable
  const NvSetStep steps[] = {{{1}}, {{2}}};
  for (NvAfterRefusedSet after : {NvAfterRefusedSet::Stop, NvAfterRefusedSet::GoOn}) {
    const bool goOn = after == NvAfterRefusedSet::GoOn;
    SCOPED_TRACE(goOn ? "go on" : "stop");
    sim->clearSetLog();
    EXPECT_FALSE(SendSetSequence(table, steps, after));
    std::vector<std::string> expected{std::string(kTable) + ".2.3=4:refused"};
    if (goOn) expected.push_back(std::string(kTable) + ".3.3=2:9");
    EXPECT_EQ(sim->setLog(), expected);
  }
  EXPECT_EQ(boxes.Calls().size(), 2u);  // each refusal reported by the request
}

// A step the switch takes and never answers ends the sequence even where refusals go on: it
// is told once as not known, the steps after it as not made, and the blocking read that
// follows in the same handler ends at once instead of holding the window again.
TEST_F(StockDialog, an_unanswered_step_ends_the_sequence_and_is_not_known_rather_than_not_made) {
  for (bool blocking : {true, false}) {
    SCOPED_TRACE(blocking ? "blocking" : "asynchronous");
    GuiTesting::ScriptedAnswerer answered;
    NvSNMPRequest2Edits* table = dialog->Table;
    table->Asynchronous = blocking ? 0 : 1;
    table->Request.TimeOut = 20;
    table->Request.Retries = 0;
    index->Text = "2";
    name->Text = "maybe";
    count->Text = "8";
    const NvSetStep steps[] = {{{1}}, {{2}}};
    sim->clearSetLog();
    sim->setDropReplies(true);
    NvSetOutcome outcome;
    EXPECT_FALSE(SendSetSequence(table, steps, NvAfterRefusedSet::GoOn, &outcome));
    const auto start = std::chrono::steady_clock::now();
    table->Asynchronous = 0;
    table->Get();  // chained in the same handler: held by the silence
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    sim->setDropReplies(false);
    EXPECT_EQ(sim->setLog(), (std::vector<std::string>{std::string(kTable) + ".2.2=4:maybe"}));
    EXPECT_EQ(outcome.Unknown, (std::vector<size_t>{0}));
    EXPECT_EQ(outcome.Unsent, (std::vector<size_t>{1}));
    EXPECT_TRUE(outcome.Refused.empty());
    ASSERT_EQ(answered.Calls().size(), 1u);
    const std::string told = answered.Calls()[0].text;
    EXPECT_NE(told.find("\nThese changes were not made: Count.\nIt is not known whether these changes were made: Name."),
              std::string::npos)
        << told;
    // The silence ends once the handler has returned to the message loop.
    EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return !table->Busy && !table->Gate->HeldRead(); }, 5000));
    EXPECT_TRUE(table->Get());  // read well again: writes are no longer refused
  }
}

// What a sequence not taken whole says, by what became of each step.
TEST_F(StockDialog, the_outcome_text_names_what_was_made_refused_and_not_known) {
  const NvSetStep steps[] = {{{1}}, {{2}, "the count, as typed"}, {{3}}};
  const std::vector<NvSetWrite> writes = WritesOf(dialog->Table, steps);
  struct Case {
    NvSetOutcome outcome;
    const char* text;
  };
  const Case cases[] = {
      {{.Refused = {0}, .Unsent = {1, 2}, .Failure = "refused"}, "refused\nThese changes were not made: Name, Count, Status."},
      {{.Refused = {1}, .Failure = "refused"},
       "refused\nThese changes were made: Name, Status.\nThese changes were not made: Count."},
      {{.Unknown = {1}, .Unsent = {2}, .Failure = "silent"},
       "silent\nThese changes were made: Name.\nThese changes were not made: Status.\n"
       "It is not known whether these changes were made: Count."},
      {{.Refused = {0}, .Failure = "refused"},
       "refused\nThese changes were made: the count, as typed, Status.\nThese changes were not made: Name."},
  };
  for (const Case& c : cases) EXPECT_EQ(SetOutcomeText(writes, c.outcome), c.text);
  const NvSetOutcome one{.Refused = {0}, .Failure = "refused alone"};
  EXPECT_EQ(SetOutcomeText(std::span<const NvSetWrite>(writes.data(), 1), one), "refused alone");
}

TEST_F(StockDialog, waiting_for_a_write_ends_on_stop_and_is_bounded) {
  NvSNMPRequest2Edits* table = dialog->Table;
  table->Request.TimeOut = 10;
  table->Request.Retries = 0;
  index->Text = "1";
  count->Text = "5";  // an empty count is no number and would not be sent
  sim->setDropReplies(true);

  // Stopped: the wait ends at once, and the dialog is not left locked.
  dialog->DataComplete = 0;
  table->Stop();
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(dialog->WaitSetCompleted(table));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_EQ(dialog->DataComplete, 1);

  // No completion handler to end it: the wait gives up after the time-out and its margin.
  dialog->DataComplete = 0;
  table->Request.Active = 1;
  start = std::chrono::steady_clock::now();
  EXPECT_FALSE(dialog->WaitSetCompleted(table));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4000));
  EXPECT_EQ(dialog->DataComplete, 1);

  // With SetCompleted installed the write's end (here its time-out) ends the wait.
  dialog->TrackWrites(table);
  dialog->DataComplete = 0;
  ASSERT_TRUE(table->Set(false, true));
  EXPECT_TRUE(dialog->WaitSetCompleted(table));
}

TEST_F(StockDialog, closing_during_a_walk_lets_go_of_it_at_once) {
  NvSNMPRequest2Edits* table = dialog->Table;
  const std::shared_ptr<const bool> tableAlive = table->Lifetime();
  dialog->TrackWalks(table);
  sim->setDelay(200);
  dialog->StartWalk(table);
  ASSERT_EQ(dialog->DataComplete, 0);
  ASSERT_TRUE(table->Busy);
  const auto start = std::chrono::steady_clock::now();
  dialog->CloseRequests();
  // The walk was stopped, and the binding goes with its last reply, not waited for here.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
  EXPECT_TRUE(*tableAlive);
  EXPECT_EQ(dialog->Table, nullptr);
  delete dialog;
  dialog = nullptr;
  // Nothing arrives for the freed window, and the binding goes with its last reply.
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return !*tableAlive; }, 10000));
}

TEST_F(StockDialog, walk_that_times_out_says_so_in_the_status_bar) {
  NvSNMPRequest2Edits* table = dialog->Table;
  table->Request.TimeOut = 10;
  table->Request.Retries = 0;
  dialog->TrackWalks(table);
  dialog->StartWalk(table);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }));
  const std::string ok = dialog->StatusBar1->Panels->Items[0]->Text;
  EXPECT_NE(ok.find(NvErrorText(NvErr::Ok)), std::string::npos) << ok;

  sim->setDropReplies(true);
  dialog->StartWalk(table);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }));
  const std::string failed = dialog->StatusBar1->Panels->Items[0]->Text;
  EXPECT_NE(failed.find(NvErrorText(NvErr::Timeout)), std::string::npos) << failed;
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StockDialog, entry_popup_edits_a_row_through_its_parent_and_closes) {
  auto* popup = new TEntryPopup(dialog, dialog, 300, 160, NvScale::Stored);
  TEdit* key = popup->Put<TEdit>(popup, "ED_Key", 8, 8, 60, 21);
  TEdit* label = popup->Put<TEdit>(popup, "ED_Label", 8, 36, 120, 21);
  popup->KeyControls = {key};
  dialog->Table->Unbind(0);
  dialog->Table->Unbind(1);
  dialog->Table->Unbind(2);
  dialog->Table->BindControl(0, key);
  dialog->Table->BindControl(1, label);
  dialog->TrackWalks(dialog->Table);
  dialog->StartWalk(dialog->Table);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }));
  const NvSetStep rename[] = {{{1}}};

  bool keyUsable = true;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    keyUsable = key->Enabled;
    key->Text = "2";  // as choosing row 2 in the parent fills it
    label->Text = "edited";
    popup->WriteThroughParent(rename);
  });
  EXPECT_EQ(popup->ShowForEdit("Edit Entry"), mrOk);
  EXPECT_EQ(popup->Caption(), "Edit Entry");
  EXPECT_FALSE(keyUsable);
  // The walk that follows the SET ends after the switch has taken the SET.
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{std::string(kTable) + ".2.2=4:edited"}));
  EXPECT_EQ(popup->Mode, NvEntryMode::Edit);
}

TEST_F(StockDialog, write_then_reread_walks_once_after_the_last_reply) {
  NvSNMPRequest2Edits* table = dialog->Table;
  dialog->TrackWalks(table);
  dialog->StartWalk(table);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }));
  sim->clearSetLog();
  sim->setDelay(150);
  index->Text = "3";
  name->Text = "trois";
  count->Text = "9";
  const NvSetStep steps[] = {{{1}}, {{2}}};
  ASSERT_TRUE(dialog->WriteThenReread(steps));
  // Each SET was answered before the next went out; now only the one walk is in flight, and a
  // refresh meanwhile starts no second one.
  EXPECT_EQ(table->Request.PendingReplies, 1);
  EXPECT_EQ(dialog->DataComplete, 0);
  dialog->RefreshAll();
  EXPECT_EQ(table->Request.PendingReplies, 1);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1 && !table->Busy; }));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{std::string(kTable) + ".2.3=4:trois",
                                                     std::string(kTable) + ".3.3=2:9"}));
  // The walk ran after the switch had both: its last row carries them.
  EXPECT_EQ(name->Text(), "trois");
  EXPECT_EQ(count->Text(), "9");
  EXPECT_EQ(table->Request.PendingReplies, 0);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StockDialog, write_then_reread_reports_a_refused_set_and_still_reads_again) {
  NvSNMPRequest2Edits* table = dialog->Table;
  dialog->TrackWalks(table);
  TEdit* status = dialog->Put<TEdit>(dialog, "ED_Status", 8, 92, 60, 21);
  table->BindControl(3, status);
  index->Text = "1";
  count->Text = "4";
  status->Text = "4";  // createAndGo on an existing row: refused
  const NvSetStep steps[] = {{{2}}, {{3}}};
  EXPECT_FALSE(dialog->WriteThenReread(steps));
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1 && !table->Busy; }));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, GuiTesting::BoxKind::MessageBox);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_EQ(sim->setLog().size(), 2u);
  EXPECT_EQ(count->Text(), "30");  // the walk's last row, row 3, as the switch holds it
}

TEST_F(StockDialog, write_then_reread_with_nothing_sent_leaves_the_dialog_usable) {
  dialog->TrackWalks(dialog->Table);
  dialog->Table->Request.Address = "no such address";
  index->Text = "1";
  const NvSetStep steps[] = {{{1}}};
  EXPECT_FALSE(dialog->WriteThenReread(steps));
  EXPECT_EQ(dialog->DataComplete, 1);
  EXPECT_FALSE(dialog->StatusBar1->Panels->Items[0]->Text().empty());
  EXPECT_TRUE(sim->setLog().empty());
}

// Every pop-up: a refused typed value goes back to what the pop-up showed when it opened,
// never to the value a walk or a chosen row left in the edit before (here row 3's 30).
TEST_F(StockDialog, entry_popup_restores_a_refused_value_to_what_it_showed) {
  auto* popup = new TEntryPopup(dialog, dialog, 300, 160, NvScale::Stored);
  TEdit* amount = popup->Put<TEdit>(popup, "ED_Amount", 8, 8, 60, 21);
  TEdit* other = popup->Put<TEdit>(popup, "ED_Other", 8, 36, 60, 21);
  dialog->Table->Unbind(2);
  dialog->Table->BindEdits(2, "%i{n1x65535}", amount);
  popup->OnShow = [&](TObject*) { amount->Text = ""; };  // as a pop-up empties itself for Add
  dialog->TrackWalks(dialog->Table);
  dialog->StartWalk(dialog->Table);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }));
  ASSERT_EQ(amount->Text(), "30");

  std::vector<std::string> afterRefusal;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    for (const char* typed : {"0", "65536"}) {
      amount->SetFocus();
      GuiTesting::UserType(amount, typed);
      other->SetFocus();  // leaving the edit checks it
      afterRefusal.push_back(amount->Text());
    }
    shown.ModalResult = mrCancel;
  });
  popup->ShowForAdd("Add Entry");
  ASSERT_EQ(driver.Runs(), 1);
  EXPECT_EQ(afterRefusal, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(boxes.Calls().size(), 2u);
  EXPECT_TRUE(sim->setLog().empty());
}

// A names text with a word that names no bit is refused before a write, and never sent as
// no bits if a write collects it all the same.
TEST_F(StockDialog, converting_request_never_sends_a_text_that_stands_for_no_value) {
  auto* table = dialog->AddRequest<NvConvertingRequest>(kTableRows, MVT_FMV, 1);
  table->Asynchronous = 0;
  const std::vector<std::string> names = {"Alpha", "Beta"};
  table->Columns = {{1, NamesOf(names), BitsOf(names), name}};
  table->BindControl(0, index);
  NvVarFlagsScope flags(table->Request.Vars);
  flags.ExcludeVar(2);
  flags.ExcludeVar(3);
  index->Text = "2";
  name->Text = " Alpha,Gamma";
  EXPECT_FALSE(table->TypedTextsAccepted());
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "'Gamma' is not one of: Alpha, Beta");
  EXPECT_THROW(table->Set(false, true), Exception);
  EXPECT_TRUE(sim->setLog().empty());

  name->Text = "beta , ALPHA";
  EXPECT_TRUE(table->TypedTextsAccepted());
  EXPECT_TRUE(table->Set(false, true));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{std::string(kTable) + ".2.2=4:C0"}));
}

TEST_F(StockDialog, popup_owned_by_the_application_is_freed_when_the_parent_closes) {
  const int before = Application->ComponentCount;
  TEntryPopup* popup = new TEntryPopup(Application, dialog, 300, 160, NvScale::Stored);
  dialog->FreeWithDialog(popup);
  EXPECT_EQ(Application->ComponentCount, before + 1);
  dialog->CloseRequests();
  EXPECT_EQ(popup, nullptr);
  EXPECT_EQ(Application->ComponentCount, before);
}

TEST(MacKey, exactly_twelve_hex_digits) {
  GuiTesting::ScriptedAnswerer boxes;
  const struct {
    const char* text;
    bool ok;
  } cases[] = {{"00E0FC123456", true}, {"00e0fc12ab5f", true}, {"00E0FC12345", false},
               {"00E0FC1234567", false}, {"00E0FC12345G", false}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(IsMacKey(c.text, "bad MAC"), c.ok) << c.text;
  EXPECT_EQ(boxes.Calls().size(), 4u);
  EXPECT_EQ(boxes.Calls()[0].text, "bad MAC");
}

TEST_F(StockDialog, entry_popup_for_add_leaves_its_keys_usable) {
  auto* popup = new TEntryPopup(dialog, dialog, 300, 160, NvScale::Stored);
  TEdit* key = popup->Put<TEdit>(popup, "ED_Key", 8, 8, 60, 21);
  popup->KeyControls = {key};
  key->Enabled = false;
  bool keyUsable = false;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    keyUsable = key->Enabled;
    shown.ModalResult = mrCancel;
  });
  EXPECT_EQ(popup->ShowForAdd("Add Entry"), mrCancel);
  EXPECT_TRUE(keyUsable);
  EXPECT_EQ(popup->Mode, NvEntryMode::Add);
  EXPECT_TRUE(sim->setLog().empty());
}

}  // namespace

namespace {

TEST(NeighbourServices, model_port_list_and_texts_the_dialogs_rely_on) {
  EXPECT_EQ(ModelName, "NVS-7000-D");
  EXPECT_EQ(TitleSuffix, "");
  EXPECT_EQ(GetModelPortCount(ModelName), 28);
  const std::string positions = MakePortIndexList();
  EXPECT_EQ(positions.substr(0, 6), "0,1,2,");
  EXPECT_EQ(positions.substr(positions.size() - 6), ",62,63");
  EXPECT_EQ(NvErrorText(NvErr::PartialIndexRange),
            "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!");
  // The row-status names in the order a combo box lists them: item 3 creates, item 5 destroys.
  const NvOptionList* status = VlanStaticTable[5].Options;
  ASSERT_NE(status, nullptr);
  ASSERT_EQ(status->GetCount(), 6);
  EXPECT_EQ(status->GetOption(3).Name, "createAndGo");
  EXPECT_EQ(status->GetOption(5).Name, "destroy");
  EXPECT_EQ(NvSNMPTableCount(VlanStaticTable), 6);
  EXPECT_EQ(NvSNMPTableCount(NextFreeLocalVlanIndexTable), 1);
}

}  // namespace
