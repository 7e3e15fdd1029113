#include "pat/odds_view.h"

#include <array>
#include <fstream>

#include "pat/odds_selection.h"
#include "shell/settings_keys.h"
#include "text/files.h"

namespace mirtote::pat {

namespace {

// The sheets read the first ~2000 bytes of a file; a huge file is not read whole.
constexpr std::streamsize kReadSize = 4096;

std::optional<std::string> ReadHead(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<size_t>(kReadSize), '\0');
  in.read(bytes.data(), kReadSize);
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

}  // namespace

OddsViewResult BuildOddsView(const OddsViewRequest& request) {
  OddsViewResult result;
  std::array<bool, kRaceChoices + 1> chosen{};
  for (int race : request.races) {
    if (race >= 1 && race <= kRaceChoices) chosen[race] = true;
  }
  const OddsFolderIndex index = OddsFolderIndex::Read(request.folder);
  const PatKind kind = request.kind == OddsSheetKind::kQuinella ? PatKind::kUo : PatKind::kZo;
  for (int race = 1; race <= kRaceChoices; ++race) {
    if (!chosen[race]) continue;
    const auto entry = index.EntryOf(kind, request.venue_char, request.day_char, RaceChar(race));
    if (!entry) continue;
    const auto bytes = ReadHead(request.folder / *entry);
    if (!bytes) continue;
    result.text += RaceSheetBlock(SheetFile(*bytes), race, request.kind);
    ++result.races_shown;
  }
  return result;
}

std::filesystem::path OddsViewFolder(const Session& session) {
  const std::string setting = session.settings.GetOr(keys::kStartup, keys::kPatFileFolder, "");
  return text::ResolveFolder(session.start_folder, setting);
}

}  // namespace mirtote::pat
