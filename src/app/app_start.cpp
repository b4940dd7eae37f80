#include "app_start.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "about_window.h"
#include "app_dir.h"
#include "desktop_services.h"
#include "main_window.h"
#include "single_instance.h"

namespace varnel {

int RunVarnel(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Varnel"));
  app.setOrganizationName(QStringLiteral("vnl"));

  const CommandLine cl = ParseCommandLine(app.arguments().mid(1), QCoreApplication::applicationDirPath());

  SingleInstance instance;
  if (cl.screenshotPath.isEmpty() && instance.AnotherIsRunning()) return 0;

  TfrmAbout* splash = nullptr;
  if (cl.screenshotPath.isEmpty()) {
    splash = new TfrmAbout(TfrmAbout::Mode::Splash);
    splash->show();
    splash->repaint();
    app.processEvents();
  }

  QtDesktopServices desktop;
  AppContext context;
  context.appDir = cl.appDir;
  context.settingsPath = cl.settingsPath;
  const QFileInfo exe(QCoreApplication::applicationFilePath());
  context.iniPath = exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini");
  context.archivePath = cl.archivePath;
  context.desktop = &desktop;
  TfrmKZkihon main(context);
  QObject::connect(&instance, &SingleInstance::RaiseRequested, &main, &TfrmKZkihon::RaiseFromAnotherInstance);
  main.show();
  if (splash) QTimer::singleShot(0, splash, [splash] { splash->close(); });

  if (!cl.screenshotPath.isEmpty()) {
    // A picture of the window for the README: the chosen race, everything painted, then quit.
    if (cl.screenshotRace > 0) main.ShowRace(cl.screenshotRace);
    app.processEvents();
    const bool saved = main.grab().save(cl.screenshotPath);
    return saved ? 0 : 1;
  }
  return app.exec();
}

}  // namespace varnel
