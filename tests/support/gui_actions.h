// The player's gestures as the tests make them: clicks, typing, spin presses,
// drops and the double click that arms a key box.
#pragma once

#include <QMimeData>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace bindings {
class ControlsPage;
}
namespace shell {
class MainWindow;
}
namespace widgets {
class SpinArrows;
class ValueWidget;
}  // namespace widgets

namespace testing_support {

shell::MainWindow& mainWindow();

// A click just inside the widget's corner, clear of any border.
void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(3, 3));
// A click on a menu caption of the main window, as the player opens a page or saves.
void clickMenu(QWidget* label, Qt::MouseButton button = Qt::LeftButton);

// Types text as key presses carrying characters, any script.
void typeText(QWidget* widget, const QString& text);

// Presses on the upper or lower arrow; x is where across the arrows, their middle
// unless given.
void spinUp(widgets::SpinArrows* arrows, int times, int x = -1);
void spinDown(widgets::SpinArrows* arrows, int times, int x = -1);
void spinUp(widgets::ValueWidget* widget, int times, int x = -1);
void spinDown(widgets::ValueWidget* widget, int times, int x = -1);

// Offscreen there is no real drag: delivers one to a widget as Qt does, an enter
// that must be accepted, then the drop. Returns the drop's action, or
// IgnoreAction when the enter or the drop was turned away.
Qt::DropAction deliverDrop(QWidget* target, const QMimeData* mime, Qt::DropActions actions);
// A press and release on a weapon picture, which starts its drag.
void pressPicture(QWidget* picture, Qt::MouseButton button = Qt::LeftButton);

// Where the widget lies in the controls page now, its panel scrolled so that it
// is in view; the widget's centre unless a point in it is given.
QPoint inView(bindings::ControlsPage& page, QWidget* widget, QPoint at = {});
// The player's gesture that arms key box i: a double click on its rectangle.
void armKeyBox(bindings::ControlsPage& page, int box);

}  // namespace testing_support
