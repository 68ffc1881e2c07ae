#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framed/codec/network_settings.h"
#include "framed/codec/print_setting_lists.h"
#include "framed/network_page_ids.h"
#include "framed/network_page_template.h"
#include "framed/print_settings_page_ids.h"
#include "framed/print_settings_page_template.h"
#include "framed/template_layout.h"

namespace z3mq {
namespace {

struct TemplateCase {
  const char* name;
  std::function<DialogTemplate()> build;
};

class PageTemplateLayout : public testing::TestWithParam<TemplateCase> {};

bool overlap(const RectDlu& a, const RectDlu& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

std::string describe(const ControlTemplate& c) {
  return std::to_string(c.id) + " '" + c.text + "'";
}

TEST_P(PageTemplateLayout, ControlsStayOnThePageWithoutOverlapAndTheirTextsFit) {
  const DialogTemplate page = GetParam().build();
  EXPECT_EQ(page.widthDlu, 440);
  EXPECT_EQ(page.heightDlu, 240);
  EXPECT_EQ(page.font.face, "MS Shell Dlg");
  EXPECT_EQ(page.font.pointSize, 8);
  std::vector<const ControlTemplate*> shown;
  for (const ControlTemplate& c : page.controls) {
    EXPECT_GE(c.rect.x, 0) << describe(c);
    EXPECT_GE(c.rect.y, 0) << describe(c);
    EXPECT_LE(c.rect.x + c.rect.w, page.widthDlu) << describe(c);
    EXPECT_LE(c.rect.y + c.rect.h, page.heightDlu) << describe(c);
    if (c.kind == ControlKind::Label) {
      const int lines = c.rect.h / kTextLineHeight;
      EXPECT_LE(textLines(c.text, c.rect.w), lines) << describe(c);
    }
    if (c.kind != ControlKind::GroupBox && !c.style.hidden) shown.push_back(&c);
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      EXPECT_FALSE(overlap(shown[i]->rect, shown[j]->rect))
          << describe(*shown[i]) << " and " << describe(*shown[j]);
    }
  }
}

TEST_P(PageTemplateLayout, EveryControlOfAGroupLiesInsideItsBox) {
  // Group boxes do not overlap one another, so a control touching a box belongs to it.
  const DialogTemplate page = GetParam().build();
  for (const ControlTemplate& box : page.controls) {
    if (box.kind != ControlKind::GroupBox) continue;
    for (const ControlTemplate& c : page.controls) {
      if (&c == &box || c.style.hidden || !overlap(box.rect, c.rect)) continue;
      EXPECT_GE(c.rect.x, box.rect.x) << describe(c) << " in " << box.text;
      EXPECT_GE(c.rect.y, box.rect.y) << describe(c) << " in " << box.text;
      EXPECT_LE(c.rect.x + c.rect.w, box.rect.x + box.rect.w) << describe(c) << " in " << box.text;
      EXPECT_LE(c.rect.y + c.rect.h, box.rect.y + box.rect.h) << describe(c) << " in " << box.text;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTemplateLayout,
                         testing::Values(TemplateCase{"PrintSettings", printSettingsPageTemplate},
                                         TemplateCase{"Network", networkPageTemplate}),
                         [](const auto& info) { return std::string(info.param.name); });

const ControlTemplate& control(const DialogTemplate& page, int id) {
  for (const ControlTemplate& c : page.controls) {
    if (c.id == id) return c;
  }
  throw std::logic_error("no control " + std::to_string(id));
}

std::vector<std::string> texts(const DialogTemplate& page, ControlKind kind) {
  std::vector<std::string> found;
  for (const ControlTemplate& c : page.controls) {
    if (c.kind == kind) found.push_back(c.text);
  }
  return found;
}

TEST(PrintSettingsPageTemplate, GroupsLabelsHintsAndButtonsCarryTheirTexts) {
  const DialogTemplate page = printSettingsPageTemplate();
  EXPECT_EQ(
      texts(page, ControlKind::GroupBox),
      (std::vector<std::string>{"Font system", "Serial Settings", "Printing system", "Interface",
                                "Autocut && Sound", "Black Mark", "Customized Settings"}));
  EXPECT_EQ(texts(page, ControlKind::Label),
            (std::vector<std::string>{"Codepage type",
                                      "Codepage",
                                      "Multi-Language font",
                                      "International character set",
                                      "Baudrate",
                                      "Parity bit",
                                      "Handshaking",
                                      "Printing speed",
                                      "Paper width",
                                      "Column",
                                      "Print density",
                                      "USB mode",
                                      "Handshaking Operation",
                                      "Error sound",
                                      "Print finish sound",
                                      "External buzzer pattern",
                                      "Auto Cut mode",
                                      "Near Sensor Sound",
                                      "Paper Saving Mode",
                                      "Black Mark Mode",
                                      "Black Mark Length",
                                      "50~500mm",
                                      "Black Mark Width",
                                      "3~30mm",
                                      "Print After Black Mark",
                                      "-12~500mm",
                                      "Cut After Black Mark",
                                      "-23~500mm",
                                      "BM Value"}));
  EXPECT_EQ(texts(page, ControlKind::PushButton),
            (std::vector<std::string>{"Print Setting Page", "Print ASCII"}));
  EXPECT_EQ(control(page, print_page::kPrintSettingPageButton).rect.x, 341);
  EXPECT_EQ(control(page, print_page::kPrintAsciiButton).rect.y, 200);
  for (int i = 0; i < 8; ++i) {
    const ControlTemplate& box = control(page, print_page::kFirstCustomSwitch + i);
    EXPECT_EQ(box.kind, ControlKind::CheckBox);
    EXPECT_EQ(box.rect.x, 232 + 10 * i);
    EXPECT_EQ(box.rect.y, 200);
  }
  EXPECT_TRUE(control(page, print_page::kDataBits).style.hidden);
  EXPECT_TRUE(control(page, print_page::kStopBits).style.hidden);
  EXPECT_TRUE(control(page, print_page::kBlackMarkMode).style.sorted);
  EXPECT_TRUE(control(page, print_page::kBlackMarkLength).style.centred);
}

TEST(NetworkPageTemplate, GroupsAndLabelsCarryTheirTexts) {
  const DialogTemplate page = networkPageTemplate();
  EXPECT_EQ(texts(page, ControlKind::GroupBox),
            (std::vector<std::string>{"Ethernet Info", "WIFI Info", "Bluetooth Info"}));
  EXPECT_EQ(control(page, network_page::kSecurityProtocolLabel).text, "Security protocol");
  EXPECT_EQ(control(page, network_page::kEncryptionLabel).text, "Encrytion");
  for (const int id : {network_page::kEthernetMacAddress, network_page::kWifiMacAddress,
                       network_page::kDeviceAddress}) {
    EXPECT_EQ(control(page, id).text, kNoAddressText);
  }
}

}  // namespace
}  // namespace z3mq
