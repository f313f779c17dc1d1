#pragma once
// One signal of a stretch (a channel, or left minus right) taken apart into its tones and the
// rest, with the dropout search run where the signal holds nothing but tones.
#include <cstdint>
#include <span>
#include <vector>

#include "tests/e2e/analysis/ToneFit.h"

namespace e2e {

struct SignalAnalysis {
  ToneFit whole;                   // one fit over the whole stretch: the tones' levels
  std::vector<double> residual;    // the samples less tones fitted per 1 s block
  double residualRms = 0.0;
  double residualPeak = 0.0;
  bool toneOnly = false;           // in most short blocks the rest is negligible against the tones
  std::vector<std::int64_t> dropouts;  // when toneOnly, in the stretches of tones alone
};

// Any thread.
SignalAnalysis AnalyseSignal(std::span<const double> samples, std::int64_t firstFrame,
                             std::span<const double> frequencies, int rate);

}  // namespace e2e
