// What every settings page shares: a black frameless window centred on the
// screen, the outline, the rule under the title, the title, the "Done" button,
// caption rows and drop-down lists. A page adds its rows and its section.
#pragma once

#include <QStringList>
#include <initializer_list>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/inputs.h"
#include "platform/shapes.h"
#include "shell/page_protocol.h"
#include "widgets/line.h"
#include "widgets/value_widget.h"

namespace pages {

struct PageFrame {
  shell::MenuPage page;
  QString sectionTitle;             // "Mouse Setting"
  int width, height;                // client area, twips
  int outlineWidth, outlineHeight;  // the outline inside it, twips
  QString title;
  int titleLeft, titleWidth;
  int valueLeft;  // the column of the value controls, twips
};

class SettingsPage : public platform::Form {
  Q_OBJECT

 public:
  explicit SettingsPage(const PageFrame& frame);

  platform::Shape* Shape1;
  widgets::Line* Line1;
  platform::Label* Label1;            // the title
  platform::CommandButton* Command2;  // Done

 protected:
  // A caption at the left: one line sized to its text, or, given a box, wrapped in it.
  platform::Label* AddCaption(const QString& text, int top, int boxWidth = 0, int boxHeight = 0);
  platform::ComboBox* AddList(const QStringList& items, int left, int top, int width, int height);
  widgets::ValueWidget* AddWidget(const widgets::ValueRules& rules, int left, int top, int width,
                                  int height);
  // Tab walks these in this order, a value widget's or the colour picker's own
  // controls in theirs; the page opens with the focus on the first.
  void SetTabOrder(std::initializer_list<QWidget*> order);

  // The section's lines after its header, read from the controls.
  virtual QStringList SectionLines() const = 0;

  void Form_Unload() override;

 private:
  void Command2_Click();

  PageFrame frame_;
};

// Two-way lists used by several pages.
QStringList OffOn();  // Выкл, Вкл
QStringList NoYes();  // Нет, Да

}  // namespace pages
