// An option button: one of a group of choices on the same parent; choosing one
// clears the others. None is chosen until the player clicks one.
#pragma once

#include <QRadioButton>
#include <cstdint>

namespace platform {

class OptionButton : public QRadioButton {
  Q_OBJECT

 public:
  OptionButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
               std::uint32_t foreColor, const QFont& font);

  bool Value() const { return isChecked(); }

 signals:
  // Every click, also on the option already chosen.
  void Click();

 protected:
  // The whole button answers a click, not only its circle and caption.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace platform
