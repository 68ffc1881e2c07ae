#include "cli/printer_channel.h"

#include "cli/trace.h"

namespace z3mq {

PrinterChannel::PrinterChannel(Link& link, Trace* trace) : link_(link), trace_(trace) {
  link_.setMessageSink(this);
}

void PrinterChannel::send(std::span<const std::uint8_t> bytes, bool expectsAnswer) {
  if (trace_ != nullptr) trace_->sent(bytes);
  if (expectsAnswer) {
    sendExpectingAnswer(link_, bytes);
  } else {
    link_.write(bytes);
  }
}

std::optional<Message> PrinterChannel::next(MessageKind kind, Deadline deadline) {
  std::unique_lock lock(mutex_);
  while (true) {
    while (!received_.empty()) {
      Message message = std::move(received_.front());
      received_.pop_front();
      if (message.kind == kind) return message;
    }
    if (arrived_.wait_until(lock, deadline) == std::cv_status::timeout && received_.empty()) {
      return std::nullopt;
    }
  }
}

void PrinterChannel::setAuxReportHandler(std::function<void(const Message&)> handler) {
  std::lock_guard lock(mutex_);
  auxReportHandler_ = std::move(handler);
}

void PrinterChannel::onMessage(const Message& message) {
  if (trace_ != nullptr) trace_->received(message);
  std::lock_guard lock(mutex_);
  if (message.kind == MessageKind::AuxReport && auxReportHandler_) {
    auxReportHandler_(message);
    return;
  }
  received_.push_back(message);
  arrived_.notify_all();
}

}  // namespace z3mq
