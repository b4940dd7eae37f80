#include "text/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnel {
namespace {

namespace fs = std::filesystem;

TEST(FileIo, SplitLinesOnEveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\rb\r\n\r\nc"), (V{"a", "b", "", "c"}));
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(SplitLines(" x "), V{" x "});
}

TEST(FileIo, AtomicWriteReplacesWholeOrLeavesTheOldFile) {
  const fs::path dir = fs::temp_directory_path() / "varnel_file_io_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string target = (dir / "out.txt").string();
  ASSERT_TRUE(WriteFileAtomic(target, EncodeCrLfLines({"東京", "a"})).ok());
  EXPECT_EQ(*ReadFileBytes(target), "\x93\x8C\x8B\x9E\r\na\r\n");
  // A folder in the way of the temporary file: the write fails and the target stays as it was.
  fs::create_directories(target + ".tmp~");
  auto st = WriteFileAtomic(target, "new");
  EXPECT_FALSE(st.ok());
  EXPECT_FALSE(st.error().empty());
  EXPECT_EQ(*ReadFileBytes(target), "\x93\x8C\x8B\x9E\r\na\r\n");
  EXPECT_FALSE(ReadFileBytes((dir / "missing").string()).ok());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace varnel
