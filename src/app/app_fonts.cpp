#include "app_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace varnel {
namespace {

void SetFamilies(QFont& f, std::string_view name) {
  const bool proportional = name.find("Ｐ") != std::string_view::npos;
  if (proportional && QFontDatabase::hasFamily(QStringLiteral("IPAPGothic"))) {
    f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  } else {
    f.setFamilies({QStringLiteral("IPAGothic")});
    if (!proportional) f.setFixedPitch(true);
  }
}

}  // namespace

QFont FontByWindowsName(std::string_view name, int points, bool bold) {
  QFont f;
  SetFamilies(f, name);
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

QFont FontByWindowsNamePixels(std::string_view name, int pixels, bool bold) {
  QFont f;
  SetFamilies(f, name);
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace varnel
