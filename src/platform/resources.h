// The program's own resources: the string table, sounds and pictures.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A string of the string table; a number that is not there is a fatal error.
QString LoadResString(int id);

// The bytes of resource `id` of a custom type (the type name in any case,
// "Wav" finds "WAV"); a resource that is not there is a fatal error.
QByteArray LoadResData(int id, const QString& type);

}  // namespace platform
