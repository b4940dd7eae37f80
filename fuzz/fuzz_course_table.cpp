// A course table file of arbitrary bytes, read for both blocks (fewer than three front-runners
// and three or more). Every input gets a file name of its own, so the stat-keyed cache of the
// loader never answers from an earlier input.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/course_tables.h"

using namespace varnel;

namespace {

const std::string& AppDir() {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/varnel_fuzz_course_XXXXXX";
    const char* made = mkdtemp(tmpl);
    if (!made) std::abort();
    std::filesystem::create_directory(std::string(made) + "/Data");
    return std::string(made) + "/";
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static unsigned long serial = 0;
  const std::string distance = std::to_string(1000 + serial++);
  const std::string name = CourseTableFileName("東京", "ダ", false, distance);
  const std::string path = AppDir() + "Data/" + name;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  for (int front : {0, 3}) {
    Result<CourseTables> t = LoadCourseTables(AppDir(), "東京", "ダ", front, "", distance);
    if (t.ok()) {
      for (const auto& row : t->CourseTable1)
        for (const std::string& cell : row)
          if (cell.empty()) std::abort();
    } else if (t.error().empty()) {
      std::abort();
    }
  }
  std::filesystem::remove(path);
  return 0;
}
