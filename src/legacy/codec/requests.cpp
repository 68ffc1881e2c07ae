#include "legacy/codec/requests.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "legacy/codec/packet.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kPrintSettingPage = 0x01;
constexpr std::uint8_t kReset = 0xFF;

LegacyRequest maintenanceRequest(std::uint8_t action) {
  const std::array<std::uint8_t, 3> body{kLegacyMaintenanceSubCode, 0x01, action};
  return {buildLegacyPacket(kLegacySetRequestCommand, body), false};
}

}  // namespace

LegacyRequest informationRequest() {
  const std::array<std::uint8_t, 1> body{kLegacyIdentitySubCode};
  return {buildLegacyPacket(kLegacyInformationRequestCommand, body), true};
}

LegacyRequest menuReadRequest() {
  const std::array<std::uint8_t, 1> body{kLegacyMenuSubCode};
  return {buildLegacyPacket(kLegacyInformationRequestCommand, body), true};
}

LegacyRequest menuWriteRequest(const MenuBlock& block) {
  std::array<std::uint8_t, 2 + std::tuple_size_v<MenuBlock>> body{
      kLegacyMenuSubCode, static_cast<std::uint8_t>(block.size())};
  std::copy(block.begin(), block.end(), body.begin() + 2);
  return {buildLegacyPacket(kLegacySetRequestCommand, body), true};
}

LegacyRequest settingPageRequest() {
  return maintenanceRequest(kPrintSettingPage);
}

LegacyRequest resetRequest() {
  return maintenanceRequest(kReset);
}

}  // namespace z3mq
