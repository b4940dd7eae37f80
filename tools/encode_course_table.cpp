// encode-course-table IN.csv OUT.dat: turns a plain course table (CP932 or ASCII text, eight lines
// of 18 comma-separated fields) into the nibble-swapped file the program reads from Data/.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/course_tables.h"
#include "text/divide.h"
#include "text/file_io.h"

int main(int argc, char** argv) {
  using namespace varnel;
  if (argc != 3) {
    std::fprintf(stderr, "使い方: encode-course-table IN.csv OUT.dat\n");
    return 2;
  }
  const std::string in = argv[1], out = argv[2];
  Result<std::string> bytes = ReadFileBytes(in);
  if (!bytes) {
    std::fprintf(stderr, "%s\n", bytes.error().c_str());
    return 1;
  }
  const std::vector<std::string> lines = SplitLines(*bytes);
  // Refuse what the program would reject, so that a bad table never gets shipped.
  if (lines.size() < 8) {
    std::fprintf(stderr, "%s: 8行必要ですが %zu 行しかありません。\n", in.c_str(), lines.size());
    return 1;
  }
  for (size_t i = 0; i < 8; ++i) {
    const TDivide d(lines[i], ',');
    if (d.Count != 18) {
      std::fprintf(stderr, "%s: %zu行目の項目数が %d です (18 が必要です)。\n", in.c_str(), i + 1, d.Count);
      return 1;
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  Status written = WriteFileAtomic(out, SwapNibbles(text));
  if (!written) {
    std::fprintf(stderr, "%s\n", written.error().c_str());
    return 1;
  }
  return 0;
}
