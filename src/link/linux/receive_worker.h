#pragma once

#include "link/linux/unique_fd.h"
#include "link/message.h"
#include "link/session.h"
#include "link/stream_framer.h"
#include "link/worker_thread.h"

namespace z3mq {

// The receive worker of an open channel. Each step sleeps in poll on the device and a wake-up
// eventfd, so a silent printer costs no wake-ups; whatever has arrived is read, fed to the
// framer and every complete message is handed to the sink, which may wait for the UI thread.
// Data is read whenever it arrives, on either link kind. A device that hangs up or fails is no
// longer polled: the worker idles until it is stopped, and the removal event does the rest.
class ReceiveWorker final : public WorkerThread {
 public:
  static constexpr std::chrono::milliseconds kStopTimeout{1001};

  // deviceFd stays owned by the caller and open until stop() has returned.
  ReceiveWorker(int deviceFd, PrinterSession& session, StreamFramer& framer, MessageSink* sink,
                Diagnostics diagnostics);
  ~ReceiveWorker() override;

  // Whether the wake-up descriptor could be made; a worker without it must not be started.
  bool valid() const { return wakeFd_.valid(); }

 protected:
  int step() override;
  void wake() override;

 private:
  void readDevice(short events);

  const int deviceFd_;
  const bool deviceIsTty_;
  PrinterSession& session_;
  StreamFramer& framer_;
  MessageSink* const sink_;
  UniqueFd wakeFd_;
  bool deviceGone_ = false;  // worker thread only
};

}  // namespace z3mq
