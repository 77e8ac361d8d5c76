// The other settings the page collects, and the lines of the file's section.
#pragma once

#include <QString>
#include <QStringList>

namespace pages {

// Value widgets' values as value texts, lists as positions (-1: none chosen).
struct OtherChoices {
  QString name;        // as typed
  QString serverName;  // as typed
  int consoleMessages = 0;
  int centerId = 1;
  QString deathNoticeTime = QStringLiteral("0");
  int fastSwitch = 1;
  QString sayTextTime = QStringLiteral("0");
  int radar = 1;
  int netGraph = 0;
  int autoAim = 0;
  int zoomCrosshair = 1;
  int showFps = 0;
  int connection = 7;
  int menu = 0;
  int red = 235, green = 235, blue = 235;
};

// The connection types of "Соединение" and the rate each writes.
struct Connection {
  const char* item;  // UTF-8
  const char* rate;
};
extern const Connection kConnections[8];

// The lines after the header "// [ Othen Setting ] ".
QStringList otherSection(const OtherChoices& choices);

}  // namespace pages
