#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/forms.h"
#include "shell/page_protocol.h"
#include "shell/sound_cues.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"

namespace {

using testing_support::click;
using testing_support::clickMenu;
using testing_support::mainWindow;

using shell::MainWindow;
using shell::MenuPage;
using testing_support::readFile;

// A page as every page lives: its Done completes it, its unload writes its section.
template <MenuPage kPage>
class TestPage : public platform::AppWindow {
 public:
  TestPage() : platform::AppWindow(StartUpPosition::CenterScreen) {
    doneButton = new QPushButton(QStringLiteral("Done"), this);
    connect(doneButton, &QPushButton::clicked, this,
            [this] { shell::completePage(kPage, [this] { platform::unloadWindow(*this); }); });
  }
  QPushButton* doneButton;
  static inline int loads = 0;

 protected:
  void onLoad() override { ++loads; }
  void onUnload() override {
    config::writeLines(config::section(
        kPage == MenuPage::Mouse ? u"Mouse Setting" : u"Video Setting", {QStringLiteral("line")}));
  }
};
using MousePage = TestPage<MenuPage::Mouse>;
using VideoPage = TestPage<MenuPage::Video>;

class MainWindowTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    MousePage::loads = 0;
    VideoPage::loads = 0;
    shell::setPageOpener(MenuPage::Mouse, [] { platform::showWindow<MousePage>(); });
    shell::setPageOpener(MenuPage::Video, [] { platform::showWindow<VideoPage>(); });
    platform::showWindow<MainWindow>();
    fresh_ = readFile(tempFilePath());
  }
  QByteArray fresh() { return fresh_; }
  QByteArray fresh_;
};

TEST_F(MainWindowTest, KindOfWindowAndCaptions) {
  MainWindow& w = mainWindow();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Vesmir"));
  EXPECT_TRUE(w.windowFlags() & Qt::Tool);
  EXPECT_FALSE(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());

  const std::pair<widgets::Caption*, const char*> captions[] = {
      {w.titleCaption, "Настройки:"}, {w.videoLabel, "Видео"},
      {w.soundLabel, "Аудио"},        {w.playerLabel, "Игрока"},
      {w.mouseLabel, "Мышки"},        {w.controlsLabel, "Управление"},
      {w.otherLabel, "Остальные"},    {w.purchaseLabel, "Закупка оружия"},
      {w.saveLabel, "Сохранить"},
  };
  for (const auto& [label, text] : captions) EXPECT_EQ(label->text(), QString::fromUtf8(text));
}

TEST_F(MainWindowTest, OpeningAPageTakesTheMenuAway) {
  clickMenu(mainWindow().mouseLabel);
  EXPECT_TRUE(platform::instance<MousePage>().isVisible());
  EXPECT_FALSE(mainWindow().isInUse());
  EXPECT_EQ(playedCues(), std::vector<int>{shell::MenuCue});

  // A second page cannot be opened, Save does nothing, the window stays.
  clickMenu(mainWindow().videoLabel);
  clickMenu(mainWindow().saveLabel);
  mainWindow().close();
  EXPECT_EQ(VideoPage::loads, 0);
  EXPECT_EQ(dialogs_.saveDialogsShown, 0);
  EXPECT_EQ(endRequests_, 0);
  EXPECT_EQ(playedCues().size(), 1u);
}

TEST_F(MainWindowTest, APageIsLeftOnlyThroughItsDone) {
  clickMenu(mainWindow().mouseLabel);
  MousePage& page = platform::instance<MousePage>();
  EXPECT_FALSE(page.close());  // the system's close command (Alt+F4) is refused
  EXPECT_TRUE(page.isVisible());
  EXPECT_FALSE(mainWindow().isInUse());
  EXPECT_EQ(tempFileBytes(), fresh());
}

