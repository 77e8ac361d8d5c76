#include "purchase/purchase_page.h"

#include <gtest/gtest.h>

#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/drag_runner.h"
#include "platform/forms.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapons_window.h"
#include "shell/main_window.h"
#include "shell/sound_cues.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"

namespace {

using testing_support::clickMenu;
using testing_support::mainWindow;

using purchase::KeyboardWindow;
using purchase::WeaponsWindow;

const QByteArray kHeader = "\r\n// [ Buy Weapons ] \r\n";

QImage bitmap(int number) { return QImage(QStringLiteral(":/pictures/%1.bmp").arg(number)); }

// What a drag looked like while it ran.
struct SeenDrag {
  QString text;
  bool hasText = false;
  QImage image;
  Qt::DropActions actions;
  QImage moveCursor, ignoreCursor;
  bool overrideCursorDuring = false;
};

class PurchasePageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Purchase, purchase::showPurchasePage);
    platform::showWindow<shell::MainWindow>();
    fresh_ = tempFileBytes();
    clickMenu(mainWindow().purchaseLabel);
  }

  WeaponsWindow& weaponsWindow() { return platform::instance<WeaponsWindow>(); }
  KeyboardWindow& keyboardWindow() { return platform::instance<KeyboardWindow>(); }

  void runPollTimers() {
    keyboardWindow().updateWriteButton();
    keyboardWindow().updateSlots();
  }
  void chooseKey(int index) {
    keyboardWindow().keyList->setCurrentIndex(index);
    runPollTimers();
  }

  // A press on weapon picture n; the drag it starts is seen and, given a
  // target, delivered there.
  SeenDrag dragWeapon(int n, QWidget* target = nullptr, Qt::MouseButton button = Qt::LeftButton) {
    SeenDrag seen;
    platform::setDragRunner([&](QDrag& drag, Qt::DropActions allowed) {
      seen.hasText = drag.mimeData()->hasText();
      seen.text = drag.mimeData()->text();
      seen.image = qvariant_cast<QImage>(drag.mimeData()->imageData());
      seen.actions = allowed;
      seen.moveCursor = drag.dragCursor(Qt::MoveAction).toImage();
      seen.ignoreCursor = drag.dragCursor(Qt::IgnoreAction).toImage();
      seen.overrideCursorDuring = QGuiApplication::overrideCursor() != nullptr;
      if (target == nullptr) return Qt::IgnoreAction;
      return testing_support::deliverDrop(target, drag.mimeData(), allowed);
    });
    testing_support::pressPicture(weaponsWindow().weaponPicture(n), button);
    return seen;
  }
  void dropWeapon(int n, int slot) { dragWeapon(n, keyboardWindow().keySlots[std::size_t(slot)]); }

  void pressWrite() {
    runPollTimers();
    ASSERT_TRUE(keyboardWindow().writeButton->isEnabled());
    QTest::mouseClick(keyboardWindow().writeButton, Qt::LeftButton);
    runPollTimers();
  }
  QByteArray written() { return tempFileBytes().mid(fresh_.size()); }

  QByteArray fresh_;
};

TEST_F(PurchasePageTest, WeaponsWindowLoad) {
  WeaponsWindow& w = weaponsWindow();
  EXPECT_TRUE(w.isVisible());
  for (int k = 1; k <= 6; ++k) {
    EXPECT_FALSE(w.classFrame(k)->isVisible()) << k;
    EXPECT_FALSE(w.classOption(k)->isChecked());
  }
  EXPECT_EQ(w.classOption(1)->text(), QStringLiteral("Pistols"));
  EXPECT_EQ(w.classOption(3)->text(), QStringLiteral("Sub Machine guns"));
  EXPECT_EQ(w.titleCaption->text(), QStringLiteral("Weapons"));
  EXPECT_EQ(w.doneButton->text(), QStringLiteral("Done"));

  // Each bitmap inside a one-pixel border.
  for (int n = 1; n <= 30; ++n) {
    const QImage& picture = w.weaponPicture(n)->picture();
    ASSERT_EQ(picture.size(), QSize(205, 65)) << n;
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0xBF, 0xBF, 0xBF)) << n;
    EXPECT_EQ(w.weaponPicture(n)->borderWidth(), 1);
  }
  EXPECT_EQ(w.weaponPicture(13)->picture(), bitmap(35));

  // The pointers: a yellow face, transparent outside it.
  for (Qt::DropAction action : {Qt::IgnoreAction, Qt::MoveAction}) {
    const QImage face = w.dragPointer(action).toImage();
    EXPECT_EQ(face.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0);
    EXPECT_EQ(face.pixelColor(16, 4), QColor(255, 255, 0));
  }
  EXPECT_NE(w.dragPointer(Qt::IgnoreAction).toImage(), w.dragPointer(Qt::MoveAction).toImage());
}

