#pragma once
// The newspaper-style odds sheets of one race: a title block and either the win, place and
// bracket-quinella sheet (from the ZO file) or the quinella triangle (from the UO file).
// Every field is read as "N characters at the 1-based byte position p" of the PAT95 layout,
// a full-width character taking two bytes. Texts are UTF-8 with CR LF line ends.

#include <string>
#include <string_view>

namespace mirtote::pat {

enum class OddsSheetKind { kWinPlaceBracket, kQuinella };

// A PAT odds file as the sheets read it. Bytes missing from a short file read as blanks, and
// control bytes as spaces, so that a damaged file can neither be read past its end nor break
// the sheet's lines.
class SheetFile {
 public:
  explicit SheetFile(std::string_view bytes);
  // `count` characters from the 1-based byte position `position`, decoded from CP932.
  std::string Chars(size_t position, size_t count) const;
  // The runner count, held to 0-18 (the row tables have 18 entries).
  int Runners() const;

 private:
  std::string bytes_;
};

// "(予測オッズ)" when the file carries no odds time, otherwise e.g. "１５：４０ 発走".
std::string OddsTimeLabel(const SheetFile& file);

// The title line of race `race` (1-12), CR LF included.
std::string TitleLine(const SheetFile& file, int race);

// Heading, horse lines and the bracket staircase beside horse lines 1 to 8.
std::string WinPlaceBracketSheet(const SheetFile& zo);

// The quinella triangle: columns 1-10, then columns 11 on after an empty line.
std::string QuinellaTriangle(const SheetFile& uo);

// One race's block: rule, title line, rule, the sheet of `kind`, closing rule.
std::string RaceSheetBlock(const SheetFile& file, int race, OddsSheetKind kind);

// A number in two characters: " 5", "12".
std::string TwoColumnNumber(int n);

}  // namespace mirtote::pat
