#include "platform/option_button.h"

#include "platform/units.h"

namespace platform {

OptionButton::OptionButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
                           std::uint32_t foreColor, const QFont& font)
    : QRadioButton(caption, parent) {
  setFont(font);
  setAutoFillBackground(true);
  // The caption starts close to the circle, so a long one fits the button's width.
  setStyleSheet(QStringLiteral("QRadioButton { background-color: %1; color: %2; spacing: 2px; }")
                    .arg(BgrColor(backColor).name(), BgrColor(foreColor).name()));
  setAutoExclusive(true);
  connect(this, &QAbstractButton::clicked, this, [this] { emit Click(); });
}

}  // namespace platform
