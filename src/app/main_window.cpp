#include "main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <exception>

#include "about_window.h"
#include "app_fonts.h"
#include "bet_detail_window.h"
#include "bets/bet_detail.h"
#include "bets/bet_panel.h"
#include "desktop_services.h"
#include "engine/race_style.h"
#include "help_window.h"
#include "horse_detail_window.h"
#include "html_cell_delegate.h"
#include "img_btn.h"
#include "pictures.h"
#include "race_grid_model.h"
#include "raceview/race_grid.h"

namespace varnel {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

constexpr int kTopPanelHeight = 108;
const char* const kDefaultSupportUrl = "https://varnel.example.org/support/";
const char* const kDefaultServiceUrl = "https://www.zephlin.example.jp/";

// Open dialog of the open command.
const char* const kOpenTitle = "「出馬表+競走馬」または「予想オッズ」(QDX)データの選択";
const char* const kOpenFilter =
    "「出馬表+競走馬」(QDX)データ (*hb*.lzh *hz*.lzh *od*.lzh);;「予想オッズ」(QDX)データ (j*.lzh rq3_jb*.lzh)";

}  // namespace

TfrmKZkihon::TfrmKZkihon(const AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      session_(context.appDir.toStdString(), context.clock),
      settings_(context.settingsPath),
      desktop_(context.desktop) {
  setObjectName(QStringLiteral("TfrmKZkihon"));
  setWindowTitle(QStringLiteral("Varnel"));
  setFont(FontByWindowsNamePixels("ＭＳ Ｐゴシック", 12));
  session_.AddListener(this);
  FormCreate();
}

TfrmKZkihon::~TfrmKZkihon() { session_.RemoveListener(this); }

void TfrmKZkihon::FormCreate() {
  // 1-3: the program folder and its Gap folder.
  const QString gapDir = context_.appDir + QStringLiteral("Gap/");
  if (!QDir(gapDir).exists() && !QDir().mkpath(gapDir))
    desktop_->ShowError(this, QStringLiteral("フォルダを作成できません: ") + QDir::toNativeSeparators(gapDir));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* top = new QWidget(central);
  top->setObjectName(QStringLiteral("pnlTop"));
  top->setFixedHeight(kTopPanelHeight);
  top->setAutoFillBackground(true);
  QPalette pal = top->palette();
  pal.setColor(QPalette::Window, QColor(0x3A, 0x22, 0x22));
  top->setPalette(pal);
  layout->addWidget(top);
  setCentralWidget(central);

  BuildCommands();
  BuildTopPanel(top);
  BuildGrid();
  layout->addWidget(grid1_, 1);
  BuildMenus();

  // Status bar: gauData, a static panel, staUserOdds.
  gauData_ = new QProgressBar(this);
  gauData_->setObjectName(QStringLiteral("gauData"));
  gauData_->setFixedWidth(200);
  gauData_->setRange(0, 100);
  gauData_->setValue(0);
  gauData_->setTextVisible(false);
  statusBar()->addWidget(gauData_);
  auto* middle = new QLabel(this);
  middle->setMinimumWidth(0);
  middle->setMaximumWidth(789);
  statusBar()->addWidget(middle, 1);
  staUserOdds_ = new QLabel(this);
  staUserOdds_->setObjectName(QStringLiteral("staUserOdds"));
  staUserOdds_->setFixedWidth(250);
  statusBar()->addPermanentWidget(staUserOdds_);

  setAcceptDrops(true);

  // 8: the INI switch.
  developerMode_ = ReadDeveloperMode(context_.iniPath);
  popBar1_->setVisible(developerMode_);
  popWexmark_->setVisible(developerMode_);

  // 9-11: the saved window.
  setMinimumWidth(503);
  setMaximumWidth(1191);
  int h = settings_.Read(settings::kMainHeight);
  height2_ = settings_.Read(settings::kMainHeight2);
  if (h < 100) h = height2_;
  const int w = settings_.Read(settings::kMainWidth);
  resize(w, h);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int t = settings_.Read(settings::kMainTop, screen.height() / 2 - height() / 2);
  const int l = settings_.Read(settings::kMainLeft, screen.width() / 2 - width() / 2);
  move(l, t);
  session_.AutoResize = false;  // restored below: the saved run-count applies no layout yet
  SetShow3Sou(settings_.Read(settings::kShow3Sou));
  session_.AutoResize = settings_.Read(settings::kAutoResize);
  session_.UserOddsMode = settings_.Read(settings::kUserOddsMode);

  // The companion windows live as long as this one.
  syosai_ = new TfrmSyosai(session_, settings_, *desktop_, this);
  kaime_ = new TfrmKaime(session_, settings_, *desktop_, this);
  help_ = new HelpWindow(FindHelpDir(context_.appDir), desktop_, this);
}

void TfrmKZkihon::BuildCommands() {
  for (const CommandInfo& c : CommandTable()) {
    auto* a = new QAction(c.caption.isEmpty() ? c.hint : c.caption, this);
    a->setObjectName(QString::fromLatin1(c.objectName));
    if (!c.shortcut.isEmpty()) {
      a->setShortcut(c.shortcut);
      a->setShortcutContext(Qt::WindowShortcut);
    }
    a->setEnabled(c.available);
    const CommandId id = c.id;
    connect(a, &QAction::triggered, this, [this, id] { Run(id); });
    addAction(a);  // the shortcuts work while this window is active, with the menu bar hidden
    actions_.insert(int(id), a);
  }
}

void TfrmKZkihon::BuildTopPanel(QWidget* panel) {
  auto* link = new QToolButton(panel);
  link->setObjectName(QStringLiteral("spSkinLinkImage2"));
  link->setIcon(QIcon(MakeLinkPicture()));
  link->setIconSize(QSize(158, 50));
  link->setAutoRaise(true);
  link->setGeometry(0, 0, 158, 50);
  link->setCursor(Qt::PointingHandCursor);
  link->setToolTip(QStringLiteral("Varnelのホームページを表示"));
  link->setFocusPolicy(Qt::NoFocus);
  connect(link, &QToolButton::clicked, this,
          [this] { desktop_->OpenUrl(QUrl(property("supportUrl").toString())); });

  int x = 162;
  for (const CommandInfo& c : CommandTable()) {
    if (c.toolButton < 0) continue;
    auto* b = new TImgBtn(MakeToolButtonPicture(c.toolButton, ButtonState::Normal),
                          MakeToolButtonPicture(c.toolButton, ButtonState::Hover),
                          MakeToolButtonPicture(c.toolButton, ButtonState::Pressed), panel);
    b->setObjectName(QStringLiteral("ImgBtn%1").arg(c.toolButton));
    b->setToolTip(c.hint);
    b->setToolTipDuration(8000);  // hints stay 8 seconds
    b->move(x, 4);
    x += b->width() + 2;
    b->setVisible(!c.hiddenButton);
    b->setEnabled(c.available);
    const CommandId id = c.id;
    connect(b, &QToolButton::clicked, this, [this, id] { Run(id); });
    ToolButtons[c.toolButton] = b;
  }
  // ImgBtn10: the second, hidden user-odds button.
  auto* b10 = new TImgBtn(MakeToolButtonPicture(6, ButtonState::Normal), MakeToolButtonPicture(6, ButtonState::Hover),
                          MakeToolButtonPicture(6, ButtonState::Pressed), panel);
  b10->setObjectName(QStringLiteral("ImgBtn10"));
  b10->setToolTip(CommandOf(CommandId::UserOdds).hint);
  b10->hide();
  b10->setEnabled(false);
  for (TImgBtn* b : ToolButtons)
    if (b) b->Supported = true;

  const QFont titleFont = FontByWindowsNamePixels("ＭＳ Ｐゴシック", 13, true);
  lblTitle1_ = new QLabel(panel);
  lblTitle1_->setObjectName(QStringLiteral("lblTitle1"));
  lblTitle1_->setGeometry(6, 56, 470, 20);
  lblTitle2_ = new QLabel(panel);
  lblTitle2_->setObjectName(QStringLiteral("lblTitle2"));
  lblTitle2_->setGeometry(6, 78, 470, 20);
  for (QLabel* l : {lblTitle1_, lblTitle2_}) {
    l->setFont(titleFont);
    l->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    l->setTextFormat(Qt::PlainText);
  }

  for (int i = 0; i < 4; ++i) {
    imgPatt_[i] = new QLabel(panel);
    imgPatt_[i]->setObjectName(QStringLiteral("imgPatt%1").arg(i));
    imgPatt_[i]->setPixmap(MakePatternPicture(i, QString::fromStdString(PatternName(i + 1)), false));
    imgPatt_[i]->setGeometry(x + 8 + i * 50, 6, 48, 22);
  }
  lblNige_ = new QLabel(panel);
  lblNige_->setObjectName(QStringLiteral("lblNige"));
  lblNige_->setGeometry(x + 8, 32, 200, 18);
  lblNige_->setStyleSheet(QStringLiteral("color: #EEEEEE;"));

  const QFont betFont = FontByWindowsNamePixels("ＭＳ Ｐゴシック", 12);
  for (const BetLabelPlace& place : BetPanelPlaces) {
    auto* l = new QLabel(panel);
    l->setObjectName(Q(place.name));
    l->setFont(betFont);
    l->setTextFormat(Qt::PlainText);
    l->move(place.left, place.top);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(QColor(QRgb(place.rgb)).name()));
    l->hide();
    betLabels_.insert(Q(place.name), l);
  }
}

