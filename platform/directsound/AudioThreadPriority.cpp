#include "platform/directsound/AudioThreadPriority.h"

#include <sched.h>

namespace ds {
namespace {
// Above every ordinary process, and low among real-time threads (PulseAudio's own run at 5,
// PipeWire's at 88): it works a fraction of a millisecond a block and sleeps in between.
constexpr int kAudioThreadPriority = 10;
}  // namespace

void RaiseThisThreadToRealtime() {
  sched_param parameter{};
  parameter.sched_priority = kAudioThreadPriority;
  // Threads this one starts (none, today) would not inherit it.
  sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &parameter);
}

}  // namespace ds
