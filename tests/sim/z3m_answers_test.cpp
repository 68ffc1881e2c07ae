#include "sim/z3m_answers.h"

#include <gtest/gtest.h>

#include "legacy/codec/response.h"
#include "sim/aux_report_encoder.h"

namespace z3mq {
namespace {

struct InformationCase {
  const char* name;
  PrinterInformation info;
};

class InformationResponses : public testing::TestWithParam<InformationCase> {};

TEST_P(InformationResponses, ReadBackAsSent) {
  const auto packet = informationResponse(GetParam().info, "hidden");
  EXPECT_EQ(classifyLegacyResponse(packet), LegacyResponseKind::Information);
  EXPECT_EQ(readInformationResponse(packet), GetParam().info);
}

INSTANTIATE_TEST_SUITE_P(
    Identities, InformationResponses,
    testing::Values(InformationCase{"BothFonts",
                                    {"Z3M-P", "V1.02", "2024-03-01", "SN77", "P1",
                                     FontVersions{"FONT1.000", "KS5601.00"}}},
                    InformationCase{"DoubleByteFontNotInstalled",
                                    {"Z3M-P", "V1.02", "2024-03-01", "SN77", "P1",
                                     FontVersions{"FONT1.000", std::nullopt}}},
                    InformationCase{"OlderFirmwareEndsAfterPartition",
                                    {"Z3M", "V0.9", "", "", "", std::nullopt}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InformationResponse, ModelNameOf21BytesReadsAsModuleNotReady) {
  PrinterInformation info;
  info.modelName = std::string(21, 'M');
  EXPECT_EQ(classifyLegacyResponse(informationResponse(info, "")),
            LegacyResponseKind::ModuleNotReady);
}

TEST(MenuSwitchResponse, CarriesTheBlockInBytes7To15) {
  const MenuBlock block{0x3C, 0x38, 0xD3, 0xFF, 0x03, 0x04, 0xFF, 0xFF, 0x01};
  const auto packet = menuSwitchResponse(block);
  EXPECT_EQ(packet.size(), 18u);
  EXPECT_EQ(classifyLegacyResponse(packet), LegacyResponseKind::MenuSwitch);
  EXPECT_EQ(menuBlockOfResponse(packet), block);
}

TEST(SetResponse, AcknowledgesOrRefuses) {
  EXPECT_EQ(setResponse(true),
            (std::vector<std::uint8_t>{0x01, 0x02, 0x02, 0x00, 0x73, 0xFF, 0x06, 0x03, 0x04}));
  EXPECT_EQ(classifyLegacyResponse(setResponse(true)), LegacyResponseKind::WriteAcknowledged);
  EXPECT_EQ(classifyLegacyResponse(setResponse(false)), LegacyResponseKind::WriteRefused);
  EXPECT_EQ(classifyLegacyResponse(presenceResponse()), LegacyResponseKind::Presence);
}

struct ModuleCase {
  const char* name;
  ModuleInformation module;
};

class ModuleResponses : public testing::TestWithParam<ModuleCase> {};

TEST_P(ModuleResponses, ReadBackAsSent) {
  const auto packet = moduleInformationResponse(GetParam().module);
  EXPECT_EQ(classifyLegacyResponse(packet), LegacyResponseKind::ModuleInformation);
  EXPECT_EQ(readModuleInformationResponse(packet), GetParam().module);
}

WifiModuleSettings wifi(bool station, bool accessPoint) {
  WifiModuleSettings w{
      "SSID",       "password1",         1,    0xC0A80001,   0xC0A800FE, 0xFFFFFF00,  std::nullopt,
      std::nullopt, "00-11-22-33-44-AA", "11", std::nullopt, "18",       std::nullopt};
  if (station) {
    w.dnsServer1 = 0x08080808;
    w.dnsServer2 = 0x01010101;
    w.rssi = "-55";
  }
  if (accessPoint) w.authentication = 3;
  return w;
}

const BluetoothModuleSettings kBluetooth{"BT printer", "0000", "A1-B2-C3-D4-E5-F6", "SSP", "-60"};

INSTANTIATE_TEST_SUITE_P(
    Modes, ModuleResponses,
    testing::Values(ModuleCase{"SoftAccessPoint", {"ESP 1.0", 0, wifi(false, true)}},
                    ModuleCase{"Station", {"ESP 1.0", 1, wifi(true, false)}},
                    ModuleCase{"BluetoothClassic", {"BT 2.0", 2, kBluetooth}},
                    ModuleCase{"BluetoothClassicBle", {"BT 2.0", 3, kBluetooth}},
                    ModuleCase{"UnknownModeReadsAsPlainWifi", {"ESP 1.0", 4, wifi(false, false)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EthernetResponse, ReadsBackAsSent) {
  const EthernetInformation ethernet{0x0A000002, 0x0A000001, 0xFF000000, "9100", "001A2B3C4D5E"};
  const auto packet = ethernetInformationResponse(ethernet);
  EXPECT_EQ(classifyLegacyResponse(packet), LegacyResponseKind::EthernetInformation);
  EXPECT_EQ(packet[8], 8);  // "10.0.0.2"
  EXPECT_EQ(readEthernetInformationResponse(packet), ethernet);
}

TEST(AuxReportEncoder, ReadsBackAsSent) {
  const AuxReport report{"12", "34", "A", "E1"};
  const auto bytes = encodeAuxReport(report);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x37, 0x59, 0x31, 0x32, 0x1F, 0x33, 0x34, 0x1F, 0x31,
                                              0x1F, 0x41, 0x45, 0x31, 0x00}));
  const auto parsed = parseAuxReport(bytes);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->hSize, report.hSize);
  EXPECT_EQ(parsed->vSize, report.vSize);
  EXPECT_EQ(parsed->otherInfo, report.otherInfo);
  EXPECT_EQ(parsed->errorInfo, report.errorInfo);
}

}  // namespace
}  // namespace z3mq
