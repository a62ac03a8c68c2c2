#pragma once
// A full disk, as a file-size limit makes one: while it lives, no file this process writes
// may grow beyond `bytes`, and a write past it fails (rather than the signal ending the run).
#include <sys/resource.h>

#include <csignal>

class TFullDisk {
 public:
  explicit TFullDisk(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Saved);
    rlimit small = Saved;
    small.rlim_cur = bytes;
    Handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~TFullDisk() {
    setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, Handler);
  }
  TFullDisk(const TFullDisk&) = delete;
  TFullDisk& operator=(const TFullDisk&) = delete;

 private:
  rlimit Saved{};
  void (*Handler)(int) = SIG_DFL;
};
