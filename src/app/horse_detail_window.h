#pragma once
// TfrmSyosai: everything the horse record says about one runner of the race on screen. Created
// with the main window, shown by a click on a horse name, follows the race while it is open.
#include <QDialog>
#include <QMap>

class QComboBox;
class QLabel;
class QTableWidget;

namespace varnel {

class AppSettings;
class DesktopServices;
class HtmlCellDelegate;
class Session;

class TfrmSyosai : public QDialog {
  Q_OBJECT
 public:
  TfrmSyosai(Session& session, AppSettings& settings, DesktopServices& desktop, QWidget* parent = nullptr);

  // ShowDetail: refills the chooser with the runners of the race on screen and selects
  // horseNumber; shows the window when `show`.
  void ShowDetail(int horseNumber, bool show);
  // Shows runner k (0-based) of the race on screen.
  void ShowHorse(int k);

  QComboBox* cmbBamei() const { return cmbBamei_; }
  QTableWidget* Grid2() const { return grid2_; }
  // The value label of a named field (lblSeinen, lbl1, lbl1000d ...), or nullptr.
  QLabel* Label(const QString& name) const { return labels_.value(name); }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  QLabel* AddLabel(const QString& name);

  Session& session_;
  DesktopServices& desktop_;
  QComboBox* cmbBamei_;
  QTableWidget* grid2_;
  HtmlCellDelegate* delegate_;
  QMap<QString, QLabel*> labels_;
};

}  // namespace varnel
