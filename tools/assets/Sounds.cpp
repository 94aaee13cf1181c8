#include "tools/assets/Sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assets/ByteWriting.h"

namespace zelvani::assets {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A fixed-seed generator so the noise, and so the files, are the same every run.
class Noise {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(state_ >> 11) / static_cast<double>(1ull << 53) * 2.0 - 1.0;
  }

 private:
  std::uint64_t state_ = 0x5A17E11ull;
};

std::vector<double> Silence(double seconds) {
  return std::vector<double>(static_cast<std::size_t>(seconds * kSampleRate), 0.0);
}

double TimeOf(std::size_t i) {
  return static_cast<double>(i) / kSampleRate;
}

// Rises over `attack` seconds, then dies away with time constant `decay`.
double Envelope(double t, double attack, double decay) {
  if (t < 0.0)
    return 0.0;
  const double rise = t < attack ? t / attack : 1.0;
  return rise * std::exp(-std::max(0.0, t - attack) / decay);
}

// Scales to the given peak (a fraction of full scale) and fades the last few
// milliseconds so the sound never ends on a step.
std::vector<std::int16_t> Finish(std::vector<double> wave, double peak) {
  const std::size_t fade = std::min<std::size_t>(wave.size(), kSampleRate / 200);
  for (std::size_t i = 0; i < fade; ++i) {
    wave[wave.size() - 1 - i] *= static_cast<double>(i) / fade;
  }
  double loudest = 0.0;
  for (double v : wave)
    loudest = std::max(loudest, std::abs(v));
  const double gain = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
  std::vector<std::int16_t> out;
  out.reserve(wave.size());
  for (double v : wave)
    out.push_back(static_cast<std::int16_t>(std::lround(v * gain)));
  return out;
}

}  // namespace

std::vector<std::int16_t> ClickSamples() {
  // A damped high tone with a breath of high-passed noise at its start: a wooden tick.
  std::vector<double> wave = Silence(0.045);
  Noise noise;
  double previous = 0.0;
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.Next();
    const double hiss = n - previous;
    previous = n;
    wave[i] = Envelope(t, 0.0006, 0.006) * std::sin(kTwoPi * 1900.0 * t) +
              0.5 * Envelope(t, 0.0004, 0.0025) * std::sin(kTwoPi * 3300.0 * t) +
              0.25 * Envelope(t, 0.0002, 0.0015) * hiss;
  }
  return Finish(std::move(wave), 0.45);
}

std::vector<std::int16_t> DiscardSoundSamples() {
  // Low-passed noise whose brightness falls as it fades (the swish), over a short low
  // thump (the card meeting the pile).
  std::vector<double> wave = Silence(0.16);
  Noise noise;
  double smooth = 0.0;
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double t = TimeOf(i);
    const double cutoff = 5200.0 * std::exp(-t / 0.05) + 500.0;
    const double alpha = 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
    smooth += alpha * (noise.Next() - smooth);
    const double thumpTime = t - 0.008;
    const double thump =
        Envelope(thumpTime, 0.002, 0.025) *
        std::sin(kTwoPi * (150.0 - 300.0 * std::max(0.0, thumpTime)) * std::max(0.0, thumpTime));
    wave[i] = 1.4 * Envelope(t, 0.004, 0.03) * smooth + 0.6 * thump;
  }
  return Finish(std::move(wave), 0.6);
}

std::vector<std::int16_t> MeldSoundSamples() {
  // Two bell-like notes a fourth apart (E6 then A6), each with a soft octave partial.
  std::vector<double> wave = Silence(0.28);
  struct Note {
    double start;
    double frequency;
    double level;
  };
  constexpr Note kNotes[] = {{0.0, 1318.51, 0.8}, {0.085, 1760.0, 1.0}};
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double t = TimeOf(i);
    double v = 0.0;
    for (const Note& note : kNotes) {
      const double local = t - note.start;
      if (local < 0.0)
        continue;
      const double env = Envelope(local, 0.003, 0.07);
      v += note.level * env *
           (std::sin(kTwoPi * note.frequency * local) +
            0.3 * std::sin(kTwoPi * 2.0 * note.frequency * local) * std::exp(-local / 0.03) +
            0.12 * std::sin(kTwoPi * 3.0 * note.frequency * local) * std::exp(-local / 0.015));
    }
    wave[i] = v;
  }
  return Finish(std::move(wave), 0.7);
}

QByteArray EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
  constexpr int kChannels = 1;
  constexpr int kBitsPerSample = 16;
  const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  QByteArray out;
  out.reserve(44 + static_cast<int>(dataSize));
  out.append("RIFF");
  Put32(out, 36 + dataSize);
  out.append("WAVE");
  out.append("fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, kChannels);
  Put32(out, static_cast<std::uint32_t>(sampleRate));
  Put32(out, static_cast<std::uint32_t>(sampleRate * kChannels * kBitsPerSample / 8));
  Put16(out, kChannels * kBitsPerSample / 8);
  Put16(out, kBitsPerSample);
  out.append("data");
  Put32(out, dataSize);
  for (std::int16_t s : samples)
    Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace zelvani::assets
