// Every window's layout, read from the live widgets: one table per window with
// places and sizes in twips, colours as 0x00BBGGRR and fonts in points, the units
// the windows are built in. One helper turns a row into pixels and compares it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/pages.h"
#include "bindings/controls_page.h"
#include "pages/mouse_page.h"
#include "pages/other_page.h"
#include "pages/player_page.h"
#include "pages/sound_page.h"
#include "pages/video_page.h"
#include "platform/forms.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapon_pictures.h"
#include "purchase/weapons_window.h"
#include "shell/main_window.h"
#include "shell/splash.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"
#include "widgets/caption.h"
#include "widgets/color_picker.h"
#include "widgets/drop_down_list.h"
#include "widgets/line.h"
#include "widgets/one_line_box.h"
#include "widgets/outline.h"
#include "widgets/spin_arrows.h"
#include "widgets/value_widget.h"

// Colours in the failure messages as #rrggbb.
static void PrintTo(const QColor& color, std::ostream* os) { *os << color.name().toStdString(); }

namespace {

using testing_support::clickMenu;
using testing_support::mainWindow;

// 15 twips a pixel, to the nearest pixel.
int px(int twips) { return int(std::lround(twips / 15.0)); }
QRect pxRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}
QColor bgr(std::uint32_t bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
// A colour of the system's palette ("the system's window colour", ...).
QColor systemColor(QPalette::ColorRole role) { return QApplication::palette().color(role); }

enum class Font {
  None,     // not part of the table
  Comic,    // "Comic Sans MS": the bundled Comic Relief
  Sans,     // "MS Sans Serif": the system's sans serif
  Default,  // the control's default font
};

enum class Width {
  Exact,
  Text,  // sized to its text on one line; it has no width of its own
};

struct Row {
  const char* name;
  QWidget* control;
  int left, top, width, height;  // twips
  std::optional<QColor> back = std::nullopt, fore = std::nullopt;
  Font font = Font::None;
  double points = 0;
  bool bold = false;
  Width widthRule = Width::Exact;
  QWidget* parent = nullptr;  // checked when given
};

// The background as the control holds it.
QColor backOf(QWidget* w) {
  if (auto* box = qobject_cast<bindings::KeyCaptureBox*>(w)) return bgr(box->backColor());
  if (auto* picture = qobject_cast<purchase::FramedPicture*>(w)) return bgr(picture->backColor());
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
    return w->palette().color(QPalette::Base);
  }
  if (qobject_cast<QPushButton*>(w) || qobject_cast<QScrollBar*>(w)) {
    return w->palette().color(QPalette::Button);
  }
  return w->palette().color(QPalette::Window);
}

// The text (or line, or arrow) colour as the control holds it.
QColor foreOf(QWidget* w) {
  if (auto* shape = dynamic_cast<widgets::Outline*>(w)) return bgr(shape->borderColor());
  if (auto* spin = qobject_cast<widgets::SpinArrows*>(w)) return spin->arrowColor();
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
    return w->palette().color(QPalette::Text);
  }
  if (qobject_cast<QScrollBar*>(w)) return w->palette().color(QPalette::ButtonText);
  return w->palette().color(QPalette::WindowText);
}

QString familyOf(Font font) {
  switch (font) {
    case Font::Comic:
      return QStringLiteral("Comic Relief");
    case Font::Sans:
      return QFontInfo(QFont(QStringLiteral("Sans Serif"))).family();
    case Font::Default:
      return QFontInfo(QApplication::font()).family();
    case Font::None:
      break;
  }
  return QString();
}

// Where a caption's letters fall when its label draws it, in pixels they cover
// by more than half: the lines as laid out in the label (wrapped at its width
// where it wraps), each drawn as the outlines of the label's own font.
QRect inkOf(const QLabel& label) {
  const QRect box = label.contentsRect();
  const QString text = label.text();
  const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  const QRectF laidOut = QFontMetricsF(label.font()).boundingRect(box, flags, text);
  QTextLayout layout(text, label.font());
  layout.beginLayout();
  QPainterPath outlines;
  qreal top = laidOut.top();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.wordWrap() ? box.width() : 1e6);
    outlines.addText(laidOut.left(), top + line.ascent(), label.font(),
                     text.mid(line.textStart(), line.textLength()));
    top += line.height();
  }
  layout.endLayout();
  const QRectF ink = outlines.boundingRect();
  const auto px = [](qreal edge) { return int(std::lround(edge)); };
  return QRect(QPoint(px(ink.left()), px(ink.top())),
               QPoint(px(ink.right()) - 1, px(ink.bottom()) - 1));
}

