// Playing a wave file image from memory without waiting for it.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace platform {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Starts the sound and returns at once; a sound still playing is cut off.
  // A sound that cannot be played (no device, a busy device, bytes that are no
  // PCM wave file) is left out silently.
  virtual void play(const QByteArray& wave) = 0;
};

// The output in use: the machine's default audio device unless a test has put
// another in place.
SoundOutput& currentSoundOutput();
void setSoundOutput(SoundOutput* output);  // nullptr: back to the device

// What a RIFF WAVE image holds, read from its header.
struct WaveInfo {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  qsizetype dataOffset = 0;
  qsizetype dataSize = 0;
  bool pcm = false;
};
// Nothing when the bytes are not a complete RIFF WAVE image.
bool readWaveInfo(const QByteArray& wave, WaveInfo& info);

}  // namespace platform
