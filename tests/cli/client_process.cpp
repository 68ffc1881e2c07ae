#include "cli/client_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "link/linux/unique_fd.h"

namespace z3mq::testing {
namespace {

constexpr std::chrono::seconds kClientBound{30};

}  // namespace

ClientResult runClient(const std::vector<std::string>& arguments) {
  std::vector<std::string> words{Z3MQ_CLIENT_PATH};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int out[2];
  int err[2];
  ClientResult result;
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return result;
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  const UniqueFd outRead(out[0]);
  const UniqueFd errRead(err[0]);

  const auto deadline = std::chrono::steady_clock::now() + kClientBound;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[2] = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || ::poll(fds, 2, static_cast<int>(left.count())) <= 0) {
      ::kill(child, SIGKILL);
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) continue;
      char chunk[4096];
      const ssize_t count = ::read(fds[i].fd, chunk, sizeof chunk);
      if (count > 0) {
        texts[i]->append(chunk, static_cast<std::size_t>(count));
      } else {
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (open == 0 && WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

}  // namespace z3mq::testing
