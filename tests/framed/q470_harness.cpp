#include "framed/q470_harness.h"

#include <stdexcept>

namespace z3mq::test {
namespace {

DialogTemplate mainWindowPart() {
  const auto label = [](int id, const char* text) {
    return ControlTemplate{.id = id, .kind = ControlKind::Label, .text = text};
  };
  return {.id = 102,
          .controls = {label(1242, "Model Name:"),
                       label(1243, "FW Version:"),
                       label(1303, "Font Version  Single Byte:  -   -"),
                       label(1307, "SN:"),
                       {.id = TestQ470Window::kTabs,
                        .kind = ControlKind::TabControl,
                        .items = {"Menu Setting", "Ethernet / Wireless"}}}};
}

}  // namespace

TestQ470Window::TestQ470Window() : main_(mainWindowPart()) {}

void TestQ470Window::dropNetworkTab() {
  main_.deleteTabItem(kTabs, 1);
  if (printPage_ == nullptr) return;
  if (printPage_->isDialogVisible()) ++printPageHidings_;
  printPage_->hideDialog();
  printPage_->showDialog();
}

Q470Harness::Q470Harness(LinkKind kind) : family(link, window, messageBoxes) {
  for (const PrinterModel& model : kKnownPrinters) {
    if (model.family == PrinterFamily::Q470 && model.linkKind == kind) {
      link.attach(model.vendorId, model.productId, &printer);
    }
  }
  link.setMessageSink(this);
  link.open();
  window.setPrintSettingsPage(family.printSettingsPage().dialog());
}

void Q470Harness::onMessage(const Message& message) {
  if (message.kind == MessageKind::Framed) family.onFramedAnswer(message.bytes);
}

std::vector<FramedCode> Q470Harness::answerRequests() {
  const std::size_t from = answered_;
  // A read chain is a few dozen requests long; more means a request loop.
  constexpr std::size_t kBound = 100;
  if (link.deliver(kBound) == kBound) throw std::runtime_error("answers do not come to an end");
  answered_ = link.writes().size();
  return writtenCodes(from);
}

std::vector<FramedCode> Q470Harness::writtenCodes(std::size_t from) const {
  const auto writes = link.writes();
  std::vector<FramedCode> codes;
  for (std::size_t i = from; i < writes.size(); ++i) {
    const auto frame = readFrame(writes[i]);
    if (!frame) throw std::runtime_error("a write that is not a frame");
    codes.push_back(frame->code);
  }
  return codes;
}

std::vector<std::uint8_t> Q470Harness::writtenPayload(std::size_t index) const {
  const auto writes = link.writes();
  const auto frame = readFrame(writes.at(index));
  if (!frame) throw std::runtime_error("a write that is not a frame");
  return {frame->payload.begin(), frame->payload.end()};
}

}  // namespace z3mq::test
