#include "results/placing_table.h"

#include <vector>

#include "jravan/race_card_record.h"
#include "results/payout_sections.h"
#include "text/century.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote::results {

namespace {

constexpr std::string_view kBlank = "　";
constexpr std::string_view kInitialDot = "．";
constexpr std::string_view kUnknownJockey = "　　　　";
constexpr std::string_view kJockeyErrorTitle = "騎手コードエラー";
constexpr size_t kNameChars = 9;
constexpr size_t kJockeyFieldChars = 8;

// One or two digits in two characters: " 5", "12".
std::string Small(long long n) {
  return n < 10 ? text::DecimalText(n) : std::to_string(n);
}

bool NotWeighed(std::string_view weight) {
  return weight == "000" || weight == "999";
}

std::string SexText(std::string_view code) {
  if (code == "1") return "牡";
  if (code == "2") return "牝";
  if (code == "3") return "ｾﾝ";
  return {};
}

std::string AbnormalMarker(std::string_view code) {
  if (code == "1") return " ＝出走取消＝  ";
  if (code == "2") return " ＝発走除外＝  ";
  if (code == "3") return " ＝競走除外＝  ";
  if (code == "4") return " ＝競走中止＝  ";
  return " ＝　失格　＝  ";
}

// The first horse record with `horse_id` (CP932 bytes); empty when there is none.
std::string_view FindHorse(const text::RecordFile& horses, std::string_view horse_id) {
  for (size_t k = 1; k <= horses.count(); ++k) {
    if (jravan::HorseRecord::IdOf(horses.Record(k)) == horse_id) return horses.Record(k);
  }
  return {};
}

// The characters of a name field, padded with "　" to its 8 characters.
std::vector<std::string> NameChars(std::string_view field) {
  std::vector<std::string> out;
  for (size_t i = 0; i < field.size();) {
    std::string c;
    text::AppendChar(c, text::NextChar(field, i));
    out.push_back(std::move(c));
  }
  while (out.size() < kJockeyFieldChars) out.emplace_back(kBlank);
  return out;
}

// Characters `from` (1-based) to `from + count - 1` of `chars`.
std::string Span(const std::vector<std::string>& chars, size_t from, size_t count) {
  std::string out;
  for (size_t i = from; i < from + count && i <= chars.size(); ++i) out += chars[i - 1];
  return out;
}

// Four-character jockey name from the family and given name fields (8 characters each,
// padded with "　"); a foreign jockey's initial ("Ｍ．") is dropped.
std::string ReportJockeyName(std::string_view family_name, std::string_view given_name) {
  const auto a = NameChars(family_name);
  const auto b = NameChars(given_name);
  std::string name;
  if (a[2] == kBlank) {
    name = Span(a, 1, 3) + b[0];
  } else if (a[1] == kBlank) {
    name =
        b[1] == kBlank ? Span(a, 1, 2) + std::string(kBlank) + b[0] : Span(a, 1, 2) + Span(b, 1, 2);
  } else if (b[1] == kBlank) {
    name = Span(a, 1, 2) + std::string(kBlank) + b[0];
  } else if (b[2] == kBlank) {
    name = Span(a, 1, 2) + Span(b, 1, 2);
  } else {
    name = a[0] + Span(b, 1, 3);
  }
  if (a[1] == kInitialDot) name = Span(a, 3, 4);
  if (a[3] == kInitialDot) name = Span(a, 5, 4);
  return name;
}

class LineBuilder {
 public:
  LineBuilder(const ResultsRecord& record, const PlacingSources& sources, Host& host)
      : record_(record), horses_(sources.horses), jockeys_(sources.jockeys), host_(host) {}

  std::string Finisher(long long place, int number) {
    const HorseResult& slot = record_.horses[number - 1];
    std::string line = Small(place) + "着 " + Horse(number, slot);
    line += slot.time_minutes + "." + slot.time_seconds + "." + slot.time_tenths + " ";
    line += place == 1 ? std::string(7, ' ') : vocab::MarginText("TYAKUSA" + slot.margin) + "  ";
    line += Popularity(slot);
    if (slot.abnormal == std::string(1, kDemoted)) line += "降着" + slot.demotion;
    return line;
  }

