#include "bindings/controls_page.h"

#include <QPalette>

#include "bindings/key_names.h"
#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/units.h"
#include "shell/page_look.h"
#include "shell/page_protocol.h"
#include "shell/sound_cues.h"

namespace bindings {
namespace {

constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kGreen = 0x00008000;
constexpr std::uint32_t kOrange = 0x000080FF;
constexpr std::uint32_t kBoxText = 0x000000C0;
constexpr std::uint32_t kScrollGrey = 0x00808080;
constexpr std::uint32_t kScrollArrows = 0x00404040;

constexpr int kPageWidth = 7350, kPageHeight = 8550;
constexpr int kPanelLeft = 240, kPanelWidth = 6615, kPanelHeight = 23500;
constexpr int kBarHeight = 7815;
constexpr int kFrameLeft = 120;
constexpr int kRowPitch = 360;
constexpr int kPrimaryLeft = 3360, kAlternateLeft = 4920;
constexpr int kBoxWidth = 1185, kBoxHeight = 405, kTargetHeight = 375;

QFont Comic(double points, bool bold = false) { return shell::ComicFont(points, bold); }

platform::Label* Header(QWidget* parent, const QString& text, int left, int width) {
  auto* label = new platform::Label(parent, text, kGreen, Comic(14.25, true));
  platform::PlaceTwips(label, left, 0, width, 405);
  return label;
}

}  // namespace

ControlsPage::ControlsPage() : platform::Form(StartUpPosition::CenterScreen) {
  // No title bar, no border: the page closes only through "Done".
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::TwipsToPixels(kPageWidth), platform::TwipsToPixels(kPageHeight));
  platform::SetBackColor(this, kBlack);

  Shape1 = shell::MakeOutline(this, 7320, 8520);

  Label10 = Header(this, QStringLiteral("Action"), 1080, 870);
  Label2 = Header(this, QStringLiteral("Key"), 4005, 510);
  Label3 = Header(this, QStringLiteral("Altenate"), 5445, 1200);

  Picture1 = new platform::PictureBox(this, kBlack);
  platform::PlaceTwips(Picture1, 120, 480, 6855, 7935);
  img = new platform::PictureBox(Picture1, kBlack);
  platform::PlaceTwips(img, kPanelLeft, 0, kPanelWidth, kPanelHeight);

  std::array<platform::Panel*, 6> frames;
  for (int g = 0; g < int(frames.size()); ++g) {
    const ActionGroup& group = kActionGroups[g];
    frames[g] = new platform::Panel(img, kBlack);
    platform::PlaceTwips(frames[g], kFrameLeft, group.top, group.width, group.height);
  }
  Frame1 = frames[0], Frame2 = frames[1], Frame3 = frames[2];
  Frame4 = frames[3], Frame5 = frames[4], Frame6 = frames[5];

  for (int action = 0; action < kActionCount; ++action) {
    // Stored black; the load shows them orange.
    KeyLab[action] = new platform::Label(frames[groupOfAction(action)],
                                         QString::fromUtf16(kBindActions[action].caption), kBlack,
                                         Comic(9.75, true));
    platform::PlaceTwips(KeyLab[action], 0, kRowPitch * rowOfAction(action), kPrimaryLeft,
                         kTargetHeight);
  }

  auto boxPlace = [](int box) {
    const int action = actionOfBox(box);
    const int left = primaryBox(action) == box ? kPrimaryLeft : kAlternateLeft;
    return std::pair{left, kRowPitch * rowOfAction(action)};
  };
  auto frameOfBox = [&frames](int box) { return frames[groupOfAction(actionOfBox(box))]; };
  // Every target label first, so that every box lies above them.
  for (int i = 0; i < kBoxCount; ++i) {
    const auto [left, top] = boxPlace(i);
    Label1[i] = new DoubleClickTarget(frameOfBox(i), Comic(9.75));
    platform::PlaceTwips(Label1[i], left, top, kBoxWidth, kTargetHeight);
    connect(Label1[i], &DoubleClickTarget::doubleClicked, this, [this, i] { Label1_DblClick(i); });
  }
  for (int i = 0; i < kBoxCount; ++i) {
    const auto [left, top] = boxPlace(i);
    auto* box = new KeyCaptureBox(frameOfBox(i), kIdleBack, kBoxText, Comic(9.75, true));
    platform::PlaceTwips(box, left, top, kBoxWidth, kBoxHeight);
    box->SetLocked(true);
    box->setCapturing(false);
    Text1[i] = box;
    connect(box, &KeyCaptureBox::keyPressed, this, [this, i](int code) { Text1_KeyDown(i, code); });
    connect(box, &KeyCaptureBox::keyReleased, this, [this, i](int) { Text1_KeyUp(i); });
    connect(box, &KeyCaptureBox::mousePressed, this,
            [this, i](Qt::MouseButton b) { Text1_MouseDown(i, b); });
    connect(box, &platform::TextBox::Change, this, [this, i] { Text1_Change(i); });
    connect(box, &KeyCaptureBox::focusLost, this, [this, i] { Text1_LostFocus(i); });
  }

