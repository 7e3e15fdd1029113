#include "jravan/lzh_extract.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "jravan/replacement_set.h"
#include "text/chars.h"
#include "text/file_descriptor.h"

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

std::string Decimal(uint64_t n) {
  return std::to_string(n);
}

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

// Reads one archive into temporary files, counting what it writes against the limits.
class Stager {
 public:
  Stager(fs::path folder, const LzhLimits& limits, StagedLzh& out)
      : folder_(std::move(folder)), limits_(limits), out_(out) {}

  // Copies the current entry's data into a new temporary file; false (the status set) when
  // it fails.
  bool Entry(archive* a, const std::string& name) {
    if (++files_ > limits_.files) {
      return Fail(kLzhTooLarge, "ファイルの数が多すぎます（上限 " + Decimal(limits_.files) + "）");
    }
    std::string pattern = (folder_ / ".lzh-entry-XXXXXX").string();
    text::FileDescriptor fd(::mkstemp(pattern.data()));
    if (!fd.valid()) return Fail(kLzhWriteFailed, WriteProblem(errno));
    ::fchmod(fd.get(), 0644);
    const fs::path temp = pattern;
    uint64_t size = 0;
    bool ok = Copy(a, fd.get(), name, size);
    if (fd.Close() != 0 && ok) ok = Fail(kLzhWriteFailed, WriteProblem(errno));
    if (!ok) {
      ::unlink(temp.c_str());
      return false;
    }
    Add({name, temp, size});
    return true;
  }

  bool Fail(int status, std::string problem = {}) {
    out_.status = status;
    out_.problem = std::move(problem);
    return false;
  }

 private:
  std::string WriteProblem(int err) const {
    return text::PathText(folder_) + " に書き込めません: " + std::strerror(err);
  }

  bool Copy(archive* a, int fd, const std::string& name, uint64_t& size) {
    char buffer[65536];
    for (;;) {
      la_ssize_t n = archive_read_data(a, buffer, sizeof buffer);
      if (n == 0) return true;
      if (n < 0) return Fail(kLzhDamaged);
      // Checked before the bytes are written: an archive built to explode stops here.
      size += static_cast<uint64_t>(n);
      total_ += static_cast<uint64_t>(n);
      if (size > limits_.file_bytes) {
        return Fail(kLzhTooLarge,
                    name + " が大きすぎます（上限 " + Decimal(limits_.file_bytes) + " バイト）");
      }
      if (total_ > limits_.total_bytes) {
        return Fail(kLzhTooLarge, "解凍したファイルの合計が大きすぎます（上限 " +
                                      Decimal(limits_.total_bytes) + " バイト）");
      }
      if (!WriteAll(fd, buffer, static_cast<size_t>(n)))
        return Fail(kLzhWriteFailed, WriteProblem(errno));
    }
  }

  // A later entry of the same name replaces an earlier one, as the archive's order says.
  void Add(LzhMember member) {
    const std::string key = text::AsciiUpper(member.name);
    for (LzhMember& m : out_.members) {
      if (text::AsciiUpper(m.name) != key) continue;
      ::unlink(m.file.c_str());
      m = std::move(member);
      return;
    }
    out_.members.push_back(std::move(member));
  }

  fs::path folder_;
  const LzhLimits& limits_;
  StagedLzh& out_;
  size_t files_ = 0;
  uint64_t total_ = 0;
};

// Opens the archive without waiting on it: only a regular file is taken.
int OpenArchive(const fs::path& path, StagedLzh& out) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    out.status = kLzhUnreadable;
    return -1;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    out.status = kLzhNotRegular;
    out.problem =
        "通常のファイルではありません（" + std::string(text::FileKindText(status.st_mode)) + "）";
    ::close(fd);
    return -1;
  }
  return fd;
}

void Stage(const fs::path& archive_path, const fs::path& folder, const LzhLimits& limits,
           StagedLzh& out) {
  text::FileDescriptor fd(OpenArchive(archive_path, out));
  if (!fd.valid()) return;
  Utf8Ctype utf8;
  std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
  if (!a) {
    out.status = kLzhUnreadable;
    return;
  }
  archive_read_support_format_lha(a.get());
  if (archive_read_set_options(a.get(), "lha:hdrcharset=CP932") != ARCHIVE_OK ||
      archive_read_open_fd(a.get(), fd.get(), 65536) != ARCHIVE_OK) {
    out.status = kLzhUnreadable;
    return;
  }
  Stager stager(folder, limits, out);
  bool any_entry = false;
  for (;;) {
    archive_entry* entry = nullptr;
    int r = archive_read_next_header(a.get(), &entry);
    if (r == ARCHIVE_EOF) return;
    // A warning here is a name that did not decode: it could not be written as meant.
    if (r != ARCHIVE_OK) {
      stager.Fail(any_entry ? kLzhDamaged : kLzhUnreadable);
      return;
    }
    any_entry = true;
    const char* path = archive_entry_pathname(entry);
    std::string_view shown = path ? path : "";
    auto type = archive_entry_filetype(entry);
    if (type == AE_IFDIR) {
      // Folders are not made (names are taken without paths), but a hostile one still fails.
      std::string_view dir = shown;
      while (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) dir.remove_suffix(1);
      if (!dir.empty() && !EntryFileName(dir)) {
        stager.Fail(kLzhBadName, "使えないファイル名があります（" + std::string(shown) + "）");
        return;
      }
      continue;
    }
    auto name = EntryFileName(shown);
    if (!name || type != AE_IFREG) {
      stager.Fail(kLzhBadName, "使えないファイル名があります（" + std::string(shown) + "）");
      return;
    }
    if (!stager.Entry(a.get(), *name)) return;
  }
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

StagedLzh::~StagedLzh() {
  for (const LzhMember& m : members) ::unlink(m.file.c_str());
}

StagedLzh::StagedLzh(StagedLzh&& other) noexcept
    : status(other.status), problem(std::move(other.problem)), members(std::move(other.members)) {
  other.members.clear();
}

StagedLzh StageLzh(const fs::path& archive, const fs::path& folder, const LzhLimits& limits) {
  StagedLzh staged;
  Stage(archive, folder, limits, staged);
  if (staged.status != kLzhOk) {
    for (const LzhMember& m : staged.members) ::unlink(m.file.c_str());
    staged.members.clear();
  }
  return staged;
}

int ExtractLzh(const fs::path& archive, const fs::path& folder, const LzhLimits& limits) {
  StagedLzh staged = StageLzh(archive, folder, limits);
  if (staged.status != kLzhOk) return staged.status;
  ReplacementSet set;
  for (const LzhMember& m : staged.members) {
    if (!set.Move(m.file, folder / m.name, nullptr)) return kLzhWriteFailed;
  }
  set.Commit();
  return kLzhOk;
}

}  // namespace mirtote::jravan
