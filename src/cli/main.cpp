// varnel-cli: the program's jobs without a window, for scripts and for checking from outside.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace varnel {

namespace {
constexpr const char* kUsage =
    "使い方: varnel-cli <コマンド> [引数...]\n"
    "\n"
    "  races DIR [--json]     DIR の四つのデータファイルを読み、レース一覧を表示します\n"
    "  card DIR RACE [--json] [--sort CODES]\n"
    "                         DIR をプログラムフォルダとして RACE 番目(0から)のレースの出馬表を表示します\n"
    "  import ARCHIVE --app-dir DIR\n"
    "                         LZH アーカイブを DIR に取り込み、その日のレース一覧を表示します\n"
    "  --help                 この説明を表示します\n";
}

int UsageError(const std::string& message) {
  std::cerr << message << "\n\n" << kUsage;
  return 2;
}

}  // namespace varnel

int main(int argc, char** argv) {
  using namespace varnel;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("コマンドを指定してください。");
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  try {
    if (command == "races") return RunRacesCommand(args);
    if (command == "card") return RunCardCommand(args);
    if (command == "import") return RunImportCommand(args);
  } catch (const std::exception& e) {
    std::cerr << "エラー: " << e.what() << "\n";
    return 1;
  }
  return UsageError("不明なコマンドです: " + command);
}
