#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "platform/dialogs.h"
#include "platform/forms.h"
#include "platform/sound_output.h"
#include "platform/units.h"
#include "shell/sound_cues.h"
#include "support/wizard_test.h"
#include "widgets/one_line_box.h"

namespace {

// A cue's wave file as the program carries it.
QByteArray waveResource(int number) {
  QFile file(shell::cueResource(shell::Cue(number)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TEST(Units, TwipsAndColours) {
  EXPECT_EQ(platform::twipsToPixels(3045), 203);
  EXPECT_EQ(platform::twipsToPixels(15), 1);
  EXPECT_EQ(platform::twipsToPixels(0), 0);
  EXPECT_EQ(platform::bgr(255, 0, 0), 0x000000FFu);
  EXPECT_EQ(platform::bgr(0, 0, 255), 0x00FF0000u);
  EXPECT_EQ(platform::bgr(512, 256, 128), 0x0080FFFFu);  // parts above 255 taken as 255
  EXPECT_EQ(platform::bgrColor(0x00C00000), QColor(0, 0, 0xC0));
  EXPECT_EQ(platform::bgrColor(0x001A3366), QColor(0x66, 0x33, 0x1A));
  EXPECT_EQ(platform::makeFont(QStringLiteral("Comic Sans MS"), 14.25, true).pixelSize(), 19);
  EXPECT_EQ(platform::makeFont(QStringLiteral("Comic Sans MS"), 9.75).pixelSize(), 13);
}

// "Comic Sans MS" is drawn with the bundled face, regular and bold, whether asked
// for through the font helper or by name, and that face has every Russian letter.
TEST(Units, BundledComicFace) {
  for (bool bold : {false, true}) {
    SCOPED_TRACE(bold);
    for (const QFont& font :
         {platform::makeFont(QStringLiteral("Comic Sans MS"), 12, bold),
          QFont(QStringLiteral("Comic Sans MS"), 12, bold ? QFont::Bold : -1)}) {
      const QFontInfo face(font);
      EXPECT_EQ(face.family(), QStringLiteral("Comic Relief"));
      EXPECT_EQ(face.bold(), bold);
      const QFontMetrics metrics(font);
      const QString letters =
          QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя№");
      for (QChar letter : letters)
        EXPECT_TRUE(metrics.inFont(letter)) << qPrintable(QString(letter));
    }
  }
}

// A one-line box holds no control character, however the text arrives; the
// rest, quotes and blanks included, stays as it came.
TEST(OneLineBox, ControlCharactersNeverGetIn) {
  const QString pasted = QStringLiteral("Bob\nquit\r\nbind w \"kill\"\t\x01 ");
  const QString held = QStringLiteral("Bobquitbind w \"kill\" ");
  enum class Way { Paste, Drop, Insert, SetText };
  for (Way way : {Way::Paste, Way::Drop, Way::Insert, Way::SetText}) {
    SCOPED_TRACE(int(way));
    QWidget window;
    widgets::OneLineBox box(&window, 0x00000000, 0x00C00000, QFont());
    QStringList changes;
    QObject::connect(&box, &widgets::OneLineBox::changed, [&] { changes << box.text(); });
    window.show();
    switch (way) {
      case Way::Paste:
        QApplication::clipboard()->setText(pasted);
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        break;
      case Way::Drop: {
        QMimeData data;
        data.setText(pasted);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &drop);
        break;
      }
      case Way::Insert:
        box.insert(pasted);
        break;
      case Way::SetText:
        box.showText(pasted);
        break;
    }
    EXPECT_EQ(box.text(), held);
    EXPECT_EQ(changes, QStringList{held});  // one Change, already clean
  }
  // Typed after a paste, the next character lands where the cursor stands.
  QWidget window;
  widgets::OneLineBox box(&window, 0x00000000, 0x00C00000, QFont());
  box.insert(QStringLiteral("a\r\nb"));
  box.setCursorPosition(1);
  box.insert(QStringLiteral("\nc"));
  EXPECT_EQ(box.text(), QStringLiteral("acb"));
  EXPECT_EQ(box.cursorPosition(), 2);
  EXPECT_EQ(platform::oneLineText(QStringLiteral("\r\n\t\x1f\x20\x7f\u0435")),
            QStringLiteral("\x20\x7f\u0435"));
}

// The system's own input box shows what its answer holds: a pasted line break
// never appears in it.
TEST(OneLineBox, InputBoxHoldsOneLine) {
  QString shown;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    auto* line = box->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    line->insert(QStringLiteral("q\r\n"));
    shown = line->text();
    QTest::keyClick(line, Qt::Key_Return);
  });
  EXPECT_EQ(platform::askText(QStringLiteral("New key"), QString()), QStringLiteral("q"));
  EXPECT_EQ(shown, QStringLiteral("q"));
}

// The five cues, each in its own format and length.
TEST(Sounds, WaveResources) {
  struct Cue {
    int number, fileSize, channels, rate, bits;
    double seconds;
  };
  const Cue cues[] = {
      {1, 7864, 1, 22050, 8, 0.35},  {2, 7496, 1, 22050, 8, 0.33},  {3, 97016, 2, 22050, 16, 1.10},
      {4, 13336, 2, 22050, 8, 0.30}, {5, 16256, 1, 11025, 8, 1.47},
  };
  for (const Cue& c : cues) {
    SCOPED_TRACE(c.number);
    const QByteArray wave = waveResource(c.number);
    EXPECT_EQ(wave.size(), c.fileSize);
    platform::WaveInfo info;
    ASSERT_TRUE(platform::readWaveInfo(wave, info));
    EXPECT_TRUE(info.pcm);
    EXPECT_EQ(info.channels, c.channels);
    EXPECT_EQ(info.sampleRate, c.rate);
    EXPECT_EQ(info.bitsPerSample, c.bits);
    const int bytesPerSecond = c.rate * c.channels * c.bits / 8;
    const double seconds = double(info.dataSize) / bytesPerSecond;
    EXPECT_NEAR(seconds, c.seconds, 0.01);  // lengths are given to the hundredth
  }
}

TEST(Sounds, BrokenWaveHeaders) {
  platform::WaveInfo info;
  EXPECT_FALSE(platform::readWaveInfo(QByteArray(), info));
  EXPECT_FALSE(platform::readWaveInfo("RIFF\x10\0\0\0WAVEfmt ", info));
  QByteArray cut = waveResource(1);
  cut.chop(10);  // the data chunk claims more than there is
  EXPECT_FALSE(platform::readWaveInfo(cut, info));
}

class SoundCueTest : public testing_support::WizardTest {};

TEST_F(SoundCueTest, PlayClickKeepsTheBytesOfTheLastCue) {
  shell::playCue(shell::ArmCue);
  shell::playCue(shell::MenuCue);
  EXPECT_EQ(playedCues(), (std::vector<int>{1, 4}));
  EXPECT_EQ(testing_support::cueNumber(shell::lastCueBytes()), 4);
}

TEST(Sounds, WithoutADeviceEveryCueIsSilentAndQuick) {
  platform::setSoundOutput(nullptr);
  QElapsedTimer clock;
  clock.start();
  for (int n = 1; n <= 5; ++n) shell::playCue(shell::Cue(n));
  EXPECT_LT(clock.elapsed(), 3000);
}

TEST(Dialogs, SaveDialogSetUp) {
  for (QFileDialog::Options options :
       {QFileDialog::Options(), QFileDialog::Options(QFileDialog::DontConfirmOverwrite)}) {
    QFileDialog dialog;
    platform::configureSaveDialog(dialog, {QStringLiteral("(*.cfg)")}, options);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite),
              options.testFlag(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("(*.cfg)")});
  }
}

