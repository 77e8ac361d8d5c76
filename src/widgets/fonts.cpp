#include "widgets/fonts.h"

#include "platform/units.h"

namespace fonts {

QFont comicFont(double points, bool bold) {
  return platform::MakeFont(platform::kComicFamily, points, bold);
}

QFont sansSerifFont(double points) {
  return platform::MakeFont(QStringLiteral("MS Sans Serif"), points);
}

}  // namespace fonts
