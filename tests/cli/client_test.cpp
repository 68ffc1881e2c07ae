// The built client against a simulated printer on a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/client_process.h"
#include "cli/json_fields.h"
#include "cli/printer_commands.h"
#include "cli/served_printer.h"
#include "cli/z3m_document.h"
#include "codec/text.h"
#include "framed/codec/frame.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/print_settings_encode.h"
#include "legacy/codec/requests.h"
#include "sim/q470_settings_cases.h"

namespace z3mq {
namespace {

using namespace z3mq::testing;
using Bytes = std::vector<std::uint8_t>;

SimOptions simOptions(PrinterFamily family, const std::string& firmware = "V1.00 USEW",
                      LinkKind linkKind = LinkKind::SerialEmulate) {
  SimOptions options;
  options.family = family;
  options.linkKind = linkKind;
  options.q470.identity.firmwareVersion = firmware;
  return options;
}

// Settings of a printer that has been set up by hand: far from what a fresh printer holds.
SimOptions configuredOptions(PrinterFamily family, const std::string& firmware, LinkKind linkKind) {
  SimOptions options = simOptions(family, firmware, linkKind);
  options.q470.printSettings = test::everyValueAtItsLimit();
  NetworkSettings& n = options.q470.network;
  n.ethernet.dhcpMode = kStaticIp;
  n.ethernet.address = ipv4(10, 1, 2, 3);
  n.wifi.ssid = "Lager";
  n.wifi.password = "geheim123";
  n.wifi.securityProtocol = 2;
  n.bluetooth.deviceName = "Kasse";
  n.bluetooth.pinCode = "4711";
  options.z3m.menu = {0x3C, 0x38, 0x13, 0x4A, 0x55, 0x25, 0x29, 0x03, 0x81};
  return options;
}

std::vector<std::string> deviceArguments(const ServedPrinter& printer, PrinterFamily family,
                                         LinkKind linkKind = LinkKind::SerialEmulate) {
  return {"--device",  printer.path(),
          "--family",  family == PrinterFamily::Q470 ? "q470" : "z3m",
          "--link",    linkKind == LinkKind::ActualUsb ? "usb" : "cdc",
          "--settle",  "0",
          "--timeout", "2000"};
}

std::vector<std::string> plus(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

Bytes frames(LinkKind linkKind, const std::vector<FramedRequest>& requests) {
  Bytes bytes;
  for (const FramedRequest& request : requests) {
    const Bytes frame = buildFrame(linkKind, request);
    bytes.insert(bytes.end(), frame.begin(), frame.end());
  }
  return bytes;
}

const std::vector<FramedRequest> kIdentityRequests{{FramedCode::ReadModelName, {}},
                                                   {FramedCode::ReadFirmwareVersion, {}},
                                                   {FramedCode::ReadFontVersion, {}},
                                                   {FramedCode::ReadSerialNumber, {}}};

class ClientTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) { return (directory_ / name).string(); }

  std::string writeFile(const std::string& name, const std::string& text) {
    std::ofstream(file(name)) << text;
    return file(name);
  }

  std::filesystem::path directory_ = [] {
    char name[] = "/tmp/z3mq-client-XXXXXX";
    return std::filesystem::path(::mkdtemp(name));
  }();

  void TearDown() override { std::filesystem::remove_all(directory_); }
};

struct ReadCase {
  const char* name;
  PrinterFamily family;
  const char* firmware;
  friend void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }
};

class ClientRead : public ClientTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ClientRead, InfoAndReadGiveWhatThePrinterHolds) {
  const ReadCase& c = GetParam();
  ServedPrinter printer(configuredOptions(c.family, c.firmware, LinkKind::SerialEmulate));

  const ClientResult info = runClient(plus(deviceArguments(printer, c.family), {"--json", "info"}));
  ASSERT_EQ(info.status, 0) << info.err;
  const Json identity = Json::parse(info.out);
  const ClientResult read = runClient(plus(deviceArguments(printer, c.family), {"read"}));
  ASSERT_EQ(read.status, 0) << read.err;
  const Json document = Json::parse(read.out);
  EXPECT_EQ(document["identity"], identity);

