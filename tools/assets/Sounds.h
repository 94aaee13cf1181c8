// The three game sounds, synthesised from enveloped tones and noise, and their
// encoding as 16-bit mono PCM wave files.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace zelvani::assets {

constexpr int kSampleRate = 22050;

// A soft tick when a card is picked or selected.
std::vector<std::int16_t> ClickSamples();
// A short slap and swish as a card lands on the discard pile.
std::vector<std::int16_t> DiscardSoundSamples();
// A bright rising two-note chime when a meld is laid.
std::vector<std::int16_t> MeldSoundSamples();

// A RIFF/WAVE file: PCM, one channel, 16 bits, at `sampleRate`.
QByteArray EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace zelvani::assets
