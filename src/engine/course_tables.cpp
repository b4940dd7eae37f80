#include "engine/course_tables.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "racedata/code_tables.h"
#include "text/cp932.h"
#include "text/divide.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace varnel {

namespace {

constexpr int kRows = 4;
constexpr int kLines = 8;
constexpr int kFields = 18;
constexpr int kFrontRunnersForSecondBlock = 3;
constexpr int kMinSamples = 30;  // fewer samples than this are not trusted on their own

const std::string& Field(const TDivide& d, int i) { return d.Fields[static_cast<size_t>(i)]; }

std::string Where(const std::string& fileName, int line, int field) {
  return fileName + "の" + std::to_string(line) + "行目" + std::to_string(field) + "番目の項目";
}

Result<int> SampleCount(const TDivide& d, int field, const std::string& fileName, int line) {
  int v = 0;
  const std::string& text = Field(d, field);
  if (!TryToInt(Trim(text), v)) {
    return Fail(Where(fileName, line, field + 1) + "「" + text + "」は整数ではありません。");
  }
  return v;
}

// Scaled stand-ins for thin samples never fall below 1.0.
Result<std::string> ScaledValue(const TDivide& d, int field, const std::string& fileName, int line) {
  double v = 0;
  const std::string& text = Field(d, field);
  if (!TryToFloat(text, v)) {
    return Fail(Where(fileName, line, field + 1) + "「" + text + "」は数値ではありません。");
  }
  const double x = v * 2 / 3;
  return x < 1.0 ? std::string("1.0") : FormatOneDecimal(x);
}

// What tells one version of a table file from another without reading it.
struct FileStamp {
  bool regular = false;
  std::uintmax_t size = 0;
  std::int64_t mtime = 0;  // nanoseconds where the system has them
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path) {
  FileStamp s;
#ifndef _WIN32
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
  s.regular = true;
  s.size = static_cast<std::uintmax_t>(st.st_size);
  s.mtime = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  s.inode = static_cast<std::uint64_t>(st.st_ino);
#else
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return s;
  s.regular = true;
  s.size = std::filesystem::file_size(path, ec);
  s.mtime = static_cast<std::int64_t>(std::filesystem::last_write_time(path, ec).time_since_epoch().count());
#endif
  return s;
}

// Every race of a day reads one of a few dozen table files, and showing a race reads its file
// again; the outcome for a file is kept while its size, time and identity stay the same.
struct CachedTables {
  FileStamp stamp;
  std::optional<Result<CourseTables>> block[2];  // fewer than three front-runners, three or more
};
constexpr size_t kMaxCachedFiles = 64;

std::map<std::string, CachedTables>& TableCache() {
  static thread_local std::map<std::string, CachedTables> cache;
  return cache;
}

}  // namespace

std::string SwapNibbles(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    c = static_cast<char>(static_cast<unsigned char>((b << 4) | (b >> 4)));
  }
  return out;
}

std::string CourseTableFileName(const std::string& course, const std::string& surface, bool outer,
                                const std::string& distance) {
  std::string letter;
  if (surface == "ダ") {
    letter = "D";
  } else if (surface == "芝") {
    letter = outer ? "SO" : "S";
  } else {
    return {};
  }
  return CourseCode(course) + letter + distance + ".dat";
}

namespace {

Result<CourseTables> ReadCourseTables(const std::string& path, const std::string& name, int frontRunnerCount,
                                      CourseTables t, bool& unreadable) {
  Result<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    unreadable = true;
    // Nothing shown on the card depends on the tables, so an unreadable file is reported
    // without taking the race off the screen.
    t.message = bytes.error();
    return t;
  }
  const std::vector<std::string> lines = SplitLines(DecodeCp932(SwapNibbles(*bytes)));
  if (static_cast<int>(lines.size()) < kLines) return t;

  const int firstLine = frontRunnerCount < kFrontRunnersForSecondBlock ? 0 : kRows;
  for (int row = 0; row < kRows; ++row) {
    const int lineNo = firstLine + row + 1;
    const TDivide d(lines[static_cast<size_t>(firstLine + row)], ',');
    if (d.Count != kFields) {
      t.message = name + "が不正です。処理を中止します。";
      return t;
    }
    // Six groups of three fields (value for table 1, value for table 2, sample count): groups 1
    // to 4 are the columns, group 5 stands in for columns 1 to 3 and group 6 for column 4.
    for (int c = 0; c < 4; ++c) {
      const int own = 3 * c;
      const int pooled = c < 3 ? 12 : 15;
      Result<int> count = SampleCount(d, own + 2, name, lineNo);
      if (!count) return Error{count.error()};
      std::string v1, v2;
      if (*count >= kMinSamples) {
        v1 = FormatOneDecimal(ToFloat(Field(d, own)));
        v2 = FormatOneDecimal(ToFloat(Field(d, own + 1)));
      } else {
        Result<int> pooledCount = SampleCount(d, pooled + 2, name, lineNo);
        if (!pooledCount) return Error{pooledCount.error()};
        if (*pooledCount >= kMinSamples) {
          v1 = FormatOneDecimal(ToFloat(Field(d, pooled)));
          v2 = FormatOneDecimal(ToFloat(Field(d, pooled + 1)));
        } else {
          Result<std::string> s1 = ScaledValue(d, pooled, name, lineNo);
          if (!s1) return Error{s1.error()};
          Result<std::string> s2 = ScaledValue(d, pooled + 1, name, lineNo);
          if (!s2) return Error{s2.error()};
          v1 = *s1;
          v2 = *s2;
        }
      }
      t.CourseTable1[row][c] = v1;
      t.CourseTable2[row][c] = v2;
    }
  }
  t.loaded = true;
  return t;
}

}  // namespace

Result<CourseTables> LoadCourseTables(const std::string& appDir, const std::string& course, const std::string& surface,
                                      int frontRunnerCount, const std::string& section, const std::string& distance) {
  CourseTables t;
  for (int r = 0; r < kRows; ++r) {
    t.CourseTable1[r].fill("0.0");
    t.CourseTable2[r].fill("0.0");
  }
  const bool outer = section == "外";
  std::string name = CourseTableFileName(course, surface, outer, distance);
  if (name.empty()) return t;
  const std::string folder = WithBackslash(WithBackslash(appDir) + "Data");
  if (outer && !StampOf(folder + name).regular) name = CourseTableFileName(course, surface, false, distance);
  const std::string path = folder + name;
  const FileStamp stamp = StampOf(path);
  if (!stamp.regular) return t;

  auto& cache = TableCache();
  auto it = cache.find(path);
  if (it != cache.end() && !(it->second.stamp == stamp)) {
    cache.erase(it);
    it = cache.end();
  }
  const int block = frontRunnerCount < kFrontRunnersForSecondBlock ? 0 : 1;
  if (it != cache.end() && it->second.block[block]) return *it->second.block[block];

  bool unreadable = false;
  Result<CourseTables> read = ReadCourseTables(path, name, frontRunnerCount, std::move(t), unreadable);
  // A file that could not be read may be readable next time.
  if (unreadable) return read;
  if (it == cache.end()) {
    if (cache.size() >= kMaxCachedFiles) cache.clear();
    it = cache.emplace(path, CachedTables{stamp, {}}).first;
  }
  it->second.block[block] = read;
  return read;
}

}  // namespace varnel
