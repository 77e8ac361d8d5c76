#include <gtest/gtest.h>

#include "platform/application.h"

int main(int argc, char** argv) {
  // Every test runs headless.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // A death test runs its case again in a new process instead of forking Qt's threads.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  platform::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
