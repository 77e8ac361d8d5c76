// The temporary configuration file: created at start with the template,
// appended to by every page, copied by Save.
#pragma once

#include <QStringList>

namespace config {

inline constexpr char kTemporaryFileName[] = "cfg.cfg";

// Creates "cfg.cfg" in the temporary folder anew and writes the template.
void createConfigFile();

// The path of the temporary file.
QString temporaryConfigPath();

// Appends lines to the open file, each with CR LF.
void writeLines(const QStringList& lines);

// Asks for a name and copies the temporary file there. False when the player
// cancelled or the copy failed (the failure has been shown to the player);
// either way nothing else has changed and Save can be tried again.
bool saveConfigFile();

// Closes the temporary file: back to the state before the main window's load
// (tests start each case here).
void closeConfigFile();

}  // namespace config
