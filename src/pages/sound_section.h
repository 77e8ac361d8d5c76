// The sound settings the page collects, and the lines of the file's section.
#pragma once

#include <QString>
#include <QStringList>

namespace pages {

// Value widgets' values as value texts, lists as positions (-1: none chosen).
struct SoundChoices {
  QString volume = QStringLiteral("0");
  QString cdVolume = QStringLiteral("0");
  int hiSound = 1;
  int load8bit = 0;
  int effects3d = 0;
};

// The lines after the header "// [ Sound Setting ] ".
QStringList soundSection(const SoundChoices& choices);

}  // namespace pages
