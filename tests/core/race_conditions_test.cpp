#include "pat/race_conditions.h"

#include <gtest/gtest.h>

#include "pat/jockey_name.h"
#include "support/test_support.h"

namespace mirtote::pat {
namespace {

// The class of the age groups (the codes of 3-year-olds, 4, 5, 6 and older) and the weight
// rule, grade and track texts beyond the ones the whole race texts show.
TEST(ConditionTexts, EveryCaseOfTheTable) {
  const auto lookup = [](const std::string& name, const std::string& in) -> std::string {
    if (name == "ClassText") {
      return ClassText({in.substr(0, 3), in.substr(4, 3), in.substr(8, 3), in.substr(12, 3)});
    }
    if (name == "WeightRuleText") return WeightRuleText(in);
    if (name == "GradeText") return GradeText(in);
    if (name == "TrackText") return TrackText(in);
    return "unknown table " + name;
  };
  EXPECT_EQ(testing::TableDiff("pat/condition_texts.txt", lookup), "");
}

// The rules the race texts' jockeys leave out: a one-character family name with a
// two-character given name, and fields shorter than the record's (read as padded).
TEST(JockeyShortName, OtherFormsAndShortFields) {
  EXPECT_EQ(JockeyShortName("南　　　　　　　", "井克　　　　　　"), "南　井克");
  EXPECT_EQ(JockeyShortName("武", "豊"), "武　　豊");
  EXPECT_EQ(JockeyShortName("", ""), "　　　　");
}

}  // namespace
}  // namespace mirtote::pat
