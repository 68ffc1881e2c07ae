#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framed/codec/framed_code.h"
#include "framed/codec/print_settings.h"
#include "framed/page_fields.h"
#include "link/link.h"
#include "ui/dialog.h"
#include "ui/message_box_service.h"

namespace z3mq {

// The Q470 printing settings page (template 156): font system, serial settings, printing system,
// interface, autocut and sounds, Black Mark, custom switches, and the two maintenance buttons.
// Runs on the UI thread.
class PrintSettingsPage {
 public:
  // Builds the page from its template and initialises it: fields shown, start selections made,
  // the Black Mark distances disabled.
  PrintSettingsPage(Link& link, MessageBoxService& messageBoxes);
  PrintSettingsPage(const PrintSettingsPage&) = delete;
  PrintSettingsPage& operator=(const PrintSettingsPage&) = delete;

  Dialog& dialog() { return dialog_; }
  const Dialog& dialog() const { return dialog_; }

  // What the page shows: list selections, check states, the Black Mark fields and enabling.
  PrintSettings values() const;

  // One answer of the read chain's printing settings part (ReadPrintSettings, ReadPaperSaving,
  // ReadSettingItems, ReadBlackMark); other codes change nothing.
  void applyAnswer(FramedCode code, std::span<const std::uint8_t> payload);

 private:
  void showSelections(const PrintSettings& settings);
  void showBlackMark(const PrintSettings& settings);
  void applyBlackMarkMode();
  void exchangeFields();
  void printAscii();
  void printSettingPage();

  Link& link_;
  Dialog dialog_;
  std::int32_t blackMarkLengthMm_;
  std::int32_t blackMarkWidthMm_;
  std::string printAfterBlackMark_;
  std::string cutAfterBlackMark_;
  std::string bmValue_;
  PageFields fields_;
};

}  // namespace z3mq
