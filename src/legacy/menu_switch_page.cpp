#include "legacy/menu_switch_page.h"

#include <algorithm>
#include <string>

#include "codec/text.h"
#include "legacy/codec/requests.h"
#include "legacy/menu_switch_page_template.h"
#include "legacy/send_request.h"
#include "link/link.h"

namespace z3mq {

namespace {

std::string listName(const MenuListField& field) {
  return field.label.empty() ? std::string("Codepage") : std::string(field.label);
}

const MenuListField& fieldOf(int controlId) {
  return *std::find_if(kMenuListFields.begin(), kMenuListFields.end(),
                       [controlId](const MenuListField& f) { return f.controlId == controlId; });
}

}  // namespace

MenuSwitchPage::MenuSwitchPage(const Z3MShell& shell)
    : shell_(shell), dialog_(menuSwitchPageTemplate()) {
  dialog_.on(menu_page::kPrintSettingPageButton, Notification::Clicked,
             [this] { printSettingPage(); });
  dialog_.on(menu_page::kResetButton, Notification::Clicked, [this] { reset(); });
  dialog_.on(menu_page::kPrintAsciiButton, Notification::Clicked, [this] { printAscii(); });
  // Defaults in order of control id; the check boxes start unchecked.
  auto fields = kMenuListFields;
  std::ranges::sort(fields, {}, &MenuListField::controlId);
  for (const MenuListField& field : fields) dialog_.select(field.controlId, field.defaultIndex);
}

MenuSelections MenuSwitchPage::selections() const {
  MenuSelections selections;
  for (const MenuListField& field : kMenuListFields) {
    selections.selection(field.controlId) = dialog_.selection(field.controlId);
  }
  for (std::size_t i = 0; i < kMenuCheckCount; ++i) {
    const int id = kFirstMenuCheckId + static_cast<int>(i);
    selections.checked(id) = dialog_.isChecked(id);
  }
  return selections;
}

void MenuSwitchPage::show(const MenuSelections& selections) {
  for (const MenuListField& field : kMenuListFields) {
    dialog_.select(field.controlId, selections.selection(field.controlId));
  }
  // Bit 0 (1087) first.
  for (int id = kFirstMenuCheckId + static_cast<int>(kMenuCheckCount) - 1; id >= kFirstMenuCheckId;
       --id) {
    dialog_.setChecked(id, selections.checked(id));
  }
}

void MenuSwitchPage::read() {
  sendRequest(shell_.link, menuReadRequest());
}

void MenuSwitchPage::write() {
  const MenuEncoding encoding = encodeMenuBlock(selections());
  for (int id : encoding.unselectedListIds) {
    shell_.log(kZ3MNoteColour, listName(fieldOf(id)) + " has no selection: sent as 0\n");
  }
  sendRequest(shell_.link, menuWriteRequest(encoding.block));
}

void MenuSwitchPage::reset() {
  sendRequest(shell_.link, resetRequest());
  shell_.log(kZ3MLogColour, "Reset Printer Device\n");
}

void MenuSwitchPage::printSettingPage() {
  sendRequest(shell_.link, settingPageRequest());
  shell_.log(kZ3MLogColour, "Print Setting Page\n");
}

void MenuSwitchPage::printAscii() {
  if (shell_.link.session().opened == 0 || !shell_.search.identityReceived) return;
  shell_.link.write(asciiTestLine());
}

}  // namespace z3mq
