#include "results/day_payout_table.h"

#include "results/payout_sections.h"
#include "results/race_report.h"
#include "results/results_record.h"
#include "text/chars.h"
#include "text/number.h"

namespace mirtote::results {

namespace {

constexpr std::string_view kHeader =
    "Race|  単 勝  |  複勝１ |  複勝２ |  複勝３ |  枠  連  |   馬  連   |返還&同着";
constexpr std::string_view kSeparator =
    "----+---------+-----------------------------+----------+------------+---------";
constexpr std::string_view kNotice =
    "※なお、各レースの成績、及び配当金は主催者発行のものと、必ずご照合ください。";
constexpr std::string_view kDeadHeatRowStart = "*   |";
constexpr std::string_view kDeadHeatRowEnd = "|※同着   ";
constexpr size_t kRuleColumns = 78;
constexpr size_t kRefundColumns = 9;

// Sum and count of the printed amounts of one kind; an amount of 0 is never counted.
struct Average {
  long long sum = 0;
  long long count = 0;
  void Add(long long amount) {
    if (amount <= 0) return;
    sum += amount;
    ++count;
  }
  // Rounded down to 10 yen; 0 for a kind with no amount that day.
  long long Value() const { return count == 0 ? 0 : sum / count / 10 * 10; }
};

class Table {
 public:
  std::string Row(const ResultsRecord& r) {
    const char flag = DeadHeatFlag(r);
    std::string out = (flag == '0' ? " " : "*") + PayoutPicture(r.race_number, 2) + "R|";
    out += WinCell(r.win[0], false) + PlaceCell(r.place[0]) + PlaceCell(r.place[1]) +
           PlaceCell(r.place[2]) + BracketCell(r.bracket_quinella[0], false) +
           QuinellaCell(r.quinella[0]) + RefundCell(r);
    AddResultsLine(out, "");
    if (flag != '0') DeadHeatRow(out, r, 1);
    const bool third = text::ValInt(r.win[2].amount) > 0 || text::ValInt(r.place[4].amount) > 0 ||
                       text::ValInt(r.bracket_quinella[2].amount) > 0 ||
                       text::ValInt(r.quinella[2].amount) > 0;
    if (third) DeadHeatRow(out, r, 2);
    return out;
  }

  std::string AverageRow() const {
    return "平均|   " + text::Picture(win_.Value(), 6) + "|" + std::string(23, ' ') +
           text::Picture(place_.Value(), 6) + "|" + std::string(4, ' ') +
           text::Picture(bracket_.Value(), 6) + "|" + std::string(6, ' ') +
           text::Picture(quinella_.Value(), 6) + "|" + std::string(9, ' ');
  }

 private:
  // Entries k of the dead-heat columns (1: W2, F4, B2, Q2; 2: W3, F5, B3, Q3).
  void DeadHeatRow(std::string& out, const ResultsRecord& r, size_t k) {
    const std::string blank_place = "  |      |";
    std::string quinella = QuinellaCell(r.quinella[k]);
    quinella.pop_back();  // the row's end supplies the closing bar
    AddResultsLine(out, std::string(kDeadHeatRowStart) + WinCell(r.win[k], true) + blank_place +
                            blank_place + PlaceCell(r.place[k + 2]) +
                            BracketCell(r.bracket_quinella[k], true) + quinella +
                            std::string(kDeadHeatRowEnd));
  }

  std::string WinCell(const Payout& p, bool blank_when_zero) {
    const long long amount = text::ValInt(p.amount);
    if (blank_when_zero && amount == 0) return "  |      |";
    win_.Add(amount);
    return PayoutPicture(p.number, 2) + "|" + text::Picture(amount, 6) + "|";
  }

  std::string PlaceCell(const Payout& p) {
    const long long amount = text::ValInt(p.amount);
    if (amount == 0) return "  |      |";
    place_.Add(amount);
    return PayoutPicture(p.number, 2) + "|" + text::Picture(amount, 6) + "|";
  }

  std::string BracketCell(const Payout& p, bool blank_when_zero) {
    const long long amount = text::ValInt(p.amount);
    if (blank_when_zero && amount == 0) return "   |      |";
    bracket_.Add(amount);
    return PayoutPicture(text::Left(p.number, 1), 1) + "-" +
           PayoutPicture(text::Mid(p.number, 2, 1), 1) + "|" + text::Picture(amount, 6) + "|";
  }

  std::string QuinellaCell(const QuinellaPayout& p) {
    const long long amount = text::ValInt(p.amount);
    if (amount == 0) return "     |      |";
    quinella_.Add(amount);
    return PayoutPicture(text::Left(p.pair, 2), 2) + "-" +
           PayoutPicture(text::Mid(p.pair, 3, 2), 2) + "|" + text::Picture(amount, 6) + "|";
  }

  // Horses excluded at the start, "3,11", padded on the left to 9 columns.
  static std::string RefundCell(const ResultsRecord& r) {
    std::string numbers;
    for (int j = 1; j <= r.HorsesInUse(); ++j) {
      if (r.horses[j - 1].abnormal != std::string(1, kExcludedAtStart)) continue;
      if (!numbers.empty()) numbers += ",";
      numbers += std::to_string(j);
    }
    if (numbers.size() < kRefundColumns) numbers.insert(0, kRefundColumns - numbers.size(), ' ');
    return numbers;
  }

  Average win_, place_, bracket_, quinella_;
};

}  // namespace

std::string DayPayoutTable(const text::RecordFile& file, std::string_view venue_name,
                           const std::array<bool, kRaceCount>& races) {
  const ResultsRecord first = ResultsRecord::Parse(file.Record(1));
  std::string out;
  AddResultsLine(out, "☆★払戻金情報★☆  " + MeetingText(first, venue_name) + std::string(22, ' ') +
                          RaceDateText(first));
  AddResultsLine(out, std::string(kRuleColumns, '='));
  AddResultsLine(out, kHeader);
  AddResultsLine(out, kSeparator);

  Table table;
  size_t first_ticked = 0;
  while (first_ticked < races.size() && !races[first_ticked]) ++first_ticked;
  for (size_t n = first_ticked + 1; n <= file.count() && n <= races.size(); ++n) {
    if (races[n - 1]) out += table.Row(ResultsRecord::Parse(file.Record(n)));
  }

  AddResultsLine(out, kSeparator);
  AddResultsLine(out, table.AverageRow());
  AddResultsLine(out, kSeparator);
  AddResultsLine(out, kNotice);
  AddResultsLine(out, std::string(kRuleColumns, '='));
  AddResultsLine(out, "");
  return out;
}

}  // namespace mirtote::results
