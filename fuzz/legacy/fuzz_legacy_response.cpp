// Any bytes, taken as one complete packet, through everything that reads a Z3M response.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "legacy/codec/addresses.h"
#include "legacy/codec/ethernet_information.h"
#include "legacy/codec/information.h"
#include "legacy/codec/menu_block.h"
#include "legacy/codec/module_information.h"
#include "legacy/codec/response.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace z3mq;
  const std::span<const std::uint8_t> packet(data, size);
  classifyLegacyResponse(packet);
  readInformationResponse(packet);
  readModuleInformationResponse(packet);
  readEthernetInformationResponse(packet);
  const MenuSelections selections = decodeMenuBlock(menuBlockOfResponse(packet));
  encodeMenuBlock(selections);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  dottedAddress(text);
  hexAddressText(text);
  return 0;
}