// A window whose button unloads it from inside its own handler.
class SelfClosing : public platform::AppWindow {
 public:
  SelfClosing() {
    button = new QPushButton(this);
    connect(button, &QPushButton::clicked, this, [this] {
      platform::unloadWindow(*this);
      platform::runPendingEvents();  // must not take the window down under this handler
      stillHereAfterDoEvents = true;
      button->setText(QStringLiteral("still here"));
    });
  }
  QPushButton* button;
  bool stillHereAfterDoEvents = false;
  static inline int loads = 0, unloads = 0;

 protected:
  void onLoad() override { ++loads; }
  void onUnload() override { ++unloads; }
};

class FormsTest : public testing_support::WizardTest {};

TEST_F(FormsTest, OneInstanceLoadedOnFirstUseAndFreshAfterUnload) {
  SelfClosing::loads = SelfClosing::unloads = 0;
  SelfClosing* first = &platform::instance<SelfClosing>();
  EXPECT_EQ(&platform::instance<SelfClosing>(), first);
  EXPECT_EQ(SelfClosing::loads, 1);
  EXPECT_FALSE(first->isVisible());  // loaded unseen
  platform::showWindow<SelfClosing>();
  EXPECT_TRUE(first->isVisible());

  QPointer<SelfClosing> gone = first;
  QTest::mouseClick(first->button, Qt::LeftButton);
  ASSERT_FALSE(gone.isNull());
  EXPECT_TRUE(gone->stillHereAfterDoEvents);
  EXPECT_EQ(SelfClosing::unloads, 1);
  platform::unloadWindow(*gone);  // a second unload does nothing
  EXPECT_EQ(SelfClosing::unloads, 1);
  platform::runPendingEvents();
  EXPECT_TRUE(gone.isNull());

  platform::instance<SelfClosing>();
  EXPECT_EQ(SelfClosing::loads, 2);
}

TEST_F(FormsTest, ExceptionInAHandlerIsTheFatalReport) {
  QPushButton* button = new QPushButton(&platform::instance<SelfClosing>());
  QObject::connect(button, &QPushButton::clicked, [] { throw std::runtime_error("boom"); });
  EXPECT_EXIT(QTest::mouseClick(button, Qt::LeftButton), ::testing::ExitedWithCode(1), "boom");
}

// The core reports a broken build (a missing resource text) by throwing: the
// report must keep its Russian text whole, whatever the locale.
TEST_F(FormsTest, RussianTextOfAnExceptionReachesTheReportWhole) {
  QPushButton* button = new QPushButton(&platform::instance<SelfClosing>());
  QObject::connect(button, &QPushButton::clicked, [] {
    throw std::runtime_error(
        (QStringLiteral("ресурс не найден: ") + QStringLiteral(":/strings/config_template.txt"))
            .toStdString());
  });
  EXPECT_EXIT(QTest::mouseClick(button, Qt::LeftButton), ::testing::ExitedWithCode(1),
              "Ошибка выполнения: ресурс не найден: :/strings/config_template\\.txt");
}

}  // namespace
