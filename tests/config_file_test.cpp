#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "config/config_file.h"
#include "config/config_text.h"
#include "config/mod.h"
#include "support/expected_template.h"
#include "support/wizard_test.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

QByteArray ExpectedFreshFile() {
  QByteArray bytes;
  for (const char* line : testing_support::kTemplateLines) bytes += QByteArray(line) + "\r\n";
  return bytes + "\r\n";
}

class ConfigFileTest : public testing_support::WizardTest {};

TEST_F(ConfigFileTest, FreshFileIsTemplateAndOneEmptyLine) {
  config::CreateConfigFile();
  const QByteArray bytes = TempFileBytes();
  EXPECT_EQ(bytes, ExpectedFreshFile());
  EXPECT_EQ(bytes.size(), 3857 + 2);
  EXPECT_EQ(bytes.count("\r\n"), 128);
  EXPECT_EQ(bytes.count('\t'), 1);
  EXPECT_TRUE(bytes.endsWith("cl_timeout \"45\"\r\n\r\n"));
}

TEST_F(ConfigFileTest, LinesReachTheFileAtOnceInCodePage1251) {
  config::CreateConfigFile();
  config::WriteLines(config::Section(u"Othen Setting", {config::ValueLine(u"name", u"Игрок")}));
  // Read while the stream is still open: nothing waits in a buffer.
  EXPECT_EQ(TempFileBytes(),
            ExpectedFreshFile() + "\r\n// [ Othen Setting ] \r\nname \"\xC8\xE3\xF0\xEE\xEA\"\r\n");
  MOD::CfgStream->WriteBlankLines(1);
  EXPECT_TRUE(TempFileBytes().endsWith("\"\r\n\r\n"));
}

TEST_F(ConfigFileTest, EachStartReplacesTheFileAndKeepsItPrivate) {
  WriteFile(TempFilePath(), QByteArray(10000, 'x'));
  ::chmod(QFile::encodeName(TempFilePath()).constData(), 0666);
  config::CreateConfigFile();
  EXPECT_EQ(TempFileBytes(), ExpectedFreshFile());
  config::WriteLines({QStringLiteral("late line")});
  MOD::Reset();
  config::CreateConfigFile();
  EXPECT_EQ(TempFileBytes(), ExpectedFreshFile());

  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(TempFilePath()).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// Anything but a regular file of this user's at cfg.cfg ends the program with
// the error report naming the path, and is left as it was.
class RefusedTempFile : public ConfigFileTest {};

TEST_F(RefusedTempFile, SymbolicLinkIsNotFollowed) {
  const QString target = InTemp(QStringLiteral("precious.txt"));
  WriteFile(target, "keep me");
  ASSERT_TRUE(QFile::link(target, TempFilePath()));
  EXPECT_EXIT(config::CreateConfigFile(), ::testing::ExitedWithCode(1),
              "cfg\\.cfg.*символическая ссылка");
  EXPECT_EQ(ReadFile(target), "keep me");
  EXPECT_TRUE(QFileInfo(TempFilePath()).isSymLink());
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
         const QString other = InTemp(QStringLiteral("other.txt"));
         WriteFile(other, "theirs");
         ASSERT_EQ(::link(QFile::encodeName(other), QFile::encodeName(p)), 0);
       },
       "жёсткие ссылки"},
  };
  if (::geteuid() == 0) {  // only root can give a file away
    cases.push_back({"another user's file",
                     [](const QString& p) {
                       WriteFile(p, "theirs");
                       ASSERT_EQ(::chown(QFile::encodeName(p), 65534, 65534), 0);
                     },
                     "другому пользователю"});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(TempFilePath());
    ::rmdir(QFile::encodeName(TempFilePath()));
    c.make(TempFilePath());
    EXPECT_EXIT(config::CreateConfigFile(), ::testing::ExitedWithCode(1), c.reason);
    // Nothing was emptied or changed.
    if (QFileInfo(TempFilePath()).isFile()) {
      EXPECT_EQ(ReadFile(TempFilePath()), "theirs");
    }
  }
}

}  // namespace
