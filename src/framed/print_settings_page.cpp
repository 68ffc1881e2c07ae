#include "framed/print_settings_page.h"

#include <array>

#include "codec/text.h"
#include "framed/codec/maintenance.h"
#include "framed/codec/print_settings_decode.h"
#include "framed/framed_request_sender.h"
#include "framed/print_settings_page_ids.h"
#include "framed/print_settings_page_template.h"

namespace z3mq {
namespace {

using namespace print_page;

struct ListBinding {
  int id;
  int PrintSettings::*value;
};

// Every list of the page, in the order initialisation selects their start items.
constexpr std::array kLists{
    ListBinding{kCodePageType, &PrintSettings::codePageType},
    ListBinding{kCodePage, &PrintSettings::codePage},
    ListBinding{kMultiLanguageFont, &PrintSettings::multiLanguageFont},
    ListBinding{kInternationalCharacterSet, &PrintSettings::internationalCharacterSet},
    ListBinding{kBaudRate, &PrintSettings::baudRate},
    ListBinding{kParity, &PrintSettings::parity},
    ListBinding{kDataBits, &PrintSettings::dataBits},
    ListBinding{kStopBits, &PrintSettings::stopBits},
    ListBinding{kHandshaking, &PrintSettings::handshaking},
    ListBinding{kAutoCutMode, &PrintSettings::autoCutMode},
    ListBinding{kPrintFinishSound, &PrintSettings::printFinishSound},
    ListBinding{kErrorSound, &PrintSettings::errorSound},
    ListBinding{kPrintingSpeed, &PrintSettings::printingSpeed},
    ListBinding{kPaperWidth, &PrintSettings::paperWidth},
    ListBinding{kColumn, &PrintSettings::column},
    ListBinding{kPrintDensity, &PrintSettings::printDensity},
    ListBinding{kUsbMode, &PrintSettings::usbMode},
    ListBinding{kExternalBuzzerPattern, &PrintSettings::externalBuzzerPattern},
    ListBinding{kNearSensorSound, &PrintSettings::nearSensorSound},
    ListBinding{kPaperSavingMode, &PrintSettings::paperSavingMode},
    ListBinding{kHandshakingOperation, &PrintSettings::handshakingOperation},
    ListBinding{kBlackMarkMode, &PrintSettings::blackMarkMode},
};

// The Black Mark group, in the order it is enabled and exchanged.
constexpr std::array kBlackMarkFields{kBlackMarkLength, kBlackMarkWidth, kPrintAfterBlackMark,
                                      kCutAfterBlackMark, kBmValue};

constexpr int customSwitchId(std::size_t index) {
  return kFirstCustomSwitch + static_cast<int>(index);
}

}  // namespace

PrintSettingsPage::PrintSettingsPage(Link& link, MessageBoxService& messageBoxes)
    : link_(link),
      dialog_(printSettingsPageTemplate()),
      blackMarkLengthMm_(PrintSettings{}.blackMarkLengthMm),
      blackMarkWidthMm_(PrintSettings{}.blackMarkWidthMm),
      printAfterBlackMark_(PrintSettings{}.printAfterBlackMark),
      cutAfterBlackMark_(PrintSettings{}.cutAfterBlackMark),
      bmValue_(PrintSettings{}.bmValue),
      fields_(dialog_, messageBoxes) {
  fields_.bindInteger(kBlackMarkLength, blackMarkLengthMm_);
  fields_.bindInteger(kBlackMarkWidth, blackMarkWidthMm_);
  fields_.bindText(kPrintAfterBlackMark, printAfterBlackMark_);
  fields_.bindText(kCutAfterBlackMark, cutAfterBlackMark_);
  fields_.bindText(kBmValue, bmValue_);
  fields_.writeToControls();

  const PrintSettings start;
  for (const ListBinding& list : kLists) dialog_.select(list.id, start.*list.value);
  // BM Value starts enabled, the four distances do not.
  for (const int id : kBlackMarkFields) {
    if (id != kBmValue) dialog_.disable(id);
  }

  dialog_.on(kBlackMarkMode, Notification::SelectionChanged, [this] { applyBlackMarkMode(); });
  for (const int id : kBlackMarkFields) {
    dialog_.on(id, Notification::EditChanged, [this] { exchangeFields(); });
  }
  dialog_.on(kPrintAsciiButton, Notification::Clicked, [this] { printAscii(); });
  dialog_.on(kPrintSettingPageButton, Notification::Clicked, [this] { printSettingPage(); });
}

PrintSettings PrintSettingsPage::values() const {
  PrintSettings settings;
  for (const ListBinding& list : kLists) settings.*list.value = dialog_.selection(list.id);
  for (std::size_t i = 0; i < settings.customSwitches.size(); ++i) {
    settings.customSwitches[i] = dialog_.isChecked(customSwitchId(i));
  }
  settings.blackMarkLengthMm = blackMarkLengthMm_;
  settings.blackMarkWidthMm = blackMarkWidthMm_;
  settings.printAfterBlackMark = printAfterBlackMark_;
  settings.cutAfterBlackMark = cutAfterBlackMark_;
  settings.bmValue = bmValue_;
  settings.blackMarkDistancesEnabled = dialog_.isEnabled(kBlackMarkLength);
  settings.bmValueEnabled = dialog_.isEnabled(kBmValue);
  return settings;
}

void PrintSettingsPage::applyAnswer(FramedCode code, std::span<const std::uint8_t> payload) {
  PrintSettings settings = values();
  switch (code) {
    case FramedCode::ReadPrintSettings:
      applyPrintSettingsAnswer(payload, settings);
      break;
    case FramedCode::ReadPaperSaving:
      applyPaperSavingAnswer(payload, settings);
      break;
    case FramedCode::ReadSettingItems:
      applySettingItemsAnswer(payload, settings);
      break;
    case FramedCode::ReadBlackMark:
      applyBlackMarkAnswer(payload, settings);
      showBlackMark(settings);
      return;
    default:
      return;
  }
  showSelections(settings);
}

void PrintSettingsPage::showSelections(const PrintSettings& settings) {
  // Setting a selection or check state notifies nothing, and an unchanged one changes nothing.
  for (const ListBinding& list : kLists) dialog_.select(list.id, settings.*list.value);
  for (std::size_t i = 0; i < settings.customSwitches.size(); ++i) {
    dialog_.setChecked(customSwitchId(i), settings.customSwitches[i]);
  }
}

void PrintSettingsPage::showBlackMark(const PrintSettings& settings) {
  dialog_.select(kBlackMarkMode, settings.blackMarkMode);
  applyBlackMarkMode();
  // Each text set here notifies its field's handler, which brings the field in step.
  dialog_.setInt(kBlackMarkLength, settings.blackMarkLengthMm);
  dialog_.setInt(kBlackMarkWidth, settings.blackMarkWidthMm);
  dialog_.setText(kPrintAfterBlackMark, settings.printAfterBlackMark);
  dialog_.setText(kCutAfterBlackMark, settings.cutAfterBlackMark);
  dialog_.setText(kBmValue, settings.bmValue);
}

void PrintSettingsPage::applyBlackMarkMode() {
  fields_.readFromControls();
  const bool enabled = dialog_.selection(kBlackMarkMode) != 0;
  for (const int id : kBlackMarkFields) dialog_.enable(id, enabled);
  fields_.writeToControls();
}

void PrintSettingsPage::exchangeFields() {
  fields_.readFromControls();
  fields_.writeToControls();
}

void PrintSettingsPage::printAscii() {
  if (link_.session().opened != 1) return;
  fields_.readFromControls();
  // Plain print data, not a request: no answer is expected.
  link_.write(asciiTestLine());
  fields_.writeToControls();
}

void PrintSettingsPage::printSettingPage() {
  // Sent whatever the channel's state; the link writes nothing while it is closed.
  sendFramedRequest(link_, printSettingPageRequest());
}

}  // namespace z3mq
