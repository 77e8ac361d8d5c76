#include "platform/drag_runner.h"

#include <utility>

namespace platform {
namespace {

DragRunner& runner() {
  static DragRunner installed;
  return installed;
}

}  // namespace

void setDragRunner(DragRunner replacement) { runner() = std::move(replacement); }

Qt::DropAction runDrag(QDrag& drag, Qt::DropActions allowed) {
  if (runner()) return runner()(drag, allowed);
  return drag.exec(allowed, allowed & Qt::MoveAction ? Qt::MoveAction : Qt::CopyAction);
}

}  // namespace platform
