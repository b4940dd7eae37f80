// Race switch on the sample day: ShowRace plus a full repaint of the card, offscreen. Prints the
// median and the worst of many switches between two 18-runner races; asserts nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app_fixture.h"

using namespace varnel;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  AppFixture f;
  PutSampleDay(f.dir.path());
  TfrmKZkihon& w = f.Open();
  w.SetShow3Sou(true);
  QPixmap target(w.size());
  std::vector<double> ms;
  for (int i = 0; i < 200; ++i) {
    QElapsedTimer t;
    t.start();
    w.ShowRace(i % 2 == 0 ? 8 : 10);
    w.Grid1()->viewport()->repaint();
    w.render(&target);  // everything the user sees, painted now
    ms.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("race switch (ShowRace + full repaint, 18 runners): median %.2f ms, p95 %.2f ms, max %.2f ms\n",
              ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
  return 0;
}
