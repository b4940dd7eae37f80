#include "raceview/race_grid.h"

#include <charconv>

#include "racedata/code_tables.h"
#include "racedata/record_fields.h"
#include "text/cp932.h"
#include "text/number_text.h"

namespace varnel {

namespace {

constexpr const char* kBlack = "#000000";
constexpr const char* kWhite = "#FFFFFF";

// Columns 0 and 1 hold their text centred on the second line.
constexpr std::string_view kCentredOpen = "<BR><P ALIGN=\"center\">";
constexpr std::string_view kCentredClose = "</P>";

// TrimmedField without the untrimmed copy. Blanks and control bytes decode to themselves and are
// never the second byte of a character, so trimming the raw bytes first gives the same text.
std::string TrimmedText(std::string_view line, FieldCol f) { return DecodeCp932(Trim(RawField(line, f))); }

void AppendNumber(std::string& out, int n) {
  char buf[16];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

void AppendPadRight(std::string& out, std::string_view text, int width) {
  out += text;
  const int w = SjisWidth(text);
  if (w < width) out.append(static_cast<size_t>(width - w), ' ');
}

// "#0.0" of a whole number of tenths, without going through floating point.
std::string TenthsText(int tenths) {
  std::string s;
  if (tenths < 0) s += '-';
  const long long a = tenths < 0 ? -static_cast<long long>(tenths) : tenths;
  AppendNumber(s, static_cast<int>(a / 10));
  s += '.';
  s += static_cast<char>('0' + a % 10);
  return s;
}

CivilDate DateOf(const RunDate& d, const CivilDate& today) { return d.now ? today : d.date; }

}  // namespace

Result<int> RaceRunnerCountOf(const RaceHeader& race) {
  int n = 0;
  if (!TryToInt(race.RaceRunnerCount, n) || n < 0) {
    return Fail("出走頭数「" + race.RaceRunnerCount + "」が数値ではありません。");
  }
  return n;
}

Result<std::string> KinryoOf(std::string_view entryLine) {
  const std::string_view raw = RawField(entryLine, EntryCol::Kinryo);
  int tenths = 0;
  if (!TryToInt(raw, tenths)) {
    return Fail("斤量「" + TextField(entryLine, EntryCol::Kinryo) + "」が数値ではありません。");
  }
  return TenthsText(tenths);
}

std::string KisyuOf(std::string_view entryLine) { return TrimmedText(entryLine, EntryCol::Kisyu); }

int RatingOf(std::string_view entryLine) { return IntField(entryLine, EntryCol::Rating); }

namespace {

std::string RunnerProfileOf(std::string_view sex, int age, std::string_view umaLine) {
  std::string sexAge(sex);
  AppendNumber(sexAge, age);
  std::string profile;
  profile.reserve(16);
  AppendPadRight(profile, sexAge, 6);
  AppendPadRight(profile, CoatText(RawField(umaLine, UmaCol::Coat)), 6);
  return profile;
}

}  // namespace

std::string RunnerProfileOf(std::string_view entryLine, std::string_view umaLine) {
  return RunnerProfileOf(SexText(RawField(entryLine, EntryCol::Sex)), IntField(entryLine, EntryCol::Age), umaLine);
}

Result<RunnerCells> BuildRunnerCells(std::string_view E, std::string_view U, int k) {
  RunnerCells r;
  Status built = BuildRunnerCells(E, U, k, r);
  if (!built) return Fail(built.error());
  return r;
}

Status BuildRunnerCells(std::string_view E, std::string_view U, int k, RunnerCells& r) {
  Result<std::string> kinryo = KinryoOf(E);
  if (!kinryo) return Fail(kinryo.error());
  r.Kinryo = std::move(*kinryo);
  r.Kisyu.clear();
  AppendCp932(r.Kisyu, Trim(RawField(E, EntryCol::Kisyu)));
  r.Rating = RatingOf(E);
  char numberBuf[16];
  const std::string_view number(numberBuf, static_cast<size_t>(
                                               std::to_chars(numberBuf, numberBuf + sizeof numberBuf, k + 1).ptr -
                                               numberBuf));
  std::string& bracket = r.cells[0];
  bracket.assign(kCentredOpen);
  AppendCp932(bracket, RawField(E, EntryCol::Bracket));
  bracket += kCentredClose;
  std::string& horseNumber = r.cells[1];
  horseNumber.assign(kCentredOpen);
  horseNumber += number;
  horseNumber += kCentredClose;
  const std::string sex = SexText(RawField(E, EntryCol::Sex));
  const int age = IntField(E, EntryCol::Age);
  std::string& name = r.cells[2];
  name.reserve(160);
  name = sex;
  AppendNumber(name, age);
  name += "歳<BR><font color=\"#0000FF\"><A HREF=\"";
  name += number;
  name += "\">";
  AppendCp932(name, Trim(RawField(E, EntryCol::HorseName)));
  name += "</A></font><BR>";
  name += r.Kinryo;
  name += ' ';
  AppendCp932(name, Trim(RawField(E, EntryCol::Jockey)));
  r.RunnerProfile = RunnerProfileOf(sex, age, U);
  return Success();
}

GridRow MakeGridRow(const RunnerCells& runner, const TBachu& b, int k) {
  GridRow row;
  MakeGridRow(RunnerCells(runner), b, k, row);
  return row;
}

void MakeGridRow(RunnerCells&& runner, const TBachu& b, int k, GridRow& row) {
  for (size_t c = 0; c < 3; ++c) row.cells[c].swap(runner.cells[c]);
  row.cells[3] = b.SouCells[2];
  row.cells[4] = b.SouCells[1];
  row.cells[5] = b.SouCells[0];
  for (size_t c = 6; c < row.cells.size(); ++c) row.cells[c].clear();
  row.kurai.resize(10);
  for (std::string& key : row.kurai) key.clear();
  AppendNumber(row.kurai[0], k + 1);
  row.kurai[2] = runner.Kinryo;
}

CellColor Grid1GetCellColor(int col, const std::string& col0Text, const TBachu& runner) {
  if (col == 0) {
    // The bracket number is character 23 of "<BR><P ALIGN="center">n</P>".
    const char bracket = col0Text.size() > 22 ? col0Text[22] : ' ';
    switch (bracket) {
      case '1': return {kBlack, kWhite};
      case '2': return {kWhite, kBlack};
      case '3': return {kWhite, "#FF0000"};
      case '4': return {kWhite, "#0000FF"};
      case '5': return {kBlack, "#FFFF00"};
      case '6': return {kWhite, "#008000"};
      case '7': return {kBlack, "#FF9900"};
      case '8': return {kBlack, "#FF66FF"};
      default: return {kBlack, kWhite};
    }
  }
  if (col >= 3 && col <= 5) {
    const int i = 5 - col;
    if (runner.SouSurface[i] == 0 || !runner.SouHasResult[i]) return {kBlack, "#DDDDDD"};
    switch (runner.SouFinish[i]) {
      case 1: return {kBlack, "#FFD6D6"};
      case 2: return {kBlack, "#FFE3C5"};
      case 3: return {kBlack, "#D5E9F4"};
      default: return {kBlack, kWhite};
    }
  }
  return {kBlack, kWhite};
}

bool Grid1GetCellBorder(int col, const TBachu& runner, const CivilDate& today) {
  if (col < 3 || col > 5) return false;
  const int i = 5 - col;
  const CivilDate run = DateOf(runner.SouDate[i], today);
  const CivilDate following = i > 0 ? DateOf(runner.SouDate[i - 1], today) : runner.RaceDate;
  if (!run.valid() || !following.valid()) return false;
  return run.AddMonths(3) < following;
}

std::string Grid1GridHint(int col) {
  switch (col) {
    case 0: return "枠番でソート";
    case 1: return "馬番でソート";
    case 2: return "斤量でソート";
    case 6: return "R指数⇒レイティングでソート";
    case 7: return "R順位でソート";
    case 8: return "O指数⇒オッズでソート";
    case 9: return "O順位でソート";
    case 10: return "KZ指数でソート";
    case 11: return "印でソート";
    default: return "";
  }
}

}  // namespace varnel
