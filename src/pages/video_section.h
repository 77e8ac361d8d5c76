// The video settings the page collects, and the lines of the file's section.
#pragma once

#include <QString>
#include <QStringList>

namespace pages {

// Value widgets' values as value texts, lists as positions (-1: none chosen).
struct VideoChoices {
  QString gamma = QStringLiteral("1");
  QString brightness = QStringLiteral("1");
  QString texGamma = QStringLiteral("1");
  QString smokePuffs = QStringLiteral("0");
  QString decals = QStringLiteral("0");
  int crosshair = 0;
  int hiModels = 1;
  int dynamicLight = 1;
  int mmx = 1;
  int smokeRealism = 0;
  int blood = 1;
  int mode3dfx = 1;
};

// The lines after the header "// [ Video Setting ] ".
QStringList videoSection(const VideoChoices& choices);

}  // namespace pages
