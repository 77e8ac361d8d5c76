// The names a key box shows, and the names the game's console knows them by.
#pragma once

#include <QtCore/qnamespace.h>

#include <QString>

namespace bindings {

// The name of the key with this Windows key code; empty for a key with none.
QString keyDisplayName(int keyCode);

// "Mouse1", "Mouse2", "Mouse3" for the left, right and middle buttons; empty
// for any other.
QString mouseButtonName(Qt::MouseButton button);

// The names whose capture ends at once: the three mouse names and "Tab".
bool isCaptureEndingName(const QString& name);

// How a bind line names the key: the console refuses some of the names a box
// shows ("Page Up" is pgup to it); every other name goes as it stands.
QString consoleKeyName(const QString& displayName);

}  // namespace bindings
