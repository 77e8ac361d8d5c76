#include "platform/inputs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPalette>
#include <QValidator>

#include "platform/units.h"

namespace platform {
namespace {

// The field's own colours; the frame keeps the system's, so a black box on a
// black window still shows its edge.
void SetFieldColors(QWidget* widget, std::uint32_t backColor, std::uint32_t foreColor) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, BgrColor(backColor));
    palette.setColor(group, QPalette::Text, BgrColor(foreColor));
  }
  palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
  widget->setPalette(palette);
}

void SetColors(QWidget* widget, std::uint32_t backColor, std::uint32_t foreColor) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, BgrColor(backColor));
    palette.setColor(group, QPalette::Button, BgrColor(backColor));
    palette.setColor(group, QPalette::Window, BgrColor(backColor));
    palette.setColor(group, QPalette::Text, BgrColor(foreColor));
    palette.setColor(group, QPalette::ButtonText, BgrColor(foreColor));
    palette.setColor(group, QPalette::WindowText, BgrColor(foreColor));
  }
  widget->setPalette(palette);
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
    input = OneLineText(input);
    pos -= before;
    return Acceptable;
  }
};

}  // namespace

QString OneLineText(QString text) {
  text.removeIf([](QChar c) { return c.unicode() < 0x20; });
  return text;
}

void KeepOneLine(QLineEdit* box) { box->setValidator(new OneLineValidator(box)); }

TextBox::TextBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                 const QFont& font)
    : QLineEdit(parent) {
  setFont(font);
  SetFieldColors(this, backColor, foreColor);
  setFrame(true);
  KeepOneLine(this);
  // Typing raises Change the same way as the program's own writes.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
    if (now == last_) return;
    last_ = now;
    emit Change();
  });
}

void TextBox::SetText(const QString& text) {
  if (text == this->text()) return;
  setText(text);  // textChanged, and so Change, runs inside this call
}

void TextBox::SetLocked(bool locked) {
  setReadOnly(locked);
  // A box that takes the right button for itself keeps it.
  if (contextMenuPolicy() == Qt::PreventContextMenu) return;
  setContextMenuPolicy(locked ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

ComboBox::ComboBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                   const QFont& font)
    : QComboBox(parent) {
  setEditable(false);
  setFont(font);
  SetColors(this, backColor, foreColor);
  // The open list is a window of its own, which the box gives the system's
  // menu colours whenever it sets it up; the list inside it keeps these.
  SetColors(view(), backColor, foreColor);
}

void ComboBox::SetListIndex(int index) { setCurrentIndex(index); }

CommandButton::CommandButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
                             const QFont& font)
    : QPushButton(caption, parent) {
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Button, BgrColor(backColor));
  setPalette(palette);
  setAutoDefault(false);
  // The face shows exactly its colour, as a raised button that sinks when pressed.
  const QString face = BgrColor(backColor).name();
  setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                               " border: 2px outset %2; }"
                               "QPushButton:pressed { border-style: inset; }"
                               "QPushButton:disabled { color: gray; }"
                               "QPushButton:focus { outline: 1px dotted black; }")
                    .arg(face, BgrColor(backColor).lighter(160).name()));
}

}  // namespace platform
