#include "racedata/archive_import.h"

#include <filesystem>
#include <system_error>

#include "racedata/rq3_convert.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace varnel {

namespace {

bool HasDataMember(const std::vector<LzhMember>& members) {
  for (const auto& m : members) {
    if (m.Name == "qdx_uma.rq2" || m.Name == "qdx_ods.rq2" || m.Name == "qdx_uma.rq3" || m.Name == "qdx_ods.rq3") {
      return true;
    }
  }
  return false;
}

// 1-based characters `first`..`last` of `text`, as far as it reaches.
std::string Chars(const std::string& text, size_t first, size_t last) {
  if (first > text.size()) return {};
  return text.substr(first - 1, last - first + 1);
}

Status Rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  if (ec) return Fail("ファイルの名前を変更できません: " + from + " (" + ec.message() + ")");
  return Success();
}

void Remove(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

// Brings the extracted files to the four names the line store reads. Renames go straight over
// the old file, so no moment passes without one.
Status NormaliseDataFiles(const std::string& dir) {
  for (const char* name : {"qdx_den1.rq3", "qdx_den2.rq3"}) {
    if (FileExists(dir + name)) {
      if (auto s = ConvertRq3File(dir + name); !s) return s;
    }
  }
  if (FileExists(dir + "qdx_uma.rq3")) {
    if (auto s = Rename(dir + "qdx_uma.rq3", dir + kUmaFile); !s) return s;
  }
  if (FileExists(dir + "qdx_ods.rq3")) {
    if (auto s = ConvertRq3File(dir + "qdx_ods.rq3"); !s) return s;
    Remove(dir + "qdx_ods2.rq3");
  }
  if (FileExists(dir + "qdx_tok1.rq2")) {
    if (auto s = Rename(dir + "qdx_tok1.rq2", dir + kDen1File); !s) return s;
  }
  if (FileExists(dir + "qdx_tok2.rq2")) {
    if (auto s = Rename(dir + "qdx_tok2.rq2", dir + kDen2File); !s) return s;
  }
  return Success();
}

}  // namespace

std::string CompanionArchive(const std::string& archivePath) {
  const std::filesystem::path p(archivePath);
  const std::string name = p.filename().string();
  const std::filesystem::path folder = p.parent_path();
  for (const std::string& candidate : {"j" + Chars(name, 3, 12), "rq3_jb" + Chars(name, 7, 16)}) {
    const std::string path = (folder / candidate).string();
    std::error_code ec;
    if (FileExists(path) && !std::filesystem::equivalent(path, archivePath, ec)) return path;
  }
  return {};
}

ImportResult ImportArchive(const std::string& appDir, const std::string& archivePath, LineStore& store,
                           const ImportProgress& progress) {
  ImportResult result;
  const std::string dir = WithBackslash(appDir);
  if (!HasDataMember(ListLzhMembers(archivePath))) {
    result.Messages.push_back(kNoDataMessage);
    return result;
  }

  // Both archives go to temporary files first; only when every member of both came out whole
  // are they moved over the day's files, so a damaged archive leaves the old day as it was.
  LzhStaging staging(dir);
  std::vector<LzhError> errors;
  ExtractLzhArchive(archivePath, staging, errors, progress);
  const bool stopped = !errors.empty() && errors.back().code == LzhError::kStopped;
  if (const std::string companion = CompanionArchive(archivePath); !companion.empty() && !stopped) {
    ExtractLzhArchive(companion, staging, errors, progress);
  }
  if (errors.empty()) staging.Commit(errors);
  staging.Discard();

  for (const auto& e : errors) result.ArchiveErrors += "\n" + std::to_string(e.code) + " : " + e.message;
  if (!errors.empty()) {
    result.Messages.push_back(kExtractErrorHead + result.ArchiveErrors + "\n\n" + kExtractErrorTail);
    return result;
  }

  if (auto s = NormaliseDataFiles(dir); !s) {
    result.Messages.push_back(s.error());
    return result;
  }
  auto loaded = LoadDataSet(dir, store);
  if (!loaded) {
    result.Messages.push_back(loaded.error());
  } else {
    result.DayLoaded = *loaded;
  }
  result.Imported = true;
  return result;
}

}  // namespace varnel
