#include "results/payout_sections.h"

#include "text/chars.h"
#include "text/number.h"

namespace mirtote::results {

namespace {

constexpr std::string_view kEmptyAmount = "0000000";
constexpr std::string_view kEmptyQuinellaAmount = "00000000";
constexpr std::string_view kDeadHeatLabel = " (同　着)     ";
constexpr size_t kRuleColumns = 78;

bool Positive(std::string_view amount) {
  return text::ValInt(amount) > 0;
}

// Horse number and amount: P(horse, 2) + " " + P(amount, 6) + "円".
std::string HorseAmount(const Payout& payout) {
  return PayoutPicture(payout.number, 2) + " " + PayoutPicture(payout.amount, 6) + "円";
}

std::string BracketAmount(const Payout& payout) {
  return PayoutPicture(text::Left(payout.number, 1), 1) + "-" +
         PayoutPicture(text::Mid(payout.number, 2, 1), 1) + " " + PayoutPicture(payout.amount, 6) +
         "円";
}

std::string QuinellaAmount(const QuinellaPayout& payout) {
  return PayoutPicture(text::Left(payout.pair, 2), 2) + "-" +
         PayoutPicture(text::Mid(payout.pair, 3, 2), 2) + " " + PayoutPicture(payout.amount, 6) +
         "円";
}

template <typename Array>
std::string MoneyColumns(const Array& values, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out += PayoutPicture(values[i], 7) + "  ";
  return out;
}

}  // namespace

std::string ResultsRule() {
  return std::string(kRuleColumns, '-');
}

void AddResultsLine(std::string& out, std::string_view line) {
  out += line;
  out += "\r\n";
}

std::string PayoutPicture(std::string_view field, int width) {
  return text::Picture(text::ValInt(field), width);
}

char DeadHeatFlag(const ResultsRecord& r) {
  char flag = '0';
  for (size_t k = 1; k <= 2; ++k) {
    if (r.win[k].amount != kEmptyAmount) flag = 'T';
    if (r.bracket_quinella[k].amount != kEmptyAmount) flag = '1';
    if (r.quinella[k].amount != kEmptyQuinellaAmount) flag = '1';
  }
  if (text::ValInt(r.horse_count) <= 7) {
    if (r.place[2].amount != kEmptyAmount) flag = flag == '1' ? '2' : '1';
  } else if (r.horse_count == "09") {
    for (size_t slot : {7, 8}) {
      const std::string& code = r.horses[slot].abnormal;
      if ((code == "1" || code == "2") && r.place[2].amount != kEmptyAmount) flag = '1';
    }
  } else if (r.place[3].amount != kEmptyAmount) {
    flag = '1';
  }
  return flag;
}

std::string PayoutSection(const ResultsRecord& r, char flag) {
  std::string out;
  AddResultsLine(out, "☆★払戻金情報★☆");
  AddResultsLine(out, "　単　勝     " + HorseAmount(r.win[0]));
  for (size_t k = 1; flag == '1' && k <= 2; ++k) {
    if (Positive(r.win[k].amount))
      AddResultsLine(out, std::string(kDeadHeatLabel) + HorseAmount(r.win[k]));
  }
  for (size_t k = 0; k < r.place.size(); ++k) {
    if (!Positive(r.place[k].amount)) continue;
    const std::string label =
        k < 3 ? "　複勝 " + std::to_string(k + 1) + "     " : std::string(" (複勝)      ");
    AddResultsLine(out, label + HorseAmount(r.place[k]));
  }
  AddResultsLine(out, "　枠　連    " + BracketAmount(r.bracket_quinella[0]));
  for (size_t k = 1; flag == '1' && k <= 2; ++k) {
    if (Positive(r.bracket_quinella[k].amount)) {
      AddResultsLine(out, std::string(kDeadHeatLabel) + BracketAmount(r.bracket_quinella[k]));
    }
  }
  if (Positive(r.quinella[0].amount)) {
    AddResultsLine(out, "　馬　連  " + QuinellaAmount(r.quinella[0]));
    for (size_t k = 1; flag == '1' && k <= 2; ++k) {
      if (Positive(r.quinella[k].amount)) {
        AddResultsLine(out, std::string(kDeadHeatLabel) + QuinellaAmount(r.quinella[k]));
      }
    }
  }
  return out;
}

std::string PrizeSection(const ResultsRecord& r, char flag) {
  std::string out;
  AddResultsLine(out, "☆★ 賞金情報 ★☆（単位：千円）");
  std::string header = "　　　　　　 １　着 　２　着 　３　着 　４　着 　５　着";
  if (flag != '0') header += " 　同　着 　同　着";
  AddResultsLine(out, header);
  const bool dead_heat = flag == '1';
  AddResultsLine(out, "　本 賞 金　" + MoneyColumns(r.prize_money, dead_heat ? 7 : 5));
  AddResultsLine(out, "　付加賞金　" + MoneyColumns(r.added_money, dead_heat ? 5 : 3));
  AddResultsLine(out, ResultsRule());
  return out;
}

}  // namespace mirtote::results
