// Menu commands run from their rows against the simulated switch: each kind opens its window
// with the row's details, and what a command writes reaches the switch.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>

#include "About.h"
#include "Catalogue.h"
#include "CommandRunner.h"
#include "Guiconfigform.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"
#include "WinExec.h"

namespace {

SwitchSim* sim = nullptr;

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    StartSessionInScratchFolder("commands");
    NvCatalogueStartup();
    sim = new SwitchSim();
  }
  void TearDown() override {
    delete sim;
    NvCatalogueShutdown();
  }
};
::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

const NvMenuCommand& Command(const char* item) {
  const NvMenuCommand* command = NvFindMenuCommand(item);
  if (!command) throw std::runtime_error(std::string("no command ") + item);
  return *command;
}

// Every component of type T that the owner owns, directly or further down, in creation order.
template <class T>
void FindAll(TComponent* owner, std::vector<T*>& found) {
  for (int i = 0; i < owner->ComponentCount; ++i) {
    if (auto* t = dynamic_cast<T*>(owner->GetComponent(i))) found.push_back(t);
    FindAll(owner->GetComponent(i), found);
  }
}

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    sim->clearSetLog();
    DeviceAddress = "192.0.2.10";
    PointSessionAt(*sim, 0, 100);
    host.CommandTitle = &title;
  }
  void TearDown() override { NvSNMPSecurity::Version = 0; }

  // The view's first binding, once its first read has ended.
  static NvSNMPRequest2Edits* ReadDone(TCustomForm& form) {
    auto& view = dynamic_cast<TConfigForm&>(form);
    NvSNMPRequest2Edits* request = view.Requests.at(0);
    EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return view.CurrentRequest == request && !request->Busy; }));
    return request;
  }
  static TSNMPListViewPanel* ListPanel(TCustomForm& form) {
    std::vector<TSNMPListViewPanel*> panels;
    FindAll(&form, panels);
    return panels.empty() ? nullptr : panels[0];
  }
  // Every window the hook saw is closed once the hook returns, also when an assertion left it early.
  static GuiTesting::ModalHook Closing(GuiTesting::ModalHook hook) {
    return [hook](TCustomForm& form) {
      hook(form);
      if (form.ModalResult == mrNone) form.ModalResult = mrCancel;
    };
  }
  static bool RowsShown(TSNMPListViewPanel* panel, int count) {
    return GuiTesting::ProcessUntil([&] { return panel->ListPanel->ListView->Items->Count >= count; });
  }

  std::string title;
  NvCommandHost host;
  GuiTesting::ScriptedAnswerer answers;
};

TEST_F(Commands, EditorViewIsCaptionedReadsWithItsTimeOutAndWritesCheckedRows) {
  std::string caption;
  int timeOut = 0;
  std::string readTimeout;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    caption = form.Caption;
    NvSNMPRequest2Edits* request = ReadDone(form);
    timeOut = request->Request.TimeOut;
    std::vector<TSNMPEditorPanel*> panels;
    FindAll(&form, panels);
    ASSERT_EQ(panels.size(), 1u);
    TSNMPEditorPanel* panel = panels[0];
    UISnmpVar& row = panel->EditsPanel->Rows.at(5);  // "IP Auto Configuration Timeout (1-65535)"
    auto* edit = dynamic_cast<TEdit*>(row.Control);
    ASSERT_NE(edit, nullptr);
    readTimeout = edit->Text;
    EXPECT_EQ(edit->MaxLength(), 5);  // "%i{n1x65535l5}"
    panel->ClearChecksClick(nullptr);
    edit->Text = "300";
    row.CheckBox->Checked = true;
    panel->SetCheckedClick(panel->CtrlBtnPanel->SetCheckedBtn);
    GuiTesting::ProcessUntil([&] { return !request->Busy && !sim->setLog().empty(); });
    form.ModalResult = mrCancel;
  }));
  NvRunMenuCommand(Command("BasicConfigure1"), host);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(caption, "Basic Management: 192.0.2.10");
  EXPECT_EQ(title, "Basic Management: 192.0.2.10");
  EXPECT_EQ(timeOut, 400);
  EXPECT_FALSE(readTimeout.empty());
  ASSERT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(sim->setLog()[0], "1.3.6.1.4.1.32473.12.1.3.5.0=2:300");
}

