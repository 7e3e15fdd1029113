#include "pat/odds_tables.h"

#include <algorithm>
#include <array>
#include <optional>

#include "pat/odds_field.h"
#include "pat/pat_file.h"
#include "pat/text_columns.h"
#include "text/chars.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

constexpr int kBrackets = 8;
constexpr int kFirstBlockColumns = 12;
constexpr std::string_view kBracketHeading = " １   ２   ３   ４   ５   ６   ７   ８";
constexpr std::string_view kQuinellaHeading =
    "     １    ２    ３    ４    ５    ６         ７    ８    ９  １０  １１  １２";
constexpr std::string_view kBesideHeading =
    " １   ２   ３   ４   ５   ６   ７   ８      １３  １４  １５  １６  １７  １８";
constexpr std::string_view kBracketDashes = "----";
constexpr std::string_view kQuinellaDashes = "-----";
constexpr int kNoBracketColumns = 40;  // rows past 8 in the block beside the bracket cells

std::optional<std::string> ReadFile(const std::filesystem::path& folder, const std::string& name) {
  auto path = text::FindIgnoringCase(folder, name);
  if (!path) return std::nullopt;
  return text::ReadWholeFile(*path);
}

// A cell from an odds field of `width` bytes: no odds and the marker give dashes; odds
// below `limit` keep their last width-1 characters ("  3.5" -> " 3.5"), larger odds show
// their whole part right-aligned ("123.4" -> " 123"; a field that had no room for the
// decimals, " 1234", -> "1234").
std::string Cell(std::string_view bytes, size_t width, std::string_view marker, double limit) {
  std::string field = OddsFieldText(bytes, width);
  if (text::IsBlank(field) || field == marker) field = std::string(width, '-');
  const double value = text::Val(field);
  if (value < limit) return text::Right(field, width - 1);
  return text::Left(text::Picture(static_cast<long long>(value), static_cast<int>(width - 1)),
                    width - 1);
}

class OddsMatrices {
 public:
  OddsMatrices() {
    for (auto& row : bracket_) row.fill(std::string(kBracketDashes));
    for (auto& row : quinella_) row.fill(std::string(kQuinellaDashes));
  }

  void ReadBrackets(const ZoReader& zo) {
    for (int k = 1; k <= kBracketPairs; ++k) {
      const auto [a, b] = BracketPairOf(k);
      if (a < 1 || b < 1 || a > kBrackets || b > kBrackets) continue;
      const std::string cell = Cell(zo.BracketOdds(k), 5, kScratched5, 100);
      bracket_[a - 1][b - 1] = cell;
      bracket_[b - 1][a - 1] = cell;
    }
  }

  void ReadQuinella(const UoReader& uo, int runners) {
    int k = 0;
    for (int a = 1; a < runners; ++a) {
      for (int b = a + 1; b <= runners; ++b) {
        const std::string cell = Cell(uo.QuinellaOdds(++k), 6, kScratched6, 1000);
        quinella_[a - 1][b - 1] = cell;
        quinella_[b - 1][a - 1] = cell;
      }
    }
  }

  const std::string& bracket(int a, int b) const { return bracket_[a - 1][b - 1]; }
  const std::string& quinella(int a, int b) const { return quinella_[a - 1][b - 1]; }

 private:
  std::array<std::array<std::string, kBrackets>, kBrackets> bracket_;
  std::array<std::array<std::string, kMaxHorses>, kMaxHorses> quinella_;
};

// Heading and 8 rows of bracket cells, each row closed by its full-width number.
void BracketTable(const OddsMatrices& m, std::string& out) {
  AddLine(out, kBracketHeading);
  for (int i = 1; i <= kBrackets; ++i) {
    std::string row;
    for (int j = 1; j <= kBrackets; ++j) row += m.bracket(i, j) + " ";
    AddLine(out, row + SmallNumberText(i));
  }
}

// Quinella columns 1-12 for every runner, the row number repeated before column 7.
void QuinellaFirstBlock(const OddsMatrices& m, int runners, std::string& out) {
  AddLine(out, kQuinellaHeading);
  for (int i = 1; i <= runners; ++i) {
    std::string row = SmallNumberText(i) + " ";
    for (int j = 1; j <= 6; ++j) row += m.quinella(i, j) + " ";
    row += " " + SmallNumberText(i) + "  ";
    for (int j = 7; j <= kFirstBlockColumns; ++j) {
      row += m.quinella(i, j);
      if (j < kFirstBlockColumns) row += " ";
    }
    AddLine(out, row);
  }
  AddLine(out, "");
}

// Bracket cells (rows 1-8) beside quinella columns 13-18 (every runner).
void BracketBesideQuinella(const OddsMatrices& m, int runners, std::string& out) {
  AddLine(out, kBesideHeading);
  for (int i = 1; i <= runners; ++i) {
    std::string row;
    if (i <= kBrackets) {
      for (int j = 1; j <= kBrackets; ++j) row += m.bracket(i, j) + " ";
    } else {
      row.assign(kNoBracketColumns, ' ');
    }
    row += SmallNumberText(i) + "  ";
    for (int j = 13; j <= kMaxHorses; ++j) {
      row += m.quinella(i, j);
      if (j < kMaxHorses) row += " ";
    }
    AddLine(out, row);
  }
}

}  // namespace

bool NeedsQuinellaFile(std::string_view zo_bytes) {
  return ZoReader(zo_bytes).RunnerCount() > kBrackets;
}

std::string BuildOddsTables(std::string_view zo_bytes, std::string_view uo_bytes) {
  const ZoReader zo(zo_bytes);
  OddsMatrices matrices;
  matrices.ReadBrackets(zo);
  const int runners = std::clamp(zo.RunnerCount(), 0, kMaxHorses);

  std::string out;
  if (runners > kBrackets) {
    matrices.ReadQuinella(UoReader(uo_bytes), runners);
    QuinellaFirstBlock(matrices, runners, out);
    if (runners > kFirstBlockColumns) {
      BracketBesideQuinella(matrices, runners, out);
    } else {
      BracketTable(matrices, out);
    }
  } else {
    BracketTable(matrices, out);
  }
  AddLine(out, Rule('='));
  AddLine(out, "");
  return out;
}

std::string BuildOddsTables(const std::filesystem::path& pat_folder, const std::string& zo_name,
                            const std::string& uo_name) {
  // A missing or short file reads as no odds: its cells stay dashes.
  const std::string zo_bytes = ReadFile(pat_folder, zo_name).value_or(std::string());
  const std::string uo_bytes = NeedsQuinellaFile(zo_bytes)
                                   ? ReadFile(pat_folder, uo_name).value_or(std::string())
                                   : std::string();
  return BuildOddsTables(zo_bytes, uo_bytes);
}

}  // namespace mirtote::pat
