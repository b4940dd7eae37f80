#pragma once
// The program's artwork, drawn at run time so that no binary pictures travel with the sources.
#include <QImage>
#include <QPixmap>
#include <QString>

namespace varnel {

// Splash picture 410 x 180: a rounded card on a background of one key colour, which is also the
// colour of its bottom-left pixel (the window's transparent colour).
QImage MakeSplashPicture();

enum class ButtonState { Normal, Hover, Pressed };
// Tool button ImgBtn<index>, 40 x 40.
QPixmap MakeToolButtonPicture(int index, ButtonState state);

// Race pattern picture imgPatt<index>, lit or not, 48 x 22, with its caption.
QPixmap MakePatternPicture(int index, const QString& caption, bool lit);

// The home-page link picture, 158 x 50.
QPixmap MakeLinkPicture();

}  // namespace varnel
