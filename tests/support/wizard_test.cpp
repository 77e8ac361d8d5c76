#include "support/wizard_test.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include "app/pages.h"
#include "config/config_file.h"
#include "platform/drag_runner.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/page_protocol.h"
#include "shell/sound_cues.h"

namespace testing_support {

void FakeDialogs::showMessage(const QString& prompt, const std::optional<QString>& title) {
  boxes.push_back({prompt, title});
  if (modalMs <= 0) {
    if (whileBoxShown) whileBoxShown(boxes.back());
    return;
  }
  QWidget box;
  box.setWindowModality(Qt::ApplicationModal);
  box.resize(120, 60);
  box.show();
  const ShownBox shown{prompt, title, &box};
  if (whileBoxShown) whileBoxShown(shown);
  QEventLoop loop;
  QTimer::singleShot(modalMs, &loop, &QEventLoop::quit);
  loop.exec();
}

QString FakeDialogs::askText(const QString&, const QString&) {
  if (inputAnswers.empty()) return QString();
  QString answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::optional<QString> FakeDialogs::saveFileName(const QStringList& nameFilters,
                                                 QFileDialog::Options options) {
  ++saveDialogsShown;
  saveOptions = options;
  saveNameFilters = nameFilters;
  if (saveAnswers.empty()) return std::nullopt;
  std::optional<QString> answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

void FakeSound::play(const QByteArray& wave) { played.push_back(wave); }

int cueNumber(const QByteArray& wave) {
  for (int n = 1; n <= 5; ++n) {
    QFile file(shell::cueResource(shell::Cue(n)));
    if (file.open(QIODevice::ReadOnly) && file.readAll() == wave) return n;
  }
  return 0;
}

void RunState::remember() {
  tmpDir_.reset();
  if (qEnvironmentVariableIsSet("TMPDIR")) tmpDir_ = qgetenv("TMPDIR");
}

void RunState::restore() {
  platform::destroyAllWindows();
  shell::MainWindow::holdFireLoop(false);
  shell::clearPageOpeners();
  config::closeConfigFile();
  shell::resetCues();
  platform::setDragRunner({});
  platform::setEndHandler({});
  platform::clearEndRequest();
  platform::setSoundOutput(nullptr);
  platform::setDialogs(nullptr);
  if (tmpDir_) {
    qputenv("TMPDIR", *tmpDir_);
  } else {
    qunsetenv("TMPDIR");
  }
}

void WizardTest::SetUp() {
  ASSERT_TRUE(temp_.isValid());
  runState_.remember();
  qputenv("TMPDIR", QFile::encodeName(temp_.path()));
  platform::setDialogs(&dialogs_);
  platform::setSoundOutput(&sound_);
  platform::clearEndRequest();
  platform::setEndHandler([this](int) { ++endRequests_; });
  // Running events would otherwise enter the endless fire loop; its own tests let it go.
  shell::MainWindow::holdFireLoop(true);
}

void WizardTest::TearDown() { runState_.restore(); }

void PagesTest::SetUp() {
  WizardTest::SetUp();
  app::registerPages();
  platform::showWindow<shell::MainWindow>();
}

std::vector<int> WizardTest::playedCues() const {
  std::vector<int> cues;
  for (const QByteArray& wave : sound_.played) cues.push_back(cueNumber(wave));
  return cues;
}

QString WizardTest::tempFilePath() const { return temp_.filePath(QStringLiteral("cfg.cfg")); }

QByteArray WizardTest::tempFileBytes() const { return readFile(tempFilePath()); }

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes);
}

}  // namespace testing_support
