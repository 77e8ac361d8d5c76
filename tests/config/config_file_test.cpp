#include "config/config_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <functional>
#include <vector>

#include "config/config_text.h"
#include "platform/dialogs.h"
#include "support/expected_template.h"
#include "support/wizard_test.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

QByteArray expectedFreshFile() {
  QByteArray bytes;
  for (const char* line : testing_support::kTemplateLines) bytes += QByteArray(line) + "\r\n";
  return bytes + "\r\n";
}

class ConfigFileTest : public testing_support::WizardTest {};

TEST_F(ConfigFileTest, FreshFileIsTemplateAndOneEmptyLine) {
  config::createConfigFile();
  const QByteArray bytes = tempFileBytes();
  EXPECT_EQ(bytes, expectedFreshFile());
  EXPECT_EQ(bytes.size(), 3857 + 2);
  EXPECT_EQ(bytes.count("\r\n"), 128);
  EXPECT_EQ(bytes.count('\t'), 1);
  EXPECT_TRUE(bytes.endsWith("cl_timeout \"45\"\r\n\r\n"));
}

TEST_F(ConfigFileTest, LinesReachTheFileAtOnceInCodePage1251) {
  config::createConfigFile();
  config::writeLines(config::section(u"Othen Setting", {config::valueLine(u"name", u"Игрок")}));
  // Read while the stream is still open: nothing waits in a buffer.
  EXPECT_EQ(tempFileBytes(),
            expectedFreshFile() + "\r\n// [ Othen Setting ] \r\nname \"\xC8\xE3\xF0\xEE\xEA\"\r\n");
}

TEST_F(ConfigFileTest, EachStartReplacesTheFileAndKeepsItPrivate) {
  writeFile(tempFilePath(), QByteArray(10000, 'x'));
  ::chmod(QFile::encodeName(tempFilePath()).constData(), 0666);
  config::createConfigFile();
  EXPECT_EQ(tempFileBytes(), expectedFreshFile());
  config::writeLines({QStringLiteral("late line")});
  config::closeConfigFile();
  config::createConfigFile();
  EXPECT_EQ(tempFileBytes(), expectedFreshFile());

  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(tempFilePath()).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ConfigFileTest, FullDiskNeverLeavesACutLine) {
  // The file may grow to a size that ends inside the section's value line.
  constexpr rlim_t kRoom = 3859 + 2 + 23 + 10;
  // The death test's process runs the test again from its top, in a folder of its
  // own; it writes into this one, which it finds by name.
  if (!qEnvironmentVariableIsSet("VESMIR_FULL_DISK_DIR")) {
    qputenv("VESMIR_FULL_DISK_DIR", QFile::encodeName(inTemp(QString())));
  }
  EXPECT_EXIT(
      {
        qputenv("TMPDIR", qgetenv("VESMIR_FULL_DISK_DIR"));
        std::signal(SIGXFSZ, SIG_IGN);
        config::createConfigFile();
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = kRoom;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        config::writeLines(
            config::section(u"Video Setting", {config::valueLine(u"gl_lightholes", u"1")}));
      },
      ::testing::ExitedWithCode(1), "cfg\\.cfg");
  qunsetenv("VESMIR_FULL_DISK_DIR");
  EXPECT_EQ(tempFileBytes(), expectedFreshFile() + "\r\n// [ Video Setting ] \r\n");
}

// Save writes through a symbolic link to the file it names, keeping that
// file's permissions, and takes any name the system does.
class SaveTest : public ConfigFileTest {
 protected:
  void saveAs(const QString& path) {
    dialogs_.saveAnswers.push_back(path);
    EXPECT_TRUE(config::saveConfigFile()) << path.toStdString();
    EXPECT_TRUE(dialogs_.boxes.empty());
  }
  // What the folder holds besides cfg.cfg and the named files: nothing, hidden or not.
  QStringList others(const QStringList& named) const {
    QStringList others =
        QDir(inTemp(QString())).entryList(QDir::Files | QDir::Hidden | QDir::System);
    others.removeAll(QStringLiteral("cfg.cfg"));
    for (const QString& name : named) others.removeAll(name);
    return others;
  }
};

