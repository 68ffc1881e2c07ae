#include "framed/codec/network_checks.h"

#include <array>
#include <string>

#include "codec/text.h"

namespace z3mq {
namespace {

struct LengthCheck {
  const std::string& (*text)(const NetworkSettings&);
  std::size_t low;
  std::size_t high;
  std::string_view message;

  bool fails(const NetworkSettings& settings) const {
    const std::size_t length = characterCount(text(settings));
    return length < low || length > high;
  }
};

constexpr LengthCheck kSsid{
    [](const NetworkSettings& s) -> const std::string& { return s.wifi.ssid; }, 1, 32,
    "Please check the number of characters in the SSID"};
constexpr LengthCheck kPassword{
    [](const NetworkSettings& s) -> const std::string& { return s.wifi.password; }, 8, 63,
    "Please check the number of characters in the Password"};
constexpr LengthCheck kDeviceName{
    [](const NetworkSettings& s) -> const std::string& { return s.bluetooth.deviceName; }, 1, 20,
    "Please check the number of characters in the Device name"};
constexpr LengthCheck kPinCode{
    [](const NetworkSettings& s) -> const std::string& { return s.bluetooth.pinCode; }, 4, 8,
    "Please check the number of characters in the PIN code"};

constexpr std::array kWriteOrder{kSsid, kPassword, kDeviceName, kPinCode};
constexpr std::array kDeviceNameCheckOrder{kDeviceName, kPinCode, kSsid, kPassword};

}  // namespace

std::optional<std::string_view> firstNetworkLengthFailure(const NetworkSettings& settings) {
  for (const LengthCheck& check : kWriteOrder) {
    if (check.fails(settings)) return check.message;
  }
  return std::nullopt;
}

std::vector<std::string_view> deviceNameCheckFailures(const NetworkSettings& settings) {
  std::vector<std::string_view> messages;
  for (const LengthCheck& check : kDeviceNameCheckOrder) {
    if (check.fails(settings)) messages.push_back(check.message);
  }
  return messages;
}

}  // namespace z3mq
