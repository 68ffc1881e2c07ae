#pragma once

#include "link/printer_models.h"

namespace z3mq {

class Dialog;

// Shows the labels of the main window's information panel that the family fills and hides the
// others. Any other family changes nothing.
void arrangeInformationPanel(Dialog& mainWindow, PrinterFamily family);

}  // namespace z3mq