TEST_F(SaveTest, ThroughALinkWritesTheFileItNames) {
  config::createConfigFile();
  const QString target = inTemp(QStringLiteral("real.cfg"));
  writeFile(target, "old");
  ::chmod(QFile::encodeName(target).constData(), 0640);
  // A relative link, and a link to that link.
  ASSERT_EQ(
      ::symlink("real.cfg", QFile::encodeName(inTemp(QStringLiteral("link.cfg"))).constData()), 0);
  ASSERT_EQ(
      ::symlink("link.cfg", QFile::encodeName(inTemp(QStringLiteral("outer.cfg"))).constData()), 0);
  saveAs(inTemp(QStringLiteral("outer.cfg")));
  EXPECT_EQ(readFile(target), expectedFreshFile());
  EXPECT_TRUE(QFileInfo(inTemp(QStringLiteral("outer.cfg"))).isSymLink());
  EXPECT_TRUE(QFileInfo(inTemp(QStringLiteral("link.cfg"))).isSymLink());
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(
      others({QStringLiteral("real.cfg"), QStringLiteral("link.cfg"), QStringLiteral("outer.cfg")}),
      QStringList());
}

TEST_F(SaveTest, NamesUpToTheLongestTheSystemTakes) {
  config::createConfigFile();
  const QString names[] = {
      QString(244, QLatin1Char('a')) + QStringLiteral(".cfg"),  // 248 bytes
      QString(251, QLatin1Char('b')) + QStringLiteral(".cfg"),  // 255 bytes
      QString(125, QChar(0x0436)) + QStringLiteral(".cfg"),     // 254 bytes, two each
  };
  for (const QString& name : names) {
    SCOPED_TRACE(QFile::encodeName(name).size());
    saveAs(inTemp(name));
    EXPECT_EQ(readFile(inTemp(name)), expectedFreshFile());
    EXPECT_EQ(others({name}), QStringList());
    QFile::remove(inTemp(name));
  }
}

// Anything but a regular file of this user's at cfg.cfg ends the program with
// the error report naming the path, and is left as it was.
class RefusedTempFile : public ConfigFileTest {};

TEST_F(RefusedTempFile, SymbolicLinkIsNotFollowed) {
  const QString target = inTemp(QStringLiteral("precious.txt"));
  writeFile(target, "keep me");
  ASSERT_TRUE(QFile::link(target, tempFilePath()));
  EXPECT_EXIT(config::createConfigFile(), ::testing::ExitedWithCode(1),
              "cfg\\.cfg.*символическая ссылка");
  EXPECT_EQ(readFile(target), "keep me");
  EXPECT_TRUE(QFileInfo(tempFilePath()).isSymLink());
}

TEST_F(RefusedTempFile, OtherKinds) {
  struct Case {
    const char* what;
    std::function<void(const QString&)> make;
    const char* reason;
  };
  std::vector<Case> cases = {
      {"folder", [](const QString& p) { ASSERT_EQ(::mkdir(QFile::encodeName(p), 0700), 0); },
       "cfg\\.cfg.*уже есть папка"},
      {"pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); },
       "не обычный файл"},
      {"hard link",
       [this](const QString& p) {
         const QString other = inTemp(QStringLiteral("other.txt"));
         writeFile(other, "theirs");
         ASSERT_EQ(::link(QFile::encodeName(other), QFile::encodeName(p)), 0);
       },
       "жёсткие ссылки"},
  };
  if (::geteuid() == 0) {  // only root can give a file away
    cases.push_back({"another user's file",
                     [](const QString& p) {
                       writeFile(p, "theirs");
                       ASSERT_EQ(::chown(QFile::encodeName(p), 65534, 65534), 0);
                     },
                     "другому пользователю"});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(tempFilePath());
    ::rmdir(QFile::encodeName(tempFilePath()));
    c.make(tempFilePath());
    EXPECT_EXIT(config::createConfigFile(), ::testing::ExitedWithCode(1), c.reason);
    // Nothing was emptied or changed.
    if (QFileInfo(tempFilePath()).isFile()) {
      EXPECT_EQ(readFile(tempFilePath()), "theirs");
    }
  }
}

}  // namespace
