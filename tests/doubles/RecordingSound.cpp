#include "tests/doubles/RecordingSound.h"

#include <cstdio>

namespace doubles {
namespace {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

class RecordingBuffer : public ds::DirectSoundBuffer {
 public:
  RecordingBuffer(std::string name, std::shared_ptr<CallLog> log) : name_(std::move(name)), log_(std::move(log)) {}

  ds::HRESULT Play(std::int32_t flags) override { return Call("Play(" + std::to_string(flags) + ")"); }
  ds::HRESULT Stop() override { return Call("Stop()"); }
  ds::HRESULT SetCurrentPosition(std::int32_t position) override {
    return Call("SetCurrentPosition(" + std::to_string(position) + ")");
  }
  ds::HRESULT SetVolume(std::int32_t volume) override { return Call("SetVolume(" + std::to_string(volume) + ")"); }
  ds::HRESULT SetPan(std::int32_t pan) override { return Call("SetPan(" + std::to_string(pan) + ")"); }
  ds::HRESULT GetVolume(std::int32_t& volume) override { return volume = 0, Call("GetVolume()"); }
  ds::HRESULT GetPan(std::int32_t& pan) override { return pan = 0, Call("GetPan()"); }
  ds::HRESULT GetCurrentPosition(std::int32_t& position) override { return position = 0, Call("GetCurrentPosition()"); }
  ds::HRESULT GetStatus(std::int32_t& status) override { return status = 0, Call("GetStatus()"); }
  ds::HRESULT GetFormat(ds::WAVEFORMATEX& format) override { return format = {}, Call("GetFormat()"); }

 private:
  ds::HRESULT Call(const std::string& what) { return log_->Record(name_ + "." + what); }

  std::string name_;
  std::shared_ptr<CallLog> log_;
};

class RecordingDevice : public ds::DirectSound {
 public:
  explicit RecordingDevice(std::shared_ptr<CallLog> log) : log_(std::move(log)) {}

  ds::HRESULT SetCooperativeLevel(std::int32_t window, std::int32_t level) override {
    return log_->Record("SetCooperativeLevel(" + std::to_string(window) + "," + std::to_string(level) + ")");
  }

  ds::HRESULT CreateSoundBufferFromFile(const std::string& path, ds::DSBUFFERDESC& desc, ds::WAVEFORMATEX& format,
                                        std::shared_ptr<ds::DirectSoundBuffer>& buffer) override {
    const auto status = log_->Record(
        "CreateSoundBufferFromFile(" + path + ",flags=" + Hex(desc.dwFlags) + ",desc=" +
        std::to_string(desc.dwSize) + "/" + std::to_string(desc.dwBufferBytes) + "/" +
        std::to_string(desc.dwReserved) + "/" + std::to_string(desc.lpwfxFormat) + ",format=" +
        std::to_string(format.wFormatTag) + "/" + std::to_string(format.nChannels) + "/" +
        std::to_string(format.nSamplesPerSec) + "/" + std::to_string(format.nAvgBytesPerSec) + "/" +
        std::to_string(format.nBlockAlign) + "/" + std::to_string(format.wBitsPerSample) + "/" +
        std::to_string(format.cbSize) + ")");
    if (!ds::Failed(status)) buffer = std::make_shared<RecordingBuffer>(LayerNameOf(path), log_);
    return status;
  }

 private:
  std::shared_ptr<CallLog> log_;
};

class Root : public ds::DirectX7 {
 public:
  explicit Root(std::shared_ptr<CallLog> log) : log_(std::move(log)) {}
  ds::HRESULT DirectSoundCreate(const std::string& guid, std::shared_ptr<ds::DirectSound>& device) override {
    const auto status = log_->Record("DirectSoundCreate(\"" + guid + "\")");
    if (!ds::Failed(status)) device = std::make_shared<RecordingDevice>(log_);
    return status;
  }

 private:
  std::shared_ptr<CallLog> log_;
};

}  // namespace

ds::HRESULT CallLog::Record(std::string call) {
  calls.push_back(call);
  for (const auto& [prefix, status] : failures) {
    if (call.rfind(prefix, 0) == 0) return status;
  }
  return ds::DS_OK;
}

std::string LayerNameOf(const std::string& path) {
  const std::string file = path.substr(path.find_last_of('/') + 1);
  if (file == "tester1.wav") return "BeatLeft";
  if (file == "tester2.wav") return "BeatRight";
  if (file == "tester3.wav") return "Mask";
  if (file == "ms1.wav") return "Music";
  return file;
}

frmMain::RootMaker RecordingRoot(std::shared_ptr<CallLog> log) {
  return [log](std::shared_ptr<ds::DirectX7>& root) {
    if (log->rootFails) return ds::DSERR_GENERIC;
    root = std::make_shared<Root>(log);
    return ds::DS_OK;
  };
}

}  // namespace doubles
