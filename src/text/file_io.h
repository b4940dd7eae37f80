#pragma once
// Whole-file reading and writing. Writes go to a temporary file beside the target that is
// flushed and renamed over it, so a crash or a full disk never leaves half a file behind.
#include <string>
#include <string_view>
#include <vector>

#include "text/result.h"

namespace varnel {

bool FileExists(const std::string& path);
Result<std::string> ReadFileBytes(const std::string& path);
Status WriteFileAtomic(const std::string& path, std::string_view bytes);

// Raw lines of a text file's bytes: CR LF, LF and lone CR all end a line; a final line without
// an end is kept; an empty text gives no lines. Lines keep every other byte as read.
std::vector<std::string> SplitLines(std::string_view bytes);

// UTF-8 lines encoded to CP932, each followed by CR LF: how every file the program writes looks.
std::string EncodeCrLfLines(const std::vector<std::string>& utf8Lines);

}  // namespace varnel
