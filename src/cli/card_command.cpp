#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "shell/session.h"
#include "text/cp932.h"
#include "text/number_text.h"

namespace varnel {
namespace {

// Cell HTML as plain text: <BR> becomes a blank, every other tag goes.
std::string StripTags(std::string_view html) {
  std::string out;
  for (size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const size_t end = html.find('>', i);
      if (end == std::string_view::npos) break;
      std::string tag(html.substr(i + 1, end - i - 1));
      for (auto& c : tag) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (tag == "BR" && !out.empty() && out.back() != ' ') out.push_back(' ');
      i = end + 1;
    } else {
      out.push_back(html[i++]);
    }
  }
  return std::string(Trim(out));
}

std::string DateText(const RunDate& d) { return d.now ? "now" : d.date.Key(); }

void WriteRunner(JsonWriter& w, const Session& s, int row) {
  const RaceCard& card = s.Card();
  const GridRow& gr = card.Rows[row];
  const int number = s.HorseNumberOfRow(row);
  const TBachu& b = card.Runners[number - 1];
  w.BeginObject().Field("number", number);
  w.Key("cells").BeginArray();
  for (const auto& c : gr.cells) w.String(c);
  w.EndArray();
  w.Key("cellColors").BeginArray();
  for (int col = 0; col < 12; ++col) {
    const CellColor c = s.CellColorAt(row, col);
    w.String(c.font + "/" + c.back);
  }
  w.EndArray();
  w.Key("restBorder").BeginArray();
  for (int col = 3; col <= 5; ++col) w.Bool(s.RestBorderAt(row, col));
  w.EndArray();
  w.Key("kurai").BeginArray();
  for (const auto& c : gr.kurai) w.String(c);
  w.EndArray();
  w.Field("RunnerProfile", card.RunnerProfile[number - 1])
      .Field("Bamei", b.Bamei)
      .Field("UmaCode", b.UmaCode)
      .Field("Rating", b.Rating)
      .Field("RRank", b.RRank)
      .Field("ORank", b.ORank)
      .Field("OddsText", b.OddsText)
      .Field("Kinryo", b.Kinryo)
      .Field("Kisyu", b.Kisyu)
      .Field("RIndex", b.RIndex)
      .Field("OIndex", b.OIndex)
      .Field("KZIndex", b.KZIndex)
      .Field("Kyakusitu", b.Kyakusitu)
      .Field("KyoriHenka", b.KyoriHenka);
  w.Key("SouSurface").BeginArray();
  for (int v : b.SouSurface) w.Int(v);
  w.EndArray().Key("SouDistance").BeginArray();
  for (int v : b.SouDistance) w.Int(v);
  w.EndArray().Key("SouHasResult").BeginArray();
  for (bool v : b.SouHasResult) w.Bool(v);
  w.EndArray().Key("SouFinish").BeginArray();
  for (int v : b.SouFinish) w.Int(v);
  w.EndArray().Key("SouDate").BeginArray();
  for (const auto& d : b.SouDate) w.String(DateText(d));
  w.EndArray();
  w.EndObject();
}

template <size_t N>
void StringArray(JsonWriter& w, std::string_view key, const std::array<std::string, N>& values) {
  w.Key(key).BeginArray();
  for (const auto& v : values) w.String(v);
  w.EndArray();
}

void CourseTable(JsonWriter& w, std::string_view key, const std::array<std::array<std::string, 4>, 4>& t) {
  w.Key(key).BeginArray();
  for (const auto& row : t) {
    w.BeginArray();
    for (const auto& c : row) w.String(c);
    w.EndArray();
  }
  w.EndArray();
}

std::string CardJson(const Session& s, bool gridOrder) {
  const RaceCard& card = s.Card();
  const RaceHeader& h = s.Store().Races[card.race];
  JsonWriter w;
  w.BeginObject()
      .Field("race", card.race)
      .Field("RaceTitle1", h.RaceTitle1)
      .Field("RaceTitle2", h.RaceTitle2)
      .Field("RacePattern", card.Index.RacePattern)
      .Field("RatingsPresent", card.Index.RatingsPresent)
      .Field("OddsPresent", card.Index.OddsPresent)
      .Field("TopSixRated", card.Index.TopSixRated)
      .Field("Eligible", card.Eligible);
  w.Key("MarkedRunners").BeginArray();
  for (int m : card.Index.MarkedRunners) w.Int(m);
  w.EndArray();
  StringArray(w, "GapHorses", card.Index.GapHorses);
  StringArray(w, "QuinellaBets", card.Bets.QuinellaBets);
  StringArray(w, "TrioBets", card.Bets.TrioBets);
  StringArray(w, "TrifectaBets", card.Bets.TrifectaBets);
  w.Field("FrontRunnerCount", card.FrontRunnerCount);
  CourseTable(w, "CourseTable1", card.Courses.CourseTable1);
  CourseTable(w, "CourseTable2", card.Courses.CourseTable2);
  w.Key("BetPanel").BeginObject();
  for (const auto& place : BetPanelPlaces) {
    const BetLabel& l = card.Panel.*(place.label);
    w.Key(place.name).BeginObject().Field("text", l.text).Field("visible", l.visible).EndObject();
  }
  w.EndObject();
  w.Field("BetDetailStatus", card.Detail.status);
  w.Key("BetDetail").BeginArray();
  for (const auto& l : card.Detail.lines) w.String(l);
  w.EndArray();
  w.Key("runners").BeginArray();
  const int n = static_cast<int>(card.Rows.size());
  if (gridOrder) {
    for (int row = 0; row < n; ++row) WriteRunner(w, s, row);
  } else {
    for (int number = 1; number <= n; ++number) {
      for (int row = 0; row < n; ++row) {
        if (s.HorseNumberOfRow(row) == number) WriteRunner(w, s, row);
      }
    }
  }
  w.EndArray();
  w.EndObject();
  return w.str();
}

std::string Cell(std::string_view text, int width, bool right = false) {
  return right ? PadLeft(text, width) : PadRight(SjisLeft(text, width), width);
}

std::string CardText(const Session& s) {
  const RaceCard& card = s.Card();
  const RaceHeader& h = s.Store().Races[card.race];
  std::ostringstream out;
  out << h.RaceTitle1 << "\n" << h.RaceTitle2 << "\n\n";
  out << "印 馬 馬名               脚質   R  R順 レート  O  O順 オッズ  KZ  前走\n";
  for (int row = 0; row < static_cast<int>(card.Rows.size()); ++row) {
    const int number = s.HorseNumberOfRow(row);
    const TBachu& b = card.Runners[number - 1];
    const GridRow& gr = card.Rows[row];
    const std::string rating = b.Rating == 0 ? "-" : FormatOneDecimal(b.Rating / 10.0);
    out << Cell(StripTags(gr.cells[11]), 2) << " " << Cell(std::to_string(number), 2, true) << " "
        << Cell(b.Bamei, 18) << " " << Cell(b.Kyakusitu, 4) << " " << Cell(std::to_string(b.RIndex), 3, true) << " "
        << Cell(std::to_string(b.RRank), 3, true) << " " << Cell(rating, 6, true) << " "
        << Cell(std::to_string(b.OIndex), 3, true) << " " << Cell(std::to_string(b.ORank), 3, true) << " "
        << Cell(b.OddsText, 6, true) << " " << Cell(std::to_string(b.KZIndex), 3, true) << "  "
        << StripTags(gr.cells[5]) << "\n";
  }
  out << "\n";
  for (const auto& place : BetPanelPlaces) {
    const BetLabel& l = card.Panel.*(place.label);
    if (l.visible && !l.text.empty()) out << l.text << "\n";
  }
  if (!card.Eligible) out << "このレースの買い目はありません\n";
  for (const auto& g : card.Index.GapHorses) {
    if (!g.empty()) out << "GAP: " << g << "\n";
  }
  if (!card.Courses.message.empty()) out << card.Courses.message << "\n";
  return out.str();
}

}  // namespace

int RunCardCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  bool json = false;
  std::string sortCodes;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") json = true;
    else if (args[i] == "--sort" && i + 1 < args.size()) sortCodes = args[++i];
    else if (args[i].rfind("--sort=", 0) == 0) sortCodes = args[i].substr(7);
    else positional.push_back(args[i]);
  }
  if (positional.size() != 2) return UsageError("card: プログラムフォルダとレース番号を指定してください。");
  int race = 0;
  if (!TryToInt(positional[1], race)) return UsageError("card: レース番号が数値ではありません: " + positional[1]);

  Session session(positional[0]);
  session.SetKaimeVisible(true);  // the bet detail as the open window shows it
  auto loaded = session.LoadDataSet();
  if (!loaded) {
    std::cerr << loaded.error() << "\n";
    return 1;
  }
  if (!*loaded) {
    std::cerr << "データファイルが見つかりません: " << positional[0] << "\n";
    return 1;
  }
  if (race < 0 || race >= session.RaceCount()) {
    std::cerr << "レース番号は 0 から " << session.RaceCount() - 1 << " までです: " << race << "\n";
    return 1;
  }
  auto shown = session.ShowRace(race);
  if (!shown) {
    std::cerr << shown.error() << "\n";
    return 1;
  }
  bool sorted = false;
  if (!sortCodes.empty()) {
    std::stringstream ss(sortCodes);
    std::string code;
    while (std::getline(ss, code, ',')) {
      int col = 0;
      if (!TryToInt(code, col)) return UsageError("card: --sort の列番号が数値ではありません: " + code);
      session.HeaderClick(col);
      sorted = true;
    }
  }
  std::cout << (json ? CardJson(session, sorted) + "\n" : CardText(session));
  return 0;
}

}  // namespace varnel
