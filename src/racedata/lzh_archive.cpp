#include "racedata/lzh_archive.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <lhasa.h>

#include "text/cp932.h"
#include "text/number_text.h"

namespace varnel {

namespace {

// CRC-16 of the LZH data (polynomial 0xA001, reflected, starting at 0).
const std::array<std::uint16_t, 256>& CrcTable() {
  static const auto table = [] {
    std::array<std::uint16_t, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
      unsigned c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001u : c >> 1;
      t[i] = static_cast<std::uint16_t>(c);
    }
    return t;
  }();
  return table;
}

std::uint16_t UpdateCrc(std::uint16_t crc, const unsigned char* p, size_t n) {
  const auto& t = CrcTable();
  for (size_t i = 0; i < n; ++i) crc = static_cast<std::uint16_t>((crc >> 8) ^ t[(crc ^ p[i]) & 0xFF]);
  return crc;
}

// The archive file seen through liblhasa, remembering how the last read ended so that a header
// cut short can be told from the end of the archive (both make the reader return no header).
struct FileStream {
  std::FILE* file = nullptr;
  std::uint64_t size = 0;
  std::uint64_t pos = 0;
  bool skippedPastEnd = false;

  static int Read(void* handle, void* buf, size_t len) {
    auto* s = static_cast<FileStream*>(handle);
    const size_t n = std::fread(buf, 1, len, s->file);
    s->pos += n;
    if (n == 0 && std::ferror(s->file)) return -1;
    return static_cast<int>(n);
  }
  static int Skip(void* handle, size_t bytes) {
    auto* s = static_cast<FileStream*>(handle);
    if (s->pos + bytes > s->size) {
      s->skippedPastEnd = true;
      return 0;
    }
    if (std::fseek(s->file, static_cast<long>(s->pos + bytes), SEEK_SET) != 0) return 0;
    s->pos += bytes;
    return 1;
  }
  static void Close(void*) {}

};

const LHAInputStreamType kStreamType{&FileStream::Read, &FileStream::Skip, &FileStream::Close};

// An open archive with its reader; everything is released with it.
class Archive {
 public:
  explicit Archive(const std::string& path) {
    stream_.file = std::fopen(path.c_str(), "rb");
    if (!stream_.file) return;
    std::error_code ec;
    stream_.size = std::filesystem::file_size(path, ec);
    if (ec) return;
    input_ = lha_input_stream_new(&kStreamType, &stream_);
    if (input_) reader_ = lha_reader_new(input_);
    if (reader_) lha_reader_set_dir_policy(reader_, LHA_READER_DIR_PLAIN);
  }
  ~Archive() {
    if (reader_) lha_reader_free(reader_);
    if (input_) lha_input_stream_free(input_);
    if (stream_.file) std::fclose(stream_.file);
  }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  bool ok() const { return reader_ != nullptr; }
  LHAFileHeader* Next() {
    for (;;) {
      LHAFileHeader* h = lha_reader_next_file(reader_);
      if (!h) return nullptr;
      // The reader leaves the stream at the start of the member's data.
      nextHeader_ = stream_.pos + h->compressed_length;
      if (!lha_reader_current_is_fake(reader_)) return h;
    }
  }
  size_t Read(void* buf, size_t len) { return lha_reader_read(reader_, buf, len); }
  bool DataRanOut() const { return stream_.skippedPastEnd || stream_.pos >= stream_.size; }

  // After the reader gave no further header: true unless the archive really ended there, at the
  // end of the file or at the zero byte that closes an archive. A header the reader rejects (cut
  // short, bad checksum, unknown method) ends the listing the same way as the end does.
  bool EndedEarly() {
    if (stream_.skippedPastEnd || nextHeader_ > stream_.size) return true;
    if (nextHeader_ == stream_.size) return false;
    unsigned char mark = 1;
    if (std::fseek(stream_.file, static_cast<long>(nextHeader_), SEEK_SET) != 0) return true;
    return std::fread(&mark, 1, 1, stream_.file) != 1 || mark != 0;
  }

