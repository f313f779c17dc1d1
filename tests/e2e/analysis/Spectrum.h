#pragma once
// The strongest frequency of a stretch of samples.
#include <span>

namespace e2e {

// The frequency (Hz) of the highest peak of a Hann-windowed, zero-padded spectrum at or
// above minHz, refined by a parabola through the log magnitudes around the peak; 0 when the
// stretch is digitally silent. Any thread.
double StrongestFrequency(std::span<const double> samples, int rate, double minHz = 20.0);

}  // namespace e2e
