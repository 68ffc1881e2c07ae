#include "legacy/legacy_response_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legacy/response_body.h"
#include "legacy/z3m_family.h"
#include "link/session.h"
#include "support/fake_link.h"
#include "ui/dialog.h"
#include "ui/headless/recording_message_boxes.h"

namespace z3mq {
namespace {

constexpr int kModelName = 1242;
constexpr int kFirmware = 1243;
constexpr int kSingleByteFont = 1303;
constexpr int kDoubleByteFont = 1304;
constexpr int kUpdateDate = 1245;
constexpr int kSerial = 1244;
constexpr int kPartition = 1246;

// The information panel as the family sees it.
DialogTemplate panelTemplate() {
  DialogTemplate panel{.id = 102};
  for (auto [id, text] : std::vector<std::pair<int, const char*>>{
           {kModelName, "Model Name:"},
           {kFirmware, "FW Version:"},
           {kSingleByteFont, "Font Version  Single Byte:  -   -"},
           {kDoubleByteFont, "Double Byte: -  -"},
           {kUpdateDate, "Update date:"},
           {kSerial, "SN:"},
           {kPartition, "Partition Info:"}}) {
    panel.controls.push_back({.id = id, .kind = ControlKind::Label, .text = text});
  }
  return panel;
}

// The family on a fake link whose port is open, with the read of the main window counted.
class LegacyFamilyTest : public testing::Test {
 protected:
  LegacyFamilyTest() {
    link.attach(0x045B, 0x5311);
    link.open();
  }
  void handle(const std::vector<std::uint8_t>& packet) { family.onLegacyPacket(packet); }
  std::vector<std::string> logTexts() const {
    std::vector<std::string> texts;
    for (const ColouredText& line : log) texts.push_back(line.text);
    return texts;
  }

