#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framed/q470_controller.h"
#include "framed/q470_window.h"
#include "link/message.h"
#include "support/fake_link.h"
#include "support/scripted_q470_printer.h"
#include "ui/dialog.h"
#include "ui/headless/recording_message_boxes.h"

namespace z3mq::test {

// The part of the main window the Q470 family uses: the information labels, the tab control of
// the page host and the activity log.
class TestQ470Window : public Q470Window {
 public:
  static constexpr int kTabs = 1220;

  TestQ470Window();

  // The printing settings page that dropping the network tab hides and shows again.
  void setPrintSettingsPage(Dialog& page) { printPage_ = &page; }

  int currentTabItem() const override { return main_.currentTab(kTabs); }
  void dropNetworkTab() override;
  void setInformationLabel(int labelId, std::string_view text) override {
    main_.setText(labelId, text);
  }
  void appendLog(int colour, std::string_view text) override {
    log_.push_back(std::to_string(colour) + " " + std::string(text));
  }

  Dialog& main() { return main_; }
  const std::vector<std::string>& log() const { return log_; }
  // How often the printing settings page was hidden while it was visible.
  int printPageHidings() const { return printPageHidings_; }

 private:
  Dialog main_;
  Dialog* printPage_ = nullptr;
  std::vector<std::string> log_;
  int printPageHidings_ = 0;
};

// The Q470 controller on an open fake link, with a scripted printer that answers what it is
// sent. Answers reach the controller only when answerRequests() hands them over.
class Q470Harness : private MessageSink {
 public:
  explicit Q470Harness(LinkKind kind = LinkKind::SerialEmulate);

  // Answers the requests written since the last call, and the requests those answers bring,
  // until nothing new is written (bounded). Returns the codes of every request written meanwhile.
  std::vector<FramedCode> answerRequests();

  // The codes of the frames written since index `from`.
  std::vector<FramedCode> writtenCodes(std::size_t from = 0) const;
  // The payload of the frame written at index.
  std::vector<std::uint8_t> writtenPayload(std::size_t index) const;

  ScriptedQ470Printer printer;
  FakeLink link;
  TestQ470Window window;
  RecordingMessageBoxes messageBoxes;
  Q470Controller family;

 private:
  void onMessage(const Message& message) override;

  std::size_t answered_ = 0;
};

}  // namespace z3mq::test
