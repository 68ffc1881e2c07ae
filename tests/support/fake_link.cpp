#include "support/fake_link.h"

#include <iomanip>
#include <sstream>

#include "link/printer_models.h"

namespace z3mq {

void FakeLink::attach(std::uint16_t vendorId, std::uint16_t productId, ScriptedPrinter* printer) {
  device_ = Device{vendorId, productId, printer};
}

void FakeLink::detach() {
  device_.reset();
}

int FakeLink::open() {
  if (!device_) return 0;
  PrinterSession& s = session();
  std::ostringstream path;
  path << "/dev/fake/" << std::hex << std::setfill('0') << std::setw(4) << device_->vendorId << ':'
       << std::setw(4) << device_->productId;
  s.devicePath = path.str();
  s.deviceModel = findPrinterModel(device_->vendorId, device_->productId);
  if (s.deviceModel != nullptr) {
    s.family = s.deviceModel->family;
    s.linkKind = s.deviceModel->linkKind;
  }
  openPrinter_ = device_->printer;
  ++openCount_;
  if (sink() != nullptr) sink()->setAccepting(true);
  s.opened = 1;
  return 1;
}

int FakeLink::close() {
  if (session().opened == 0) return 1;
  if (sink() != nullptr) sink()->setAccepting(false);
  {
    std::lock_guard lock{mutex_};
    pending_.clear();
  }
  openPrinter_ = nullptr;
  ++closeCount_;
  session().opened = 0;
  return 0;
}

bool FakeLink::portValid() const {
  return session().opened != 0;
}

void FakeLink::write(std::span<const std::uint8_t> bytes) {
  if (!portValid()) return;
  std::vector<Message> answers;
  if (openPrinter_ != nullptr) answers = openPrinter_->answer(bytes);
  std::lock_guard lock{mutex_};
  writes_.emplace_back(bytes.begin(), bytes.end());
  for (Message& answer : answers) pending_.push_back(std::move(answer));
}

void FakeLink::receive(Message message) {
  std::lock_guard lock{mutex_};
  pending_.push_back(std::move(message));
}

std::size_t FakeLink::deliver(std::size_t bound) {
  std::size_t delivered = 0;
  while (delivered < bound) {
    Message next{MessageKind::Legacy, {}};
    {
      std::lock_guard lock{mutex_};
      if (pending_.empty() || sink() == nullptr) break;
      next = std::move(pending_.front());
      pending_.pop_front();
    }
    sink()->onMessage(next);
    ++delivered;
  }
  return delivered;
}

std::vector<std::vector<std::uint8_t>> FakeLink::writes() const {
  std::lock_guard lock{mutex_};
  return writes_;
}

void FakeLink::clearWrites() {
  std::lock_guard lock{mutex_};
  writes_.clear();
}

}  // namespace z3mq
