// Every command of the main menu as one row of data: what kind of window it opens, over which
// descriptor table, with which title and which adjustments. One runner per kind turns a row into
// its window; the row names its menu item by component name (MenuTree.h).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "NvSNMPVarList.h"

enum class NvCommandKind : uint8_t {
  Editor,          // editor view of scalars or one row
  Table,           // table view; Edit is offered when a column is writable
  TableAddDelete,  // table view with Add and Delete through a row-status column
  Tabs,            // tab view, one page per entry of Pages
  Dialog,          // a hand-made window class, named by DialogClass
  Viewer,          // one of the suite's MIB table viewers, started with Topic
  Other,           // written by hand: Handler names what it does
};

enum class NvEditButton : uint8_t {
  Kept,
  Hidden,   // the button is hidden; a double-click still opens the Edit pop-up
  Removed,  // hidden, and the double-click no longer edits
};

// Command-specific hooks around the Add pop-up of a table view.
enum class NvPopupHooks : uint8_t { None, MaNetAdd, MaComponentAdd };

enum class NvOwner : uint8_t { Application, MainWindow };

// A descriptor table with the OID prefix and first label it is known by.
struct NvTableRef {
  const NvSNMPVar* Vars = nullptr;
  const char* Prefix = nullptr;
  const char* FirstLabel = nullptr;
};

struct NvStatusColumn {
  int Column = -1;                // record index of the row-status variable
  const char* Add = nullptr;      // value that creates a row; null: no Add button
  const char* Delete = nullptr;   // value that deletes one
};

// A value format for one row (record index); Check names a check routine run before sending.
struct NvFormatRow {
  int Row = -1;
  const char* Format = nullptr;
  const char* Check = nullptr;
};

struct NvValueTag {
  int Row = -1;
  int Tag = 0;
};

// A port-list row edited through numbered check boxes.
struct NvPortBoxes {
  int Row = -1;
  int Columns = 0;
  int Boxes = 0;
};

// EditWidth: take the width of the first value control for all of them.
inline constexpr int NvEditWidthOfRow0 = -1;

constexpr uint32_t NvRows(auto... rows) { return ((uint32_t{1} << rows) | ... | 0u); }

// One view over a descriptor table: the window of an editor or table command, or one tab page.
struct NvCommandView {
  NvTableRef Table{};
  NvListKind ListKind = SVT_SV;
  int IndexColumns = 0;
  NvStatusColumn Status{};
  NvFormatRow Formats[8]{};
  NvValueTag Tag{};
  NvPortBoxes PortBoxes{};
  int EditWidth = 0;
  NvEditButton Edit = NvEditButton::Kept;
  bool StopShown = false;
  int TimeOut = 0;                // hundredths of a second; 0: the session's
  int ReadOnlyVar = -1;           // variable made readonly in the view's own list
  uint32_t ZeroWidthColumns = 0;  // nonzero: list columns rebuilt from the labels, these of width 0
  NvPopupHooks Hooks = NvPopupHooks::None;
  bool ReloadSession = false;     // the page's request copies the session settings again
};

struct NvCommandPage {
  const char* Caption;
  NvCommandKind Kind;  // Editor, Table or TableAddDelete
  NvCommandView View;
};

struct NvMenuCommand {
  const char* Item;  // component name of the menu item; the handler is Item + "Click"
  NvCommandKind Kind;
  const char* Title = nullptr;  // window caption: Title + ": " + the device address
  NvCommandView View{};         // Editor, Table, TableAddDelete (and the RMON state read)
  std::span<const NvCommandPage> Pages{};
  int Height = 0;               // window height in pixels; 0: as the view sizes itself
  bool VersionRaise = false;    // an SNMPv1 session reads as SNMPv2c while the window is open
  bool KeepInConfigForm = false;  // the view window is kept in ConfigForm while shown
  bool CaptionFirst = false;    // tab view captioned before its pages are made
  const char* DialogClass = nullptr;
  const char* GlobalForm = nullptr;  // global form variable that holds the dialog while shown
  NvOwner Owner = NvOwner::Application;
  bool NoCaption = false;       // the dialog keeps the caption it sets itself
  int DialogMode = -1;          // second constructor argument, where the class takes one
  const char* Topic = nullptr;  // viewer topic
  const char* Custom = nullptr;   // Other: names the hand-written handler
  bool Hidden = false;          // its item or a parent is hidden: the menu never offers it
};

std::span<const NvMenuCommand> NvBasicConfigurationCommands();
std::span<const NvMenuCommand> NvRmonBridgeVlanCommands();
std::span<const NvMenuCommand> NvSnmpV3Commands();
std::span<const NvMenuCommand> NvSecurityCommands();
std::span<const NvMenuCommand> NvLayer2Commands();
std::span<const NvMenuCommand> NvLayer3SingleIpCommands();

// Every command, in menu order.
const std::vector<const NvMenuCommand*>& NvMenuCommands();

// The command of a menu item, or null.
const NvMenuCommand* NvFindMenuCommand(std::string_view item);
