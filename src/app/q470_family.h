#pragma once

// The seam where family Q470 plugs into the shell.
//
// The main window knows the Q470 family only through Q470Family. It calls createPages() once
// during its initialisation, between the two Z3M pages and the default page, and from then on:
//   - read()                 on READ with family Q470, and as the connect probe of a Q470 printer
//                            (both send ReadModelName, which starts the read chain);
//   - write(currentTab)      on WRITE with family Q470, with the page host's current tab item;
//   - onFramedAnswer(bytes)  for every complete framed answer, on the UI thread (the receive
//                            worker waits meanwhile);
//   - applyNetworkCapability() when the user selects tab item 1 while the family is not Z3M,
//                            after the network page has been shown.
// The page host shows and hides printingPage() and networkPage() as whole dialogs.
//
// What the family may use of the shell is in Q470Shell: the link, the main window's dialog (for
// the information panel labels 1242, 1243, 1303 and 1307), message boxes, the activity log and the
// tab strip of the page host. Everything runs on the UI thread.
//
// makeQ470Family() is the factory the shell uses when it is given no family of its own.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace z3mq {

class Dialog;
class Link;
class MessageBoxService;

// The tab strip of the page host, as the Q470 family needs it.
class Q470TabHost {
 public:
  virtual ~Q470TabHost() = default;
  // Deletes tab item 1 ("Ethernet / Wireless"; nothing when there is none), then hides and at
  // once shows the printing settings page.
  virtual void dropNetworkTab() = 0;
  // The current tab item of the tab control 1220: 0 printing settings, 1 network.
  virtual int currentTabItem() const = 0;
};

// Appends one piece of text to the activity log in a log colour (0 red, 1 blue, 2 teal,
// 3 purple); the text carries its own line end.
using ActivityLogAppend = std::function<void(int colour, std::string_view text)>;

struct Q470Shell {
  Link& link;
  Dialog& mainWindow;
  MessageBoxService& messageBoxes;
  ActivityLogAppend log;
  Q470TabHost& tabs;
};

class Q470Family {
 public:
  virtual ~Q470Family() = default;

  // Creates the printing settings page (template 156) and the network page (template 157), runs
  // their initialisation and keeps `shell` for later calls. Called exactly once, before any
  // other member.
  virtual void createPages(const Q470Shell& shell) = 0;
  virtual Dialog& printingPage() = 0;
  virtual Dialog& networkPage() = 0;

  virtual void read() = 0;
  virtual void write(int currentTab) = 0;
  virtual void onFramedAnswer(std::span<const std::uint8_t> answer) = 0;
  virtual void applyNetworkCapability() = 0;
};

std::unique_ptr<Q470Family> makeQ470Family();

}  // namespace z3mq
