// Runs the umockdev tests with the umockdev preload in place: without it the test binary
// re-executes itself under umockdev-wrapper. When that cannot be done, the tests skip.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "link/linux/umockdev_testbed.h"

namespace {

void reexecUnderWrapper(int argc, char** argv) {
  // Once only: a second pass without the preload means the wrapper does not work here.
  if (std::getenv("Z3MQ_UMOCKDEV_REEXEC") != nullptr) return;
  ::setenv("Z3MQ_UMOCKDEV_REEXEC", "1", 1);
  // The preload comes before the sanitizer runtime; AddressSanitizer must be told that is fine.
  std::string asanOptions = "verify_asan_link_order=0";
  if (const char* given = std::getenv("ASAN_OPTIONS")) asanOptions += std::string(":") + given;
  ::setenv("ASAN_OPTIONS", asanOptions.c_str(), 1);

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
