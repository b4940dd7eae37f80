#pragma once
// Windows code page 932 at the edges of the program. Inside, every text is UTF-8; data files are
// kept as raw CP932 bytes and decoded field by field. The tables are built once from glibc's
// iconv ("CP932"), so the mapping is exactly the system's, while decoding runs without iconv calls.
#include <string>
#include <string_view>

namespace varnel {

// Lead byte of a double-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsSjisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// CP932 bytes to UTF-8. Bytes that do not form a character become U+FFFD; never fails.
std::string DecodeCp932(std::string_view bytes);
// The same appended to `out`, so that a text built piece by piece needs no temporary.
void AppendCp932(std::string& out, std::string_view bytes);

// UTF-8 to CP932 bytes. Characters CP932 cannot hold become '?'; malformed UTF-8 likewise.
std::string EncodeCp932(std::string_view utf8);

// Display width of a UTF-8 text in Shift_JIS bytes: 1 for ASCII and half-width katakana
// (U+FF61..U+FF9F), 2 for every other character.
int SjisWidth(std::string_view utf8);

// Raw bytes of the 1-based byte columns [col, col+len) of a CP932 line. Columns past the end of
// the line are simply missing; a double-byte character cut by either edge is left out, so the
// result always holds whole characters.
std::string_view SjisColumns(std::string_view line, int col, int len);

// Decoded field: DecodeCp932(SjisColumns(line, col, len)).
std::string SjisField(std::string_view line, int col, int len);

// Number of bytes of the first `width` Shift_JIS bytes of a UTF-8 text, cut at whole characters
// (so "first N bytes" of a text never splits a character). Returns a UTF-8 prefix.
std::string SjisLeft(std::string_view utf8, int width);

}  // namespace varnel
