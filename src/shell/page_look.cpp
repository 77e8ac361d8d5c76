#include "shell/page_look.h"

#include "platform/units.h"
#include "widgets/fonts.h"

namespace shell {

QFont ComicFont(double points, bool bold) { return fonts::comicFont(points, bold); }

platform::Shape* makeOutline(QWidget* window, int width, int height) {
  auto* outline = new platform::Shape(window, kOutlineBlue, 3);
  platform::PlaceTwips(outline, 15, 15, width, height);
  return outline;
}

platform::CommandButton* makeDoneButton(QWidget* window, int left, int top, int width, int height) {
  auto* done =
      new platform::CommandButton(window, QStringLiteral("Done"), kDoneFace, ComicFont(9.75, true));
  platform::PlaceTwips(done, left, top, width, height);
  return done;
}

}  // namespace shell
