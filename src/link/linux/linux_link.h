#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "link/diagnostics.h"
#include "link/link.h"
#include "link/linux/receive_worker.h"
#include "link/linux/unique_fd.h"
#include "link/stream_framer.h"

namespace z3mq {

// The channel to a USB printer on Linux: discovery through udev, the node held exclusively, a
// receive worker while open. open(), close() and the destructor run on one thread (the UI
// thread); write() may be called from any thread. The sink must outlive the open channel.
class LinuxLink final : public Link {
 public:
  explicit LinuxLink(Diagnostics diagnostics = {});
  ~LinuxLink() override;

  int open() override;
  // Opens a node without discovery (a printer named on the command line, a pseudo-terminal);
  // the caller says what is behind it. Records the path; 1 when open, 0 when not.
  int openPath(const std::string& path, PrinterFamily family, LinkKind linkKind);
  // From now on open() opens this node instead of running discovery, as if discovery had found
  // the given printer there (demo mode: a simulated printer on a pseudo-terminal).
  void replaceDiscovery(std::string path, const PrinterModel& model);
  int close() override;
  bool portValid() const override;
  void write(std::span<const std::uint8_t> bytes) override;

 private:
  int start(UniqueFd device);

  const Diagnostics diagnostics_;
  mutable std::mutex portMutex_;  // writers against close
  UniqueFd port_;
  StreamFramer framer_;
  std::unique_ptr<ReceiveWorker> worker_;
  std::string fixedPath_;
  const PrinterModel* fixedModel_ = nullptr;
};

}  // namespace z3mq
