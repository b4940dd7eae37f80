#pragma once
// TfrmAbout: the picture window. At start it is the splash (opaque, gone as soon as it loses
// activation); from the help menu it is the version window, fading in over the main window.
#include <QDialog>
#include <QImage>
#include <QRegion>

class QLabel;
class QTimer;

namespace varnel {

// The window shape of a picture: pixels of its transparent colour (the colour of the
// bottom-left pixel) are left out; every horizontal run of other pixels is one rectangle.
QRegion RegionFromPicture(const QImage& picture);

class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  // A splash has no owner; a version window is owned by the main window and fades in.
  enum class Mode { Splash, Version };
  TfrmAbout(Mode mode, QWidget* owner = nullptr);

  int Opacity() const { return opacity_; }
  QTimer* Timer1() const { return timer1_; }
  QLabel* Label1() const { return label1_; }
  QLabel* Label2() const { return label2_; }

  void Timer1Timer();
  void Image1Click();

 protected:
  void changeEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void FormCreate();
  void FormDeactivate();
  void SetOpacity(int value);

  Mode mode_;
  QImage picture_;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QTimer* timer1_ = nullptr;
  int opacity_ = 255;
  bool wasActive_ = false;
};

}  // namespace varnel
