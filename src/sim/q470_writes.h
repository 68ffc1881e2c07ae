#pragma once

#include <cstdint>
#include <span>

#include "framed/codec/framed_code.h"
#include "framed/codec/network_settings.h"
#include "framed/codec/print_settings.h"

namespace z3mq {

// The printer's side of the Q470 write requests: each payload the host's encoders build is
// taken back into the values it came from. A value the printer does not know (a list index
// beyond its list, a code of no item) leaves that setting as it was. Returns false for a code
// that is not a write of these settings.
bool applyPrintSettingsWrite(FramedCode code, std::span<const std::uint8_t> payload,
                             PrintSettings& settings);

// WriteInterface, WriteWifiSettings and WriteBluetoothSettings. Hardware addresses are the
// printer's own and no write changes them.
bool applyNetworkWrite(FramedCode code, std::span<const std::uint8_t> payload,
                       NetworkSettings& network);

}  // namespace z3mq