void checkRow(const Row& r) {
  SCOPED_TRACE(r.name);
  ASSERT_NE(r.control, nullptr);
  QWidget* w = r.control;
  w->ensurePolished();
  if (r.parent != nullptr) {
    EXPECT_EQ(w->parentWidget(), r.parent);
  }
  const QRect want = pxRect(r.left, r.top, r.width, r.height);
  EXPECT_EQ(w->pos(), want.topLeft());
  EXPECT_EQ(w->height(), want.height());
  if (r.widthRule == Width::Exact) {
    EXPECT_EQ(w->width(), want.width());
  }
  // Every caption shows whole in its box.
  if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty()) {
    const QRect ink = inkOf(*label);
    EXPECT_TRUE(label->contentsRect().contains(ink))
        << qPrintable(label->text()) << ": ink " << ink.left() << ".." << ink.right() << " x "
        << ink.top() << ".." << ink.bottom() << " in " << w->width() << " x " << w->height();
  }
  if (auto* option = qobject_cast<QRadioButton*>(w)) {
    QStyleOptionButton look;
    look.initFrom(option);
    look.text = option->text();
    const QRect room =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &look, option);
    EXPECT_LE(QFontMetricsF(option->font()).horizontalAdvance(option->text()), room.width() + 0.5)
        << qPrintable(option->text());
  }
  if (auto* button = qobject_cast<QPushButton*>(w); button != nullptr && button->isVisible()) {
    // Inside the face's two-pixel border.
    const QFontMetrics metrics = button->fontMetrics();
    EXPECT_LE(metrics.horizontalAdvance(button->text()), w->width() - 4);
    EXPECT_LE(metrics.tightBoundingRect(button->text()).height(), w->height() - 4);
  }
  if (r.back) {
    EXPECT_EQ(backOf(w), *r.back);
  }
  if (r.fore) {
    EXPECT_EQ(foreOf(w), *r.fore);
  }
  if (r.font != Font::None) {
    EXPECT_EQ(QFontInfo(w->font()).family(), familyOf(r.font));
    if (r.points > 0) {
      EXPECT_EQ(w->font().pixelSize(), int(std::lround(r.points * 96 / 72)));
    }
    EXPECT_EQ(w->font().bold(), r.bold);
    EXPECT_EQ(QFontInfo(w->font()).bold(), r.bold);  // and a bold face was found
  }
}

void checkRows(const std::vector<Row>& rows) {
  for (const Row& r : rows) checkRow(r);
}

// A frameless window of the given client size, black unless told otherwise.
void checkWindow(QWidget& w, int width, int height, QColor back = bgr(0x00000000)) {
  EXPECT_EQ(w.size(), QSize(px(width), px(height)));
  EXPECT_EQ(w.palette().color(QPalette::Window), back);
}

// A line from (x1, y) to (x2, y) in twips: where it lies and how it is drawn.
void checkRule(widgets::Line* line, int x1, int x2, int y, std::uint32_t color, int width) {
  SCOPED_TRACE("titleRule");
  EXPECT_EQ(line->lineColor(), color);
  EXPECT_EQ(line->lineWidth(), width);
  const QRect g = line->geometry();
  EXPECT_EQ(g.center().y(), px(y));
  EXPECT_LE(g.left(), px(x1));
  EXPECT_GE(g.right(), px(x2) - 1);
}

// The two controls of a single-value widget, from its top left corner.
void addWidgetControls(std::vector<Row>& rows, widgets::ValueWidget* w, int boxWidth) {
  rows.push_back({"valueBox", w->valueBox, 0, 0, boxWidth, 360, bgr(0x00000000), bgr(0x00C00000),
                  Font::Comic, 9, true, Width::Exact, w});
  rows.push_back({"arrows", w->arrows, boxWidth, 0, 255, 345, bgr(0x00000000),
                  systemColor(QPalette::HighlightedText), Font::None, 0, false, Width::Exact, w});
}

