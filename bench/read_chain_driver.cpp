#include "read_chain_driver.h"

#include "framed/codec/identity.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/read_chain.h"

namespace z3mq {

std::optional<ReadChainDriver::Run> ReadChainDriver::roundTrip(std::chrono::milliseconds bound) {
  return run(false, bound);
}

std::optional<ReadChainDriver::Run> ReadChainDriver::readChain(std::chrono::milliseconds bound) {
  return run(true, bound);
}

std::optional<ReadChainDriver::Run> ReadChainDriver::run(bool chain,
                                                         std::chrono::milliseconds bound) {
  const FramedRequest first{FramedCode::ReadModelName, {}};
  const std::vector<std::uint8_t> frame = buildFrame(link_.session().linkKind, first);
  std::unique_lock lock(mutex_);
  chaining_ = chain;
  awaited_ = first.code;
  requests_ = 1;
  finishedAt_.reset();
  lock.unlock();
  const Clock::time_point start = Clock::now();
  sendExpectingAnswer(link_, frame);
  lock.lock();
  if (!answered_.wait_until(lock, start + bound, [this] { return finishedAt_.has_value(); })) {
    awaited_ = FramedCode{};  // the answer, should it still come, is ignored
    return std::nullopt;
  }
  return Run{*finishedAt_ - start, requests_};
}

void ReadChainDriver::onMessage(const Message& message) {
  const Clock::time_point arrived = Clock::now();
  if (message.kind != MessageKind::Framed) return;
  const std::optional<FrameView> answer = readFrame(message.bytes);
  if (!answer) return;
  std::optional<FramedRequest> next;
  {
    std::lock_guard lock(mutex_);
    if (finishedAt_ || answer->code != awaited_) return;
    if (chaining_) next = followUp(*answer);
    if (next) {
      awaited_ = next->code;
      ++requests_;
    } else {
      finishedAt_ = arrived;
    }
  }
  if (next) {
    send(*next);
  } else {
    answered_.notify_all();
  }
}

std::optional<FramedRequest> ReadChainDriver::followUp(const FrameView& answer) {
  if (answer.code == FramedCode::ReadFirmwareVersion) {
    const std::string label =
        identityLabel(*findIdentityAnswer(answer.code), decodeInformationText(answer.payload));
    capabilityCode_ = capabilityCodeFromFirmwareLabel(label);
  }
  if (answer.code == FramedCode::ReadBlackMark) return networkReadRequest(capabilityCode_);
  return nextReadRequest(answer.code, answer.payload, capabilityCode_);
}

void ReadChainDriver::send(const FramedRequest& request) {
  sendExpectingAnswer(link_, buildFrame(link_.session().linkKind, request));
}

}  // namespace z3mq
