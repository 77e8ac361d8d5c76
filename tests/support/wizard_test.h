// A fixture that stands in for the player's answers: boxes, the save dialog,
// the sound device and the end of the program, with a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/dialogs.h"
#include "platform/sound_output.h"
#include "support/lines.h"

namespace testing_support {

struct ShownBox {
  QString prompt;
  std::optional<QString> title;
  QWidget* window = nullptr;  // the stand-in box while it is open (modalMs > 0)
};

class FakeDialogs : public platform::Dialogs {
 public:
  void showMessage(const QString& prompt, const std::optional<QString>& title) override;
  QString askText(const QString& prompt, const QString& title) override;
  std::optional<QString> saveFileName(const QStringList& nameFilters,
                                      QFileDialog::Options options) override;

  std::vector<ShownBox> boxes;
  std::function<void(const ShownBox&)> whileBoxShown;  // runs as if the box were open
  // Above 0: a box is a real application-modal window that runs its own event
  // loop for this long before it closes, as the player's box does while it waits.
  int modalMs = 0;
  std::deque<std::optional<QString>> saveAnswers;  // nothing: cancel
  std::deque<QString> inputAnswers;
  QFileDialog::Options saveOptions;
  QStringList saveNameFilters;
  int saveDialogsShown = 0;
};

class FakeSound : public platform::SoundOutput {
 public:
  void play(const QByteArray& wave) override;
  std::vector<QByteArray> played;
};

// Which of the five cues these bytes are (0 for none of them).
int cueNumber(const QByteArray& wave);

// What a case changes in the program's run: TMPDIR is remembered before the
// case, and after it everything goes back as a fresh run has it, so that no case
// leaves windows, fakes or a deleted temporary folder to the next.
class RunState {
 public:
  void remember();
  void restore();

 private:
  std::optional<QByteArray> tmpDir_;  // nothing: it was not set
};

class WizardTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The cues played so far, by number.
  std::vector<int> playedCues() const;
  QString tempFilePath() const;
  QByteArray tempFileBytes() const;
  QString inTemp(const QString& name) const { return temp_.filePath(name); }

  FakeDialogs dialogs_;
  FakeSound sound_;
  int endRequests_ = 0;

 private:
  RunState runState_;
  QTemporaryDir temp_;
};

// The main window open with every page registered, as the program starts.
class PagesTest : public WizardTest {
 protected:
  void SetUp() override;
};

// Reads a whole file; empty when missing.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace testing_support
