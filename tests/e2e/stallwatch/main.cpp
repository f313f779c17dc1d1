// Watches for machine stalls while the acceptance suite records: one thread per processor,
// pinned to it and on real-time scheduling where the system allows, wakes every 2 ms and
// notes each wake that came late. A few times a second it prints the spans, newly over, during
// which the machine stood still (see the quorum below), as wall-clock seconds ("from to" per line,
// flushed at once), after a first line saying how it watches. It ends on SIGTERM or SIGINT.
//
//   e2e_stallwatch [MIN_MS]   (spans shorter than MIN_MS, 5 unless given, are left out)
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <time.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "tests/e2e/analysis/Stalls.h"

namespace {

constexpr long kPeriodNs = 2'000'000;
constexpr double kLateSeconds = 0.002;
// How often the spans are reported, and how long a span must be over before it is: a late
// watcher may still be on its way back.
constexpr timespec kReportEvery{0, 250'000'000};
constexpr double kSettleSeconds = 0.2;

struct Watcher {
  std::mutex mutex;
  std::vector<e2e::TimeSpan> late;
};

std::atomic<bool> stopping{false};
std::atomic<int> realtimeWatchers{0};

double Seconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void Watch(int cpu, double wallMinusMonotonic, Watcher& watcher) {
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  pthread_setaffinity_np(pthread_self(), sizeof set, &set);
  // Above the sound server's and the program's audio threads: only a stalled machine keeps
  // this thread from its processor.
  const sched_param priority{.sched_priority = 20};
  if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority) == 0) ++realtimeWatchers;
  timespec due{};
  clock_gettime(CLOCK_MONOTONIC, &due);
  while (!stopping) {
    due.tv_nsec += kPeriodNs;
    if (due.tv_nsec >= 1'000'000'000) {
      due.tv_nsec -= 1'000'000'000;
      ++due.tv_sec;
    }
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
    const double dueAt = static_cast<double>(due.tv_sec) + static_cast<double>(due.tv_nsec) * 1e-9;
    const double wokeAt = Seconds(CLOCK_MONOTONIC);
    if (wokeAt - dueAt > kLateSeconds) {
      {
        std::lock_guard lock(watcher.mutex);
        watcher.late.push_back({dueAt + wallMinusMonotonic, wokeAt + wallMinusMonotonic});
      }
      // After a long stall, carry on from now rather than firing for every missed period.
      clock_gettime(CLOCK_MONOTONIC, &due);
    }
  }
}

// Prints the stalls over by now that were not printed yet.
void ReportStalls(std::vector<Watcher>& watchers, int quorum, double minSeconds, double& reportedUntil) {
  std::vector<std::vector<e2e::TimeSpan>> late;
  for (Watcher& watcher : watchers) {
    std::lock_guard lock(watcher.mutex);
    late.push_back(watcher.late);
  }
  const double settled = Seconds(CLOCK_REALTIME) - kSettleSeconds;
  for (const e2e::TimeSpan& stall : e2e::MachineStalls(late, quorum, minSeconds)) {
    if (stall.from < reportedUntil || stall.to > settled) continue;
    std::printf("%.6f %.6f\n", stall.from, stall.to);
    reportedUntil = stall.to;
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const double minSeconds = (argc > 1 ? std::atof(argv[1]) : 5.0) / 1000.0;
  sigset_t endSignals;
  sigemptyset(&endSignals);
  sigaddset(&endSignals, SIGTERM);
  sigaddset(&endSignals, SIGINT);
  // Blocked before the threads start, so that they inherit it and only sigwait sees them.
  pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  sched_getaffinity(0, sizeof allowed, &allowed);
  std::vector<int> cpus;
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
    if (CPU_ISSET(cpu, &allowed)) cpus.push_back(cpu);
  }
  const double wallMinusMonotonic = Seconds(CLOCK_REALTIME) - Seconds(CLOCK_MONOTONIC);
  std::vector<Watcher> watchers(cpus.size());
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < cpus.size(); ++i) {
    threads.emplace_back(Watch, cpus[i], wallMinusMonotonic, std::ref(watchers[i]));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  // A watcher on real-time scheduling is late only when its processor did not run at all,
  // and a thread of the program or the sound server may have been on that processor. Without
  // real-time scheduling a busy processor makes a watcher late too: then only half of them
  // late at once is the machine standing still.
  const bool allRealtime = realtimeWatchers == static_cast<int>(cpus.size());
  const int quorum = allRealtime ? 1 : static_cast<int>((cpus.size() + 1) / 2);
  std::printf("# watchers=%zu realtime=%d quorum=%d min_ms=%.1f\n", cpus.size(), realtimeWatchers.load(), quorum,
              minSeconds * 1000.0);

  double reportedUntil = 0.0;
  for (;;) {
    ReportStalls(watchers, quorum, minSeconds, reportedUntil);
    if (sigtimedwait(&endSignals, nullptr, &kReportEvery) > 0) break;
  }
  stopping = true;
  for (std::thread& thread : threads) thread.join();
  return 0;
}
