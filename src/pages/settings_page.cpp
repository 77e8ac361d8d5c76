#include "pages/settings_page.h"

#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/units.h"
#include "shell/page_look.h"
#include "widgets/color_picker.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace pages {
namespace {

// Places every page shares, in twips.
constexpr int kCaptionLeft = 120;
constexpr int kCaptionHeight = 345;
constexpr int kTitleHeight = 405;
constexpr twips::Rect kDoneButton{120, 120, 615, 285};
// The rule under the title runs from the left edge past the widest page.
constexpr int kRuleTop = 480;
constexpr int kRuleRight = 7560;
constexpr int kRuleWidth = 2;

}  // namespace

SettingsPage::SettingsPage(const PageFrame& frame)
    : platform::AppWindow(StartUpPosition::CenterScreen), frame_(frame) {
  // No title bar, no border: the page closes only through "Done".
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::twipsToPixels(frame.width), platform::twipsToPixels(frame.height));
  platform::setBackColor(this, palette::kBlack);

  outline = shell::makeOutline(this, frame.outlineWidth, frame.outlineHeight);
  titleRule =
      new widgets::Line(this, 0, kRuleTop, kRuleRight, kRuleTop, palette::kDarkRed, kRuleWidth);

  titleCaption =
      new widgets::Caption(this, frame.title, palette::kGreen, fonts::comicFont(14.25, true));
  twips::place(titleCaption, {frame.titleLeft, 0, frame.titleWidth, kTitleHeight});

  doneButton = shell::makeDoneButton(this, kDoneButton.left, kDoneButton.top, kDoneButton.width,
                                     kDoneButton.height);
  connect(doneButton, &QPushButton::clicked, this, &SettingsPage::onDoneClicked);
}

widgets::Caption* SettingsPage::addCaption(const QString& text, int top, int boxWidth,
                                           int boxHeight) {
  auto* label = new widgets::Caption(this, text, palette::kOrange, fonts::comicFont(12));
  if (boxWidth > 0) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(label, {kCaptionLeft, top, boxWidth, boxHeight});
  } else {
    twips::place(label, {kCaptionLeft, top, 0, kCaptionHeight});
    label->sizeToText();
  }
  return label;
}

widgets::DropDownList* SettingsPage::addList(const QStringList& items, const twips::Rect& place) {
  auto* list = new widgets::DropDownList(this, palette::kBlack, palette::kDarkBlue,
                                         fonts::comicFont(9, true));
  for (const QString& item : items) list->addItem(item);
  twips::place(list, place);
  return list;
}

widgets::ValueWidget* SettingsPage::addValueWidget(const widgets::ValueRules& rules,
                                                   const twips::Rect& place) {
  auto* widget = new widgets::ValueWidget(this, rules);
  twips::place(widget, place);
  return widget;
}

void SettingsPage::setTabChain(std::initializer_list<QWidget*> order) {
  // Qt drops a link to a widget that takes no focus of its own, so the
  // composite widgets are linked through their own controls.
  QList<QWidget*> stops;
  for (QWidget* widget : order) {
    if (auto* value = qobject_cast<widgets::ValueWidget*>(widget)) {
      stops << value->tabStops();
    } else if (auto* picker = qobject_cast<widgets::ColorPicker*>(widget)) {
      stops << picker->tabStops();
    } else {
      stops << widget;
    }
  }
  for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
  // The window is not shown yet: this is the control that gets the focus when it is.
  if (!stops.isEmpty()) stops.front()->setFocus();
}

void SettingsPage::onDoneClicked() {
  shell::completePage(frame_.page, [this] { platform::unloadWindow(*this); });
}

void SettingsPage::onUnload() {
  config::writeLines(config::section(frame_.sectionTitle, sectionLines()));
}

QStringList offOn() { return {QStringLiteral("Выкл"), QStringLiteral("Вкл")}; }
QStringList noYes() { return {QStringLiteral("Нет"), QStringLiteral("Да")}; }

}  // namespace pages
