#pragma once

namespace z3mq {

class Dialog;

// What changed on a control; the observer reads the new state from the dialog.
enum class ControlChange {
  Text,
  Visibility,
  Enabled,
  Selection,      // drop-down list
  Check,          // check box
  Address,        // IPv4 address field
  TabItems,       // an item was inserted or deleted
  CurrentTab,     // follows TabItems when a deletion moved the current item
  RichText,       // a piece was appended: richText(id).back()
  Focus,          // focusedControl() is this control now
  TextSelection,  // edit field: its whole text was selected (a text change drops the selection)
};

// Hears every change of a dialog's state, whoever made it: the renderer keeps its widgets in step
// with the model through this. Operations that leave the state as it was are not reported, so a
// widget that reports user input hears back only values it already shows.
class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  virtual void controlChanged(const Dialog& dialog, int controlId, ControlChange change) = 0;
  virtual void dialogVisibilityChanged(const Dialog& dialog) = 0;
};

}  // namespace z3mq
