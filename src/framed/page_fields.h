#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "ui/dialog.h"
#include "ui/message_box_service.h"

namespace z3mq {

// "Enter an integer.": shown when an integer field's text does not begin with a number.
inline constexpr const char* kEnterAnIntegerMessage = "정수를 입력하십시오.";

// A page's data exchange: fields of the page bound to its edit fields, always exchanged in the
// order they were bound. While an exchange runs, the page's own handlers are not called, so the
// text it writes re-enters none of them.
class PageFields {
 public:
  PageFields(Dialog& dialog, MessageBoxService& messageBoxes)
      : dialog_(dialog), messageBoxes_(messageBoxes) {}
  PageFields(const PageFields&) = delete;
  PageFields& operator=(const PageFields&) = delete;

  // The fields outlive this object.
  void bindInteger(int controlId, std::int32_t& field) { bindings_.push_back({controlId, &field}); }
  void bindText(int controlId, std::string& field) { bindings_.push_back({controlId, &field}); }

  // Controls to fields. A text field takes the whole text. An integer field takes the number at
  // the start of its text (blanks, a sign, digits; the rest is ignored). When there is none, the
  // read stops there: the message box, then focus and the whole text selected on that field,
  // which keeps its value like every field after it. Returns false then.
  bool readFromControls();

  // Fields to controls: integers in decimal, texts as they are. A control already showing the
  // text is not rewritten.
  void writeToControls();

 private:
  struct Binding {
    int controlId;
    std::variant<std::int32_t*, std::string*> field;
  };

  Dialog& dialog_;
  MessageBoxService& messageBoxes_;
  std::vector<Binding> bindings_;
};

}  // namespace z3mq
