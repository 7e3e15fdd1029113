#include "jravan/replacement_set.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <cerrno>
#include <cstring>

#include "text/files.h"

namespace mirtote::jravan {

namespace {

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

}  // namespace

ReplacementSet::~ReplacementSet() {
  Undo();
}

bool ReplacementSet::Keep(const fs::path& target, Step& step, std::string* error) {
  step.target = target;
  // A file written twice in the set keeps its first old content.
  if (std::any_of(steps_.begin(), steps_.end(),
                  [&](const Step& s) { return s.target == target; })) {
    step.target.clear();
    return true;
  }
  // Only a file or a link is kept; replacing anything else fails in the step itself.
  struct stat status {};
  if (::lstat(target.c_str(), &status) != 0) return true;
  if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) return true;
  // A hard link keeps the old file as it is (bytes, mode, owner) and costs no space.
  const fs::path kept = target.parent_path() / ("." + target.filename().string() + ".keep");
  ::unlink(kept.c_str());  // left by a run that was cut short
  if (::link(target.c_str(), kept.c_str()) == 0) {
    step.kept = kept;
    return true;
  }
  return Fail(error, text::PathText(target) + " の前の内容を残せません: " + std::strerror(errno));
}

bool ReplacementSet::Write(const fs::path& target, std::string_view bytes, std::string* error) {
  Step step;
  if (!Keep(target, step, error)) return false;
  if (!text::WriteFileAtomic(target, bytes, error)) {
    Forget(step);
    return false;
  }
  if (!step.target.empty()) steps_.push_back(std::move(step));
  return true;
}

bool ReplacementSet::Move(const fs::path& from, const fs::path& target, std::string* error) {
  Step step;
  if (!Keep(target, step, error)) return false;
  if (::rename(from.c_str(), target.c_str()) != 0) {
    const int err = errno;
    Forget(step);
    return Fail(error, text::PathText(target) + " を作成できません: " + std::strerror(err));
  }
  if (!step.target.empty()) steps_.push_back(std::move(step));
  return true;
}

void ReplacementSet::Forget(const Step& step) {
  if (!step.kept.empty()) ::unlink(step.kept.c_str());
}

void ReplacementSet::Commit() {
  for (const Step& step : steps_) Forget(step);
  steps_.clear();
}

void ReplacementSet::Undo() {
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
    if (it->kept.empty()) {
      ::unlink(it->target.c_str());
    } else {
      ::rename(it->kept.c_str(), it->target.c_str());
    }
  }
  steps_.clear();
}

}  // namespace mirtote::jravan
