#include "widgets/value_widget.h"

#include <QApplication>
#include <limits>

#include "config/config_text.h"
#include "platform/dialogs.h"
#include "platform/units.h"

namespace widgets {
namespace {

constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kBlue = 0x00C00000;

// Counters are 16-bit: a step past either end stops there.
std::int16_t Stepped(std::int16_t counter, int by) {
  const int next = counter + by;
  if (next < std::numeric_limits<std::int16_t>::min())
    return std::numeric_limits<std::int16_t>::min();
  if (next > std::numeric_limits<std::int16_t>::max())
    return std::numeric_limits<std::int16_t>::max();
  return std::int16_t(next);
}

}  // namespace

// clang-format off
//                                start step floor  limit  message            reset  box    text                    width  whole
const ValueRules UPDW{             1,   1,   1, 21000, LimitMessage::A,   0, false, ValueRules::Text::Whole,   1200, true};
const ValueRules UPDW0{            0,   1,   0, 21000, LimitMessage::A,   0, false, ValueRules::Text::Whole,   1200, true};
const ValueRules SEN{              0,   1,   0,   100, LimitMessage::A,   0, false, ValueRules::Text::Tenths,   960, false};
const ValueRules Volume{           0,   1,   0,   100, std::nullopt,      0, false, ValueRules::Text::Percent,  960, false};
const ValueRules SPEED{          400,  10,   0,   800, LimitMessage::B, 400, false, ValueRules::Text::Whole,    960, true};
const ValueRules SENN{             0,   1,   0,   100, LimitMessage::C,   1, true,  ValueRules::Text::Tenths,   960, false};
// clang-format on

void ShowLimitMessage(LimitMessage message) {
  switch (message) {
    case LimitMessage::A:
      platform::MsgBox(QStringLiteral("Дурак что ли?"), 0, QStringLiteral("АШЫПКА"));
      break;
    case LimitMessage::B:  // the "O" of "Oбычно" is the Latin letter
      platform::MsgBox(QStringLiteral("Не может быть больше, чем у сервера\rOбычно = 400 "));
      break;
    case LimitMessage::C:
      platform::MsgBox(QStringLiteral("Мне кажется больше не надо\rOбычно = 5 "));
      break;
  }
}

QString BoxText(const ValueRules& rules, std::int16_t counter) {
  switch (rules.text) {
    case ValueRules::Text::Whole:
      return config::numberText(counter);
    case ValueRules::Text::Tenths:
      return config::fractionText(counter / 10.0);
    case ValueRules::Text::Percent:
      return config::numberText(counter) + QLatin1Char('%');
  }
  return QString();
}

ValueWidget::ValueWidget(QWidget* parent, const ValueRules& rules)
    : QWidget(parent), rules_(rules), counter_(rules.start), t_(std::int16_t(0)) {
  const QFont font = platform::MakeFont(QStringLiteral("Comic Sans MS"), 9, true);
  Text1 = new platform::TextBox(this, kBlack, kBlue, font);
  Text1->SetLocked(true);
  platform::PlaceTwips(Text1, 0, 0, rules.boxWidthTwips, 360);
  B = new platform::SpinButton(this, kBlack);
  platform::PlaceTwips(B, rules.boxWidthTwips, 0, 255, 345);
  B->SetArrowColor(QApplication::palette().color(QPalette::HighlightedText));
  setTabOrder(Text1, B);
  // Where the page gives the widget more room than its two controls, the
  // widget's own default control colour shows.
  QPalette own = palette();
  own.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  setPalette(own);
  setAutoFillBackground(true);

  connect(Text1, &platform::TextBox::Change, this, &ValueWidget::Text1_Change);
  connect(B, &platform::SpinButton::SpinUp, this, &ValueWidget::SpinUp);
  connect(B, &platform::SpinButton::SpinDown, this, &ValueWidget::SpinDown);

  Show(counter_);
  // The box starts empty, so the first text is always a change; T follows it.
}

void ValueWidget::Show(std::int16_t counter) { Text1->SetText(BoxText(rules_, counter)); }

void ValueWidget::SpinUp() {
  if (!rules_.message) {  // a ceiling, tested before the step; no message
    if (counter_ == rules_.limit) {
      Show(rules_.limit);
      return;
    }
    counter_ = Stepped(counter_, rules_.step);
    Show(counter_);
    return;
  }
  counter_ = Stepped(counter_, rules_.step);
  Show(counter_);
  if (counter_ == rules_.limit) {
    ShowLimitMessage(*rules_.message);
    counter_ = rules_.resetTo;
    // The others leave the box and T at the limit until the next press.
    if (rules_.resetWritesBox) Show(counter_);
  }
}

void ValueWidget::SpinDown() {
  if (counter_ == rules_.floor) {
    Show(rules_.floor);
    counter_ = rules_.floor;
    return;
  }
  counter_ = Stepped(counter_, -rules_.step);
  Show(counter_);
}

void ValueWidget::Text1_Change() {
  if (rules_.wholeT) {
    t_ = counter_;
  } else {
    t_ = counter_ / (rules_.text == ValueRules::Text::Percent ? 100.0 : 10.0);
  }
}

QString ValueWidget::TText() const {
  if (const auto* whole = std::get_if<std::int16_t>(&t_)) return config::numberText(*whole);
  return config::fractionText(std::get<double>(t_));
}

}  // namespace widgets