  std::string NonFinisher(int number) {
    const HorseResult& slot = record_.horses[number - 1];
    std::string line =
        "--着 " + Horse(number, slot) + AbnormalMarker(slot.abnormal) + Popularity(slot);
    if (horse_ && text::Left(horse_->second_name, 3) == "ジョイ") line += "  ＪＯＹ";
    return line;
  }

 private:
  // Horse number, name, sex, age, weight carried, body weight, weight change and jockey.
  std::string Horse(int number, const HorseResult& slot) {
    const std::string_view bytes = FindHorse(horses_, text::EncodeCp932(slot.horse_id));
    horse_.reset();
    if (!bytes.empty()) horse_ = jravan::HorseRecord::Parse(bytes);

    std::string out = Small(number) + " ";
    if (horse_) {
      out += text::Left(horse_->name, kNameChars) + " " + SexText(horse_->sex);
      const int age =
          text::AgeInRaceYear(static_cast<int>(text::ValInt(record_.year)),
                              static_cast<int>(text::ValInt(text::Left(horse_->birth_date, 2))));
      out += Small(age) + " ";
    } else {
      // A horse missing from the horse file keeps the name column's width only.
      out += text::Repeat(kBlank, kNameChars) + " ";
    }
    out += slot.weight_kg + "." + slot.weight_tenths + "  ";
    out += NotWeighed(slot.body_weight) ? std::string("---") : slot.body_weight;
    out += horse_ ? WeightChange(slot.body_weight, horse_->body_weights) : std::string(4, ' ');
    out += Jockey(slot.jockey_code) + " ";
    return out;
  }

  std::string Jockey(const std::string& code) {
    const std::string wanted = text::EncodeCp932(code);
    for (size_t k = 1; k <= jockeys_.count(); ++k) {
      const std::string_view record = jockeys_.Record(k);
      if (jravan::JockeyRecord::CodeOf(record) != wanted) continue;
      const auto jockey = jravan::JockeyRecord::Parse(record);
      return ReportJockeyName(jockey.family_name, jockey.given_name);
    }
    host_.ShowMessage(code + "が見つかりません。\r最新の騎手ファイルを使用してください\r",
                      kJockeyErrorTitle, MessageIcon::kExclamation);
    return std::string(kUnknownJockey);
  }

  static std::string Popularity(const HorseResult& slot) {
    if (text::ValInt(slot.popularity) < 10) return " " + text::Right(slot.popularity, 1);
    return slot.popularity;
  }

  const ResultsRecord& record_;
  const text::RecordFile& horses_;
  const text::RecordFile& jockeys_;
  Host& host_;
  std::optional<jravan::HorseRecord> horse_;  // the horse of the line being built
};

}  // namespace

std::string WeightChange(std::string_view body_weight,
                         const std::array<std::string, 5>& earlier_weights) {
  const std::string blanks(4, ' ');
  if (NotWeighed(body_weight)) return blanks;
  for (const std::string& earlier : earlier_weights) {
    if (NotWeighed(earlier) || earlier == "   ") return blanks;
    if (text::ValInt(earlier) <= 0) continue;
    const long long d = text::ValInt(body_weight) - text::ValInt(earlier);
    if (d > 9) return "+" + std::to_string(d) + " ";
    if (d >= 1) return " +" + std::to_string(d) + " ";
    if (d == 0) return "  0 ";
    if (d < -9) return std::to_string(d) + " ";
    return " " + std::to_string(d) + " ";
  }
  return blanks;
}

std::string PlacingTable(const ResultsRecord& record, const PlacingSources& sources, Host& host) {
  const int runners = record.HorsesInUse();
  int without_placing = 0;
  for (int j = 1; j <= runners; ++j) without_placing += record.horses[j - 1].HasNoPlacing();

  LineBuilder lines(record, sources, host);
  std::string out;
  for (int place = 1; place <= runners - without_placing; ++place) {
    for (int j = 1; j <= runners; ++j) {
      if (text::ValInt(record.horses[j - 1].position) == place) {
        AddResultsLine(out, lines.Finisher(place, j));
      }
    }
  }
  for (int j = 1; j <= runners; ++j) {
    if (record.horses[j - 1].HasNoPlacing()) AddResultsLine(out, lines.NonFinisher(j));
  }
  return out;
}

}  // namespace mirtote::results