TEST_F(Commands, TableViewGetsHeightAndListsTheRows) {
  int height = 0, rows = 0;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    ReadDone(form);
    height = form.Height;
    TSNMPListViewPanel* panel = ListPanel(form);
    ASSERT_NE(panel, nullptr);
    RowsShown(panel, 1);
    rows = panel->ListPanel->ListView->Items->Count;
    form.ModalResult = mrCancel;
  }));
  NvRunMenuCommand(Command("Multipleimagemanagement1"), host);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(height, 450);
  EXPECT_GT(rows, 0);
  EXPECT_EQ(title, "Multiple Image Management: 192.0.2.10");
}

// Multicast Filter Port Table: columns rebuilt from the labels, rows 2 and 3 of width 0 but still read.
TEST_F(Commands, ZeroWidthColumnsAreKeptOutOfSightButRead) {
  std::vector<std::string> captions;
  std::vector<int> widths;
  std::string hiddenCell;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    ReadDone(form);
    TSNMPListViewPanel* panel = ListPanel(form);
    ASSERT_TRUE(RowsShown(panel, 1));
    TListView* list = panel->ListPanel->ListView;
    for (int i = 0; i < list->Columns->Count; ++i) {
      captions.push_back(list->Columns->GetItem(i)->Caption);
      widths.push_back(list->Columns->GetItem(i)->Width);
    }
    TListItem* first = list->Items->Item[0];
    if (first->SubItems->Count >= 3) hiddenCell = first->SubItems->Strings[2];
  }));
  NvRunMenuCommand(Command("MulticastFilterPortTable1"), host);
  ASSERT_EQ(captions.size(), 4u);
  EXPECT_EQ(captions[0], "GroupPort Index");
  EXPECT_EQ(widths[2], 0);
  EXPECT_EQ(widths[3], 0);
  EXPECT_GT(widths[1], 0);
  EXPECT_FALSE(hiddenCell.empty());
}

// Trusted Host Table: status column 3, Add "createAndGo", Delete "destroy", Edit removed.
TEST_F(Commands, AddAndDeleteWriteTheRowStatusValues) {
  const std::string entry = "1.3.6.1.4.1.32473.12.1.2.10.1.1";
  int step = 0;
  bool editVisible = true, dblClick = true;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    static TSNMPListViewPanel* panel = nullptr;
    if (step++ == 0) {
      ReadDone(form);
      panel = ListPanel(form);
      ASSERT_NE(panel, nullptr);
      ASSERT_TRUE(RowsShown(panel, 3));
      editVisible = panel->CtrlBtnPanel->EditBtn->Visible;
      dblClick = static_cast<bool>(panel->ListPanel->ListView->OnDblClick);
      panel->AddClick(panel->CtrlBtnPanel->AddBtn);  // the pop-up runs as the next step
      ASSERT_TRUE(RowsShown(panel, 4));
      TListView* list = panel->ListPanel->ListView;
      TListItem* added = nullptr;
      for (int i = 0; i < list->Items->Count; ++i)
        if (list->Items->Item[i]->Caption() == "7") added = list->Items->Item[i];
      ASSERT_NE(added, nullptr);
      GuiTesting::UserClickItem(list, added);
      answers.Answer(IDOK);
      panel->DeleteEntry(panel->CtrlBtnPanel->DeleteBtn);
      form.ModalResult = mrCancel;
      return;
    }
    // The Add pop-up: index 7, address and mask.
    TEditsPanel* edits = panel->EditsPanel;
    auto set = [&](int row, const char* text) {
      dynamic_cast<TEdit*>(edits->Rows.at(row).Control)->Text = text;
      edits->Rows.at(row).CheckBox->Checked = true;
    };
    set(0, "7");
    set(1, "10.1.1.7");
    set(2, "255.255.255.0");
    panel->SetCheckedClick(nullptr);
    GuiTesting::ProcessUntil([&] { return !sim->setLog().empty() && !panel->EditCtrl->Busy; });
    if (form.Visible) form.ModalResult = mrOk;
  }));
  NvRunMenuCommand(Command("TrustHostTable1"), host);
  EXPECT_FALSE(editVisible);
  EXPECT_FALSE(dblClick);
  const auto log = sim->setLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_NE(log[0].find(entry + ".3.7=2:4"), std::string::npos) << log[0];  // createAndGo
  EXPECT_NE(log[0].find(entry + ".2.7=64:10.1.1.7"), std::string::npos) << log[0];
  EXPECT_EQ(log[1], entry + ".3.7=2:6");  // destroy, nothing else
}