// What the five settings pages share: the outline, the rule, the title, Done.
struct PageFrame {
  int width, height, titleLeft, titleWidth, outlineWidth, outlineHeight;
};
void addPageFrame(std::vector<Row>& rows, pages::SettingsPage& p, const PageFrame& f) {
  checkWindow(p, f.width, f.height);
  EXPECT_TRUE(p.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(p.outline->borderWidth(), 3);
  checkRule(p.titleRule, 0, 7560, 480, 0x000000C0, 2);
  rows.push_back(
      {"outline", p.outline, 15, 15, f.outlineWidth, f.outlineHeight, {}, bgr(0x00C00000)});
  rows.push_back({"titleCaption",
                  p.titleCaption,
                  f.titleLeft,
                  0,
                  f.titleWidth,
                  405,
                  {},
                  bgr(0x00008000),
                  Font::Comic,
                  14.25,
                  true});
  rows.push_back({"doneButton",
                  p.doneButton,
                  120,
                  120,
                  615,
                  285,
                  bgr(0x00FF0000),
                  {},
                  Font::Comic,
                  9.75,
                  true});
}

// Row captions of the settings pages: orange, Comic 12 pt regular.
Row captionRow(const char* name, widgets::Caption* label, int top, int boxWidth = 0,
               int boxHeight = 345) {
  // One-line captions are sized to their text; the others wrap in their box.
  return {name,        label,     120,   top,
          boxWidth,    boxHeight, {},    bgr(0x000080FF),
          Font::Comic, 12,        false, boxWidth == 0 ? Width::Text : Width::Exact};
}
Row listRow(const char* name, widgets::DropDownList* list, int left, int top, int width,
            int height) {
  return {name,        list, left, top, width, height, bgr(0x00000000), bgr(0x00C00000),
          Font::Comic, 9,    true};
}
// A value widget's place; its own background is the default control colour.
Row widgetRow(const char* name, widgets::ValueWidget* w, int left, int top, int width) {
  return {name, w, left, top, width, 375, systemColor(QPalette::Button)};
}

class LayoutTest : public testing_support::PagesTest {};

TEST_F(LayoutTest, Splash) {
  shell::SplashWindow s;
  s.show();
  EXPECT_TRUE(s.windowFlags() & Qt::FramelessWindowHint);
  // A fixed place on the screen, not centred.
  EXPECT_EQ(s.geometry(), pxRect(4680, 3075, 6120, 4665));
  EXPECT_EQ(s.palette().color(QPalette::Window), bgr(0x00800000));
  checkRows({
      {"pictureBox", s.pictureBox, 120, 120, 5895, 4455, systemColor(QPalette::Base)},
      {"timedWait", s.timedWait, 840, 2880, 735, 975},
  });
}

TEST_F(LayoutTest, MainWindow) {
  shell::MainWindow& w = mainWindow();
  checkWindow(w, 3045, 4485);
  const QColor red = bgr(0x000000FF), blue = bgr(0x00C00000);
  const auto x = Width::Exact;
  QWidget* f = w.menuPanel;
  checkRows({
      {"menuPanel",
       w.menuPanel,
       240,
       120,
       2655,
       3495,
       bgr(0x00000000),
       {},
       Font::None,
       0,
       false,
       Width::Exact,
       &w},
      {"titleCaption", w.titleCaption, 240, 0, 1605, 405, {}, red, Font::Comic, 14.25, true, x, f},
      {"videoLabel", w.videoLabel, 600, 480, 690, 345, {}, blue, Font::Comic, 12, false, x, f},
      {"soundLabel", w.soundLabel, 555, 840, 735, 345, {}, blue, Font::Comic, 12, false, x, f},
      {"playerLabel", w.playerLabel, 600, 1200, 810, 345, {}, blue, Font::Comic, 12, false, x, f},
      {"mouseLabel", w.mouseLabel, 600, 1560, 870, 345, {}, blue, Font::Comic, 12, false, x, f},
      // Two pixels wider than the face it was drawn for needs: the bundled face
      // draws this word wider.
      {"controlsLabel",
       w.controlsLabel,
       600,
       1920,
       1380,
       345,
       {},
       blue,
       Font::Comic,
       12,
       false,
       x,
       f},
      {"otherLabel", w.otherLabel, 600, 2280, 1275, 345, {}, blue, Font::Comic, 12, false, x, f},
      {"purchaseLabel",
       w.purchaseLabel,
       600,
       2640,
       1830,
       345,
       {},
       blue,
       Font::Comic,
       12,
       false,
       x,
       f},
      {"saveLabel", w.saveLabel, 240, 3120, 1440, 405, {}, red, Font::Comic, 14.25, true, x, f},
      {"fireStrip",
       w.fireStrip,
       0,
       3720,
       3105,
       855,
       bgr(0x00000000),
       {},
       Font::None,
       0,
       false,
       Width::Exact,
       &w},
      {"fireLoopButton",
       w.fireLoopButton,
       3840,
       240,
       255,
       255,
       {},
       {},
       Font::None,
       0,
       false,
       Width::Exact,
       &w},
  });
  EXPECT_EQ(w.fireLoopButton->text(), QStringLiteral("Command9"));
  EXPECT_TRUE(w.fireLoopButton->isHidden());
  EXPECT_FALSE(w.rect().intersects(w.fireLoopButton->geometry()));
}

TEST_F(LayoutTest, VideoPage) {
  clickMenu(mainWindow().videoLabel);
  pages::VideoPage& p = platform::instance<pages::VideoPage>();
  ASSERT_TRUE(p.isVisible());
  std::vector<Row> rows;
  addPageFrame(rows, p, {7410, 5175, 2280, 2400, 7380, 5160});
  auto top = [](int row) { return 240 + 360 * row; };
  ASSERT_EQ(p.rowCaptions.size(), 12);
  for (int r = 1; r <= 12; ++r)
    rows.push_back(captionRow("rowCaptions", p.rowCaptions[r - 1], top(r)));
  rows.push_back(widgetRow("gammaValue", p.gammaValue, 5760, top(1), 1575));
  rows.push_back(widgetRow("brightnessValue", p.brightnessValue, 5760, top(2), 1575));
  rows.push_back(widgetRow("texGammaValue", p.texGammaValue, 5760, top(3), 1575));
  rows.push_back(widgetRow("smokePuffsValue", p.smokePuffsValue, 5760, top(4), 1575));
  rows.push_back(widgetRow("decalsValue", p.decalsValue, 5760, top(5), 1575));
  for (auto* w :
       {p.gammaValue, p.brightnessValue, p.texGammaValue, p.smokePuffsValue, p.decalsValue})
    addWidgetControls(rows, w, 1200);
  rows.push_back(listRow("hiModelsList", p.hiModelsList, 5760, top(6), 1455, 360));
  rows.push_back(listRow("dynamicLightList", p.dynamicLightList, 5760, top(7), 1455, 360));
  rows.push_back(listRow("mmxList", p.mmxList, 5760, top(8), 1455, 360));
  rows.push_back(listRow("smokeRealismList", p.smokeRealismList, 5760, top(9), 1455, 360));
  rows.push_back(listRow("bloodList", p.bloodList, 5760, top(10), 1455, 360));
  rows.push_back(listRow("mode3dfxList", p.mode3dfxList, 5760, top(11), 1455, 360));
  rows.push_back(listRow("crosshairList", p.crosshairList, 5760, top(12), 1455, 360));
  checkRows(rows);
}

TEST_F(LayoutTest, MousePage) {
  clickMenu(mainWindow().mouseLabel);
  pages::MousePage& p = platform::instance<pages::MousePage>();
  ASSERT_TRUE(p.isVisible());
  std::vector<Row> rows;
  addPageFrame(rows, p, {5610, 3990, 1560, 2580, 5580, 3960});
  rows.push_back(captionRow("sensitivityCaption", p.sensitivityCaption, 600));
  rows.push_back(captionRow("zoomSensitivityCaption", p.zoomSensitivityCaption, 960, 3315, 675));
  rows.push_back(captionRow("filterCaption", p.filterCaption, 1680));
  rows.push_back(captionRow("pitchReverseCaption", p.pitchReverseCaption, 2040));
  rows.push_back(captionRow("yawReverseCaption", p.yawReverseCaption, 2400));
  rows.push_back(captionRow("lookStrafeCaption", p.lookStrafeCaption, 2760));
  rows.push_back(captionRow("mouseLookCaption", p.mouseLookCaption, 3120, 3075, 705));
  rows.push_back(widgetRow("sensitivityValue", p.sensitivityValue, 4200, 600, 1335));
  rows.push_back(widgetRow("zoomSensitivityValue", p.zoomSensitivityValue, 4200, 1080, 1335));
  for (auto* w : {p.sensitivityValue, p.zoomSensitivityValue}) addWidgetControls(rows, w, 960);
  rows.push_back(listRow("filterList", p.filterList, 4200, 1680, 1215, 360));
  rows.push_back(listRow("pitchReverseList", p.pitchReverseList, 4200, 2040, 1215, 360));
  rows.push_back(listRow("yawReverseList", p.yawReverseList, 4200, 2400, 1215, 360));
  rows.push_back(listRow("lookStrafeList", p.lookStrafeList, 4200, 2760, 1215, 360));
  rows.push_back(listRow("mouseLookList", p.mouseLookList, 4200, 3120, 1215, 360));
  checkRows(rows);
  EXPECT_TRUE(p.zoomSensitivityCaption->wordWrap());
  EXPECT_TRUE(p.mouseLookCaption->wordWrap());
}

TEST_F(LayoutTest, SoundPage) {
  clickMenu(mainWindow().soundLabel);
  pages::SoundPage& p = platform::instance<pages::SoundPage>();
  ASSERT_TRUE(p.isVisible());
  std::vector<Row> rows;
  addPageFrame(rows, p, {6330, 2910, 1560, 2340, 6300, 2880});
  rows.push_back(captionRow("volumeCaption", p.volumeCaption, 600));
  rows.push_back(captionRow("cdVolumeCaption", p.cdVolumeCaption, 960));
  rows.push_back(captionRow("hiSoundCaption", p.hiSoundCaption, 1320));
  rows.push_back(captionRow("load8bitCaption", p.load8bitCaption, 1680));
  rows.push_back(captionRow("effects3dCaption", p.effects3dCaption, 2040));
  rows.push_back(captionRow("voiceMessagesCaption", p.voiceMessagesCaption, 2400));
  rows.push_back(widgetRow("volumeValue", p.volumeValue, 4920, 600, 1455));
  rows.push_back(widgetRow("cdVolumeValue", p.cdVolumeValue, 4920, 960, 1455));
  for (auto* w : {p.volumeValue, p.cdVolumeValue}) addWidgetControls(rows, w, 960);
  rows.push_back(listRow("hiSoundList", p.hiSoundList, 4920, 1320, 1215, 360));
  rows.push_back(listRow("load8bitList", p.load8bitList, 4920, 1680, 1215, 360));
  rows.push_back(listRow("effects3dList", p.effects3dList, 4920, 2040, 1215, 360));
  rows.push_back(listRow("voiceMessagesList", p.voiceMessagesList, 4920, 2400, 1215, 360));
  checkRows(rows);
}

TEST_F(LayoutTest, PlayerPage) {
  clickMenu(mainWindow().playerLabel);
  pages::PlayerPage& p = platform::instance<pages::PlayerPage>();
  ASSERT_TRUE(p.isVisible());
  std::vector<Row> rows;
  addPageFrame(rows, p, {7170, 3030, 2160, 2535, 7140, 3000});
  rows.push_back(captionRow("bobCaption", p.bobCaption, 720));
  rows.push_back(captionRow("rightHandCaption", p.rightHandCaption, 1080));
  rows.push_back(captionRow("observerCrosshairCaption", p.observerCrosshairCaption, 1440));
  rows.push_back(captionRow("backSpeedCaption", p.backSpeedCaption, 1800));
  rows.push_back(captionRow("forwardSpeedCaption", p.forwardSpeedCaption, 2160));
  rows.push_back(captionRow("sideSpeedCaption", p.sideSpeedCaption, 2520));
  rows.push_back(listRow("bobList", p.bobList, 5760, 720, 1215, 360));
  rows.push_back(listRow("rightHandList", p.rightHandList, 5760, 1080, 1215, 360));
  rows.push_back(listRow("observerCrosshairList", p.observerCrosshairList, 5760, 1440, 1215, 360));
  rows.push_back(widgetRow("backSpeedValue", p.backSpeedValue, 5760, 1800, 1335));
  rows.push_back(widgetRow("forwardSpeedValue", p.forwardSpeedValue, 5760, 2160, 1335));
  rows.push_back(widgetRow("sideSpeedValue", p.sideSpeedValue, 5760, 2520, 1335));
  for (auto* w : {p.backSpeedValue, p.forwardSpeedValue, p.sideSpeedValue})
    addWidgetControls(rows, w, 960);
  checkRows(rows);
}

TEST_F(LayoutTest, OtherPage) {
  clickMenu(mainWindow().otherLabel);
  pages::OtherPage& p = platform::instance<pages::OtherPage>();
  ASSERT_TRUE(p.isVisible());
  std::vector<Row> rows;
  addPageFrame(rows, p, {6990, 8310, 1920, 3090, 6960, 8280});
  ASSERT_EQ(p.captions.size(), 15);
  // The third box is 45 twips wider than the face it was drawn for needs: in the
  // bundled face its first line is longer.
  const struct {
    int top, boxWidth;  // 0: one line sized to its text
  } captions[] = {{720, 0},  {1080, 0}, {1440, 4170}, {2160, 4125}, {2880, 4365},
                  {3600, 0}, {3960, 0}, {4320, 0},    {4680, 3945}, {5400, 0},
                  {5760, 0}, {6120, 0}, {6480, 0},    {6840, 0},    {7200, 0}};
  for (int i = 0; i < 15; ++i) {
    const auto& c = captions[i];
    rows.push_back(
        captionRow("captions", p.captions[i], c.top, c.boxWidth, c.boxWidth ? 705 : 345));
  }
  const QColor black = bgr(0x00000000), blue = bgr(0x00C00000);
  rows.push_back(
      {"nameBox", p.nameBox, 4920, 720, 1935, 375, black, blue, Font::Sans, 9.75, false});
  rows.push_back({"serverNameBox", p.serverNameBox, 4920, 1080, 1935, 375, black, blue, Font::Sans,
                  9.75, false});
  rows.push_back(listRow("consoleMessagesList", p.consoleMessagesList, 4920, 1560, 1215, 360));
  rows.push_back(listRow("centerIdList", p.centerIdList, 4920, 2400, 1215, 360));
  rows.push_back(widgetRow("deathNoticeTimeValue", p.deathNoticeTimeValue, 4920, 3000, 1335));
  rows.push_back(listRow("fastSwitchList", p.fastSwitchList, 4920, 3600, 1215, 360));
  rows.push_back(widgetRow("sayTextTimeValue", p.sayTextTimeValue, 4920, 3960, 1335));
  for (auto* w : {p.deathNoticeTimeValue, p.sayTextTimeValue}) addWidgetControls(rows, w, 960);
  rows.push_back(listRow("radarList", p.radarList, 4920, 4320, 1215, 360));
  rows.push_back(listRow("netGraphList", p.netGraphList, 4920, 4800, 1215, 360));
  rows.push_back(listRow("autoAimList", p.autoAimList, 4920, 5280, 1215, 360));
  rows.push_back(listRow("zoomCrosshairList", p.zoomCrosshairList, 4920, 5640, 1215, 360));
  rows.push_back(listRow("showFpsList", p.showFpsList, 4920, 6000, 1215, 360));
  rows.push_back(listRow("connectionList", p.connectionList, 4920, 6360, 1215, 360));
  rows.push_back(listRow("menuList", p.menuList, 4920, 6720, 1215, 360));

  // The colour picker and its own controls, from its top left corner.
  widgets::ColorPicker* c = p.consoleColorPicker;
  const auto letter = [c](const char* name, widgets::Caption* l, int left, int width,
                          std::uint32_t color) {
    return Row{name,       l,           left,  0,    width,        405, {},
               bgr(color), Font::Comic, 14.25, true, Width::Exact, c};
  };
  const auto spin = [c](const char* name, widgets::SpinArrows* s, int left) {
    // The arrows keep the control's default colour.
    const QColor arrowColor = systemColor(QPalette::ButtonText);
    return Row{name,       s,          left, 360,   255,          375, bgr(0x00800000),
               arrowColor, Font::None, 0,    false, Width::Exact, c};
  };
  const auto box = [c](const char* name, widgets::OneLineBox* t, int left) {
    return Row{name,          t, left,  720,          375, 285, bgr(0x00000000), bgr(0x00FFFFC0),
               Font::Default, 0, false, Width::Exact, c};
  };
  rows.push_back({"consoleColorPicker", c, 4920, 7080, 1935, 1215, bgr(0x00000000)});
  rows.push_back(letter("redLetter", c->redLetter, 30, 180, 0x000000FF));
  rows.push_back(letter("greenLetter", c->greenLetter, 460, 195, 0x00008080));
  rows.push_back(letter("blueLetter", c->blueLetter, 880, 180, 0x00FF0000));
  rows.push_back(spin("redArrows", c->redArrows, 0));
  rows.push_back(spin("greenArrows", c->greenArrows, 420));
  rows.push_back(spin("blueArrows", c->blueArrows, 840));
  rows.push_back(box("redBox", c->redBox, 0));
  rows.push_back(box("greenBox", c->greenBox, 360));
  rows.push_back(box("blueBox", c->blueBox, 760));
  rows.push_back({"swatch",
                  c->swatch,
                  1200,
                  120,
                  615,
                  855,
                  bgr(0x00EBEBEB),
                  {},
                  Font::None,
                  0,
                  false,
                  Width::Exact,
                  c});
  checkRows(rows);
}

// Which frame, and where in it, a box lies: the box rule and the groups.
struct BoxPlace {
  int frame;  // 0 to 5
  int left, top;
};
BoxPlace placeOfBox(int box) {
  int action, left;
  if (box <= 54) {
    action = box, left = 3360;
  } else if (box <= 109) {
    action = box - 55, left = 4920;
  } else if (box <= 119) {
    action = box - 55, left = 3360;
  } else {
    action = box - 65, left = 4920;
  }
  // Frame, first and last action, top to bottom.
  const int groups[6][3] = {{0, 0, 7},   {1, 8, 24},  {2, 25, 41},
                            {3, 48, 54}, {4, 42, 47}, {5, 55, 64}};
  for (const auto& g : groups) {
    if (action >= g[1] && action <= g[2]) return {g[0], left, 360 * (action - g[1])};
  }
  ADD_FAILURE() << "no group for box " << box;
  return {};
}

TEST_F(LayoutTest, ControlsPage) {
  clickMenu(mainWindow().controlsLabel);
  bindings::ControlsPage& p = platform::instance<bindings::ControlsPage>();
  ASSERT_TRUE(p.isVisible());
  checkWindow(p, 7350, 8550);
  EXPECT_TRUE(p.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(p.outline->borderWidth(), 3);
  const QColor green = bgr(0x00008000), black = bgr(0x00000000);
  const auto x = Width::Exact;
  const auto& f = p.groupFrames;
  QWidget* panel = p.rowPanel;
  // clang-format off
  std::vector<Row> rows = {
      {"outline", p.outline, 15, 15, 7320, 8520, {}, bgr(0x00C00000)},
      {"doneButton", p.doneButton, 120, 120, 615, 285, bgr(0x00FF0000), {}, Font::Comic, 9.75,
       true},
      {"actionHeader", p.actionHeader, 1080, 0, 870, 405, {}, green, Font::Comic, 14.25, true},
      {"keyHeader", p.keyHeader, 4005, 0, 510, 405, {}, green, Font::Comic, 14.25, true},
      {"alternateHeader", p.alternateHeader, 5445, 0, 1200, 405, {}, green, Font::Comic, 14.25,
       true},
      {"viewport", p.viewport, 120, 480, 6855, 7935, black, {}, Font::None, 0, false, x, &p},
      // The load puts the panel at its top.
      {"rowPanel", panel, 240, 0, 6615, 23500, black, {}, Font::None, 0, false, x, p.viewport},
      {"scrollBar", p.scrollBar, 6960, 600, 255, 7815, bgr(0x00808080), bgr(0x00404040),
       Font::None, 0, false, x, &p},
      {"groupFrames[0]", f[0], 120, 0, 6255, 2895, black, {}, Font::None, 0, false, x, panel},
      {"groupFrames[1]", f[1], 120, 2850, 6255, 6150, black, {}, Font::None, 0, false, x, panel},
      {"groupFrames[2]", f[2], 120, 9000, 6255, 6255, black, {}, Font::None, 0, false, x, panel},
      {"groupFrames[3]", f[3], 120, 15120, 6255, 2655, black, {}, Font::None, 0, false, x, panel},
      {"groupFrames[4]", f[4], 120, 17640, 6255, 2295, black, {}, Font::None, 0, false, x, panel},
      {"groupFrames[5]", f[5], 120, 19800, 6240, 3735, black, {}, Font::None, 0, false, x, panel},
  };
  // clang-format on
  EXPECT_EQ(p.scrollBar->orientation(), Qt::Vertical);
  // A sample of boxes by the box rule: both columns of every group's first and
  // last row, and the first and last box of each column.
  for (int box : {0, 55, 7, 62, 8, 24, 25, 41, 42, 47, 48, 54, 109, 110, 119, 120, 129}) {
    const BoxPlace at = placeOfBox(box);
    rows.push_back({"keyBoxes", p.keyBoxes[box], at.left, at.top, 1185, 405, bgr(0x00FFC0C0),
                    bgr(0x000000C0), Font::Comic, 9.75, true, x, f[at.frame]});
    rows.push_back({"armTargets",
                    p.armTargets[box],
                    at.left,
                    at.top,
                    1185,
                    375,
                    {},
                    {},
                    Font::None,
                    0,
                    false,
                    x,
                    f[at.frame]});
    EXPECT_TRUE(p.armTargets[box]->text().isEmpty());
  }
  checkRows(rows);
  // Every caption: Left 0, Top 360 x its row in its frame, shown orange.
  for (int action = 0; action < 65; ++action) {
    SCOPED_TRACE(action);
    const BoxPlace at = placeOfBox(action <= 54 ? action : action + 55);
    widgets::Caption* caption = p.actionCaptions[std::size_t(action)];
    EXPECT_EQ(caption->parentWidget(), f[at.frame]);
    EXPECT_EQ(caption->pos(), QPoint(0, px(at.top)));
    EXPECT_EQ(foreOf(caption), bgr(0x000080FF));
    // It ends before its primary box.
    EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), px(3360));
  }
}

