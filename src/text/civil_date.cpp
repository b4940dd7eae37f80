#include "text/civil_date.h"

#include <cstdio>

namespace varnel {

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool CivilDate::valid() const {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool CivilDate::Parse(std::string_view s, CivilDate& out) {
  if (s.size() != 8) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  auto num = [&](size_t pos, size_t len) {
    int v = 0;
    for (size_t i = pos; i < pos + len; ++i) v = v * 10 + (s[i] - '0');
    return v;
  };
  CivilDate d{num(0, 4), num(4, 2), num(6, 2)};
  if (!d.valid()) return false;
  out = d;
  return true;
}

CivilDate CivilDate::AddMonths(int n) const {
  int m0 = year * 12 + (month - 1) + n;
  CivilDate d{m0 / 12, m0 % 12 + 1, day};
  const int last = DaysInMonth(d.year, d.month);
  if (d.day > last) d.day = last;
  return d;
}

std::string CivilDate::Key() const {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", year, month, day);
  return buf;
}

int CivilDate::Serial() const {
  // Days from civil (proleptic Gregorian), shifted so that 1899-12-30 is 0.
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const int daysSince1970 = era * 146097 + doe - 719468;
  return daysSince1970 + 25569;
}

}  // namespace varnel