TEST_F(Commands, EditHiddenKeepsTheDoubleClickEdit) {
  bool editVisible = true, dblClick = false, addVisible = false;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    ReadDone(form);
    TSNMPListViewPanel* panel = ListPanel(form);
    ASSERT_NE(panel, nullptr);
    editVisible = panel->CtrlBtnPanel->EditBtn->Visible;
    addVisible = panel->CtrlBtnPanel->AddBtn->Visible;
    dblClick = static_cast<bool>(panel->ListPanel->ListView->OnDblClick);
  }));
  NvRunMenuCommand(Command("GroupTable1"), host);  // VLAN > Protocol VLAN > Group Table
  EXPECT_FALSE(editVisible);
  EXPECT_TRUE(addVisible);
  EXPECT_TRUE(dblClick);
}

TEST_F(Commands, CounterTableReadsAsVersion2cAndPutsVersion1Back) {
  int versionSent = -1, sessionDuring = -1, rows = 0;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    NvSNMPRequest2Edits* request = ReadDone(form);
    versionSent = request->Request.Version;
    sessionDuring = NvSNMPSecurity::Version;
    TSNMPListViewPanel* panel = ListPanel(form);
    RowsShown(panel, 1);
    rows = panel->ListPanel->ListView->Items->Count;
    form.ModalResult = mrCancel;
  }));
  NvRunMenuCommand(Command("IFXTable1"), host);
  EXPECT_EQ(versionSent, 1);
  EXPECT_EQ(sessionDuring, 1);
  EXPECT_GT(rows, 0);
  EXPECT_EQ(NvSNMPSecurity::Version, 0);
}

// Every view with a Counter64 column reads in v2c under a v1 session and shows the counter.
TEST_F(Commands, AclCounterTableShowsItsCounter64UnderVersion1) {
  std::string cells;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    ReadDone(form);
    TListView* list = ListPanel(form)->ListPanel->ListView;
    for (int r = 0; r < list->Items->Count; ++r)
      for (int c = 0; c < list->Items->Item[r]->SubItems->Count; ++c) cells += list->Items->Item[r]->SubItems->Get(c) + "|";
    form.ModalResult = mrCancel;
  }));
  NvRunMenuCommand(Command("CounterTable1"), host);
  EXPECT_NE(cells.find("100213461"), std::string::npos) << cells;
  EXPECT_EQ(NvSNMPSecurity::Version, 0);
}

TEST_F(Commands, VersionIsPutBackWhenTheWindowCannotBeMade) {
  NvMenuCommand broken = Command("IFXTable1");
  broken.View.Formats[0] = {1, "%i{Z}", "NoSuchCheck"};
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) { form.ModalResult = mrCancel; }));
  EXPECT_THROW(NvRunMenuCommand(broken, host), Exception);
  EXPECT_EQ(driver.Runs(), 0);
  EXPECT_EQ(NvSNMPSecurity::Version, 0);
}

TEST_F(Commands, VersionTwoSessionIsLeftAlone) {
  NvSNMPSecurity::Version = 1;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) { form.ModalResult = mrCancel; }));
  NvRunMenuCommand(Command("IFXTable1"), host);
  EXPECT_EQ(NvSNMPSecurity::Version, 1);
}

