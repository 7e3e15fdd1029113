#include "pat/odds_view.h"

#include <fstream>

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

OddsViewResult BuildOddsView(const OddsViewRequest& request, const Session& session) {
  OddsViewResult result;
  const std::filesystem::path folder = OddsViewFolder(session);
  const OddsFolderIndex index = OddsFolderIndex::Read(folder);
  const PatKind kind = request.sheet == OddsSheetKind::kQuinella ? PatKind::kUo : PatKind::kZo;
  for (int race = 1; race <= kRaceChoices; ++race) {
    if (!request.races[race - 1]) continue;
    const auto entry = index.EntryOf(kind, request.venue, request.day, RaceChar(race));
    if (!entry) continue;
    const auto bytes = ReadHead(folder / *entry);
    if (!bytes) continue;
    result.text += RaceSheetBlock(SheetFile(*bytes), race, request.sheet);
    ++result.races_shown;
  }
  return result;
}

std::filesystem::path OddsViewFolder(const Session& session) {
  const std::string setting = session.settings.GetOr(keys::kStartup, keys::kPatFileFolder, "");
  return text::ResolveFolder(session.start_folder, setting);
}

}  // namespace mirtote::pat
