// The whole run as a player makes it: start-up, every page in an order of the
// player's own with changed choices, Save, and the end of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/pages.h"
#include "bindings/controls_page.h"
#include "pages/mouse_page.h"
#include "pages/other_page.h"
#include "pages/player_page.h"
#include "pages/sound_page.h"
#include "pages/video_page.h"
#include "platform/drag_runner.h"
#include "platform/forms.h"
#include "platform/sound_output.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapons_window.h"
#include "shell/main_window.h"
#include "shell/splash.h"
#include "support/wizard_test.h"

namespace {

using platform::instance;

void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(3, 3)) {
  QTest::mouseClick(w, button, Qt::NoModifier, at);
}
void SpinUp(widgets::ValueWidget* w, int times) {
  for (int i = 0; i < times; ++i) Click(w->arrows, Qt::LeftButton, QPoint(4, 2));
}
void SpinDown(widgets::ValueWidget* w, int times) {
  for (int i = 0; i < times; ++i)
    Click(w->arrows, Qt::LeftButton, QPoint(4, w->arrows->height() - 3));
}
void Type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  }
}

// The controls page: where box i lies in the page once its row is in view.
QPoint BoxInView(int i) {
  bindings::ControlsPage& p = instance<bindings::ControlsPage>();
  QWidget* box = p.keyBoxes[std::size_t(i)];
  const int top = box->mapTo(p.rowPanel, QPoint()).y() * 15;
  p.scrollBar->setValue(std::clamp(top - 3000, 0, p.scrollBar->maximum()));
  return box->mapTo(&p, box->rect().center());
}
void ArmBox(int i) {
  QTest::mouseDClick(instance<bindings::ControlsPage>().windowHandle(), Qt::LeftButton,
                     Qt::NoModifier, BoxInView(i));
}

