#include "bets/bet_detail.h"

#include <algorithm>
#include <span>

#include "text/cp932.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace varnel {

namespace {

// One bet key as the window writes it, appended to `out`.
void AppendBetEntry(std::string& out, std::string_view key, bool quinella) {
  const size_t numbers = quinella ? 2 : 3;
  for (size_t i = 0; i < numbers; ++i) {
    if (i > 0) out += '-';
    const int n = ToInt(key.substr(std::min(key.size(), 2 * i), 2));
    // SpacedNumber in place: a blank before one digit.
    if (n >= 0 && n <= 9) {
      const char spaced[2] = {' ', static_cast<char>('0' + n)};
      out.append(spaced, 2);
    } else {
      out += SpacedNumber(n);
    }
  }
}

// Six entries to a line, two spaces between entries. The quinella block ends in two spaces too;
// the window has always written it that way. Keys without a bet are left out.
void AddBlock(std::vector<std::string>& lines, std::span<const std::string> list, bool quinella) {
  std::string line;
  size_t i = 0;
  for (const std::string& key : list) {
    if (key == kNoBetKey) continue;
    if (i > 0 && i % 6 == 0) {
      lines.push_back(std::move(line));
      line.clear();
    } else if (i > 0) {
      line += "  ";
    }
    AppendBetEntry(line, key, quinella);
    ++i;
  }
  if (quinella) line += "  ";
  lines.push_back(std::move(line));
}

void AddSection(std::vector<std::string>& lines, std::string_view title, std::span<const std::string> list,
                int count, bool quinella) {
  std::string heading = "[";
  heading += title;
  heading += "] 計";
  heading += std::to_string(count);
  heading += "点";
  lines.push_back(std::move(heading));
  AddBlock(lines, list, quinella);
}

}  // namespace

std::string BetEntryText(std::string_view key, bool quinella) {
  std::string text;
  AppendBetEntry(text, key, quinella);
  return text;
}

BetDetail FillBetDetail(const BetLists& bets, std::string_view raceLabel, std::string_view raceNo) {
  BetDetail detail;
  detail.status = std::string(raceLabel);
  const int quinella = RealBetCount(bets.QuinellaBets);
  if (quinella == 0) {
    detail.lines.emplace_back(KaimeText::NoBets);
    return detail;
  }
  detail.lines.reserve(12);
  AddSection(detail.lines, "馬連", bets.QuinellaBets, quinella, true);

  const bool trifecta = HasTrifecta(raceNo);
  const std::span<const std::string> second =
      trifecta ? std::span<const std::string>(bets.TrifectaBets) : std::span<const std::string>(bets.TrioBets);
  const int secondCount = RealBetCount(second);
  // A field too small for three places has no second section; then the quinella block is last.
  if (secondCount > 0) {
    detail.lines.emplace_back();
    AddSection(detail.lines, trifecta ? "3連単" : "3連複", second, secondCount, false);
  }
  return detail;
}

std::string BetDetailFileBytes(const BetDetail& detail) { return EncodeCrLfLines(detail.lines); }

std::string BetDetailFileName(const BetDetail& detail) { return SjisLeft(detail.status, 7) + ".txt"; }

std::string BetDetailText(const BetDetail& detail) {
  std::string text;
  for (size_t i = 0; i < detail.lines.size(); ++i) {
    if (i > 0) text += "\n";
    text += detail.lines[i];
  }
  return text;
}

}  // namespace varnel
