// The player settings the page collects, and the lines of the file's section.
#pragma once

#include <QString>
#include <QStringList>

namespace pages {

// Value widgets' values as value texts, lists as positions (-1: none chosen).
struct PlayerChoices {
  int bob = 1;
  int rightHand = 1;
  int observerCrosshair = 0;
  QString backSpeed = QStringLiteral("400");
  QString forwardSpeed = QStringLiteral("400");
  QString sideSpeed = QStringLiteral("400");
};

// The lines after the header "// [ Player Setting ] ".
QStringList playerSection(const PlayerChoices& choices);

}  // namespace pages
