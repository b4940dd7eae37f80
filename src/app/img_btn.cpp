#include "img_btn.h"

namespace varnel {

TImgBtn::TImgBtn(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed, QWidget* parent)
    : QToolButton(parent), normal_(normal), hover_(hover), pressed_(pressed) {
  setAutoRaise(true);
  setIconSize(normal.size());
  setFixedSize(normal.size() + QSize(4, 4));
  setFocusPolicy(Qt::NoFocus);
  Use(normal_);
}

void TImgBtn::Use(const QPixmap& pm) { setIcon(QIcon(pm)); }

void TImgBtn::enterEvent(QEnterEvent* e) {
  if (Supported) Use(hover_);
  QToolButton::enterEvent(e);
}

void TImgBtn::leaveEvent(QEvent* e) {
  if (Supported) Use(normal_);
  QToolButton::leaveEvent(e);
}

void TImgBtn::mousePressEvent(QMouseEvent* e) {
  if (Supported) Use(pressed_);
  QToolButton::mousePressEvent(e);
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* e) {
  if (Supported) Use(underMouse() ? hover_ : normal_);
  QToolButton::mouseReleaseEvent(e);
}

}  // namespace varnel
