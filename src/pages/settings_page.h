// What every settings page shares: a black frameless window centred on the
// screen, the outline, the rule under the title, the title, the "Done" button,
// caption rows and drop-down lists. A page adds its rows and its section.
#pragma once

#include <QStringList>
#include <initializer_list>

#include "platform/forms.h"
#include "shell/page_protocol.h"
#include "widgets/caption.h"
#include "widgets/colored_button.h"
#include "widgets/drop_down_list.h"
#include "widgets/line.h"
#include "widgets/outline.h"
#include "widgets/twips.h"
#include "widgets/value_widget.h"

namespace pages {

struct PageFrame {
  shell::MenuPage page;
  QString sectionTitle;             // "Mouse Setting"
  int width, height;                // client area, twips
  int outlineWidth, outlineHeight;  // the outline inside it, twips
  QString title;
  int titleLeft, titleWidth;
};

class SettingsPage : public platform::AppWindow {
  Q_OBJECT

 public:
  explicit SettingsPage(const PageFrame& frame);

  widgets::Outline* outline;
  widgets::Line* titleRule;
  widgets::Caption* titleCaption;
  widgets::ColoredButton* doneButton;

 protected:
  // A caption at the left: one line sized to its text, or, given a box, wrapped in it.
  widgets::Caption* addCaption(const QString& text, int top, int boxWidth = 0, int boxHeight = 0);
  widgets::DropDownList* addList(const QStringList& items, const twips::Rect& place);
  widgets::ValueWidget* addValueWidget(const widgets::ValueRules& rules, const twips::Rect& place);
  // Tab walks these in this order, a value widget's or the colour picker's own
  // controls in theirs; the page opens with the focus on the first.
  void setTabChain(std::initializer_list<QWidget*> order);

  // The section's lines after its header, read from the controls.
  virtual QStringList sectionLines() const = 0;

  void onUnload() override;

 private:
  void onDoneClicked();

  PageFrame frame_;
};

// Two-way lists used by several pages.
QStringList offOn();  // Выкл, Вкл
QStringList noYes();  // Нет, Да

}  // namespace pages
