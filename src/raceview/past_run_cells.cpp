#include "raceview/past_run_cells.h"

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

std::string ClassPart(std::string_view U, int i) {
  const std::string_view code = RawField(U, PastRun(PastCol::ClassCode, i));
  std::string cls;
  bool numeric = false;
  int n = 0;
  if (code == "00001") cls = "新馬";
  else if (code == "00002") cls = "未出走";
  else if (code == "00003") cls = "未勝利";
  else if (code == "00004") cls = GradeCodeText(RawField(U, PastRun(PastCol::GradeCode, i)));
  else {
    numeric = true;
    n = ToInt(code.substr(0, 4));
    if (n != 0) cls = std::to_string(n);
  }
  // Only the first six columns of the short race name fit the cell.
  const std::string_view shortName = RawField(U, {PastRun(PastCol::RaceName, i).col, 6});
  if (!AllBlank(shortName)) {
    const std::string_view course = RawField(U, PastRun(PastCol::Course, i));
    const bool central = course.size() == 2 && course[0] == '0' && course[1] >= '0' && course[1] <= '9';
    cls = central ? DecodeCp932(shortName) + cls : DecodeCp932(shortName);
  } else if (numeric) {
    if (n > 99) cls += "万";
    else cls.clear();
  }
  return PadRight(cls, 10);
}

std::string CellText(std::string_view U, int i, std::string_view courseName, std::string_view date,
                     int finish, std::string_view surface, int distance,
                     const std::vector<HistoryRow>* rows) {
  std::string cell;
  cell.reserve(256);

  // Line 1: meeting, date, class, finish / field size.
  std::string meeting = NumberText(RawField(U, PastRun(PastCol::MeetingNo, i)));
  meeting += FirstChars(courseName, 2);
  meeting += NumberText(RawField(U, PastRun(PastCol::MeetingDay, i)));
  cell += PadRight(meeting, 8);
  std::string md(Sub(date, 4, 2));
  md += '.';
  md += Sub(date, 6, 2);
  cell += PadRight(md, 7);
  cell += ClassPart(U, i);
  cell += ' ';
  if (finish == 0) {
    cell += "--着";
  } else if (finish >= 1 && finish <= 3) {
    cell += "<B>" + PadLeft(std::to_string(finish), 2) + "着</B>";
  } else {
    cell += PadLeft(std::to_string(finish), 2) + "着";
  }
  cell += '/';
  const int runners = IntField(U, PastRun(PastCol::Runners, i));
  cell += runners == 0 ? std::string("--頭") : PadLeft(std::to_string(runners), 2) + "頭";
  cell += "<BR>";

  // Line 2: surface and distance, time, jockey, weight carried, corner positions.
  cell += surface;
  cell += std::to_string(distance);
  cell += "m ";
  const std::string_view mi = Trim(RawField(U, PastRun(PastCol::TimeMinutes, i)));
  const std::string_view se = Trim(RawField(U, PastRun(PastCol::TimeSeconds, i)));
  const std::string_view te = Trim(RawField(U, PastRun(PastCol::TimeTenths, i)));
  if (mi.empty() && se.empty() && te.empty()) {
    cell += "-.--.-";
  } else {
    std::string t(mi);
    t += '.';
    t += se;
    t += '.';
    t += te;
    cell += PadLeft(t, 6);
  }
  cell += ' ';
  const std::string jockey = DecodeCp932(RawField(U, {PastRun(PastCol::Jockey, i).col, 6}));
  cell += PadRight(Trim(jockey), 7);
  const std::string_view kin = RawField(U, PastRun(PastCol::Kinryo, i));
  std::string weight = HandicapMarkText(RawField(U, PastRun(PastCol::WeightRule, i)));
  weight += Sub(kin, 0, 2);
  weight += '.';
  weight += Sub(kin, 2, 1);
  cell += PadLeft(weight, 5);
  cell += ' ';
  std::string corners;
  for (FieldCol c : {PastCol::Corner1, PastCol::Corner2, PastCol::Corner3, PastCol::Corner4}) {
    corners += FinishText(RawField(U, PastRun(c, i)));
  }
  if (Trim(corners).empty()) corners.assign(13, ' ');
  cell += corners;
  cell += "<BR>";

  // Line 3: what this program computed for that race, when the history has it.
  cell += "      ";
  const int key = rows ? DateKey(date) : 0;
  if (key != 0) {
    for (const HistoryRow& r : *rows) {
      if (r.YMD != key) continue;
      const bool scratched = r.ODDS == "/";
      std::string rating = FormatOneDecimal(r.RATING / 10.0);
      if (rating == "0.0") rating = "-";
      const std::string& odds = scratched ? std::string("取消") : r.ODDS;
      if (scratched) rating = "取消";
      cell += PadLeft("(" + rating + ")", 8);
      cell += ' ';
      cell += (r.RATING == 0 && r.R_RANK == 1) ? std::string(" -位") : RankHtml(r.R_RANK);
      cell += PadLeft("(" + odds + ")", 9);
      cell += ' ';
      cell += RankHtml(r.O_RANK);
      break;
    }
  }
  return cell;
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

Result<TBachu> BuildBachu(std::string_view U, const RaceHeader& race, HorseHistory* history,
                          const CivilDate& today) {
  TBachu b;
  b.Bamei = TrimmedField(U, UmaCol::Bamei);
  b.UmaCode = IntField(U, UmaCol::UmaCode);
  if (!RaceDateOf(race, b.RaceDate)) {
    return Fail("レースの日付「" + race.RaceDateText + "」が正しい日付ではありません。");
  }

  std::vector<HistoryRow> rows;
  if (history) rows = history->QueryHorseHistory(b.UmaCode);

  const int todayDistance = ToInt(race.RaceDistance);
  int first = 0, second = 0;
  for (int i = 0; i < PastCol::kBlocks; ++i) {
    const int finish = IntField(U, PastRun(PastCol::Finish, i));
    const std::string surface = SurfaceText(RawField(U, PastRun(PastCol::Steeplechase, i)),
                                            RawField(U, PastRun(PastCol::Turf, i)));
    const int distance = IntField(U, PastRun(PastCol::Distance, i));
    if (finish > 0) {
      const int corner = CornerClass(RawField(U, PastRun(PastCol::Corner4, i)));
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
    const std::string_view date = RawField(U, PastRun(PastCol::Date, i));
    if (date.size() < 8 || HasBlank(date)) {
      b.SouDate[i] = RunDate{today, true};
    } else if (!CivilDate::Parse(date, b.SouDate[i].date)) {
      return Fail("馬「" + b.Bamei + "」の" + kRunLabels[i] + "の開催日「" + DecodeCp932(date) +
                  "」が正しい日付ではありません。");
    }
    const std::string courseName = CourseText(RawField(U, PastRun(PastCol::Course, i)));
    if (courseName != "----") {
      b.SouCells[i] = CellText(U, i, courseName, date, finish, surface, distance, history ? &rows : nullptr);
    }
  }
  b.Kyakusitu = RunningStyle(first, second);
  return b;
}

}  // namespace varnel
