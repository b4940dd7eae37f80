#pragma once
// Number and padding helpers shared by every screen and file. All widths are Shift_JIS byte
// counts (see SjisWidth), because the fixed-pitch cells and the bet texts line up by them.
#include <string>
#include <string_view>

namespace varnel {

// The decimal integer in the text; 0 when the text is empty or not an integer. Leading blanks
// are accepted, trailing blanks are not.
int ToInt(std::string_view text);
// True and the value when the text is an integer under the rules of ToInt.
bool TryToInt(std::string_view text, int& value);
// The decimal number in the text; 0 when it is not a number. Blanks around it are accepted.
double ToFloat(std::string_view text);
bool TryToFloat(std::string_view text, double& value);

// ToInt of the text written back in decimal ("07" gives "7", "ab" gives "0").
std::string NumberText(std::string_view text);
// n with a leading "0" when n <= 9.
std::string TwoDigits(int n);
// n with a leading half-width blank when n <= 9.
std::string SpacedNumber(int n);
// "0"s / blanks prepended or blanks appended until the Shift_JIS width reaches `width`.
std::string ZeroPad(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);
std::string PadRight(std::string_view text, int width);
// The text without its last n characters (empty when it has n or fewer).
std::string DropLast(std::string_view text, int n);
// The folder with the platform's path separator appended unless it already ends in one.
std::string WithBackslash(std::string_view folder);

// The "#0.0" format: one decimal, at least one integer digit, halves rounded away from zero on
// the decimal value (2.25 gives "2.3"), as the figures in the data service's own tables read.
std::string FormatOneDecimal(double value);

// Blanks and control characters removed at both ends (and at the right end). The full-width
// blank is a character of the text and stays.
std::string_view Trim(std::string_view text);
std::string_view TrimRight(std::string_view text);

}  // namespace varnel
