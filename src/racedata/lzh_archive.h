#pragma once
// Reading LZH archives from outside the program, through liblhasa. Members are never written
// where their stored name points: each plain-named regular member goes to a temporary file in
// the target folder, and only a whole, CRC-checked extraction of every member is moved into
// place (LzhStaging::Commit), so a damaged archive replaces nothing.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace varnel {

inline constexpr std::uint64_t kMaxMemberBytes = 256ull << 20;   // one member
inline constexpr std::uint64_t kMaxArchiveBytes = 1ull << 30;    // all members of one archive

// Says how far extraction is: `done` of `total` (percent of the archive being extracted, total
// 100); returning false stops the extraction. Called only on the thread that extracts.
using ImportProgress = std::function<bool(int done, int total)>;

struct LzhMember {
  std::string Name;    // stored folder part and file name as the archive spells them (raw bytes)
  std::string Method;  // "-lh5-" ...; "-lhd-" for folders and links
  std::uint64_t Length = 0;
};

// The members of the archive at `path`, in order. Empty when the file cannot be opened or does
// not start with an LZH header.
std::vector<LzhMember> ListLzhMembers(const std::string& path);

// One error report of an extraction: a number of the kind below and the text to show.
struct LzhError {
  enum Code {
    kOpen = 1,        // the archive cannot be opened
    kDamaged = 2,     // a header or the data ends early or cannot be read
    kCrc = 3,         // the data does not match its CRC or length
    kMethod = 4,      // a compression method no decoder knows
    kUnsafeName = 5,  // a folder part, "..", an absolute path, a drive letter or a backslash
    kNotFile = 6,     // a folder, link or device entry
    kTooLarge = 7,    // a member larger than kMaxMemberBytes
    kTooMuch = 8,     // the archive expands to more than kMaxArchiveBytes
    kWrite = 9,       // a temporary file or the final file cannot be written
    kStopped = 10,    // the progress callback asked to stop
  };
  int code = 0;
  std::string message;
};

// Extracted members waiting in temporary files of one folder. Dropping the object removes the
// temporary files that were not committed.
class LzhStaging {
 public:
  explicit LzhStaging(std::string dir);
  ~LzhStaging();
  LzhStaging(const LzhStaging&) = delete;
  LzhStaging& operator=(const LzhStaging&) = delete;

  const std::string& Dir() const { return dir_; }
  // Records the temporary file of member `name`; a later member of the same name replaces it.
  void Add(const std::string& name, const std::string& tempPath);
  // Renames every temporary file over its member's name in the folder. Errors are appended.
  void Commit(std::vector<LzhError>& errors);
  void Discard();

 private:
  std::string dir_;
  std::vector<std::string> order_;
  std::map<std::string, std::string> temp_;
};

// Extracts every member of the archive at `path` into `staging`; appends one error per problem.
// Returns false when extraction stopped early (the archive is damaged, too large, or the progress
// callback said stop); refused members alone do not stop it.
bool ExtractLzhArchive(const std::string& path, LzhStaging& staging, std::vector<LzhError>& errors,
                       const ImportProgress& progress);

}  // namespace varnel
