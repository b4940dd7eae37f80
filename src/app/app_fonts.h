#pragma once
// The Windows fonts the windows are drawn in, mapped to the IPA fonts: "ＭＳ ゴシック" (fixed
// pitch, so the past-run columns line up) to IPAGothic, "ＭＳ Ｐゴシック" (proportional) to
// IPAPGothic, falling back to IPAGothic where the proportional font is not installed.
#include <QFont>
#include <string_view>

namespace varnel {

QFont FontByWindowsName(std::string_view name, int points, bool bold = false);
QFont FontByWindowsNamePixels(std::string_view name, int pixels, bool bold = false);

}  // namespace varnel
