#include "convert/odds_csv.h"

#include <optional>

#include "convert/csv_race.h"
#include "convert/csv_race_card.h"
#include "convert/source_lines.h"
#include "text/chars.h"
#include "text/files.h"
#include "text/number.h"
#include "vocab/venues.h"

namespace mirtote::convert {

namespace {

namespace fs = std::filesystem;

constexpr size_t kDateTail = 10;  // "980509.CSV"

// The meeting date of an odds file name: the six digits before ".CSV"; empty otherwise.
std::string DateOfPath(const fs::path& path) {
  const std::string date = text::Left(text::Right(text::PathText(path), kDateTail), 6);
  if (date.size() != 6) return {};
  for (char c : date) {
    if (c < '0' || c > '9') return {};
  }
  return date;
}

// The races of a file (runs of lines of one identity), counted for the progress bar.
std::optional<int> CountRaces(const fs::path& path, std::string& error) {
  SourceReader source;
  if (!source.Open(path, error)) return std::nullopt;
  LineReader reader(source);
  int count = 0;
  std::string identity;
  while (const SourceLine* line = reader.Next()) {
    if (line->IsBlank()) continue;
    std::string id = CsvRaceIdentity(*line);
    if (count == 0 || id != identity) ++count;
    identity = std::move(id);
  }
  error = reader.error();
  if (!error.empty()) return std::nullopt;
  return count;
}

// "東京10R": the venue and race number of a race identity. A damaged line can cut a
// character in two: bytes outside ASCII are shown as "?" so the message stays valid text.
std::string RaceText(const std::string& identity) {
  const auto shown = [&identity](size_t from) {
    std::string part = identity.substr(from, 2);
    for (char& c : part) {
      if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    }
    return part;
  };
  const vocab::Venue* venue = vocab::VenueByCode2(identity.substr(0, 2));
  const std::string number = shown(6);
  return (venue ? std::string(venue->name) : shown(0)) +
         (number[0] == '0' ? number.substr(1) : number) + "R";
}

class CsvConversion {
 public:
  CsvConversion(const Session& session, const PseudoPatTarget& target, ConversionResult& result,
                history::HistoryRecorder& history)
      : session_(session),
        target_(target),
        result_(result),
        cards_(session),
        files_(session, target, result, history, history::SourceKind::kOddsCsv) {}

  void Convert(const fs::path& path) {
    std::string error;
    const auto count = CountRaces(path, error);
    SourceReader source;
    if (!count || !source.Open(path, error)) {
      TellFailure(session_, result_, path, 0, error);
      return;
    }
    const std::string date6 = DateOfPath(path);
    if (date6.empty()) {
      TellFailure(session_, result_, path, 0,
                  "ファイル名から開催日が読めません（OD + 年月日6桁 + .CSV）。");
      return;
    }
    if (*count == 0) {
      TellFailure(session_, result_, path, 0, "オッズの行がありません。");
      return;
    }
    Host& host = session_.host;
    host.ShowProgress("【 " + text::PathText(path) + " 】オッズデータ取り込み中", 0, *count);
    LineReader reader(source);
    const bool ended = ConvertLines(path, date6, reader, *count);
    // The files of the races read stay, also when the file ended early.
    const bool written = files_.WriteAll(path);
    host.CloseProgress();
    if (ended && written) {
      ++result_.sources_done;
      Tell(session_, result_, kDoneMessage, kConfirmTitle, MessageIcon::kNone);
    }
  }

 private:
  bool ConvertLines(const fs::path& path, const std::string& date6, LineReader& reader, int count) {
    std::optional<CsvRace> race;
    size_t first_line = 0;  // of the race
    std::string identity;
    int index = 0;
    while (const SourceLine* line = reader.Next()) {
      if (line->IsBlank()) continue;
      std::string error;
      if (index == 0 || CsvRaceIdentity(*line) != identity) {
        if (race) Add(path, first_line, *race);
        identity = CsvRaceIdentity(*line);
        first_line = reader.number();
        ++index;
        session_.host.SetProgressCaption("【 " + text::DecimalText(count) + " 情報中 " +
                                         text::DecimalText(index) + " 情報目 】を処理中です。");
        session_.host.SetProgressValue(index);
        bool unknown_venue = false;
        race = CsvRace::Start(*line, date6, error, unknown_venue);
        if (unknown_venue) {
          ++result_.races_skipped;
          Tell(session_, result_,
               "ファイル：" + text::PathText(path) + "\r\n" + std::to_string(reader.number()) +
                   "行目：" + error + "\r\nこのレースは変換しません。",
               kConfirmTitle, MessageIcon::kExclamation);
          continue;
        }
        if (!race) {
          TellFailure(session_, result_, path, reader.number(), error);
          return false;
        }
        LookUpCard(date6, *race, *line);
      }
      if (race && !race->AddHorse(*line, error)) {
        TellFailure(session_, result_, path, reader.number(), error);
        return false;
      }
      session_.host.Yield();
    }
    if (race) Add(path, first_line, *race);
    if (!reader.error().empty()) {
      TellFailure(session_, result_, path, 0, reader.error());
      return false;
    }
    return true;
  }

  void LookUpCard(const std::string& date6, CsvRace& race, const SourceLine& line) {
    const vocab::Venue* venue = vocab::VenueByCode2(line.Get(1, 2));
    CardTexts texts;
    const CardLookup lookup = cards_.Find(race.identity(), date6, *venue, texts);
    if (lookup != CardLookup::kFound) {
      Tell(session_, result_, CardLookupMessage(lookup), kConfirmTitle, MessageIcon::kExclamation);
    }
    race.SetCardTexts(std::move(texts.race_name), std::move(texts.conditions));
  }

  // A finished race: its horses without a line are named, then its files are kept.
  void Add(const fs::path& path, size_t line, const CsvRace& race) {
    const std::vector<int> missing = race.MissingHorses();
    if (!missing.empty()) {
      std::string numbers;
      for (int k : missing) numbers += (numbers.empty() ? "" : "、") + std::to_string(k);
      Tell(session_, result_,
           "ファイル：" + text::PathText(path) + "\r\n" + std::to_string(line) + "行目からの" +
               RaceText(race.identity()) + "：馬番 " + numbers +
               " の行がありません。\r\nその馬のオッズは空白で変換します。",
           kConfirmTitle, MessageIcon::kExclamation);
    }
    const pat::PatLayout layout = target_.layout;
    const std::string zo_name = race.FileName(pat::PatKind::kZo, layout);
    const std::string uo_name = race.FileName(pat::PatKind::kUo, layout);
    const std::optional<pat::UoContent> uo = race.uo();
    files_.Add({path, line, zo_name, race.zo(), uo_name, uo});
  }

  const Session& session_;
  const PseudoPatTarget& target_;
  ConversionResult& result_;
  CsvRaceCards cards_;
  RaceFiles files_;
};

}  // namespace

OddsCsvResult ConvertOddsCsvFiles(const OddsCsvRequest& request, const Session& session) {
  return ConvertFiles<CsvConversion>(request.files, session);
}

}  // namespace mirtote::convert
