#include "text/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "text/cp932.h"

namespace varnel {

bool TryToInt(std::string_view text, int& value) {
  // Nearly every field is a few plain digits; nine of them always fit an int.
  if (!text.empty() && text.size() <= 9) {
    unsigned v = 0;
    size_t i = 0;
    for (; i < text.size(); ++i) {
      const unsigned d = static_cast<unsigned char>(text[i]) - static_cast<unsigned>('0');
      if (d > 9) break;
      v = v * 10 + d;
    }
    if (i == text.size()) {
      value = static_cast<int>(v);
      return true;
    }
  }
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool neg = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    neg = text[i] == '-';
    ++i;
  }
  if (i >= text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (neg) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return false;
  value = static_cast<int>(v);
  return true;
}

int ToInt(std::string_view text) {
  int v = 0;
  return TryToInt(text, v) ? v : 0;
}

namespace {

// Plain decimals of up to 15 digits, the odds and table figures, read without strtod: the digits
// and the power of ten are both exact doubles, so one division rounds exactly as strtod does.
bool TryPlainDecimal(std::string_view t, double& value) {
  static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  size_t i = 0;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  long long m = 0;
  int digits = 0, fraction = 0;
  bool point = false;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      if (++digits > 15) return false;
      m = m * 10 + (c - '0');
      if (point) ++fraction;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  const double v = static_cast<double>(m) / kPow10[fraction];
  value = neg ? -v : v;
  return true;
}

}  // namespace

bool TryToFloat(std::string_view text, double& value) {
  std::string_view t = Trim(text);
  if (t.empty()) return false;
  if (TryPlainDecimal(t, value)) return true;
  // Only plain decimal notation with an optional exponent; no hex, inf or nan.
  for (char c : t) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E')) return false;
  }
  std::string s(t);
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(v)) return false;
  value = v;
  return true;
}

double ToFloat(std::string_view text) {
  double v = 0;
  return TryToFloat(text, v) ? v : 0.0;
}

std::string NumberText(std::string_view text) { return std::to_string(ToInt(text)); }

std::string TwoDigits(int n) { return n <= 9 && n >= 0 ? "0" + std::to_string(n) : std::to_string(n); }

std::string SpacedNumber(int n) { return n <= 9 && n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

std::string ZeroPad(std::string_view text, int width) {
  const int w = SjisWidth(text);
  return w >= width ? std::string(text) : std::string(width - w, '0') + std::string(text);
}

std::string PadLeft(std::string_view text, int width) {
  const int w = SjisWidth(text);
  return w >= width ? std::string(text) : std::string(width - w, ' ') + std::string(text);
}

std::string PadRight(std::string_view text, int width) {
  const int w = SjisWidth(text);
  return w >= width ? std::string(text) : std::string(text) + std::string(width - w, ' ');
}

std::string DropLast(std::string_view text, int n) {
  size_t end = text.size();
  for (int k = 0; k < n && end > 0; ++k) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  }
  return std::string(text.substr(0, end));
}

std::string WithBackslash(std::string_view folder) {
#ifdef _WIN32
  constexpr char kSep = '\\';
  const bool ends = !folder.empty() && (folder.back() == '\\' || folder.back() == '/' || folder.back() == ':');
#else
  constexpr char kSep = '/';
  const bool ends = !folder.empty() && folder.back() == '/';
#endif
  return ends ? std::string(folder) : std::string(folder) + kSep;
}

std::string FormatOneDecimal(double value) {
  if (!std::isfinite(value)) return "0.0";
  const bool neg = value < 0;
  const double v = std::fabs(value);
  long long tenths = 0;
  if (v < 1e12) {
    // Halves are rounded on the decimal value: 0.15 is 0.1499999... in binary but reads 0.15,
    // so a tiny relative nudge before the half-up rounding settles the binary noise.
    const double scaled = v * 10.0;
    tenths = static_cast<long long>(std::floor(scaled + 0.5 + scaled * 1e-12 + 1e-12));
  } else {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return (neg ? "-" : "") + std::string(buf);
  }
  std::string out = std::to_string(tenths / 10);
  out.push_back('.');
  out.push_back(static_cast<char>('0' + tenths % 10));
  if (neg && tenths != 0) out.insert(out.begin(), '-');
  return out;
}

std::string_view Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(b, e - b);
}

std::string_view TrimRight(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(0, e);
}

}  // namespace varnel
