#include "platform/directsound/DeviceCore.h"

#include <chrono>

namespace ds {
namespace {
// How often the idle thread looks for silence while the output runs.
// Pausing an output that is already silent is not urgent; checking rarely keeps it cheap.
constexpr auto kSilenceCheck = std::chrono::milliseconds(250);
}  // namespace

DeviceCore::DeviceCore(std::unique_ptr<AudioOutput> output) : output_(std::move(output)) {}

DeviceCore::~DeviceCore() {
  {
    std::lock_guard lock(mutex_);
    quitting_ = true;
  }
  wake_.notify_one();
  if (idle_.joinable()) idle_.join();
  if (output_) output_->Pause();
  output_.reset();
}

HRESULT DeviceCore::Open() {
  if (!output_) return DSERR_NODRIVER;
  const HRESULT status = output_->Open(&Mixer::Render, &mixer_);
  if (Failed(status)) return status;
  idle_ = std::thread([this] { WatchForSilence(); });
  return DS_OK;
}

void DeviceCore::WakeOutput() {
  mixer_.NoteStart();
  {
    std::lock_guard lock(mutex_);
    if (releasing_) {
      resumeAfterRelease_ = true;
    } else if (output_->Lost()) {
      reopen_ = true;
      resumeAfterRelease_ = true;
    } else if (released_) {
      // Reopening takes a few ms, and a fresh stream is rendered ahead at once: the idle thread
      // does it, so that the other Plays of the same click land in the same first block.
      resumeReleased_ = true;
    } else if (!output_->Running()) {
      output_->Resume();
    }
  }
  wake_.notify_one();
}

void DeviceCore::WatchForSilence() {
  std::unique_lock lock(mutex_);
  while (!quitting_) {
    if (reopen_) {
      reopen_ = false;
      ReleaseOutput(lock);
      released_ = false;
    } else if (resumeReleased_) {
      resumeReleased_ = false;
      released_ = false;
      output_->Resume();
    } else if (output_->Running()) {
      released_ = false;
      wake_.wait_for(lock, kSilenceCheck);
      if (!quitting_ && !reopen_ && output_->Running() && mixer_.SilentSinceLastStart()) {
        output_->Pause();
      }
    } else if (released_) {
      wake_.wait(lock, [this] { return quitting_ || reopen_ || resumeReleased_ || output_->Running(); });
    } else if (!wake_.wait_for(lock, kReleaseAfter,
                               [this] { return quitting_ || reopen_ || output_->Running(); })) {
      ReleaseOutput(lock);
      released_ = !output_->Running();
    }
  }
}

// The release may block (SDL drains the server's buffer), so it runs without the lock; a Play
// meanwhile only leaves a note to resume.
void DeviceCore::ReleaseOutput(std::unique_lock<std::mutex>& lock) {
  releasing_ = true;
  lock.unlock();
  output_->Release();
  lock.lock();
  releasing_ = false;
  if (resumeAfterRelease_) {
    resumeAfterRelease_ = false;
    output_->Resume();
  }
}

}  // namespace ds
