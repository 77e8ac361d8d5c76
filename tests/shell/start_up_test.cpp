// The start-up as the player meets it, in a process of its own: when the
// temporary file cannot be made, Qt's own box reports it, and closing the box
// ends the program with status 1, touching nothing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "app/pages.h"
#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/forms.h"
#include "shell/sound_cues.h"
#include "shell/splash.h"
#include "support/wizard_test.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

enum class Answer { Ok, CloseCommand };

// The program from its start, with Qt's boxes answered as the player would:
// by OK, or by the window's close command as the window manager sends it.
[[noreturn]] void startTheProgram(const QString& temporaryFolder, const QString& currentFolder,
                                  Answer answer) {
  qputenv("TMPDIR", QFile::encodeName(temporaryFolder));
  QDir::setCurrent(currentFolder);
  static Answer how;
  how = answer;
  static QTimer player;
  player.setInterval(50);
  QObject::connect(&player, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (how == Answer::Ok) {
      box->button(QMessageBox::Ok)->click();
    } else {
      box->close();
    }
  });
  player.start();
  QTimer::singleShot(5000, [] { std::_Exit(3); });  // still running with the box answered
  app::registerPages();
  shell::startUp();
  for (;;) platform::runPendingEvents();
}

// The process of the death test runs the test again from its top; it finds the
// folder the test made by name, and leaves what is in it as it is.
class RefusedStartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    runState_.remember();
    folder_ = qEnvironmentVariable(kFolderVariable);
    inProgramProcess_ = !folder_.isEmpty();
    if (inProgramProcess_) return;
    made_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(made_->isValid());
    folder_ = made_->path();
    qputenv(kFolderVariable, QFile::encodeName(folder_));
  }
  void TearDown() override {
    if (!inProgramProcess_) qunsetenv(kFolderVariable);
    runState_.restore();
  }
  QString inFolder(const QString& name) const { return QDir(folder_).filePath(name); }
  // Everything in the folder, hidden or not.
  QStringList entries() const {
    return QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot);
  }

  static constexpr char kFolderVariable[] = "VESMIR_START_UP_DIR";
  testing_support::RunState runState_;
  QString folder_;
  bool inProgramProcess_ = false;
  std::unique_ptr<QTemporaryDir> made_;
};

TEST_F(RefusedStartUp, LinkAtTheTemporaryFileIsReportedAndTheProgramEnds) {
  if (!inProgramProcess_) {
    writeFile(inFolder(QStringLiteral("precious.txt")), "keep me");
    ASSERT_TRUE(
        QFile::link(inFolder(QStringLiteral("precious.txt")), inFolder(QStringLiteral("cfg.cfg"))));
  }
  EXPECT_EXIT(startTheProgram(folder_, folder_, Answer::Ok), ::testing::ExitedWithCode(1),
              "cfg\\.cfg.*символическая ссылка");
  EXPECT_EQ(readFile(inFolder(QStringLiteral("precious.txt"))), "keep me");
  EXPECT_TRUE(QFileInfo(inFolder(QStringLiteral("cfg.cfg"))).isSymLink());
}

TEST_F(RefusedStartUp, MissingTemporaryFolderIsReportedAndNothingIsWrittenElsewhere) {
  const QString missing = inFolder(QStringLiteral("missing"));
  EXPECT_EXIT(startTheProgram(missing, folder_, Answer::CloseCommand), ::testing::ExitedWithCode(1),
              "missing.*такой папки нет");
  EXPECT_TRUE(entries().isEmpty()) << entries().join(' ').toStdString();
}

TEST_F(RefusedStartUp, SecondCopyOnTheSameFolderLeavesTheFirstCopysFileAlone) {
  QByteArray first;
  if (!inProgramProcess_) {
    // The first copy, running here: the template and a section so far.
    qputenv("TMPDIR", QFile::encodeName(folder_));
    config::createConfigFile();
    config::writeLines(
        config::section(u"Mouse Setting", {config::valueLine(u"sensitivity", u"3")}));
    first = readFile(inFolder(QStringLiteral("cfg.cfg")));
    ASSERT_FALSE(first.isEmpty());
  }
  EXPECT_EXIT(startTheProgram(folder_, folder_, Answer::CloseCommand), ::testing::ExitedWithCode(1),
              "cfg\\.cfg.*файл занят другой запущенной копией");
  EXPECT_EQ(readFile(inFolder(QStringLiteral("cfg.cfg"))), first);
  // The first copy goes on writing after its own last line.
  config::writeLines({QStringLiteral("+mlook")});
  EXPECT_EQ(readFile(inFolder(QStringLiteral("cfg.cfg"))), first + "+mlook\r\n");
}

}  // namespace
