#include "ui/dialog.h"

#include <algorithm>
#include <stdexcept>

#include "ui/list_item_order.h"

namespace z3mq {
namespace {

constexpr std::initializer_list<ControlKind> kAnyKind{};
constexpr std::initializer_list<ControlKind> kTextKinds{ControlKind::Label, ControlKind::GroupBox,
                                                        ControlKind::PushButton,
                                                        ControlKind::CheckBox, ControlKind::Edit};

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "label";
    case ControlKind::GroupBox:
      return "group box";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::PushButton:
      return "push button";
    case ControlKind::CheckBox:
      return "check box";
    case ControlKind::DropDownList:
      return "drop-down list";
    case ControlKind::Edit:
      return "edit field";
    case ControlKind::Ipv4Address:
      return "IPv4 address field";
    case ControlKind::TabControl:
      return "tab control";
    case ControlKind::RichText:
      return "rich-text control";
  }
  return "control";
}

std::initializer_list<ControlKind> kindsNotifying(Notification notification) {
  static constexpr std::initializer_list<ControlKind> kEdit{ControlKind::Edit};
  static constexpr std::initializer_list<ControlKind> kList{ControlKind::DropDownList};
  static constexpr std::initializer_list<ControlKind> kClickable{ControlKind::PushButton,
                                                                 ControlKind::CheckBox};
  static constexpr std::initializer_list<ControlKind> kTab{ControlKind::TabControl};
  switch (notification) {
    case Notification::EditChanged:
      return kEdit;
    case Notification::SelectionChanged:
      return kList;
    case Notification::Clicked:
      return kClickable;
    case Notification::TabSelectionChanged:
      return kTab;
  }
  return kAnyKind;
}

bool inRange(int index, const std::vector<std::string>& items) {
  return index >= 0 && static_cast<std::size_t>(index) < items.size();
}

}  // namespace

Dialog::Dialog(DialogTemplate layout) : layout_(std::move(layout)) {
  for (ControlTemplate& t : layout_.controls) {
    if (t.kind == ControlKind::DropDownList && t.style.sorted) sortListItems(t.items);
    if (t.id <= 0) continue;
    const bool isTab = t.kind == ControlKind::TabControl;
    Control control{.kind = t.kind,
                    .text = t.text,
                    .visible = !t.style.hidden,
                    .enabled = !t.style.disabled,
                    .items = t.items,
                    .selection = isTab && !t.items.empty() ? 0 : -1,
                    .address = t.address};
    if (!controls_.emplace(t.id, std::move(control)).second) {
      throw std::logic_error("dialog " + std::to_string(id()) + " has control " +
                             std::to_string(t.id) + " twice");
    }
  }
}

const Dialog::Control& Dialog::find(int id, std::initializer_list<ControlKind> kinds) const {
  const auto it = controls_.find(id);
  if (it == controls_.end()) {
    throw std::logic_error("dialog " + std::to_string(this->id()) + " has no control " +
                           std::to_string(id));
  }
  if (kinds.size() != 0 && std::find(kinds.begin(), kinds.end(), it->second.kind) == kinds.end()) {
    throw std::logic_error("control " + std::to_string(id) + " of dialog " +
                           std::to_string(this->id()) + " is a " + kindName(it->second.kind) +
                           ", which has no such operation");
  }
  return it->second;
}

Dialog::Control& Dialog::find(int id, std::initializer_list<ControlKind> kinds) {
  return const_cast<Control&>(std::as_const(*this).find(id, kinds));
}

Dialog::Control* Dialog::acceptingInput(int id, std::initializer_list<ControlKind> kinds) {
  Control& control = find(id, kinds);
  return visible_ && control.visible && control.enabled ? &control : nullptr;
}

void Dialog::changed(int id, ControlChange change) {
  // A copy: an observer may remove itself while it is told.
  for (DialogObserver* observer : std::vector(observers_))
    observer->controlChanged(*this, id, change);
}

void Dialog::notify(int id, Notification notification) {
  if (suppressed_ > 0) return;
  const auto it = handlers_.find({id, notification});
  if (it == handlers_.end()) return;
  // A copy: the handler may register handlers while it runs.
  const Handler handler = it->second;
  handler();
}

ControlKind Dialog::kind(int id) const {
  return find(id, kAnyKind).kind;
}

void Dialog::showDialog(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  for (DialogObserver* observer : std::vector(observers_)) observer->dialogVisibilityChanged(*this);
}

void Dialog::show(int id, bool visible) {
  Control& control = find(id, kAnyKind);
  if (control.visible == visible) return;
  control.visible = visible;
  changed(id, ControlChange::Visibility);
}

bool Dialog::isVisible(int id) const {
  return find(id, kAnyKind).visible;
}

void Dialog::enable(int id, bool enabled) {
  Control& control = find(id, kAnyKind);
  if (control.enabled == enabled) return;
  control.enabled = enabled;
  changed(id, ControlChange::Enabled);
}

bool Dialog::isEnabled(int id) const {
  return find(id, kAnyKind).enabled;
}

void Dialog::focus(int id) {
  find(id, kAnyKind);
  if (focused_ == id) return;
  focused_ = id;
  changed(id, ControlChange::Focus);
}

void Dialog::selectAllText(int id) {
  Control& edit = find(id, {ControlKind::Edit});
  if (edit.allTextSelected) return;
  edit.allTextSelected = true;
  changed(id, ControlChange::TextSelection);
}

bool Dialog::isAllTextSelected(int id) const {
  return find(id, {ControlKind::Edit}).allTextSelected;
}

