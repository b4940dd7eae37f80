#include "horse_detail_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QGuiApplication>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app_fonts.h"
#include "app_settings.h"
#include "desktop_services.h"
#include "html_cell_delegate.h"
#include "raceview/horse_detail.h"
#include "shell/session.h"

namespace varnel {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

Qt::Alignment AlignOf(CellAlign a) {
  switch (a) {
    case CellAlign::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace

TfrmSyosai::TfrmSyosai(Session& session, AppSettings& settings, DesktopServices& desktop, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      session_(session),
      desktop_(desktop),
      cmbBamei_(new QComboBox(this)),
      grid2_(new QTableWidget(5, SyosaiLayout::kGrid2Columns, this)),
      delegate_(new HtmlCellDelegate(this)) {
  setObjectName(QStringLiteral("frmDetail"));
  setWindowTitle(Q(SyosaiLayout::kCaption));
  const QFont uiFont = FontByWindowsNamePixels("ＭＳ Ｐゴシック", 12);
  setFont(uiFont);
  auto* outer = new QVBoxLayout(this);

  cmbBamei_->setObjectName(QStringLiteral("cmbBamei"));
  cmbBamei_->setFont(FontByWindowsNamePixels("ＭＳ ゴシック", 13));
  cmbBamei_->setMinimumWidth(260);
  connect(cmbBamei_, &QComboBox::currentIndexChanged, this, [this](int k) {
    if (k >= 0) ShowHorse(k);
  });
  auto* top = new QHBoxLayout;
  top->addWidget(cmbBamei_);
  top->addStretch();
  outer->addLayout(top);

  // Profile and pedigree.
  auto* profile = new QGroupBox(QStringLiteral("プロフィール"), this);
  auto* pg = new QGridLayout(profile);
  const QList<QPair<QString, QString>> profileRows = {
      {QStringLiteral("性齢・毛色"), QStringLiteral("lblSeinen")}, {QStringLiteral("馬記号"), QStringLiteral("lblUmakigou")},
      {QStringLiteral("産地"), QStringLiteral("lblSanti")},         {QStringLiteral("生産者"), QStringLiteral("lblSeisansya")},
      {QStringLiteral("馬主"), QStringLiteral("lblBanusi")},        {QStringLiteral("調教師"), QStringLiteral("lblChokyosi")},
      {QStringLiteral("総賞金"), QStringLiteral("lblSouSyokin")},   {QStringLiteral("本賞金"), QStringLiteral("lblHonSyokin")},
      {QStringLiteral("父"), QStringLiteral("lblTiti")},            {QStringLiteral("母"), QStringLiteral("lblHaha")},
      {QStringLiteral("母父"), QStringLiteral("lblHahaTiti")},      {QStringLiteral("母母"), QStringLiteral("lblHahaHaha")},
      {QStringLiteral("脚質"), QStringLiteral("lblKyakusitu")},
  };
  for (int i = 0; i < profileRows.size(); ++i) {
    const int row = i % 7, col = (i / 7) * 2;
    pg->addWidget(new QLabel(profileRows[i].first, profile), row, col);
    pg->addWidget(AddLabel(profileRows[i].second), row, col + 1);
  }
  outer->addWidget(profile);

  // Career record: each value label shows wins, seconds, thirds and unplaced.
  auto* record = new QGroupBox(QStringLiteral("成績（1着 2着 3着 着外）"), this);
  auto* rg = new QGridLayout(record);
  // The data service does not name the record groups; the captions give their numbers.
  const QList<QPair<QString, QString>> recordRows = {
      {QStringLiteral("全成績"), QStringLiteral("lbl1")},     {QStringLiteral("区分0+1"), QStringLiteral("lbl2")},
      {QStringLiteral("区分2+3"), QStringLiteral("lbl3")},    {QStringLiteral("区分8+9"), QStringLiteral("lbl4")},
      {QStringLiteral("区分12+13"), QStringLiteral("lbl5")},  {QStringLiteral("区分0"), QStringLiteral("lbl6")},
      {QStringLiteral("区分1"), QStringLiteral("lbl7")},      {QStringLiteral("区分2"), QStringLiteral("lbl8")},
      {QStringLiteral("区分3"), QStringLiteral("lbl9")},      {QStringLiteral("区分4"), QStringLiteral("lbl10")},
  };
  for (int i = 0; i < recordRows.size(); ++i) {
    rg->addWidget(new QLabel(recordRows[i].first, record), i, 0);
    rg->addWidget(AddLabel(recordRows[i].second), i, 1);
  }
  rg->addWidget(new QLabel(QStringLiteral("距離"), record), 0, 2);
  rg->addWidget(new QLabel(QStringLiteral("芝"), record), 0, 3);
  rg->addWidget(new QLabel(QStringLiteral("ダート"), record), 0, 4);
  for (int d = 0; d < 8; ++d) {
    const QString m = QString::number(SyosaiLayout::kDistances[d]);
    rg->addWidget(new QLabel(m + QStringLiteral("m"), record), d + 1, 2);
    rg->addWidget(AddLabel(QStringLiteral("lbl") + m), d + 1, 3);
    rg->addWidget(AddLabel(QStringLiteral("lbl") + m + QStringLiteral("d")), d + 1, 4);
  }
  outer->addWidget(record);
  const QFont fixed = FontByWindowsNamePixels("ＭＳ ゴシック", 12);
  for (auto it = labels_.begin(); it != labels_.end(); ++it)
    if (it.key().size() > 3 && it.key()[3].isDigit()) it.value()->setFont(fixed);

  // Grid2: the five most recent runs, the newest at the bottom.
  grid2_->setObjectName(QStringLiteral("Grid2"));
  grid2_->setFont(FontByWindowsNamePixels(SyosaiLayout::kGrid2Font, 12));
  delegate_->SetCellFont(grid2_->font());
  grid2_->setItemDelegate(delegate_);
  grid2_->verticalHeader()->hide();
  grid2_->verticalHeader()->setDefaultSectionSize(SyosaiLayout::kGrid2RowHeight);
  grid2_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid2_->horizontalHeader()->setFixedHeight(SyosaiLayout::kGrid2RowHeight);
  grid2_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid2_->horizontalHeader()->setDefaultAlignment(AlignOf(Grid2GetAlignment(0, 1)));
  grid2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid2_->setSelectionMode(QAbstractItemView::NoSelection);
  int total = 2;
  for (int c = 0; c < SyosaiLayout::kGrid2Columns; ++c) {
    grid2_->setHorizontalHeaderItem(c, new QTableWidgetItem(Q(SyosaiLayout::kGrid2Headers[c])));
    grid2_->setColumnWidth(c, SyosaiLayout::kGrid2Widths[c]);
    total += SyosaiLayout::kGrid2Widths[c];
    for (int r = 0; r < 5; ++r) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(AlignOf(Grid2GetAlignment(r + 1, c)));
      grid2_->setItem(r, c, item);
    }
  }
  grid2_->setFixedSize(total, SyosaiLayout::kGrid2RowHeight * 6 + 4);
  grid2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  outer->addWidget(grid2_);
  adjustSize();

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(settings.Read(settings::kDetailLeft, screen.width() / 2 - width() / 2),
       settings.Read(settings::kDetailTop, screen.height() / 2 - height() / 2));
}

QLabel* TfrmSyosai::AddLabel(const QString& name) {
  auto* l = new QLabel(this);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  labels_.insert(name, l);
  return l;
}

void TfrmSyosai::ShowDetail(int horseNumber, bool show) {
  const std::vector<std::string> items = ChooserItems(session_.Runners());
  {
    const QSignalBlocker block(cmbBamei_);
    cmbBamei_->clear();
    for (const std::string& item : items) cmbBamei_->addItem(QString::fromStdString(item));
    cmbBamei_->setCurrentIndex(horseNumber - 1);
  }
  if (cmbBamei_->currentIndex() >= 0) ShowHorse(cmbBamei_->currentIndex());
  if (show) {
    this->show();
    raise();
  }
}

void TfrmSyosai::ShowHorse(int k) {
  const RaceCard& card = session_.Card();
  if (k < 0 || k >= int(card.Runners.size())) return;
  const std::string& uma = session_.Store().UmaLines[card.FirstRunnerLine + k];
  auto detail = varnel::ShowHorse(uma, card.RunnerProfile[k]);
  if (!detail) {
    desktop_.ShowError(this, QString::fromStdString(detail.error()));
    return;
  }
  const HorseDetail& d = *detail;
  const QList<QPair<const char*, const std::string*>> texts = {
      {"lblSeinen", &d.lblSeinen},       {"lblUmakigou", &d.lblUmakigou}, {"lblSanti", &d.lblSanti},
      {"lblSeisansya", &d.lblSeisansya}, {"lblBanusi", &d.lblBanusi},     {"lblChokyosi", &d.lblChokyosi},
      {"lblSouSyokin", &d.lblSouSyokin}, {"lblHonSyokin", &d.lblHonSyokin}, {"lblTiti", &d.lblTiti},
      {"lblHaha", &d.lblHaha},           {"lblHahaTiti", &d.lblHahaTiti}, {"lblHahaHaha", &d.lblHahaHaha},
      {"lblKyakusitu", &d.lblKyakusitu}, {"lbl1", &d.lbl1},               {"lbl2", &d.lbl2},
      {"lbl3", &d.lbl3},                 {"lbl4", &d.lbl4},               {"lbl5", &d.lbl5},
      {"lbl6", &d.lbl6},                 {"lbl7", &d.lbl7},               {"lbl8", &d.lbl8},
      {"lbl9", &d.lbl9},                 {"lbl10", &d.lbl10},
  };
  for (const auto& [name, text] : texts) labels_.value(QString::fromLatin1(name))->setText(QString::fromStdString(*text));
  for (int i = 0; i < 8; ++i) {
    const QString m = QString::number(SyosaiLayout::kDistances[i]);
    labels_.value(QStringLiteral("lbl") + m)->setText(QString::fromStdString(d.lblTurf[i]));
    labels_.value(QStringLiteral("lbl") + m + QStringLiteral("d"))->setText(QString::fromStdString(d.lblDirt[i]));
  }
  for (int r = 0; r < 5; ++r) {
    const Grid2Run& run = d.rows[r];
    for (int c = 1; c < SyosaiLayout::kGrid2Columns; ++c) {
      QTableWidgetItem* item = grid2_->item(r, c);
      item->setText(run.filled ? QString::fromStdString(run.cells[c]) : QString());
      const QColor colour(QString::fromStdString(Grid2GetCellColor(c, run.filled ? run.kind : 0)));
      item->setForeground(colour.isValid() ? colour : QColor(Qt::black));
    }
  }
  grid2_->setCurrentCell(0, 0);
}

void TfrmSyosai::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  session_.DetailWindowOpen = true;
}

void TfrmSyosai::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  session_.DetailWindowOpen = false;
}

}  // namespace varnel
