#include "widgets/value_widget.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "support/gui_actions.h"
#include "support/wizard_test.h"

namespace {

using widgets::ValueRules;
using widgets::ValueWidget;

const QString kNonsense = QStringLiteral("Дурак что ли?");
const QString kAboveServer = QStringLiteral("Не может быть больше, чем у сервера\rOбычно = 400 ");
const QString kNotNeeded = QStringLiteral("Мне кажется больше не надо\rOбычно = 5 ");

// Presses as "100u 3d": a hundred up, then three down.
void press(ValueWidget& w, const std::string& presses) {
  std::size_t at = 0;
  while (at < presses.size()) {
    std::size_t end = presses.find(' ', at);
    if (end == std::string::npos) end = presses.size();
    const std::string part = presses.substr(at, end - at);
    const int count = std::stoi(part.substr(0, part.size() - 1));
    if (part.back() == 'u') {
      testing_support::spinUp(&w, count);
    } else {
      testing_support::spinDown(&w, count);
    }
    at = end + 1;
  }
}

struct Case {
  const char* kind;
  const ValueRules* rules;
  std::string presses;
  const char* box;
  const char* value;              // the value as the file gets it
  std::vector<QString> messages;  // prompts shown, in order
};

class ValueWidgetTest : public testing_support::WizardTest {};

TEST_F(ValueWidgetTest, PressSequences) {
  const Case cases[] = {
      {"wholeFromOne", &widgets::kWholeFromOne, "", "1", "1", {}},
      {"wholeFromOne", &widgets::kWholeFromOne, "1d", "1", "1", {}},
      {"wholeFromOne", &widgets::kWholeFromOne, "5u 2d", "4", "4", {}},
      {"wholeFromOne", &widgets::kWholeFromOne, "20999u", "21000", "21000", {kNonsense}},
      {"wholeFromOne", &widgets::kWholeFromOne, "20999u 1u", "1", "1", {kNonsense}},
      {"wholeFromOne", &widgets::kWholeFromOne, "20999u 1d", "-1", "-1", {kNonsense}},
      {"wholeFromOne", &widgets::kWholeFromOne, "20999u 3d", "-3", "-3", {kNonsense}},
      {"wholeFromOne",
       &widgets::kWholeFromOne,
       "20999u 32770d",
       "-32768",
       "-32768",
       {kNonsense}},  // 16 bits end there
      {"wholeFromZero", &widgets::kWholeFromZero, "", "0", "0", {}},
      {"wholeFromZero", &widgets::kWholeFromZero, "1d", "0", "0", {}},
      {"wholeFromZero", &widgets::kWholeFromZero, "21000u", "21000", "21000", {kNonsense}},
      {"wholeFromZero", &widgets::kWholeFromZero, "21000u 1u", "1", "1", {kNonsense}},
      {"wholeFromZero", &widgets::kWholeFromZero, "21000u 1d", "0", "0", {kNonsense}},
      {"sensitivity", &widgets::kSensitivity, "", "0", "0", {}},
      {"sensitivity", &widgets::kSensitivity, "1d", "0", "0", {}},
      {"sensitivity", &widgets::kSensitivity, "15u", "1.5", "1.5", {}},
      {"sensitivity", &widgets::kSensitivity, "100u", "10", "10", {kNonsense}},
      {"sensitivity", &widgets::kSensitivity, "100u 1u", "0.1", "0.1", {kNonsense}},
      {"sensitivity", &widgets::kSensitivity, "100u 1d", "0", "0", {kNonsense}},
      {"volume", &widgets::kVolume, "", "0%", "0", {}},
      {"volume", &widgets::kVolume, "1d", "0%", "0", {}},
      {"volume", &widgets::kVolume, "37u", "37%", "0.37", {}},
      {"volume", &widgets::kVolume, "100u", "100%", "1", {}},
      {"volume", &widgets::kVolume, "101u", "100%", "1", {}},
      {"volume", &widgets::kVolume, "101u 1d", "99%", "0.99", {}},
      {"speed", &widgets::kSpeed, "", "400", "400", {}},
      {"speed", &widgets::kSpeed, "40u", "800", "800", {kAboveServer}},
      {"speed", &widgets::kSpeed, "40u 1u", "410", "410", {kAboveServer}},
      {"speed", &widgets::kSpeed, "40u 1d", "390", "390", {kAboveServer}},
      {"speed", &widgets::kSpeed, "40d", "0", "0", {}},
      {"speed", &widgets::kSpeed, "41d", "0", "0", {}},
      {"seconds", &widgets::kSeconds, "", "0", "0", {}},
      {"seconds", &widgets::kSeconds, "1d", "0", "0", {}},
      {"seconds", &widgets::kSeconds, "50u", "5", "5", {}},
      {"seconds", &widgets::kSeconds, "100u", "0.1", "0.1", {kNotNeeded}},
      {"seconds", &widgets::kSeconds, "100u 1u", "0.2", "0.2", {kNotNeeded}},
      {"seconds", &widgets::kSeconds, "100u 1d", "0", "0", {kNotNeeded}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " after \"" + c.presses + "\"");
    dialogs_.boxes.clear();
    QWidget page;
    ValueWidget widget(&page, *c.rules);
    press(widget, c.presses);
    EXPECT_EQ(widget.valueBox->text(), QString::fromUtf8(c.box));
    EXPECT_EQ(widget.valueText(), QString::fromUtf8(c.value));
    std::vector<QString> shown;
    for (const auto& box : dialogs_.boxes) shown.push_back(box.prompt);
    EXPECT_EQ(shown, c.messages);
  }
}

TEST_F(ValueWidgetTest, LimitMessagesTitlesAndTheValueWhileTheyShow) {
  struct Limit {
    const ValueRules* rules;
    int presses;
    std::optional<QString> title;
    const char* valueWhileShown;
  };
  const Limit limits[] = {
      {&widgets::kSensitivity, 100, QStringLiteral("АШЫПКА"), "10"},
      {&widgets::kSpeed, 40, std::nullopt, "800"},  // the application's title
      {&widgets::kSeconds, 100, std::nullopt, "10"},
  };
  for (const Limit& l : limits) {
    dialogs_.boxes.clear();
    QWidget page;
    ValueWidget widget(&page, *l.rules);
    QString valueWhileShown;
    dialogs_.whileBoxShown = [&](const testing_support::ShownBox&) {
      valueWhileShown = widget.valueText();
    };
    press(widget, std::to_string(l.presses) + "u");
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].title, l.title);
    EXPECT_EQ(valueWhileShown, QString::fromUtf8(l.valueWhileShown));
  }
  // The Latin "O", and the blank at the end of the second line.
  EXPECT_EQ(kAboveServer.at(kAboveServer.indexOf(QLatin1Char('\r')) + 1).unicode(), u'O');
}