 private:
  FileStream stream_;
  std::uint64_t nextHeader_ = 0;
  LHAInputStream* input_ = nullptr;
  LHAReader* reader_ = nullptr;
};

std::uint32_t Le(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// The member's name exactly as the header stores it, folder part included. The reader tidies
// names (it drops "../", turns backslashes into folders), which would hide what the archive
// asked for; the safety check must see the stored bytes. Empty when the header cannot be read.
std::string RawStoredName(const LHAFileHeader& h) {
  const std::uint8_t* d = h.raw_data;
  const size_t n = h.raw_data_len;
  if (!d) return {};
  if (h.header_level == 0 || h.header_level == 1) {
    if (n < 22 || 22u + d[21] > n) return {};
    return std::string(reinterpret_cast<const char*>(d) + 22, d[21]);
  }
  if (h.header_level != 2 && h.header_level != 3) return {};
  // Extended headers follow the base header; the size of each (2 bytes at level 2, 4 at level 3)
  // stands at the end of the one before it, the first one's at the end of the base header.
  const int sizeBytes = h.header_level == 2 ? 2 : 4;
  size_t pos = h.header_level == 2 ? 24 : 28;
  if (pos + sizeBytes > n) return {};
  size_t size = Le(d + pos, sizeBytes);
  pos += sizeBytes;
  std::string file, folder;
  while (size != 0) {
    if (size < static_cast<size_t>(1 + sizeBytes) || pos + size > n) return {};
    const std::uint8_t type = d[pos];
    const std::string body(reinterpret_cast<const char*>(d) + pos + 1, size - 1 - sizeBytes);
    if (type == 0x01) file = body;
    if (type == 0x02) folder = body;
    pos += size;
    size = Le(d + pos - sizeBytes, sizeBytes);
  }
  return folder.empty() ? file : folder + '\xFF' + file;
}

std::string StoredName(const LHAFileHeader& h) {
  std::string name = h.path ? h.path : "";
  if (h.filename) name += h.filename;
  return name;
}

bool IsDirOrLink(const LHAFileHeader& h) { return std::string_view(h.compress_method) == LHA_COMPRESS_TYPE_DIR; }

// Unix file-type bits other than a regular file's: a device, a pipe, a socket or a link.
bool IsSpecialFile(const LHAFileHeader& h) {
  if (!LHA_FILE_HAVE_EXTRA(&h, LHA_FILE_UNIX_PERMS)) return false;
  const unsigned type = h.unix_perms & 0170000u;
  return type != 0 && type != 0100000u;
}

// A name that can only mean the file of that name in the target folder: no folder part in any
// spelling ('/', a backslash that is not the second byte of a Shift_JIS character, the 0xFF
// separator of extended headers), no drive letter, no "." or "..", no control character.
bool IsPlainName(std::string_view n) {
  if (n.empty() || n == "." || n == "..") return false;
  for (size_t i = 0; i < n.size(); ++i) {
    const auto c = static_cast<unsigned char>(n[i]);
    if (IsSjisLead(c) && i + 1 < n.size()) {
      ++i;
      continue;
    }
    if (c < 0x20 || c == '/' || c == '\\' || c == ':' || c == 0x7F || c == 0xFF) return false;
  }
  return true;
}

std::string Shown(const std::string& rawName) { return DecodeCp932(rawName); }

std::string NewTempPath(const std::string& dir) {
  static std::mt19937_64 rng{std::random_device{}()};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(rng()));
  return WithBackslash(dir) + ".varnel-import-" + buf + ".tmp";
}

}  // namespace

std::vector<LzhMember> ListLzhMembers(const std::string& path) {
  std::vector<LzhMember> members;
  Archive archive(path);
  if (!archive.ok()) return members;
  while (LHAFileHeader* h = archive.Next()) {
    std::string name = RawStoredName(*h);
    if (name.empty()) name = StoredName(*h);
    members.push_back({name, h->compress_method, h->length});
  }
  return members;
}

LzhStaging::LzhStaging(std::string dir) : dir_(std::move(dir)) {}

LzhStaging::~LzhStaging() { Discard(); }

void LzhStaging::Add(const std::string& name, const std::string& tempPath) {
  auto [it, fresh] = temp_.try_emplace(name, tempPath);
  if (fresh) {
    order_.push_back(name);
  } else {
    std::remove(it->second.c_str());
    it->second = tempPath;
  }
}

void LzhStaging::Commit(std::vector<LzhError>& errors) {
  for (const auto& name : order_) {
    const std::string& tmp = temp_[name];
    std::error_code ec;
    std::filesystem::rename(tmp, WithBackslash(dir_) + name, ec);
    if (ec) {
      errors.push_back({LzhError::kWrite, "ファイルを書き込めません: " + Shown(name) + " (" + ec.message() + ")"});
      std::remove(tmp.c_str());
    }
  }
  order_.clear();
  temp_.clear();
}

void LzhStaging::Discard() {
  for (const auto& [name, tmp] : temp_) std::remove(tmp.c_str());
  order_.clear();
  temp_.clear();
}

