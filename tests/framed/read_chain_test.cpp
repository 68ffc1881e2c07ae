#include "framed/codec/read_chain.h"

#include <gtest/gtest.h>

#include "framed/hex.h"

namespace z3mq {
namespace {

using test::hex;

struct ChainCase {
  const char* name;
  FramedCode answer;
  const char* payload;
  const char* capability;
  std::optional<FramedRequest> next;
};

class ReadChainTest : public testing::TestWithParam<ChainCase> {};

TEST_P(ReadChainTest, EachAnswerAsksForTheNextRequest) {
  const ChainCase& c = GetParam();
  EXPECT_EQ(nextReadRequest(c.answer, hex(c.payload), c.capability), c.next);
}

FramedRequest request(FramedCode code, const char* payload = "") {
  return {code, hex(payload)};
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadChainTest,
    testing::Values(
        ChainCase{"ModelName", FramedCode::ReadModelName, "04 00 51 34 37 30", "",
                  request(FramedCode::ReadFirmwareVersion)},
        ChainCase{"Firmware", FramedCode::ReadFirmwareVersion, "", "USS",
                  request(FramedCode::ReadFontVersion)},
        ChainCase{"FontVersion", FramedCode::ReadFontVersion, "", "",
                  request(FramedCode::ReadSerialNumber)},
        ChainCase{"EmptySerialNumberStillContinues", FramedCode::ReadSerialNumber, "00 00", "",
                  request(FramedCode::ReadPrintSettings)},
        ChainCase{"PrintSettings", FramedCode::ReadPrintSettings, "", "",
                  request(FramedCode::ReadPaperSaving)},
        ChainCase{"PaperSaving", FramedCode::ReadPaperSaving, "", "",
                  request(FramedCode::ReadSettingItems)},
        ChainCase{"SettingItems", FramedCode::ReadSettingItems, "", "",
                  request(FramedCode::ReadBlackMark)},
        ChainCase{"BlackMarkEndsThePrintingPart", FramedCode::ReadBlackMark, "", "USEW",
                  std::nullopt},
        ChainCase{"EthernetOnUsewAsksForWifi", FramedCode::ReadInterface, "00", "USEW",
                  request(FramedCode::ReadInterface, "01")},
        ChainCase{"EthernetOnUsebAsksForBluetooth", FramedCode::ReadInterface, "00", "USEB",
                  request(FramedCode::ReadBluetoothSettings)},
        ChainCase{"EthernetOnUseEnds", FramedCode::ReadInterface, "00", "USE", std::nullopt},
        ChainCase{"EthernetOnUsswEnds", FramedCode::ReadInterface, "00", "USSW", std::nullopt},
        ChainCase{"WifiAsksForWifiSettings", FramedCode::ReadInterface, "01", "USSW",
                  request(FramedCode::ReadWifiSettings, "01")},
        ChainCase{"WifiSettingsEnd", FramedCode::ReadWifiSettings, "", "USEW", std::nullopt},
        ChainCase{"BluetoothSettingsAskForTheAddress", FramedCode::ReadBluetoothSettings, "",
                  "USSB", request(FramedCode::ReadBluetoothAddress)},
        ChainCase{"BluetoothAddressEnds", FramedCode::ReadBluetoothAddress, "", "USSB",
                  std::nullopt},
        ChainCase{"AcknowledgementEnds", FramedCode::WriteInterface, "", "USE", std::nullopt},
        ChainCase{"UnknownCodeEnds", FramedCode{0x0999}, "", "USE", std::nullopt}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
