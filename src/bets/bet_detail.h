#pragma once
// The text of the bet detail window (TfrmKaime): its status panel names the race, its memo lists
// every bet of the race, and the user can save that list as a text file or copy from it.
#include <string>
#include <string_view>
#include <vector>

#include "bets/bet_generation.h"

namespace varnel {

// Fixed texts of the window.
namespace KaimeText {
inline constexpr std::string_view Caption = "買い目の詳細";
inline constexpr std::string_view SaveHint = "保存";
inline constexpr std::string_view CopyHint = "選択範囲をコピー";
inline constexpr std::string_view FileMenu = "ファイル(&F)";
inline constexpr std::string_view SaveMenu = "テキストファイルとして保存(&S)...";
inline constexpr std::string_view CloseMenu = "買い目の詳細を閉じる(&X)";
inline constexpr std::string_view EditMenu = "編集(&E)";
inline constexpr std::string_view CopyMenu = "選択範囲をコピー(&C)";
inline constexpr std::string_view SelectAllMenu = "すべて選択(&A)";
inline constexpr std::string_view SaveDialogTitle = "買い目をテキストファイルとして保存";
inline constexpr std::string_view SaveDialogFilter = "テキストファイル(*.txt)|*.txt";
inline constexpr std::string_view ShowMenu = "買い目の詳細ウインドウを表示(&S)";
inline constexpr std::string_view NoBets = "このレースの買い目はありません";
}  // namespace KaimeText

struct BetDetail {
  std::string status;              // the status panel: the race's RaceLabel
  std::vector<std::string> lines;  // the memo, one entry per line
};

// The window's text for the race on screen, from its bet lists (GenerateBets first), RaceLabel
// and RaceNo. Only worth building while the window is shown (KaimeVisible); a hidden window is
// refilled when it is shown again. Entries without a bet are left out, and each heading counts
// the bets listed under it.
BetDetail FillBetDetail(const BetLists& bets, std::string_view raceLabel, std::string_view raceNo);

// One bet key as the window writes it: horse numbers right-aligned in two characters joined by
// "-" (" 3-12" for a quinella, "12- 3- 7" for a trifecta).
std::string BetEntryText(std::string_view key, bool quinella);

// "Save as text": the memo lines as CP932 with CR LF after every line, and the file name the
// save dialog suggests (course name, race number and "R" from the status text, + ".txt").
std::string BetDetailFileBytes(const BetDetail& detail);
std::string BetDetailFileName(const BetDetail& detail);

// The memo's whole text (lines joined by "\n"), what the window shows and copies from.
std::string BetDetailText(const BetDetail& detail);

}  // namespace varnel