// CFM > MA > Net Table: the Add pop-up lacks row 4 ("Net CCM Interval"), the Edit pop-up has it.
TEST_F(Commands, CfmNetAddPopupHidesRowFourAndEditShowsIt) {
  int step = 0;
  bool row4InAdd = true, row3InAdd = false, row4InEdit = false;
  TSNMPListViewPanel* panel = nullptr;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    switch (step++) {
      case 0: {
        ReadDone(form);
        panel = ListPanel(form);
        ASSERT_TRUE(RowsShown(panel, 1));
        panel->AddClick(panel->CtrlBtnPanel->AddBtn);
        ASSERT_TRUE(RowsShown(panel, 1));  // read again after the pop-up
        ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return !panel->EditCtrl->Busy; }));
        TListView* list = panel->ListPanel->ListView;
        GuiTesting::UserClickItem(list, list->Items->Item[0]);
        panel->EditClick(panel->CtrlBtnPanel->EditBtn);
        form.ModalResult = mrCancel;
        break;
      }
      case 1:
        row4InAdd = panel->EditsPanel->Rows.at(4).Control->Visible;
        row3InAdd = panel->EditsPanel->Rows.at(3).Control->Visible;
        form.ModalResult = mrCancel;
        break;
      default:
        row4InEdit = panel->EditsPanel->Rows.at(4).Control->Visible;
        form.ModalResult = mrCancel;
    }
  }));
  NvRunMenuCommand(Command("NetTable1"), host);
  EXPECT_EQ(step, 3);
  EXPECT_FALSE(row4InAdd);
  EXPECT_TRUE(row3InAdd);
  EXPECT_TRUE(row4InEdit);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(Commands, TabViewMakesOnePagePerEntryWithItsDetails) {
  std::string caption;
  int height = 0;
  std::vector<NvSNMPRequest2Edits*> requests;
  std::vector<bool> stopShown, editShown;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    auto& view = dynamic_cast<TConfigForm&>(form);
    caption = form.Caption;
    height = form.Height;
    requests = view.Requests;
    std::vector<TSNMPListViewPanel*> panels;
    FindAll(&form, panels);
    for (TSNMPListViewPanel* panel : panels) {
      stopShown.push_back(panel->CtrlBtnPanel->StopBtn->Visible);
      editShown.push_back(panel->CtrlBtnPanel->EditBtn->Visible);
    }
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] {
      for (auto* r : view.Requests)
        if (r->Busy) return false;
      return true;
    }));
  }));
  NvRunMenuCommand(Command("PPPoECircuitIDInsertion1"), host);
  EXPECT_EQ(caption, "PPPoE Circuit ID Insertion Settings: 192.0.2.10");
  EXPECT_EQ(title, caption);
  EXPECT_EQ(height, 450);
  EXPECT_EQ(requests.size(), NvFindMenuCommand("PPPoECircuitIDInsertion1")->Pages.size());

  // Packet Content Mask: two add/delete pages without Edit, with Stop; the second page's
  // first variable is read-only in the view's own list.
  int readOnlyAccess = 0;
  stopShown.clear();
  editShown.clear();
  GuiTesting::ModalDriver masks(Closing([&](TCustomForm& form) {
    auto& view = dynamic_cast<TConfigForm&>(form);
    std::vector<TSNMPListViewPanel*> panels;
    FindAll(&form, panels);
    for (TSNMPListViewPanel* panel : panels) {
      stopShown.push_back(panel->CtrlBtnPanel->StopBtn->Visible);
      editShown.push_back(panel->CtrlBtnPanel->EditBtn->Visible);
    }
    readOnlyAccess = view.Requests.at(1)->Request.Vars.GetVar(0)->Access;
    GuiTesting::ProcessUntil([&] { return !view.Requests[0]->Busy && !view.Requests[1]->Busy; });
  }));
  NvRunMenuCommand(Command("PayloadMaskInformation1"), host);
  EXPECT_EQ(stopShown, (std::vector<bool>{true, true}));
  EXPECT_EQ(editShown, (std::vector<bool>{false, false}));
  EXPECT_EQ(readOnlyAccess, NvAccess::readonly);
  EXPECT_EQ(title, "Packet Content Mask: 192.0.2.10");
}

TEST_F(Commands, HelpOpensTheHelpFileBesideTheProgram) {
  const std::string exe = Application->ExeName;
  const std::string help = exe.substr(0, exe.find_last_of('/') + 1) + "NVS-7000-D_B1_20110304.hlp";
  std::ofstream(help) << "help";
  std::vector<std::string> opened;
  SetDocumentOpener([&](const std::string& file) {
    opened.push_back(file);
    return true;
  });
  NvRunMenuCommand(Command("Help2"), host);
  SetDocumentOpener([](const std::string&) { return false; });
  NvRunMenuCommand(Command("Help2"), host);
  std::remove(help.c_str());
  NvRunMenuCommand(Command("Help2"), host);  // a missing file is not handed to the opener
  SetDocumentOpener(nullptr);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], help);
  ASSERT_EQ(answers.Calls().size(), 2u);  // the failed openings are said
  EXPECT_NE(answers.Calls()[0].text.find("could not be opened"), std::string::npos);
  EXPECT_NE(answers.Calls()[1].text.find(help), std::string::npos);
}

