#include "cli/settings_command.h"

#include "shell/settings_keys.h"
#include "text/chars.h"

namespace mirtote::cli {

namespace {

// Splits "[SECTION/]KEY". The section name is taken in any letter case and written as the
// store spells it, so that "startup/PatType" does not end up in a group nobody reads.
bool SplitKey(std::string_view text, std::string& section, std::string& key, std::string& error) {
  size_t slash = text.find('/');
  std::string_view section_part =
      slash == std::string_view::npos ? std::string_view(keys::kStartup) : text.substr(0, slash);
  std::string_view key_part = slash == std::string_view::npos ? text : text.substr(slash + 1);

  if (text::EqualsIgnoringAsciiCase(section_part, keys::kStartup)) {
    section = keys::kStartup;
  } else if (text::EqualsIgnoringAsciiCase(section_part, keys::kForm)) {
    section = keys::kForm;
  } else {
    error = "unknown section: " + std::string(section_part) + " (Startup or Form)";
    return false;
  }
  if (key_part.empty() || key_part.find_first_of("/\\") != std::string_view::npos) {
    error = "bad key: " + std::string(text);
    return false;
  }
  key = std::string(key_part);
  return true;
}

}  // namespace

std::vector<UsageLine> SettingsCommand::usage() const {
  return {
      {"settings get [SECTION/]KEY",
       "print the value (section defaults to Startup); exit 1 if missing",
       "設定値を表示します（セクション省略時は Startup）"},
      {"settings set [SECTION/]KEY VALUE", "store the value", "設定値を保存します"},
  };
}

bool SettingsCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  if (args.empty()) {
    error = "get or set expected";
    return false;
  }
  if (args[0] == "get") {
    if (args.size() != 2) {
      error = "usage: settings get [SECTION/]KEY";
      return false;
    }
    set_ = false;
  } else if (args[0] == "set") {
    if (args.size() != 3) {
      error = "usage: settings set [SECTION/]KEY VALUE";
      return false;
    }
    set_ = true;
    value_ = args[2];
  } else {
    error = "get or set expected, not " + args[0];
    return false;
  }
  return SplitKey(args[1], section_, key_, error);
}

int SettingsCommand::Run(CommandContext& context, std::ostream& out, std::ostream& err) {
  SettingsStore& settings = context.session.settings;
  if (set_) {
    settings.Set(section_, key_, value_);
    return kExitOk;
  }
  std::optional<std::string> value = settings.Get(section_, key_);
  if (!value) {
    err << "mir_tote: settings: " << section_ << "/" << key_ << " is not set\n";
    return kExitFailed;
  }
  out << *value << "\n";
  return kExitOk;
}

}  // namespace mirtote::cli
