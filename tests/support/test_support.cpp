#include "support/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <random>

#include "text/cp932.h"

namespace mirtote::testing {

void ScriptedHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(title), icon, false});
}

bool ScriptedHost::AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(title), icon, true});
  if (yes_no_answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << title << " / " << text;
    return false;
  }
  bool answer = yes_no_answers.front();
  yes_no_answers.pop_front();
  return answer;
}

std::string ScriptedHost::AskText(std::string_view prompt, std::string_view title,
                                  std::string_view initial) {
  messages.push_back({std::string(prompt), std::string(title), MessageIcon::kNone, true});
  initial_texts.emplace_back(initial);
  if (text_answers.empty()) {
    ADD_FAILURE() << "unexpected input box: " << title;
    return {};
  }
  std::string answer = text_answers.front();
  text_answers.pop_front();
  return answer;
}

std::optional<ChosenFiles> ScriptedHost::ChooseFilesToOpen(const FileDialogRequest& request) {
  open_requests.push_back(request);
  if (open_answers.empty()) {
    ADD_FAILURE() << "unexpected open dialog: " << request.title;
    return std::nullopt;
  }
  auto answer = open_answers.front();
  open_answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedHost::ChooseFileToSave(const FileDialogRequest& request) {
  save_requests.push_back(request);
  if (save_answers.empty()) {
    ADD_FAILURE() << "unexpected save dialog: " << request.title;
    return std::nullopt;
  }
  auto answer = save_answers.front();
  save_answers.pop_front();
  return answer;
}

void ScriptedHost::ShowProgress(std::string_view caption, int, int) {
  progress_shown = true;
  progress_captions.emplace_back(caption);
}
void ScriptedHost::SetProgressCaption(std::string_view caption) {
  progress_captions.emplace_back(caption);
}
void ScriptedHost::SetProgressValue(int value) {
  progress_values.push_back(value);
}
void ScriptedHost::CloseProgress() {
  progress_shown = false;
}
void ScriptedHost::SetClipboardText(std::string_view text) {
  clipboard = std::string(text);
  ++clipboard_writes;
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

std::string Join(std::initializer_list<std::string_view> fields) {
  std::string out;
  for (std::string_view f : fields) out.append(out.empty() ? "" : "|").append(f);
  return out;
}

}  // namespace mirtote::testing
