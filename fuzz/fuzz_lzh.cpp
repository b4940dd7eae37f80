// An LZH archive of arbitrary bytes imported into an empty program folder. Besides crashes, it
// checks containment: nothing may appear outside the program folder (the archive's own folder and
// the folder around both stay as they were), whatever names the archive's members carry.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "racedata/archive_import.h"

using namespace varnel;
namespace fs = std::filesystem;

namespace {

struct Dirs {
  fs::path root, in, app;
};

const Dirs& TheDirs() {
  static const Dirs dirs = [] {
    char tmpl[] = "/tmp/varnel_fuzz_lzh_XXXXXX";
    const char* made = mkdtemp(tmpl);
    if (!made) std::abort();
    // Two levels down, so that a member named "../x" or "../../x" lands somewhere we watch.
    Dirs d{fs::path(made) / "r", fs::path(made) / "r" / "in", fs::path(made) / "r" / "app"};
    fs::create_directories(d.in / "sub");
    fs::create_directories(d.app);
    return d;
  }();
  return dirs;
}

std::set<std::string> Listing(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(dir)) names.insert(e.path().string());
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Dirs& d = TheDirs();
  for (const auto& e : fs::directory_iterator(d.app)) fs::remove_all(e.path());
  const fs::path archive = d.in / "sub" / "hb261004.lzh";
  {
    std::ofstream out(archive, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  static const std::set<std::string> before = Listing(d.root.parent_path());

  LineStore store;
  ImportResult r = ImportArchive(d.app.string() + "/", archive.string(), store);
  if (!r.Imported && r.Messages.empty() && r.ArchiveErrors.empty()) {
    // A refusal without a word to the user.
    std::fprintf(stderr, "import neither succeeded nor said why\n");
    std::abort();
  }

  std::set<std::string> after = Listing(d.root.parent_path());
  std::erase_if(after, [&](const std::string& p) { return p.rfind(d.app.string() + "/", 0) == 0; });
  if (after != before) {
    for (const std::string& p : after)
      if (!before.count(p)) std::fprintf(stderr, "written outside the program folder: %s\n", p.c_str());
    for (const std::string& p : before)
      if (!after.count(p)) std::fprintf(stderr, "removed outside the program folder: %s\n", p.c_str());
    std::abort();
  }
  return 0;
}
