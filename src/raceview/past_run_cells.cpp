#include "raceview/past_run_cells.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "engine/race_style.h"
#include "racedata/code_tables.h"
#include "racedata/record_fields.h"
#include "text/cp932.h"
#include "text/number_text.h"

namespace varnel {

namespace {

constexpr const char* kRunLabels[3] = {"前走", "2走前", "3走前"};

bool AllBlank(std::string_view s) {
  for (char c : s) {
    if (c != ' ') return false;
  }
  return true;
}

bool HasBlank(std::string_view s) { return s.find(' ') != std::string_view::npos; }

// Characters [pos, pos+len) of a fixed ASCII field, empty where the line ran out.
std::string_view Sub(std::string_view s, size_t pos, size_t len) {
  return pos >= s.size() ? std::string_view() : s.substr(pos, len);
}

// A digit or code field of run block i. These fields hold single-byte characters only, so the
// bytes are cut directly (within the line) rather than walked as Shift_JIS; a stray byte of a
// broken line simply fails to match a code or to read as a number.
std::string_view Code(std::string_view U, FieldCol f, int i) {
  const FieldCol c = PastRun(f, i);
  return Sub(U, static_cast<size_t>(c.col - 1), static_cast<size_t>(c.len));
}

// The first n characters (not bytes) of a UTF-8 text.
std::string_view FirstChars(std::string_view utf8, int n) {
  size_t i = 0;
  for (int k = 0; k < n && i < utf8.size(); ++k) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    i += b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  }
  return utf8.substr(0, std::min(i, utf8.size()));
}

// The date field as the YYYYMMDD number a history row carries; 0 when it cannot match one.
int DateKey(std::string_view date) {
  if (date.size() != 8 || date[0] == '0') return 0;
  int v = 0;
  for (char c : date) {
    if (c < '0' || c > '9') return 0;
    v = v * 10 + (c - '0');
  }
  return v;
}

// Bytes of a digit field copied into a cell; a byte of a broken line that is not ASCII would
// make the cell invalid UTF-8, so it shows as "?" (one column, like the byte it stands for).
void AppendAscii(std::string& out, std::string_view bytes) {
  const size_t start = out.size();
  out.append(bytes);
  for (size_t i = start; i < out.size(); ++i) {
    if (static_cast<unsigned char>(out[i]) >= 0x80) out[i] = '?';
  }
}

void AppendBlanks(std::string& out, long long n) {
  if (n > 0) out.append(static_cast<size_t>(n), ' ');
}

void AppendPadLeft(std::string& out, std::string_view text, int width) {
  AppendBlanks(out, width - SjisWidth(text));
  out += text;
}

void AppendNumberPadLeft(std::string& out, int n, int width) {
  if (n >= 0 && n < 100) {
    // Places, field sizes and meeting numbers: one or two digits.
    if (n < 10) {
      AppendBlanks(out, width - 1);
      out += static_cast<char>('0' + n);
    } else {
      AppendBlanks(out, width - 2);
      const char digits[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
      out.append(digits, 2);
    }
    return;
  }
  char buf[16];
  const auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
  AppendBlanks(out, width - (end - buf));
  out.append(buf, end);
}

// FinishText of a corner field. The few dozen codes that occur are decoded once.
const std::string& CornerText(std::string_view code) {
  static thread_local std::array<std::string, 121> cache;
  static thread_local std::array<bool, 121> known{};
  static thread_local std::string other;
  auto index = [](char c) { return c == ' ' ? 10 : (c >= '0' && c <= '9') ? c - '0' : -1; };
  const int a = code.size() == 2 ? index(code[0]) : -1;
  const int b = code.size() == 2 ? index(code[1]) : -1;
  if (a < 0 || b < 0) return other = FinishText(code);
  const int k = a * 11 + b;
  if (!known[k]) {
    cache[k] = FinishText(code);
    known[k] = true;
  }
  return cache[k];
}

// CourseText of a past run's course code, and the first two characters the cell shows. The
// codes are two digits; each is looked up once.
struct CourseName {
  std::string text;
  std::string_view firstTwo;  // into text
  bool none = false;          // "----": no such run
};

const CourseName& CourseNameOf(std::string_view code) {
  static thread_local std::array<CourseName, 100> cache;
  static thread_local std::array<bool, 100> known{};
  static thread_local CourseName other;
  auto fill = [code](CourseName& c) {
    c.text = CourseText(code);
    c.firstTwo = FirstChars(c.text, 2);
    c.none = c.text == "----";
  };
  const bool digits = code.size() == 2 && code[0] >= '0' && code[0] <= '9' && code[1] >= '0' && code[1] <= '9';
  if (!digits) {
    fill(other);
    return other;
  }
  const int k = (code[0] - '0') * 10 + (code[1] - '0');
  if (!known[k]) {
    fill(cache[k]);
    known[k] = true;
  }
  return cache[k];
}

void AppendClass(std::string& out, std::string_view U, int i) {
  const size_t start = out.size();
  const std::string_view code = Code(U, PastCol::ClassCode, i);
  std::string_view named;  // the class of a race without a number
  std::string grade;
  bool numeric = false;
  int n = 0;
  if (code == "00001") named = "新馬";
  else if (code == "00002") named = "未出走";
  else if (code == "00003") named = "未勝利";
  else if (code == "00004") named = grade = GradeCodeText(Code(U, PastCol::GradeCode, i));
  else {
    numeric = true;
    n = ToInt(code.substr(0, 4));
  }
  auto appendClass = [&] {
    if (!numeric) out += named;
    else if (n != 0) AppendNumberPadLeft(out, n, 0);
  };
  // Only the first six columns of the short race name fit the cell.
  const std::string_view shortName = RawField(U, {PastRun(PastCol::RaceName, i).col, 6});
  if (!AllBlank(shortName)) {
    const std::string_view course = Code(U, PastCol::Course, i);
    const bool central = course.size() == 2 && course[0] == '0' && course[1] >= '0' && course[1] <= '9';
    AppendCp932(out, shortName);
    if (central) appendClass();
  } else if (numeric) {
    if (n > 99) {
      AppendNumberPadLeft(out, n, 0);
      out += "万";
    }
  } else {
    appendClass();
  }
  AppendBlanks(out, 10 - SjisWidth(std::string_view(out).substr(start)));
}

void AppendHistory(std::string& out, const HistoryRow& r) {
  const bool scratched = r.ODDS == "/";
  std::string rating = FormatOneDecimal(r.RATING / 10.0);
  if (rating == "0.0") rating = "-";
  if (scratched) rating = "取消";
  AppendPadLeft(out, "(" + rating + ")", 8);
  out += ' ';
  out += (r.RATING == 0 && r.R_RANK == 1) ? std::string(" -位") : RankHtml(r.R_RANK);
  AppendPadLeft(out, "(" + (scratched ? std::string("取消") : r.ODDS) + ")", 9);
  out += ' ';
  out += RankHtml(r.O_RANK);
}

// Writes the cell into `cell`, which arrives empty (it may keep the buffer of an earlier race).
void CellText(std::string& cell, std::string_view U, int i, const CourseName& course, std::string_view date,
              int finish, std::string_view surface, int distance, const std::vector<HistoryRow>* rows) {
  cell.reserve(320);

  // Line 1: meeting, date, class, finish / field size.
  const size_t meetingStart = cell.size();
  AppendNumberPadLeft(cell, ToInt(Code(U, PastCol::MeetingNo, i)), 0);
  cell += course.firstTwo;
  AppendNumberPadLeft(cell, ToInt(Code(U, PastCol::MeetingDay, i)), 0);
  AppendBlanks(cell, 8 - SjisWidth(std::string_view(cell).substr(meetingStart)));
  AppendAscii(cell, Sub(date, 4, 2));
  cell += '.';
  AppendAscii(cell, Sub(date, 6, 2));
  AppendBlanks(cell, 7 - static_cast<long long>(Sub(date, 4, 2).size() + 1 + Sub(date, 6, 2).size()));
  AppendClass(cell, U, i);
  cell += ' ';
  if (finish == 0) {
    cell += "--着";
  } else if (finish >= 1 && finish <= 3) {
    cell += "<B>";
    AppendNumberPadLeft(cell, finish, 2);
    cell += "着</B>";
  } else {
    AppendNumberPadLeft(cell, finish, 2);
    cell += "着";
  }
  cell += '/';
  const int runners = ToInt(Code(U, PastCol::Runners, i));
  if (runners == 0) {
    cell += "--";
  } else {
    AppendNumberPadLeft(cell, runners, 2);
  }
  cell += "頭<BR>";

  // Line 2: surface and distance, time, jockey, weight carried, corner positions.
  cell += surface;
  AppendNumberPadLeft(cell, distance, 0);
  cell += "m ";
  const std::string_view mi = Trim(Code(U, PastCol::TimeMinutes, i));
  const std::string_view se = Trim(Code(U, PastCol::TimeSeconds, i));
  const std::string_view te = Trim(Code(U, PastCol::TimeTenths, i));
  if (mi.empty() && se.empty() && te.empty()) {
    cell += "-.--.-";
  } else {
    AppendBlanks(cell, 6 - static_cast<long long>(mi.size() + se.size() + te.size() + 2));
    AppendAscii(cell, mi);
    cell += '.';
    AppendAscii(cell, se);
    cell += '.';
    AppendAscii(cell, te);
  }
  cell += ' ';
  const size_t jockeyStart = cell.size();
  AppendCp932(cell, Trim(RawField(U, {PastRun(PastCol::Jockey, i).col, 6})));
  AppendBlanks(cell, 7 - SjisWidth(std::string_view(cell).substr(jockeyStart)));
  const std::string_view kin = Code(U, PastCol::Kinryo, i);
  const std::string_view mark = Code(U, PastCol::WeightRule, i) == "02" ? "H" : "";
  AppendBlanks(cell, 5 - static_cast<long long>(mark.size() + Sub(kin, 0, 2).size() + 1 + Sub(kin, 2, 1).size()));
  cell += mark;
  AppendAscii(cell, Sub(kin, 0, 2));
  cell += '.';
  AppendAscii(cell, Sub(kin, 2, 1));
  cell += ' ';
  const size_t cornersStart = cell.size();
  for (FieldCol c : {PastCol::Corner1, PastCol::Corner2, PastCol::Corner3, PastCol::Corner4}) {
    cell += CornerText(Code(U, c, i));
  }
  if (Trim(std::string_view(cell).substr(cornersStart)).empty()) {
    cell.resize(cornersStart);
    cell.append(13, ' ');
  }
  cell += "<BR>";

  // Line 3: what this program computed for that race, when the history has it.
  cell += "      ";
  const int key = rows ? DateKey(date) : 0;
  if (key != 0) {
    for (const HistoryRow& r : *rows) {
      if (r.YMD == key) {
        AppendHistory(cell, r);
        break;
      }
    }
  }
}

}  // namespace

std::string RankHtml(int n) {
  static constexpr const char* kColours[4] = {"#FF0000", "#FF6600", "#009900", "#0033FF"};
  if (n >= 1 && n <= 4) {
    return std::string("<FONT COLOR=\"") + kColours[n - 1] + "\"> " + std::to_string(n) + "位</FONT>";
  }
  return PadLeft(std::to_string(n), 2) + "位";
}

bool RaceDateOf(const RaceHeader& race, CivilDate& out) {
  const std::string_view t = race.RaceDateText;
  std::string key(Sub(t, 0, 4));
  key += Sub(t, 5, 2);
  key += Sub(t, 8, 2);
  return CivilDate::Parse(key, out);
}

void PrefetchHorseLine(std::string_view U) {
  constexpr size_t kCacheLine = 64;
  auto fetch = [&U](size_t from, size_t to) {
    to = std::min(to, U.size());
    for (size_t at = from; at < to; at += kCacheLine) __builtin_prefetch(U.data() + at);
    if (from < to) __builtin_prefetch(U.data() + to - 1);
  };
  fetch(0, static_cast<size_t>(UmaCol::Bamei.col + UmaCol::Bamei.len));
  const size_t first = static_cast<size_t>(PastCol::Course.col - 1);
  const size_t last = static_cast<size_t>(PastCol::Corner4.col + PastCol::Corner4.len);
  for (int i = 0; i < PastCol::kBlocks; ++i) {
    const size_t shift = static_cast<size_t>(PastCol::kBlockWidth) * static_cast<size_t>(i);
    fetch(first + shift, last + shift);
  }
}

Result<TBachu> BuildBachu(std::string_view U, const RaceHeader& race, HorseHistory* history,
                          const CivilDate& today) {
  TBachu b;
  Status built = BuildBachu(b, U, race, history, today);
  if (!built) return Fail(built.error());
  return b;
}

Status BuildBachu(TBachu& b, std::string_view U, const RaceHeader& race, HorseHistory* history,
                  const CivilDate& today) {
  {
    // A fresh record, but the text buffers of the runner it replaces are kept for its texts.
    std::array<std::string, 3> cells;
    cells.swap(b.SouCells);
    std::string bamei;
    bamei.swap(b.Bamei);
    b = TBachu{};
    for (std::string& c : cells) c.clear();
    bamei.clear();
    b.SouCells.swap(cells);
    b.Bamei.swap(bamei);
  }
  // Blanks are never the second byte of a character, so the raw bytes are trimmed before decoding.
  AppendCp932(b.Bamei, Trim(RawField(U, UmaCol::Bamei)));
  b.UmaCode = IntField(U, UmaCol::UmaCode);
  if (!RaceDateOf(race, b.RaceDate)) {
    return Fail("レースの日付「" + race.RaceDateText + "」が正しい日付ではありません。");
  }

  std::vector<HistoryRow> rows;
  if (history) rows = history->QueryHorseHistory(b.UmaCode);

  const int todayDistance = ToInt(race.RaceDistance);
  int first = 0, second = 0;
  for (int i = 0; i < PastCol::kBlocks; ++i) {
    const int finish = ToInt(Code(U, PastCol::Finish, i));
    const std::string surface = SurfaceText(Code(U, PastCol::Steeplechase, i), Code(U, PastCol::Turf, i));
    const int distance = ToInt(Code(U, PastCol::Distance, i));
    if (finish > 0) {
      const int corner = CornerClass(Code(U, PastCol::Corner4, i));
      if (corner != 0) {
        if (first == 0) first = corner;
        else if (second == 0) second = corner;
      }
      if (b.KyoriHenka.empty()) b.KyoriHenka = DistanceChange(todayDistance, distance, race.RaceSurface, surface);
      if (i <= 2) b.SouHasResult[i] = true;
    }
    if (i > 2) continue;
    b.SouFinish[i] = finish;
    b.SouSurface[i] = SurfaceCode(surface);
    b.SouDistance[i] = distance;
    const std::string_view date = Code(U, PastCol::Date, i);
    if (date.size() < 8 || HasBlank(date)) {
      b.SouDate[i] = RunDate{today, true};
    } else if (!CivilDate::Parse(date, b.SouDate[i].date)) {
      return Fail("馬「" + b.Bamei + "」の" + kRunLabels[i] + "の開催日「" + DecodeCp932(date) +
                  "」が正しい日付ではありません。");
    }
    const CourseName& course = CourseNameOf(Code(U, PastCol::Course, i));
    if (!course.none) {
      CellText(b.SouCells[i], U, i, course, date, finish, surface, distance, history ? &rows : nullptr);
    }
  }
  b.Kyakusitu = RunningStyle(first, second);
  return Success();
}

}  // namespace varnel
