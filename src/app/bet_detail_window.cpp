#include "bet_detail_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app_settings.h"
#include "bets/bet_detail.h"
#include "desktop_services.h"
#include "shell/session.h"
#include "text/file_io.h"

namespace varnel {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

// "テキストファイル(*.txt)|*.txt" -> "テキストファイル(*.txt)": Qt's filters carry the patterns in the name.
QString QtFilter(std::string_view filter) { return Q(filter).section(QLatin1Char('|'), 0, 0); }

}  // namespace

TfrmKaime::TfrmKaime(Session& session, AppSettings& settings, DesktopServices& desktop, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      desktop_(desktop),
      memo1_(new QPlainTextEdit(this)),
      status_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmKaime"));
  setWindowTitle(Q(KaimeText::Caption));

  QMenu* file = menuBar()->addMenu(Q(KaimeText::FileMenu));
  QAction* mnuSave = file->addAction(Q(KaimeText::SaveMenu), this, &TfrmKaime::mnuSaveClick);
  mnuSave->setObjectName(QStringLiteral("mnuSave"));
  mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  QAction* mnuClose = file->addAction(Q(KaimeText::CloseMenu), this, &TfrmKaime::mnuCloseClick);
  mnuClose->setObjectName(QStringLiteral("mnuClose"));
  mnuClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  QMenu* edit = menuBar()->addMenu(Q(KaimeText::EditMenu));
  QAction* mnuCopy = edit->addAction(Q(KaimeText::CopyMenu), this, &TfrmKaime::mnuCopyClick);
  mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
  mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  QAction* mnuAll = edit->addAction(Q(KaimeText::SelectAllMenu), this, &TfrmKaime::mnuAllClick);
  mnuAll->setObjectName(QStringLiteral("mnuAll"));
  mnuAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

  QToolBar* bar = addToolBar(QStringLiteral("tools"));
  bar->setMovable(false);
  QAction* btnSave = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), Q(KaimeText::SaveHint),
                                    this, &TfrmKaime::mnuSaveClick);
  btnSave->setObjectName(QStringLiteral("btnSave"));
  btnSave->setToolTip(Q(KaimeText::SaveHint));
  QAction* btnEdit = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                    Q(KaimeText::CopyHint), this, &TfrmKaime::mnuCopyClick);
  btnEdit->setObjectName(QStringLiteral("btnEdit"));
  btnEdit->setToolTip(Q(KaimeText::CopyHint));

  memo1_->setObjectName(QStringLiteral("Memo1"));
  memo1_->setReadOnly(true);
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont arial(QStringLiteral("Arial"));
  arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("IPAPGothic"),
                     QStringLiteral("IPAGothic")});
  arial.setPixelSize(14);
  memo1_->setFont(arial);
  setCentralWidget(memo1_);
  status_->setObjectName(QStringLiteral("spSkinStatusPanel1"));
  statusBar()->addWidget(status_, 1);
  statusBar()->setSizeGripEnabled(false);

  setFixedSize(480, 260);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(settings.Read(settings::kKaimeLeft, screen.width() / 2 - width() / 2),
       settings.Read(settings::kKaimeTop, screen.height() / 2 - height() / 2));
}

void TfrmKaime::Refresh() {
  const BetDetail& d = session_.Card().Detail;
  status_->setText(QString::fromStdString(d.status));
  memo1_->setPlainText(QString::fromStdString(BetDetailText(d)));
}

void TfrmKaime::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  session_.SetKaimeVisible(true);
  Refresh();
}

void TfrmKaime::hideEvent(QHideEvent* e) {
  QMainWindow::hideEvent(e);
  session_.SetKaimeVisible(false);
}

void TfrmKaime::mnuSaveClick() {
  const BetDetail& d = session_.Card().Detail;
  const QString path = desktop_.SaveFileName(this, Q(KaimeText::SaveDialogTitle),
                                             QString::fromStdString(BetDetailFileName(d)),
                                             QtFilter(KaimeText::SaveDialogFilter));
  if (path.isEmpty()) return;
  const Status written = WriteFileAtomic(path.toStdString(), BetDetailFileBytes(d));
  if (!written) desktop_.ShowError(this, QString::fromStdString(written.error()));
}

void TfrmKaime::mnuCloseClick() { hide(); }

void TfrmKaime::mnuCopyClick() { memo1_->copy(); }

void TfrmKaime::mnuAllClick() { memo1_->selectAll(); }

}  // namespace varnel
