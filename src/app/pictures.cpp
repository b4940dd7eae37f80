#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace varnel {
namespace {

const QColor kKeyColour(255, 0, 255);

QFont PictureFont(int pixels, bool bold) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace

QImage MakeSplashPicture() {
  QImage img(410, 180, QImage::Format_RGB32);
  img.fill(kKeyColour);
  QPainter p(&img);
  // No antialiasing at the edge: a blended edge pixel would be neither key colour nor card.
  p.setRenderHint(QPainter::Antialiasing, false);
  QPainterPath card;
  card.addRoundedRect(QRectF(4, 4, 402, 172), 22, 22);
  QLinearGradient g(0, 0, 0, 180);
  g.setColorAt(0, QColor(0xFA, 0xF1, 0xE4));
  g.setColorAt(1, QColor(0xE2, 0xC9, 0xA6));
  p.fillPath(card, g);
  p.setPen(QPen(QColor(58, 29, 29), 2));
  p.drawPath(card);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(PictureFont(54, true));
  p.setPen(QColor(0x7A, 0x1F, 0x1F));
  p.drawText(QRect(0, 22, 410, 70), Qt::AlignCenter, QStringLiteral("Varnel"));
  p.setFont(PictureFont(15, false));
  p.setPen(QColor(58, 29, 29));
  p.drawText(QRect(0, 92, 410, 24), Qt::AlignCenter, QStringLiteral("競馬指数と買い目の予想ソフト"));
  return img;
}

QPixmap MakeToolButtonPicture(int index, ButtonState state) {
  static const char* const kGlyphs[] = {"DL", "開", "選", "◀", "▶", "図", "人", "出", "GAP", "?"};
  QPixmap pm(40, 40);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  QColor face = state == ButtonState::Normal  ? QColor(0x5B, 0x6E, 0x8C)
                : state == ButtonState::Hover ? QColor(0x7A, 0x90, 0xB4)
                                              : QColor(0x3E, 0x4C, 0x63);
  const int shift = state == ButtonState::Pressed ? 1 : 0;
  p.setBrush(face);
  p.setPen(QPen(face.darker(140), 1));
  p.drawRoundedRect(QRectF(2.5 + shift, 2.5 + shift, 34, 34), 7, 7);
  p.setPen(Qt::white);
  const QString glyph = QString::fromUtf8(kGlyphs[index >= 0 && index < 10 ? index : 0]);
  p.setFont(PictureFont(glyph.size() > 2 ? 11 : 16, true));
  p.drawText(QRect(2 + shift, 2 + shift, 35, 35), Qt::AlignCenter, glyph);
  return pm;
}

QPixmap MakePatternPicture(int index, const QString& caption, bool lit) {
  static const QColor kLit[] = {QColor(0xE0, 0x40, 0x40), QColor(0xE0, 0x90, 0x20),
                                QColor(0x30, 0x90, 0x40), QColor(0x30, 0x60, 0xC0)};
  QPixmap pm(48, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor c = lit ? kLit[index & 3] : QColor(0x9A, 0x9A, 0x9A);
  p.setBrush(lit ? c : QColor(0x55, 0x55, 0x55));
  p.setPen(QPen(c, 1.5));
  p.drawRoundedRect(QRectF(1, 1, 46, 20), 5, 5);
  p.setFont(PictureFont(12, true));
  p.setPen(lit ? QColor(Qt::white) : QColor(0x9A, 0x9A, 0x9A));
  p.drawText(QRect(0, 0, 48, 22), Qt::AlignCenter, caption);
  return pm;
}

QPixmap MakeLinkPicture() {
  QPixmap pm(158, 50);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setBrush(QColor(0x7A, 0x1F, 0x1F));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(2, 4, 154, 42), 8, 8);
  p.setPen(QColor(0xFA, 0xF1, 0xE4));
  p.setFont(PictureFont(26, true));
  p.drawText(QRect(0, 4, 158, 42), Qt::AlignCenter, QStringLiteral("Varnel"));
  return pm;
}

}  // namespace varnel
