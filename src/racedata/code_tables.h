#pragma once
// The data service's record codes turned into the Japanese words the screens show. Pure
// functions: the code is compared as text, exactly ("01" matches only "01"), and an unknown code
// gives the empty text unless a table names another default. The texts are byte-exact, blanks
// included, because fixed-pitch cells line up by them.
#include <string>
#include <string_view>

namespace varnel {

std::string TurnText(std::string_view code);
std::string SectionText(std::string_view code);
std::string VariantText(std::string_view code);
std::string PaceText(std::string_view code);
std::string StableText(std::string_view code);
std::string HandicapMarkText(std::string_view code);
std::string CategoryText(std::string_view code);
std::string WeekdayText(std::string_view code);
std::string CourseCode(std::string_view courseName);
std::string GradeCodeText(std::string_view code);
std::string WeightRuleText(std::string_view code);
std::string SexText(std::string_view code);
std::string GoingText(std::string_view code);
std::string RunPositionText(std::string_view code);
std::string DesignationText(std::string_view code);
std::string SurfaceName(int surface);
int SurfaceCode(std::string_view letter);
std::string CircledNumber(int n);
std::string SurfaceText(std::string_view steeplechaseFlag, std::string_view turfFlag);
std::string CoatText(std::string_view code);
std::string HorseMarkText(std::string_view code);
std::string ConditionText(std::string_view code);
std::string ClassText(std::string_view code);
std::string PastClassText(std::string_view classCode, std::string_view gradeCode);
std::string FinishText(std::string_view code);
std::string CourseText(std::string_view code);
std::string BirthplaceText(std::string_view code);

}  // namespace varnel