TEST_F(PurchasePageTest, ClassSwitchShowsOneFrame) {
  WeaponsWindow& w = weaponsWindow();
  auto shown = [&] {
    std::vector<int> frames;
    for (int k = 1; k <= 6; ++k) {
      if (w.classFrame(k)->isVisible()) frames.push_back(k);
    }
    return frames;
  };
  for (int k : {4, 4, 5, 3, 1, 6, 2}) {
    QTest::mouseClick(w.classOption(k), Qt::LeftButton);
    EXPECT_EQ(shown(), std::vector<int>{k});
    EXPECT_TRUE(w.classOption(k)->isChecked());
  }
  QTest::mouseClick(w.classOption(3), Qt::LeftButton);
  // Sub machine guns: five pictures, the cell at column 1, row 2 stays black.
  EXPECT_EQ(w.classFrame(3)->childAt(206 + 100, 132 + 30), nullptr);
}

TEST_F(PurchasePageTest, KeyboardWindowLoad) {
  KeyboardWindow& k = keyboardWindow();
  EXPECT_TRUE(k.isVisible());
  EXPECT_EQ(k.windowTitle(), QStringLiteral("KeyBoard"));
  EXPECT_EQ(k.keyCaption->text(), QStringLiteral("Key:"));
  EXPECT_FALSE(k.keyList->isEditable());
  EXPECT_EQ(k.addKeyButton->text(), QStringLiteral("Добавить"));
  EXPECT_EQ(k.writeButton->text(), QStringLiteral("Запись "));
  EXPECT_EQ(k.writeButtonTimer->interval(), 1);
  EXPECT_EQ(k.slotsTimer->interval(), 1);

  ASSERT_EQ(k.keyList->count(), 35);
  EXPECT_EQ(k.keyList->itemText(0), QStringLiteral("F1"));
  EXPECT_EQ(k.keyList->itemText(27), QStringLiteral("kp_PgUp"));
  EXPECT_EQ(k.keyList->itemText(34), QStringLiteral("pause"));
  EXPECT_EQ(k.keyList->currentIndex(), -1);
  EXPECT_FALSE(k.writeButton->isEnabled());
  for (auto* slot : k.keySlots) EXPECT_FALSE(slot->isEnabled());  // before any tick too
  // The header stands in the file from the load on.
  EXPECT_EQ(written(), kHeader);
  EXPECT_EQ(playedCues(), std::vector<int>{shell::MenuCue});
}

TEST_F(PurchasePageTest, DragDataOfAPicture) {
  struct Row {
    int picture;
    const char* text;
    int bitmap;
    Qt::MouseButton button;
  };
  const Row rows[] = {{2, "1-2;", 12, Qt::RightButton},
                      {29, "ammo1;", 90, Qt::LeftButton},
                      {10, "3-2;", 32, Qt::MiddleButton}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const SeenDrag seen = dragWeapon(row.picture, nullptr, row.button);
    EXPECT_TRUE(seen.hasText);
    EXPECT_EQ(seen.text, QString::fromUtf8(row.text));
    EXPECT_EQ(seen.image, bitmap(row.bitmap));
    EXPECT_EQ(seen.actions, Qt::DropActions(Qt::MoveAction));
    // Happy where the weapon is taken, sad elsewhere; the default pointer once it ends.
    EXPECT_EQ(seen.moveCursor, weaponsWindow()
                                   .dragPointer(Qt::MoveAction)
                                   .toImage()
                                   .convertToFormat(seen.moveCursor.format()));
    EXPECT_EQ(seen.ignoreCursor, weaponsWindow()
                                     .dragPointer(Qt::IgnoreAction)
                                     .toImage()
                                     .convertToFormat(seen.ignoreCursor.format()));
    EXPECT_TRUE(seen.overrideCursorDuring);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(weaponsWindow().weaponPicture(row.picture)->picture(), bitmap(row.bitmap));
  }
}

