// The short sounds that go with opening pages, capturing keys and saving.
#pragma once

#include <QByteArray>

namespace shell {

enum Sound : int {
  ArmSound = 1,     // a key box armed
  DisarmSound = 2,  // a key captured, or a box disarmed
  RefuseSound = 3,  // a key name refused
  MenuSound = 4,    // a page opened, the file saved
  CreditSound = 5,  // after the credit box
};

// Starts the sound and returns at once; a cue still sounding is cut off.
void PlayClick(int sound);

// The bytes of the cue played last (empty before the first).
const QByteArray& lastCueBytes();
// Forgets the last cue (tests start each case here).
void resetCues();

}  // namespace shell
