// Race switch on the sample day: ShowRace plus a full repaint of the card, offscreen. Prints the
// median and the worst of many switches between two 18-runner races; asserts nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app_fixture.h"
#include "html_cell_delegate.h"

using namespace varnel;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  AppFixture f;
  PutSampleDay(f.dir.path());
  TfrmKZkihon& w = f.Open();
  w.SetShow3Sou(true);
  QPixmap target(w.size());
  auto measure = [&](const char* what, auto&& body) {
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
      QElapsedTimer t;
      t.start();
      body(i);
      ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s median %6.2f ms  p95 %6.2f ms  max %6.2f ms\n", what, ms[ms.size() / 2],
                ms[ms.size() * 95 / 100], ms.back());
  };
  measure("Session::ShowRace only", [&](int i) { w.session().ShowRace(i % 2 == 0 ? 8 : 10); });
  measure("window repaint only (same race)", [&](int) { w.render(&target); });
  measure("grid cells repaint only (same race)", [&](int) { w.Grid1()->viewport()->render(&target); });
  measure("race switch, cells never drawn before", [&](int i) {
    w.GridDelegate()->ClearCache();
    w.ShowRace(i % 2 == 0 ? 8 : 10);
    w.render(&target);
  });
  // The race switch as the user sees it: the race computed and the whole window painted once.
  measure("race switch (ShowRace + full repaint, 18 runners)", [&](int i) {
    w.ShowRace(i % 2 == 0 ? 8 : 10);
    w.render(&target);
  });
  return 0;
}
