#include <gtest/gtest.h>

#include <QDir>

#include "support/wizard_test.h"

namespace {

// One case of the wizard's fixture, run outside gtest's own runner.
class OneCase : public testing_support::WizardTest {
 public:
  void TestBody() override {}
  void run() {
    SetUp();
    TearDown();
  }
};

// A case points TMPDIR at a folder of its own that goes with it; the next case
// must find TMPDIR as it was, not naming a deleted folder.
TEST(RunState, ACaseLeavesTmpDirAsItFoundIt) {
  const bool wasSet = qEnvironmentVariableIsSet("TMPDIR");
  const QByteArray before = qgetenv("TMPDIR");
  {
    OneCase c;
    c.run();
  }
  EXPECT_EQ(qEnvironmentVariableIsSet("TMPDIR"), wasSet);
  EXPECT_EQ(qgetenv("TMPDIR"), before);
  EXPECT_TRUE(QDir(QDir::tempPath()).exists()) << QDir::tempPath().toStdString();

  qunsetenv("TMPDIR");
  {
    OneCase c;
    c.run();
  }
  EXPECT_FALSE(qEnvironmentVariableIsSet("TMPDIR"));
  if (wasSet) qputenv("TMPDIR", before);
}

}  // namespace
