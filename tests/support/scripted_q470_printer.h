#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framed/codec/frame.h"
#include "support/scripted_printer.h"

namespace z3mq {

// A Q470 printer as far as the framed protocol goes: it answers each read request from the
// answer payloads it holds, framed with the request's link byte. Requests it holds no answer for
// go unanswered, like a printer that stays silent; writes get no answer, as the pages use none.
class ScriptedQ470Printer : public ScriptedPrinter {
 public:
  // A printer with the given firmware text and plausible answers to every read.
  explicit ScriptedQ470Printer(std::string_view firmware = "V1.05 USEW");

  // The answer payload to a request; ReadInterface answers by the interface byte it is asked for.
  void setAnswer(FramedCode code, std::vector<std::uint8_t> payload);
  void setInterfaceAnswer(std::uint8_t interface, std::vector<std::uint8_t> payload);
  void setInformationText(FramedCode code, std::string_view text);
  void forget(FramedCode code);

  std::vector<Message> answer(std::span<const std::uint8_t> request) override;

  // Payload builders.
  static std::vector<std::uint8_t> informationText(std::string_view text);
  static std::vector<std::uint8_t> interfaceRecord(std::uint8_t interface,
                                                   std::array<std::uint8_t, 12> addresses,
                                                   std::uint8_t dhcp,
                                                   std::array<std::uint8_t, 6> mac);
  static std::vector<std::uint8_t> countedTexts(std::vector<std::uint8_t> head,
                                                std::string_view first, std::string_view second);

 private:
  std::map<std::pair<FramedCode, int>, std::vector<std::uint8_t>> answers_;
};

}  // namespace z3mq
