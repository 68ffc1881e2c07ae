#pragma once

#include <cstdint>
#include <span>

#include "framed/codec/print_settings.h"

namespace z3mq {

// Each applies one answer payload onto the page values. Items an answer does not carry, or
// carries without a match, keep their value. An index beyond its list's end becomes -1, as the
// list would show it. An answer shorter than its layout reads its missing bytes as zero, which
// is what a zero-filled receive buffer would have given; nothing past the payload is read.

// ReadPrintSettings (16 bytes): code page, serial settings, printing system, font language.
void applyPrintSettingsAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings);

// ReadPaperSaving (5 bytes).
void applyPaperSavingAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings);

// ReadSettingItems (42 bytes): numbered items, each applied only when it matches.
void applySettingItemsAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings);

// ReadBlackMark (14 bytes): mode, enabling of the Black Mark fields and their values.
void applyBlackMarkAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings);

}  // namespace z3mq
