#pragma once
// Injected file-system failures: the n-th open, write, fsync or rename of the process fails
// with a chosen errno while an InjectedFault is alive. The functions are defined in the test
// executable and so take the place of the C library's for every caller, the program's code,
// the C++ library and Qt alike; with no fault armed they only pass the call on.

#include <functional>
#include <initializer_list>
#include <string>

namespace mirtote::testing {

enum class FsCall { kOpen, kWrite, kFsync, kRename };  // kFsync counts fdatasync too
inline constexpr FsCall kAllFsCalls[] = {FsCall::kOpen, FsCall::kWrite, FsCall::kFsync,
                                         FsCall::kRename};

class InjectedFault {
 public:
  InjectedFault(FsCall call, int nth, int error);
  ~InjectedFault();
  InjectedFault(const InjectedFault&) = delete;
  InjectedFault& operator=(const InjectedFault&) = delete;

  // The n-th call came and failed: a run that made fewer calls of the kind is complete.
  bool fired() const;
  std::string Name() const;  // "rename #2", for a failing case's message
};

// Runs a job once for every open, write, fsync and rename it makes, that call failing with
// ENOSPC: for n = 1, 2, ... of each kind, prepare(), job() with the n-th call failing, then
// check(name of the call) - until a job makes no n-th call. Gives the number of failed runs.
int ForEachFailingCall(const std::function<void()>& prepare, const std::function<void()>& job,
                       const std::function<void(const std::string&)>& check,
                       std::initializer_list<FsCall> calls = {FsCall::kOpen, FsCall::kWrite,
                                                              FsCall::kFsync, FsCall::kRename});

}  // namespace mirtote::testing
