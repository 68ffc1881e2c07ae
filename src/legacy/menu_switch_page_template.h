#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// Control ids of the menu switch page besides its lists and check boxes (menu_items.h).
namespace menu_page {
inline constexpr int kPrintSettingPageButton = 1030;
inline constexpr int kPrintAsciiButton = 1161;
inline constexpr int kResetButton = 1079;  // created hidden and disabled; never shown
}  // namespace menu_page

// The menu switch page of a Z3M printer, template 146: the nine menu bytes as 23 lists and eight
// check boxes.
DialogTemplate menuSwitchPageTemplate();

}  // namespace z3mq