bool ExtractLzhArchive(const std::string& path, LzhStaging& staging, std::vector<LzhError>& errors,
                       const ImportProgress& progress) {
  const std::string shownArchive = std::filesystem::path(path).filename().string();
  // A first pass over the headers gives the total for the progress and refuses an archive that
  // would fill the disk before a byte of it is written.
  std::uint64_t total = 0;
  for (const auto& m : ListLzhMembers(path)) {
    if (m.Method != LHA_COMPRESS_TYPE_DIR) total += m.Length;
  }
  if (total > kMaxArchiveBytes) {
    errors.push_back({LzhError::kTooMuch, "書庫の展開後の大きさが上限(1GiB)を超えています: " + shownArchive});
    return false;
  }

  Archive archive(path);
  if (!archive.ok()) {
    errors.push_back({LzhError::kOpen, "書庫ファイルを開けません: " + shownArchive});
    return false;
  }

  std::vector<unsigned char> buf(1 << 16);
  std::uint64_t done = 0;
  int shownPercent = -1;
  auto report = [&]() {
    if (!progress) return true;
    const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (percent == shownPercent) return true;
    shownPercent = percent;
    return progress(percent, 100);
  };

  while (LHAFileHeader* h = archive.Next()) {
    std::string name = RawStoredName(*h);
    if (name.empty()) name = StoredName(*h);
    if (IsDirOrLink(*h) || IsSpecialFile(*h)) {
      errors.push_back({LzhError::kNotFile, "フォルダー・リンク・特殊ファイルは展開しません: " + Shown(name)});
      continue;
    }
    if (!IsPlainName(name) || (h->path && *h->path)) {
      errors.push_back({LzhError::kUnsafeName, "フォルダーを含む名前のファイルは展開しません: " + Shown(name)});
      continue;
    }
    if (h->length > kMaxMemberBytes) {
      errors.push_back({LzhError::kTooLarge, "ファイルが大きすぎます(上限256MiB): " + Shown(name)});
      return false;
    }
    if (done + h->length > kMaxArchiveBytes) {
      errors.push_back({LzhError::kTooMuch, "書庫の展開後の大きさが上限(1GiB)を超えています: " + shownArchive});
      return false;
    }
    if (!lha_decoder_for_name(h->compress_method)) {
      errors.push_back({LzhError::kMethod,
                        "未対応の圧縮形式です(" + std::string(h->compress_method) + "): " + Shown(name)});
      continue;
    }

    const std::string tmp = NewTempPath(staging.Dir());
    std::FILE* out = std::fopen(tmp.c_str(), "wbx");
    if (!out) {
      errors.push_back({LzhError::kWrite, "一時ファイルを作成できません: " + Shown(name)});
      return false;
    }
    std::uint16_t crc = 0;
    std::uint64_t length = 0;
    bool written = true, stopped = false;
    for (;;) {
      const size_t n = archive.Read(buf.data(), buf.size());
      if (n == 0) break;
      length += n;
      // The decoder stops at the header's length; this guards a decoder that would not.
      if (length > h->length) break;
      crc = UpdateCrc(crc, buf.data(), n);
      written = written && std::fwrite(buf.data(), 1, n, out) == n;
      done += n;
      if (!report()) {
        stopped = true;
        break;
      }
    }
    written = std::fclose(out) == 0 && written;
    if (stopped) {
      std::remove(tmp.c_str());
      errors.push_back({LzhError::kStopped, "展開を中止しました。"});
      return false;
    }
    if (!written) {
      std::remove(tmp.c_str());
      errors.push_back({LzhError::kWrite, "ファイルを書き込めません: " + Shown(name)});
      return false;
    }
    if (length < h->length && archive.DataRanOut()) {
      std::remove(tmp.c_str());
      errors.push_back({LzhError::kDamaged, "書庫ファイルが壊れているか、途中で切れています: " + Shown(name)});
      return false;
    }
    if (length != h->length || crc != h->crc) {
      std::remove(tmp.c_str());
      errors.push_back({LzhError::kCrc, "CRCエラーです(書庫が壊れています): " + Shown(name)});
      continue;
    }
    staging.Add(name, tmp);
  }
  if (archive.EndedEarly()) {
    errors.push_back({LzhError::kDamaged, "書庫ファイルが壊れているか、途中で切れています: " + shownArchive});
    return false;
  }
  if (progress) progress(0, 100);
  return true;
}

}  // namespace varnel
