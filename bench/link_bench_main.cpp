// z3mq-link-bench: how the Linux link behaves against a simulated Q470 printer on a
// pseudo-terminal. Prints a table and exits with 1 when a target is missed, 2 when the
// benchmark could not run.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <exception>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "link/linux/linux_link.h"
#include "read_chain_driver.h"
#include "sim/simulated_pty.h"
#include "thread_activity.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using Millis = std::chrono::duration<double, std::milli>;

constexpr auto kIdleWindow = 5s;
// Lets the worker go from its start to its first wait, which is not idle time.
constexpr auto kIdleSettle = 100ms;
constexpr int kWarmUpRuns = 20;
constexpr int kRoundTrips = 200;
constexpr int kRoundTripsPerChain = 4;
constexpr int kChains = kRoundTrips / kRoundTripsPerChain;
constexpr int kChainRequests = 11;  // identity 4, printing settings 4, USEW network 3
constexpr auto kRunBound = 2s;

constexpr double kIdleWakeUpsTarget = 0.0;
constexpr double kChainRatioTarget = 1.5;

struct Failure {
  std::string what;
};

struct Figures {
  long long idleSwitches;
  double idleWakeUpsPerSecond;
  double roundTripMs;
  double chainMs;
  double chainRatio;
};

pid_t onlyNewThread(const std::set<pid_t>& before, const std::set<pid_t>& after) {
  std::vector<pid_t> added;
  std::ranges::set_difference(after, before, std::back_inserter(added));
  if (added.size() != 1) {
    throw Failure{"expected one new thread when the link opened, found " +
                  std::to_string(added.size())};
  }
  return added.front();
}

long long switchesOf(pid_t tid) {
  const std::optional<long long> switches = contextSwitches(tid);
  if (!switches) throw Failure{"the receive worker's context switches cannot be read"};
  return *switches;
}

long long idleSwitches(pid_t worker) {
  std::this_thread::sleep_for(kIdleSettle);
  const long long before = switchesOf(worker);
  std::this_thread::sleep_for(kIdleWindow);
  return switchesOf(worker) - before;
}

// Keeps the time of a run that is not a warm-up.
void record(std::vector<double>& times, bool warmUp, const char* what, int expectedRequests,
            const std::optional<ReadChainDriver::Run>& run) {
  if (!run) throw Failure{std::string(what) + ": no answer within the bound"};
  if (run->requests != expectedRequests) {
    throw Failure{std::string(what) + ": " + std::to_string(run->requests) +
                  " requests instead of " + std::to_string(expectedRequests)};
  }
  if (!warmUp) times.push_back(Millis(run->elapsed).count());
}

double median(std::vector<double> times) {
  const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
  std::ranges::nth_element(times, middle);
  return *middle;
}

Figures measure() {
  SimOptions options;
  options.family = PrinterFamily::Q470;
  options.q470.identity.firmwareVersion = "V1.00 USEW";  // Ethernet and Wi-Fi: 3 network reads
  const std::unique_ptr<SimulatedPty> printer = startSimulatedPrinterOnPty(options);
  LinuxLink link([](std::string_view text) {
    std::fprintf(stderr, "link: %.*s\n", static_cast<int>(text.size()), text.data());
  });
  ReadChainDriver driver(link);
  link.setMessageSink(&driver);

  const std::set<pid_t> before = threadIds();
  if (link.openPath(printer->slavePath(), PrinterFamily::Q470, LinkKind::SerialEmulate) != 1) {
    throw Failure{"the link did not open " + printer->slavePath()};
  }
  Figures figures{};
  figures.idleSwitches = idleSwitches(onlyNewThread(before, threadIds()));
  figures.idleWakeUpsPerSecond =
      static_cast<double>(figures.idleSwitches) / std::chrono::seconds(kIdleWindow).count();
  // Chains go between the round trips, so that both see the same load on a busy machine.
  std::vector<double> roundTrips;
  std::vector<double> chains;
  for (int i = -kWarmUpRuns; i < kRoundTrips; ++i) {
    record(roundTrips, i < 0, "round trip", 1, driver.roundTrip(kRunBound));
    if ((i + 1) % kRoundTripsPerChain == 0) {
      record(chains, i < 0, "read chain", kChainRequests, driver.readChain(kRunBound));
    }
  }
  figures.roundTripMs = median(roundTrips);
  figures.chainMs = median(chains);
  figures.chainRatio = figures.chainMs / (kChainRequests * figures.roundTripMs);
  link.close();
  return figures;
}

template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char text[128];
  std::snprintf(text, sizeof text, pattern, args...);
  return text;
}

void row(const std::string& measure, const std::string& value, const std::string& target = {},
         const std::string& result = {}) {
  std::string line =
      format("%-46s %-24s %-8s %s", measure.c_str(), value.c_str(), target.c_str(), result.c_str());
  line.erase(line.find_last_not_of(' ') + 1);
  std::puts(line.c_str());
}

std::string verdict(bool met) {
  return met ? "met" : "MISSED";
}

// Prints the table; returns whether every target is met.
bool report(const Figures& f) {
  const bool idleMet = f.idleWakeUpsPerSecond <= kIdleWakeUpsTarget;
  const bool chainMet = f.chainRatio <= kChainRatioTarget;
  std::printf("z3mq link benchmarks: LinuxLink on a simulated Q470 printer (pseudo-terminal)\n\n");
  row("Measure", "Value", "Target", "Result");
  row(std::string(46, '-'), std::string(24, '-'), std::string(8, '-'), std::string(6, '-'));
  row(format("Receive worker wake-ups, silent printer, %lld s",
             static_cast<long long>(std::chrono::seconds(kIdleWindow).count())),
      format("%.1f/s (%lld switches)", f.idleWakeUpsPerSecond, f.idleSwitches),
      format("%.0f/s", kIdleWakeUpsTarget), verdict(idleMet));
  row(format("Round trip ReadModelName, median of %d", kRoundTrips),
      format("%.3f ms", f.roundTripMs));
  row(format("Read chain, %d requests, median of %d", kChainRequests, kChains),
      format("%.3f ms", f.chainMs));
  row(format("Chain / (%d x round trip)", kChainRequests), format("%.2f", f.chainRatio),
      format("<= %.1f", kChainRatioTarget), verdict(chainMet));
  return idleMet && chainMet;
}

}  // namespace
}  // namespace z3mq

int main() {
  try {
    return z3mq::report(z3mq::measure()) ? 0 : 1;
  } catch (const z3mq::Failure& failure) {
    std::fprintf(stderr, "z3mq-link-bench: %s\n", failure.what.c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "z3mq-link-bench: %s\n", error.what());
  }
  return 2;
}
