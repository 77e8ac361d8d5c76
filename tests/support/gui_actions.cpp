#include "support/gui_actions.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <cstddef>

#include "bindings/controls_page.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "widgets/spin_arrows.h"
#include "widgets/value_widget.h"

namespace testing_support {

shell::MainWindow& mainWindow() { return platform::instance<shell::MainWindow>(); }

void click(QWidget* widget, Qt::MouseButton button, QPoint at) {
  QTest::mouseClick(widget, button, Qt::NoModifier, at);
}

void clickMenu(QWidget* label, Qt::MouseButton button) { click(label, button, QPoint(2, 2)); }

void typeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

namespace {

void spin(widgets::SpinArrows* arrows, bool up, int times, int x) {
  const QPoint at(x < 0 ? arrows->width() / 2 : x, up ? 2 : arrows->height() - 3);
  for (int i = 0; i < times; ++i) click(arrows, Qt::LeftButton, at);
}

}  // namespace

void spinUp(widgets::SpinArrows* arrows, int times, int x) { spin(arrows, true, times, x); }
void spinDown(widgets::SpinArrows* arrows, int times, int x) { spin(arrows, false, times, x); }
void spinUp(widgets::ValueWidget* widget, int times, int x) { spinUp(widget->arrows, times, x); }
void spinDown(widgets::ValueWidget* widget, int times, int x) {
  spinDown(widget->arrows, times, x);
}

Qt::DropAction deliverDrop(QWidget* target, const QMimeData* mime, Qt::DropActions actions) {
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, actions, mime, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return Qt::IgnoreAction;
  QDropEvent drop(QPointF(at), actions, mime, Qt::LeftButton, Qt::NoModifier);
  drop.setAccepted(false);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

void pressPicture(QWidget* picture, Qt::MouseButton button) {
  QTest::mousePress(picture, button, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(picture, button, Qt::NoModifier, QPoint(5, 5));
}

QPoint inView(bindings::ControlsPage& page, QWidget* widget, QPoint at) {
  const int top = widget->mapTo(page.rowPanel, QPoint()).y() * 15;
  page.scrollBar->setValue(std::clamp(top - 3000, 0, page.scrollBar->maximum()));
  return widget->mapTo(&page, at.isNull() ? widget->rect().center() : at);
}

void armKeyBox(bindings::ControlsPage& page, int box) {
  QTest::mouseDClick(page.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                     inView(page, page.keyBoxes[std::size_t(box)]));
}

}  // namespace testing_support
