#include "pages/settings_page.h"

#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/units.h"
#include "shell/page_look.h"
#include "widgets/color_picker.h"

namespace pages {
namespace {

constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kBlue = 0x00C00000;
constexpr std::uint32_t kGreen = 0x00008000;
constexpr std::uint32_t kOrange = 0x000080FF;
constexpr std::uint32_t kRuleRed = 0x000000C0;
constexpr int kCaptionLeft = 120;

QFont Comic(double points, bool bold = false) { return shell::ComicFont(points, bold); }

}  // namespace

SettingsPage::SettingsPage(const PageFrame& frame)
    : platform::Form(StartUpPosition::CenterScreen), frame_(frame) {
  // No title bar, no border: the page closes only through "Done".
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::TwipsToPixels(frame.width), platform::TwipsToPixels(frame.height));
  platform::SetBackColor(this, kBlack);

  Shape1 = shell::makeOutline(this, frame.outlineWidth, frame.outlineHeight);
  Line1 = new platform::Line(this, 0, 480, 7560, 480, kRuleRed, 2);

  Label1 = new platform::Label(this, frame.title, kGreen, Comic(14.25, true));
  platform::PlaceTwips(Label1, frame.titleLeft, 0, frame.titleWidth, 405);

  Command2 = shell::makeDoneButton(this, 120, 120, 615, 285);
  connect(Command2, &QPushButton::clicked, this, &SettingsPage::Command2_Click);
}

platform::Label* SettingsPage::AddCaption(const QString& text, int top, int boxWidth,
                                          int boxHeight) {
  auto* label = new platform::Label(this, text, kOrange, Comic(12));
  if (boxWidth > 0) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::PlaceTwips(label, kCaptionLeft, top, boxWidth, boxHeight);
  } else {
    platform::PlaceTwips(label, kCaptionLeft, top, 0, 345);
    label->SizeToText();
  }
  return label;
}

platform::ComboBox* SettingsPage::AddList(const QStringList& items, int left, int top, int width,
                                          int height) {
  auto* list = new platform::ComboBox(this, kBlack, kBlue, Comic(9, true));
  for (const QString& item : items) list->AddItem(item);
  platform::PlaceTwips(list, left, top, width, height);
  return list;
}

widgets::ValueWidget* SettingsPage::AddWidget(const widgets::ValueRules& rules, int left, int top,
                                              int width, int height) {
  auto* widget = new widgets::ValueWidget(this, rules);
  platform::PlaceTwips(widget, left, top, width, height);
  return widget;
}

void SettingsPage::SetTabOrder(std::initializer_list<QWidget*> order) {
  // Qt drops a link to a widget that takes no focus of its own, so the
  // composite widgets are linked through their own controls.
  QList<QWidget*> stops;
  for (QWidget* widget : order) {
    if (auto* value = qobject_cast<widgets::ValueWidget*>(widget)) {
      stops << value->TabStops();
    } else if (auto* picker = qobject_cast<widgets::ColorPicker*>(widget)) {
      stops << picker->TabStops();
    } else {
      stops << widget;
    }
  }
  for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
  // The window is not shown yet: this is the control that gets the focus when it is.
  if (!stops.isEmpty()) stops.front()->setFocus();
}

void SettingsPage::Command2_Click() {
  shell::completePage(frame_.page, [this] { platform::Unload(*this); });
}

void SettingsPage::Form_Unload() {
  config::writeLines(config::section(frame_.sectionTitle, SectionLines()));
}

QStringList OffOn() { return {QStringLiteral("Выкл"), QStringLiteral("Вкл")}; }
QStringList NoYes() { return {QStringLiteral("Нет"), QStringLiteral("Да")}; }

}  // namespace pages