  const SettingsToWrite settings = settingsToWrite(document);
  printer.inspect([&](const SimulatedPrinter& sim) {
    if (c.family == PrinterFamily::Z3M) {
      EXPECT_EQ(identity["serialNumber"], sim.z3m().identity.serialNumber);
      EXPECT_EQ(settings.z3m, decodeMenuBlock(sim.z3m().menu));
      return;
    }
    const std::string code = identity["capabilityCode"];
    EXPECT_EQ(identity["serialNumber"], sim.q470().identity.serialNumber);
    EXPECT_EQ(code, std::string(c.firmware).substr(6));
    EXPECT_EQ(settings.q470.networkGroups, networkGroupsOf(code));
    EXPECT_EQ(printSettingsWriteRequests(settings.q470.printing).requests,
              printSettingsWriteRequests(sim.q470().printSettings).requests);
    EXPECT_EQ(networkWriteRequests(code, settings.q470.network),
              networkWriteRequests(code, sim.q470().network));
  });
}

INSTANTIATE_TEST_SUITE_P(
    Printers, ClientRead,
    ::testing::Values(ReadCase{"Q470Ethernet", PrinterFamily::Q470, "V1.00 USE"},
                      ReadCase{"Q470EthernetWifi", PrinterFamily::Q470, "V1.00 USEW"},
                      ReadCase{"Q470EthernetBluetooth", PrinterFamily::Q470, "V1.00 USEB"},
                      ReadCase{"Q470Wifi", PrinterFamily::Q470, "V1.00 USSW"},
                      ReadCase{"Q470Bluetooth", PrinterFamily::Q470, "V1.00 USSB"},
                      ReadCase{"Q470NoNetwork", PrinterFamily::Q470, "V1.00 USS"},
                      ReadCase{"Z3m", PrinterFamily::Z3M, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
  const char* name;
  PrinterFamily family;
  const char* firmware;
  LinkKind linkKind;
  friend void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }
};

class ClientRoundTrip : public ClientTest, public ::testing::WithParamInterface<RoundTripCase> {};

// Settings saved from one printer and written to the next: the second printer gets exactly
// the window's requests and ends up holding the first one's settings.
TEST_P(ClientRoundTrip, WritesTheWindowsBytesToTheNextPrinter) {
  const RoundTripCase& c = GetParam();
  ServedPrinter source(configuredOptions(c.family, c.firmware, c.linkKind));
  ServedPrinter target(simOptions(c.family, c.firmware, c.linkKind));
  const std::string saved = file("settings.json");

  const ClientResult read =
      runClient(plus(deviceArguments(source, c.family, c.linkKind), {"read", "-o", saved}));
  ASSERT_EQ(read.status, 0) << read.err;
  const ClientResult write =
      runClient(plus(deviceArguments(target, c.family, c.linkKind), {"write", saved}));
  ASSERT_EQ(write.status, 0) << write.err;

  Bytes expected;
  source.inspect([&](const SimulatedPrinter& sim) {
    if (c.family == PrinterFamily::Z3M) {
      expected = menuWriteRequest(sim.z3m().menu).bytes;
      const Bytes reset = resetRequest().bytes;
      expected.insert(expected.end(), reset.begin(), reset.end());
      return;
    }
    std::vector<FramedRequest> requests = kIdentityRequests;
    for (const FramedRequest& request :
         printSettingsWriteRequests(sim.q470().printSettings).requests) {
      requests.push_back(request);
    }
    const std::string code = std::string(c.firmware).substr(6);
    for (const FramedRequest& request : networkWriteRequests(code, sim.q470().network)) {
      requests.push_back(request);
    }
    expected = frames(c.linkKind, requests);
  });
  EXPECT_TRUE(target.waitForBytes(expected.size()));
  EXPECT_EQ(target.received(), expected);
  if (c.family == PrinterFamily::Z3M) {
    EXPECT_EQ(write.out, "The MENU setting completed successfully.\nReset Printer Device\n");
    source.inspect([&](const SimulatedPrinter& from) {
      target.inspect(
          [&](const SimulatedPrinter& to) { EXPECT_EQ(to.z3m().menu, from.z3m().menu); });
    });
  }
}

INSTANTIATE_TEST_SUITE_P(
    Printers, ClientRoundTrip,
    ::testing::Values(RoundTripCase{"Q470EthernetWifiCdc", PrinterFamily::Q470, "V1.00 USEW",
                                    LinkKind::SerialEmulate},
                      RoundTripCase{"Q470BluetoothPrinterClass", PrinterFamily::Q470, "V1.00 USSB",
                                    LinkKind::ActualUsb},
                      RoundTripCase{"Z3mCdc", PrinterFamily::Z3M, "", LinkKind::SerialEmulate}),
    [](const auto& info) { return std::string(info.param.name); });

// A valid document for every group, then changed by a row.
Json q470Document() {
  Q470Document document;
  document.networkGroups = {true, true, true};
  return q470DocumentJson(document);
}

std::string z3mDocument() {
  Z3mDocument document;
  document.menu = defaultMenuSelections();
  return z3mDocumentJson(document).dump();
}

enum class Sent { Nothing, IdentityOnly, Something };

struct FailureCase {
  const char* name;
  PrinterFamily family;
  void (*fault)(SimOptions&);
  std::string (*document)();  // the settings file for write, or nullptr
  std::vector<std::string> command;
  int status;
  const char* message;  // part of stderr
  Sent sent;
  friend void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }
};

