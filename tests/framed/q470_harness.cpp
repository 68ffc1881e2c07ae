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

Q470Harness::Q470Harness(LinkKind kind) : link(kind), family(link, window, messageBoxes) {
  link.open();
  window.setPrintSettingsPage(family.printSettingsPage().dialog());
}

std::vector<FramedCode> Q470Harness::answerRequests() {
  const std::size_t from = answered_;
  // A read chain is a few dozen requests long; more means a request loop.
  constexpr std::size_t kBound = 100;
  while (answered_ < link.writes().size()) {
    if (answered_ - from > kBound) throw std::runtime_error("requests do not come to an end");
    // A copy: handling the answer writes further requests.
    const std::vector<std::uint8_t> request = link.writes()[answered_++];
    if (const auto answer = printer.answer(request, link.session().linkKind)) {
      family.onFramedAnswer(*answer);
    }
  }
  return writtenCodes(from);
}

std::vector<FramedCode> Q470Harness::writtenCodes(std::size_t from) const {
  std::vector<FramedCode> codes;
  for (std::size_t i = from; i < link.writes().size(); ++i) {
    const auto frame = readFrame(link.writes()[i]);
    if (!frame) throw std::runtime_error("a write that is not a frame");
    codes.push_back(frame->code);
  }
  return codes;
}

std::vector<std::uint8_t> Q470Harness::writtenPayload(std::size_t index) const {
  const auto frame = readFrame(link.writes().at(index));
  if (!frame) throw std::runtime_error("a write that is not a frame");
  return {frame->payload.begin(), frame->payload.end()};
}

}  // namespace z3mq::test
