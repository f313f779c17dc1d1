#include "platform/directsound/AudioThreadPriority.h"

#include <sched.h>
#include <sys/types.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace ds {
namespace {
// Well below the sound server's own threads, above every ordinary process.
constexpr int kAudioThreadPriority = 10;
// SDL names its playback threads "SDLAudioP<n>".
constexpr const char* kSdlPlaybackThreadPrefix = "SDLAudioP";
}  // namespace

void RaiseAudioThreadPriority() {
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
    std::ifstream commFile(task.path() / "comm");
    std::string name;
    if (!std::getline(commFile, name) || name.rfind(kSdlPlaybackThreadPrefix, 0) != 0) continue;
    const auto tid = static_cast<pid_t>(std::strtol(task.path().filename().c_str(), nullptr, 10));
    sched_param parameter{};
    parameter.sched_priority = kAudioThreadPriority;
    sched_setscheduler(tid, SCHED_RR | SCHED_RESET_ON_FORK, &parameter);
  }
}

}  // namespace ds