class ClientFailure : public ClientTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ClientFailure, EndsWithItsExitCodeAndMessage) {
  const FailureCase& c = GetParam();
  SimOptions options = simOptions(c.family);
  if (c.fault != nullptr) c.fault(options);
  ServedPrinter printer(options);
  std::vector<std::string> arguments =
      plus(deviceArguments(printer, c.family), {"--timeout", "300"});
  arguments.erase(arguments.begin() + 8, arguments.begin() + 10);  // the default timeout
  arguments = plus(arguments, c.command);
  if (c.document != nullptr) arguments.push_back(writeFile("settings.json", c.document()));

  const ClientResult result = runClient(arguments);
  EXPECT_EQ(result.status, c.status) << result.err;
  EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  switch (c.sent) {
    case Sent::Nothing:
      EXPECT_TRUE(printer.received().empty());
      break;
    case Sent::IdentityOnly:
      EXPECT_EQ(printer.received(), frames(LinkKind::SerialEmulate, kIdentityRequests));
      break;
    case Sent::Something:
      EXPECT_FALSE(printer.received().empty());
      break;
  }
}

std::string changed(Json document, const char* pointer, Json value) {
  document[Json::json_pointer(pointer)] = std::move(value);
  return document.dump(2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClientFailure,
    ::testing::Values(
        FailureCase{"SilentQ470",
                    PrinterFamily::Q470,
                    [](SimOptions& o) { o.faults.muteAll = true; },
                    nullptr,
                    {"info"},
                    1,
                    "no answer to ReadModelName within 300 ms",
                    Sent::Something},
        FailureCase{"SilentZ3m",
                    PrinterFamily::Z3M,
                    [](SimOptions& o) { o.faults.muteAll = true; },
                    nullptr,
                    {"read"},
                    1,
                    "no answer to the information request within 300 ms",
                    Sent::Something},
        FailureCase{"ChainStopsHalfway",
                    PrinterFamily::Q470,
                    [](SimOptions& o) { o.faults.mutedCodes.insert(FramedCode::ReadBlackMark); },
                    nullptr,
                    {"read"},
                    1,
                    "no answer to ReadBlackMark",
                    Sent::Something},
        FailureCase{"MissingAcknowledgement",
                    PrinterFamily::Q470,
                    [](SimOptions& o) { o.faults.mutedCodes.insert(FramedCode::WriteBaudRate); },
                    [] { return q470Document().dump(); },
                    {"write"},
                    1,
                    "no acknowledgement within 300 ms of WriteBaudRate",
                    Sent::Something},
        FailureCase{"Z3mRefusesTheWrite",
                    PrinterFamily::Z3M,
                    [](SimOptions& o) { o.faults.refuseWrites = true; },
                    z3mDocument,
                    {"write"},
                    1,
                    "Failed to write!!",
                    Sent::Something},
        FailureCase{"UnknownCommand",
                    PrinterFamily::Q470,
                    nullptr,
                    nullptr,
                    {"erase"},
                    2,
                    "subcommand",
                    Sent::Nothing},
        FailureCase{"CorruptFile",
                    PrinterFamily::Q470,
                    nullptr,
                    [] { return std::string("{\"family\": \"q470\", \"printing\": {"); },
                    {"write"},
                    2,
                    "not a JSON document",
                    Sent::Nothing},
        FailureCase{"OtherFamily",
                    PrinterFamily::Q470,
                    nullptr,
                    z3mDocument,
                    {"write"},
                    2,
                    "family: the settings are for a z3m printer",
                    Sent::Nothing},
        FailureCase{
            "UnknownItem",
            PrinterFamily::Q470,
            nullptr,
            [] { return changed(q470Document(), "/printing/Serial Settings/Baudrate", "1"); },
            {"write"},
            2,
            "printing.Serial Settings.Baudrate: unknown item \"1\"",
            Sent::Nothing},
        FailureCase{"BlackMarkOutOfRange",
                    PrinterFamily::Q470,
                    nullptr,
                    [] {
                      Json document = q470Document();
                      document["printing"]["Black Mark"]["Black Mark Mode"] = "Enable";
                      document["printing"]["Black Mark"]["Black Mark Length"] = 49;
                      return document.dump();
                    },
                    {"write"},
                    3,
                    "Check the range 50 ~ 500mm",
                    Sent::Nothing},
        FailureCase{
            "ShortPassword",
            PrinterFamily::Q470,
            nullptr,
            [] { return changed(q470Document(), "/network/WIFI Info/Password", "1234567"); },
            {"write"},
            3,
            "Please check the number of characters in the Password",
            Sent::Nothing},
        FailureCase{"GroupThePrinterHasIsMissing",
                    PrinterFamily::Q470,
                    nullptr,
                    [] {
                      Json document = q470Document();
                      document["network"].erase("WIFI Info");
                      return document.dump();
                    },
                    {"write"},
                    2,
                    "network.WIFI Info: missing; this printer (USEW) has it",
                    Sent::IdentityOnly}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClientTest, APrinterThatCannotBeOpenedEndsWithExitCode4) {
  const ClientResult missing =
      runClient({"--device", file("ttyACM9"), "--family", "q470", "--settle", "0", "info"});
  EXPECT_EQ(missing.status, 4);
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;

  ServedPrinter printer(simOptions(PrinterFamily::Q470));
  const UniqueFd holder(::open(printer.path().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  ASSERT_EQ(::flock(holder.get(), LOCK_EX | LOCK_NB), 0);
  const ClientResult busy =
      runClient(plus(deviceArguments(printer, PrinterFamily::Q470), {"info"}));
  EXPECT_EQ(busy.status, 4);
  EXPECT_NE(busy.err.find("in use by another program"), std::string::npos) << busy.err;
  EXPECT_TRUE(printer.received().empty());
}

TEST_F(ClientTest, WithoutDiscoveredPrinterEndsWithExitCode4) {
  const ClientResult result = runClient({"--settle", "0", "info"});
  if (result.status == 0) GTEST_SKIP() << "a real printer is attached";
  EXPECT_EQ(result.status, 4);
  EXPECT_NE(result.err.find("no printer found"), std::string::npos) << result.err;
}

class ClientPrint : public ClientTest, public ::testing::WithParamInterface<PrinterFamily> {};

TEST_P(ClientPrint, PrintsTheTestLineAndTheSettingPage) {
  ServedPrinter printer(simOptions(GetParam()));
  const ClientResult ascii = runClient(plus(deviceArguments(printer, GetParam()), {"print-ascii"}));
  EXPECT_EQ(ascii.status, 0) << ascii.err;
  const auto line = asciiTestLine();
  EXPECT_TRUE(printer.waitUntil([&](const SimulatedPrinter& sim) {
    return std::equal(line.begin(), line.end(), sim.printedOutput().begin(),
                      sim.printedOutput().end());
  }));
  const ClientResult page =
      runClient(plus(deviceArguments(printer, GetParam()), {"print-setting-page"}));
  EXPECT_EQ(page.status, 0) << page.err;
  EXPECT_TRUE(printer.waitUntil([](const SimulatedPrinter& sim) {
    return std::any_of(sim.events().begin(), sim.events().end(), [](const SimEvent& event) {
      return event.kind == SimEventKind::SettingPagePrinted;
    });
  }));
}

INSTANTIATE_TEST_SUITE_P(Families, ClientPrint,
                         ::testing::Values(PrinterFamily::Q470, PrinterFamily::Z3M),
                         [](const auto& info) {
                           return info.param == PrinterFamily::Q470 ? "Q470" : "Z3m";
                         });

TEST_F(ClientTest, TraceNamesAndDecodesEveryMessage) {
  ServedPrinter printer(simOptions(PrinterFamily::Q470, "V1.00 USEW"));
  const std::string trace = file("trace.txt");
  const ClientResult result =
      runClient(plus(deviceArguments(printer, PrinterFamily::Q470), {"--trace", trace, "info"}));
  ASSERT_EQ(result.status, 0) << result.err;
  std::ifstream in(trace);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const char* expected :
       {"--> ReadModelName (0103)\n", "13 bytes: 1B 1B 45 02 02 01 03 00 00 00 00 0D BF\n",
        "<-- ReadModelName (0103) answer: \"Q470\"\n",
        "<-- ReadFirmwareVersion (0102) answer: \"V1.00 USEW\"\n",
        "--> ReadSerialNumber (0101)\n"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
  }
}

}  // namespace
}  // namespace z3mq
