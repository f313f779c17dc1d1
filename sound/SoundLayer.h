#pragma once
// The four looping layers, by their index in LayerBuffers, and the file each is made from.
#include <array>
#include <cstddef>

enum SoundLayer : std::size_t { BeatLeft = 0, BeatRight = 1, Mask = 2, Music = 3 };

// Appended unchanged to the program's folder text.
inline constexpr std::array<const char*, 4> kLayerFiles{"/tester1.wav", "/tester2.wav", "/tester3.wav",
                                                        "/ms1.wav"};