void TfrmKZkihon::BuildMenus() {
  auto act = [this](CommandId id) { return actions_.value(int(id)); };
  // The main menu is hidden; it carries the shortcuts (the actions also live on the window).
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
  file->addAction(act(CommandId::Download));
  file->addAction(act(CommandId::OpenArchive));
  file->addSeparator();
  file->addAction(act(CommandId::Print));
  file->addAction(act(CommandId::BetFile));
  file->addAction(act(CommandId::IndexFile));
  file->addAction(act(CommandId::CsvFile));
  QAction* wex = file->addAction(act(CommandId::WexmarkBatch)->text());
  wex->setVisible(false);  // the developer item of the main menu never shows
  QMenu* race = bar->addMenu(QStringLiteral("レース(&R)"));
  race->addAction(act(CommandId::SelectRace));
  race->addAction(act(CommandId::PreviousRace));
  race->addAction(act(CommandId::NextRace));
  race->addSeparator();
  race->addAction(act(CommandId::Map));
  race->addAction(act(CommandId::UserOdds));
  QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
  tools->addAction(act(CommandId::BetDetail));
  tools->addAction(act(CommandId::Options));
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
  help->addAction(act(CommandId::Help));
  bar->hide();

  popMenu_ = new QMenu(this);
  popMenu_->setObjectName(QStringLiteral("popMenu"));

  popOutput_ = new QMenu(this);
  popOutput_->setObjectName(QStringLiteral("popOutput"));
  popOutput_->addAction(act(CommandId::Print));
  popOutput_->addSeparator();
  auto addPopup = [&](QMenu* menu, CommandId id, const char* name) {
    const CommandInfo& c = CommandOf(id);
    QAction* a = menu->addAction(c.popupCaption.isEmpty() ? c.caption : c.popupCaption);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(c.available);
    connect(a, &QAction::triggered, this, [this, id] { Run(id); });
    return a;
  };
  addPopup(popOutput_, CommandId::BetFile, "popPX");
  addPopup(popOutput_, CommandId::IndexFile, "popIdx");
  addPopup(popOutput_, CommandId::CsvFile, "popCsv");
  popBar1_ = popOutput_->addSeparator();
  popBar1_->setObjectName(QStringLiteral("popBar1"));
  popWexmark_ = addPopup(popOutput_, CommandId::WexmarkBatch, "popWexmark");

  pop3_ = new QMenu(this);
  pop3_->setObjectName(QStringLiteral("pop3"));
  QAction* popHelp = addPopup(pop3_, CommandId::Help, "popHelp");
  popHelp->setShortcut(QKeySequence(Qt::Key_F1));
  popHelp->setShortcutContext(Qt::WidgetShortcut);  // F1 itself is the main menu's
  pop3_->addSeparator();
  QMenu* h2 = pop3_->addMenu(QStringLiteral("ホームページ(&H)..."));
  h2->menuAction()->setObjectName(QStringLiteral("H2"));
  QSettings ini(context_.iniPath, QSettings::IniFormat);
  const QString supportUrl = ini.value(QStringLiteral("Links/Support"), QString::fromLatin1(kDefaultSupportUrl)).toString();
  const QString serviceUrl = ini.value(QStringLiteral("Links/Service"), QString::fromLatin1(kDefaultServiceUrl)).toString();
  QAction* url1 = h2->addAction(QStringLiteral("ソフトの購入・サポート(&S)"), this,
                                [this, supportUrl] { desktop_->OpenUrl(QUrl(supportUrl)); });
  url1->setObjectName(QStringLiteral("popURL1"));
  QAction* url2 = h2->addAction(QStringLiteral("ZephlinOnLine(&K)"), this,
                                [this, serviceUrl] { desktop_->OpenUrl(QUrl(serviceUrl)); });
  url2->setObjectName(QStringLiteral("popURL2"));
  pop3_->addSeparator();
  QAction* version = pop3_->addAction(QStringLiteral("バージョン情報(&A)..."), this, &TfrmKZkihon::mnuAboutClick);
  version->setObjectName(QStringLiteral("popVersion"));
  setProperty("supportUrl", supportUrl);

  popGrid_ = new QMenu(this);
  popGrid_->setObjectName(QStringLiteral("popGrid"));
  auto* group = new QActionGroup(popGrid_);
  pop2Sou_ = popGrid_->addAction(Q(Grid1Layout::kPop2Sou), this, [this] { Guarded([this] { SetShow3Sou(false); }); });
  pop2Sou_->setObjectName(QStringLiteral("pop2Sou"));
  pop3Sou_ = popGrid_->addAction(Q(Grid1Layout::kPop3Sou), this, [this] { Guarded([this] { SetShow3Sou(true); }); });
  pop3Sou_->setObjectName(QStringLiteral("pop3Sou"));
  for (QAction* a : {pop2Sou_, pop3Sou_}) {
    a->setCheckable(true);
    group->addAction(a);
  }
  popGrid_->addSeparator();
  popResize_ = popGrid_->addAction(Q(Grid1Layout::kPopResize), this,
                                   [this] { session_.AutoResize = !session_.AutoResize; });
  popResize_->setObjectName(QStringLiteral("popResize"));
  popResize_->setCheckable(true);
  connect(popGrid_, &QMenu::aboutToShow, this, [this] {  // popGridPopup
    pop2Sou_->setChecked(!session_.Show3Sou);
    pop3Sou_->setChecked(session_.Show3Sou);
    popResize_->setChecked(session_.AutoResize);
  });
}