TEST_F(Commands, RebootSendsWarmStartOnlyOnYes) {
  answers.Answer(IDNO);
  NvRunMenuCommand(Command("Reboot1"), host);
  EXPECT_TRUE(sim->setLog().empty());
  answers.Answer(IDYES);
  NvRunMenuCommand(Command("Reboot1"), host);
  ASSERT_EQ(answers.Calls().size(), 2u);
  EXPECT_EQ(answers.Calls()[1].title, "Reboot");
  EXPECT_EQ(answers.Calls()[1].text, "Are you sure to reboot the device?");
  ASSERT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(sim->setLog()[0], "1.3.6.1.4.1.32473.12.1.2.3.0=2:3");
}

// A dialog registered under its class name, kept in its global variable while shown.
class TTestTimeForm : public TForm {
 public:
  explicit TTestTimeForm(TComponent* AOwner) : TForm(AOwner) { Caption = "Stored"; }
};
TTestTimeForm* TestTimeForm = nullptr;

TEST_F(Commands, DialogIsBuiltOnlyOnceRegisteredAndHeldInItsGlobalWhileShown) {
  const NvMenuCommand& currentTime = Command("Time1");  // dialog TCurrentTimeForm, global CurrentTimeForm
  NvMenuCommand row = currentTime;
  row.DialogClass = "TTestTimeForm";
  row.GlobalForm = "TestTimeForm";
  EXPECT_FALSE(NvMenuCommandBuilt(row));
  NvRegisterDialogClass<TTestTimeForm>("TTestTimeForm", "TestTimeForm", TestTimeForm);
  EXPECT_TRUE(NvMenuCommandBuilt(row));

  std::string caption;
  TForm* global = nullptr;
  TForm* shown = nullptr;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    caption = form.Caption;
    global = TestTimeForm;
    shown = dynamic_cast<TForm*>(&form);
    form.ModalResult = mrCancel;
  }));
  NvRunMenuCommand(row, host);
  EXPECT_EQ(caption, "Current Time: 192.0.2.10");
  EXPECT_EQ(global, shown);
  EXPECT_EQ(TestTimeForm, nullptr);

  row.NoCaption = true;
  NvRunMenuCommand(row, host);
  EXPECT_EQ(caption, "Stored");
}

TEST_F(Commands, AboutShowsPictureNameAndReleaseAndTheBuildOnShiftAltF3) {
  std::string caption, about, before, plainF3, shiftF3, full;
  bool heldInGlobal = false, pictureEmpty = true;
  int pictureWidth = 0, pictureHeight = 0;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    auto& window = dynamic_cast<TAboutForm&>(form);
    heldInGlobal = AboutForm == &window;
    GuiTesting::ProcessUntil([&] { return !window.Caption().empty(); }, 2000);
    caption = window.Caption;
    about = window.AboutLabel->Caption;
    before = window.VersionLabel->Caption;
    pictureEmpty = window.Image7030->Picture->Empty;
    pictureWidth = window.Image7030->Picture->Width;
    pictureHeight = window.Image7030->Picture->Height;
    WORD key = VK_F3;
    window.BT_OkKeyDown(window.BT_Ok, key, 0);
    window.BT_OkKeyDown(window.BT_Ok, key, ssAlt);
    plainF3 = window.VersionLabel->Caption;
    window.BT_OkKeyDown(window.BT_Ok, key, ssShift);
    shiftF3 = window.VersionLabel->Caption;
    window.BT_OkKeyDown(window.BT_Ok, key, ssShift | ssAlt | ssCtrl);
    full = window.VersionLabel->Caption;
    GuiTesting::UserClick(window.BT_Ok);
  }));
  title = "unchanged";
  NvRunMenuCommand(Command("About1"), host);
  EXPECT_TRUE(heldInGlobal);
  EXPECT_EQ(AboutForm, nullptr);
  EXPECT_EQ(caption, "About NVS-7000-D Module");
  EXPECT_EQ(about, "Norvane NVS-7000-D Management Module");
  EXPECT_EQ(before, "Release Version 1.28");
  EXPECT_FALSE(pictureEmpty);
  EXPECT_EQ(pictureWidth, 32);
  EXPECT_EQ(pictureHeight, 32);
  EXPECT_EQ(plainF3, "Release Version 1.28");
  EXPECT_EQ(shiftF3, "Release Version 1.28");
  EXPECT_EQ(full, "Release Version 1.28R07(Build 2011/3/4)");
  EXPECT_EQ(title, "unchanged");  // the row has no title of its own
}