TEST_F(LayoutTest, WeaponsWindow) {
  clickMenu(mainWindow().purchaseLabel);
  purchase::WeaponsWindow& w = platform::instance<purchase::WeaponsWindow>();
  ASSERT_TRUE(w.isVisible());
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.geometry(), pxRect(120, 75, 6195, 6465));  // not centred
  EXPECT_EQ(w.palette().color(QPalette::Window), bgr(0x00000000));
  const QColor black = bgr(0x00000000);
  const auto x = Width::Exact;
  std::vector<Row> rows = {
      {"classFrame(1)", w.classFrame(1), 0, 0, 6200, 2980, black, {}, Font::None, 0, false, x, &w},
      {"classFrame(2)", w.classFrame(2), 0, 0, 3100, 1990, black, {}, Font::None, 0, false, x, &w},
      {"classFrame(3)", w.classFrame(3), 0, 0, 6200, 2980, black, {}, Font::None, 0, false, x, &w},
      {"classFrame(4)", w.classFrame(4), 0, 0, 6200, 3980, black, {}, Font::None, 0, false, x, &w},
      {"classFrame(5)", w.classFrame(5), 0, 0, 3105, 1005, black, {}, Font::None, 0, false, x, &w},
      {"classFrame(6)", w.classFrame(6), 0, 0, 6200, 3980, black, {}, Font::None, 0, false, x, &w},
      {"optionsPanel", w.optionsPanel, 0, 4000, 1800, 2460, black, {}, Font::None, 0, false, x, &w},
      // clang-format off
      {"titleCaption", w.titleCaption, 2040, 4440, 3750, 1230, {}, bgr(0x00C00000), Font::Comic, 44.25, true},
      {"doneButton", w.doneButton, 5445, 6160, 735, 285, bgr(0x00FF0000), {}, Font::Comic, 9.75, true},
      // clang-format on
  };
  // The options stand edge to edge: each from its own top to the next one's,
  // so 410 twips (27 1/3 pixels) come out as 27 or 28 pixels with no gap.
  for (int k = 1; k <= 6; ++k) {
    const int top = 410 * (k - 1);
    rows.push_back({"classOption", w.classOption(k), 0, top, 1800, 410, bgr(0x00C0C0C0),
                    systemColor(QPalette::WindowText), Font::Comic, 9, true, x, w.optionsPanel});
    rows.back().height = (px(top + 410) - px(top)) * 15;
  }
  // Cells: column c, row r of its class frame.
  const struct {
    int picture, frame, column, row;
  } cells[] = {{1, 1, 0, 0},  {2, 1, 0, 1},  {3, 1, 0, 2},  {4, 1, 1, 0},  {5, 1, 1, 1},
               {6, 1, 1, 2},  {7, 2, 0, 0},  {8, 2, 0, 1},  {9, 3, 0, 0},  {10, 3, 0, 1},
               {11, 3, 0, 2}, {12, 3, 1, 0}, {13, 3, 1, 1}, {14, 4, 0, 0}, {15, 4, 0, 1},
               {16, 4, 0, 2}, {17, 4, 0, 3}, {18, 4, 1, 0}, {19, 4, 1, 1}, {20, 4, 1, 2},
               {21, 4, 1, 3}, {22, 5, 0, 0}, {23, 6, 0, 0}, {24, 6, 1, 0}, {25, 6, 0, 1},
               {26, 6, 0, 2}, {27, 6, 0, 3}, {28, 6, 1, 1}, {29, 6, 1, 2}, {30, 6, 1, 3}};
  for (const auto& c : cells) {
    rows.push_back({"weaponPicture",
                    w.weaponPicture(c.picture),
                    3096 * c.column,
                    990 * c.row,
                    3105,
                    1005,
                    {},
                    {},
                    Font::None,
                    0,
                    false,
                    x,
                    w.classFrame(c.frame)});
  }
  checkRows(rows);
}

