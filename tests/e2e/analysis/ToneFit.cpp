#include "tests/e2e/analysis/ToneFit.h"

#include <cmath>
#include <numbers>

namespace e2e {
namespace {

// The angle 2 pi f n / rate, reduced to one turn first so that large frame numbers keep
// their precision.
double Angle(double frequency, std::int64_t frame, int rate) {
  const double turns = std::fmod(frequency * static_cast<double>(frame) / rate, 1.0);
  return 2.0 * std::numbers::pi * turns;
}

// Solves a small dense system by Gaussian elimination with partial pivoting. An unknown
// whose pivot has vanished (a regressor that repeats earlier ones) is set to 0.
std::vector<double> Solve(std::vector<std::vector<double>> matrix, std::vector<double> rhs) {
  const std::size_t n = rhs.size();
  double scale = 0.0;
  for (std::size_t i = 0; i < n; ++i) scale = std::max(scale, std::abs(matrix[i][i]));
  const double tiny = scale * 1e-12;
  std::vector<bool> dropped(n, false);
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row) {
      if (std::abs(matrix[row][col]) > std::abs(matrix[pivot][col])) pivot = row;
    }
    std::swap(matrix[col], matrix[pivot]);
    std::swap(rhs[col], rhs[pivot]);
    if (std::abs(matrix[col][col]) <= tiny) {
      dropped[col] = true;
      continue;
    }
    for (std::size_t row = col + 1; row < n; ++row) {
      const double factor = matrix[row][col] / matrix[col][col];
      for (std::size_t k = col; k < n; ++k) matrix[row][k] -= factor * matrix[col][k];
      rhs[row] -= factor * rhs[col];
    }
  }
  std::vector<double> solution(n, 0.0);
  for (std::size_t col = n; col-- > 0;) {
    if (dropped[col]) continue;
    double sum = rhs[col];
    for (std::size_t k = col + 1; k < n; ++k) sum -= matrix[col][k] * solution[k];
    solution[col] = sum / matrix[col][col];
  }
  return solution;
}

}  // namespace

ToneFit FitTones(std::span<const double> samples, std::int64_t firstFrame,
                 std::span<const double> frequencies, int rate, std::vector<double>* residual) {
  const std::size_t unknowns = 2 * frequencies.size();
  std::vector<std::vector<double>> normal(unknowns, std::vector<double>(unknowns, 0.0));
  std::vector<double> rhs(unknowns, 0.0);
  std::vector<double> basis(unknowns);
  const auto fillBasis = [&](std::size_t i) {
    for (std::size_t t = 0; t < frequencies.size(); ++t) {
      const double angle = Angle(frequencies[t], firstFrame + static_cast<std::int64_t>(i), rate);
      basis[2 * t] = std::cos(angle);
      basis[2 * t + 1] = std::sin(angle);
    }
  };
  for (std::size_t i = 0; i < samples.size(); ++i) {
    fillBasis(i);
    for (std::size_t r = 0; r < unknowns; ++r) {
      rhs[r] += basis[r] * samples[i];
      for (std::size_t c = r; c < unknowns; ++c) normal[r][c] += basis[r] * basis[c];
    }
  }
  for (std::size_t r = 0; r < unknowns; ++r) {
    for (std::size_t c = 0; c < r; ++c) normal[r][c] = normal[c][r];
  }
  const std::vector<double> weights = unknowns ? Solve(normal, rhs) : std::vector<double>{};

  ToneFit fit;
  for (std::size_t t = 0; t < frequencies.size(); ++t) {
    // a cos + b sin = A cos(angle + phase) with a = A cos(phase), b = -A sin(phase).
    const double a = weights[2 * t];
    const double b = weights[2 * t + 1];
    fit.tones.push_back({frequencies[t], std::hypot(a, b), std::atan2(-b, a)});
  }
  double squares = 0.0;
  if (residual) residual->resize(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    fillBasis(i);
    double model = 0.0;
    for (std::size_t r = 0; r < unknowns; ++r) model += weights[r] * basis[r];
    const double rest = samples[i] - model;
    squares += rest * rest;
    if (residual) (*residual)[i] = rest;
  }
  fit.residualRms = samples.empty() ? 0.0 : std::sqrt(squares / static_cast<double>(samples.size()));
  return fit;
}

std::vector<ToneFit> FitTonesInBlocks(std::span<const double> samples, std::int64_t firstFrame,
                                      std::span<const double> frequencies, int rate,
                                      std::size_t blockFrames, std::vector<double>* residual) {
  std::vector<ToneFit> fits;
  if (residual) residual->clear();
  std::vector<double> blockResidual;
  std::size_t start = 0;
  while (start < samples.size()) {
    std::size_t length = std::min(blockFrames, samples.size() - start);
    // A short remainder joins the block before it rather than standing alone.
    if (samples.size() - start - length < blockFrames / 2) length = samples.size() - start;
    fits.push_back(FitTones(samples.subspan(start, length), firstFrame + static_cast<std::int64_t>(start),
                            frequencies, rate, residual ? &blockResidual : nullptr));
    if (residual) residual->insert(residual->end(), blockResidual.begin(), blockResidual.end());
    start += length;
  }
  return fits;
}

double PreciseFrequency(std::span<const double> samples, std::int64_t firstFrame, double nominalHz,
                        std::span<const double> otherTones, int rate) {
  std::vector<double> frequencies{nominalHz};
  frequencies.insert(frequencies.end(), otherTones.begin(), otherTones.end());
  const std::size_t blockFrames = static_cast<std::size_t>(rate / 2);
  const std::vector<ToneFit> fits = FitTonesInBlocks(samples, firstFrame, frequencies, rate, blockFrames);
  if (fits.size() < 2) return nominalHz;

  // Unwrapped phase against the block's centre frame; the slope is the frequency offset.
  std::vector<double> centres;
  std::vector<double> phases;
  double previous = 0.0;
  double unwrapped = 0.0;
  for (std::size_t k = 0; k < fits.size(); ++k) {
    const double phase = fits[k].tones[0].phase;
    if (k == 0) {
      unwrapped = phase;
    } else {
      unwrapped += std::remainder(phase - previous, 2.0 * std::numbers::pi);
    }
    previous = phase;
    const std::size_t start = k * blockFrames;
    const std::size_t length = (k + 1 == fits.size()) ? samples.size() - start : blockFrames;
    centres.push_back(static_cast<double>(start) + 0.5 * static_cast<double>(length));
    phases.push_back(unwrapped);
  }
  double meanX = 0.0;
  double meanY = 0.0;
  for (std::size_t k = 0; k < centres.size(); ++k) {
    meanX += centres[k];
    meanY += phases[k];
  }
  meanX /= static_cast<double>(centres.size());
  meanY /= static_cast<double>(centres.size());
  double sxy = 0.0;
  double sxx = 0.0;
  for (std::size_t k = 0; k < centres.size(); ++k) {
    sxy += (centres[k] - meanX) * (phases[k] - meanY);
    sxx += (centres[k] - meanX) * (centres[k] - meanX);
  }
  const double radiansPerFrame = sxy / sxx;
  return nominalHz + radiansPerFrame * rate / (2.0 * std::numbers::pi);
}

}  // namespace e2e
