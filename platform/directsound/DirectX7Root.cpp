#include <utility>

#include "platform/directsound/AudioOutput.h"
#include "platform/directsound/DeviceCore.h"
#include "platform/directsound/DirectSound.h"
#include "platform/directsound/SdlOutput.h"
#include "platform/directsound/SoundDevice.h"

namespace ds {
namespace {

class Root final : public DirectX7 {
 public:
  explicit Root(OutputFactory makeOutput) : makeOutput_(std::move(makeOutput)) {}

  // Only the default output exists: any other device text is refused rather than guessed at.
  HRESULT DirectSoundCreate(const std::string& deviceGuid,
                            std::shared_ptr<DirectSound>& device) override {
    device.reset();
    if (!deviceGuid.empty()) return DSERR_INVALIDPARAM;
    auto core = std::make_shared<DeviceCore>(makeOutput_ ? makeOutput_() : nullptr);
    const HRESULT status = core->Open();
    if (Failed(status)) return status;
    device = std::make_shared<SoundDevice>(std::move(core));
    return DS_OK;
  }

 private:
  OutputFactory makeOutput_;
};

}  // namespace

std::shared_ptr<DirectX7> MakeDirectX7() {
  return MakeDirectX7([] { return std::make_unique<SdlOutput>(); });
}

void StartSoundServerConnection() { StartSdlAudioAhead(); }

std::shared_ptr<DirectX7> MakeDirectX7(OutputFactory makeOutput) {
  return std::make_shared<Root>(std::move(makeOutput));
}

}  // namespace ds
