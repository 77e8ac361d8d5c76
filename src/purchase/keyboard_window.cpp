#include "purchase/keyboard_window.h"

#include <algorithm>

#include "config/config_file.h"
#include "config/config_text.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "purchase/purchase_page.h"
#include "shell/page_look.h"
#include "shell/sound_cues.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace purchase {
namespace {

// clang-format off
constexpr twips::Rect kWindow       {6330, 75,  6570, 8430};
constexpr int kOutlineWidth = 6540;   // inset 15 twips all round
constexpr int kOutlineHeight = 8400;
constexpr twips::Rect kKeyCaption   {600,  0,   525,  345};
constexpr twips::Rect kKeyList      {120,  360, 1455, 315};
constexpr twips::Rect kAddKeyButton {1680, 360, 975,  315};
constexpr twips::Rect kWriteButton  {5280, 360, 1095, 345};
constexpr twips::Rect kDone         {5910, 50,  615,  285};
// The key slots: two columns of seven, the first slot at the top left.
constexpr int kSlotColumnLefts[] = {120, 3300};
constexpr int kSlotsTop = 720;
constexpr int kSlotTopStep = 1080;
constexpr int kSlotWidth = 3135;
constexpr int kSlotHeight = 1035;
constexpr int kSlotsPerColumn = 7;
// clang-format on

constexpr twips::Rect slotPlace(int slot) {
  return {kSlotColumnLefts[slot / kSlotsPerColumn],
          kSlotsTop + kSlotTopStep * (slot % kSlotsPerColumn), kSlotWidth, kSlotHeight};
}

}  // namespace

KeyboardWindow::KeyboardWindow() : platform::AppWindow(StartUpPosition::Manual) {
  setWindowTitle(QStringLiteral("KeyBoard"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::twipsToPixels(kWindow.width), platform::twipsToPixels(kWindow.height));
  move(platform::twipsToPixels(kWindow.left), platform::twipsToPixels(kWindow.top));
  platform::setBackColor(this, palette::kBlack);

  outline = shell::makeOutline(this, kOutlineWidth, kOutlineHeight);

  keyCaption = new widgets::Caption(this, QStringLiteral("Key:"), palette::kDarkBlue,
                                    fonts::comicFont(12, true));
  twips::place(keyCaption, kKeyCaption);

  // The list keeps the look of an ordinary drop-down list: the default font.
  keyList = new widgets::DropDownList(this, palette::kWhite, palette::kBlack, QFont());
  twips::place(keyList, kKeyList);

  addKeyButton = new widgets::ColoredButton(this, QStringLiteral("Добавить"), palette::kRed,
                                            fonts::comicFont(9.75, true));
  twips::place(addKeyButton, kAddKeyButton);
  writeButton = new widgets::ColoredButton(this, QStringLiteral("Запись "), palette::kRed,
                                           fonts::comicFont(12, false));
  twips::place(writeButton, kWriteButton);
  doneButton = shell::makeDoneButton(this, kDone.left, kDone.top, kDone.width, kDone.height);
  connect(writeButton, &QPushButton::clicked, this, &KeyboardWindow::onWriteClicked);
  connect(addKeyButton, &QPushButton::clicked, this, &KeyboardWindow::onAddKeyClicked);
  connect(doneButton, &QPushButton::clicked, this, &KeyboardWindow::onDoneClicked);

  for (int i = 0; i < kKeySlots; ++i) {
    auto* slot = new WeaponSlot(this, palette::kGrey);
    twips::place(slot, slotPlace(i));
    connect(slot, &WeaponSlot::dropped, this,
            [this, i](const QString& dragText, const QImage& picture) {
              onWeaponDropped(i, dragText, picture);
            });
    connect(slot, &WeaponSlot::clicked, this, [this, i] { onSlotClicked(i); });
    slot->setEnabled(
        false);  // no key is chosen yet; the slots timer keeps them in step from now on
    keySlots[std::size_t(i)] = slot;
  }

  writeButtonTimer = new QTimer(this);
  slotsTimer = new QTimer(this);
  for (QTimer* timer : {writeButtonTimer, slotsTimer}) {
    timer->setTimerType(Qt::PreciseTimer);
    timer->start(1);
  }
  connect(writeButtonTimer, &QTimer::timeout, this, &KeyboardWindow::updateWriteButton);
  connect(slotsTimer, &QTimer::timeout, this, &KeyboardWindow::updateSlots);
}

void KeyboardWindow::onLoad() {
  config::writeLines(config::section(u"Buy Weapons", {}));
  writeButton->setEnabled(false);
  for (const QString& name : keyNames()) keyList->addItem(name);
  keyList->setCurrentIndex(-1);
}

void KeyboardWindow::onWeaponDropped(int slot, const QString& dragText, const QImage& picture) {
  boundKeyName = config::quote() + keyList->itemText(keyList->currentIndex()) + config::quote();
  keySlots[std::size_t(slot)]->setPicture(picture);
  slotTexts[std::size_t(slot)] = dragText;
}

void KeyboardWindow::onSlotClicked(int slot) {
  slotTexts[std::size_t(slot)].clear();
  keySlots[std::size_t(slot)]->setPicture(QImage());
}

bool KeyboardWindow::writeAllowed() const {
  const bool anyPicture = std::any_of(keySlots.begin(), keySlots.end(),
                                      [](const auto* slot) { return !slot->picture().isNull(); });
  return anyPicture && keyList->currentIndex() != -1;
}

void KeyboardWindow::updateWriteButton() { writeButton->setEnabled(writeAllowed()); }

void KeyboardWindow::updateSlots() {
  const bool keyChosen = keyList->currentIndex() != -1;
  for (auto* slot : keySlots) slot->setEnabled(keyChosen);
}

void KeyboardWindow::onWriteClicked() {
  // The timer disables Write only at its next tick: a second press before it
  // would write a line that undoes the first one's purchases.
  if (!writeAllowed()) return;
  for (auto* slot : keySlots) slot->setPicture(QImage());
  const int index = keyList->currentIndex();
  keyList->setCurrentIndex(index == keyList->count() - 1 ? 0 : index + 1);
  config::writeLines({buyBindLine(boundKeyName, slotTexts)});
  for (QString& text : slotTexts) text.clear();
}

void KeyboardWindow::onAddKeyClicked() {
  const QString answer = platform::askText(QStringLiteral("New key"), QString());
  const auto characters = answer.toUcs4().size();
  if (characters > 1) {
    shell::playCue(shell::RefuseCue);
  } else if (characters == 1) {
    keyList->addItem(answer);
  }
  // An empty answer (typed, or a cancelled box) adds nothing: a line for an
  // empty key would bind nothing the console accepts.
}

void KeyboardWindow::onDoneClicked() { completePurchasePage(); }

}  // namespace purchase
