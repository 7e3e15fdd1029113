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

int CountRaces(const std::vector<SourceLine>& lines) {
  int count = 0;
  std::string identity;
  for (const SourceLine& line : lines) {
    if (line.IsBlank()) continue;
    const std::string id = CsvRaceIdentity(line);
    if (count == 0 || id != identity) ++count;
    identity = id;
  }
  return count;
}

class CsvConversion {
 public:
  CsvConversion(const Session& session, const PseudoPatTarget& target, ConversionResult& result)
      : session_(session), target_(target), result_(result), cards_(session) {}

  void Convert(const fs::path& path) {
    std::string error;
    const auto bytes = text::ReadWholeFile(path, &error);
    if (!bytes) {
      TellFailure(session_, result_, path, 0, error);
      return;
    }
    const std::string date6 = DateOfPath(path);
    if (date6.empty()) {
      TellFailure(session_, result_, path, 0,
                  "ファイル名から開催日が読めません（OD + 年月日6桁 + .CSV）。");
      return;
    }
    const std::vector<SourceLine> lines = DecodeLines(*bytes);
    const int count = CountRaces(lines);
    Host& host = session_.host;
    host.ShowProgress("【 " + text::PathText(path) + " 】オッズデータ取り込み中", 0, count);
    const bool ended = ConvertLines(path, date6, lines, count);
    host.CloseProgress();
    if (ended) {
      ++result_.sources_done;
      Tell(session_, result_, kDoneMessage, kConfirmTitle, MessageIcon::kNone);
    }
  }

 private:
  bool ConvertLines(const fs::path& path, const std::string& date6,
                    const std::vector<SourceLine>& lines, int count) {
    if (count == 0) {
      TellFailure(session_, result_, path, 0, "オッズの行がありません。");
      return false;
    }
    std::optional<CsvRace> race;
    std::string identity;
    int index = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      const SourceLine& line = lines[i];
      if (line.IsBlank()) continue;
      std::string error;
      if (index == 0 || CsvRaceIdentity(line) != identity) {
        if (race && !Write(path, *race)) return false;
        identity = CsvRaceIdentity(line);
        ++index;
        session_.host.SetProgressCaption("【 " + text::DecimalText(count) + " 情報中 " +
                                         text::DecimalText(index) + " 情報目 】を処理中です。");
        session_.host.SetProgressValue(index);
        bool unknown_venue = false;
        race = CsvRace::Start(line, date6, error, unknown_venue);
        if (unknown_venue) {
          ++result_.races_skipped;
          Tell(session_, result_,
               "ファイル：" + text::PathText(path) + "\r\n" + std::to_string(i + 1) + "行目：" +
                   error + "\r\nこのレースは変換しません。",
               kConfirmTitle, MessageIcon::kExclamation);
          continue;
        }
        if (!race) {
          TellFailure(session_, result_, path, i + 1, error);
          return false;
        }
        LookUpCard(date6, *race, line);
      }
      if (race && !race->AddHorse(line, error)) {
        TellFailure(session_, result_, path, i + 1, error);
        return false;
      }
      session_.host.Yield();
    }
    return !race || Write(path, *race);
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

  bool Write(const fs::path& path, const CsvRace& race) {
    const pat::PatLayout layout = target_.layout;
    return WriteRace(session_, target_, path, race.FileName(pat::PatKind::kZo, layout), race.zo(),
                     race.FileName(pat::PatKind::kUo, layout), race.uo(), result_);
  }

  const Session& session_;
  const PseudoPatTarget& target_;
  ConversionResult& result_;
  CsvRaceCards cards_;
};

}  // namespace

OddsCsvResult ConvertOddsCsvFiles(const OddsCsvRequest& request, const Session& session) {
  return ConvertFiles<CsvConversion>(request.files, session);
}

}  // namespace mirtote::convert