TEST_F(Commands, EveryViewAndViewerRowCanRun) {
  for (const NvMenuCommand* command : NvMenuCommands()) {
    if (command->Kind == NvCommandKind::Dialog || command->Kind == NvCommandKind::Other) continue;
    EXPECT_TRUE(NvMenuCommandBuilt(*command)) << command->Item;
  }
  EXPECT_TRUE(NvMenuCommandBuilt(Command("Reboot1")));
  EXPECT_FALSE(NvMenuCommandBuilt(Command("AgentSuportedUpdateFiles1")));  // its dialog is not made yet
}

}  // namespace

namespace {
// A table view whose Add pop-up has one writable column besides its index and row status.
struct OneColumnAdd {
  const char* item;
  std::vector<std::pair<int, const char*>> typed;  // row, text
  std::string expected;                              // the created row's SET, whole
};
void PrintTo(const OneColumnAdd& c, std::ostream* os) { *os << c.item; }

class OneColumnAddPopup : public Commands, public ::testing::WithParamInterface<OneColumnAdd> {};

TEST_P(OneColumnAddPopup, WritesTheValueTypedIntoItsOneColumn) {
  const OneColumnAdd& c = GetParam();
  int step = 0;
  bool boxesShown = true;
  std::string setCaption;
  TSNMPListViewPanel* panel = nullptr;
  GuiTesting::ModalDriver driver(Closing([&](TCustomForm& form) {
    if (step++ == 0) {
      ReadDone(form);
      panel = ListPanel(form);
      ASSERT_NE(panel, nullptr);
      GuiTesting::UserClick(panel->CtrlBtnPanel->AddBtn);  // the pop-up runs as the next step
      GuiTesting::ProcessUntil([&] { return !panel->EditCtrl->Busy; });
      form.ModalResult = mrCancel;
      return;
    }
    TEditsPanel* edits = panel->EditsPanel;
    boxesShown = false;
    for (const UISnmpVar& row : edits->Rows) boxesShown = boxesShown || row.CheckBox->Visible();
    for (const auto& [row, text] : c.typed) GuiTesting::UserType(dynamic_cast<TEdit*>(edits->Rows.at(row).Control), text);
    std::vector<TCtrlBtnPanel*> columns;
    FindAll(&form, columns);
    ASSERT_FALSE(columns.empty());
    setCaption = columns[0]->SetCheckedBtn->Caption();
    GuiTesting::UserClick(columns[0]->SetCheckedBtn);
    GuiTesting::ProcessUntil([&] { return !sim->setLog().empty() && !panel->EditCtrl->Busy; });
  }));
  NvRunMenuCommand(Command(c.item), host);
  EXPECT_EQ(step, 2);
  EXPECT_FALSE(boxesShown);
  EXPECT_EQ(setCaption, "Set");
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{c.expected});
}

INSTANTIATE_TEST_SUITE_P(
    Views, OneColumnAddPopup,
    ::testing::Values(
        OneColumnAdd{"SMTPMailReceiverTable1",
                     {{0, "9"}, {1, "ops@example.net"}},
                     "1.3.6.1.4.1.32473.12.29.3.1.1.2.9=4:ops@example.net ; 1.3.6.1.4.1.32473.12.29.3.1.1.3.9=2:4"},
        OneColumnAdd{"VLANTable2",
                     {{0, "1"}, {1, "30"}, {2, "31"}},
                     "1.3.111.2.802.1.1.8.1.3.1.1.3.1.30=2:31 ; 1.3.111.2.802.1.1.8.1.3.1.1.4.1.30=2:4"}),
    [](const ::testing::TestParamInfo<OneColumnAdd>& info) { return std::string(info.param.item); });
}  // namespace

