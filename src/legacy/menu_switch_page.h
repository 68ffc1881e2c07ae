#pragma once

#include "legacy/codec/menu_block.h"
#include "legacy/z3m_shell.h"
#include "ui/dialog.h"

namespace z3mq {

// The settings page of a Z3M printer: the nine menu bytes as lists and check boxes, READ and
// WRITE for the family, and the maintenance buttons. Its controls are its whole state.
class MenuSwitchPage {
 public:
  explicit MenuSwitchPage(const Z3MShell& shell);
  MenuSwitchPage(const MenuSwitchPage&) = delete;
  MenuSwitchPage& operator=(const MenuSwitchPage&) = delete;

  Dialog& dialog() { return dialog_; }
  const Dialog& dialog() const { return dialog_; }

  MenuSelections selections() const;
  // Sets every list and check box, whether the page is visible or not.
  void show(const MenuSelections& selections);

  // The menu read request; the page fills in when the printer answers.
  void read();
  // The page's selections as the menu write request. A list without a selection is sent as its
  // first item, and the log says so.
  void write();
  // The reset request and its log line; after a write acknowledgement and the hidden button.
  void reset();

 private:
  void printSettingPage();
  void printAscii();

  const Z3MShell& shell_;
  Dialog dialog_;
};

}  // namespace z3mq
