#include "platform/inputs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
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

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

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

SpinButton::SpinButton(QWidget* parent, std::uint32_t backColor)
    : QWidget(parent), arrows_(QApplication::palette().color(QPalette::ButtonText)) {
  SetBackColor(this, backColor);
  setFocusPolicy(Qt::StrongFocus);
  repeat_.setSingleShot(true);
  connect(&repeat_, &QTimer::timeout, this, &SpinButton::Repeat);
}

void SpinButton::SetArrowColor(const QColor& color) {
  arrows_ = color;
  update();
}

SpinButton::Arrow SpinButton::ArrowAt(const QPoint& point) const {
  if (!rect().contains(point)) return Arrow::None;
  return point.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

bool SpinButton::Press(Arrow arrow) {
  QPointer<SpinButton> self(this);
  repeat_.stop();
  pressing_ = true;
  if (arrow == Arrow::Up) emit SpinUp();
  if (arrow == Arrow::Down) emit SpinDown();
  if (!self) return false;
  pressing_ = false;
  return true;
}

bool SpinButton::StillHeld() const {
  // The application's own record of the pointer's buttons: a release that a
  // modal box took, or that went to no widget, still clears it.
  if (held_ == Arrow::None || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) return false;
  if (!isVisible() || !isEnabled()) return false;
  QWidget* modal = QApplication::activeModalWidget();
  return modal == nullptr || modal == window();
}

void SpinButton::RepeatAfter(int ms) {
  if (StillHeld()) {
    repeat_.start(ms);
  } else {
    LetGo();
  }
}

void SpinButton::Repeat() {
  if (pressing_) return;
  if (!StillHeld()) {
    LetGo();
    return;
  }
  // Moved off the arrow: wait until the pointer comes back or lets go.
  if (ArrowAt(pointer_) != held_) {
    repeat_.start(kRepeatMs);
    return;
  }
  if (Press(held_)) RepeatAfter(kRepeatMs);
}

void SpinButton::LetGo() {
  repeat_.stop();
  if (held_ == Arrow::None) return;
  held_ = Arrow::None;
  update();
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || pressing_) return;
  pointer_ = event->position().toPoint();
  held_ = ArrowAt(pointer_);
  if (held_ == Arrow::None) return;
  update();
  if (Press(held_)) RepeatAfter(kFirstRepeatMs);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  pointer_ = event->position().toPoint();
}

void SpinButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a quick double press is a press like the first.
  mousePressEvent(event);
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) LetGo();
}

bool SpinButton::event(QEvent* event) {
  if (event->type() == QEvent::WindowBlocked) LetGo();
  return QWidget::event(event);
}

void SpinButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) LetGo();
  QWidget::changeEvent(event);
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
  LetGo();
  QWidget::focusOutEvent(event);
}

void SpinButton::hideEvent(QHideEvent* event) {
  LetGo();
  QWidget::hideEvent(event);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
  if (pressing_) return;
  if (event->key() == Qt::Key_Up) {
    Press(Arrow::Up);
  } else if (event->key() == Qt::Key_Down) {
    Press(Arrow::Down);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void SpinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor arrows = arrows_;
  const int w = width(), h = height(), half = h / 2;
  // With the focus, the frame takes the highlight colour, as a focused box's does.
  painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : arrows);
  painter.drawRect(0, 0, w - 1, half - 1);
  painter.drawRect(0, half, w - 1, h - half - 1);
  if (held_ != Arrow::None) {
    const QRect pressed =
        held_ == Arrow::Up ? QRect(1, 1, w - 2, half - 2) : QRect(1, half + 1, w - 2, h - half - 2);
    painter.fillRect(pressed, palette().color(QPalette::Highlight));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(arrows);
  painter.setPen(Qt::NoPen);
  const qreal cx = w / 2.0, s = std::min(w, half) / 4.0;
  const qreal upY = half / 2.0, downY = half + (h - half) / 2.0;
  painter.drawPolygon(QPolygonF(
      {QPointF(cx - s, upY + s / 2), QPointF(cx + s, upY + s / 2), QPointF(cx, upY - s / 2)}));
  painter.drawPolygon(QPolygonF({QPointF(cx - s, downY - s / 2), QPointF(cx + s, downY - s / 2),
                                 QPointF(cx, downY + s / 2)}));
}

}  // namespace platform
