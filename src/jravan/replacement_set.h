#pragma once
// Files put in place as one: what one archive brings into Work, DATA and SEISEKI either all
// arrives or none of it does. Each file a step replaces is kept under a hidden name beside it
// until the whole set is in place; undoing puts every kept file back and removes the new ones.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote::jravan {

namespace fs = std::filesystem;

class ReplacementSet {
 public:
  ReplacementSet() = default;
  ~ReplacementSet();  // undoes what was not committed
  ReplacementSet(const ReplacementSet&) = delete;
  ReplacementSet& operator=(const ReplacementSet&) = delete;

  // Creates or replaces `target` with `bytes` (through the careful writer). False, with
  // `error` naming the file and the reason, when it cannot.
  bool Write(const fs::path& target, std::string_view bytes, std::string* error);
  // Renames the file `from` onto `target` (same folder).
  bool Move(const fs::path& from, const fs::path& target, std::string* error);
  // Every step stays: the kept old files are removed.
  void Commit();
  // Every step is taken back, the last first.
  void Undo();

 private:
  struct Step {
    fs::path target;
    fs::path kept;  // the old file under its hidden name; empty when there was none
  };
  // Keeps the current `target` (if any) under a hidden name; false when it cannot.
  bool Keep(const fs::path& target, Step& step, std::string* error);
  void Forget(const Step& step);

  std::vector<Step> steps_;
};

}  // namespace mirtote::jravan
