#include "purchase/keyboard_window.h"

#include <algorithm>

#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "purchase/purchase_page.h"
#include "purchase/weapon_table.h"
#include "shell/page_look.h"
#include "shell/sound_cues.h"

namespace purchase {
namespace {

constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlue = 0x00C00000;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kSlotGrey = 0x00808080;

QFont Comic(double points, bool bold) { return shell::ComicFont(points, bold); }

// Only a weapon of the weapons window brings one of the weapons' texts and a
// picture; anything else would reach the bind line as it stands.
bool IsWeaponDrop(const platform::DataObject& dragged) {
  return dragged.GetFormat(platform::kFormatText) && dragged.GetFormat(platform::kFormatBitmap) &&
         IsWeaponDragText(dragged.GetData(platform::kFormatText).toString());
}

}  // namespace

KeyboardWindow::KeyboardWindow() : platform::Form(StartUpPosition::Manual) {
  setWindowTitle(QStringLiteral("KeyBoard"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::TwipsToPixels(6570), platform::TwipsToPixels(8430));
  move(platform::TwipsToPixels(6330), platform::TwipsToPixels(75));
  platform::SetBackColor(this, kBlack);

  Shape1 = shell::makeOutline(this, 6540, 8400);

  Label1 = new platform::Label(this, QStringLiteral("Key:"), kBlue, Comic(12, true));
  platform::PlaceTwips(Label1, 600, 0, 525, 345);

  // The list keeps the look of an ordinary drop-down list.
  List = new platform::ComboBox(this, kWhite, kBlack, QFont());
  platform::PlaceTwips(List, 120, 360, 1455, 315);

  Command3 = new platform::CommandButton(this, QStringLiteral("Добавить"), kRed, Comic(9.75, true));
  platform::PlaceTwips(Command3, 1680, 360, 975, 315);
  Command1 = new platform::CommandButton(this, QStringLiteral("Запись "), kRed, Comic(12, false));
  platform::PlaceTwips(Command1, 5280, 360, 1095, 345);
  Command2 = shell::makeDoneButton(this, 5910, 50, 615, 285);
  connect(Command1, &QPushButton::clicked, this, &KeyboardWindow::Command1_Click);
  connect(Command3, &QPushButton::clicked, this, &KeyboardWindow::Command3_Click);
  connect(Command2, &QPushButton::clicked, this, &KeyboardWindow::Command2_Click);

  for (int i = 0; i < kKeySlots; ++i) {
    auto* slot = new platform::DropPicture(this, kSlotGrey);
    const int left = i < 7 ? 120 : 3300;
    platform::PlaceTwips(slot, left, 720 + 1080 * (i % 7), 3135, 1035);
    connect(slot, &platform::DropPicture::OLEDragOver, this,
            [this, i](const platform::DataObject& dragged, int& effect) {
              Key_OLEDragOver(i, dragged, effect);
            });
    connect(slot, &platform::DropPicture::OLEDragDrop, this,
            [this, i](const platform::DataObject& dragged, int& effect) {
              Key_OLEDragDrop(i, dragged, effect);
            });
    connect(slot, &platform::DropPicture::Click, this, [this, i] { Key_Click(i); });
    slot->setEnabled(false);  // no key is chosen yet; Timer2 keeps them in step from now on
    Key[std::size_t(i)] = slot;
  }

  Timer1 = new platform::Timer(this, 1);
  Timer2 = new platform::Timer(this, 1);
  connect(Timer1, &platform::Timer::Tick, this, &KeyboardWindow::Timer1_Timer);
  connect(Timer2, &platform::Timer::Tick, this, &KeyboardWindow::Timer2_Timer);
}

void KeyboardWindow::Form_Load() {
  config::writeLines(config::section(u"Buy Weapons", {}));
  Command1->setEnabled(false);
  for (const QString& name : KeyNameList()) List->AddItem(name);
  List->SetListIndex(-1);
}

void KeyboardWindow::Key_OLEDragOver(int, const platform::DataObject& dragged, int& effect) {
  if (!IsWeaponDrop(dragged)) effect = platform::kDropEffectNone;
}

void KeyboardWindow::Key_OLEDragDrop(int index, const platform::DataObject& dragged, int& effect) {
  // Anything but a weapon leaves the slot as it was.
  if (!IsWeaponDrop(dragged)) {
    effect = platform::kDropEffectNone;
    return;
  }
  effect = platform::kDropEffectMove;
  BoundKeyName = config::quote() + List->List(List->ListIndex()) + config::quote();
  Key[std::size_t(index)]->SetPicture(dragged.GetData(platform::kFormatBitmap).value<QImage>());
  SlotTexts[std::size_t(index)] = dragged.GetData(platform::kFormatText).toString();
}

void KeyboardWindow::Key_Click(int index) {
  SlotTexts[std::size_t(index)].clear();
  Key[std::size_t(index)]->SetPicture(QImage());
}

bool KeyboardWindow::WriteAllowed() const {
  const bool anyPicture = std::any_of(Key.begin(), Key.end(),
                                      [](const auto* slot) { return !slot->Picture().isNull(); });
  return anyPicture && List->ListIndex() != -1;
}

void KeyboardWindow::Timer1_Timer() { Command1->setEnabled(WriteAllowed()); }

void KeyboardWindow::Timer2_Timer() {
  const bool keyChosen = List->ListIndex() != -1;
  for (auto* slot : Key) slot->setEnabled(keyChosen);
}

void KeyboardWindow::Command1_Click() {
  // Timer1 disables Write only at its next tick: a second press before it
  // would write a line that undoes the first one's purchases.
  if (!WriteAllowed()) return;
  for (auto* slot : Key) slot->SetPicture(QImage());
  const int index = List->ListIndex();
  List->SetListIndex(index == List->ListCount() - 1 ? 0 : index + 1);
  config::writeLines({BuyBindLine(BoundKeyName, SlotTexts)});
  for (QString& text : SlotTexts) text.clear();
}

void KeyboardWindow::Command3_Click() {
  const QString answer = platform::InputBox(QStringLiteral("New key"), QString());
  const auto characters = answer.toUcs4().size();
  if (characters > 1) {
    shell::playCue(shell::RefuseCue);
  } else if (characters == 1) {
    List->AddItem(answer);
  }
  // An empty answer (typed, or a cancelled box) adds nothing: a line for an
  // empty key would bind nothing the console accepts.
}

void KeyboardWindow::Command2_Click() { CompletePurchasePage(); }

}  // namespace purchase
