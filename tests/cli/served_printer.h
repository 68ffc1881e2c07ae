#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/linux/unique_fd.h"
#include "sim/simulated_printer.h"

namespace z3mq::testing {

inline constexpr std::chrono::seconds kBound{10};

// A simulated printer behind the master of a pseudo-terminal, with a record of every byte the
// client wrote. The client opens path(); the printer answers at once from a thread of its own.
class ServedPrinter {
 public:
  // On a fresh pseudo-terminal.
  explicit ServedPrinter(SimOptions options);
  // On the master of a pseudo-terminal that stays someone else's (a umockdev device node).
  ServedPrinter(SimOptions options, int masterFd);
  ~ServedPrinter();

  const std::string& path() const { return path_; }

  std::vector<std::uint8_t> received();
  // Waits, within the bound, until the client has written at least this many bytes.
  bool waitForBytes(std::size_t count);
  // Waits, within the bound, until the printer satisfies the condition; returns whether it did.
  bool waitUntil(const std::function<bool(const SimulatedPrinter&)>& condition);
  void inspect(const std::function<void(const SimulatedPrinter&)>& look);

 private:
  void start(int masterFd);
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  SimulatedPrinter printer_;
  std::vector<std::uint8_t> received_;
  UniqueFd ownedMaster_;
  int master_ = -1;
  // A slave end held open, so that the master never hangs up between clients.
  UniqueFd keepAlive_;
  UniqueFd wake_;
  std::string path_;
  std::thread thread_;
};

}  // namespace z3mq::testing
