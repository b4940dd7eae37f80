#include "text/cp932.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace varnel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Tables {
  std::array<char32_t, 256> single{};               // single-byte characters, 0 = not a character
  std::vector<char32_t> dbl = std::vector<char32_t>(65536, 0);  // lead<<8|trail
  std::vector<uint16_t> encode = std::vector<uint16_t>(65536, 0);  // BMP code point -> CP932
  std::vector<bool> encodable = std::vector<bool>(65536, false);
};

char32_t IconvOne(iconv_t cd, const char* in, size_t inLen) {
  char out[8];
  char* inp = const_cast<char*>(in);
  char* outp = out;
  size_t inLeft = inLen, outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return 0;
  if (sizeof out - outLeft != 4) return 0;
  const auto* u = reinterpret_cast<const unsigned char*>(out);
  return static_cast<char32_t>(u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<uint32_t>(u[3]) << 24));
}

std::unique_ptr<Tables> BuildTables() {
  auto t = std::make_unique<Tables>();
  iconv_t cd = iconv_open("UTF-32LE", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // No CP932 in this C library: ASCII still works, everything else decodes as U+FFFD.
    for (int b = 0; b < 0x80; ++b) t->single[b] = static_cast<char32_t>(b);
    for (int b = 0; b < 0x80; ++b) { t->encode[b] = static_cast<uint16_t>(b); t->encodable[b] = true; }
    return t;
  }
  for (int b = 0; b < 256; ++b) {
    if (IsSjisLead(static_cast<unsigned char>(b))) continue;
    char c = static_cast<char>(b);
    t->single[b] = b == 0 ? 0 : IconvOne(cd, &c, 1);
    if (b == 0) t->single[0] = 0;
  }
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      t->dbl[(lead << 8) | trail] = IconvOne(cd, in, 2);
    }
  }
  iconv_close(cd);
  // Encoding table: the first CP932 code met for a code point wins, except that single bytes win
  // over double bytes. Where CP932 has duplicates (NEC and IBM extensions) the lower code is the
  // one Windows itself writes.
  for (int b = 0; b < 256; ++b) {
    char32_t u = t->single[b];
    if (b == 0) u = 0;
    if (u < 0x10000 && (u != 0 || b == 0)) {
      if (!t->encodable[u]) { t->encode[u] = static_cast<uint16_t>(b); t->encodable[u] = true; }
    }
  }
  for (int code = 0x8140; code <= 0xFCFC; ++code) {
    char32_t u = t->dbl[code];
    if (u == 0 || u >= 0x10000) continue;
    if (!t->encodable[u]) { t->encode[u] = static_cast<uint16_t>(code); t->encodable[u] = true; }
  }
  return t;
}

const Tables& T() {
  static const std::unique_ptr<Tables> tables = BuildTables();
  return *tables;
}

// Next code point of a UTF-8 text; malformed sequences give U+FFFD and advance one byte.
char32_t NextUtf8(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) { ++i; return b0; }
  int len = 0;
  char32_t c = 0;
  if ((b0 & 0xE0) == 0xC0) { len = 2; c = b0 & 0x1F; }
  else if ((b0 & 0xF0) == 0xE0) { len = 3; c = b0 & 0x0F; }
  else if ((b0 & 0xF8) == 0xF0) { len = 4; c = b0 & 0x07; }
  else { ++i; return kReplacement; }
  if (i + len > s.size()) { ++i; return kReplacement; }
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) { ++i; return kReplacement; }
    c = (c << 6) | (b & 0x3F);
  }
  i += len;
  return c;
}

}  // namespace

namespace {

size_t AsciiPrefix(std::string_view bytes) {
  size_t ascii = 0;
  while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
  return ascii;
}

// Room the UTF-8 of `bytes` may need: no byte grows to more than three.
size_t MaxUtf8Size(std::string_view bytes) { return bytes.size() * 3; }

// Writes the UTF-8 of `bytes` from `o`, whose first `ascii` bytes are known to be ASCII; returns
// the end of what was written.
char* DecodeInto(char* o, std::string_view bytes, size_t ascii) {
  const Tables& t = T();
  auto put = [&o](char32_t c) {
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
    } else if (c < 0x800) {
      *o++ = static_cast<char>(0xC0 | (c >> 6));
      *o++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      *o++ = static_cast<char>(0xE0 | (c >> 12));
      *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *o++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      *o++ = static_cast<char>(0xF0 | (c >> 18));
      *o++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *o++ = static_cast<char>(0x80 | (c & 0x3F));
    }
  };
  for (size_t i = 0; i < ascii; ++i) *o++ = bytes[i];
  for (size_t i = ascii; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      *o++ = static_cast<char>(b);
      ++i;
    } else if (IsSjisLead(b)) {
      if (i + 1 < bytes.size()) {
        const auto tr = static_cast<unsigned char>(bytes[i + 1]);
        const char32_t c = t.dbl[(b << 8) | tr];
        if (c != 0) {
          put(c);
          i += 2;
          continue;
        }
      }
      put(kReplacement);
      ++i;
    } else {
      const char32_t c = t.single[b];
      put(c != 0 ? c : kReplacement);
      ++i;
    }
  }
  return o;
}

}  // namespace