void TfrmKZkihon::BuildGrid() {
  grid1_ = new QTableView(this);
  grid1_->setObjectName(QStringLiteral("Grid1"));
  model_ = new RaceGridModel(session_, grid1_);
  grid1_->setModel(model_);
  delegate_ = new HtmlCellDelegate(grid1_);
  const GridFont cf = Grid1Layout::kCellFont;
  delegate_->SetCellFont(FontByWindowsName(cf.name, cf.points, cf.bold));
  grid1_->setItemDelegate(delegate_);
  grid1_->setSelectionMode(QAbstractItemView::NoSelection);
  grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid1_->setFocusPolicy(Qt::NoFocus);
  grid1_->setMouseTracking(true);
  grid1_->verticalHeader()->hide();
  grid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid1_->verticalHeader()->setDefaultSectionSize(Grid1Layout::kRowHeight);
  QHeaderView* header = grid1_->horizontalHeader();
  const GridFont hf = Grid1Layout::kHeaderFont;
  header->setFont(FontByWindowsName(hf.name, hf.points, hf.bold));
  header->setFixedHeight(Grid1Layout::kHeaderHeight);
  header->setDefaultAlignment(Qt::AlignCenter);
  header->setHighlightSections(false);
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  header->setMinimumSectionSize(0);
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; border: 0px; "
                                       "border-right: 1px solid #C8C8C8; border-bottom: 1px solid #C8C8C8; }")
                            .arg(Q(Grid1Layout::kHeaderBack)));
  for (int c = 0; c < Grid1Layout::kColumns; ++c) grid1_->setColumnWidth(c, Grid1Layout::kWidths[c]);
  grid1_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid1_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { popGrid_->popup(grid1_->viewport()->mapToGlobal(p)); });
  connect(header, &QHeaderView::sectionClicked, this, [this](int col) {
    Guarded([this, col] { session_.HeaderClick(col); });
    ShowSortIndicator();
  });
  // The header flips its own indicator on a click; the Session alone decides what it shows.
  connect(header, &QHeaderView::sortIndicatorChanged, this, [this] {
    if (!settingIndicator_) ShowSortIndicator();
  });
  connect(delegate_, &HtmlCellDelegate::AnchorClicked, this,
          [this](const QModelIndex&, const QString& href) { Guarded([this, href] { Grid1AnchorClick(href); }); });
}

