#include "widgets/fonts.h"

#include "platform/units.h"

namespace fonts {

QFont comicFont(double points, bool bold) {
  return platform::makeFont(platform::kComicFamily, points, bold);
}

QFont sansSerifFont(double points) {
  return platform::makeFont(QStringLiteral("MS Sans Serif"), points);
}

}  // namespace fonts
