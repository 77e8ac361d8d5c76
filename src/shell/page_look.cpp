#include "shell/page_look.h"

#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace shell {
namespace {

constexpr int kOutlineInset = 15;  // twips from the window's top left corner
constexpr int kOutlineWidth = 3;   // pixels

}  // namespace

widgets::Outline* makeOutline(QWidget* window, int width, int height) {
  auto* outline = new widgets::Outline(window, palette::kDarkBlue, kOutlineWidth);
  twips::place(outline, {kOutlineInset, kOutlineInset, width, height});
  return outline;
}

widgets::ColoredButton* makeDoneButton(QWidget* window, int left, int top, int width, int height) {
  auto* done = new widgets::ColoredButton(window, QStringLiteral("Done"), palette::kBlue,
                                          fonts::comicFont(9.75, true));
  twips::place(done, {left, top, width, height});
  return done;
}

}  // namespace shell
