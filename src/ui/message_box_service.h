#pragma once

#include <string>

namespace z3mq {

// A message box with a text and an OK button.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Modal: returns only when the user has dismissed the box. Called on the UI thread.
  virtual void show(const std::string& text) = 0;
};

}  // namespace z3mq
