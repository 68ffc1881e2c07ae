// Runs the umockdev tests with the umockdev preload in place: without it the test binary
// re-executes itself under umockdev-wrapper. When that cannot be done, the tests skip.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "link/linux/umockdev_testbed.h"

namespace {

void addOption(const char* variable, const std::string& option) {
  std::string options = option;
  if (const char* given = std::getenv(variable)) options += std::string(":") + given;
  ::setenv(variable, options.c_str(), 1);
}

void reexecUnderWrapper(int argc, char** argv) {
  // Once only: a second pass without the preload means the wrapper does not work here.
  if (std::getenv("Z3MQ_UMOCKDEV_REEXEC") != nullptr) return;
  ::setenv("Z3MQ_UMOCKDEV_REEXEC", "1", 1);
  // The preload comes before the sanitizer runtime; AddressSanitizer must be told that is fine.
  addOption("ASAN_OPTIONS", "verify_asan_link_order=0");
  addOption("TSAN_OPTIONS", "suppressions=" Z3MQ_UMOCKDEV_TSAN_SUPPRESSIONS);

  std::vector<char*> args{const_cast<char*>("umockdev-wrapper")};
  args.insert(args.end(), argv, argv + argc);
  args.push_back(nullptr);
  ::execvp(args[0], args.data());
}

}  // namespace

int main(int argc, char** argv) {
  if (!z3mq::testing::umockdevPreloaded()) reexecUnderWrapper(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
