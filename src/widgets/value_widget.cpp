#include "widgets/value_widget.h"

#include <QApplication>
#include <limits>

#include "config/config_text.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace widgets {
namespace {

// The box's width comes from the kind's rules; the arrows stand right of it.
constexpr int kBoxHeight = 360;
constexpr int kArrowsWidth = 255;
constexpr int kArrowsHeight = 345;

// Counters are 16-bit: a step past either end stops there.
std::int16_t stepped(std::int16_t counter, int by) {
  const int next = counter + by;
  if (next < std::numeric_limits<std::int16_t>::min())
    return std::numeric_limits<std::int16_t>::min();
  if (next > std::numeric_limits<std::int16_t>::max())
    return std::numeric_limits<std::int16_t>::max();
  return std::int16_t(next);
}

}  // namespace

// clang-format off
//                                         start step floor  limit  message                    reset  box    text                       width  whole
const ValueRules kWholeFromOne{   1,   1,   1, 21000, LimitMessage::Nonsense,      0, false, ValueRules::Text::Whole,   1200, true};
const ValueRules kWholeFromZero{  0,   1,   0, 21000, LimitMessage::Nonsense,      0, false, ValueRules::Text::Whole,   1200, true};
const ValueRules kSensitivity{    0,   1,   0,   100, LimitMessage::Nonsense,      0, false, ValueRules::Text::Tenths,   960, false};
const ValueRules kVolume{         0,   1,   0,   100, std::nullopt,                0, false, ValueRules::Text::Percent,  960, false};
const ValueRules kSpeed{        400,  10,   0,   800, LimitMessage::AboveServer, 400, false, ValueRules::Text::Whole,    960, true};
const ValueRules kSeconds{        0,   1,   0,   100, LimitMessage::NotNeeded,   1, true,  ValueRules::Text::Tenths,   960, false};
// clang-format on

void showLimitMessage(LimitMessage message) {
  switch (message) {
    case LimitMessage::Nonsense:
      platform::showMessage(QStringLiteral("Дурак что ли?"), QStringLiteral("АШЫПКА"));
      break;
    case LimitMessage::AboveServer:  // the "O" of "Oбычно" is the Latin letter
      platform::showMessage(QStringLiteral("Не может быть больше, чем у сервера\rOбычно = 400 "));
      break;
    case LimitMessage::NotNeeded:
      platform::showMessage(QStringLiteral("Мне кажется больше не надо\rOбычно = 5 "));
      break;
  }
}

QString boxText(const ValueRules& rules, std::int16_t counter) {
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
    : QWidget(parent), rules_(rules), counter_(rules.start), value_(std::int16_t(0)) {
  valueBox =
      new widgets::OneLineBox(this, palette::kBlack, palette::kDarkBlue, fonts::comicFont(9, true));
  valueBox->setLocked(true);
  twips::place(valueBox, {0, 0, rules.boxWidthTwips, kBoxHeight});
  arrows = new SpinArrows(this, palette::kBlack);
  twips::place(arrows, {rules.boxWidthTwips, 0, kArrowsWidth, kArrowsHeight});
  arrows->setArrowColor(QApplication::palette().color(QPalette::HighlightedText));
  setTabOrder(valueBox, arrows);
  // Where the page gives the widget more room than its two controls, the
  // widget's own default control colour shows.
  QPalette own = palette();
  own.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  setPalette(own);
  setAutoFillBackground(true);

  connect(valueBox, &widgets::OneLineBox::changed, this, &ValueWidget::onBoxTextChanged);
  connect(arrows, &SpinArrows::upPressed, this, &ValueWidget::onUpPressed);
  connect(arrows, &SpinArrows::downPressed, this, &ValueWidget::onDownPressed);

  showCounter(counter_);
  // The box starts empty, so the first text is always a change; the value follows it.
}

void ValueWidget::showCounter(std::int16_t counter) {
  valueBox->showText(boxText(rules_, counter));
}

void ValueWidget::onUpPressed() {
  if (!rules_.message) {  // a ceiling, tested before the step; no message
    if (counter_ == rules_.limit) {
      showCounter(rules_.limit);
      return;
    }
    counter_ = stepped(counter_, rules_.step);
    showCounter(counter_);
    return;
  }
  counter_ = stepped(counter_, rules_.step);
  showCounter(counter_);
  if (counter_ == rules_.limit) {
    showLimitMessage(*rules_.message);
    counter_ = rules_.resetTo;
    // The others leave the box and the value at the limit until the next press.
    if (rules_.resetWritesBox) showCounter(counter_);
  }
}

void ValueWidget::onDownPressed() {
  if (counter_ == rules_.floor) {
    showCounter(rules_.floor);
    counter_ = rules_.floor;
    return;
  }
  counter_ = stepped(counter_, -rules_.step);
  showCounter(counter_);
}

void ValueWidget::onBoxTextChanged() {
  if (rules_.wholeValue) {
    value_ = counter_;
  } else {
    value_ = counter_ / (rules_.text == ValueRules::Text::Percent ? 100.0 : 10.0);
  }
}

QString ValueWidget::valueText() const {
  if (const auto* whole = std::get_if<std::int16_t>(&value_)) return config::numberText(*whole);
  return config::fractionText(std::get<double>(value_));
}

}  // namespace widgets
