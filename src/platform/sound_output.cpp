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

std::uint32_t littleEndian32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}
std::uint16_t littleEndian16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Plays through Qt Multimedia, pulling the samples from a buffer that shares
// the caller's bytes, so the bytes stay valid as long as the sink reads them.
class DeviceSoundOutput final : public SoundOutput {
 public:
  void play(const QByteArray& wave) override {
    stop();
    WaveInfo info;
    if (!readWaveInfo(wave, info) || !info.pcm) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;  // no sound device: silent, and nothing else changes

    QAudioFormat format;
    format.setSampleRate(info.sampleRate);
    format.setChannelCount(info.channels);
    format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;

    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(wave.mid(info.dataOffset, info.dataSize));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
    if (sink_->error() != QAudio::NoError) stop();
  }

  ~DeviceSoundOutput() override { stop(); }

 private:
  void stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
  }

  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QAudioSink> sink_;
};

SoundOutput*& installed() {
  static SoundOutput* output = nullptr;
  return output;
}

}  // namespace

bool readWaveInfo(const QByteArray& wave, WaveInfo& info) {
  if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE") return false;
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= wave.size()) {
    const QByteArray id = wave.mid(at, 4);
    const qsizetype size = littleEndian32(wave, at + 4);
    const qsizetype body = at + 8;
    if (size > wave.size() - body) return false;
    if (id == "fmt " && size >= 16) {
      info.pcm = littleEndian16(wave, body) == 1;
      info.channels = littleEndian16(wave, body + 2);
      info.sampleRate = int(littleEndian32(wave, body + 4));
      info.bitsPerSample = littleEndian16(wave, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      info.dataOffset = body;
      info.dataSize = size;
      return haveFormat;
    }
    at = body + size + (size & 1);
  }
  return false;
}

SoundOutput& currentSoundOutput() {
  if (installed() != nullptr) return *installed();
  // Kept to the very end: a sound may still be playing when the program ends.
  static auto* device = new DeviceSoundOutput;
  return *device;
}

void setSoundOutput(SoundOutput* output) { installed() = output; }

}  // namespace platform
