// The single-value spin widgets of the settings pages: a locked value box and a
// spin button around a 16-bit counter. One mechanism, six members, each
// described by its row of rules.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <variant>

#include "platform/inputs.h"
#include "widgets/spin_arrows.h"

namespace widgets {

enum class LimitMessage { A, B, C };

// Shows the message the widgets give at their upper limit, and waits.
void ShowLimitMessage(LimitMessage message);

struct ValueRules {
  enum class Text { Whole, Tenths, Percent };

  std::int16_t start;
  std::int16_t step;
  std::int16_t floor;
  std::int16_t limit;                   // reached by an up press; the ceiling of Volume
  std::optional<LimitMessage> message;  // none: the limit is a ceiling tested before the step
  std::int16_t resetTo;                 // Counter after the message
  bool resetWritesBox;                  // SENN writes its reset value into the box
  Text text;
  int boxWidthTwips;
  bool wholeT;  // T is a whole number (else a double: Counter / 10 or / 100)
};

// The members' rows.
extern const ValueRules UPDW;
extern const ValueRules UPDW0;
extern const ValueRules SEN;
extern const ValueRules Volume;
extern const ValueRules SPEED;
extern const ValueRules SENN;

// The box text of a counter under a member's rules.
QString BoxText(const ValueRules& rules, std::int16_t counter);

class ValueWidget : public QWidget {
  Q_OBJECT

 public:
  using Value = std::variant<std::int16_t, double>;

  ValueWidget(QWidget* parent, const ValueRules& rules);

  // The public value, as the box last showed it.
  const Value& T() const { return t_; }
  // T as a value text for the file.
  QString TText() const;
  // What takes the focus in turn: the box, then the arrows. The widget itself
  // takes none and forwards none (Tab would stop on it through a focus proxy
  // while Qt's tab order links pass over it), so a page's tab order names these.
  QList<QWidget*> TabStops() const { return {Text1, B}; }

  platform::TextBox* Text1;
  SpinArrows* B;

 private:
  void SpinUp();
  void SpinDown();
  void Show(std::int16_t counter);
  void Text1_Change();

  const ValueRules& rules_;
  std::int16_t counter_;
  Value t_;
};

}  // namespace widgets
