#include <gtest/gtest.h>

#include <string>

#include "cli/cli_error.h"
#include "cli/printer_commands.h"
#include "cli/settings_file.h"
#include "cli/z3m_document.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/print_settings_encode.h"
#include "sim/q470_settings_cases.h"

namespace z3mq {
namespace {

// A printing page and network groups far from the start values, every group present.
Q470Document sampleQ470() {
  Q470Document document;
  document.printing = test::everyValueAtItsLimit();
  NetworkSettings& n = document.network;
  n.ethernet = {kStaticIp, ipv4(10, 0, 0, 7), ipv4(10, 0, 0, 1), ipv4(255, 255, 0, 0), "MAC"};
  n.wifi.ip = {0, ipv4(172, 16, 1, 2), ipv4(172, 16, 1, 1), ipv4(255, 255, 255, 128), "MAC"};
  n.wifi.mode = 1;
  n.wifi.securityProtocol = 2;
  n.wifi.encryption = 1;
  n.wifi.ssid = "Lager Süd";
  n.wifi.password = "correct horse";
  n.bluetooth.deviceName = "Kasse 3";
  n.bluetooth.pinCode = "4711";
  document.networkGroups = {true, true, true};
  return document;
}

TEST(Q470Document, ShowsTheItemTextsOfThePages) {
  const Json json = q470DocumentJson(sampleQ470());
  EXPECT_EQ(json["family"], "q470");
  EXPECT_EQ(json["printing"]["Font system"]["Codepage"], "Page 61 Armenia");
  EXPECT_EQ(json["printing"]["Serial Settings"]["Baudrate"], "921600");
  EXPECT_EQ(json["printing"]["Printing system"]["Print density"], "Level8 [120%]");
  EXPECT_EQ(json["printing"]["Black Mark"]["Print After Black Mark"], -12);
  EXPECT_EQ(json["printing"]["Black Mark"]["BM Value"], 210);
  EXPECT_EQ(json["printing"]["Customized Settings"]["1086"], true);
  EXPECT_EQ(json["network"]["Ethernet Info"]["IP Address"], "10.0.0.7");
  EXPECT_EQ(json["network"]["Ethernet Info"]["DHCP mode"], "Static IP");
  EXPECT_EQ(json["network"]["WIFI Info"]["SSID"], "Lager Süd");
}

TEST(Q470Document, AListWithoutSelectionIsNullAndAbsentGroupsAreLeftOut) {
  Q470Document document;
  document.printing.codePage = -1;
  document.networkGroups = {false, true, false};
  const Json json = q470DocumentJson(document);
  EXPECT_TRUE(json["printing"]["Font system"]["Codepage"].is_null());
  EXPECT_FALSE(json["network"].contains("Ethernet Info"));
  EXPECT_TRUE(json["network"].contains("WIFI Info"));
  EXPECT_FALSE(json["network"].contains("Bluetooth Info"));
}

// What matters of a round trip is what reaches the printer: the same requests.
TEST(Q470Document, ReadingBackItsOwnOutputWritesTheSameRequests) {
  const Q470Document original = sampleQ470();
  const Json text = Json::parse(q470DocumentJson(original).dump());
  const SettingsToWrite settings = settingsToWrite(text);
  ASSERT_EQ(settings.family, PrinterFamily::Q470);
  EXPECT_EQ(printSettingsWriteRequests(settings.q470.printing).requests,
            printSettingsWriteRequests(original.printing).requests);
  EXPECT_EQ(settings.q470.networkGroups, original.networkGroups);
  for (const char* code : {"USEW", "USEB"}) {
    EXPECT_EQ(networkWriteRequests(code, settings.q470.network),
              networkWriteRequests(code, original.network))
        << code;
  }
}

TEST(Z3mDocument, MenuTextsComeFromTheMenuTablesAndReadBack) {
  Z3mDocument document;
  document.menu = decodeMenuBlock({0x3C, 0x38, 0xD3, 0x6B, 0x00, 0x26, 0x29, 0x00, 0x81});
  const Json json = z3mDocumentJson(document);
  EXPECT_EQ(json["family"], "z3m");
  EXPECT_EQ(json["menu"]["Byte 0"]["Codepage"], "Page 60 Farsi");
  EXPECT_EQ(json["menu"]["Byte 1"]["International charater set"], "Spain I");
  EXPECT_EQ(json["menu"]["Byte 3"]["Print density"], "Level 4 (100%)");
  EXPECT_EQ(json["menu"]["Byte 8"]["1080"], true);
  EXPECT_EQ(json["menu"]["Byte 8"]["1081"], false);

  const SettingsToWrite settings = settingsToWrite(Json::parse(json.dump()));
  ASSERT_EQ(settings.family, PrinterFamily::Z3M);
  EXPECT_EQ(settings.z3m, document.menu);
}

TEST(Z3mDocument, FontVersionsAreNullWhenNotInstalledAndAbsentWhenNotSent) {
  PrinterInformation identity;
  identity.fontVersions = FontVersions{"FONT1.000", std::nullopt};
  const Json json = z3mIdentityJson(identity);
  EXPECT_EQ(json["fontVersionSingleByte"], "FONT1.000");
  EXPECT_TRUE(json["fontVersionDoubleByte"].is_null());
  identity.fontVersions.reset();
  EXPECT_FALSE(z3mIdentityJson(identity).contains("fontVersionSingleByte"));
}

// One change to a valid document, and the field the error must name.
struct InvalidCase {
  const char* name;
  const char* family;
  const char* pointer;  // JSON pointer of the changed field
  Json value;           // discarded: the field is removed
  const char* field;
};

Json validDocument(const char* family) {
  if (std::string(family) == "q470") return q470DocumentJson(sampleQ470());
  Z3mDocument document;
  document.menu = defaultMenuSelections();
  return z3mDocumentJson(document);
}

class InvalidDocument : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidDocument, IsRefusedNamingTheField) {
  const InvalidCase& c = GetParam();
  Json document = validDocument(c.family);
  const Json::json_pointer pointer(c.pointer);
  if (c.value.is_discarded()) {
    document[pointer.parent_pointer()].erase(pointer.back());
  } else {
    document[pointer] = c.value;
  }
  try {
    settingsToWrite(document);
    FAIL() << "accepted";
  } catch (const CliError& error) {
    EXPECT_EQ(error.code(), ExitCode::BadInput);
    EXPECT_NE(std::string(error.what()).find(c.field), std::string::npos) << error.what();
  }
}

const Json kRemoved = Json::value_t::discarded;

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidDocument,
    ::testing::Values(
        InvalidCase{"UnknownFamily", "q470", "/family", "q471", "family"},
        InvalidCase{"NoFamily", "q470", "/family", kRemoved, "family"},
        InvalidCase{"UnknownItem", "q470", "/printing/Serial Settings/Baudrate", "115201",
                    "printing.Serial Settings.Baudrate"},
        InvalidCase{"ItemOfAnotherList", "q470", "/printing/Printing system/Print density",
                    "Level 4 (100%)", "printing.Printing system.Print density"},
        InvalidCase{"ListWithoutSelection", "q470", "/printing/Font system/Codepage", nullptr,
                    "printing.Font system.Codepage"},
        InvalidCase{"ItemAsIndex", "q470", "/printing/Interface/USB mode", 1,
                    "printing.Interface.USB mode"},
        InvalidCase{"NumberAsText", "q470", "/printing/Black Mark/Black Mark Length", "300",
                    "printing.Black Mark.Black Mark Length"},
        InvalidCase{"FractionalNumber", "q470", "/printing/Black Mark/BM Value", 30.5,
                    "printing.Black Mark.BM Value"},
        InvalidCase{"NumberBeyond32Bits", "q470", "/printing/Black Mark/Black Mark Width",
                    4294967296LL, "printing.Black Mark.Black Mark Width"},
        InvalidCase{"CheckBoxAsNumber", "q470", "/printing/Customized Settings/1087", 1,
                    "printing.Customized Settings.1087"},
        InvalidCase{"MissingGroup", "q470", "/printing/Autocut & Sound", kRemoved,
                    "printing.Autocut & Sound"},
        InvalidCase{"MissingPrinting", "q470", "/printing", kRemoved, "printing"},
        InvalidCase{"ShortAddress", "q470", "/network/Ethernet Info/IP Address", "192.168.1",
                    "network.Ethernet Info.IP Address"},
        InvalidCase{"OctetAbove255", "q470", "/network/WIFI Info/Gateway IP", "172.16.256.1",
                    "network.WIFI Info.Gateway IP"},
        InvalidCase{"FiveOctets", "q470", "/network/WIFI Info/Subnet Mask", "255.255.255.0.0",
                    "network.WIFI Info.Subnet Mask"},
        InvalidCase{"SignedOctet", "q470", "/network/Ethernet Info/Gateway IP", "10.0.+0.1",
                    "network.Ethernet Info.Gateway IP"},
        InvalidCase{"TextAsNumber", "q470", "/network/Bluetooth Info/PIN-Code", 4711,
                    "network.Bluetooth Info.PIN-Code"},
        InvalidCase{"GroupNotAnObject", "q470", "/network/WIFI Info", "off", "network.WIFI Info"},
        InvalidCase{"Z3mUnknownItem", "z3m", "/menu/Byte 3/Print density", "Level 8 (120%)",
                    "menu.Byte 3.Print density"},
        InvalidCase{"Z3mListWithoutSelection", "z3m", "/menu/Byte 6/Wireless mode", nullptr,
                    "menu.Byte 6.Wireless mode"},
        InvalidCase{"Z3mCheckBoxAsText", "z3m", "/menu/Byte 8/1087", "yes", "menu.Byte 8.1087"},
        InvalidCase{"Z3mMissingMenu", "z3m", "/menu", kRemoved, "menu"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFamily, ADocumentForTheOtherFamilyIsRefused) {
  try {
    requireSameFamily(PrinterFamily::Z3M, PrinterFamily::Q470);
    FAIL() << "accepted";
  } catch (const CliError& error) {
    EXPECT_EQ(error.code(), ExitCode::BadInput);
    EXPECT_STREQ(error.what(),
                 "family: the settings are for a z3m printer, this printer is a q470 printer");
  }
}

}  // namespace
}  // namespace z3mq
