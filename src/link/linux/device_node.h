#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/diagnostics.h"
#include "link/linux/unique_fd.h"

namespace z3mq {

// Opens a printer's device node for reading and writing, non-blocking and held exclusively: an
// advisory lock keeps a second instance of our own tools away, and a tty is also put into
// exclusive mode. A tty (a CDC printer) is made raw at 115200 8N1 with both queues flushed; a
// printer-class node (/dev/usb/lp*) is used as it is. On failure the fd is invalid and the
// reason has gone to diagnostics, with the udev rule named when permission was refused.
UniqueFd openPrinterNode(const std::string& path, const Diagnostics& diagnostics);

// Writes the whole request, carrying on after interruptions, partial writes and a full output
// queue for at most kWriteTimeout. Returns whether every byte was written.
bool writeWhole(int fd, std::span<const std::uint8_t> bytes);

// Discards what a tty still holds in either direction, so that closing it never waits for a
// printer that has stopped taking data.
void discardTtyQueues(int fd);

}  // namespace z3mq
