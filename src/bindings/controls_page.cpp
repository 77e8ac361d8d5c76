#include "bindings/controls_page.h"

#include <QPalette>

#include "bindings/key_names.h"
#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/units.h"
#include "shell/page_look.h"
#include "shell/page_protocol.h"
#include "shell/sound_cues.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace bindings {
namespace {

// Where the controls sit, in twips.
constexpr int kPageWidth = 7350, kPageHeight = 8550;
constexpr twips::Rect kOutline{15, 15, 7320, 8520};
constexpr twips::Rect kDoneButton{120, 120, 615, 285};
constexpr twips::Rect kActionHeader{1080, 0, 870, 405};
constexpr twips::Rect kKeyHeader{4005, 0, 510, 405};
constexpr twips::Rect kAlternateHeader{5445, 0, 1200, 405};
constexpr twips::Rect kViewport{120, 480, 6855, 7935};
constexpr twips::Rect kRowPanel{240, 0, 6615, 23500};  // in the viewport
constexpr twips::Rect kScrollBar{6960, 600, 255, 7815};
// Each group frame lies on the panel at this left, its top and size from kActionGroups.
constexpr int kFrameLeft = 120;
// In a group frame, the first row; every further row lies kRowPitch lower.
constexpr int kRowPitch = 360;
constexpr twips::Rect kActionCaption{0, 0, 3360, 375};
constexpr twips::Rect kPrimaryBox{3360, 0, 1185, 405};
constexpr twips::Rect kAlternateBox{4920, 0, 1185, 405};
constexpr twips::Rect kPrimaryTarget{3360, 0, 1185, 375};
constexpr twips::Rect kAlternateTarget{4920, 0, 1185, 375};

constexpr twips::Rect inRow(const twips::Rect& first, int row) {
  return {first.left, first.top + kRowPitch * row, first.width, first.height};
}

widgets::Caption* makeHeader(QWidget* parent, const QString& text, const twips::Rect& place) {
  auto* header = new widgets::Caption(parent, text, palette::kGreen, fonts::comicFont(14.25, true));
  twips::place(header, place);
  return header;
}

}  // namespace

ControlsPage::ControlsPage() : platform::AppWindow(StartUpPosition::CenterScreen) {
  // No title bar, no border: the page closes only through "Done".
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::twipsToPixels(kPageWidth), platform::twipsToPixels(kPageHeight));
  platform::setBackColor(this, palette::kBlack);

  outline = shell::makeOutline(this, kOutline.width, kOutline.height);

  actionHeader = makeHeader(this, QStringLiteral("Action"), kActionHeader);
  keyHeader = makeHeader(this, QStringLiteral("Key"), kKeyHeader);
  alternateHeader = makeHeader(this, QStringLiteral("Altenate"), kAlternateHeader);

  viewport = new widgets::PictureBox(this, palette::kBlack);
  twips::place(viewport, kViewport);
  rowPanel = new widgets::PictureBox(viewport, palette::kBlack);
  twips::place(rowPanel, kRowPanel);

  for (int g = 0; g < int(groupFrames.size()); ++g) {
    const ActionGroup& group = kActionGroups[g];
    groupFrames[g] = new widgets::Panel(rowPanel, palette::kBlack);
    twips::place(groupFrames[g], {kFrameLeft, group.top, group.width, group.height});
  }

  for (int action = 0; action < kActionCount; ++action) {
    // Black until the page loads, then orange.
    actionCaptions[action] = new widgets::Caption(groupFrames[groupOfAction(action)],
                                                  QString::fromUtf16(kBindActions[action].caption),
                                                  palette::kBlack, fonts::comicFont(9.75, true));
    twips::place(actionCaptions[action], inRow(kActionCaption, rowOfAction(action)));
  }

  auto isPrimary = [](int box) { return primaryBox(actionOfBox(box)) == box; };
  auto rowOfBox = [](int box) { return rowOfAction(actionOfBox(box)); };
  auto frameOfBox = [this](int box) { return groupFrames[groupOfAction(actionOfBox(box))]; };
  // Every arm target first, so that every box lies above them.
  for (int box = 0; box < kBoxCount; ++box) {
    auto* target = new DoubleClickTarget(frameOfBox(box), fonts::comicFont(9.75));
    twips::place(target, inRow(isPrimary(box) ? kPrimaryTarget : kAlternateTarget, rowOfBox(box)));
    armTargets[box] = target;
    connect(target, &DoubleClickTarget::doubleClicked, this, [this, box] { armBox(box); });
  }
  for (int box = 0; box < kBoxCount; ++box) {
    auto* keyBox = new KeyCaptureBox(frameOfBox(box), palette::kLavender, palette::kDarkRed,
                                     fonts::comicFont(9.75, true));
    twips::place(keyBox, inRow(isPrimary(box) ? kPrimaryBox : kAlternateBox, rowOfBox(box)));
    keyBox->setLocked(true);
    keyBox->setCapturing(false);
    keyBoxes[box] = keyBox;
    connect(keyBox, &KeyCaptureBox::keyPressed, this,
            [this, box](int code) { captureKey(box, code); });
    connect(keyBox, &KeyCaptureBox::keyReleased, this, [this, box](int) { endCapture(box); });
    connect(keyBox, &KeyCaptureBox::mousePressed, this,
            [this, box](Qt::MouseButton button) { captureMouseButton(box, button); });
    connect(keyBox, &widgets::OneLineBox::changed, this, [this, box] { onBoxTextChanged(box); });
    connect(keyBox, &KeyCaptureBox::focusLost, this, [this, box] { disarmBox(box); });
  }

  scrollBar = new QScrollBar(Qt::Vertical, this);
  twips::place(scrollBar, kScrollBar);
  scrollBar->setRange(0, 0);
  scrollBar->setSingleStep(1);
  scrollBar->setPageStep(1);
  // The panel follows the thumb once it is let go, not while it is dragged.
  scrollBar->setTracking(false);
  // A click on the bar takes the focus, as it takes it from a key box.
  scrollBar->setFocusPolicy(Qt::StrongFocus);
  QPalette barColors = scrollBar->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (auto role : {QPalette::Button, QPalette::Window, QPalette::Base}) {
      barColors.setColor(group, role, platform::bgrColor(palette::kGrey));
    }
    for (auto role : {QPalette::ButtonText, QPalette::WindowText}) {
      barColors.setColor(group, role, platform::bgrColor(palette::kDarkGrey));
    }
  }
  scrollBar->setPalette(barColors);
  connect(scrollBar, &QScrollBar::valueChanged, this, &ControlsPage::scrollPanel);

  doneButton = shell::makeDoneButton(this, kDoneButton.left, kDoneButton.top, kDoneButton.width,
                                     kDoneButton.height);
  connect(doneButton, &QPushButton::clicked, this, &ControlsPage::onDoneClicked);
}

