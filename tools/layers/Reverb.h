#pragma once
// A small hall for the music loop.
// Any thread: every function here works only on its arguments.
#include <cstddef>
#include <vector>

namespace layers {

// `dry` with a soft reverberation at `wet` level, as heard once the loop has been playing
// for a while: the tail of the loop's end rings on into its start.
std::vector<double> LoopReverb(const std::vector<double>& dry, double wet);

}  // namespace layers
