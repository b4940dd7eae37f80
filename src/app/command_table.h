#pragma once
// The commands of the main window: caption, shortcut, tool button and hint. The hidden main
// menu, the tool buttons and the pop-up menus are all built from this one table.
#include <QKeySequence>
#include <QString>
#include <vector>

namespace varnel {

enum class CommandId {
  Download,
  OpenArchive,
  SelectRace,
  PreviousRace,
  NextRace,
  Map,
  UserOdds,
  Print,
  BetFile,
  IndexFile,
  CsvFile,
  WexmarkBatch,
  Options,
  BetDetail,
  Help,
  OutputMenu,  // tool button only
  GapList,     // tool button only
  HelpMenu,    // tool button only
};

struct CommandInfo {
  CommandId id;
  const char* objectName;   // name of the main-menu item (or of the button for button-only commands)
  QString caption;          // main-menu caption; empty for button-only commands
  QString popupCaption;     // caption in the output pop-up menu when it differs, else empty
  QKeySequence shortcut;
  int toolButton;           // ImgBtn index, -1 for none
  QString hint;             // tool-button hint
  bool hiddenButton;        // the button exists but is hidden at start
  bool available;           // false until the subsystem behind it is built into the program
};

const std::vector<CommandInfo>& CommandTable();
const CommandInfo& CommandOf(CommandId id);

}  // namespace varnel
