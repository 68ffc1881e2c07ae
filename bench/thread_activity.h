#pragma once

#include <sys/types.h>

#include <optional>
#include <set>

namespace z3mq {

// The ids of this process's threads, as /proc/self/task lists them.
std::set<pid_t> threadIds();

// How often the scheduler has switched one of this process's threads out so far: its voluntary
// plus involuntary context switches from /proc/self/task/<tid>/status. A thread asleep in poll
// adds one voluntary switch each time it wakes. Nullopt when the thread has gone.
std::optional<long long> contextSwitches(pid_t tid);

}  // namespace z3mq
