#include "pat/race_conditions.h"

#include <gtest/gtest.h>

#include "pat/jockey_name.h"

namespace mirtote::pat {
namespace {

struct ClassCase {
  std::array<std::string, 4> codes;  // 3-year-olds, 4, 5, 6 and older
  std::string text;
};

TEST(ClassText, EveryRowOfTheAgeGroupTable) {
  const ClassCase cases[] = {
      // 3-year-olds first
      {{"999", "000", "000", "000"}, "３歳　　  オープン"},
      {{"701", "000", "000", "000"}, "３歳　　  新　馬　"},
      {{"702", "000", "000", "000"}, "３歳　　  未出走　"},
      {{"703", "000", "000", "000"}, "３歳　　  未勝利　"},
      {{"005", "000", "000", "000"}, "３歳　　   500万下"},
      {{"010", "000", "000", "000"}, "３歳　　  1000万下"},
      // 4-year-olds alone, and after the 3-year-olds
      {{"000", "999", "000", "000"}, "４歳　　  オープン"},
      {{"000", "009", "000", "000"}, "４歳　　   900万下"},
      {{"000", "016", "000", "000"}, "４歳　　  1600万下"},
      {{"000", "702", "000", "000"}, "４歳　　  未出走　"},
      {{"005", "999", "000", "000"}, "３歳以上  オープン"},
      {{"005", "010", "000", "000"}, "３歳以上   500万下"},
      // the 3-year-olds' limit keeps its column, and a maiden class stays a word
      {{"016", "016", "000", "000"}, "３歳以上  1600万下"},
      {{"703", "703", "000", "000"}, "３歳以上  未勝利　"},
      // 5-year-olds
      {{"005", "010", "999", "000"}, "３歳以上  オープン"},
      {{"000", "999", "999", "999"}, "４歳以上  オープン"},
      {{"000", "000", "999", "000"}, "５歳　　  オープン"},
      {{"000", "005", "010", "010"}, "４歳以上   500万下"},
      {{"000", "016", "016", "016"}, "４歳以上  1600万下"},
      {{"000", "000", "009", "000"}, "５歳　　   900万下"},
      {{"000", "000", "703", "000"}, "５歳　　  未勝利　"},
      // 6-year-olds and older
      {{"000", "000", "009", "999"}, "５歳以上  オープン"},
      {{"005", "000", "000", "999"}, "３歳以上  オープン"},
      {{"000", "000", "009", "009"}, "５歳以上   900万下"},
      {{"000", "000", "016", "016"}, "５歳以上  1600万下"},
      {{"000", "000", "703", "703"}, "５歳以上  未勝利　"},
      {{"000", "000", "000", "999"}, "６歳以上  オープン"},
      {{"000", "000", "000", "005"}, "６歳以上   500万下"},
      {{"000", "000", "000", "701"}, "６歳　　  新　馬　"},
      {{"000", "000", "000", "010"}, "６歳　　  1000万下"},
      {{"000", "000", "000", "000"}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassText(c.codes), c.text)
        << c.codes[0] << " " << c.codes[1] << " " << c.codes[2] << " " << c.codes[3];
  }
}

// Rules 1 and 4 and grades A and E are in the race text's whole-output tests.
TEST(ConditionTexts, WeightRuleGradeAndTrack) {
  using Lookup = std::string (*)(std::string_view);
  const std::tuple<Lookup, const char*, const char*> cases[] = {
      {WeightRuleText, "2", "別定　  "},
      {WeightRuleText, "3", "馬齢　  "},
      {WeightRuleText, "5", ""},
      {GradeText, "B", "Ｇ２    "},
      {GradeText, "C", "Ｇ３    "},
      {GradeText, "D", "重賞    "},
      {GradeText, " ", "　　    "},
      {TrackText, "17", "芝　　 "},
      {TrackText, "21", "芝　　 "},
      {TrackText, "22", "芝　　 "},
      {TrackText, "23", "ダート "},
      {TrackText, "51", "障害　 "},
      {TrackText, "3", ""},
      {TrackText, "", ""},
  };
  for (const auto& [lookup, code, text] : cases) EXPECT_EQ(lookup(code), text) << code;
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
