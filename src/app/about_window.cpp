#include "about_window.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVector>

#include "pictures.h"

namespace varnel {

QRegion RegionFromPicture(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage img = picture.convertToFormat(QImage::Format_RGB32);
  const QRgb transparent = img.pixel(0, img.height() - 1) & 0xFFFFFF;
  QVector<QRect> rects;
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    int x = 0;
    while (x < img.width()) {
      while (x < img.width() && (line[x] & 0xFFFFFF) == transparent) ++x;
      const int start = x;
      while (x < img.width() && (line[x] & 0xFFFFFF) != transparent) ++x;
      if (x > start) rects.push_back(QRect(start, y, x - start, 1));
    }
  }
  QRegion region;
  region.setRects(rects.constData(), int(rects.size()));
  return region;
}

TfrmAbout::TfrmAbout(Mode mode, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint | (mode == Mode::Splash ? Qt::SplashScreen : Qt::Dialog)),
      mode_(mode) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setAttribute(Qt::WA_DeleteOnClose);
  FormCreate();
}

void TfrmAbout::FormCreate() {
  picture_ = MakeSplashPicture();
  auto* image1 = new QLabel(this);
  image1->setObjectName(QStringLiteral("Image1"));
  image1->setPixmap(QPixmap::fromImage(picture_));
  image1->setGeometry(0, 0, picture_.width(), picture_.height());
  image1->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks reach the window: Image1Click
  setFixedSize(picture_.size());

  QFont f(QStringLiteral("IPAPGothic"));
  f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  f.setPixelSize(12);
  const QString style = QStringLiteral("color: rgb(58, 29, 29); background: transparent;");
  label1_ = new QLabel(QStringLiteral("Version 1.01"), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(148, 155, 122, 14);
  label2_ = new QLabel(QStringLiteral("Copyright (C) 2024-2026 Varnel Project"), this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setGeometry(95, 138, 234, 14);
  for (QLabel* l : {label1_, label2_}) {
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setStyleSheet(style);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  QRegion shape = RegionFromPicture(picture_);
  // An empty mask would mean "no shape" to Qt; the picture asks for an invisible window instead.
  if (shape.isEmpty()) shape = QRegion(-1, -1, 1, 1);
  setMask(shape);

  timer1_ = new QTimer(this);
  timer1_->setInterval(1);
  connect(timer1_, &QTimer::timeout, this, &TfrmAbout::Timer1Timer);
  if (mode_ == Mode::Version) {
    SetOpacity(0);
    timer1_->start();
  }
}

void TfrmAbout::SetOpacity(int value) {
  opacity_ = value;
  setWindowOpacity(value / 255.0);
}

void TfrmAbout::Timer1Timer() {
  if (opacity_ < 235) {
    SetOpacity(opacity_ + 20);
  } else {
    SetOpacity(255);
    timer1_->stop();
  }
}

void TfrmAbout::Image1Click() { close(); }

void TfrmAbout::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) Image1Click();
}

void TfrmAbout::FormDeactivate() { close(); }

void TfrmAbout::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange) {
    // Only a window that had the focus can lose it; a splash shown without activation stays
    // until the main window takes over.
    if (isActiveWindow()) wasActive_ = true;
    else if (wasActive_) FormDeactivate();
  }
  QDialog::changeEvent(e);
}

}  // namespace varnel
