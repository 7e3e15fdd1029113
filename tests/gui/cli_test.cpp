// The command line run in-process: global options, usage, the settings command, the
// terminal host and the report output helpers. No application object is created, as in
// the real headless run.

#include <QtTest>

#include <filesystem>
#include <sstream>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/report_output.h"
#include "cli/terminal_host.h"
#include "shell/work_folders.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using mirtote::cli::RunCommandLine;
using mirtote::testing::TempFolder;

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

struct Run {
  int status;
  std::string out;
  std::string err;
};

Run RunIn(const fs::path& start, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunCommandLine(args, start, out, err);
  return {status, out.str(), err.str()};
}

// A start folder whose working folders exist, so that no question is asked.
fs::path ReadyFolder(const TempFolder& dir) {
  for (auto name : mirtote::kWorkFolders) fs::create_directory(dir.path() / name);
  return dir.path();
}

// Runs "settings ARGS..." in `start` with the INI file s.ini there.
Run Settings(const fs::path& start, std::vector<std::string> args) {
  args.insert(args.begin(), {"--settings", (start / "s.ini").string(), "settings"});
  return RunIn(start, args);
}

}  // namespace

class CliTest : public QObject {
  Q_OBJECT

 private slots:
  void settingsRoundTripThroughIniFile() {
    TempFolder dir;
    const fs::path start = ReadyFolder(dir);
    const std::string japanese = "/home/競馬/ＰＡＴ　ﾌｫﾙﾀﾞ";
    // Values QSettings would take apart if they were written by hand: "\" and ", ".
    const std::vector<std::pair<std::string, std::string>> values = {
        {"PatType", "PAT31"},
        {"Startup/PatInstFolder", japanese},
        {"Form/Top", "1200"},
        {"Startup/OddsTeam", ""},
        {"CsvFolder", "C:\\TARGET, A"}};
    for (const auto& [key, value] : values)
      QCOMPARE(Settings(start, {"set", key, value}).status, 0);
    const std::string with_equals = "--settings=" + (start / "s.ini").string();
    QCOMPARE(Q(RunIn(start, {with_equals, "settings", "get", "form/Top"}).out), Q("1200\n"));
    for (const auto& [key, value] : values) {
      Run get = Settings(start, {"get", key});
      QCOMPARE(get.status, 0);  // an empty value exists: it prints an empty line
      QCOMPARE(Q(get.out), Q(value + "\n"));
      QVERIFY(get.err.empty());
    }
    // The missing key is an error on standard error, nothing on standard output.
    Run missing = Settings(start, {"get", "Nope"});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.out.empty());
    QVERIFY(missing.err.find("Startup/Nope") != std::string::npos);

    // The file is INI text with both groups, UTF-8, and the start-up defaults.
    const std::string file = mirtote::testing::ReadFile(start / "s.ini");
    for (const std::string& piece : {std::string("[Startup]"), std::string("[Form]"), japanese,
                                     std::string("StartTime=0900"), std::string("EndTime=1700")}) {
      QVERIFY2(file.find(piece) != std::string::npos, piece.c_str());
    }
  }

  // Each case of the table is a command line; its text is the reason on standard error,
  // which goes on with a one-line hint. The status is 2 and nothing else happens.
  void badUsageEndsWithStatusTwoBeforeTouchingAnything() {
    TempFolder dir;
    const std::string hint = "`mir_tote --help` で使い方を表示します。\n";
    const auto refuse = [&](const std::string&, const std::string& line) {
      std::vector<std::string> args;
      std::istringstream words(line);
      for (std::string word; words >> word;) args.push_back(word);
      Run run = RunIn(dir.path(), args);
      const size_t reason_end = run.err.find('\n');
      if (run.status != 2 || !run.out.empty() || run.err.substr(reason_end + 1) != hint) {
        return "status " + std::to_string(run.status) + ", output " + run.out + ", " + run.err;
      }
      return run.err.substr(0, reason_end);
    };
    QCOMPARE(Q(mirtote::testing::TableDiff("cli/bad_usage.txt", refuse)), QString());
    // Neither a question nor a folder: the folder check comes after the usage check.
    QVERIFY(fs::is_empty(dir.path()));
  }

  void helpShowsTheUsageAndRefusedFolderEndsWithStatusOne() {
    TempFolder dir;
    Run help = RunIn(dir.path(), {"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.err.empty());
    QCOMPARE(Q(mirtote::testing::GoldenDiff(help.out, "cli/usage.txt", "\n")), QString());
    QVERIFY(fs::is_empty(dir.path()));

    Run run = Settings(dir.path(), {"get", "PatType"});
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.empty());
    QCOMPARE(Q(mirtote::testing::GoldenDiff(run.err, "cli/refused_folder.txt", "\n")), QString());
    QVERIFY(!fs::exists(dir.path() / "LZH"));
  }

  void terminalHostBlocksAndAnswers() {
    std::ostringstream err;
    mirtote::cli::TerminalHost host(err, false);
    host.ShowMessage("一行目\r\n\r\n二行目\r三行目", "処理中止",
                     mirtote::MessageIcon::kExclamation);
    QVERIFY(!host.AskYesNo("よろしいですか？\r", "確認", mirtote::MessageIcon::kInformation));
    QCOMPARE(Q(err.str()),
             QStringLiteral(
                 "【処理中止】\n一行目\n\n二行目\n三行目\n【確認】\nよろしいですか？\n→ いいえ\n"));

    mirtote::cli::TerminalHost yes_host(err, true);
    QVERIFY(yes_host.AskYesNo("?", "確認", mirtote::MessageIcon::kInformation));
    QVERIFY(yes_host.AskText("入力", "発走時間指定", "0900") == std::optional<std::string>("0900"));
    QVERIFY(!yes_host.ChooseFilesToOpen({}));
    QVERIFY(!yes_host.ChooseFileToSave({}));
  }

  void reportOutputIsCp932UnlessUtf8() {
    std::ostringstream cp932, utf8;
    mirtote::cli::WriteReport(cp932, "東京～", false);
    mirtote::cli::WriteReport(utf8, "東京～", true);
    QCOMPARE(QByteArray::fromStdString(cp932.str()), QByteArray("\x93\x8c\x8b\x9e\x81\x60\r\n"));
    QCOMPARE(Q(utf8.str()), QStringLiteral("東京～\r\n"));
  }

  void raceLists() {
    using mirtote::cli::ParseRaceList;
    auto list = ParseRaceList("7,9-12");
    QVERIFY(list);
    std::array<bool, 13> expected{};
    for (int r : {7, 9, 10, 11, 12}) expected[static_cast<size_t>(r)] = true;
    QVERIFY(*list == expected);
    auto all = ParseRaceList("1-12");
    QVERIFY(all && !(*all)[0] && (*all)[1] && (*all)[12]);
    for (const char* bad : {"", "0", "13", "3-1", "1,,2", "1,", "a", "1-", "-3", "01-012", " 1"}) {
      QVERIFY2(!ParseRaceList(bad), bad);
    }
  }

  void commandArguments() {
    std::string error;
    auto parsed = mirtote::cli::ParseArguments({"--market", "M", "--format=0", "--no-presale", "x"},
                                               {"--market", "--format"}, {"--no-presale"}, error);
    QVERIFY(parsed && parsed->Has("--no-presale") && *parsed->Value("--format") == "0");
    QCOMPARE(Q(*parsed->Value("--market")), QStringLiteral("M"));
    QVERIFY(parsed->positional == std::vector<std::string>{"x"});
  }
};

QTEST_APPLESS_MAIN(CliTest)
#include "cli_test.moc"
