// Modal boxes and the Save As dialog, behind one interface so that tests can
// answer them without a display.
#pragma once

#include <QFileDialog>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {

// The title the boxes show when they are given none.
QString appTitle();

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // One OK button, no icon; waits until closed. Lines are joined by CR (13).
  // No title: the application's title; an empty title: an empty title bar.
  virtual void showMessage(const QString& prompt, const std::optional<QString>& title) = 0;

  // The fatal error's box, with the application's title: `closed` runs the
  // moment it is closed (by OK or by the window's close command), even where a
  // loop started from inside the box's own event loop is still running.
  virtual void showFatalMessage(const QString& prompt, const std::function<void()>& closed) {
    showMessage(prompt, std::nullopt);
    closed();
  }

  // The typed text, or an empty text when cancelled.
  virtual QString askText(const QString& prompt, const QString& title) = 0;

  // Save As with these name filters ("description (pattern)") and options.
  // The chosen path, or nothing when cancelled.
  virtual std::optional<QString> saveFileName(const QStringList& nameFilters,
                                              QFileDialog::Options options) = 0;
};

// The text without its control characters (below U+0020): what a one-line box
// holds. A line break typed, pasted or dropped would end the line it goes into.
QString oneLineText(QString text);
// Makes a line edit hold oneLineText of whatever reaches it.
void keepOneLine(QLineEdit* box);

// The dialogs in use: Qt's own unless a test has put others in place.
Dialogs& currentDialogs();
void setDialogs(Dialogs* dialogs);  // nullptr: back to Qt's

// Convenience calls on the dialogs in use. The input box's answer is one line:
// its control characters (a pasted line break) are left out.
void showMessage(const QString& prompt, const std::optional<QString>& title = {});
QString askText(const QString& prompt, const QString& title);

// Sets up a Qt file dialog for Save As with the given name filters and options.
void configureSaveDialog(QFileDialog& dialog, const QStringList& nameFilters,
                         QFileDialog::Options options);

}  // namespace platform
