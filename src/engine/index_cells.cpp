#include "engine/index_cells.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

#include "text/number_text.h"

namespace varnel {

namespace {

constexpr std::string_view kCentre = "<BR><P ALIGN=\"center\">";
constexpr std::string_view kRedBold = "<BR><P ALIGN=\"center\"><FONT COLOR=\"#FF0000\"><B>";
constexpr int kHighlightRanks = 4;

// Start byte of each UTF-8 character, so that positions count characters, not bytes.
bool IsLeadByte(unsigned char c) { return (c & 0xC0) != 0x80; }

// Cells are assembled piecewise into one buffer: the race card builds five per runner, and
// rebuilds them in the buffers of the race shown before.
void AssignCell(std::string& s, std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (std::string_view p : parts) size += p.size();
  s.clear();
  s.reserve(size);
  for (std::string_view p : parts) s.append(p);
}

// Decimal digits of n in a small buffer.
struct Digits {
  char buf[16];
  size_t size;
  explicit Digits(int n) : size(static_cast<size_t>(std::to_chars(buf, buf + sizeof buf, n).ptr - buf)) {}
  std::string_view view() const { return {buf, size}; }
};

void AssignRankCell(std::string& s, int rank) {
  const Digits n(rank);
  if (rank <= kHighlightRanks) AssignCell(s, {kCentre, "<B>", n.view(), "位</B></P>"});
  else AssignCell(s, {kCentre, n.view(), "位</P>"});
}

std::string KuraiOdds(const std::string& oddsText) {
  if (oddsText == "/") return std::string(kOddsScratched);
  if (oddsText == "*") return std::string(kOddsStar);
  if (oddsText == "-") return std::string(kOddsDash);
  return std::to_string(std::lround(ToFloat(oddsText) * 10));
}

}  // namespace

int HorseNumberOfCell(std::string_view cellText) {
  // Byte offsets where characters 23, 24 and 25 start; the length is counted in characters.
  size_t at[3] = {cellText.size(), cellText.size(), cellText.size()};
  int chars = 0;
  for (size_t i = 0; i < cellText.size(); ++i) {
    if (!IsLeadByte(static_cast<unsigned char>(cellText[i]))) continue;
    ++chars;
    if (chars >= 23 && chars <= 25) at[chars - 23] = i;
  }
  if (chars == 27) return ToInt(cellText.substr(at[0], at[1] - at[0]));
  if (chars == 28) return ToInt(cellText.substr(at[0], at[2] - at[0]));
  return 0;
}

IndexCells IndexCellTexts(const TBachu& b) {
  IndexCells c;
  IndexCellTexts(b, c);
  return c;
}

void IndexCellTexts(const TBachu& b, IndexCells& c) {
  const bool scratched = b.OddsText == "/";
  const std::string tenths = scratched || b.Rating == 0 ? std::string() : TenthsText(b.Rating);
  const std::string_view rating = scratched ? std::string_view("取消") : b.Rating == 0 ? std::string_view("-") : tenths;
  const std::string_view odds = scratched ? std::string_view("取消") : std::string_view(b.OddsText);
  const Digits rIndex(b.RIndex), oIndex(b.OIndex), kz(b.KZIndex);
  // Kept byte for byte as the card has always read: the plain R cell closes a FONT it never
  // opened, the plain O cell does not.
  if (b.RRank <= kHighlightRanks) {
    AssignCell(c.R, {kRedBold, rIndex.view(), "</B></FONT><BR>(", rating, ")</P>"});
  } else {
    AssignCell(c.R, {kCentre, rIndex.view(), "</FONT><BR>(", rating, ")</P>"});
  }
  AssignRankCell(c.RRank, b.RRank);
  if (b.ORank <= kHighlightRanks) {
    AssignCell(c.O, {kRedBold, oIndex.view(), "</B></FONT><BR>(", odds, ")</P>"});
  } else {
    AssignCell(c.O, {kCentre, oIndex.view(), "<BR>(", odds, ")</P>"});
  }
  AssignRankCell(c.ORank, b.ORank);
  AssignCell(c.KZ, {kCentre, "<FONT COLOR=\"#006699\"><B>", kz.view(), "</B></FONT></P>"});
}

void FillKuraiIndexColumns(std::vector<std::string>& kuraiRow, int horseNumber, const TBachu& b,
                           const std::array<int, 6>& markedRunners) {
  if (kuraiRow.size() < 10) kuraiRow.resize(10);
  const int mark = MarkPosition(horseNumber, markedRunners);
  kuraiRow[1] = std::to_string(mark == 0 ? 0 : 11 - mark);  // ◎ 10 down to the second × 5
  kuraiRow[3] = std::to_string(b.Rating);
  kuraiRow[4] = std::to_string(b.RRank);
  kuraiRow[5] = std::to_string(b.RIndex);
  kuraiRow[6] = KuraiOdds(b.OddsText);
  kuraiRow[7] = std::to_string(b.ORank);
  kuraiRow[8] = std::to_string(b.OIndex);
  kuraiRow[9] = std::to_string(b.KZIndex);
}

bool MarksEligible(const Bachus& bachus, const IndexResults& r, const RaceHeader& header) {
  return !bachus.empty() && bachus.front().ORank != 0 && r.TopSixRated && header.RaceClass != "新馬" &&
         r.RatingsPresent && r.OddsPresent && header.RaceNoBetFlag != "1";
}

std::string MarkCellText(int position) {
  if (position < 1 || position > static_cast<int>(MarkTexts.size())) return {};
  return std::string(kCentre) + std::string(MarkTexts[static_cast<size_t>(position - 1)]) + "</P>";
}

int MarkPosition(int horseNumber, const std::array<int, 6>& markedRunners) {
  if (horseNumber == 0) return 0;
  for (size_t p = 0; p < markedRunners.size(); ++p) {
    if (markedRunners[p] == horseNumber) return static_cast<int>(p) + 1;
  }
  return 0;
}

}  // namespace varnel
