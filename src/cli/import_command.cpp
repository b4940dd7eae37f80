#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "shell/session.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace varnel {

namespace {

// A one-line gauge on the terminal, the window's status-bar gauge without a window.
bool DrawGauge(int done, int total) {
  const int percent = total > 0 ? done * 100 / total : 0;
  std::fprintf(stderr, "\r展開中 %3d%%", percent);
  if (done == 0) std::fprintf(stderr, "\r            \r");
  std::fflush(stderr);
  return true;
}

bool StderrIsTerminal() {
#ifndef _WIN32
  return ::isatty(2) != 0;
#else
  return false;
#endif
}

}  // namespace

int RunImportCommand(const std::vector<std::string>& args) {
  std::string archive, appDir;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--app-dir") {
      if (i + 1 >= args.size()) return UsageError("--app-dir にはフォルダを指定してください。");
      appDir = args[++i];
    } else if (archive.empty()) {
      archive = args[i];
    } else {
      return UsageError("余分な引数です: " + args[i]);
    }
  }
  if (archive.empty()) return UsageError("取り込む書庫ファイルを指定してください。");
  if (appDir.empty()) {
    if (const char* home = std::getenv("VARNEL_HOME")) appDir = home;
  }
  if (appDir.empty()) return UsageError("プログラムフォルダを --app-dir で指定してください。");
  std::error_code ec;
  if (!std::filesystem::is_directory(appDir, ec)) {
    std::cerr << "フォルダがありません: " << appDir << "\n";
    return 1;
  }

  // The import of the desktop program: extract, convert, load and show the first race.
  Session session(appDir);
  ImportProgress progress;
  if (StderrIsTerminal()) progress = DrawGauge;
  const ImportResult result = session.ImportArchive(archive, progress);
  for (const auto& m : result.Messages) std::cout << m << "\n";
  if (!result.Imported) return 1;
  const LineStore& store = session.Store();
  for (int r = 0; r < store.RaceCount; ++r) std::cout << store.Races[r].RaceMenuCaption << "\n";
  return 0;
}

}  // namespace varnel
