#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "text/cp932.h"

namespace mirtote::testing {

namespace {

// The next scripted answer; an unexpected call fails the running test and answers nothing.
template <typename T>
T Next(std::deque<T>& answers, std::string_view what, std::string_view title) {
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected " << what << ": " << title;
    return T{};
  }
  T answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

void ScriptedHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(title), icon, false});
}

bool ScriptedHost::AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(title), icon, true});
  if (during_dialog) during_dialog();
  return Next(yes_no_answers, "question", std::string(title) + " / " + std::string(text));
}

std::optional<std::string> ScriptedHost::AskText(std::string_view prompt, std::string_view title,
                                                 std::string_view initial) {
  messages.push_back({std::string(prompt), std::string(title), MessageIcon::kNone, true});
  initial_texts.emplace_back(initial);
  if (during_dialog) during_dialog();
  return Next(text_answers, "input box", title);
}

std::optional<ChosenFiles> ScriptedHost::ChooseFilesToOpen(const FileDialogRequest& request) {
  open_requests.push_back(request);
  busy_at_dialogs.push_back(busy);
  if (during_dialog) during_dialog();
  return Next(open_answers, "open dialog", request.title);
}

std::optional<std::string> ScriptedHost::ChooseFileToSave(const FileDialogRequest& request) {
  save_requests.push_back(request);
  busy_at_dialogs.push_back(busy);
  if (during_dialog) during_dialog();
  return Next(save_answers, "save dialog", request.title);
}

std::vector<std::string> ScriptedHost::Log() const {
  static const char* const kIcons[] = {"", "i", "!", "x", "?"};  // in MessageIcon's order
  std::vector<std::string> log;
  for (const Message& m : messages) {
    const char* icon = kIcons[static_cast<int>(m.icon)];
    log.push_back((m.question ? "?" : "") + m.title + "|" + icon + "|" + m.text);
  }
  return log;
}

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  path_ = fs::temp_directory_path() /
          ("mirtote-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path TempFolder::Write(const fs::path& relative, std::string_view bytes) const {
  fs::path full = path_ / relative;
  fs::create_directories(full.parent_path());
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return full;
}

Strings EntriesOf(const fs::path& folder) {
  Strings names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

FileTree FilesBelow(const fs::path& root) {
  FileTree files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_directory()) files[fs::relative(entry.path(), root).string()] = ReadFile(entry);
  }
  return files;
}

std::string OldOrNew(const fs::path& root, const FileTree& before, const FileTree& complete) {
  const FileTree now = FilesBelow(root);
  const auto holds = [](const FileTree& tree, const std::string& name, const std::string* bytes) {
    const auto it = tree.find(name);
    return it == tree.end() ? bytes == nullptr : bytes != nullptr && it->second == *bytes;
  };
  std::set<std::string> names;
  for (const FileTree* tree : {&now, &before, &complete})
    for (const auto& [name, bytes] : *tree) names.insert(name);
  for (const std::string& name : names) {
    const auto it = now.find(name);
    const std::string* bytes = it == now.end() ? nullptr : &it->second;
    if (!holds(before, name, bytes) && !holds(complete, name, bytes)) return name;
  }
  return {};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Sjis(std::string_view utf8) {
  return text::EncodeCp932(utf8);
}

std::string SjisField(std::string_view utf8, size_t bytes) {
  std::string out = Sjis(utf8);
  out.resize(bytes, ' ');
  return out;
}

void Put(std::string& record, size_t offset, std::string_view bytes) {
  record.replace(offset, bytes.size(), bytes);
}

namespace {

std::string Replace(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  for (size_t at = 0, next; at <= text.size(); at = next + from.size()) {
    next = std::min(text.find(from, at), text.size());
    out.append(text.substr(at, next - at)).append(next < text.size() ? to : "");
  }
  return out;
}

}  // namespace

std::string GoldenText(const fs::path& relative, std::string_view eol) {
  const fs::path path = fs::path(MIRTOTE_TEST_DATA) / relative;
  if (!fs::is_regular_file(path)) ADD_FAILURE() << "no golden file " << path;
  return Replace(ReadFile(path), "\n", eol);
}

std::string GoldenDiff(std::string_view actual, const fs::path& relative, std::string_view eol) {
  const std::string expected = GoldenText(relative, eol);
  if (actual == expected) return "";
  if (std::getenv("MIRTOTE_UPDATE_GOLDEN")) {
    fs::create_directories((fs::path(MIRTOTE_TEST_DATA) / relative).parent_path());
    std::ofstream(fs::path(MIRTOTE_TEST_DATA) / relative, std::ios::binary)
        << Replace(actual, eol, "\n");
  }
  const std::string a = Replace(actual, eol, "\n"), e = Replace(expected, eol, "\n");
  if (a == e) return relative.string() + ": the same lines with other line ends";
  size_t line = 1, at = 0, i = 0;
  for (; i < std::min(a.size(), e.size()) && a[i] == e[i]; ++i) {
    if (a[i] == '\n') ++line, at = i + 1;
  }
  const auto Line = [at](const std::string& s) { return s.substr(at, s.find('\n', at) - at); };
  return relative.string() + " line " + std::to_string(line) + ", byte " +
         std::to_string(i - at + 1) + "\n  expected: " + Line(e) + "\n  actual:   " + Line(a);
}

std::string TableDiff(const fs::path& relative, const TableLookup& compute) {
  std::string table;
  std::istringstream lines(GoldenText(relative, "\n"));
  for (std::string line; std::getline(lines, line);) {
    const size_t open = line.find('"'), close = line.find('"', open + 1);
    if (close == std::string::npos) return relative.string() + ": not a case: " + line;
    const std::string input = line.substr(open + 1, close - open - 1);
    table += line.substr(0, close + 1) + " → \"" + compute(line.substr(0, line.find(' ')), input) +
             "\"\n";
  }
  return GoldenDiff(table, relative, "\n");
}

void ExpectSameFiles(const fs::path& written, const fs::path& golden) {
  const auto names = [](const fs::path& folder) {
    std::set<std::string> list;
    for (const auto& entry : fs::directory_iterator(folder)) list.insert(entry.path().filename());
    return list;
  };
  ASSERT_EQ(names(written), names(golden)) << golden;
  for (const auto& name : names(golden)) {
    EXPECT_EQ(ReadFile(written / name), ReadFile(golden / name)) << golden / name;
  }
}

std::string Join(std::initializer_list<std::string_view> fields) {
  std::string out;
  for (std::string_view f : fields) out.append(out.empty() ? "" : "|").append(f);
  return out;
}

}  // namespace mirtote::testing