// Offscreen there is no real drag: a started drag is delivered to the slot as
// Qt would, an accepted enter and then the drop.
QWidget* dropTarget = nullptr;
Qt::DropAction DeliverToSlot(QDrag& drag, Qt::DropActions allowed) {
  const QPoint at = dropTarget->rect().center();
  QDragEnterEvent enter(at, allowed, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  QApplication::sendEvent(dropTarget, &enter);
  if (!enter.isAccepted()) return Qt::IgnoreAction;
  QDropEvent drop(QPointF(at), allowed, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dropTarget, &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}
void DropWeapon(int picture, int slot) {
  dropTarget = instance<purchase::KeyboardWindow>().keySlots[std::size_t(slot)];
  QWidget* from = instance<purchase::WeaponsWindow>().weaponPicture(picture);
  QTest::mousePress(from, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(from, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

shell::MainWindow& Main() { return instance<shell::MainWindow>(); }
void Menu(widgets::Caption* label) { Click(label, Qt::LeftButton, QPoint(2, 2)); }

// The player's steps; each runs from inside the fire loop, a little after the one before.
std::vector<std::function<void()>> Script() {
  return {
      [] { Menu(Main().otherLabel); },  // Остальные
      [] {
        pages::OtherPage& p = instance<pages::OtherPage>();
        Type(p.nameBox, QStringLiteral("Вася"));
        SpinUp(p.sayTextTimeValue, 25);
        p.connectionList->setCurrentIndex(1);
        Click(p.consoleColorPicker->redArrows, Qt::LeftButton,
              QPoint(4, p.consoleColorPicker->redArrows->height() - 3));
        Click(p.doneButton);
      },
      [] { Menu(Main().purchaseLabel); },  // Закупка оружия
      [] {
        instance<purchase::WeaponsWindow>().classOption(1)->click();       // pistols
        instance<purchase::KeyboardWindow>().keyList->setCurrentIndex(0);  // F1
      },
      [] { DropWeapon(1, 0); },
      [] { instance<purchase::WeaponsWindow>().classOption(4)->click(); },  // rifles
      [] { DropWeapon(15, 7); },
      [] { Click(instance<purchase::KeyboardWindow>().writeButton); },  // Запись
      [] { Click(instance<purchase::KeyboardWindow>().doneButton); },   // Done
      [] { Menu(Main().mouseLabel); },                                  // Мышки
      [] {
        pages::MousePage& p = instance<pages::MousePage>();
        SpinUp(p.sensitivityValue, 15);
        p.yawReverseList->setCurrentIndex(1);
        Click(p.doneButton);
      },
      [] { Menu(Main().controlsLabel); },  // Управление
      [] { ArmBox(0); },
      [] { QTest::keyClick(instance<bindings::ControlsPage>().windowHandle(), Qt::Key_A); },
      [] { ArmBox(8); },
      [] { QTest::keyClick(instance<bindings::ControlsPage>().windowHandle(), Qt::Key_PageUp); },
      [] { ArmBox(55); },
      [] {
        QTest::mousePress(instance<bindings::ControlsPage>().windowHandle(), Qt::RightButton,
                          Qt::NoModifier, BoxInView(55));
      },
      [] { Click(instance<bindings::ControlsPage>().doneButton); },
      [] { Menu(Main().soundLabel); },  // Аудио
      [] {
        pages::SoundPage& p = instance<pages::SoundPage>();
        SpinUp(p.volumeValue, 50);
        p.hiSoundList->setCurrentIndex(0);
        Click(p.doneButton);
      },
      [] { Menu(Main().videoLabel); },  // Видео
      [] {
        pages::VideoPage& p = instance<pages::VideoPage>();
        SpinUp(p.gammaValue, 2);
        p.mode3dfxList->setCurrentIndex(0);
        Click(p.doneButton);
      },
      [] { Menu(Main().playerLabel); },  // Игрока
      [] {
        pages::PlayerPage& p = instance<pages::PlayerPage>();
        SpinDown(p.forwardSpeedValue, 5);
        Click(p.doneButton);
      },
      [] { Menu(Main().saveLabel); },  // Сохранить: the program ends here
  };
}

// The program as it runs for the player, in a process of its own so that its
// real end and exit status can be seen.
[[noreturn]] void RunTheProgram(const QString& folder) {
  qputenv("TMPDIR", QFile::encodeName(folder));
  static testing_support::FakeDialogs dialogs;
  static testing_support::FakeSound sound;
  const QString savePath = QDir(folder).filePath(QStringLiteral("saved.cfg"));
  dialogs.saveAnswers.push_back(savePath);
  platform::setDialogs(&dialogs);
  platform::setSoundOutput(&sound);
  platform::setDragRunner(DeliverToSlot);

  app::registerPages();
  shell::startUp();

  static std::vector<std::function<void()>> steps = Script();
  static std::size_t next = 0;
  static QTimer driver;
  driver.setInterval(40);
  QObject::connect(&driver, &QTimer::timeout, [] {
    if (next < steps.size()) steps[next++]();
  });
  driver.start();
  QTimer::singleShot(30000, [] { std::_Exit(3); });  // a script that never ends the program
  for (;;) platform::runPendingEvents();             // the fire loop takes over at the first tick
}

TEST(WholeRun, EveryPageInThePlayersOrderThenSaveEndsTheProgram) {
  // The run happens in a process of its own; both sides find the folder by name.
  QString folder = qEnvironmentVariable("VESMIR_WHOLE_RUN_DIR");
  std::unique_ptr<QTemporaryDir> made;
  if (folder.isEmpty()) {
    made = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(made->isValid());
    folder = made->path();
    qputenv("VESMIR_WHOLE_RUN_DIR", QFile::encodeName(folder));
  }
  EXPECT_EXIT(RunTheProgram(folder), ::testing::ExitedWithCode(0), "");
  qunsetenv("VESMIR_WHOLE_RUN_DIR");

  const QByteArray golden =
      testing_support::ReadFile(QStringLiteral(VESMIR_GOLDEN_DIR "/whole_run.cfg"));
  ASSERT_FALSE(golden.isEmpty());
  const QByteArray saved = testing_support::ReadFile(QDir(folder).filePath("saved.cfg"));
  EXPECT_EQ(saved, golden);
  EXPECT_EQ(testing_support::ReadFile(QDir(folder).filePath("cfg.cfg")), golden);
}

}  // namespace
