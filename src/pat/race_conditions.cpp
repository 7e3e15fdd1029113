#include "pat/race_conditions.h"

#include "text/chars.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kOpen = "999";
constexpr std::string_view kLimitUnit = "00万下";

// "000" (or a blank field) means the age group does not run.
bool Runs(std::string_view code) {
  return text::ValInt(code) != 0;
}

// One class in the column after an age label: "オープン", the newcomer / maiden words, or
// a prize-money limit whose "00万下" stays in one column for one- and two-digit limits.
std::string ClassAfter(std::string_view age_label, std::string_view code) {
  std::string out(age_label);
  if (code == kOpen) return out + "  オープン";
  if (code == "701") return out + "  新　馬　";
  if (code == "702") return out + "  未出走　";
  if (code == "703") return out + "  未勝利　";
  const long long limit = text::ValInt(code);
  out += limit < 10 ? "   " : "  ";
  return out + std::to_string(limit) + std::string(kLimitUnit);
}

// "N歳以上  オープン" for the youngest group named by the text so far.
std::string OpenFromYoungest(const std::string& so_far, std::string_view fallback) {
  const std::string first = text::Left(so_far, 1);
  if (first == "３" || first == "４" || first == "５") return first + "歳以上  オープン";
  return std::string(fallback);
}

}  // namespace

std::string ClassText(const std::array<std::string, 4>& codes) {
  const std::string& c3 = codes[0];
  const std::string& c4 = codes[1];
  const std::string& c5 = codes[2];
  const std::string& c6 = codes[3];
  std::string out;
  bool earlier = false;

  if (Runs(c3)) {
    out = ClassAfter("３歳　　", c3);
    earlier = true;
  }
  if (Runs(c4)) {
    if (!earlier) {
      out = ClassAfter("４歳　　", c4);
    } else if (c4 == kOpen) {
      out = "３歳以上  オープン";
    } else {
      out = ClassAfter("３歳以上", c3);
    }
    earlier = true;
  }
  if (Runs(c5)) {
    if (c5 == kOpen) {
      const std::string first = text::Left(out, 1);
      out = first == "３" || first == "４" ? first + "歳以上  オープン" : "５歳　　  オープン";
    } else if (earlier) {
      out = ClassAfter("４歳以上", c4);
    } else {
      out = ClassAfter("５歳　　", c5);
    }
    earlier = true;
  }
  if (Runs(c6)) {
    if (c6 == kOpen) {
      out = OpenFromYoungest(out, "６歳以上  オープン");
    } else if (earlier) {
      if (out.find("以上") == std::string::npos) out = ClassAfter("５歳以上", c5);
    } else {
      // Alone, a one-digit limit reads "６歳以上", the other classes "６歳　　".
      const long long limit = text::ValInt(c6);
      const bool word = c6 == "701" || c6 == "702" || c6 == "703";
      out = ClassAfter(!word && limit < 10 ? "６歳以上" : "６歳　　", c6);
    }
  }
  return out;
}

std::string WeightRuleText(std::string_view code) {
  if (code == "1") return "ハンデ  ";
  if (code == "2") return "別定　  ";
  if (code == "3") return "馬齢　  ";
  if (code == "4") return "定量　  ";
  return {};
}

std::string GradeText(std::string_view code) {
  if (code == "A") return "Ｇ１    ";
  if (code == "B") return "Ｇ２    ";
  if (code == "C") return "Ｇ３    ";
  if (code == "D") return "重賞    ";
  if (code == "E") return "特別    ";
  return "　　    ";
}

std::string TrackText(std::string_view course) {
  const char kind = course.empty() ? ' ' : course[0];
  const char sub = course.size() < 2 ? ' ' : course[1];
  if (kind == '1') return "芝　　 ";
  if (kind == '2') return sub == '1' || sub == '2' ? "芝　　 " : "ダート ";
  if (kind == '5') return "障害　 ";
  return {};
}

}  // namespace mirtote::pat
