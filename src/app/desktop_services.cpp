#include "desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace varnel {

void QtDesktopServices::ShowError(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QStringLiteral("Varnel"), text);
}

void QtDesktopServices::ShowInfo(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QStringLiteral("Varnel"), text);
}

bool QtDesktopServices::Confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QStringLiteral("Varnel"), text,
                               QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes;
}

QString QtDesktopServices::OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                        const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString QtDesktopServices::SaveFileName(QWidget* parent, const QString& title,
                                        const QString& presetPath, const QString& filter) {
  // The caller asks its own overwrite question where it has one.
  return QFileDialog::getSaveFileName(parent, title, presetPath, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

void QtDesktopServices::Beep() { QApplication::beep(); }

void QtDesktopServices::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace varnel
