#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "framed/codec/frame.h"
#include "link/link.h"
#include "link/message.h"

namespace z3mq {

// Sends Q470 read requests over an open link and times their answers where they reach the
// link's message sink. In a chain each answer's follow-up request is written from the receive
// worker at once, as the application's answer handler writes it: identity, printing settings,
// then the network reads that the firmware's capability code calls for, as when the network
// tab is current. Set as the link's sink before the link opens; one run at a time.
class ReadChainDriver final : public MessageSink {
 public:
  using Clock = std::chrono::steady_clock;

  struct Run {
    Clock::duration elapsed;  // from the first write until the last answer reached the sink
    int requests;
  };

  explicit ReadChainDriver(Link& link) : link_(link) {}

  // ReadModelName and nothing after its answer. Nullopt when the run has not ended within
  // `bound`.
  std::optional<Run> roundTrip(std::chrono::milliseconds bound);
  // The whole read chain from ReadModelName on.
  std::optional<Run> readChain(std::chrono::milliseconds bound);

  void onMessage(const Message& message) override;

 private:
  std::optional<Run> run(bool chain, std::chrono::milliseconds bound);
  std::optional<FramedRequest> followUp(const FrameView& answer);
  void send(const FramedRequest& request);

  Link& link_;
  std::mutex mutex_;
  std::condition_variable answered_;
  bool chaining_ = false;
  FramedCode awaited_{};
  int requests_ = 0;
  std::optional<Clock::time_point> finishedAt_;
  std::string capabilityCode_;  // worker thread only
};

}  // namespace z3mq
