// The settings file named with --settings, through the command line in-process: a file the
// store cannot keep whole is refused before anything runs and stays byte for byte as it was;
// a command that stores nothing never writes it; a start folder whose name is not UTF-8 never
// leads the store to another path.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "runtime/qt_settings_store.h"
#include "support/fault_injection.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using mirtote::testing::ReadFile;

namespace {

struct Run {
  int status;
  std::string out, err;
};

Run RunIn(const fs::path& start, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = mirtote::cli::RunCommandLine(args, start, out, err);
  return {status, out.str(), err.str()};
}

// A start folder whose working folders exist, so that no question is asked.
fs::path ReadyFolder(const fs::path& start) {
  for (const char* name : {"LZH", "DATA", "FILE", "Work", "SEISEKI"}) {
    fs::create_directories(start / name);
  }
  return start;
}

std::string Refusal(const fs::path& file, const std::string& reason) {
  return "mir_tote: 設定ファイルとして使えません（保存すると内容が失われます）。"
         "ファイルは変更していません。\n" +
         file.string() + "\n" + reason + "\n";
}

}  // namespace

class SettingsFileTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir config_home_;

 private slots:
  void initTestCase() {
    QVERIFY(config_home_.isValid());
    qputenv("XDG_CONFIG_HOME", config_home_.path().toUtf8());
  }

  void filesTheStoreWouldDamageAreRefusedUntouched() {
    mirtote::testing::TempFolder dir;
    const fs::path start = ReadyFolder(dir.path());
    const fs::path ini = start / "s.ini";
    const std::string den_line = mirtote::testing::Sjis("0598381105100東京");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {den_line + "\r\n",
         "1 行目: UTF-8 の文字ではないバイトがあります（設定ファイルではないようです）"},
        {"[Startup]\nPatType=PAT31\n# kept by hand\n",
         "3 行目: コメント行です（保存のときに消えます）"},
        {"; kept by hand\r\n[Startup]\r\n", "1 行目: コメント行です（保存のときに消えます）"},
        {"[Startup]\nPatType\n", "2 行目: 「キー=値」の形ではありません"},
        {"[Startup]\nA=\"x\nB=y\"\n", "2 行目: 引用符「\"」が閉じていません"},
        {"[Startup]\nStartTime=0900;1700\n", "2 行目: 引用符の外の「;」から後ろが読まれません"},
        {"[Startup]\nPatInstFolder=C:\\PAT\n",
         "2 行目: 「\\」とその次の文字が読まれません（「\\」は「\\\\」と書きます）"},
        {"[Startup]\nA=1\n[Form]\nA=1\n[Startup]\nA=2\n",
         "6 行目: 同じキーが前にもあります（一つしか残りません）"},
        {"[Startup] old\nA=1\n", "1 行目: 「[」で始まる行が「]」で終わっていません"},
        {"[Form]\nTop=@Variant(x)\n",
         "2 行目: 「@」で始まる値は別の型として読まれます（「@」は「@@」と書きます）"},
        {"\xef\xbb\xbf[Startup]\n",
         "1 行目: 先頭に BOM（EF BB BF）があります（BOM なしの UTF-8 で保存してください）"},
        {std::string("[Startup]\nA=\0\1\2\n", 15),
         "2 行目: 制御文字があります（設定ファイルではないようです）"},
    };
    for (const auto& [bytes, reason] : cases) {
      std::ofstream(ini, std::ios::binary) << bytes;
      for (const std::vector<std::string>& command :
           {std::vector<std::string>{"get", "PatType"}, {"set", "PatType", "PAT95"}}) {
        std::vector<std::string> args = {"--settings", ini.string(), "settings"};
        args.insert(args.end(), command.begin(), command.end());
        const Run run = RunIn(start, args);
        QCOMPARE(run.status, 1);
        QCOMPARE(QString::fromStdString(run.err), QString::fromStdString(Refusal(ini, reason)));
        QVERIFY(run.out.empty());
        QVERIFY(ReadFile(ini) == bytes);
      }
    }

    // Not a file at all: a folder, or a pipe that is never waited on.
    fs::remove(ini);
    QCOMPARE(::mkfifo(ini.c_str(), 0644), 0);
    Run run = RunIn(start, {"--settings", ini.string(), "settings", "get", "PatType"});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.find("通常のファイルではありません（名前付きパイプ）") != std::string::npos);
    run = RunIn(start, {"--settings", start.string(), "settings", "get", "PatType"});
    QVERIFY(run.status == 1 && run.err.find("（フォルダ）") != std::string::npos);
  }

  void aCommandThatStoresNothingNeverWritesTheFile() {
    mirtote::testing::TempFolder dir;
    const fs::path start = ReadyFolder(dir.path());
    const fs::path ini = start / "s.ini";
    // What the store itself writes (quotes, escapes) and a hand-kept layout are kept as well.
    const std::string bytes =
        "[Startup]\r\nPatType=PAT31\r\n\r\nCsvFolder=\"C:\\\\TARGET, A\"\r\n"
        "Tab=a\\tb\r\nMark=@@x\r\n[Form]\r\nTop = 1200\r\n";
    std::ofstream(ini, std::ios::binary) << bytes;
    const Run get = RunIn(start, {"--settings", ini.string(), "settings", "get", "CsvFolder"});
    QCOMPARE(get.status, 0);
    QCOMPARE(QString::fromStdString(get.out), QStringLiteral("C:\\TARGET, A\n"));
    // The start-up defaults (StartTime, EndTime) are not stored by a reading command.
    QVERIFY(ReadFile(ini) == bytes);

    const Run set = RunIn(start, {"--settings", ini.string(), "settings", "set", "Form/Top", "5"});
    QCOMPARE(set.status, 0);
    const std::string stored = ReadFile(ini);
    for (const char* piece : {"Top=5", "StartTime=0900", "EndTime=1700", "PatType=PAT31"}) {
      QVERIFY2(stored.find(piece) != std::string::npos, piece);
    }
  }

  // Whichever open, write, fsync or rename fails, the command ends with the message and its
  // reason; the file is the old one or the whole new one, with nothing else left beside it.
  void eachFailingCallIsReportedAndLeavesTheOldOrNewFile() {
    using namespace mirtote::testing;
    mirtote::testing::TempFolder dir;
    const fs::path start = ReadyFolder(dir.path());
    const fs::path conf = dir.path() / "conf";
    fs::create_directory(conf);
    const fs::path ini = conf / "s.ini";
    const FileTree before = {{"s.ini", "[Startup]\nPatType=PAT31\n"}};
    Run run;
    const auto prepare = [&] { std::ofstream(ini, std::ios::binary) << before.at("s.ini"); };
    const auto set = [&] {
      run = RunIn(start, {"--settings", ini.string(), "settings", "set", "PatType", "PAT95"});
    };
    prepare();
    set();
    QCOMPARE(run.status, 0);
    const FileTree complete = FilesBelow(conf);
    const int failed = ForEachFailingCall(prepare, set, [&](const std::string& call) {
      QVERIFY2(run.status == 1 && run.err.starts_with("mir_tote: 設定ファイル") &&
                   run.err.find(std::strerror(ENOSPC)) != std::string::npos,
               (call + ": " + run.err).c_str());
      QVERIFY2(OldOrNew(conf, before, complete).empty(), call.c_str());
    });
    QVERIFY(failed > 0);
  }

  // What the store writes, QSettings and the store read back as the same text and the checker
  // accepts; the lines it does not change stay byte for byte, new ones end as the file's do.
  // A name QSettings would escape, or a value that is not UTF-8, is refused, nothing written.
  void storedValuesReadBackAsTheyWereAndOtherLinesStay() {
    using mirtote::runtime::QtSettingsStore;
    mirtote::testing::TempFolder dir;
    const fs::path ini = dir.path() / "s.ini";
    std::ofstream(ini, std::ios::binary)
        << "[Startup]\r\nPatType=PAT31\r\n\r\n[Form]\r\nTop = 1200\r\n";
    // Octal escapes keep the digit after a control character out of it.
    const std::vector<std::string> values = {
        "plain",  "@x",    "@@y",       "a,b",       "a;b=c", " lead",
        "trail ", "q\"\\", "c\0011",    "del\177",   "\037f", std::string("n\0001", 3),
        "",       "a, b",  "x\n\ry\tz", "競馬 ﾌｫﾙﾀﾞ"};
    {
      QtSettingsStore store(ini, {});
      std::vector<mirtote::SettingValue> batch = {{"Form", "Top", "1200"},
                                                  {"Startup", "PatType", "PAT95"}};
      for (size_t i = 0; i < values.size(); ++i) {
        batch.push_back({"Startup", "K" + std::to_string(i), values[i]});
      }
      store.SetValues(batch);
      store.Set("Extra", "K", "v");
      QVERIFY(!store.Problem());
    }
    const std::string bytes = ReadFile(ini);
    QVERIFY(bytes.starts_with("[Startup]\r\nPatType=PAT95\r\nK0=plain\r\n"));
    QVERIFY(bytes.ends_with("\r\n\r\n[Form]\r\nTop = 1200\r\n\r\n[Extra]\r\nK=v\r\n"));
    QtSettingsStore store(ini, {});
    QVERIFY(!store.Problem());
    const QSettings qt(QString::fromStdString(ini.string()), QSettings::IniFormat);
    for (size_t i = 0; i < values.size(); ++i) {
      const std::string key = "K" + std::to_string(i);
      QVERIFY2(store.Get("Startup", key) == values[i], key.c_str());
      QVERIFY2(
          qt.value(QString::fromStdString("Startup/" + key)).toString().toStdString() == values[i],
          key.c_str());
    }

    for (const auto& [key, value] :
         {std::pair<std::string, std::string>{"Pat Type", "x"}, {"PatType", "\x8a\x4a"}}) {
      QtSettingsStore refusing(ini, {});
      std::string told;  // what the window would show at once
      refusing.SetFailureHandler([&told](const std::string& problem) { told = problem; });
      refusing.Set("Startup", key, value);
      QVERIFY(refusing.Problem() &&
              refusing.Problem()->starts_with("設定ファイルに書き込めません"));
      QCOMPARE(told, *refusing.Problem());
      QVERIFY(ReadFile(ini) == bytes);
    }
    // Another run storing meanwhile (it holds the folder's lock) is waited for, then told.
    const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QCOMPARE(::flock(folder, LOCK_EX), 0);
    QtSettingsStore waiting(ini, {});
    waiting.Set("Startup", "PatType", "PAT31");
    ::close(folder);
    QVERIFY(waiting.Problem() && waiting.Problem()->find("書き込み中") != std::string::npos);
    QVERIFY(ReadFile(ini) == bytes);
  }

  void aStartFolderNamedInOtherBytesIsUsedAsItIs() {
    mirtote::testing::TempFolder dir;
    const fs::path parent = dir.path();
    const fs::path start = parent / "\x8a\x4a\x8e\x6e";  // 開始 in CP932
    fs::create_directory(start);
    // The store cannot reach a file below that folder: refused, and nothing is created.
    Run run = RunIn(start, {"--yes", "--settings", "s.ini", "settings", "set", "PatType", "PAT31"});
    QCOMPARE(run.status, 1);
    QCOMPARE(QString::fromStdString(run.err),
             QString::fromStdString(
                 Refusal(start / "s.ini", "名前（フォルダ名を含む）が UTF-8 ではありません")));
    QCOMPARE(std::distance(fs::directory_iterator(parent), fs::directory_iterator()), 1);
    QVERIFY(fs::is_empty(start));

    // With the settings file elsewhere, the folder is used under its own bytes.
    const fs::path ini = parent / "s.ini";
    run =
        RunIn(start, {"--yes", "--settings", ini.string(), "settings", "set", "PatType", "PAT31"});
    QCOMPARE(run.status, 0);
    QVERIFY(fs::is_directory(start / "DATA") && fs::is_directory(start / "SEISEKI"));
    QVERIFY(ReadFile(ini).find("PatType=PAT31") != std::string::npos);
    QCOMPARE(std::distance(fs::directory_iterator(parent), fs::directory_iterator()), 2);
  }
};

QTEST_APPLESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
