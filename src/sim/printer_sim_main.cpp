// z3mq-printer-sim: a simulated printer on a pseudo-terminal, for tests, demos and development.
#include <signal.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>

#include "sim/simulated_pty.h"

namespace {

using namespace z3mq;

std::string describe(const SimEvent& event) {
  switch (event.kind) {
    case SimEventKind::Request:
      return "request: " + event.text;
    case SimEventKind::SettingPagePrinted:
      return "printed the setting page";
    case SimEventKind::PrinterReset:
      return "reset";
    case SimEventKind::DataPrinted:
      return "printed " + std::to_string(event.text.size()) + " bytes: " + event.text;
    case SimEventKind::Vanished:
      return "went away";
  }
  return {};
}

std::vector<std::uint8_t> hexBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

AuxReport auxReportOf(const std::string& fields) {
  AuxReport report;
  std::string* parts[] = {&report.hSize, &report.vSize, &report.otherInfo, &report.errorInfo};
  std::size_t part = 0;
  for (const char c : fields) {
    if (c == ',' && part + 1 < std::size(parts)) {
      ++part;
    } else {
      *parts[part] += c;
    }
  }
  return report;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Simulated Z3M or Q470 printer on a pseudo-terminal. Prints the device path, "
      "serves until SIGINT or SIGTERM, sends an auxiliary report on SIGUSR1."};
  SimOptions options;
  std::string model, firmware, serial, garbage, auxFields = "12,34,A,E1";
  std::vector<std::uint16_t> mutedCodes;
  std::vector<LegacyRequestKind> mutedCommands;
  long delayMs = 0;
  std::size_t vanishAfter = 0;
  app.add_option("--family", options.family, "printer family")
      ->transform(CLI::CheckedTransformer(
          std::map<std::string, PrinterFamily>{{"q470", PrinterFamily::Q470},
                                               {"z3m", PrinterFamily::Z3M}},
          CLI::ignore_case));
  app.add_option("--link", options.linkKind, "cdc (serial emulation) or usb (printer class)")
      ->transform(
          CLI::CheckedTransformer(std::map<std::string, LinkKind>{{"cdc", LinkKind::SerialEmulate},
                                                                  {"usb", LinkKind::ActualUsb}},
                                  CLI::ignore_case));
  app.add_option("--model", model, "model name");
  app.add_option("--firmware", firmware,
                 "firmware version text; for Q470 its second word is the network capability");
  app.add_option("--serial", serial, "serial number");
  app.add_flag("--mute-all", options.faults.muteAll, "answer nothing");
  app.add_option("--mute-code", mutedCodes, "framed code to leave unanswered (0x0111 or 273)");
  app.add_option("--mute-command", mutedCommands, "legacy request to leave unanswered")
      ->transform(CLI::CheckedTransformer(
          std::map<std::string, LegacyRequestKind>{{"information", LegacyRequestKind::Information},
                                                   {"menu-read", LegacyRequestKind::MenuRead},
                                                   {"menu-write", LegacyRequestKind::MenuWrite},
                                                   {"setting-page", LegacyRequestKind::SettingPage},
                                                   {"reset", LegacyRequestKind::Reset}},
          CLI::ignore_case));
  app.add_option("--delay-ms", delayMs, "delay of every answer")->check(CLI::NonNegativeNumber);
  app.add_option("--split", options.faults.splitSize, "cut writes into pieces of N bytes");
  app.add_flag("--coalesce", options.faults.coalesce, "join answers due together in one write");
  app.add_option("--garbage", garbage, "hex bytes written in front of every message")
      ->check([](const std::string& text) {
        const bool hex = text.size() % 2 == 0 &&
                         text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
        return hex ? std::string() : std::string("expects pairs of hexadecimal digits");
      });
  auto* vanish = app.add_option("--vanish-after", vanishAfter, "go away after K messages");
  app.add_flag("--refuse-writes", options.faults.refuseWrites, "Z3M: refuse menu writes");
  app.add_option("--aux-report", auxFields, "H,V,other,error of the report sent on SIGUSR1");
  CLI11_PARSE(app, argc, argv);

  for (const std::uint16_t code : mutedCodes) options.faults.mutedCodes.insert(FramedCode{code});
  options.faults.mutedCommands.insert(mutedCommands.begin(), mutedCommands.end());
  options.faults.answerDelay = std::chrono::milliseconds(delayMs);
  options.faults.garbage = hexBytes(garbage);
  if (vanish->count() > 0) options.faults.vanishAfter = vanishAfter;
  if (!model.empty()) options.q470.identity.modelName = options.z3m.identity.modelName = model;
  if (!firmware.empty()) {
    options.q470.identity.firmwareVersion = options.z3m.identity.firmwareVersion = firmware;
  }
  if (!serial.empty()) {
    options.q470.identity.serialNumber = options.z3m.identity.serialNumber = serial;
  }
  const AuxReport auxReport = auxReportOf(auxFields);

  // Signals are taken by sigwait below, never by a handler, on whichever thread.
  sigset_t signals;
  sigemptyset(&signals);
  for (const int s : {SIGINT, SIGTERM, SIGUSR1}) sigaddset(&signals, s);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  std::unique_ptr<SimulatedPty> pty;
  try {
    pty = startSimulatedPrinterOnPty(
        options, [](const SimEvent& event) { std::cerr << describe(event) << std::endl; });
  } catch (const std::exception& e) {
    std::cerr << "z3mq-printer-sim: " << e.what() << '\n';
    return 1;
  }
  std::cout << pty->slavePath() << std::endl;

  for (;;) {
    int signal = 0;
    if (sigwait(&signals, &signal) != 0 || signal != SIGUSR1) break;
    pty->printer().act([&](SimulatedPrinter& printer) { return printer.sendAuxReport(auxReport); });
    std::cerr << "sent an auxiliary report" << std::endl;
  }
  pty->stop();
  return 0;
}
