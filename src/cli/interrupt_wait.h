#pragma once

#include "link/linux/unique_fd.h"

namespace z3mq {

// Waits for a descriptor to become readable or for SIGINT/SIGTERM, whichever comes first. Only
// one may exist at a time: it takes over the two signals while it lives.
class InterruptWait {
 public:
  InterruptWait();
  ~InterruptWait();
  InterruptWait(const InterruptWait&) = delete;
  InterruptWait& operator=(const InterruptWait&) = delete;

  // True when fd is readable, false once a signal has come. fd < 0 waits for the signal only.
  bool waitReadable(int fd);

 private:
  UniqueFd readEnd_;
};

}  // namespace z3mq
