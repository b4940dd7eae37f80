// The parts of the desktop program that need no race day: cell HTML, the window shape, the
// fade-in, settings fall-backs, the command line and the single instance.
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "about_window.h"
#include "app_dir.h"
#include "app_settings.h"
#include "cell_html.h"
#include "command_table.h"
#include "fake_desktop.h"
#include "help_window.h"
#include "single_instance.h"

using namespace varnel;

class FrameTest : public QObject {
  Q_OBJECT
 private slots:
  void cellHtml_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("alignOfLast");
    QTest::addColumn<QString>("href");
    QTest::newRow("horse number") << "<BR><P ALIGN=\"center\">12</P>" << "\n12" << int(Qt::AlignHCenter) << "";
    QTest::newRow("name cell") << "牡3歳<BR><font color=\"#0000FF\"><A HREF=\"7\">ミヤビ</A></font><BR>56.0 前原"
                               << "牡3歳\nミヤビ\n56.0 前原" << int(Qt::AlignLeft) << "7";
    QTest::newRow("right paragraph") << "<P ALIGN=right>③④</P>" << "③④" << int(Qt::AlignRight) << "";
    QTest::newRow("entities, unknown tag") << "a&amp;b<I>c</I>&lt;" << "a&bc<" << int(Qt::AlignLeft) << "";
    QTest::newRow("unclosed tag is text") << "1<2" << "1<2" << int(Qt::AlignLeft) << "";
  }
  void cellHtml() {
    QFETCH(QString, html);
    QFETCH(QString, plain);
    QFETCH(int, alignOfLast);
    QFETCH(QString, href);
    const CellLayout layout = ParseCellHtml(html);
    QCOMPARE(CellPlainText(layout), plain);
    QCOMPARE(int(layout.lines.back().align), alignOfLast);
    QString found;
    for (const CellLine& l : layout.lines)
      for (const CellRun& r : l.runs)
        if (!r.href.isEmpty()) found = r.href;
    QCOMPARE(found, href);
  }

  void nameLinkIsColouredAndHit() {
    const CellLayout layout = ParseCellHtml("牡3歳<BR><font color=\"#0000FF\"><A HREF=\"7\">ミヤビ</A></font><BR>x");
    QCOMPARE(layout.lines[1].runs[0].color, QColor("#0000FF"));
    QFont f(QStringLiteral("IPAGothic"));
    f.setPointSize(9);
    const QRect cell(0, 0, 125, 41);
    QCOMPARE(AnchorAt(layout, cell, f, QPoint(6, 20)), QStringLiteral("7"));
    QCOMPARE(AnchorAt(layout, cell, f, QPoint(6, 4)), QString());
    QCOMPARE(AnchorAt(layout, cell, f, QPoint(120, 20)), QString());
  }

  // Pixels of the bottom-left colour are holes, also inside the picture.
  void regionFromPicture() {
    QImage img(6, 3, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    for (int x = 1; x < 5; ++x) img.setPixel(x, 1, qRgb(0, 0, 0));
    img.setPixel(3, 1, qRgb(255, 0, 255));
    const QRegion r = RegionFromPicture(img);
    QCOMPARE(r.rectCount(), 2);
    QVERIFY(r.contains(QPoint(1, 1)) && r.contains(QPoint(2, 1)) && r.contains(QPoint(4, 1)));
    QVERIFY(!r.contains(QPoint(3, 1)) && !r.contains(QPoint(0, 0)) && !r.contains(QPoint(5, 1)));
    img.fill(Qt::magenta);
    QVERIFY(RegionFromPicture(img).isEmpty());
  }

  // Opening the version window twice starts from full transparency each time.
  void versionWindowFadesIn() {
    for (int round = 0; round < 2; ++round) {
      auto* about = new TfrmAbout(TfrmAbout::Mode::Version);
      about->Timer1()->stop();
      QList<int> steps{about->Opacity()};
      while (about->Opacity() < 255) {
        about->Timer1Timer();
        steps << about->Opacity();
      }
      QCOMPARE(steps, (QList<int>{0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 255}));
      QCOMPARE(about->Label1()->text(), QStringLiteral("Version 1.01"));
      delete about;
    }
    TfrmAbout splash(TfrmAbout::Mode::Splash);
    QCOMPARE(splash.Opacity(), 255);
    QCOMPARE(splash.size(), QSize(410, 180));
    QVERIFY(!splash.mask().isEmpty());
  }

  void settingsFallBackAndStoreText() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    {
      QSettings raw(path, QSettings::IniFormat);
      raw.setValue(QStringLiteral("frmMain/Height"), QStringLiteral("abc"));
      raw.setValue(QStringLiteral("frmMain/Width"), QStringLiteral("800"));
      raw.setValue(QStringLiteral("frmMain/AutoResize"), QStringLiteral("x"));
      raw.setValue(QStringLiteral("frmMain/Show3Sou"), QStringLiteral("1"));
    }
    AppSettings s(path);
    QCOMPARE(s.Read(settings::kMainHeight), 700);
    QCOMPARE(s.Read(settings::kMainWidth), 800);
    QCOMPARE(s.Read(settings::kMainTop, 123), 123);
    QCOMPARE(s.Read(settings::kAutoResize), true);
    QCOMPARE(s.Read(settings::kShow3Sou), true);
    s.Write(settings::kShow3Sou, false);
    s.Write(settings::kMainLeft, -5);
    s.Sync();
    QSettings raw(path, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("frmMain/Show3Sou")).toString(), QStringLiteral("0"));
    QCOMPARE(raw.value(QStringLiteral("frmMain/Left")).toString(), QStringLiteral("-5"));

    const QString ini = dir.filePath(QStringLiteral("varnel.ini"));
    QVERIFY(!ReadDeveloperMode(ini));
    for (const auto& [text, expected] : {std::pair{"2", true}, {"0", false}, {"yes", false}}) {
      QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("Option/DeveloperMode"), QString::fromLatin1(text));
      QCOMPARE(ReadDeveloperMode(ini), expected);
    }
  }

  void commandLine() {
    QTemporaryDir dir;
    const CommandLine cl = ParseCommandLine({QStringLiteral("--app-dir"), dir.path(), QStringLiteral("day.lzh"),
                                             QStringLiteral("other.lzh")},
                                            QStringLiteral("/nonexistent"));
    QCOMPARE(cl.appDir, dir.path() + QLatin1Char('/'));
    QCOMPARE(cl.archivePath, QStringLiteral("day.lzh"));
  }

  void shortcutsAreDistinct() {
    QSet<QString> seen;
    for (const CommandInfo& c : CommandTable()) {
      if (c.shortcut.isEmpty()) continue;
      QVERIFY2(!seen.contains(c.shortcut.toString()), qPrintable(c.shortcut.toString()));
      seen.insert(c.shortcut.toString());
    }
    QCOMPARE(CommandOf(CommandId::NextRace).shortcut, QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(CommandOf(CommandId::OpenArchive).hint, QStringLiteral("既存のQDXデータを読み込む （Ctrl+O)"));
  }

  // The shipped help opens on its contents, and every page it links to is there.
  void helpPagesAndLinks() {
    const QString dir = FindHelpDir(QStringLiteral("/nonexistent/"));
    QVERIFY(!dir.isEmpty());
    FakeDesktop desktop;
    HelpWindow help(dir, &desktop);
    help.ShowContents();
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("R指数")));
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    for (const QFileInfo& page : QDir(dir).entryInfoList({QStringLiteral("*.html")})) {
      QFile f(page.filePath());
      QVERIFY(f.open(QIODevice::ReadOnly));
      const QString html = QString::fromUtf8(f.readAll());
      for (auto m = link.globalMatch(html); m.hasNext();) {
        const QString target = m.next().captured(1);
        if (target.startsWith(QLatin1String("http"))) continue;
        QVERIFY2(QFileInfo::exists(dir + QLatin1Char('/') + target), qPrintable(page.fileName() + " -> " + target));
      }
    }
  }

  void secondInstanceRaisesFirst() {
    const QString name = QStringLiteral("VarnelTest_%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(name);
    QVERIFY(!first.AnotherIsRunning());
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
    SingleInstance second(name);
    QVERIFY(second.AnotherIsRunning());
    QTRY_COMPARE(raised.count(), 1);
  }
};

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
