#include "command_table.h"

namespace varnel {
namespace {

QKeySequence Ctrl(char key) { return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (key - 'A'))); }

std::vector<CommandInfo> BuildTable() {
  using C = CommandId;
  const QString none;
  return {
      {C::Download, "mnuDownload", QStringLiteral("QDXデータをダウンロードして読み込む(&D)..."), none,
       Ctrl('D'), 0, QStringLiteral("QDXデータをダウンロードして読み込む (Ctrl+D)"), false, false},
      {C::OpenArchive, "mnuOpen", QStringLiteral("既存のQDXデータを読み込む(&O)..."), none, Ctrl('O'), 1,
       QStringLiteral("既存のQDXデータを読み込む （Ctrl+O)"), false, true},
      {C::SelectRace, "mnuSelect", QStringLiteral("予想レースの選択(&S)..."), none, Ctrl('S'), 2,
       QStringLiteral("レースの選択 (Ctrl+S)"), false, true},
      {C::PreviousRace, "mnuBack", QStringLiteral("前のレース(&B)"), none, Ctrl('B'), 3,
       QStringLiteral("前のレース (Ctrl+B)"), false, true},
      {C::NextRace, "mnuNext", QStringLiteral("次のレース(&N)"), none, Ctrl('N'), 4,
       QStringLiteral("次のレース (Ctrl+N)"), false, true},
      {C::Map, "mnuMap", QStringLiteral("展開マップを表示"), none, Ctrl('M'), 5,
       QStringLiteral("展開マップを表示 (Ctrl+M)"), true, false},
      {C::UserOdds, "mnuUserOdds", QStringLiteral("人気手入力モード切替"), none, Ctrl('R'), 6,
       QStringLiteral("人気手入力モードの切り替え (Ctrl+R)"), true, false},
      {C::Print, "mnuPrint", QStringLiteral("印刷(&P)"), none, Ctrl('P'), -1, none, false, false},
      {C::BetFile, "PXG1", QStringLiteral("ZephlinPXシリーズ用買い目ファイルを出力(&G)..."),
       QStringLiteral("ZephlinPX用買い目ファイルを出力(&G)..."), Ctrl('G'), -1, none, false, false},
      {C::IndexFile, "mnuIdx", QStringLiteral("ZephlinPX4用外部指数ファイルを出力(&I)..."),
       QStringLiteral("ZephlinPX用外部指数ファイルを出力(&I)..."), Ctrl('I'), -1, none, false, false},
      {C::CsvFile, "mnuCsv", QStringLiteral("CSVファイルの書き出し(&V)..."), none, Ctrl('V'), -1, none,
       false, false},
      {C::WexmarkBatch, "WexmarkK1", QStringLiteral("(開発者用)Wexmark!用買い目一括ファイル(&K)..."), none,
       Ctrl('K'), -1, none, false, false},
      {C::Options, "mnuOption", QStringLiteral("オプション(&O)..."), none, Ctrl('T'), -1, none, false, false},
      {C::BetDetail, "S2", QStringLiteral("買い目の詳細ウインドウを表示(&S)"), none, Ctrl('W'), -1, none,
       false, true},
      {C::Help, "mnuHelp", QStringLiteral("ヘルプを表示(&H)"), none, QKeySequence(Qt::Key_F1), -1, none,
       false, true},
      {C::OutputMenu, "ImgBtn7", none, none, {}, 7, QStringLiteral("出力..."), false, true},
      {C::GapList, "ImgBtn8", none, none, {}, 8, QStringLiteral("単勝GAP馬一覧"), false, false},
      {C::HelpMenu, "ImgBtn9", none, none, {}, 9, QStringLiteral("ヘルプ..."), false, true},
  };
}

}  // namespace

const std::vector<CommandInfo>& CommandTable() {
  static const std::vector<CommandInfo> table = BuildTable();
  return table;
}

const CommandInfo& CommandOf(CommandId id) {
  for (const CommandInfo& c : CommandTable())
    if (c.id == id) return c;
  return CommandTable().front();
}

}  // namespace varnel