ControlsPage::~ControlsPage() {
  // Taking the window down moves the focus off a box; this page is gone by then.
  for (KeyCaptureBox* keyBox : keyBoxes) keyBox->disconnect(this);
}

void ControlsPage::onLoad() {
  rowPanel->move(rowPanel->x(), 0);
  // The panel's last row comes into view at the end of the bar.
  scrollBar->setMaximum(kRowPanel.height - kScrollBar.height);
  scrollBar->setPageStep(1000);
  scrollBar->setSingleStep(500);
  for (widgets::Caption* caption : actionCaptions) caption->setForeColor(palette::kOrange);
  for (KeyCaptureBox* keyBox : keyBoxes) {
    keyBox->setAlignment(Qt::AlignCenter);
    // Out of the tab order; a click or an arming still gives it the focus.
    keyBox->setFocusPolicy(Qt::ClickFocus);
  }
}

void ControlsPage::scrollPanel() {
  rowPanel->move(rowPanel->x(), platform::twipsToPixels(-scrollBar->value()));
}

void ControlsPage::armBox(int box) {
  KeyCaptureBox* keyBox = keyBoxes[box];
  keyBox->setCapturing(true);
  keyBox->showText(QString());
  keyBox->setBackColor(palette::kLightOrange);
  keyBox->setFocus(Qt::OtherFocusReason);
  shell::playCue(shell::ArmCue);
}

void ControlsPage::captureKey(int box, int keyCode) {
  keyBoxes[box]->showText(keyDisplayName(keyCode));
}

void ControlsPage::captureMouseButton(int box, Qt::MouseButton button) {
  const QString name = mouseButtonName(button);
  if (!name.isEmpty()) keyBoxes[box]->showText(name);
}

void ControlsPage::onBoxTextChanged(int box) {
  const QString text = keyBoxes[box]->text();
  if (isCaptureEndingName(text)) {
    keyBoxes[box]->setCapturing(false);
    shell::playCue(shell::DisarmCue);
  }
  // One name, one box: the box that held it before loses it.
  if (text.isEmpty()) return;
  for (int other = 0; other < kBoxCount; ++other) {
    if (other != box && keyBoxes[other]->text() == text) keyBoxes[other]->showText(QString());
  }
}

void ControlsPage::endCapture(int box) {
  keyBoxes[box]->setCapturing(false);
  shell::playCue(shell::DisarmCue);
}

void ControlsPage::disarmBox(int box) {
  keyBoxes[box]->setCapturing(false);
  keyBoxes[box]->setBackColor(palette::kLavender);
  shell::playCue(shell::DisarmCue);
}

void ControlsPage::onDoneClicked() {
  shell::completePage(shell::MenuPage::Controls, [this] { platform::unloadWindow(*this); });
}

void ControlsPage::onUnload() {
  std::array<QString, kBoxCount> texts;
  for (int box = 0; box < kBoxCount; ++box) texts[box] = keyBoxes[box]->text();
  config::writeLines(config::section(u"Commands", commandsSection(texts)));
}

}  // namespace bindings