TEST_F(MainWindowTest, DoneWritesTheSectionAndGreysTheLabel) {
  clickMenu(mainWindow().mouseLabel);
  click(platform::instance<MousePage>().doneButton, Qt::LeftButton, QPoint(2, 2));
  EXPECT_EQ(tempFileBytes(), fresh() + "\r\n// [ Mouse Setting ] \r\nline\r\n");
  EXPECT_TRUE(mainWindow().isInUse());
  EXPECT_FALSE(mainWindow().mouseLabel->isActive());
  EXPECT_EQ(mainWindow().mouseLabel->palette().color(QPalette::WindowText),
            QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(playedCues().size(), 1u);  // Done is silent

  // The greyed label does nothing; another page still opens.
  clickMenu(mainWindow().mouseLabel);
  EXPECT_EQ(MousePage::loads, 1);
  EXPECT_EQ(playedCues().size(), 1u);
  EXPECT_TRUE(mainWindow().videoLabel->isActive());
  clickMenu(mainWindow().videoLabel);
  EXPECT_TRUE(platform::instance<VideoPage>().isVisible());
}

TEST_F(MainWindowTest, SectionsFollowTheOrderOfCompletion) {
  clickMenu(mainWindow().mouseLabel);
  click(platform::instance<MousePage>().doneButton, Qt::LeftButton, QPoint(2, 2));
  clickMenu(mainWindow().videoLabel);
  click(platform::instance<VideoPage>().doneButton, Qt::LeftButton, QPoint(2, 2));
  EXPECT_EQ(tempFileBytes(), fresh() +
                                 "\r\n// [ Mouse Setting ] \r\nline\r\n"
                                 "\r\n// [ Video Setting ] \r\nline\r\n");
}

TEST_F(MainWindowTest, LabelOfAPageNotBuiltDoesNothing) {
  clickMenu(mainWindow().controlsLabel);
  EXPECT_TRUE(mainWindow().isInUse());
  EXPECT_TRUE(playedCues().empty());
}

TEST_F(MainWindowTest, UnloadedPageIsDeletedOnceItsHandlerHasReturned) {
  clickMenu(mainWindow().mouseLabel);
  QPointer<MousePage> page = &platform::instance<MousePage>();
  click(page->doneButton, Qt::LeftButton, QPoint(2, 2));
  EXPECT_FALSE(page->isVisible());
  platform::runPendingEvents();
  EXPECT_TRUE(page.isNull());
}

TEST_F(MainWindowTest, CreditBoxOnRightClickOfBackgroundOrPanel) {
  std::vector<int> cuesWhileOpen;
  dialogs_.whileBoxShown = [&](const testing_support::ShownBox&) { cuesWhileOpen = playedCues(); };
  for (QWidget* where :
       {static_cast<QWidget*>(&mainWindow()), static_cast<QWidget*>(mainWindow().menuPanel)}) {
    SCOPED_TRACE(where->metaObject()->className());
    dialogs_.boxes.clear();
    sound_.played.clear();
    QTest::mousePress(where, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].prompt, QStringLiteral("    Made by Zelkarin"));
    EXPECT_EQ(dialogs_.boxes[0].title, std::optional<QString>(QString()));
    EXPECT_TRUE(cuesWhileOpen.empty());  // the sound waits for OK
    EXPECT_EQ(playedCues(), std::vector<int>{shell::CreditCue});
  }
}

