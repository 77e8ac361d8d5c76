#include "shell/sound_cues.h"

#include "config/mod.h"
#include "platform/resources.h"
#include "platform/sound_output.h"

namespace shell {

void PlayClick(int sound) {
  // The output shares these bytes while it plays, so replacing them here never
  // pulls memory from under a sound still being cut off.
  MOD::SoundBytes = platform::LoadResData(sound, QStringLiteral("Wav"));
  MOD::SoundResult = platform::CurrentSoundOutput().PlayFromMemory(MOD::SoundBytes);
}

}  // namespace shell
