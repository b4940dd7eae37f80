#include "app_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace varnel {

QString WithSlash(const QString& dir) {
  if (dir.endsWith(QLatin1Char('/'))) return dir;
  return dir + QLatin1Char('/');
}

CommandLine ParseCommandLine(const QStringList& args, const QString& exeDir) {
  CommandLine cl;
  QString appDirOption;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == QLatin1String("--app-dir") && hasValue) {
      appDirOption = args[++i];
    } else if (a == QLatin1String("--settings") && hasValue) {
      cl.settingsPath = args[++i];
    } else if (a == QLatin1String("--screenshot") && hasValue) {
      cl.screenshotPath = args[++i];
    } else if (a == QLatin1String("--race") && hasValue) {
      cl.screenshotRace = args[++i].toInt();
    } else if (a.startsWith(QLatin1String("-")) && !QFileInfo::exists(a)) {
      continue;  // Qt's own options (-platform ...) were taken out by QApplication already
    } else if (cl.archivePath.isEmpty()) {
      cl.archivePath = a;
    }
  }

  QString dir;
  if (!appDirOption.isEmpty()) {
    dir = appDirOption;
  } else if (!qEnvironmentVariableIsEmpty("VARNEL_HOME")) {
    dir = qEnvironmentVariable("VARNEL_HOME");
  } else if (QFileInfo(exeDir).isWritable()) {
    dir = exeDir;
  } else {
    dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
          QStringLiteral("/varnel");
  }
  dir = QDir(dir).absolutePath();
  QDir().mkpath(dir);
  cl.appDir = WithSlash(dir);
  return cl;
}

}  // namespace varnel
