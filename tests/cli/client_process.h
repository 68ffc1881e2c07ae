#pragma once

#include <string>
#include <vector>

namespace z3mq::testing {

struct ClientResult {
  int status = -1;  // exit status; -1 when it had to be killed or did not exit normally
  std::string out;
  std::string err;
};

// Runs the built z3mq client with these arguments and waits, within a bound, for it to end.
ClientResult runClient(const std::vector<std::string>& arguments);

}  // namespace z3mq::testing