std::string DecodeCp932(std::string_view bytes) {
  // Most fields are plain ASCII: those are copied as they stand.
  const size_t ascii = AsciiPrefix(bytes);
  if (ascii == bytes.size()) return std::string(bytes);
  // Decoded into a scratch buffer first, so the result is allocated once at its exact size.
  static thread_local std::string scratch;
  if (scratch.size() < MaxUtf8Size(bytes)) scratch.resize(MaxUtf8Size(bytes));
  char* const begin = scratch.data();
  return std::string(begin, static_cast<size_t>(DecodeInto(begin, bytes, ascii) - begin));
}

void AppendCp932(std::string& out, std::string_view bytes) {
  const size_t ascii = AsciiPrefix(bytes);
  if (ascii == bytes.size()) {
    out.append(bytes);
    return;
  }
  const size_t start = out.size();
  out.resize(start + MaxUtf8Size(bytes));
  char* const begin = out.data() + start;
  out.resize(start + static_cast<size_t>(DecodeInto(begin, bytes, ascii) - begin));
}

std::string EncodeCp932(std::string_view utf8) {
  const Tables& t = T();
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char32_t c = NextUtf8(utf8, i);
    if (c < 0x10000 && t.encodable[c]) {
      const uint16_t code = t.encode[c];
      if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

int SjisWidth(std::string_view utf8) {
  int w = 0;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      ++w;
      ++i;
      continue;
    }
    // Japanese text is mostly three-byte characters: read those here, leave the rest to NextUtf8.
    if ((b & 0xF0) == 0xE0 && i + 3 <= utf8.size()) {
      const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
      const auto b2 = static_cast<unsigned char>(utf8[i + 2]);
      if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80) {
        const char32_t c = (static_cast<char32_t>(b & 0x0F) << 12) | (static_cast<char32_t>(b1 & 0x3F) << 6) | (b2 & 0x3F);
        w += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
        i += 3;
        continue;
      }
    }
    const char32_t c = NextUtf8(utf8, i);
    w += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
  }
  return w;
}

std::string SjisLeft(std::string_view utf8, int width) {
  int w = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    size_t j = i;
    const char32_t c = NextUtf8(utf8, j);
    const int cw = (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
    if (w + cw > width) break;
    w += cw;
    i = j;
  }
  return std::string(utf8.substr(0, i));
}

namespace {
// True when byte `pos` of the line begins a character. Walks back over the run of bytes that
// could be lead bytes: inside such a run characters pair up, so the parity tells.
bool StartsCharacter(std::string_view line, size_t pos) {
  size_t n = 0;
  while (n < pos && IsSjisLead(static_cast<unsigned char>(line[pos - 1 - n]))) ++n;
  return n % 2 == 0;
}
}  // namespace

std::string_view SjisColumns(std::string_view line, int col, int len) {
  if (col < 1 || len <= 0) return {};
  size_t begin = static_cast<size_t>(col - 1);
  if (begin >= line.size()) return {};
  size_t end = std::min(line.size(), begin + static_cast<size_t>(len));
  if (!StartsCharacter(line, begin)) ++begin;
  // Walk forward from a known boundary so a lead byte whose trail lies outside is dropped.
  size_t i = begin;
  while (i < end) {
    const bool dbl = IsSjisLead(static_cast<unsigned char>(line[i]));
    if (dbl && i + 2 > end) break;
    i += dbl ? 2 : 1;
  }
  if (begin >= i) return {};
  return line.substr(begin, i - begin);
}

std::string SjisField(std::string_view line, int col, int len) {
  return DecodeCp932(SjisColumns(line, col, len));
}

}  // namespace varnel
