#include "bets/bet_detail.h"

#include <algorithm>
#include <span>

#include "text/cp932.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace varnel {

namespace {

// Six entries to a line, two spaces between entries. The quinella block ends in two spaces too;
// the window has always written it that way.
void AddBlock(std::vector<std::string>& lines, const std::vector<std::string>& keys, bool quinella) {
  std::string line;
  for (size_t i = 0; i < keys.size(); ++i) {
    if (i > 0 && i % 6 == 0) {
      lines.push_back(std::move(line));
      line.clear();
    } else if (i > 0) {
      line += "  ";
    }
    line += BetEntryText(keys[i], quinella);
  }
  if (quinella) line += "  ";
  lines.push_back(std::move(line));
}

void AddSection(std::vector<std::string>& lines, std::string_view title, const std::vector<std::string>& keys,
                bool quinella) {
  lines.push_back("[" + std::string(title) + "] 計" + std::to_string(keys.size()) + "点");
  AddBlock(lines, keys, quinella);
}

}  // namespace

std::string BetEntryText(std::string_view key, bool quinella) {
  const size_t numbers = quinella ? 2 : 3;
  std::string text;
  for (size_t i = 0; i < numbers; ++i) {
    if (i > 0) text += '-';
    const int n = ToInt(key.substr(std::min(key.size(), 2 * i), 2));
    // SpacedNumber in place: a blank before one digit.
    if (n >= 0 && n <= 9) {
      text += ' ';
      text += static_cast<char>('0' + n);
    } else {
      text += SpacedNumber(n);
    }
  }
  return text;
}

BetDetail FillBetDetail(const BetLists& bets, std::string_view raceLabel, std::string_view raceNo) {
  BetDetail detail;
  detail.status = std::string(raceLabel);
  const auto quinella = RealBetKeys(bets.QuinellaBets);
  if (quinella.empty()) {
    detail.lines.emplace_back(KaimeText::NoBets);
    return detail;
  }
  AddSection(detail.lines, "馬連", quinella, true);

  const bool trifecta = HasTrifecta(raceNo);
  const auto second = RealBetKeys(trifecta ? std::span<const std::string>(bets.TrifectaBets)
                                           : std::span<const std::string>(bets.TrioBets));
  // A field too small for three places has no second section; then the quinella block is last.
  if (!second.empty()) {
    detail.lines.emplace_back();
    AddSection(detail.lines, trifecta ? "3連単" : "3連複", second, false);
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
