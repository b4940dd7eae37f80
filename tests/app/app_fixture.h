#pragma once
// A program folder holding the bundled sample day (optionally cut to its first races) and the
// course tables, and a main window over it with a temporary settings file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "fake_desktop.h"
#include "main_window.h"
#include "racedata/line_store.h"

namespace varnel {

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
}

inline QByteArray FirstLines(const QByteArray& bytes, int n) {
  QList<QByteArray> lines = bytes.split('\n');
  QByteArray out;
  for (int i = 0; i < n && i < lines.size(); ++i) out += lines[i] + '\n';
  return out;
}

// Copies the sample day into `dir`; with races > 0 only that many races (and their runners).
inline void PutSampleDay(const QString& dir, int races = 0) {
  const QString sample = QStringLiteral(VARNEL_SOURCE_DIR "/data/sample/");
  QDir().mkpath(dir + QStringLiteral("/Data"));
  for (const QFileInfo& fi : QDir(QStringLiteral(VARNEL_SOURCE_DIR "/data/Data")).entryInfoList(QDir::Files))
    QFile::copy(fi.filePath(), dir + QStringLiteral("/Data/") + fi.fileName());
  const QByteArray den1 = ReadAll(sample + QString::fromLatin1(kDen1File));
  const QByteArray den2 = ReadAll(sample + QString::fromLatin1(kDen2File));
  const QByteArray uma = ReadAll(sample + QString::fromLatin1(kUmaFile));
  const QByteArray ods = ReadAll(sample + QString::fromLatin1(kOdsFile));
  if (races <= 0) {
    WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kDen1File), den1);
    WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kDen2File), den2);
    WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kUmaFile), uma);
    WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kOdsFile), ods);
    return;
  }
  LineStore full;
  LoadDataSet(sample.toStdString(), full);
  int runners = 0;
  for (int r = 0; r < races; ++r) runners += full.RunnerCount(r);
  WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kDen1File), FirstLines(den1, races));
  WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kDen2File), FirstLines(den2, runners));
  WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kUmaFile), FirstLines(uma, runners));
  WriteAll(dir + QLatin1Char('/') + QString::fromLatin1(kOdsFile), FirstLines(ods, races));
}

struct AppFixture {
  QTemporaryDir dir;
  FakeDesktop desktop;
  std::unique_ptr<TfrmKZkihon> window;

  QString AppDir() const { return dir.path() + QLatin1Char('/'); }
  QString SettingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }

  TfrmKZkihon& Open(const QString& archive = {}) {
    AppContext c;
    c.appDir = AppDir();
    c.settingsPath = SettingsPath();
    c.iniPath = dir.filePath(QStringLiteral("varnel.ini"));
    c.archivePath = archive;
    c.desktop = &desktop;
    window = std::make_unique<TfrmKZkihon>(c);
    window->show();
    return *window;
  }
  void Close() {
    window->close();
    window.reset();
  }
};

}  // namespace varnel
