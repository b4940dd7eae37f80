#pragma once
// TfrmKZkihon: the main window. It owns the Session (the loaded day and the race on screen),
// renders it, and forwards every command, header click, link click and dropped file to it.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <array>
#include <memory>

#include "app_settings.h"
#include "command_table.h"
#include "shell/session.h"

class QMenu;
class QProgressBar;
class QTableView;

namespace varnel {

class DesktopServices;
class HelpWindow;
class HtmlCellDelegate;
class RaceGridModel;
class TImgBtn;
class TfrmKaime;
class TfrmSyosai;

struct AppContext {
  QString appDir;        // ends in '/'
  QString settingsPath;  // empty: the user's settings
  QString iniPath;       // the INI switch file beside the executable
  QString archivePath;   // command-line archive, or empty
  DesktopServices* desktop = nullptr;
  const Clock* clock = nullptr;
};

class TfrmKZkihon : public QMainWindow, public SessionListener {
  Q_OBJECT
 public:
  explicit TfrmKZkihon(const AppContext& context, QWidget* parent = nullptr);
  ~TfrmKZkihon() override;

  Session& session() { return session_; }
  bool DeveloperMode() const { return developerMode_; }
  int Height2() const { return height2_; }

  // Commands.
  void Run(CommandId id);
  QAction* ActionOf(CommandId id) const { return actions_.value(int(id)); }
  void ShowRace(int r);
  void SetShow3Sou(bool show);
  void ApplyWindowLayout();
  void ShowDetail(int horseNumber, bool show);
  void ImportArchive(const QString& path);
  // A dropped file list: only the first file counts, and only when it ends in exactly ".lzh".
  void FilesDropped(const QStringList& paths);
  // Brings the window to the front, restoring it when minimised (a second start asked).
  void RaiseFromAnotherInstance();
  // The start-up work of the first show: the command-line archive, then the day in AppDir.
  void FormShow();
  void FormCloseQuery();

  QTableView* Grid1() const { return grid1_; }
  RaceGridModel* GridModel() const { return model_; }
  HtmlCellDelegate* GridDelegate() const { return delegate_; }
  QMenu* popMenu() const { return popMenu_; }
  QMenu* popGrid() const { return popGrid_; }
  QMenu* popOutput() const { return popOutput_; }
  QMenu* pop3() const { return pop3_; }
  QLabel* staUserOdds() const { return staUserOdds_; }
  QLabel* lblTitle1() const { return lblTitle1_; }
  QLabel* lblTitle2() const { return lblTitle2_; }
  QLabel* BetLabel(const QString& name) const { return betLabels_.value(name); }
  TfrmKaime* frmKaime() const { return kaime_; }
  TfrmSyosai* frmSyosai() const { return syosai_; }
  HelpWindow* helpWindow() const { return help_; }
  std::array<TImgBtn*, 10> ToolButtons{};
  std::array<bool, 4> PatternLit() const { return patternLit_; }

  // SessionListener
  void DayLoaded() override;
  void RaceShown() override;
  void SortChanged() override;
  void BetDetailChanged() override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void FormCreate();
  void BuildTopPanel(QWidget* panel);
  void BuildCommands();
  void BuildMenus();
  void BuildGrid();
  void Guarded(const std::function<void()>& fn);
  void ShowError(const QString& text);
  void ShowSortIndicator();
  void UpdatePanel();
  void OpenArchiveCommand();
  void SelectRaceCommand();
  void PreviousRace();
  void NextRace();
  void popKaimeClick();
  void popHelpClick();
  void mnuAboutClick();
  void Grid1AnchorClick(const QString& href);

  AppContext context_;
  Session session_;
  AppSettings settings_;
  DesktopServices* desktop_;
  bool developerMode_ = false;
  int height2_ = 700;
  bool shownOnce_ = false;
  std::array<bool, 4> patternLit_{};

  QMap<int, QAction*> actions_;
  QMenu* popMenu_ = nullptr;
  QMenu* popGrid_ = nullptr;
  QMenu* popOutput_ = nullptr;
  QMenu* pop3_ = nullptr;
  QAction* popBar1_ = nullptr;
  QAction* popWexmark_ = nullptr;
  QAction* pop2Sou_ = nullptr;
  QAction* pop3Sou_ = nullptr;
  QAction* popResize_ = nullptr;
  QTableView* grid1_ = nullptr;
  RaceGridModel* model_ = nullptr;
  HtmlCellDelegate* delegate_ = nullptr;
  QLabel* lblTitle1_ = nullptr;
  QLabel* lblTitle2_ = nullptr;
  QLabel* lblNige_ = nullptr;
  std::array<QLabel*, 4> imgPatt_{};
  QMap<QString, QLabel*> betLabels_;
  QProgressBar* gauData_ = nullptr;
  QLabel* staUserOdds_ = nullptr;
  TfrmKaime* kaime_ = nullptr;
  TfrmSyosai* syosai_ = nullptr;
  HelpWindow* help_ = nullptr;
  bool settingIndicator_ = false;
};

}  // namespace varnel
