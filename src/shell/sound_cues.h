// The short sounds that go with opening pages, capturing keys and saving.
#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

enum Cue : int {
  ArmCue = 1,     // a key box armed
  DisarmCue = 2,  // a key captured, or a box disarmed
  RefuseCue = 3,  // a key name refused
  MenuCue = 4,    // a page opened, the file saved
  CreditCue = 5,  // after the credit box
};

// Starts the sound and returns at once; a cue still sounding is cut off.
// The cue's wave file among the program's resources.
QString cueResource(Cue cue);

void playCue(Cue cue);

// The bytes of the cue played last (empty before the first).
const QByteArray& lastCueBytes();
// Forgets the last cue (tests start each case here).
void resetCues();

}  // namespace shell
