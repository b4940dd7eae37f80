#include "text/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/cp932.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace varnel {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

Result<std::string> ReadFileBytes(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return Fail("ファイルを開けません: " + path);
  std::string bytes;
  // One read of the whole file when its size is known; a file that grows meanwhile is still
  // read to its end below.
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long size = std::ftell(f);
    if (size > 0) bytes.resize(static_cast<size_t>(size));
    std::fseek(f, 0, SEEK_SET);
  }
  size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), f);
  bytes.resize(got);
  char buf[65536];
  size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return Fail("ファイルを読めません: " + path);
  return bytes;
}

Status WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::string tmp = path + ".tmp~";
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return Fail("ファイルを書き込めません: " + path + " (" + std::strerror(errno) + ")");
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
#ifndef _WIN32
  ok = ok && ::fsync(::fileno(f)) == 0;
#endif
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    std::remove(tmp.c_str());
    return Fail("ファイルを書き込めません: " + path);
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    return Fail("ファイルを書き込めません: " + path + " (" + ec.message() + ")");
  }
  return Success();
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  const size_t n = bytes.size();
  size_t i = 0;
  while (i < n) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.emplace_back(bytes.substr(start, i - start));
      if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      const void* hit = std::memchr(bytes.data() + i, '\n', n - i);
      size_t next = hit ? static_cast<size_t>(static_cast<const char*>(hit) - bytes.data()) : n;
      // A lone CR is searched for only up to the next LF, so a file without CRs stays linear.
      if (const void* cr = std::memchr(bytes.data() + i, '\r', next - i)) {
        next = static_cast<size_t>(static_cast<const char*>(cr) - bytes.data());
      }
      i = next;
    }
  }
  if (start < n) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string EncodeCrLfLines(const std::vector<std::string>& utf8Lines) {
  std::string out;
  for (const auto& l : utf8Lines) {
    out += EncodeCp932(l);
    out += "\r\n";
  }
  return out;
}

}  // namespace varnel
