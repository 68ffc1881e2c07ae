// Arbitrary bytes as a received frame and as the payload of every answer decoder.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framed/codec/frame.h"
#include "framed/codec/identity.h"
#include "framed/codec/network_decode.h"
#include "framed/codec/print_settings_decode.h"
#include "framed/codec/read_chain.h"

namespace {

void decodeEverything(std::span<const std::uint8_t> payload) {
  using namespace z3mq;
  const std::string text = decodeInformationText(payload);
  capabilityCodeFromFirmwareLabel(text);

  PrintSettings print;
  applyPrintSettingsAnswer(payload, print);
  applyPaperSavingAnswer(payload, print);
  applySettingItemsAnswer(payload, print);
  applyBlackMarkAnswer(payload, print);

  NetworkSettings network;
  applyInterfaceAnswer(payload, network);
  applyWifiSettingsAnswer(payload, network);
  applyBluetoothSettingsAnswer(payload, network);
  applyBluetoothAddressAnswer(payload, network);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace z3mq;
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto frame = readFrame(bytes)) {
    framedCodeName(frame->code);
    for (const std::string_view capability : {"USEW", "USEB", ""}) {
      nextReadRequest(frame->code, frame->payload, capability);
    }
    decodeEverything(frame->payload);
  }
  decodeEverything(bytes);
  return 0;
}
