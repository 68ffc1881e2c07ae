#include "app/default_page_template.h"

namespace z3mq {

DialogTemplate defaultPageTemplate() {
  return DialogTemplate{
      .id = 160,
      .widthDlu = 440,
      .heightDlu = 240,
      .font = {"MS Shell Dlg", 8},
      .controls = {{.id = -1,
                    .kind = ControlKind::Label,
                    .text = "Checking the printer model and loading menu settings",
                    .rect = {126, 96, 185, 8}}},
  };
}

}  // namespace z3mq
