// Symbols of the C library defined here, looked up next in line with dlsym(RTLD_NEXT): the
// sanitizers' interceptors, when present, are still called.
#undef _FORTIFY_SOURCE
#include "support/fault_injection.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>

namespace mirtote::testing {
namespace {

std::atomic<int> armed_call{-1};  // FsCall as int; -1 none
std::atomic<int> calls_left{0};
std::atomic<bool> fired_flag{false};
int armed_errno = 0;
int armed_nth = 0;

// True when this call is the one to fail (errno then set).
bool Fails(FsCall call) {
  if (armed_call.load() != static_cast<int>(call)) return false;
  if (calls_left.fetch_sub(1) != 1) return false;
  fired_flag = true;
  errno = armed_errno;
  return true;
}

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

mode_t ModeOf(int flags, va_list args) {
  return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, mode_t) : 0;
}

}  // namespace

InjectedFault::InjectedFault(FsCall call, int nth, int error) {
  armed_errno = error;
  armed_nth = nth;
  fired_flag = false;
  calls_left = nth;
  armed_call = static_cast<int>(call);
}

InjectedFault::~InjectedFault() {
  armed_call = -1;
}

bool InjectedFault::fired() const {
  return fired_flag;
}

std::string InjectedFault::Name() const {
  static const char* const kNames[] = {"open", "write", "fsync", "rename"};
  const int call = armed_call.load();
  return std::string(call < 0 ? "none" : kNames[call]) + " #" + std::to_string(armed_nth);
}

int ForEachFailingCall(const std::function<void()>& prepare, const std::function<void()>& job,
                       const std::function<void(const std::string&)>& check,
                       std::initializer_list<FsCall> calls) {
  int failed_runs = 0;
  for (FsCall call : calls) {
    for (int n = 1;; ++n) {
      prepare();
      std::string name;
      {
        InjectedFault fault(call, n, ENOSPC);
        job();
        if (!fault.fired()) break;
        name = fault.Name();
      }
      check(name);
      ++failed_runs;
    }
  }
  return failed_runs;
}

}  // namespace mirtote::testing

using mirtote::testing::Fails;
using mirtote::testing::FsCall;
using mirtote::testing::Next;

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = mirtote::testing::ModeOf(flags, args);
  va_end(args);
  static auto next = Next<int (*)(const char*, int, ...)>("open");
  return Fails(FsCall::kOpen) ? -1 : next(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = mirtote::testing::ModeOf(flags, args);
  va_end(args);
  static auto next = Next<int (*)(const char*, int, ...)>("open64");
  return Fails(FsCall::kOpen) ? -1 : next(path, flags, mode);
}

ssize_t write(int fd, const void* data, size_t size) {
  static auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
  return Fails(FsCall::kWrite) ? -1 : next(fd, data, size);
}

int fsync(int fd) {
  static auto next = Next<int (*)(int)>("fsync");
  return Fails(FsCall::kFsync) ? -1 : next(fd);
}

int fdatasync(int fd) {
  static auto next = Next<int (*)(int)>("fdatasync");
  return Fails(FsCall::kFsync) ? -1 : next(fd);
}

int rename(const char* from, const char* to) noexcept {
  static auto next = Next<int (*)(const char*, const char*)>("rename");
  return Fails(FsCall::kRename) ? -1 : next(from, to);
}

}  // extern "C"
