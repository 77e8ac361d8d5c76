// The single-value spin widgets of the settings pages: a locked value box and
// spin arrows around a 16-bit counter. One mechanism for every kind of value,
// each kind described by its row of rules.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <variant>

#include "widgets/one_line_box.h"
#include "widgets/spin_arrows.h"

namespace widgets {

// What the widgets say when an up press reaches their limit.
enum class LimitMessage {
  Nonsense,     // "Дурак что ли?"
  AboveServer,  // more than the server allows
  NotNeeded,    // more is not needed
};

// Shows the message the widgets give at their upper limit, and waits.
void showLimitMessage(LimitMessage message);

struct ValueRules {
  enum class Text { Whole, Tenths, Percent };

  std::int16_t start;
  std::int16_t step;
  std::int16_t floor;
  std::int16_t limit;                   // reached by an up press; the ceiling of a percentage
  std::optional<LimitMessage> message;  // none: the limit is a ceiling tested before the step
  std::int16_t resetTo;                 // the counter after the message
  bool resetWritesBox;                  // the reset value shows in the box at once
  Text text;
  int boxWidthTwips;
  bool wholeValue;  // the value is a whole number (else a double: the counter / 10 or / 100)
};

// The kinds of value, by what they count.
extern const ValueRules kWholeFromOne;   // a whole number from 1 (gamma, brightness)
extern const ValueRules kWholeFromZero;  // a whole number from 0 (smoke puffs, decals)
extern const ValueRules kSensitivity;    // tenths from 0 to 10
extern const ValueRules kVolume;         // a percentage, 0 to 100
extern const ValueRules kSpeed;          // 0 to 800 by tens, from 400
extern const ValueRules kSeconds;        // seconds in tenths, 0 to 10

// The box text of a counter under a kind's rules.
QString boxText(const ValueRules& rules, std::int16_t counter);

class ValueWidget : public QWidget {
  Q_OBJECT

 public:
  using Value = std::variant<std::int16_t, double>;

  ValueWidget(QWidget* parent, const ValueRules& rules);

  // The public value, as the box last showed it.
  const Value& value() const { return value_; }
  // The value as a value text for the file.
  QString valueText() const;
  // What takes the focus in turn: the box, then the arrows. The widget itself
  // takes none and forwards none (Tab would stop on it through a focus proxy
  // while Qt's tab order links pass over it), so a page's tab order names these.
  QList<QWidget*> tabStops() const { return {valueBox, arrows}; }

  widgets::OneLineBox* valueBox;
  SpinArrows* arrows;

 private:
  void onUpPressed();
  void onDownPressed();
  void showCounter(std::int16_t counter);
  void onBoxTextChanged();

  const ValueRules& rules_;
  std::int16_t counter_;
  Value value_;
};

}  // namespace widgets
