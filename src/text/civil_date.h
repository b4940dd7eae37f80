#pragma once
// Calendar dates of races and past runs (no time zone, no time of day).
#include <string>
#include <string_view>

namespace varnel {

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;

  // "YYYYMMDD" read strictly: eight digits forming a real date, else false.
  static bool Parse(std::string_view yyyymmdd, CivilDate& out);
  bool valid() const;
  // The same day n calendar months later; a day past the end of the target month becomes its
  // last day (31 Jan + 1 month = 28/29 Feb).
  CivilDate AddMonths(int n) const;
  std::string Key() const;  // "YYYYMMDD"
  int Serial() const;       // days since 1899-12-30, the way the data service's tools count
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
  friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

int DaysInMonth(int year, int month);

}  // namespace varnel
