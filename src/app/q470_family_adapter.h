#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "app/q470_family.h"
#include "framed/q470_controller.h"
#include "framed/q470_window.h"

namespace z3mq {

// Family Q470 behind the shell's seam: the framed layer's controller, with the shell's main
// window, tab strip and activity log as the window it needs.
class Q470FamilyAdapter : public Q470Family, private Q470Window {
 public:
  void createPages(const Q470Shell& shell) override;
  Dialog& printingPage() override { return controller_->printSettingsPage().dialog(); }
  Dialog& networkPage() override { return controller_->networkPage().dialog(); }

  void read() override { controller_->read(); }
  void write(int currentTab) override { controller_->write(currentTab); }
  void onFramedAnswer(std::span<const std::uint8_t> answer) override {
    controller_->onFramedAnswer(answer);
  }
  void applyNetworkCapability() override { controller_->applyNetworkCapability(); }

 private:
  int currentTabItem() const override { return shell_->tabs.currentTabItem(); }
  void dropNetworkTab() override { shell_->tabs.dropNetworkTab(); }
  void setInformationLabel(int labelId, std::string_view text) override;
  void appendLog(int colour, std::string_view text) override { shell_->log(colour, text); }

  std::optional<Q470Shell> shell_;
  std::optional<Q470Controller> controller_;
};

}  // namespace z3mq
