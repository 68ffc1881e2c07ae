#include "app/information_panel.h"

#include <array>

#include "app/main_window_controls.h"
#include "ui/dialog.h"

namespace z3mq {

using namespace main_window;

namespace {

// Labels that only one family fills; model name, firmware and single-byte font serve both.
struct FamilyLabel {
  int id;
  PrinterFamily family;
};

constexpr std::array<FamilyLabel, 5> kFamilyLabels{{
    {kDoubleByteFontLabel, PrinterFamily::Z3M},
    {kUpdateDateLabel, PrinterFamily::Z3M},
    {kZ3MSerialLabel, PrinterFamily::Z3M},
    {kPartitionLabel, PrinterFamily::Z3M},
    {kQ470SerialLabel, PrinterFamily::Q470},
}};

}  // namespace

void arrangeInformationPanel(Dialog& mainWindow, PrinterFamily family) {
  if (family == PrinterFamily::None) return;
  for (const FamilyLabel& label : kFamilyLabels) {
    mainWindow.show(label.id, label.family == family);
  }
}

}  // namespace z3mq
