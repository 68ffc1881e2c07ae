#include "framed/page_fields.h"

#include <string_view>

#include "codec/text.h"

namespace z3mq {
namespace {

// An integer field reads no further into its text than this.
constexpr std::size_t kIntegerTextLimit = 63;

}  // namespace

bool PageFields::readFromControls() {
  Dialog::SuppressNotifications quiet(dialog_);
  for (const Binding& binding : bindings_) {
    const std::string_view text = dialog_.text(binding.controlId);
    if (auto* const* textField = std::get_if<std::string*>(&binding.field)) {
      **textField = text;
      continue;
    }
    std::int32_t value = 0;
    if (!tryLeadingInteger(text.substr(0, kIntegerTextLimit), value)) {
      messageBoxes_.show(kEnterAnIntegerMessage);
      dialog_.focus(binding.controlId);
      dialog_.selectAllText(binding.controlId);
      return false;
    }
    *std::get<std::int32_t*>(binding.field) = value;
  }
  return true;
}

void PageFields::writeToControls() {
  Dialog::SuppressNotifications quiet(dialog_);
  for (const Binding& binding : bindings_) {
    const std::string text = std::holds_alternative<std::string*>(binding.field)
                                 ? *std::get<std::string*>(binding.field)
                                 : std::to_string(*std::get<std::int32_t*>(binding.field));
    if (dialog_.text(binding.controlId) != text) dialog_.setText(binding.controlId, text);
  }
}

}  // namespace z3mq
