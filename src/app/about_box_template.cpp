#include "app/about_box_template.h"

#include "app/main_window_controls.h"

namespace z3mq {

DialogTemplate aboutBoxTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      .id = 100,
      .caption = "POS Printer Setting Utility Rev2.0",
      .widthDlu = 125,
      .heightDlu = 32,
      .font = {"MS Shell Dlg", 9},
      .controls = {
          {.id = -1,
           .kind = K::Picture,
           .rect = {14, 14, 21, 20},
           .imageId = main_window::kApplicationIcon},
          {.id = -1, .kind = K::Label, .text = "Z3M/Q470 Setting Tool", .rect = {42, 14, 149, 8}},
          {.id = -1,
           .kind = K::Label,
           .text = "z3mq: settings for receipt printers",
           .rect = {42, 26, 114, 8}},
      }};
}

}  // namespace z3mq
