#pragma once
// Bringing in a race day from a data-service archive: the archive and its predicted-odds
// companion are extracted into the program folder, older layouts are converted, the data files
// get the names the line store reads, and the day is loaded.
#include <string>
#include <vector>

#include "racedata/line_store.h"
#include "racedata/lzh_archive.h"

namespace varnel {

inline constexpr const char* kNoDataMessage =
    "指定した書庫ファイルにデータは含まれておりません。\n\n正しいQDXデータをご利用ください。";
inline constexpr const char* kExtractErrorHead = "データの展開でエラーが発生しました。";
inline constexpr const char* kExtractErrorTail = "開発元にお問い合わせください。";

struct ImportResult {
  std::vector<std::string> Messages;  // message boxes to show, in order
  std::string ArchiveErrors;          // "\n<code> : <text>" per extraction error
  bool Imported = false;   // the files are in place and the day was read: show race 0 next
  bool DayLoaded = false;  // the header, entry and horse files were there and read
};

// The companion archive of `archivePath` ("hbYYMMDD.lzh" -> "jYYMMDD.lzh", "rq3_hbYYMMDD.lzh" ->
// "rq3_jbYYMMDD.lzh" in the same folder) when that file exists; otherwise empty.
std::string CompanionArchive(const std::string& archivePath);

// Imports the archive at `archivePath` into `appDir` and reads the day into `store`. An archive
// without data files, or any extraction error, changes no file in `appDir` and leaves `store` as
// it was; the result then holds the message to show. The caller shows race 0 when Imported.
// Runs on the caller's thread, which is also the only thread that calls `progress`.
ImportResult ImportArchive(const std::string& appDir, const std::string& archivePath, LineStore& store,
                           const ImportProgress& progress = {});

}  // namespace varnel
