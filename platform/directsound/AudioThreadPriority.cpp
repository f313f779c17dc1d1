#include "platform/directsound/AudioThreadPriority.h"

#include <sched.h>

namespace ds {
namespace {
// Well below the sound server's own threads, above every ordinary process.
constexpr int kAudioThreadPriority = 10;
}  // namespace

void RaiseThisThreadToRealtime() {
  sched_param parameter{};
  parameter.sched_priority = kAudioThreadPriority;
  // Threads this one starts (none, today) would not inherit it.
  sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &parameter);
}

}  // namespace ds
