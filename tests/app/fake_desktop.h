#pragma once
// Answers the questions the windows ask of the desktop and records what they showed.
#include <QStringList>

#include "desktop_services.h"

namespace varnel {

class FakeDesktop : public DesktopServices {
 public:
  QStringList errors, infos, confirmations, urls;
  QString lastSavePreset, lastSaveTitle;
  QString saveAnswer;  // what the save dialog returns ("" = cancel)
  QString openAnswer;
  bool confirmAnswer = true;
  int beeps = 0;

  void ShowError(QWidget*, const QString& text) override { errors << text; }
  void ShowInfo(QWidget*, const QString& text) override { infos << text; }
  bool Confirm(QWidget*, const QString& text) override {
    confirmations << text;
    return confirmAnswer;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return openAnswer; }
  QString SaveFileName(QWidget*, const QString& title, const QString& preset, const QString&) override {
    lastSaveTitle = title;
    lastSavePreset = preset;
    return saveAnswer;
  }
  void Beep() override { ++beeps; }
  void OpenUrl(const QUrl& url) override { urls << url.toString(); }
};

}  // namespace varnel
