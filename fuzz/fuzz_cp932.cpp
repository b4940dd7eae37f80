// Text helpers on arbitrary bytes: decoding never yields invalid UTF-8, column cuts stay inside
// the line, and the number parsers and splitters never crash.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/cp932.h"
#include "text/divide.h"
#include "text/number_text.h"

using namespace varnel;

namespace {

bool ValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (n < 0 || (n == 1 && c < 0xC2) || c > 0xF4 || i + n >= s.size()) return false;
    for (int k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int a = data[0];
  const int b = data[1];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

  const std::string utf8 = DecodeCp932(bytes);
  if (!ValidUtf8(utf8)) std::abort();
  // Re-encoding gives CP932 that decodes to the same text wherever no '?' stood in.
  const std::string back = EncodeCp932(utf8);
  (void)DecodeCp932(back);
  (void)EncodeCp932(bytes);  // arbitrary bytes as if UTF-8: malformed parts become '?'

  const int col = a - 16;  // also zero and negative columns
  const int len = b - 16;
  const std::string_view cut = SjisColumns(bytes, col, len);
  if (!cut.empty() && (cut.data() < bytes.data() || cut.data() + cut.size() > bytes.data() + bytes.size()))
    std::abort();
  if (len >= 0 && static_cast<int>(cut.size()) > len) std::abort();
  if (!ValidUtf8(SjisField(bytes, col, len))) std::abort();

  const int w = SjisWidth(utf8);
  if (w < 0) std::abort();
  const std::string left = SjisLeft(utf8, len);
  if (!ValidUtf8(left) || left.size() > utf8.size() || utf8.compare(0, left.size(), left) != 0) std::abort();
  if (len >= 0 && SjisWidth(left) > len) std::abort();
  (void)SjisLeft(bytes, len);

  TDivide d(bytes, static_cast<char>(a));
  if (d.Count != static_cast<int>(d.Fields.size())) std::abort();
  (void)NthField(',', bytes, b % 20);
  (void)NthField(static_cast<char>(b), bytes, a % 20 - 2);

  (void)ToInt(bytes);
  int iv = 0;
  (void)TryToInt(bytes, iv);
  const double f = ToFloat(bytes);
  (void)FormatOneDecimal(f);
  double dv = 0;
  if (TryToFloat(bytes, dv)) (void)FormatOneDecimal(dv);
  (void)NumberText(bytes);
  (void)ZeroPad(utf8, len);
  (void)PadLeft(utf8, len);
  (void)PadRight(utf8, len);
  (void)DropLast(utf8, len);
  (void)Trim(bytes);
  (void)TrimRight(bytes);
  return 0;
}
