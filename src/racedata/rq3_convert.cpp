#include "racedata/rq3_convert.h"

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "text/file_io.h"

namespace varnel {

namespace {

using Piece = std::pair<int, int>;  // first and last 1-based byte column

void Append(std::string& out, std::string_view line, Piece p) {
  const size_t first = static_cast<size_t>(p.first - 1);
  if (first >= line.size()) return;
  out.append(line.substr(first, static_cast<size_t>(p.second - p.first + 1)));
}

std::string Join(std::string_view line, std::initializer_list<Piece> pieces) {
  std::string out;
  for (const Piece& p : pieces) Append(out, line, p);
  return out;
}

}  // namespace

std::string ConvertRq3Line(std::string_view fileName, std::string_view line) {
  if (fileName == "qdx_den1.rq3") {
    // The Jpn flag sits at column 74 in the old header and moved to column 358.
    return Join(line, {{1, 73}, {75, 350}, {419, 426}, {74, 74}, {428, 846}});
  }
  if (fileName == "qdx_den2.rq3") return Join(line, {{1, 255}, {257, 694}, {728, 742}, {844, 876}});
  if (fileName == "qdx_ods.rq3") {
    std::string out = Join(line, {{1, 73}, {75, 161}});
    out += ' ';
    Append(out, line, {162, 1502});
    return out;
  }
  return {};
}

Status ConvertRq3File(const std::string& path) {
  const std::filesystem::path from(path);
  const std::string name = from.filename().string();
  auto bytes = ReadFileBytes(path);
  if (!bytes) return Fail(bytes.error());

  std::string out;
  const bool known = name == "qdx_den1.rq3" || name == "qdx_den2.rq3" || name == "qdx_ods.rq3";
  if (known) {
    out.reserve(bytes->size());
    for (const auto& line : SplitLines(*bytes)) {
      out += ConvertRq3Line(name, line);
      out += "\r\n";
    }
  }
  std::filesystem::path to = from;
  to.replace_extension(".rq2");
  if (auto written = WriteFileAtomic(to.string(), out); !written) return written;
  std::error_code ec;
  std::filesystem::remove(from, ec);
  if (ec) return Fail("ファイルを削除できません: " + path + " (" + ec.message() + ")");
  return Success();
}

}  // namespace varnel
