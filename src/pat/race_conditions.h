#pragma once
// Texts of the conditions line of a race's odds text: the class text built from the four
// age groups' class codes, and the weight-rule, grade and track texts.

#include <array>
#include <string>
#include <string_view>

namespace mirtote::pat {

// Class codes of the 3-year-olds, 4-year-olds, 5-year-olds and 6-year-olds-and-older
// ("000" when the group does not run) to the class text, e.g. "４歳以上   900万下".
std::string ClassText(const std::array<std::string, 4>& class_codes);

// Weight rule code "1"-"4" to "ハンデ  " ...; empty for any other code.
std::string WeightRuleText(std::string_view code);
// Grade code "A"-"E" to "Ｇ１    " ...; "　　    " for any other code.
std::string GradeText(std::string_view code);
// Two-character course code to "芝　　 ", "ダート " or "障害　 "; empty for any other code.
std::string TrackText(std::string_view course);

}  // namespace mirtote::pat
