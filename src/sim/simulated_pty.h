#pragma once

#include <memory>
#include <string>

#include "sim/pty_printer.h"
#include "sim/sim_options.h"

namespace z3mq {

// A simulated printer behind a fresh pseudo-terminal in raw mode: the host opens slavePath as
// it would open a printer's serial device. Serving stops when the handle is destroyed or
// stop() is called.
class SimulatedPty {
 public:
  SimulatedPty(std::string slavePath, int keepAliveFd, std::unique_ptr<PtyPrinter> printer);
  ~SimulatedPty();
  SimulatedPty(const SimulatedPty&) = delete;
  SimulatedPty& operator=(const SimulatedPty&) = delete;

  const std::string& slavePath() const { return slavePath_; }
  PtyPrinter& printer() { return *printer_; }
  void stop();

 private:
  std::string slavePath_;
  // Holds the slave open so that the master never reports a hang-up while no host holds it.
  int keepAliveFd_;
  std::unique_ptr<PtyPrinter> printer_;
};

// Throws std::system_error when no pseudo-terminal can be had.
std::unique_ptr<SimulatedPty> startSimulatedPrinterOnPty(const SimOptions& options,
                                                         PtyPrinter::EventObserver onEvent = {});

}  // namespace z3mq
