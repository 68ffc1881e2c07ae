#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/aux_report.h"
#include "sim/host_stream.h"
#include "sim/output_queue.h"
#include "sim/sim_options.h"

namespace z3mq {

enum class SimEventKind {
  Request,             // text: the request's name, with " (no answer)" when muted
  SettingPagePrinted,  // text: empty
  PrinterReset,        // text: empty
  DataPrinted,         // text: the printed bytes one character each
  Vanished,            // text: empty
};

struct SimEvent {
  SimEventKind kind;
  std::string text;

  bool operator==(const SimEvent&) const = default;
};

// A printer of either family, pure: it is fed the bytes the host writes and returns the writes
// it makes in answer. Its clock is its own and moves only by advanceTo(), so delayed answers
// come out when the caller says the time has come; nothing here sleeps, reads a clock or does
// I/O. Not thread-safe: one thread at a time.
class SimulatedPrinter {
 public:
  explicit SimulatedPrinter(SimOptions options);

  // The host's bytes, arriving now: the writes that are due at once.
  std::vector<SimWrite> feed(std::span<const std::uint8_t> bytes);

  // Moves the clock to `now` (never back): the writes that fall due by then.
  std::vector<SimWrite> advanceTo(SimTime now);
  SimTime now() const { return now_; }
  // When the next held-back write falls due; nullopt when none is held back.
  std::optional<SimTime> nextDue() const { return output_.nextDue(); }

  // Messages a printer sends on its own; they leave at once, shaped by the faults like answers.
  std::vector<SimWrite> sendAuxReport(const AuxReport& report);
  // Z3M: the presence response and the module and Ethernet information of the state.
  std::vector<SimWrite> sendPresence();
  std::vector<SimWrite> sendModuleInformation();
  std::vector<SimWrite> sendEthernetInformation();

  // The printer went away (the vanish fault): it ignores the host and writes nothing more.
  bool vanished() const { return output_.vanished(); }

  const std::vector<SimEvent>& events() const { return events_; }
  // Every byte the host sent as print data, in order.
  const std::vector<std::uint8_t>& printedOutput() const { return printed_; }

  PrinterFamily family() const { return options_.family; }
  LinkKind linkKind() const { return options_.linkKind; }
  const Q470State& q470() const { return options_.q470; }
  const Z3mState& z3m() const { return options_.z3m; }

 private:
  void handle(const HostItem& item);
  void handleRequest(const Message& request);
  void record(SimEventKind kind, std::string text = {});
  std::vector<SimWrite> sendNow(std::vector<std::uint8_t> message);
  std::vector<SimWrite> takeDue();

  SimOptions options_;
  HostStream input_;
  OutputQueue output_;
  SimTime now_{0};
  std::vector<SimEvent> events_;
  std::vector<std::uint8_t> printed_;
};

}  // namespace z3mq