void Dialog::assignText(int id, Control& control, std::string_view text) {
  if (control.text != text) {
    control.text = text;
    control.allTextSelected = false;
    changed(id, ControlChange::Text);
  }
  if (control.kind == ControlKind::Edit) notify(id, Notification::EditChanged);
}

void Dialog::setText(int id, std::string_view text) {
  assignText(id, find(id, kTextKinds), text);
}

void Dialog::setInt(int id, int value) {
  setText(id, std::to_string(value));
}

const std::string& Dialog::text(int id) const {
  return find(id, kTextKinds).text;
}

void Dialog::assignSelection(int id, Control& control, int index, ControlChange change) {
  if (control.selection == index) return;
  control.selection = index;
  changed(id, change);
}

void Dialog::select(int id, int index) {
  Control& list = find(id, {ControlKind::DropDownList});
  assignSelection(id, list, inRange(index, list.items) ? index : -1, ControlChange::Selection);
}

int Dialog::selection(int id) const {
  return find(id, {ControlKind::DropDownList}).selection;
}

const std::vector<std::string>& Dialog::items(int id) const {
  return find(id, {ControlKind::DropDownList, ControlKind::TabControl}).items;
}

void Dialog::setChecked(int id, bool checked) {
  Control& box = find(id, {ControlKind::CheckBox});
  if (box.checked == checked) return;
  box.checked = checked;
  changed(id, ControlChange::Check);
}

bool Dialog::isChecked(int id) const {
  return find(id, {ControlKind::CheckBox}).checked;
}

void Dialog::setAddress(int id, std::uint32_t address) {
  Control& field = find(id, {ControlKind::Ipv4Address});
  if (field.address == address) return;
  field.address = address;
  changed(id, ControlChange::Address);
}

std::uint32_t Dialog::address(int id) const {
  return find(id, {ControlKind::Ipv4Address}).address;
}

int Dialog::insertTabItem(int id, int index, std::string_view text) {
  Control& tabs = find(id, {ControlKind::TabControl});
  if (index < 0) return -1;
  const int at = std::min(index, static_cast<int>(tabs.items.size()));
  tabs.items.emplace(tabs.items.begin() + at, text);
  const int current = tabs.selection < 0 ? 0 : tabs.selection + (at <= tabs.selection ? 1 : 0);
  changed(id, ControlChange::TabItems);
  assignSelection(id, tabs, current, ControlChange::CurrentTab);
  return at;
}

void Dialog::deleteTabItem(int id, int index) {
  Control& tabs = find(id, {ControlKind::TabControl});
  if (!inRange(index, tabs.items)) return;
  tabs.items.erase(tabs.items.begin() + index);
  const int last = static_cast<int>(tabs.items.size()) - 1;
  const int current = index < tabs.selection ? tabs.selection - 1 : std::min(tabs.selection, last);
  changed(id, ControlChange::TabItems);
  assignSelection(id, tabs, current, ControlChange::CurrentTab);
}

int Dialog::tabCount(int id) const {
  return static_cast<int>(find(id, {ControlKind::TabControl}).items.size());
}

int Dialog::currentTab(int id) const {
  return find(id, {ControlKind::TabControl}).selection;
}

void Dialog::setCurrentTab(int id, int index) {
  Control& tabs = find(id, {ControlKind::TabControl});
  if (inRange(index, tabs.items)) assignSelection(id, tabs, index, ControlChange::CurrentTab);
}

void Dialog::appendRichText(int id, int colour, std::string_view text) {
  find(id, {ControlKind::RichText}).richText.push_back({colour, std::string(text)});
  changed(id, ControlChange::RichText);
}

const std::vector<ColouredText>& Dialog::richText(int id) const {
  return find(id, {ControlKind::RichText}).richText;
}

void Dialog::on(int id, Notification notification, Handler handler) {
  find(id, kindsNotifying(notification));
  if (!handlers_.emplace(std::pair{id, notification}, std::move(handler)).second) {
    throw std::logic_error("control " + std::to_string(id) + " of dialog " +
                           std::to_string(this->id()) + " has this handler already");
  }
}

bool Dialog::userSetText(int id, std::string_view text) {
  Control* edit = acceptingInput(id, {ControlKind::Edit});
  if (edit == nullptr) return false;
  assignText(id, *edit, text);
  return true;
}

bool Dialog::userSelect(int id, int index) {
  Control* list = acceptingInput(id, {ControlKind::DropDownList});
  if (list == nullptr) return false;
  assignSelection(id, *list, inRange(index, list->items) ? index : -1, ControlChange::Selection);
  notify(id, Notification::SelectionChanged);
  return true;
}

bool Dialog::userClick(int id) {
  Control* control = acceptingInput(id, {ControlKind::PushButton, ControlKind::CheckBox});
  if (control == nullptr) return false;
  if (control->kind == ControlKind::CheckBox) {
    control->checked = !control->checked;
    changed(id, ControlChange::Check);
  }
  notify(id, Notification::Clicked);
  return true;
}

bool Dialog::userSelectTab(int id, int index) {
  Control* tabs = acceptingInput(id, {ControlKind::TabControl});
  if (tabs == nullptr || !inRange(index, tabs->items) || index == tabs->selection) return false;
  assignSelection(id, *tabs, index, ControlChange::CurrentTab);
  notify(id, Notification::TabSelectionChanged);
  return true;
}

bool Dialog::userSetAddress(int id, std::uint32_t address) {
  if (acceptingInput(id, {ControlKind::Ipv4Address}) == nullptr) return false;
  setAddress(id, address);
  return true;
}

void Dialog::addObserver(DialogObserver& observer) {
  observers_.push_back(&observer);
}

void Dialog::removeObserver(DialogObserver& observer) {
  std::erase(observers_, &observer);
}

}  // namespace z3mq
