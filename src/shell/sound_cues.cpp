#include "shell/sound_cues.h"

#include <QFile>

#include "platform/fatal.h"
#include "platform/sound_output.h"

namespace shell {
namespace {

// The cue being played; the output shares these bytes while it plays, so they
// must outlive it.
QByteArray cueBytes;

}  // namespace

QString cueResource(Cue cue) {
  switch (cue) {
    case ArmCue:
      return QStringLiteral(":/sounds/arm.wav");
    case DisarmCue:
      return QStringLiteral(":/sounds/disarm.wav");
    case RefuseCue:
      return QStringLiteral(":/sounds/refuse.wav");
    case MenuCue:
      return QStringLiteral(":/sounds/menu.wav");
    case CreditCue:
      return QStringLiteral(":/sounds/credit.wav");
  }
  return {};
}

void playCue(Cue cue) {
  // Replacing the bytes here never pulls memory from under a sound still being
  // cut off.
  const QString path = cueResource(cue);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    platform::fatalError(QStringLiteral("ресурс не найден: ") + path);
  }
  cueBytes = file.readAll();
  platform::currentSoundOutput().play(cueBytes);
}

const QByteArray& lastCueBytes() { return cueBytes; }

void resetCues() { cueBytes.clear(); }

}  // namespace shell