TEST_F(ValueWidgetTest, BoxIsLockedAndTheValueIsNeverReadFromIt) {
  QWidget page;
  ValueWidget widget(&page, widgets::kSensitivity);
  EXPECT_TRUE(widget.valueBox->isReadOnly());
  QTest::keyClicks(widget.valueBox, "77");
  EXPECT_EQ(widget.valueBox->text(), QStringLiteral("0"));
  EXPECT_EQ(widget.valueText(), QStringLiteral("0"));
  EXPECT_EQ(std::get<double>(widget.value()), 0.0);
  EXPECT_EQ(std::get<std::int16_t>(ValueWidget(&page, widgets::kSpeed).value()), 400);
}

// A press as the display delivers it, through the window, so the pointer's
// buttons are known to the application as they are to the player.
QPoint upArrow(ValueWidget& w) {
  return w.arrows->mapTo(w.window(), QPoint(w.arrows->width() / 2, 2));
}

// The press that reaches the limit opens a box that waits, with its own event
// loop, inside that press's handler; the release goes to the box. Box and value
// keep the limit, and nothing counts on by itself, neither behind the box nor after OK.
TEST_F(ValueWidgetTest, LimitPressIsOneStepWhileTheBoxWaits) {
  struct Limit {
    const char* kind;
    const ValueRules* rules;
    int presses;
    const char* whileShown;  // the value while the box is open
    const char* after;       // box and value after OK
  };
  const Limit limits[] = {
      {"wholeFromOne", &widgets::kWholeFromOne, 20999, "21000", "21000"},
      {"wholeFromZero", &widgets::kWholeFromZero, 21000, "21000", "21000"},
      {"sensitivity", &widgets::kSensitivity, 100, "10", "10"},
      {"speed", &widgets::kSpeed, 40, "800", "800"},
      {"seconds", &widgets::kSeconds, 100, "10", "0.1"},
  };
  dialogs_.modalMs = 500;  // longer than a held arrow takes to start repeating
  for (const Limit& l : limits) {
    SCOPED_TRACE(l.kind);
    dialogs_.boxes.clear();
    QWidget page;
    ValueWidget widget(&page, *l.rules);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    press(widget, std::to_string(l.presses - 1) + "u");
    QString valueWhileShown;
    dialogs_.whileBoxShown = [&](const testing_support::ShownBox& box) {
      QWidget* shown = box.window;
      QTimer::singleShot(100, shown, [shown] {
        QTest::mouseRelease(shown->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
      });
      QTimer::singleShot(450, shown, [&] { valueWhileShown = widget.valueText(); });
    };
    QTest::mousePress(page.windowHandle(), Qt::LeftButton, {}, upArrow(widget));
    QTest::qWait(600);
    EXPECT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(valueWhileShown, QString::fromUtf8(l.whileShown));
    EXPECT_EQ(widget.valueBox->text(), QString::fromUtf8(l.after));
    EXPECT_EQ(widget.valueText(), QString::fromUtf8(l.after));
  }
}

// An arrow held down repeats, and only while it is held: a box that blocks the
// page, hiding and focus loss end the repeat as the release does.
TEST_F(ValueWidgetTest, HeldArrowRepeatsOnlyWhileHeld) {
  enum class End { Release, Blocked, Hide, FocusLoss };
  for (End end : {End::Release, End::Blocked, End::Hide, End::FocusLoss}) {
    SCOPED_TRACE(int(end));
    QWidget page, elsewhere;
    elsewhere.setWindowModality(Qt::ApplicationModal);
    ValueWidget widget(&page, widgets::kWholeFromZero);
    QLineEdit other(&page);
    other.move(0, 100);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    QTest::mousePress(page.windowHandle(), Qt::LeftButton, {}, upArrow(widget));
    QTest::qWait(700);
    switch (end) {
      case End::Release:
        QTest::mouseRelease(page.windowHandle(), Qt::LeftButton, {}, upArrow(widget));
        break;
      case End::Blocked:
        elsewhere.show();
        break;
      case End::Hide:
        page.hide();
        break;
      case End::FocusLoss:
        other.setFocus();
        break;
    }
    const int held = widget.valueBox->text().toInt();
    EXPECT_GT(held, 2);
    QTest::qWait(250);
    EXPECT_EQ(widget.valueBox->text().toInt(), held);
    elsewhere.hide();
    if (end != End::Release) QTest::mouseRelease(page.windowHandle(), Qt::LeftButton);
  }
}

TEST_F(ValueWidgetTest, ArrowKeysPressOncePerKey) {
  QWidget page;
  ValueWidget widget(&page, widgets::kWholeFromZero);
  QTest::keyClick(widget.arrows, Qt::Key_Up);
  QTest::keyClick(widget.arrows, Qt::Key_Up);
  QTest::keyClick(widget.arrows, Qt::Key_Down);
  EXPECT_EQ(widget.valueBox->text(), QStringLiteral("1"));
}

}  // namespace