TEST_F(MainWindowTest, NoCreditBoxElsewhere) {
  struct Press {
    QWidget* where;
    Qt::MouseButton button;
  };
  const Press presses[] = {
      {mainWindow().titleCaption, Qt::RightButton},
      {mainWindow().mouseLabel, Qt::RightButton},
      {mainWindow().saveLabel, Qt::RightButton},
      {mainWindow().fireStrip, Qt::RightButton},
      {&mainWindow(), Qt::LeftButton},
      {&mainWindow(), Qt::MiddleButton},
      {mainWindow().menuPanel, Qt::LeftButton},
      {mainWindow().menuPanel, Qt::MiddleButton},
  };
  for (const Press& p : presses) QTest::mousePress(p.where, p.button, Qt::NoModifier, QPoint(1, 1));
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(playedCues().empty());

  // Nor while a page is open.
  clickMenu(mainWindow().mouseLabel);
  QTest::mousePress(&mainWindow(), Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(MainWindowTest, ClosingEndsTheProgramAndKeepsTheFile) {
  clickMenu(mainWindow().mouseLabel);
  click(platform::instance<MousePage>().doneButton, Qt::LeftButton, QPoint(2, 2));
  const QByteArray written = tempFileBytes();
  mainWindow().close();
  EXPECT_EQ(endRequests_, 1);
  EXPECT_EQ(tempFileBytes(), written);
}

// Save: the dialog, the copy, the cue and the end.
TEST_F(MainWindowTest, SaveCopiesTheFileAndEnds) {
  clickMenu(mainWindow().mouseLabel);
  click(platform::instance<MousePage>().doneButton, Qt::LeftButton, QPoint(2, 2));
  const QString chosen = inTemp(QStringLiteral("my"));  // no extension is added
  dialogs_.saveAnswers.push_back(chosen);
  clickMenu(mainWindow().saveLabel);
  EXPECT_FALSE(dialogs_.saveOptions.testFlag(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialogs_.saveNameFilters, QStringList{QStringLiteral("(*.cfg)")});
  EXPECT_EQ(readFile(chosen), fresh() + "\r\n// [ Mouse Setting ] \r\nline\r\n");
  EXPECT_EQ(readFile(chosen), tempFileBytes());
  EXPECT_EQ(playedCues(), (std::vector<int>{shell::MenuCue, shell::MenuCue}));
  EXPECT_EQ(endRequests_, 1);
}

TEST_F(MainWindowTest, SaveReplacesAnExistingFile) {
  const QString chosen = inTemp(QStringLiteral("old.cfg"));
  testing_support::writeFile(chosen, QByteArray(50000, 'o'));
  dialogs_.saveAnswers.push_back(chosen);
  clickMenu(mainWindow().saveLabel);
  EXPECT_EQ(readFile(chosen), fresh());
  EXPECT_EQ(endRequests_, 1);
}

TEST_F(MainWindowTest, CancelledSaveChangesNothingAndALaterSaveHasTheLaterPages) {
  dialogs_.saveAnswers.push_back(std::nullopt);
  clickMenu(mainWindow().saveLabel);
  EXPECT_EQ(dialogs_.saveDialogsShown, 1);
  EXPECT_TRUE(playedCues().empty());
  EXPECT_EQ(endRequests_, 0);
  EXPECT_TRUE(mainWindow().isInUse());
  EXPECT_TRUE(dialogs_.boxes.empty());

  clickMenu(mainWindow().mouseLabel);
  click(platform::instance<MousePage>().doneButton, Qt::LeftButton, QPoint(2, 2));
  const QString chosen = inTemp(QStringLiteral("later.cfg"));
  dialogs_.saveAnswers.push_back(chosen);
  clickMenu(mainWindow().saveLabel);
  EXPECT_EQ(readFile(chosen), fresh() + "\r\n// [ Mouse Setting ] \r\nline\r\n");
  EXPECT_EQ(endRequests_, 1);
}

TEST_F(MainWindowTest, FailedSaveIsReportedAndCanBeTriedAgain) {
  const QString folder = inTemp(QStringLiteral("a folder"));
  ASSERT_TRUE(QDir().mkdir(folder));
  const QString good = inTemp(QStringLiteral("good.cfg"));
  testing_support::writeFile(good, "previous good file");
  struct Case {
    QString path;
    const char* reason;
  };
  const Case cases[] = {
      {inTemp(QStringLiteral("missing/x.cfg")), "такой папки нет"},
      {folder, "с этим именем уже есть папка"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    dialogs_.boxes.clear();
    dialogs_.saveAnswers.push_back(c.path);
    clickMenu(mainWindow().saveLabel);
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_TRUE(dialogs_.boxes[0].prompt.contains(c.path));
    EXPECT_TRUE(dialogs_.boxes[0].prompt.contains(QString::fromUtf8(c.reason)));
    EXPECT_TRUE(dialogs_.boxes[0].prompt.startsWith(QStringLiteral("Не удалось сохранить")));
    EXPECT_FALSE(dialogs_.boxes[0].title.has_value());  // the application's title
    EXPECT_TRUE(playedCues().empty());
    EXPECT_EQ(endRequests_, 0);
    EXPECT_TRUE(mainWindow().isInUse());
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
  // No half-written file was left behind.
  EXPECT_EQ(QDir(inTemp(QString())).entryList(QDir::Hidden | QDir::Files),
            (QStringList{QStringLiteral("cfg.cfg"), QStringLiteral("good.cfg")}));

  dialogs_.saveAnswers.push_back(good);
  clickMenu(mainWindow().saveLabel);
  EXPECT_EQ(readFile(good), fresh());
  EXPECT_EQ(endRequests_, 1);
}

TEST_F(MainWindowTest, SaveWhenTheTemporaryFileHasGoneIsAFatalError) {
  QFile::remove(tempFilePath());
  EXPECT_EXIT(clickMenu(mainWindow().saveLabel), ::testing::ExitedWithCode(1),
              "cfg\\.cfg.*нет такого файла или папки");
}

}  // namespace
