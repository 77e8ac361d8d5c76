// The look the page windows share: a black window, the blue outline inset 15
// twips, captions in "Comic Sans MS", and the blue "Done" button.
#pragma once

#include <QFont>
#include <QWidget>

#include "widgets/colored_button.h"
#include "widgets/outline.h"

namespace shell {

// The outline framing a window, inset 15 twips, of the size its window gives (twips).
widgets::Outline* makeOutline(QWidget* window, int width, int height);

// "Done" at this place (twips): blue face, bold 9.75 pt.
widgets::ColoredButton* makeDoneButton(QWidget* window, int left, int top, int width, int height);

}  // namespace shell
