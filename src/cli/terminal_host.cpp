#include "cli/terminal_host.h"

namespace mirtote::cli {

std::string TerminalLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void TerminalHost::PrintBlock(std::string_view text, std::string_view title) {
  std::string block = "【" + std::string(title) + "】\n" + TerminalLines(text);
  if (block.back() != '\n') block += '\n';
  err_ << block;
  err_.flush();
}

void TerminalHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon) {
  PrintBlock(text, title);
}

bool TerminalHost::AskYesNo(std::string_view text, std::string_view title, MessageIcon) {
  PrintBlock(text, title);
  // The answer taken, so that a terminal user sees what happened to the question.
  err_ << (answer_yes_ ? "→ はい\n" : "→ いいえ\n");
  err_.flush();
  return answer_yes_;
}

std::optional<std::string> TerminalHost::AskText(std::string_view, std::string_view,
                                                 std::string_view initial) {
  return std::string(initial);
}

std::optional<ChosenFiles> TerminalHost::ChooseFilesToOpen(const FileDialogRequest&) {
  return std::nullopt;
}

std::optional<std::string> TerminalHost::ChooseFileToSave(const FileDialogRequest&) {
  return std::nullopt;
}

}  // namespace mirtote::cli
