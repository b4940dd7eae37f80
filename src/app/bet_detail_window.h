#pragma once
// TfrmKaime: every bet of the race on screen as text, to copy or to save. Created with the main
// window and only shown and hidden; its text comes whole from the Session's BetDetail.
#include <QMainWindow>

class QPlainTextEdit;
class QLabel;

namespace varnel {

class AppSettings;
class DesktopServices;
class Session;

class TfrmKaime : public QMainWindow {
  Q_OBJECT
 public:
  TfrmKaime(Session& session, AppSettings& settings, DesktopServices& desktop, QWidget* parent = nullptr);

  // Rewrites the status panel and the memo from the Session (the bet detail of the race shown).
  void Refresh();
  void mnuSaveClick();
  void mnuCloseClick();
  void mnuCopyClick();
  void mnuAllClick();

  QPlainTextEdit* Memo1() const { return memo1_; }
  QLabel* StatusPanel() const { return status_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  Session& session_;
  DesktopServices& desktop_;
  QPlainTextEdit* memo1_;
  QLabel* status_;
};

}  // namespace varnel