TEST_F(PurchasePageTest, DropsOnEnabledAndDisabledSlots) {
  KeyboardWindow& k = keyboardWindow();
  runPollTimers();  // no key chosen: the slots are disabled
  EXPECT_FALSE(k.keySlots[3]->isEnabled());
  dropWeapon(14, 3);
  EXPECT_TRUE(k.keySlots[3]->picture().isNull());
  EXPECT_TRUE(k.slotTexts[3].isEmpty());

  chooseKey(0);
  ASSERT_TRUE(k.keySlots[3]->isEnabled());
  dropWeapon(14, 3);
  EXPECT_EQ(k.keySlots[3]->picture(), bitmap(41));
  EXPECT_EQ(k.slotTexts[3], QStringLiteral("4-1;"));
  EXPECT_EQ(k.boundKeyName, QStringLiteral("\"F1\""));
  // The palette keeps its picture; it can be dragged again at once.
  EXPECT_EQ(weaponsWindow().weaponPicture(14)->picture(), bitmap(41));
}

// Only a weapon dragged from this program's weapons window is taken: anything
// else is refused while it hovers and again if it is dropped, so its source is
// told nothing moved, and the slot stays as it was.
TEST_F(PurchasePageTest, SlotsTakeOnlyTheWeaponsWindowsWeapons) {
  KeyboardWindow& k = keyboardWindow();
  chooseKey(0);
  dropWeapon(14, 3);
  const QString weapon = QStringLiteral("1-1;");
  const struct {
    const char* what;
    bool ours;  // started by this program
    std::optional<QString> text;
    bool picture;
    Qt::DropActions actions;
    bool taken;
  } cases[] = {
      {"a foreign text", true, QStringLiteral("\"; quit; echo \"big;a\nquit;reset"), true,
       Qt::MoveAction, false},
      {"an empty text", true, QString(), true, Qt::MoveAction, false},
      {"no text", true, std::nullopt, true, Qt::MoveAction, false},
      {"no picture", true, weapon, false, Qt::MoveAction, false},
      {"a weapon text from another program", false, weapon, true, Qt::MoveAction, false},
      {"a weapon that may not move", true, weapon, true, Qt::CopyAction, false},
      {"a weapon", true, weapon, true, Qt::MoveAction, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<QMimeData> mime;
    if (c.ours) {
      mime = std::make_unique<QMimeData>();
      purchase::markAsOwnDrag(*mime);
      if (c.text) mime->setText(*c.text);
      if (c.picture) mime->setImageData(bitmap(11));
    } else {
      mime = std::make_unique<QMimeData>();
      mime->setText(*c.text);
      mime->setImageData(bitmap(11));
    }
    const QPoint at = k.keySlots[3]->rect().center();
    QDragEnterEvent enter(at, c.actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(k.keySlots[3], &enter);
    QDragMoveEvent move(at, c.actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    move.setAccepted(false);
    QApplication::sendEvent(k.keySlots[3], &move);
    QDropEvent drop(QPointF(at), c.actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    QApplication::sendEvent(k.keySlots[3], &drop);
    EXPECT_EQ(enter.isAccepted(), c.taken);
    EXPECT_EQ(move.isAccepted(), c.taken);
    EXPECT_EQ(drop.isAccepted(), c.taken);
    if (c.taken) {
      EXPECT_EQ(drop.dropAction(), Qt::MoveAction);
    }
    EXPECT_EQ(k.slotTexts[3], c.taken ? weapon : QStringLiteral("4-1;"));
    EXPECT_EQ(k.keySlots[3]->picture(), bitmap(c.taken ? 11 : 41));
  }
}

// The binder's rules, each case from a fresh page.
struct Step {
  enum Kind { Choose, Drop, Click, Write, Add } kind;
  int a = 0;  // list index, picture, or slot
  int b = 0;  // slot of a drop
  const char* answer = "";
};
struct BinderCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<const char*> lines;  // after the header
  int indexAfter;
};
// ctest lists a case by its name rather than by its bytes.
void PrintTo(const BinderCase& c, std::ostream* os) { *os << c.name; }

class BinderRules : public PurchasePageTest, public ::testing::WithParamInterface<BinderCase> {};

TEST_P(BinderRules, LinesAndListPosition) {
  const BinderCase& c = GetParam();
  for (const Step& s : c.steps) {
    switch (s.kind) {
      case Step::Choose:
        chooseKey(s.a);
        break;
      case Step::Drop:
        dropWeapon(s.a, s.b);
        break;
      case Step::Click:
        QTest::mouseClick(keyboardWindow().keySlots[std::size_t(s.a)], Qt::LeftButton);
        break;
      case Step::Write:
        pressWrite();
        break;
      case Step::Add:
        dialogs_.inputAnswers.push_back(QString::fromUtf8(s.answer));
        QTest::mouseClick(keyboardWindow().addKeyButton, Qt::LeftButton);
        break;
    }
  }
  QByteArray expected = kHeader;
  for (const char* line : c.lines) expected += QByteArray(line) + "\r\n";
  EXPECT_EQ(written(), expected);
  EXPECT_EQ(keyboardWindow().keyList->currentIndex(), c.indexAfter);
  for (auto* slot : keyboardWindow().keySlots)
    EXPECT_TRUE(slot->picture().isNull() || c.lines.empty());
}

// Pictures: 1 "1-1;", 15 "4-2;", 14 "4-1;", 23 "8-1;", 26 "8-4;", 29 "ammo1;".
INSTANTIATE_TEST_SUITE_P(
    Cases, BinderRules,
    ::testing::Values(
        BinderCase{"SlotOrder",
                   {{Step::Choose, 0}, {Step::Drop, 1, 0}, {Step::Drop, 15, 7}, {Step::Write}},
                   {"bind \"F1\" \"1-1;4-2;reset\""},
                   1},
        BinderCase{"DropOrderDoesNotMatter",
                   {{Step::Choose, 0}, {Step::Drop, 15, 7}, {Step::Drop, 1, 0}, {Step::Write}},
                   {"bind \"F1\" \"1-1;4-2;reset\""},
                   1},
        BinderCase{"FilledSlotReplaced",
                   {{Step::Choose, 4}, {Step::Drop, 14, 2}, {Step::Drop, 23, 2}, {Step::Write}},
                   {"bind \"F5\" \"8-1;reset\""},
                   5},
        BinderCase{"ClickEmpties",
                   {{Step::Choose, 0},
                    {Step::Drop, 14, 0},
                    {Step::Drop, 26, 13},
                    {Step::Click, 0},
                    {Step::Write}},
                   {"bind \"F1\" \"8-4;reset\""},
                   1},
        BinderCase{"KeyOfTheLastDrop",
                   {{Step::Choose, 0}, {Step::Drop, 14, 0}, {Step::Choose, 4}, {Step::Write}},
                   {"bind \"F1\" \"4-1;reset\""},
                   5},
        BinderCase{"TwoWritesWrapAtPause",
                   {{Step::Choose, 34},
                    {Step::Drop, 29, 6},
                    {Step::Write},
                    {Step::Drop, 23, 0},
                    {Step::Write}},
                   {"bind \"pause\" \"ammo1;reset\"", "bind \"F1\" \"8-1;reset\""},
                   1},
        BinderCase{"AddedKeysAndWrapAtTheLastOne",
                   {{Step::Add, 0, 0, "x"},
                    {Step::Add, 0, 0, "ab"},
                    {Step::Add, 0, 0, ""},
                    {Step::Add, 0, 0, "ё"},
                    {Step::Choose, 35},
                    {Step::Drop, 1, 0},
                    {Step::Write},
                    {Step::Drop, 1, 0},
                    {Step::Write},
                    {Step::Drop, 1, 0},
                    {Step::Write}},
                   {"bind \"x\" \"1-1;reset\"", "bind \"\xB8\" \"1-1;reset\"",
                    "bind \"F1\" \"1-1;reset\""},
                   1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PurchasePageTest, EnableRules) {
  KeyboardWindow& k = keyboardWindow();
  auto slotsEnabled = [&] {
    for (auto* slot : k.keySlots) {
      if (!slot->isEnabled()) return false;
    }
    return true;
  };
  runPollTimers();
  EXPECT_FALSE(slotsEnabled());
  EXPECT_FALSE(k.writeButton->isEnabled());
  EXPECT_TRUE(k.addKeyButton->isEnabled());
  EXPECT_TRUE(k.doneButton->isEnabled());
  chooseKey(2);
  EXPECT_TRUE(slotsEnabled());
  EXPECT_FALSE(k.writeButton->isEnabled());  // no picture yet
  dropWeapon(3, 9);
  runPollTimers();
  EXPECT_TRUE(k.writeButton->isEnabled());
  QTest::mouseClick(k.keySlots[9], Qt::LeftButton);
  runPollTimers();
  EXPECT_FALSE(k.writeButton->isEnabled());
  dropWeapon(3, 9);
  pressWrite();
  EXPECT_FALSE(k.writeButton->isEnabled());  // every slot emptied
  EXPECT_TRUE(slotsEnabled());               // a key is still chosen
  // The timers run by themselves.
  dropWeapon(3, 9);
  QTest::qWait(20);
  EXPECT_TRUE(k.writeButton->isEnabled());
}

// Write is disabled only at the next tick; a second press before it writes
// nothing, and the list moves on once.
TEST_F(PurchasePageTest, TwoWritePressesBeforeATickWriteOneLine) {
  chooseKey(2);
  dropWeapon(16, 0);
  runPollTimers();
  QTest::mouseClick(keyboardWindow().writeButton, Qt::LeftButton);
  QTest::mouseClick(keyboardWindow().writeButton, Qt::LeftButton);
  EXPECT_EQ(written(), kHeader + "bind \"F3\" \"4-3;reset\"\r\n");
  EXPECT_EQ(keyboardWindow().keyList->currentIndex(), 3);
}

TEST_F(PurchasePageTest, AddAsksAndRefusesLongNames) {
  dialogs_.inputAnswers = {QStringLiteral("ab")};
  QTest::mouseClick(keyboardWindow().addKeyButton, Qt::LeftButton);
  EXPECT_EQ(keyboardWindow().keyList->count(), 35);
  EXPECT_EQ(playedCues(), (std::vector<int>{shell::MenuCue, shell::RefuseCue}));
  dialogs_.inputAnswers = {QString()};  // also what a cancelled box gives
  QTest::mouseClick(keyboardWindow().addKeyButton, Qt::LeftButton);
  EXPECT_EQ(keyboardWindow().keyList->count(), 35);
  EXPECT_EQ(playedCues().size(), 2u);
  dialogs_.inputAnswers = {QStringLiteral("x")};
  QTest::mouseClick(keyboardWindow().addKeyButton, Qt::LeftButton);
  EXPECT_EQ(keyboardWindow().keyList->count(), 36);
  EXPECT_EQ(keyboardWindow().keyList->itemText(35), QStringLiteral("x"));
  EXPECT_EQ(keyboardWindow().keyList->currentIndex(), -1);
}

// A pasted line break is no key name: the answer counts without it.
TEST_F(PurchasePageTest, AddLeavesOutControlCharacters) {
  dialogs_.inputAnswers = {QStringLiteral("\r\n"), QStringLiteral("z\n"), QStringLiteral("\ty\r")};
  for (int i = 0; i < 3; ++i) QTest::mouseClick(keyboardWindow().addKeyButton, Qt::LeftButton);
  EXPECT_EQ(keyboardWindow().keyList->count(), 37);
  EXPECT_EQ(keyboardWindow().keyList->itemText(35), QStringLiteral("z"));
  EXPECT_EQ(keyboardWindow().keyList->itemText(36), QStringLiteral("y"));
}

// The player's road: F1, two weapons, Write, Done, and the file.
TEST_F(PurchasePageTest, RoadOfOneKey) {
  chooseKey(0);
  dropWeapon(1, 0);
  dropWeapon(15, 7);
  pressWrite();
  EXPECT_EQ(keyboardWindow().keyList->itemText(keyboardWindow().keyList->currentIndex()),
            QStringLiteral("F2"));
  QTest::mouseClick(keyboardWindow().doneButton, Qt::LeftButton);
  platform::runPendingEvents();
  EXPECT_EQ(tempFileBytes(), fresh_ + kHeader + "bind \"F1\" \"1-1;4-2;reset\"\r\n");
  EXPECT_FALSE(mainWindow().purchaseLabel->isActive());
  EXPECT_TRUE(mainWindow().isInUse());
  EXPECT_EQ(playedCues(), std::vector<int>{shell::MenuCue});
}

TEST_F(PurchasePageTest, DoneOfTheWeaponsWindowClosesBoth) {
  QPointer<WeaponsWindow> weapons = &weaponsWindow();
  QPointer<KeyboardWindow> keys = &keyboardWindow();
  QTest::mouseClick(weaponsWindow().doneButton, Qt::LeftButton);
  platform::runPendingEvents();
  EXPECT_TRUE(weapons.isNull());
  EXPECT_TRUE(keys.isNull());
  EXPECT_EQ(tempFileBytes(), fresh_ + kHeader);
  EXPECT_FALSE(mainWindow().purchaseLabel->isActive());
  EXPECT_TRUE(mainWindow().isInUse());
  // The label stays grey: the page does not open again.
  clickMenu(mainWindow().purchaseLabel);
  EXPECT_EQ(tempFileBytes(), fresh_ + kHeader);
}

}  // namespace
