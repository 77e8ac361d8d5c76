#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QValidator>

namespace platform {
namespace {

// Qt shows the application's name in a title bar left empty; one blank keeps it empty.
QString shownTitle(const std::optional<QString>& title) {
  if (!title) return appTitle();
  return title->isEmpty() ? QStringLiteral(" ") : *title;
}

QString shownPrompt(QString prompt) {
  prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  prompt.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return prompt;
}

// Applied by the box to every change, typed, pasted, dropped or set: the text
// is made one line and always accepted.
class OneLineValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    int before = 0;
    for (int i = 0; i < pos && i < input.size(); ++i) {
      if (input.at(i).unicode() < 0x20) ++before;
    }
    input = oneLineText(input);
    pos -= before;
    return Acceptable;
  }
};

// One OK button, no icon.
void setUpBox(QMessageBox& box, const QString& prompt, const std::optional<QString>& title) {
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  box.setText(shownPrompt(prompt));
  box.setWindowTitle(shownTitle(title));
  box.setStandardButtons(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setIcon(QIcon());
}

class QtDialogs final : public Dialogs {
 public:
  void showMessage(const QString& prompt, const std::optional<QString>& title) override {
    QMessageBox box;
    setUpBox(box, prompt, title);
    box.exec();
  }

  void showFatalMessage(const QString& prompt, const std::function<void()>& closed) override {
    QMessageBox box;
    setUpBox(box, prompt, std::nullopt);
    // A timer's handler run inside the box's loop may start a loop of its own,
    // and then exec() would not come back when the box closes.
    QObject::connect(&box, &QDialog::finished, closed);
    box.exec();
    closed();
  }

  QString askText(const QString& prompt, const QString& title) override {
    QInputDialog box;
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(shownPrompt(prompt));
    box.setWindowTitle(shownTitle(title));
    // What the box shows is what the answer holds: no pasted line break.
    if (auto* line = box.findChild<QLineEdit*>()) keepOneLine(line);
    if (box.exec() != QDialog::Accepted) return QString();
    return box.textValue();
  }

  std::optional<QString> saveFileName(const QStringList& nameFilters,
                                      QFileDialog::Options options) override {
    QFileDialog dialog;
    configureSaveDialog(dialog, nameFilters, options);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return chosen.first();
  }
};

Dialogs*& installed() {
  static Dialogs* dialogs = nullptr;
  return dialogs;
}

}  // namespace

QString oneLineText(QString text) {
  text.removeIf([](QChar c) { return c.unicode() < 0x20; });
  return text;
}

void keepOneLine(QLineEdit* box) { box->setValidator(new OneLineValidator(box)); }

QString appTitle() { return QStringLiteral("Vesmir"); }

Dialogs& currentDialogs() {
  static QtDialogs qtDialogs;
  return installed() != nullptr ? *installed() : qtDialogs;
}

void setDialogs(Dialogs* dialogs) { installed() = dialogs; }

void showMessage(const QString& prompt, const std::optional<QString>& title) {
  currentDialogs().showMessage(prompt, title);
}

QString askText(const QString& prompt, const QString& title) {
  return oneLineText(currentDialogs().askText(prompt, title));
}

void configureSaveDialog(QFileDialog& dialog, const QStringList& nameFilters,
                         QFileDialog::Options options) {
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOptions(options);
  dialog.setNameFilters(nameFilters);
  // A name typed without an extension is saved as typed.
  dialog.setDefaultSuffix(QString());
  dialog.setWindowTitle(QString());
}

}  // namespace platform
