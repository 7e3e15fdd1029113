#pragma once
// The PAT odds file: one race's odds as a byte-positioned CP932 text.
// ZO file: win, place and bracket quinella odds; UO file: quinella odds (more than 8 runners).
// Two layouts, PAT95 and PAT31, which differ only in padding; every reader reads PAT95.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vocab/venues.h"

namespace mirtote::pat {

enum class PatLayout { kPat95, kPat31 };
enum class PatKind { kZo, kUo };

// "PAT95" / "PAT31" to a layout; nothing for any other text.
std::optional<PatLayout> ParsePatType(std::string_view value);

inline constexpr size_t kZoSizePat95 = 829;
inline constexpr size_t kZoSizePat31 = 909;
inline constexpr size_t kUoSizePat95 = 1981;
inline constexpr size_t kUoSizePat31 = 1989;
inline constexpr int kMaxHorses = 18;
inline constexpr int kBracketPairs = 36;
inline constexpr int kQuinellaPairs = 153;

// ---- names ----

// Race character of a race number: 1-9 -> '1'-'9', 10-12 -> 'A'-'C'; '\0' otherwise.
char RaceChar(int race);
// Race number of a race character ('1'-'9', 'A'-'C', either case); 0 otherwise.
int RaceOfChar(char c);
// "ZO-" / "UO-" + venue, day and race characters + ".JRA".
std::string PatFileName(PatKind kind, char venue_char, char day_char, char race_char);
// The venue named by a file name's 4th character (either case); nullptr when it names none.
const vocab::Venue* VenueOfFileName(std::string_view file_name);

// ---- pair orders ----

// Bracket pair k (1-36) in the order (1,1), (1,2), ..., (1,8), (2,2), ..., (8,8).
std::pair<int, int> BracketPairOf(int k);
// Slot number of bracket pair (a, b), a <= b.
int BracketSlotOf(int a, int b);
// Quinella slot of horse pair (a, b), a < b, for a race of n runners:
// (1,2), (1,3), ..., (1,n), (2,3), ..., (n-1,n). 0 for a pair outside that list.
int QuinellaSlotOf(int a, int b, int n);
// Horse pair of quinella slot k for a race of n runners; {0, 0} beyond the race's pairs.
std::pair<int, int> QuinellaPairOf(int k, int n);
// Number of quinella pairs of a race of n runners (n up to 18).
int QuinellaPairCount(int n);

// ---- header offsets (PAT95 layout; the PAT31 layout differs only in the runner count) ----

inline constexpr size_t kOffsetDate = 0;         // 8, yyyymmdd
inline constexpr size_t kOffsetVenueName = 28;   // 4, two full-width characters
inline constexpr size_t kOffsetCentury = 32;     // 2
inline constexpr size_t kOffsetYear = 34;        // 2
inline constexpr size_t kOffsetMeeting = 36;     // 2
inline constexpr size_t kOffsetDay = 38;         // 2
inline constexpr size_t kOffsetRace = 40;        // 2
inline constexpr size_t kOffsetTimeKind = 42;    // 2
inline constexpr size_t kOffsetTime = 44;        // 4, HHMM
inline constexpr size_t kOffsetRaceName = 48;    // 28
inline constexpr size_t kOffsetConditions = 76;  // 64
inline constexpr size_t kOffsetRunners = 140;    // 2
inline constexpr size_t kHeaderSizePat95 = 142;
inline constexpr size_t kHeaderSizePat31 = 150;

// ---- writing ----

// Header fields as the writers supply them; each is padded or cut to its width.
struct PatHeader {
  std::string date8;       // "19980510"
  std::string venue_name;  // two full-width characters
  std::string century2;    // "19" / "20"
  std::string year2;       // "98"
  std::string meeting2;    // "03"
  std::string day2;        // "08"
  std::string race2;       // "11" or " 5" / "05"
  std::string time_kind2;  // "01", "03", "11", ...
  std::string time4;       // "1540"; two spaces as hour when no time applies
  std::string race_name;   // up to 14 full-width characters
  std::string conditions;  // up to 64 bytes
  int runners = 0;
  // When not empty, written as the runner count instead of `runners` (a writer that copies
  // the count text as it found it); `runners` still gives the quinella pairs when set.
  std::string runners_text;
};

// The header text shared by the ZO and UO file of a race, as CP932 bytes (142 or 150).
// Text fields are padded with spaces or cut by bytes, never inside a two-byte character;
// the numeric fields (century to race number, runner count) are right-aligned.
std::string BuildPatHeader(const PatHeader& header, PatLayout layout);

// One horse slot. `win`, `place_low`, `place_high` are odds texts such as "3.5" (right-
// aligned by the writer); empty text writes spaces.
struct HorseOdds {
  enum class State { kAbsent, kRunning, kScratched };
  State state = State::kAbsent;
  std::string win;
  std::string place_low;
  std::string place_high;
};

// One bracket or quinella slot.
//   kNoOdds: bracket slot "  a-b" and five spaces (no odds exist); a quinella slot has no
//            such state and is written blank.
//   kSold: "0", the pair and the odds; kNotSold: "9", the pair and the "ﾄﾘｹｼ" marker.
//   kBlank: the whole slot is spaces (a slot no writer filled).
struct PairOdds {
  enum class State { kNoOdds, kSold, kNotSold, kBlank };
  State state = State::kNoOdds;
  std::string odds;  // odds text such as "12.3"
  // Numbers written in the slot; 0 takes the pair of the slot's position. Lets a writer
  // that packs its filled slots in order write each slot's own pair.
  int first = 0;
  int second = 0;
};

struct ZoContent {
  PatHeader header;
  std::array<HorseOdds, kMaxHorses> horses;      // index i-1 for horse i
  std::array<PairOdds, kBracketPairs> brackets;  // index k-1 for bracket slot k
};

struct UoContent {
  PatHeader header;
  std::vector<PairOdds> pairs;  // first n(n-1)/2 used, in slot order; the rest are blank
};

// The odds text of a value in tenths: 35 -> "3.5".
std::string OddsText(long long tenths);

// Whole file contents, ending with "A" and CR LF, as CP932 bytes.
// An odds text is right-aligned in its field; one too long for it loses its decimal part
// (1234.5 in a 5-byte field is written " 1234"), and is cut only if it is still too long.
std::string BuildZoFile(const ZoContent& content, PatLayout layout);
// Slot k (1-153) comes from pairs[k-1]; slots past the vector, and past the race's pairs
// when the slot carries no numbers of its own, are 12 spaces.
std::string BuildUoFile(const UoContent& content, PatLayout layout);

// ---- reading (PAT95 layout) ----

// Largest ZO or UO file read: a few times the longest layout, leaving room for stray bytes
// after the end mark.
inline constexpr size_t kMaxPatFileSize = 8192;

// Reads a ZO or UO file whole: a regular file of at most kMaxPatFileSize bytes and at least
// as long as a header. Nothing otherwise, with a Japanese text naming the file and the
// reason in `error` when given.
std::optional<std::string> ReadPatFile(const std::filesystem::path& path,
                                       std::string* error = nullptr);

// A read-only view of a PAT odds file's bytes. Fields beyond the end of a short file read
// as empty (or shorter) text, and so does a slot number outside the file's slots; nothing
// here can fail.
class PatFileView {
 public:
  explicit PatFileView(std::string_view bytes) : bytes_(bytes) {}
  std::string_view Field(size_t offset, size_t width) const;  // any header field
  // A header field decoded from CP932 (venue name, race name, conditions).
  std::string Text(size_t offset, size_t width) const;
  std::string_view bytes() const { return bytes_; }

 private:
  std::string_view bytes_;
};

class ZoReader : public PatFileView {
 public:
  using PatFileView::PatFileView;
  // Race key: two-digit venue code + year + meeting digit + day digit + race number, with a
  // race number's leading space read as "0". `venue_code2` comes from the file name.
  std::string RaceKey(std::string_view venue_code2) const;
  int RunnerCount() const;
  std::string_view WinOdds(int horse) const;     // 5 bytes
  std::string_view PlaceLow(int horse) const;    // 5 bytes
  std::string_view PlaceHigh(int horse) const;   // 5 bytes
  std::string_view HorseState(int horse) const;  // 1 byte: "0", "9" or space
  std::string_view BracketOdds(int k) const;     // 5 bytes, slot k = 1..36
  std::string_view BracketState(int k) const;    // 1 byte: "0", "9" or space
};

class UoReader : public PatFileView {
 public:
  using PatFileView::PatFileView;
  std::string_view QuinellaOdds(int k) const;   // 6 bytes, slot k = 1..153
  std::string_view QuinellaState(int k) const;  // 1 byte: "0", "9" or space
};

}  // namespace mirtote::pat
