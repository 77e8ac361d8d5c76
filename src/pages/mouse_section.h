// The mouse settings the page collects, and the lines of the file's section.
#pragma once

#include <QString>
#include <QStringList>

namespace pages {

// Value widgets' values as value texts, lists as positions (-1: none chosen).
struct MouseChoices {
  QString sensitivity = QStringLiteral("0");
  QString zoomSensitivity = QStringLiteral("0");
  int filter = 1;
  int pitchReverse = 1;
  int yawReverse = 0;
  int lookStrafe = 0;
  int mouseLook = 1;
};

// The lines after the header "// [ Mouse Setting ] ".
QStringList mouseSection(const MouseChoices& choices);

}  // namespace pages
