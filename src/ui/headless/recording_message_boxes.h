#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/message_box_service.h"

namespace z3mq {

// Message boxes for tests: each text is recorded and the box is dismissed at once, after the
// callback (if any) has run while it is "open".
class RecordingMessageBoxes : public MessageBoxService {
 public:
  void show(const std::string& text) override {
    texts_.push_back(text);
    if (whileOpen_) whileOpen_(text);
  }

  const std::vector<std::string>& texts() const { return texts_; }
  void clear() { texts_.clear(); }
  void whileOpen(std::function<void(const std::string&)> callback) {
    whileOpen_ = std::move(callback);
  }

 private:
  std::vector<std::string> texts_;
  std::function<void(const std::string&)> whileOpen_;
};

}  // namespace z3mq
