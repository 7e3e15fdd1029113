// The quinella triangle of the newspaper-style odds sheets.

#include <array>

#include "pat/newspaper_sheet.h"
#include "pat/pat_file.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kFirstBlockColumns = 10;
constexpr size_t kHeaderGap = 50;  // spaces between the first column's label and the time

}  // namespace

// Row 1 is the header row; row j (2 to n) starts with the horse number j. Column a holds the
// pairs (a, b), b > a, one 7-character cell per row b; after its cells, row a gets the
// column's label, so the labels form a staircase down the triangle's edge.
std::string QuinellaTriangle(const SheetFile& uo) {
  const int runners = uo.Runners();
  if (runners < 2) return {};  // no pairs: no table
  std::array<std::string, kMaxHorses> rows;
  const auto start_rows = [&](int from) {
    rows[0] = "  ";
    for (int j = from; j <= runners; ++j) rows[j - 1] = TwoColumnNumber(j);
  };
  std::string out;
  start_rows(2);

  int k = 0;
  for (int a = 1; a < runners; ++a) {
    if (a == kFirstBlockColumns + 1) {
      // Second block. Its header row has no line end of its own and joins row 11's label.
      for (std::string& row : rows) {
        out += row;
        row.clear();
      }
      out += kCrLf;
      start_rows(kFirstBlockColumns + 2);
    }
    for (int b = a + 1; b <= runners; ++b) {
      ++k;
      std::string& row = rows[b - 1];
      row += " " + uo.Chars(137 + 12 * static_cast<size_t>(k), 6);
      if (a == kFirstBlockColumns) row += kCrLf;
      if (a == runners - 1) row += kCrLf;
    }
    rows[a - 1] += "   " + TwoColumnNumber(a);
    if (a == 1) {
      rows[0].append(kHeaderGap, ' ');
      rows[0] += OddsTimeLabel(uo);
    }
    rows[a - 1] += kCrLf;
  }
  for (const std::string& row : rows) out += row;
  return out;
}

}  // namespace mirtote::pat