TEST_F(LayoutTest, KeyboardWindow) {
  clickMenu(mainWindow().purchaseLabel);
  purchase::KeyboardWindow& k = platform::instance<purchase::KeyboardWindow>();
  ASSERT_TRUE(k.isVisible());
  EXPECT_TRUE(k.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(k.geometry(), pxRect(6330, 75, 6570, 8430));  // just right of the weapons window
  EXPECT_EQ(k.palette().color(QPalette::Window), bgr(0x00000000));
  EXPECT_EQ(k.outline->borderWidth(), 3);
  const QColor red = bgr(0x000000FF);
  const auto x = Width::Exact;
  std::vector<Row> rows = {
      {"outline", k.outline, 15, 15, 6540, 8400, {}, bgr(0x00C00000)},
      {"keyCaption", k.keyCaption, 600, 0, 525, 345, {}, bgr(0x00C00000), Font::Comic, 12, true},
      // The list keeps the platform's default look.
      {"keyList", k.keyList, 120, 360, 1455, 315, {}, {}, Font::Default},
      {"addKeyButton", k.addKeyButton, 1680, 360, 975, 315, red, {}, Font::Comic, 9.75, true},
      {"writeButton", k.writeButton, 5280, 360, 1095, 345, red, {}, Font::Comic, 12, false},
      {"doneButton",
       k.doneButton,
       5910,
       50,
       615,
       285,
       bgr(0x00FF0000),
       {},
       Font::Comic,
       9.75,
       true},
  };
  for (int i = 0; i < 14; ++i) {
    rows.push_back({"keySlot",
                    k.keySlots[std::size_t(i)],
                    i < 7 ? 120 : 3300,
                    720 + 1080 * (i % 7),
                    3135,
                    1035,
                    bgr(0x00808080),
                    {},
                    Font::None,
                    0,
                    false,
                    x,
                    &k});
  }
  checkRows(rows);
}

}  // namespace
