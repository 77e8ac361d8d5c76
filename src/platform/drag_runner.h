// How a started drag is carried out: by Qt's own drag and drop unless a test
// has put another runner in place (offscreen there is no real drag).
#pragma once

#include <QDrag>
#include <functional>

namespace platform {

using DragRunner = std::function<Qt::DropAction(QDrag& drag, Qt::DropActions allowed)>;

// An empty runner puts Qt's own back.
void setDragRunner(DragRunner runner);

// Runs the drag to its end and gives the action it ended with.
Qt::DropAction runDrag(QDrag& drag, Qt::DropActions allowed);

}  // namespace platform