  V = new QScrollBar(Qt::Vertical, this);
  platform::PlaceTwips(V, 6960, 600, 255, kBarHeight);
  V->setRange(0, 0);
  V->setSingleStep(1);
  V->setPageStep(1);
  // The panel follows the thumb once it is let go, not while it is dragged.
  V->setTracking(false);
  // A click on the bar takes the focus, as it takes it from a key box.
  V->setFocusPolicy(Qt::StrongFocus);
  QPalette barColors = V->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (auto role : {QPalette::Button, QPalette::Window, QPalette::Base}) {
      barColors.setColor(group, role, platform::BgrColor(kScrollGrey));
    }
    for (auto role : {QPalette::ButtonText, QPalette::WindowText}) {
      barColors.setColor(group, role, platform::BgrColor(kScrollArrows));
    }
  }
  V->setPalette(barColors);
  connect(V, &QScrollBar::valueChanged, this, &ControlsPage::V_Change);

  Command2 = shell::MakeDoneButton(this, 120, 120, 615, 285);
  connect(Command2, &QPushButton::clicked, this, &ControlsPage::Command2_Click);
}

ControlsPage::~ControlsPage() {
  // Taking the window down moves the focus off a box; this page is gone by then.
  for (KeyCaptureBox* box : Text1) box->disconnect(this);
}

void ControlsPage::Form_Load() {
  img->move(img->x(), 0);
  V->setMaximum(kPanelHeight - kBarHeight);
  V->setPageStep(1000);
  V->setSingleStep(500);
  for (platform::Label* caption : KeyLab) caption->SetForeColor(kOrange);
  for (KeyCaptureBox* box : Text1) {
    box->setAlignment(Qt::AlignCenter);
    // Out of the tab order; a click or an arming still gives it the focus.
    box->setFocusPolicy(Qt::ClickFocus);
  }
}

void ControlsPage::V_Change() { img->move(img->x(), platform::TwipsToPixels(-V->value())); }

void ControlsPage::Label1_DblClick(int index) {
  KeyCaptureBox* box = Text1[index];
  box->setCapturing(true);
  box->SetText(QString());
  box->setBackColor(kArmedBack);
  box->setFocus(Qt::OtherFocusReason);
  shell::PlayClick(shell::ArmSound);
}

void ControlsPage::Text1_KeyDown(int index, int keyCode) {
  Text1[index]->SetText(keyDisplayName(keyCode));
}

void ControlsPage::Text1_MouseDown(int index, Qt::MouseButton button) {
  const QString name = mouseButtonName(button);
  if (!name.isEmpty()) Text1[index]->SetText(name);
}

void ControlsPage::Text1_Change(int index) {
  const QString text = Text1[index]->Text();
  if (isCaptureEndingName(text)) {
    Text1[index]->setCapturing(false);
    shell::PlayClick(shell::DisarmSound);
  }
  // One name, one box: the box that held it before loses it.
  if (text.isEmpty()) return;
  for (int j = 0; j < kBoxCount; ++j) {
    if (j != index && Text1[j]->Text() == text) Text1[j]->SetText(QString());
  }
}

void ControlsPage::Text1_KeyUp(int index) {
  Text1[index]->setCapturing(false);
  shell::PlayClick(shell::DisarmSound);
}

void ControlsPage::Text1_LostFocus(int index) {
  Text1[index]->setCapturing(false);
  Text1[index]->setBackColor(kIdleBack);
  shell::PlayClick(shell::DisarmSound);
}

void ControlsPage::Command2_Click() {
  shell::CompletePage(shell::MenuPage::Controls, [this] { platform::Unload(*this); });
}

void ControlsPage::Form_Unload() {
  std::array<QString, kBoxCount> texts;
  for (int i = 0; i < kBoxCount; ++i) texts[i] = Text1[i]->Text();
  config::WriteLines(config::Section(u"Commands", commandsSection(texts)));
}

}  // namespace bindings
