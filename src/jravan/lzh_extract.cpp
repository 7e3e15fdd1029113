#include "jravan/lzh_extract.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

namespace mirtote::jravan {

namespace fs = std::filesystem;

namespace {

// libarchive converts CP932 entry names into the thread's LC_CTYPE charset; without a UTF-8
// one the first Japanese name stops the archive. The locale is set for this thread only.
class Utf8Ctype {
 public:
  Utf8Ctype() : locale_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0))) {
    if (locale_) previous_ = uselocale(locale_);
  }
  ~Utf8Ctype() {
    if (!locale_) return;
    uselocale(previous_);
    freelocale(locale_);
  }
  Utf8Ctype(const Utf8Ctype&) = delete;
  Utf8Ctype& operator=(const Utf8Ctype&) = delete;

 private:
  locale_t locale_;
  locale_t previous_ = static_cast<locale_t>(0);
};

struct ArchiveCloser {
  void operator()(archive* a) const { archive_read_free(a); }
};

// One extracted entry waiting in its temporary file for the whole archive to pass.
struct Staged {
  std::string name;
  fs::path temp;
};

// Temporary files of the entries read so far; removed unless committed.
class Staging {
 public:
  explicit Staging(fs::path folder) : folder_(std::move(folder)) {}
  ~Staging() {
    for (const Staged& s : staged_) ::unlink(s.temp.c_str());
  }
  Staging(const Staging&) = delete;
  Staging& operator=(const Staging&) = delete;

  // A new temporary file in the folder, open for writing; -1 on failure.
  int Create(fs::path& temp) {
    std::string pattern = (folder_ / ".lzh-entry-XXXXXX").string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return -1;
    ::fchmod(fd, 0644);
    temp = pattern;
    return fd;
  }
  // A later entry of the same name replaces an earlier one, as the archive's order says.
  void Add(std::string name, fs::path temp) {
    for (Staged& s : staged_) {
      if (s.name != name) continue;
      ::unlink(s.temp.c_str());
      s.temp = std::move(temp);
      return;
    }
    staged_.push_back({std::move(name), std::move(temp)});
  }
  bool Commit() {
    bool ok = true;
    for (const Staged& s : staged_) {
      if (::rename(s.temp.c_str(), (folder_ / s.name).c_str()) != 0) {
        ::unlink(s.temp.c_str());
        ok = false;
      }
    }
    staged_.clear();
    return ok;
  }

 private:
  fs::path folder_;
  std::vector<Staged> staged_;
};

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Copies the current entry's data into a new temporary file.
int ExtractEntry(archive* a, Staging& staging, const std::string& name) {
  fs::path temp;
  int fd = staging.Create(temp);
  if (fd < 0) return kLzhWriteFailed;
  int status = kLzhOk;
  char buffer[65536];
  for (;;) {
    la_ssize_t n = archive_read_data(a, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      status = kLzhDamaged;
      break;
    }
    if (!WriteAll(fd, buffer, static_cast<size_t>(n))) {
      status = kLzhWriteFailed;
      break;
    }
  }
  if (::close(fd) != 0 && status == kLzhOk) status = kLzhWriteFailed;
  if (status != kLzhOk) {
    ::unlink(temp.c_str());
    return status;
  }
  staging.Add(name, std::move(temp));
  return kLzhOk;
}

}  // namespace

std::optional<std::string> EntryFileName(std::string_view entry_path) {
  if (entry_path.empty() || entry_path[0] == '/' || entry_path[0] == '\\') return std::nullopt;
  if (entry_path.size() >= 2 && entry_path[1] == ':') return std::nullopt;  // drive letter
  std::string_view last;
  size_t start = 0;
  for (;;) {
    size_t cut = entry_path.find_first_of("/\\", start);
    last = entry_path.substr(start, cut == std::string_view::npos ? cut : cut - start);
    if (last == "..") return std::nullopt;
    if (cut == std::string_view::npos) break;
    start = cut + 1;
  }
  if (last.empty() || last == ".") return std::nullopt;
  return std::string(last);
}

int ExtractLzh(const fs::path& archive_path, const fs::path& folder) {
  Utf8Ctype utf8;
  std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
  if (!a) return kLzhUnreadable;
  archive_read_support_format_lha(a.get());
  if (archive_read_set_options(a.get(), "lha:hdrcharset=CP932") != ARCHIVE_OK ||
      archive_read_open_filename(a.get(), archive_path.c_str(), 65536) != ARCHIVE_OK) {
    return kLzhUnreadable;
  }
  Staging staging(folder);
  bool any_entry = false;
  for (;;) {
    archive_entry* entry = nullptr;
    int r = archive_read_next_header(a.get(), &entry);
    if (r == ARCHIVE_EOF) break;
    // A warning here is a name that did not decode: it could not be written as meant.
    if (r != ARCHIVE_OK) return any_entry ? kLzhDamaged : kLzhUnreadable;
    any_entry = true;
    const char* path = archive_entry_pathname(entry);
    auto type = archive_entry_filetype(entry);
    if (type == AE_IFDIR) {
      // Folders are not made (names are taken without paths), but a hostile one still fails.
      std::string_view dir = path ? path : "";
      while (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) dir.remove_suffix(1);
      if (!dir.empty() && !EntryFileName(dir)) return kLzhBadName;
      continue;
    }
    auto name = EntryFileName(path ? path : "");
    if (!name || type != AE_IFREG) return kLzhBadName;
    if (int status = ExtractEntry(a.get(), staging, *name); status != kLzhOk) return status;
  }
  return staging.Commit() ? kLzhOk : kLzhWriteFailed;
}

}  // namespace mirtote::jravan
