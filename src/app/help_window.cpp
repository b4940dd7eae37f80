#include "help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>

#include "desktop_services.h"

namespace varnel {

QString FindHelpDir(const QString& appDir) {
  const QStringList candidates = {
      appDir + QStringLiteral("help"),
      QCoreApplication::applicationDirPath() + QStringLiteral("/help"),
      QStringLiteral(VARNEL_SOURCE_DIR "/data/help"),
  };
  for (const QString& dir : candidates)
    if (QFileInfo::exists(dir + QStringLiteral("/index.html"))) return QDir(dir).absolutePath();
  return {};
}

HelpWindow::HelpWindow(const QString& helpDir, DesktopServices* desktop, QWidget* parent)
    : QMainWindow(parent, Qt::Window), helpDir_(helpDir), desktop_(desktop), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("Varnel ヘルプ"));
  resize(760, 620);
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  browser_->setSearchPaths({helpDir_});
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
      desktop_->OpenUrl(url);
      browser_->setSource(browser_->source());  // stay on the page
    }
  });
  setCentralWidget(browser_);
  QToolBar* bar = addToolBar(QStringLiteral("help"));
  bar->setMovable(false);
  QAction* contents = bar->addAction(QStringLiteral("目次"));
  QAction* back = bar->addAction(QStringLiteral("戻る"));
  QAction* forward = bar->addAction(QStringLiteral("進む"));
  connect(contents, &QAction::triggered, this, &HelpWindow::ShowContents);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
}

void HelpWindow::ShowContents() {
  browser_->setSource(QUrl::fromLocalFile(helpDir_ + QStringLiteral("/index.html")));
}

}  // namespace varnel
