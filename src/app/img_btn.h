#pragma once
// TImgBtn: a picture button with normal, hover and pressed pictures. It swaps them on mouse
// enter, leave, press and release only while Supported is true.
#include <QPixmap>
#include <QToolButton>

namespace varnel {

class TImgBtn : public QToolButton {
  Q_OBJECT
 public:
  TImgBtn(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed, QWidget* parent = nullptr);

  bool Supported = false;

 protected:
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Use(const QPixmap& pm);
  QPixmap normal_, hover_, pressed_;
};

}  // namespace varnel