  FakeLink link;
  SearchFields search;
  Dialog panel{panelTemplate()};
  RecordingMessageBoxes boxes;
  std::vector<ColouredText> log;
  int reads = 0;
  Z3MShell shell{link,
                 search,
                 panel,
                 boxes,
                 [this](int colour, std::string_view text) {
                   log.push_back({colour, std::string(text)});
                 },
                 [this] { ++reads; }};
  Z3MFamily family{shell};
};

ResponseBody identity(std::string_view modelName = "Z3M-80") {
  return ResponseBody(0x00)
      .text(modelName)
      .text("V1.02")
      .text("2024-01-15")
      .text("SN0001")
      .text("hidden")
      .text("P2");
}

struct IdentityCase {
  const char* name;
  std::vector<std::uint8_t> packet;
  std::string modelName;
  std::string singleByteFont;
  std::string doubleByteFont;
};

class IdentityTest : public LegacyFamilyTest, public testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityTest, FillsThePanelLogsAndRunsRead) {
  handle(GetParam().packet);
  EXPECT_EQ(panel.text(kModelName), GetParam().modelName);
  EXPECT_EQ(panel.text(kFirmware), "FW Version: V1.02");
  EXPECT_EQ(panel.text(kUpdateDate), "Update date: 2024-01-15");
  EXPECT_EQ(panel.text(kSerial), "SN: SN0001");
  EXPECT_EQ(panel.text(kPartition), "Partition Info: P2");
  EXPECT_EQ(panel.text(kSingleByteFont), GetParam().singleByteFont);
  EXPECT_EQ(panel.text(kDoubleByteFont), GetParam().doubleByteFont);
  EXPECT_TRUE(search.identityReceived);
  EXPECT_EQ(log, (std::vector<ColouredText>{{1, "Test Tool Conneted!!\n"}}));
  EXPECT_EQ(reads, 1);
}

const std::string kLongModel(40, 'M');

INSTANTIATE_TEST_SUITE_P(
    Responses, IdentityTest,
    testing::Values(
        IdentityCase{"BothFonts", identity().text("S01.02.03").text("D04.05.06").packet(),
                     "Model Name: Z3M-80", "Font Version Single Byte: S01.02.03",
                     "Double Byte: D04.05.06"},
        IdentityCase{"EndsAfterPartitionKeepsFontLabels", identity().packet(), "Model Name: Z3M-80",
                     "Font Version  Single Byte:  -   -", "Double Byte: -  -"},
        IdentityCase{"SingleFontOfLengthZero", identity().text("").text("D04.05.06").packet(),
                     "Model Name: Z3M-80", "Font Version Single Byte: Not Installed",
                     "Double Byte: D04.05.06"},
        IdentityCase{"DoubleFontOfLengthEight",
                     identity().text("S01.02.03").text("D04.05.0").packet(), "Model Name: Z3M-80",
                     "Font Version Single Byte: S01.02.03", "Double Byte: Not Installed"},
        IdentityCase{"TextEndsAtZeroByte", identity(std::string_view("Z3\0M", 4)).packet(),
                     "Model Name: Z3", "Font Version  Single Byte:  -   -", "Double Byte: -  -"},
        // Longer than the 31 bytes the window once held: shown whole.
        IdentityCase{"LongTextShownWhole", identity(kLongModel).packet(),
                     "Model Name: " + kLongModel, "Font Version  Single Byte:  -   -",
                     "Double Byte: -  -"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LegacyFamilyTest, PresenceOnlyMarksTheIdentityAndLogs) {
  handle(ResponseBody(0x00).packet(0xFF));
  EXPECT_TRUE(search.identityReceived);
  EXPECT_EQ(logTexts(), std::vector<std::string>{"Test Tool Conneted!!\n"});
  EXPECT_EQ(panel.text(kModelName), "Model Name:");
  EXPECT_EQ(reads, 0);
  EXPECT_TRUE(link.writes().empty());
}

TEST_F(LegacyFamilyTest, PacketsNobodyActsOnChangeNothing) {
  for (const auto& packet : {ResponseBody(0x05).text("x").packet(),  // unknown sub-code
                             ResponseBody(0x00).packet(0x42)}) {     // unknown command
    handle(packet);
  }
  EXPECT_FALSE(search.identityReceived);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(boxes.texts().empty());
  EXPECT_TRUE(link.writes().empty());
  EXPECT_EQ(reads, 0);
}

TEST_F(LegacyFamilyTest, SetResponsesOtherThanTheAcknowledgementAreRefusals) {
  for (const auto& packet :
       {ResponseBody(0xFF).byte(0x15).packet(0x73), ResponseBody(0xC0).byte(0x06).packet(0x73)}) {
    handle(packet);
  }
  EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Failed to write!!", "Failed to write!!"}));
  EXPECT_TRUE(link.writes().empty());
}

TEST_F(LegacyFamilyTest, NetworkResponsesFillTheHiddenNetworkPage) {
  handle(ResponseBody(0x02)
             .byte(0)
             .byte(0)
             .text("10.0.0.5")
             .text("10.0.0.1")
             .text("255.0.0")
             .text("9100")
             .text("0011223344CC")
             .packet());
  const Dialog& page = family.networkPage();
  EXPECT_EQ(page.address(1275), ipv4(10, 0, 0, 5));
  EXPECT_EQ(page.address(1277), ipv4(255, 0, 0, 0));  // a missing field reads 0
  EXPECT_EQ(page.text(1279), "9100");
  handle(ResponseBody(0x01)
             .text("BT1.0")
             .byte(0)
             .byte(2)
             .text("POS")
             .text("1234")
             .text("0011223344AA")
             .text("1")
             .text("-50")
             .packet());
  EXPECT_EQ(page.text(1298), "POS");
  EXPECT_EQ(page.text(1299), "00-11-22-33-44-AA");
  EXPECT_TRUE(log.empty());
}

TEST_F(LegacyFamilyTest, MenuResponseIsDecodedIntoThePageWhateverItsVisibility) {
  family.menuSwitchPage().hideDialog();
  handle(ResponseBody(0xFF)
             .byte(0x09)
             .byte(0x3C)
             .byte(0x38)
             .byte(0xD3)
             .byte(0xFF)
             .byte(0xFF)
             .byte(0x7F)
             .byte(0xFF)
             .byte(0xFF)
             .byte(0xFF)
             .packet());
  const Dialog& page = family.menuSwitchPage();
  EXPECT_EQ(page.selection(1166), 33);  // Page 60 Farsi
  EXPECT_EQ(page.selection(1182), 7);   // Spain I
  EXPECT_EQ(page.selection(1184), -1);
  EXPECT_EQ(page.selection(1254), -1);
  for (int id = 1080; id <= 1087; ++id) EXPECT_TRUE(page.isChecked(id)) << id;
}

TEST_F(LegacyFamilyTest, MenuPageStartsWithItsDefaults) {
  Dialog& page = family.menuSwitchPage();
  for (const MenuListField& field : kMenuListFields) {
    EXPECT_EQ(page.selection(field.controlId), field.defaultIndex) << field.controlId;
  }
  EXPECT_FALSE(page.isVisible(1079));
  EXPECT_FALSE(page.isEnabled(1079));
  EXPECT_FALSE(page.userClick(1079));
}

}  // namespace
}  // namespace z3mq