void TfrmKZkihon::ShowSortIndicator() {
  settingIndicator_ = true;
  const SortIndicator ind = session_.Sort().Indicator;
  grid1_->horizontalHeader()->setSortIndicator(ind.column, ind.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  settingIndicator_ = false;
  staUserOdds_->setText(QString::fromStdString(session_.StatusText()));
}

// Unexpected errors end the command with their text; the window keeps the state it had.
void TfrmKZkihon::Guarded(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    ShowError(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowError(QStringLiteral("予期しないエラーが発生しました。"));
  }
}

void TfrmKZkihon::ShowError(const QString& text) { desktop_->ShowError(this, text); }

void TfrmKZkihon::Run(CommandId id) {
  Guarded([this, id] {
    switch (id) {
      case CommandId::OpenArchive: OpenArchiveCommand(); break;
      case CommandId::SelectRace: SelectRaceCommand(); break;
      case CommandId::PreviousRace: PreviousRace(); break;
      case CommandId::NextRace: NextRace(); break;
      case CommandId::BetDetail: popKaimeClick(); break;
      case CommandId::Help: popHelpClick(); break;
      case CommandId::OutputMenu: popOutput_->popup(QCursor::pos()); break;
      case CommandId::HelpMenu: pop3_->popup(QCursor::pos()); break;
      default: break;  // subsystems not yet in the program: their commands stay disabled
    }
  });
}

void TfrmKZkihon::ShowRace(int r) {
  Guarded([this, r] {
    const Status shown = session_.ShowRace(r);
    if (!shown) ShowError(QString::fromStdString(shown.error()));
  });
}

void TfrmKZkihon::SelectRaceCommand() {
  if (popMenu_->actions().isEmpty()) {
    desktop_->Beep();
    return;
  }
  popMenu_->popup(QCursor::pos());
}

void TfrmKZkihon::PreviousRace() {
  if (session_.CurrentRace() <= 0) {
    desktop_->Beep();
    return;
  }
  ShowRace(session_.CurrentRace() - 1);
}

void TfrmKZkihon::NextRace() {
  if (session_.CurrentRace() + 1 < session_.RaceCount()) {
    ShowRace(session_.CurrentRace() + 1);
  } else {
    desktop_->Beep();
  }
}

void TfrmKZkihon::SetShow3Sou(bool show) {
  session_.Show3Sou = show;
  ApplyWindowLayout();
}

void TfrmKZkihon::ApplyWindowLayout() {
  if (!session_.AutoResize) return;
  // Grid rows count the header row; an empty grid still has one (blank) data row.
  const int rows = std::max<int>(1, model_->rowCount()) + 1;
  grid1_->setColumnWidth(3, session_.Show3Sou ? Grid1Layout::kWidths[3] : 0);
  resize(session_.Show3Sou ? 1175 : 947, rows * Grid1Layout::kRowHeight + 150);
}

void TfrmKZkihon::DayLoaded() {
  popMenu_->clear();
  const LineStore& store = session_.Store();
  for (int r = 0; r < store.RaceCount; ++r) {
    QAction* a = popMenu_->addAction(QString::fromStdString(store.Races[r].RaceMenuCaption));
    connect(a, &QAction::triggered, this, [this, r] { ShowRace(r); });
  }
  model_->Reload();
}

void TfrmKZkihon::RaceShown() {
  const RaceCard& card = session_.Card();
  const RaceHeader& h = session_.Store().Races[card.race];
  setUpdatesEnabled(false);
  lblTitle1_->setText(QString::fromStdString(h.RaceTitle1));
  lblTitle2_->setText(QString::fromStdString(h.RaceTitle2));
  for (int i = 0; i < 4; ++i) {
    if (patternLit_[i] != card.PatternLit[i] || imgPatt_[i]->pixmap().isNull())
      imgPatt_[i]->setPixmap(MakePatternPicture(i, QString::fromStdString(PatternName(i + 1)), card.PatternLit[i]));
  }
  patternLit_ = card.PatternLit;
  lblNige_->setText(QStringLiteral("逃げ馬 %1頭").arg(card.FrontRunnerCount));
  model_->Reload();
  ShowSortIndicator();
  grid1_->scrollToTop();
  setUpdatesEnabled(true);
  ApplyWindowLayout();
  UpdatePanel();
  if (kaime_->isVisible()) kaime_->Refresh();
  if (session_.DetailWindowOpen) syosai_->ShowDetail(1, false);
  if (!card.Courses.message.empty()) ShowError(QString::fromStdString(card.Courses.message));
}

void TfrmKZkihon::UpdatePanel() {
  const BetPanel& panel = session_.Card().Panel;
  for (const BetLabelPlace& place : BetPanelPlaces) {
    QLabel* l = betLabels_.value(Q(place.name));
    const varnel::BetLabel& label = panel.*(place.label);
    l->setText(QString::fromStdString(label.text));
    l->adjustSize();
    l->setVisible(label.visible);
  }
}

void TfrmKZkihon::SortChanged() {
  model_->Reload();
  ShowSortIndicator();
}

void TfrmKZkihon::BetDetailChanged() {
  if (kaime_ && kaime_->isVisible()) kaime_->Refresh();
}

void TfrmKZkihon::ShowDetail(int horseNumber, bool show) { syosai_->ShowDetail(horseNumber, show); }

void TfrmKZkihon::Grid1AnchorClick(const QString& href) {
  bool ok = false;
  const int number = href.trimmed().toInt(&ok);
  if (ok && number >= 1 && number <= int(session_.Runners().size())) ShowDetail(number, true);
}

void TfrmKZkihon::popKaimeClick() {
  if (session_.CurrentRace() < 0) return;  // nothing on the card yet
  kaime_->show();  // its show handler sets KaimeVisible and fills it
  kaime_->raise();
}

void TfrmKZkihon::popHelpClick() {
  help_->ShowContents();
  help_->show();
  help_->raise();
}

void TfrmKZkihon::mnuAboutClick() {
  auto* about = new TfrmAbout(TfrmAbout::Mode::Version, this);
  about->open();
}

void TfrmKZkihon::OpenArchiveCommand() {
  QString dir = settings_.Read(settings::kDataDir);
  if (!dir.isEmpty() && !QDir(dir).exists()) dir.clear();
  const QString path = desktop_->OpenFileName(this, QString::fromUtf8(kOpenTitle), dir, QString::fromUtf8(kOpenFilter));
  if (!path.isEmpty()) ImportArchive(path);
}

void TfrmKZkihon::ImportArchive(const QString& path) {
  Guarded([this, path] {
    gauData_->setValue(0);
    // The session extracts, converts, reads the day and shows its first race; the window
    // repaints from its notifications.
    const ImportResult result = session_.ImportArchive(path.toStdString(), [this](int done, int total) {
      gauData_->setValue(total > 0 ? (done * 100 + total / 2) / total : 0);
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      return true;
    });
    gauData_->setValue(0);
    for (const std::string& m : result.Messages) ShowError(QString::fromStdString(m));
  });
}

void TfrmKZkihon::FilesDropped(const QStringList& paths) {
  if (paths.isEmpty()) return;
  const QString first = paths.first().left(255);
  // Byte-wise and case-sensitive: "A.LZH" is not taken.
  if (first.endsWith(QLatin1String(".lzh"), Qt::CaseSensitive)) ImportArchive(first);
}

void TfrmKZkihon::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TfrmKZkihon::dropEvent(QDropEvent* e) {
  QStringList paths;
  for (const QUrl& url : e->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  e->acceptProposedAction();
  FilesDropped(paths);
}

void TfrmKZkihon::RaiseFromAnotherInstance() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void TfrmKZkihon::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmKZkihon::FormShow() {
  // User odds mode (its own subsystem) keeps the restored flag until that mode is built.
  if (!context_.archivePath.isEmpty()) ImportArchive(context_.archivePath);
  const QString dir = context_.appDir;
  if (QFileInfo::exists(dir + QString::fromLatin1(kDen1File)) && QFileInfo::exists(dir + QString::fromLatin1(kUmaFile))) {
    Guarded([this] {
      const Result<bool> loaded = session_.LoadDataSet();
      if (!loaded) {
        ShowError(QString::fromStdString(loaded.error()));
        return;
      }
      if (*loaded) ShowRace(0);
    });
  }
}

void TfrmKZkihon::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  if (!isMinimized()) height2_ = height();
}

void TfrmKZkihon::FormCloseQuery() {
  settings_.Write(settings::kMainTop, y());
  settings_.Write(settings::kMainLeft, x());
  settings_.Write(settings::kMainHeight, height());
  settings_.Write(settings::kMainHeight2, height2_);
  settings_.Write(settings::kMainWidth, width());
  settings_.Write(settings::kAutoResize, session_.AutoResize);
  settings_.Write(settings::kShow3Sou, session_.Show3Sou);
  settings_.Write(settings::kUserOddsMode, session_.UserOddsMode);
  settings_.Write(settings::kDetailLeft, syosai_->x());
  settings_.Write(settings::kDetailTop, syosai_->y());
  settings_.Write(settings::kKaimeLeft, kaime_->x());
  settings_.Write(settings::kKaimeTop, kaime_->y());
  settings_.Sync();
}

void TfrmKZkihon::closeEvent(QCloseEvent* e) {
  FormCloseQuery();
  // The companion windows go with the main window: closing it ends the program.
  syosai_->hide();
  kaime_->hide();
  help_->hide();
  e->accept();
}

}  // namespace varnel
