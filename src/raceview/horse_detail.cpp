#include "raceview/horse_detail.h"

#include "racedata/code_tables.h"
#include "racedata/record_fields.h"
#include "text/cp932.h"
#include "text/number_text.h"

namespace varnel {

namespace {

bool AllBlank(std::string_view s) {
  for (char c : s) {
    if (c != ' ') return false;
  }
  return true;
}

// Bytes [pos, pos+len) of a digit field as shown text. These fields hold digits and blanks; a
// byte of a broken line that is not ASCII shows as "?" so the cell stays valid text.
std::string Digits(std::string_view s, size_t pos = 0, size_t len = std::string_view::npos) {
  std::string out;
  if (pos >= s.size()) return out;
  for (char c : s.substr(pos, len)) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  return out;
}

// A numeric label field: leading blanks allowed, an all-blank field is 0, anything else that is
// not a whole number fails. Wide enough for prize money in yen.
bool ReadCount(std::string_view raw, long long& value) {
  size_t i = 0;
  while (i < raw.size() && raw[i] == ' ') ++i;
  value = 0;
  if (i == raw.size()) return true;
  bool neg = false;
  if (raw[i] == '-' || raw[i] == '+') {
    neg = raw[i] == '-';
    ++i;
  }
  if (i == raw.size()) return false;
  for (; i < raw.size(); ++i) {
    if (raw[i] < '0' || raw[i] > '9') return false;
    value = value * 10 + (raw[i] - '0');
  }
  if (neg) value = -value;
  return true;
}

std::string Counts(const std::array<long long, 4>& c) {
  std::string s;
  for (long long v : c) s += PadLeft(std::to_string(v), 3);
  return s;
}

std::string Manyen(long long yen) {
  std::string t = DropLast(std::to_string(yen), 4);
  return (t.empty() ? std::string("0") : t) + "万円";
}

std::string PaddedUnit(int n, const char* unit) { return PadLeft(std::to_string(n), 2) + unit; }

bool CentralCourse(std::string_view name) {
  static constexpr std::string_view kCentral[] = {"札幌", "函館", "福島", "新潟", "東京",
                                                  "中山", "中京", "京都", "阪神", "小倉"};
  for (auto c : kCentral) {
    if (name == c) return true;
  }
  return false;
}

Grid2Run RunRow(std::string_view U, int i, const std::string& courseName) {
  Grid2Run row;
  row.filled = true;
  auto raw = [&](FieldCol f) { return RawField(U, PastRun(f, i)); };
  auto& c = row.cells;

  const std::string_view date = raw(PastCol::Date);
  c[1] = courseName;
  c[1] += Digits(date, 2, 2);
  c[1] += '/';
  c[1] += Digits(date, 4, 2);
  c[1] += '/';
  c[1] += Digits(date, 6, 2);

  c[2] = TrimmedField(U, PastRun(PastCol::RaceName, i));
  c[3] = PastClassText(raw(PastCol::ClassCode), raw(PastCol::GradeCode));
  if (c[3] == "0万") c[3].clear();
  c[4] = SurfaceText(raw(PastCol::Steeplechase), raw(PastCol::Turf));
  c[4] += Digits(raw(PastCol::Distance));
  c[4] += 'M';
  c[4] += GoingText(raw(PastCol::Going));

  const std::string_view mi = raw(PastCol::TimeMinutes), se = raw(PastCol::TimeSeconds), te = raw(PastCol::TimeTenths);
  if (!(AllBlank(mi) && AllBlank(se) && AllBlank(te))) {
    c[5] = Digits(mi) + "." + Digits(se) + "." + Digits(te);
  }

  if (const int n = ToInt(raw(PastCol::Runners)); n != 0) c[6] = PaddedUnit(n, "頭");

  switch (const int n = ToInt(raw(PastCol::Popularity))) {
    case 0: break;
    case 34: c[7] = "取消"; break;
    case 35: c[7] = "除外"; break;
    default: c[7] = PaddedUnit(n, "人");
  }

  switch (const int n = ToInt(raw(PastCol::Finish))) {
    case 0: break;
    case 31: c[8] = "落馬"; break;
    case 32: c[8] = "失格"; break;
    case 33: c[8] = "中止"; break;
    case 34: c[8] = "取消"; break;
    case 35: c[8] = "除外"; break;
    default: c[8] = PaddedUnit(n, "着");
  }

  c[9] = TrimmedField(U, PastRun(PastCol::Jockey, i));

  const std::string_view kin = raw(PastCol::Kinryo);
  if (!AllBlank(kin)) {
    c[10] = HandicapMarkText(raw(PastCol::WeightRule));
    c[10] += Digits(kin, 0, 2);
    c[10] += '.';
    c[10] += Digits(kin, 2, 1);
  }

  const std::string_view fh = raw(PastCol::FirstHalf), lp = raw(PastCol::LastPart);
  c[11] = PaceText(raw(PastCol::Pace));
  if (!AllBlank(fh)) {
    c[11] += Digits(fh, 0, 2);
    c[11] += '.';
    c[11] += Digits(fh, 2, 1);
    c[11] += '-';
  }
  if (!AllBlank(lp)) {
    c[11] += Digits(lp, 0, 2);
    c[11] += '.';
    c[11] += Digits(lp, 2, 1);
  }

  c[12] = "<P ALIGN=\"right\">";
  for (FieldCol f : {PastCol::Corner1, PastCol::Corner2, PastCol::Corner3, PastCol::Corner4}) c[12] += FinishText(raw(f));
  c[12] += RunPositionText(raw(PastCol::RunPosition));
  c[12] += "</P>";

  if (const std::string_view bw = raw(PastCol::BodyWeight); !AllBlank(bw)) c[13] = Digits(bw) + "k";
  if (const int n = ToInt(raw(PastCol::HorseNo)); n != 0) c[14] = PaddedUnit(n, "番");

  if (!c[5].empty()) {
    int margin = ToInt(raw(PastCol::Margin));
    if (margin == 998) margin = 0;
    // A winner's margin is its lead over the runner-up.
    if (c[8] == " 1着") margin = -margin;
    c[15] = FormatOneDecimal(margin / 10.0);
  }

  c[16] = TrimmedField(U, PastRun(PastCol::Winner, i));

  if (!CentralCourse(courseName)) row.kind = 1;
  else if (c[5].empty()) row.kind = 2;
  else if (c[4].starts_with("障")) row.kind = 3;
  return row;
}

}  // namespace

Result<HorseDetail> ShowHorse(std::string_view U, std::string_view runnerProfile) {
  HorseDetail d;
  const std::string bamei = TrimmedField(U, UmaCol::Bamei);
  auto number = [&](FieldCol f, long long& v) { return ReadCount(RawField(U, f), v); };
  auto fail = [&](FieldCol f, const char* what) {
    return Fail("馬「" + bamei + "」の" + what + "「" + TextField(U, f) + "」が数値ではありません。");
  };

  d.lblSeinen = runnerProfile;
  d.lblUmakigou = HorseMarkText(RawField(U, UmaCol::HorseMark));
  d.lblSanti = BirthplaceText(RawField(U, UmaCol::Birthplace));
  d.lblSeisansya = TrimmedField(U, UmaCol::Breeder);
  d.lblBanusi = TrimmedField(U, UmaCol::Owner);
  d.lblChokyosi = TrimmedField(U, UmaCol::Trainer) + StableText(RawField(U, UmaCol::Stable));

  long long p1 = 0, p2 = 0, main = 0;
  if (!number(UmaCol::Prize1, p1)) return fail(UmaCol::Prize1, "総賞金");
  if (!number(UmaCol::Prize2, p2)) return fail(UmaCol::Prize2, "総賞金");
  if (!number(UmaCol::MainPrize, main)) return fail(UmaCol::MainPrize, "本賞金");
  d.lblSouSyokin = Manyen(p1 + p2);
  d.lblHonSyokin = Manyen(main);

  d.lblTiti = TrimmedField(U, UmaCol::Sire);
  d.lblHaha = TrimmedField(U, UmaCol::Dam);
  d.lblHahaTiti = TrimmedField(U, UmaCol::DamSire);
  d.lblHahaHaha = TrimmedField(U, UmaCol::DamDam);

  std::array<long long, 4> style{};
  for (int s = 0; s < 4; ++s) {
    const FieldCol f{UmaCol::StyleCounts.col + 2 * s, 2};
    if (!number(f, style[s])) return fail(f, "脚質回数");
  }
  d.lblKyakusitu = "逃" + std::to_string(style[0]) + " 先" + std::to_string(style[1]) + " 差" +
                   std::to_string(style[2]) + " 追" + std::to_string(style[3]);

  std::array<long long, 4> overall{};
  for (int s = 0; s < 4; ++s) {
    const FieldCol f{UmaCol::OverallRecord.col + 3 * s, 3};
    if (!number(f, overall[s])) return fail(f, "通算成績");
  }
  d.lbl1 = Counts(overall);

  // Results table: 36 groups of four 2-digit counts (wins, seconds, thirds, unplaced).
  auto group = [&](int g) {
    std::array<long long, 4> c{};
    for (int k = 0; k < 4; ++k) c[k] = IntField(U, {UmaCol::ResultsTable.col + 8 * g + 2 * k, 2});
    return c;
  };
  auto sum = [&](int g1, int g2) {
    std::array<long long, 4> a = group(g1), b = group(g2);
    for (int k = 0; k < 4; ++k) a[k] += b[k];
    return Counts(a);
  };
  d.lbl2 = sum(0, 1);
  d.lbl3 = sum(2, 3);
  d.lbl4 = sum(8, 9);
  d.lbl5 = sum(12, 13);
  d.lbl6 = Counts(group(0));
  d.lbl7 = Counts(group(1));
  d.lbl8 = Counts(group(2));
  d.lbl9 = Counts(group(3));
  d.lbl10 = Counts(group(4));
  for (int k = 0; k < 8; ++k) {
    d.lblTurf[k] = Counts(group(18 + k));
    d.lblDirt[k] = Counts(group(26 + k));
  }

  for (int i = 0; i < PastCol::kBlocks; ++i) {
    const std::string courseName = CourseText(RawField(U, PastRun(PastCol::Course, i)));
    if (courseName == "----") continue;
    d.rows[4 - i] = RunRow(U, i, courseName);
  }
  return d;
}

CellAlign Grid2GetAlignment(int row, int col) {
  if (row == 0 || col == 0) return CellAlign::Center;
  if ((col >= 5 && col <= 8) || (col >= 10 && col <= 15)) return CellAlign::Right;
  return CellAlign::Left;
}

std::string Grid2GetCellColor(int col, int kind) {
  if (col != 0 && kind == 1) return "#800000";
  if (col != 0 && kind == 2) return "#808080";
  return "#000000";
}

std::vector<std::string> ChooserItems(const Bachus& runners) {
  std::vector<std::string> items;
  items.reserve(runners.size());
  for (size_t k = 0; k < runners.size(); ++k) {
    items.push_back(PadLeft(std::to_string(k + 1), 2) + " " + runners[k].Bamei);
  }
  return items;
}

}  // namespace varnel
