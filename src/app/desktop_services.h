#pragma once
// What the windows ask of the desktop: message boxes, file dialogs, the system beep and the
// browser. One real implementation; GUI tests substitute their own and answer every question.
#include <QString>
#include <QUrl>

class QWidget;

namespace varnel {

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  virtual void ShowInfo(QWidget* parent, const QString& text) = 0;
  // A confirmation question; only Yes goes on.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // Empty when the user cancels.
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& presetPath,
                               const QString& filter) = 0;
  virtual void Beep() = 0;
  virtual void OpenUrl(const QUrl& url) = 0;
};

class QtDesktopServices : public DesktopServices {
 public:
  void ShowError(QWidget* parent, const QString& text) override;
  void ShowInfo(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& presetPath,
                       const QString& filter) override;
  void Beep() override;
  void OpenUrl(const QUrl& url) override;
};

}  // namespace varnel
