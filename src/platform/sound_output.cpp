#include "platform/sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtEndian>
#include <memory>

namespace platform {
namespace {

std::uint32_t Le32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}
std::uint16_t Le16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Plays through Qt Multimedia, pulling the samples from a buffer that shares
// the caller's bytes, so the bytes stay valid as long as the sink reads them.
class DeviceSoundOutput final : public SoundOutput {
 public:
  std::int32_t PlayFromMemory(const QByteArray& wave) override {
    Stop();
    WaveInfo info;
    if (!ReadWaveInfo(wave, info) || !info.pcm) return 0;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return 0;  // no sound device: silent, and nothing else changes

    QAudioFormat format;
    format.setSampleRate(info.sampleRate);
    format.setChannelCount(info.channels);
    format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return 0;

    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(wave.mid(info.dataOffset, info.dataSize));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
    if (sink_->error() != QAudio::NoError) {
      Stop();
      return 0;
    }
    return 1;
  }

  ~DeviceSoundOutput() override { Stop(); }

 private:
  void Stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
  }

  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QAudioSink> sink_;
};

SoundOutput*& Installed() {
  static SoundOutput* output = nullptr;
  return output;
}

}  // namespace

bool ReadWaveInfo(const QByteArray& wave, WaveInfo& info) {
  if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE") return false;
  bool have_format = false;
  qsizetype at = 12;
  while (at + 8 <= wave.size()) {
    const QByteArray id = wave.mid(at, 4);
    const qsizetype size = Le32(wave, at + 4);
    const qsizetype body = at + 8;
    if (size > wave.size() - body) return false;
    if (id == "fmt " && size >= 16) {
      info.pcm = Le16(wave, body) == 1;
      info.channels = Le16(wave, body + 2);
      info.sampleRate = int(Le32(wave, body + 4));
      info.bitsPerSample = Le16(wave, body + 14);
      have_format = true;
    } else if (id == "data") {
      info.dataOffset = body;
      info.dataSize = size;
      return have_format;
    }
    at = body + size + (size & 1);
  }
  return false;
}

SoundOutput& CurrentSoundOutput() {
  if (Installed() != nullptr) return *Installed();
  // Kept to the very end: a sound may still be playing when the program ends.
  static auto* device = new DeviceSoundOutput;
  return *device;
}

void SetSoundOutput(SoundOutput* output) { Installed() = output; }

}  // namespace platform
