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
#include "support/gui_actions.h"
#include "support/wizard_test.h"

namespace {

using platform::instance;

using testing_support::armKeyBox;
using testing_support::click;
using testing_support::clickMenu;
using testing_support::inView;
using testing_support::mainWindow;
using testing_support::spinDown;
using testing_support::spinUp;
using testing_support::typeText;

bindings::ControlsPage& controlsPage() { return instance<bindings::ControlsPage>(); }

// Offscreen there is no real drag: a started drag is delivered to the slot as
// Qt would, an accepted enter and then the drop.
QWidget* dropTarget = nullptr;
Qt::DropAction deliverToSlot(QDrag& drag, Qt::DropActions allowed) {
  return testing_support::deliverDrop(dropTarget, drag.mimeData(), allowed);
}
void dropWeapon(int picture, int slot) {
  dropTarget = instance<purchase::KeyboardWindow>().keySlots[std::size_t(slot)];
  testing_support::pressPicture(instance<purchase::WeaponsWindow>().weaponPicture(picture));
}

// The player's steps; each runs from inside the fire loop, a little after the one before.
std::vector<std::function<void()>> script() {
  return {
      [] { clickMenu(mainWindow().otherLabel); },  // Остальные
      [] {
        pages::OtherPage& p = instance<pages::OtherPage>();
        typeText(p.nameBox, QStringLiteral("Вася"));
        spinUp(p.sayTextTimeValue, 25, 4);
        p.connectionList->setCurrentIndex(1);
        spinDown(p.consoleColorPicker->redArrows, 1, 4);
        click(p.doneButton);
      },
      [] { clickMenu(mainWindow().purchaseLabel); },  // Закупка оружия
      [] {
        instance<purchase::WeaponsWindow>().classOption(1)->click();       // pistols
        instance<purchase::KeyboardWindow>().keyList->setCurrentIndex(0);  // F1
      },
      [] { dropWeapon(1, 0); },
      [] { instance<purchase::WeaponsWindow>().classOption(4)->click(); },  // rifles
      [] { dropWeapon(15, 7); },
      [] { click(instance<purchase::KeyboardWindow>().writeButton); },  // Запись
      [] { click(instance<purchase::KeyboardWindow>().doneButton); },   // Done
      [] { clickMenu(mainWindow().mouseLabel); },                       // Мышки
      [] {
        pages::MousePage& p = instance<pages::MousePage>();
        spinUp(p.sensitivityValue, 15, 4);
        p.yawReverseList->setCurrentIndex(1);
        click(p.doneButton);
      },
      [] { clickMenu(mainWindow().controlsLabel); },  // Управление
      [] { armKeyBox(controlsPage(), 0); },
      [] { QTest::keyClick(controlsPage().windowHandle(), Qt::Key_A); },
      [] { armKeyBox(controlsPage(), 8); },
      [] { QTest::keyClick(controlsPage().windowHandle(), Qt::Key_PageUp); },
      [] { armKeyBox(controlsPage(), 55); },
      [] {
        QTest::mousePress(controlsPage().windowHandle(), Qt::RightButton, Qt::NoModifier,
                          inView(controlsPage(), controlsPage().keyBoxes[55]));
      },
      [] { click(controlsPage().doneButton); },
      [] { clickMenu(mainWindow().soundLabel); },  // Аудио
      [] {
        pages::SoundPage& p = instance<pages::SoundPage>();
        spinUp(p.volumeValue, 50, 4);
        p.hiSoundList->setCurrentIndex(0);
        click(p.doneButton);
      },
      [] { clickMenu(mainWindow().videoLabel); },  // Видео
      [] {
        pages::VideoPage& p = instance<pages::VideoPage>();
        spinUp(p.gammaValue, 2, 4);
        p.mode3dfxList->setCurrentIndex(0);
        click(p.doneButton);
      },
      [] { clickMenu(mainWindow().playerLabel); },  // Игрока
      [] {
        pages::PlayerPage& p = instance<pages::PlayerPage>();
        spinDown(p.forwardSpeedValue, 5, 4);
        click(p.doneButton);
      },
      [] { clickMenu(mainWindow().saveLabel); },  // Сохранить: the program ends here
  };
}

// The program as it runs for the player, in a process of its own so that its
// real end and exit status can be seen.
[[noreturn]] void runTheProgram(const QString& folder) {
  qputenv("TMPDIR", QFile::encodeName(folder));
  static testing_support::FakeDialogs dialogs;
  static testing_support::FakeSound sound;
  const QString savePath = QDir(folder).filePath(QStringLiteral("saved.cfg"));
  dialogs.saveAnswers.push_back(savePath);
  platform::setDialogs(&dialogs);
  platform::setSoundOutput(&sound);
  platform::setDragRunner(deliverToSlot);

  app::registerPages();
  shell::startUp();

  static std::vector<std::function<void()>> steps = script();
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
  EXPECT_EXIT(runTheProgram(folder), ::testing::ExitedWithCode(0), "");
  qunsetenv("VESMIR_WHOLE_RUN_DIR");

  const QByteArray golden =
      testing_support::readFile(QStringLiteral(VESMIR_GOLDEN_DIR "/whole_run.cfg"));
  ASSERT_FALSE(golden.isEmpty());
  const QByteArray saved = testing_support::readFile(QDir(folder).filePath("saved.cfg"));
  EXPECT_EQ(saved, golden);
  EXPECT_EQ(testing_support::readFile(QDir(folder).filePath("cfg.cfg")), golden);
}

}  // namespace
