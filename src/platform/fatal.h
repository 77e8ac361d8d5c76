// The report of a platform call that failed: the program cannot go on.
#pragma once

#include <QString>

namespace platform {

// Shows the error in a message box, writes the same text to standard error and
// ends the program with status 1 the moment the box is closed, whatever loop is
// running. Never returns.
[[noreturn]] void fatalError(const QString& what);

}  // namespace platform
