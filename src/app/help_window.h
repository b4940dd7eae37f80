#pragma once
// The in-app help viewer: the HTML pages shipped in help/ beside the program, with contents,
// back and forward. Links to web pages go to the default browser.
#include <QMainWindow>

class QTextBrowser;

namespace varnel {

class DesktopServices;

// The first folder holding index.html among: AppDir/help, the executable's help folder, the
// source tree's data/help (a build run from its build folder). Empty when none has it.
QString FindHelpDir(const QString& appDir);

class HelpWindow : public QMainWindow {
  Q_OBJECT
 public:
  HelpWindow(const QString& helpDir, DesktopServices* desktop, QWidget* parent = nullptr);
  // Shows the table of contents.
  void ShowContents();
  QTextBrowser* Browser() const { return browser_; }

 private:
  QString helpDir_;
  DesktopServices* desktop_;
  QTextBrowser* browser_;
};

}  // namespace varnel
