#include "platform/option_button.h"


#include "platform/units.h"

namespace platform {

OptionButton::OptionButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
                           std::uint32_t foreColor, const QFont& font)
    : QRadioButton(caption, parent) {
  setFont(font);
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("QRadioButton { background-color: %1; color: %2; }")
                    .arg(BgrColor(backColor).name(), BgrColor(foreColor).name()));
  setAutoExclusive(true);
  connect(this, &QAbstractButton::clicked, this, [this] { emit Click(); });
}

}  // namespace platform
