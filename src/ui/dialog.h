#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/dialog_observer.h"
#include "ui/dialog_template.h"

namespace z3mq {

// What a handler of the dialog's message table reacts to.
enum class Notification {
  EditChanged,          // edit field text changed, by the user or the program
  SelectionChanged,     // drop-down list selection made by the user
  Clicked,              // push button or check box clicked by the user
  TabSelectionChanged,  // current tab item changed by the user
};

// One appended piece of a rich-text control: a log colour index and its text, line ends included.
struct ColouredText {
  int colour = 0;
  std::string text;
  bool operator==(const ColouredText&) const = default;
};

// A window or page as a model of controls, built from its template. Controls with a positive id
// are found by it; asking for a missing id, or an operation the control's kind does not have, is a
// programming error and throws std::logic_error. A hidden or disabled control keeps its value.
//
// Program-made changes notify handlers the way the platform's controls do: setting an edit
// field's text notifies EditChanged (always, even with the same text); setting a selection, check
// state, address or current tab notifies nothing. User input arrives through the user... entry
// points, which change the model first and then notify; a hidden or disabled control, or a control
// of a hidden dialog, ignores them (they return false).
//
// Belongs to the UI thread; nothing here is synchronised.
class Dialog {
 public:
  using Handler = std::function<void()>;

  explicit Dialog(DialogTemplate layout);
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // The template the dialog was built from: geometry, fonts, styles and unnamed controls.
  const DialogTemplate& layout() const { return layout_; }
  int id() const { return layout_.id; }
  bool hasControl(int id) const { return controls_.contains(id); }
  ControlKind kind(int id) const;

  // The dialog as a whole; pages are shown and hidden this way. Starts visible.
  void showDialog(bool visible = true);
  void hideDialog() { showDialog(false); }
  bool isDialogVisible() const { return visible_; }

  // Any control.
  void show(int id, bool visible = true);
  void hide(int id) { show(id, false); }
  bool isVisible(int id) const;
  void enable(int id, bool enabled = true);
  void disable(int id) { enable(id, false); }
  bool isEnabled(int id) const;
  void focus(int id);
  int focusedControl() const { return focused_; }  // 0 when none
  // Edit fields: select the whole text, as a field that rejected its input does. Any change of
  // the text drops the selection.
  void selectAllText(int id);
  bool isAllTextSelected(int id) const;

  // Labels, group boxes, buttons, check boxes, edit fields.
  void setText(int id, std::string_view text);
  void setInt(int id, int value);  // decimal, with a minus sign when negative
  const std::string& text(int id) const;

  // Drop-down lists: an index outside the items leaves no selection (-1).
  void select(int id, int index);
  int selection(int id) const;
  // Items of a drop-down list (sorted when its style says so) or of a tab control.
  const std::vector<std::string>& items(int id) const;

  void setChecked(int id, bool checked);
  bool isChecked(int id) const;

  void setAddress(int id, std::uint32_t address);
  std::uint32_t address(int id) const;

  // Tab control. An index past the end appends; a negative one inserts nothing (-1). Returns the
  // new item's index. The first item becomes current; the current item stays current when items
  // are inserted before it.
  int insertTabItem(int id, int index, std::string_view text);
  // An index that does not exist does nothing. Deleting the current item makes the item that
  // takes its place current, or the new last one, so that a tab control with items always has a
  // current item.
  void deleteTabItem(int id, int index);
  int tabCount(int id) const;
  int currentTab(int id) const;  // -1 when the tab control has no items
  // An index that does not exist does nothing.
  void setCurrentTab(int id, int index);

  // Rich-text control.
  void appendRichText(int id, int colour, std::string_view text);
  const std::vector<ColouredText>& richText(int id) const;

  // Message table: one handler per control and notification.
  void on(int id, Notification notification, Handler handler);

  // User input.
  bool userSetText(int id, std::string_view text);  // edit field → EditChanged
  bool userSelect(int id, int index);               // drop-down list → SelectionChanged
  bool userClick(int id);  // check box toggles, then Clicked; push button → Clicked
  // → TabSelectionChanged; choosing the current item or one that does not exist does nothing.
  bool userSelectTab(int id, int index);
  bool userSetAddress(int id, std::uint32_t address);  // no notification

  // While one of these exists, handlers are not called (observers still hear every change). Pages
  // hold one during their data exchange so that the text it writes does not re-enter their
  // handlers. Nests.
  class SuppressNotifications {
   public:
    explicit SuppressNotifications(Dialog& dialog) : dialog_(dialog) { ++dialog_.suppressed_; }
    ~SuppressNotifications() { --dialog_.suppressed_; }
    SuppressNotifications(const SuppressNotifications&) = delete;
    SuppressNotifications& operator=(const SuppressNotifications&) = delete;

   private:
    Dialog& dialog_;
  };

  void addObserver(DialogObserver& observer);
  void removeObserver(DialogObserver& observer);

 private:
  struct Control {
    ControlKind kind;
    std::string text;
    bool visible;
    bool enabled;
    std::vector<std::string> items;  // list items or tab items
    int selection;                   // list selection or current tab; -1 none
    bool checked = false;
    bool allTextSelected = false;
    std::uint32_t address;
    std::vector<ColouredText> richText{};
  };

  Control& find(int id, std::initializer_list<ControlKind> kinds);
  const Control& find(int id, std::initializer_list<ControlKind> kinds) const;
  Control* acceptingInput(int id, std::initializer_list<ControlKind> kinds);
  void changed(int id, ControlChange change);
  void notify(int id, Notification notification);
  void assignText(int id, Control& control, std::string_view text);
  void assignSelection(int id, Control& control, int index, ControlChange change);

  DialogTemplate layout_;
  std::map<int, Control> controls_;
  std::map<std::pair<int, Notification>, Handler> handlers_;
  std::vector<DialogObserver*> observers_;
  bool visible_ = true;
  int focused_ = 0;
  int suppressed_ = 0;
};

}  // namespace z3mq