namespace {
// A reboot the switch refuses is told; the silence of a switch that reboots at once is not.
struct RebootCase {
  const char* name;
  std::function<void(SwitchSim&)> arrange;
  std::string told;  // the box after the question; empty: none
};
void PrintTo(const RebootCase& c, std::ostream* os) { *os << c.name; }

void ExpectRebootTold(const GuiTesting::ScriptedAnswerer& answers, const std::string& told) {
  const auto& calls = answers.Calls();
  ASSERT_GE(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "Are you sure to reboot the device?");
  ASSERT_EQ(calls.size(), told.empty() ? 1u : 2u);
  if (told.empty()) return;
  EXPECT_EQ(calls[1].title, "Reboot");
  EXPECT_EQ(calls[1].text, told);
}

class RebootOutcome : public Commands, public ::testing::WithParamInterface<RebootCase> {
 protected:
  void TearDown() override {
    sim->setSubtreeError(kResetOid, 0);
    sim->setDropReplies(false);
    NvSNMPSecurity::WriteCommunity = SwitchSim::writeCommunity;
    Commands::TearDown();
  }
  static constexpr const char* kResetOid = "1.3.6.1.4.1.32473.12.1.2.3";
};

TEST_P(RebootOutcome, AnErrorReplyIsToldAndASilenceIsNot) {
  const RebootCase& c = GetParam();
  NvSNMPSecurity::Version = 1;
  c.arrange(*sim);
  answers.Answer(IDYES);
  answers.Answer(IDOK);
  NvRebootDevice(20);
  ExpectRebootTold(answers, c.told);
}

INSTANTIATE_TEST_SUITE_P(
    Reboot, RebootOutcome,
    ::testing::Values(
        RebootCase{"ReadOnlyCommunity", [](SwitchSim&) { NvSNMPSecurity::WriteCommunity = SwitchSim::readCommunity; },
                   "(SNMP) Cannot access variable, No Access!"},
        RebootCase{"GenErr", [](SwitchSim& s) { s.setSubtreeError("1.3.6.1.4.1.32473.12.1.2.3", 5); },
                   "(SNMP) Cannot perform operation, General Error!"},
        RebootCase{"Silence", [](SwitchSim& s) { s.setDropReplies(true); }, ""},
        RebootCase{"Taken", [](SwitchSim&) {}, ""}),
    [](const ::testing::TestParamInfo<RebootCase>& info) { return std::string(info.param.name); });

TEST_F(Commands, RebootByAVersion3UserWhoMayOnlyReadIsTold) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("nv-reboot-v3-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "users.conf") << "createUser reader SHA readerpass1\nrouser reader auth\n";
  const auto model = NvSNMPSecurity::SecurityModel, level = NvSNMPSecurity::SecurityLevel;
  const auto auth = NvSNMPSecurity::AuthProtocol;
  const std::string name = NvSNMPSecurity::SecurityName, password = NvSNMPSecurity::AuthPassword;
  {
    SwitchSim::Options options;
    options.usersFile = (dir / "users.conf").string();
    SwitchSim readOnly(options);
    PointSessionAt(readOnly, 3, 100);
    NvSNMPSecurity::SecurityModel = 3;
    NvSNMPSecurity::SecurityLevel = 2;
    NvSNMPSecurity::SecurityName = "reader";
    NvSNMPSecurity::AuthProtocol = 3;
    NvSNMPSecurity::AuthPassword = "readerpass1";
    answers.Answer(IDYES);
    answers.Answer(IDOK);
    NvRebootDevice(50);
    EXPECT_EQ(readOnly.setLog().size(), 1u);  // it reached the switch, which refused it
  }
  NvSNMPSecurity::SecurityModel = model;
  NvSNMPSecurity::SecurityLevel = level;
  NvSNMPSecurity::SecurityName = name;
  NvSNMPSecurity::AuthProtocol = auth;
  NvSNMPSecurity::AuthPassword = password;
  PointSessionAt(*sim, 0, 100);
  fs::remove_all(dir);
  ExpectRebootTold(answers, "(SNMP) Cannot access variable, No Access!");
}
}  // namespace
