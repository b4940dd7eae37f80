// The main window with its companion windows over the bundled sample day, on the offscreen
// platform: start-up and settings, race selection, the card's sorting and links, the bet
// detail window, dropped files.
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QtTest>

#include "app_fixture.h"
#include "bet_detail_window.h"
#include "horse_detail_window.h"
#include "html_cell_delegate.h"
#include "race_grid_model.h"
#include "text/cp932.h"

using namespace varnel;

namespace {

void ClickHeader(TfrmKZkihon& w, int col) {
  QHeaderView* h = w.Grid1()->horizontalHeader();
  QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(col) + 5, 8));
}

QStringList MemoLines(TfrmKZkihon& w) {
  return w.frmKaime()->Memo1()->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void firstStartWithoutSettings() {
    AppFixture f;
    TfrmKZkihon& w = f.Open();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w.size(), QSize(690, 700));
    QCOMPARE(w.pos(), QPoint(screen.width() / 2 - 690 / 2, screen.height() / 2 - 700 / 2));
    QVERIFY(!w.session().Show3Sou);
    QVERIFY(w.session().AutoResize);
    QVERIFY(!w.session().UserOddsMode);
    QCOMPARE(w.session().CurrentRace(), -1);
    QVERIFY(QDir(f.AppDir() + QStringLiteral("Gap")).exists());
    QVERIFY(f.desktop.errors.isEmpty());
  }

  void savedRolledUpHeightRestoresHeight2() {
    AppFixture f;
    {
      QSettings s(f.SettingsPath(), QSettings::IniFormat);
      s.setValue(QStringLiteral("frmMain/Height"), QStringLiteral("60"));
      s.setValue(QStringLiteral("frmMain/Height2"), QStringLiteral("820"));
    }
    QCOMPARE(f.Open().height(), 820);
  }

  void settingsWrittenOnCloseAndReadOnNextStart() {
    AppFixture f;
    PutSampleDay(f.dir.path());
    TfrmKZkihon& w = f.Open();
    QCOMPARE(w.session().CurrentRace(), 0);  // the day in the program folder is shown at start
    w.SetShow3Sou(true);
    QCOMPARE(w.width(), 1175);
    QCOMPARE(w.Grid1()->columnWidth(3), 228);
    w.popGrid()->findChild<QAction*>(QStringLiteral("popResize"))->trigger();
    QVERIFY(!w.session().AutoResize);
    // Without auto-resize, going back to two runs changes neither the window nor column 3.
    w.findChild<QAction*>(QStringLiteral("pop2Sou"))->trigger();
    QCOMPARE(w.width(), 1175);
    QCOMPARE(w.Grid1()->columnWidth(3), 228);
    w.move(30, 40);
    f.Close();

    QSettings raw(f.SettingsPath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("frmMain/Show3Sou")).toString(), QStringLiteral("0"));
    QCOMPARE(raw.value(QStringLiteral("frmMain/AutoResize")).toString(), QStringLiteral("0"));
    QCOMPARE(raw.value(QStringLiteral("frmMain/Width")).toString(), QStringLiteral("1175"));
    QCOMPARE(raw.value(QStringLiteral("frmMain/Left")).toString(), QStringLiteral("30"));
    QVERIFY(raw.contains(QStringLiteral("frmDetail/Top")) && raw.contains(QStringLiteral("frmKaime/Left")));

    TfrmKZkihon& again = f.Open();
    QVERIFY(!again.session().AutoResize);
    QCOMPARE(again.pos(), QPoint(30, 40));
    QCOMPARE(again.width(), 1175);
  }

  void raceMenuAndNavigation() {
    AppFixture f;
    TfrmKZkihon& empty = f.Open();
    for (CommandId id : {CommandId::SelectRace, CommandId::PreviousRace, CommandId::NextRace}) empty.Run(id);
    QCOMPARE(f.desktop.beeps, 3);
    f.Close();

    PutSampleDay(f.dir.path(), 24);
    TfrmKZkihon& w = f.Open();
    const LineStore& store = w.session().Store();
    const QList<QAction*> items = w.popMenu()->actions();
    QCOMPARE(items.size(), 24);
    for (int r = 0; r < 24; ++r) QCOMPARE(items[r]->text(), QString::fromStdString(store.Races[r].RaceMenuCaption));
    items[16]->trigger();
    QCOMPARE(w.session().CurrentRace(), 16);
    QCOMPARE(w.lblTitle1()->text(), QString::fromStdString(store.Races[16].RaceTitle1));

    f.desktop.beeps = 0;
    w.ShowRace(0);
    w.Run(CommandId::PreviousRace);
    QCOMPARE(w.session().CurrentRace(), 0);
    w.ShowRace(23);
    w.Run(CommandId::NextRace);
    QCOMPARE(w.session().CurrentRace(), 23);
    QCOMPARE(f.desktop.beeps, 2);
    w.ActionOf(CommandId::PreviousRace)->trigger();
    QCOMPARE(w.session().CurrentRace(), 22);

    // The keyboard reaches the commands while the window is active.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(w.session().CurrentRace(), 21);
    QVERIFY(f.desktop.errors.isEmpty());
  }

  // Clicking "R" three times: R index, rating, back to horse numbers.
  void rHeaderCycle() {
    AppFixture f;
    PutSampleDay(f.dir.path());
    TfrmKZkihon& w = f.Open();
    w.ShowRace(8);
    struct Step {
      int sortColumn;
      Qt::SortOrder order;
      int indicator;
      const char* status;
    };
    const Step steps[] = {{6, Qt::DescendingOrder, 6, "R指数でソート"},
                          {66, Qt::DescendingOrder, 6, "レイティングでソート"},
                          {1, Qt::AscendingOrder, 1, ""}};
    for (const Step& s : steps) {
      ClickHeader(w, 6);
      QCOMPARE(w.session().SortColumn(), s.sortColumn);
      QCOMPARE(w.Grid1()->horizontalHeader()->sortIndicatorSection(), s.indicator);
      QCOMPARE(w.Grid1()->horizontalHeader()->sortIndicatorOrder(), s.order);
      QCOMPARE(w.staUserOdds()->text(), QString::fromUtf8(s.status));
    }
    const Session& session = w.session();
    for (int row = 0; row < w.GridModel()->rowCount(); ++row) QCOMPARE(session.HorseNumberOfRow(row), row + 1);

    ClickHeader(w, 6);  // R index: the grid shows the Session's order, highest first
    for (int row = 1; row < w.GridModel()->rowCount(); ++row)
      QVERIFY(session.RunnerOfRow(row - 1)->RIndex >= session.RunnerOfRow(row)->RIndex);
    QCOMPARE(w.GridModel()->data(w.GridModel()->index(0, 1), Qt::DisplayRole).toString(),
             QString::fromStdString(session.Card().Rows[0].cells[1]));
    ClickHeader(w, 4);  // a past-run header changes nothing
    QCOMPARE(session.SortColumn(), 6);
    QCOMPARE(w.Grid1()->horizontalHeader()->sortIndicatorSection(), 6);
  }

  // After a KZ sort, the name link of grid row 5 opens the runner named in the link.
  void anchorClickAfterKzSort() {
    AppFixture f;
    PutSampleDay(f.dir.path());
    TfrmKZkihon& w = f.Open();
    w.ShowRace(8);
    ClickHeader(w, 10);
    const int number = w.session().HorseNumberOfRow(4);
    QVERIFY(number != 5);
    QTableView* grid = w.Grid1();
    const QModelIndex cell = w.GridModel()->index(4, 2);
    const QRect rect = grid->visualRect(cell);
    QPoint link;
    for (int y = rect.top(); y <= rect.bottom() && link.isNull(); ++y)
      for (int x = rect.left(); x <= rect.right() && link.isNull(); ++x)
        if (!w.GridDelegate()->AnchorAt(cell, rect, QPoint(x, y)).isEmpty()) link = QPoint(x + 2, y + 2);
    QVERIFY(!link.isNull());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, link);
    TfrmSyosai* detail = w.frmSyosai();
    QVERIFY(detail->isVisible());
    QVERIFY(w.session().DetailWindowOpen);
    QCOMPARE(detail->cmbBamei()->currentIndex(), number - 1);
    QCOMPARE(detail->cmbBamei()->count(), 18);
    QCOMPARE(detail->Label(QStringLiteral("lblSeinen"))->text(),
             QString::fromStdString(w.session().Card().RunnerProfile[number - 1]));

    // It follows the race: the new runners, runner 1 shown.
    w.ShowRace(9);
    QCOMPARE(detail->cmbBamei()->count(), 5);
    QCOMPARE(detail->cmbBamei()->currentIndex(), 0);
    detail->hide();
    QVERIFY(!w.session().DetailWindowOpen);
  }

  void betPanelAndDetailForRaces8And12() {
    AppFixture f;
    PutSampleDay(f.dir.path());
    TfrmKZkihon& w = f.Open();
    w.ShowRace(7);  // the 8th race
    QVERIFY(w.BetLabel(QStringLiteral("lblKai0"))->isVisible());
    QCOMPARE(w.BetLabel(QStringLiteral("lblKai0"))->text(), QStringLiteral("馬連(ボックス) 計10点"));
    QVERIFY(w.BetLabel(QStringLiteral("lblKai5"))->isVisible());
    QVERIFY(!w.BetLabel(QStringLiteral("lblKai10"))->isVisible());
    QCOMPARE(w.BetLabel(QStringLiteral("lblKai10"))->pos(), QPoint(782, 59));

    w.Run(CommandId::BetDetail);
    TfrmKaime* kaime = w.frmKaime();
    QVERIFY(kaime->isVisible());
    QVERIFY(w.session().KaimeVisible());
    const LineStore& store = w.session().Store();
    QCOMPARE(kaime->StatusPanel()->text(), QString::fromStdString(store.Races[7].RaceLabel));
    QStringList lines = MemoLines(w);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QStringLiteral("[馬連] 計10点"));
    QCOMPARE(lines[3], QString());
    QCOMPARE(lines[4], QStringLiteral("[3連複] 計10点"));
    QCOMPARE(lines[5].count(QLatin1Char('-')), 6 * 2);
    QCOMPARE(lines[6].count(QLatin1Char('-')), 4 * 2);

    // Saved as text: CP932 with CR LF, the name preset from the race.
    f.desktop.saveAnswer = f.dir.filePath(QStringLiteral("kaime.txt"));
    kaime->mnuSaveClick();
    QVERIFY(f.desktop.lastSavePreset.endsWith(QStringLiteral("R.txt")));
    QVERIFY(f.desktop.lastSavePreset.startsWith(QStringLiteral("東京")));
    const QByteArray bytes = ReadAll(f.desktop.saveAnswer);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(QString::fromStdString(DecodeCp932(bytes.toStdString())).split(QStringLiteral("\r\n")).mid(0, 7), lines);

    // Hidden while the race changes, refilled when shown again.
    kaime->mnuCloseClick();
    QVERIFY(!w.session().KaimeVisible());
    w.ShowRace(11);  // the 12th race
    QVERIFY(w.BetLabel(QStringLiteral("lblKai10"))->isVisible());
    w.Run(CommandId::BetDetail);
    lines = MemoLines(w);
    QCOMPARE(kaime->StatusPanel()->text(), QString::fromStdString(store.Races[11].RaceLabel));
    QCOMPARE(lines.size(), 4 + 1 + 7);
    QCOMPARE(lines[4], QStringLiteral("[3連単] 計40点"));
    QCOMPARE(lines[11].count(QLatin1Char('-')), 4 * 2);
    QVERIFY(f.desktop.errors.isEmpty());
  }

  // A race whose runner count is not a number: the command ends with the error in a message box
  // and the card of the race before stays on screen.
  void badRaceKeepsPreviousCard() {
    AppFixture f;
    PutSampleDay(f.dir.path(), 3);
    const QString den1 = f.dir.filePath(QString::fromLatin1(kDen1File));
    QByteArray bytes = ReadAll(den1);
    const int second = int(bytes.indexOf('\n')) + 1;
    bytes[second + 336] = 'x';  // columns 337-338 of the second header: the runner count
    WriteAll(den1, bytes);
    TfrmKZkihon& w = f.Open();
    QCOMPARE(w.session().CurrentRace(), 0);
    const QString title = w.lblTitle1()->text();
    const int rows = w.GridModel()->rowCount();
    w.Run(CommandId::NextRace);
    QCOMPARE(f.desktop.errors.size(), 1);
    QCOMPARE(w.session().CurrentRace(), 0);
    QCOMPARE(w.lblTitle1()->text(), title);
    QCOMPARE(w.GridModel()->rowCount(), rows);
    w.ShowRace(2);  // and the program goes on
    QCOMPARE(w.session().CurrentRace(), 2);
  }

  void droppedFiles() {
    AppFixture f;
    TfrmKZkihon& w = f.Open();
    w.FilesDropped({f.dir.filePath(QStringLiteral("day.LZH"))});
    w.FilesDropped({f.dir.filePath(QStringLiteral("day.zip"))});
    QVERIFY(f.desktop.errors.isEmpty());
    // Only the first file counts: here an archive that is not there, which the import reports.
    w.FilesDropped({f.dir.filePath(QStringLiteral("missing.lzh")), f.dir.filePath(QStringLiteral("x.LZH"))});
    QCOMPARE(f.desktop.errors.size(), 1);
    QCOMPARE(w.session().CurrentRace(), -1);
  }

  // The open command brings in the sample day's archive: its files land in the program folder,
  // race 0 is shown and the gauge is back at 0; a damaged archive changes nothing.
  void openCommandImportsTheArchive() {
    AppFixture f;
    TfrmKZkihon& w = f.Open();
    f.desktop.openAnswer = QStringLiteral(VARNEL_SOURCE_DIR "/data/sample/hb261004.lzh");
    w.findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QVERIFY2(f.desktop.errors.isEmpty(), qPrintable(f.desktop.errors.join(QLatin1Char('\n'))));
    QCOMPARE(w.session().RaceCount(), 36);
    QCOMPARE(w.session().CurrentRace(), 0);
    QVERIFY(QFileInfo::exists(f.AppDir() + QStringLiteral("qdx_uma.rq2")));
    QCOMPARE(w.findChild<QProgressBar*>(QStringLiteral("gauData"))->value(), 0);

    w.ShowRace(8);
    f.desktop.openAnswer = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/archives/damaged_truncated.lzh");
    w.findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(f.desktop.errors.size(), 1);
    QCOMPARE(w.session().RaceCount(), 36);
    QCOMPARE(w.session().CurrentRace(), 8);
  }

  void raisedByASecondStart() {
    AppFixture f;
    TfrmKZkihon& w = f.Open();
    w.showMinimized();
    QTRY_VERIFY(w.isMinimized());
    w.RaiseFromAnotherInstance();
    QVERIFY(!w.isMinimized());
    QVERIFY(w.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
