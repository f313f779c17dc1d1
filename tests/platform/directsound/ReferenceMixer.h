#pragma once
// A plain mixer written from the documented rules (MixRules.h) and nothing else: frame by
// frame, one buffer after the other, every ramp worked out where it is used. Tests drive it
// with the same calls as a real device and compare the two outputs sample for sample.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dstest {

class ReferenceMixer {
 public:
  // Buffers are summed in the order they are added. Returns the buffer's index.
  std::size_t Add(std::vector<float> samples, int channels);

  // What the calls ask; seen at the start of the next Mix, as the device sees them.
  void Play(std::size_t buffer, bool looping);
  void Stop(std::size_t buffer);
  void Seek(std::size_t buffer, std::uint32_t frame);
  void SetLevels(std::size_t buffer, std::int32_t volume, std::int32_t pan);

  // Interleaved stereo.
  void Mix(float* out, std::size_t frames);

  // The frame the next mixed frame reads.
  std::uint32_t Position(std::size_t buffer) const;
  bool Playing(std::size_t buffer) const;

 private:
  // Moves linearly from `from` to `to`: frame k of the move is (k+1)/128 of the way.
  struct Move {
    float from = 0.0f;
    float to = 0.0f;
    std::uint32_t done = 128;
    float Now() const;
    float Step();
    void Jump(float value) { from = to = value, done = 128; }
    void Toward(float target);
  };
  struct FadeOut {
    bool active = false;
    bool looping = false;
    std::uint32_t frame = 0;
    Move level;
  };
  struct Buffer {
    std::vector<float> samples;
    std::uint32_t frames = 0;
    int channels = 1;
    // As asked.
    bool wantPlaying = false;
    bool wantLooping = false;
    std::optional<std::uint32_t> wantSeek;
    float wantLeft = 1.0f;
    float wantRight = 1.0f;
    // As heard.
    bool playing = false;
    bool looping = false;
    std::uint32_t frame = 0;
    Move fade;
    Move left{1.0f, 1.0f};
    Move right{1.0f, 1.0f};
    std::array<FadeOut, 4> fadeOuts{};
  };

  static bool Sounding(const Buffer& b);
  static void BeginBlock(Buffer& b);
  static void StartFadeOut(Buffer& b);
  static void MixFrame(Buffer& b, float* out);

  std::vector<Buffer> buffers_;
};

}  // namespace dstest
