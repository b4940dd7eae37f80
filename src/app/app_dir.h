#pragma once
// The program folder (AppDir) and the command line. AppDir is the folder of the executable when
// it is writable (a portable install); otherwise $XDG_DATA_HOME/varnel. `--app-dir DIR` and the
// environment variable VARNEL_HOME override both.
#include <QString>
#include <QStringList>

namespace varnel {

struct CommandLine {
  QString appDir;       // ends in '/'
  QString archivePath;  // the first plain argument: an archive to import at start, or empty
  QString settingsPath; // --settings FILE: an INI file instead of the user's settings (tests, demos)
  QString screenshotPath;  // --screenshot FILE: save the main window's picture and quit
  int screenshotRace = 0;  // --race N: the race shown before the screenshot
};

// `args` without the program name. `exeDir` is the executable's folder.
CommandLine ParseCommandLine(const QStringList& args, const QString& exeDir);

// DIR with a trailing '/'.
QString WithSlash(const QString& dir);

}  // namespace varnel
