// The state every window shares.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <memory>

#include "platform/files.h"

namespace MOD {

inline std::int32_t SoundResult = 0;                     // result of the last sound play
inline QByteArray SoundBytes;                            // the sound being played; must outlive it
inline std::unique_ptr<platform::FileSystem> CfgFso;     // made when first needed
inline std::unique_ptr<platform::TextStream> CfgStream;  // the temporary file, open all run
inline std::unique_ptr<platform::FileObject> CfgFile;    // the temporary file, as a file to copy

// Back to the state before the main window's load (tests start each case here).
void Reset();

}  // namespace MOD
