#include "purchase/weapons_window.h"

#include "platform/mouse_pointer.h"
#include "platform/units.h"
#include "purchase/purchase_page.h"
#include "purchase/weapon_table.h"
#include "shell/page_look.h"

namespace purchase {
namespace {

constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kOptionGrey = 0x00C0C0C0;
constexpr std::uint32_t kWindowText = 0x00000000;
constexpr std::uint32_t kTitleBlue = 0x00C00000;
constexpr std::uint32_t kPictureBack = 0x00BFBFBF;
constexpr std::uint32_t kPointerMask = 0x00FF00FF;  // magenta: outside the smiley's face

constexpr int kOptionHeight = 410;

QFont Comic(double points, bool bold) { return shell::ComicFont(points, bold); }

}  // namespace

WeaponsWindow::WeaponsWindow() : platform::Form(StartUpPosition::Manual) {
  setWindowTitle(QStringLiteral("Weapons"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::TwipsToPixels(6195), platform::TwipsToPixels(6465));
  move(platform::TwipsToPixels(120), platform::TwipsToPixels(75));
  platform::SetBackColor(this, kBlack);

  for (const auto& c : WeaponClass) {
    auto* frame = new platform::Panel(this, kBlack);
    platform::PlaceTwips(frame, 0, 0, c.frameWidth, c.frameHeight);
    frame->hide();
    frames_[std::size_t(c.weaponClass - 1)] = frame;
  }
  Frame1 = frames_[0], Frame2 = frames_[1], Frame3 = frames_[2];
  Frame4 = frames_[3], Frame5 = frames_[4], Frame6 = frames_[5];

  for (const auto& w : WeaponTable) {
    auto* picture = new platform::DragPicture(Frame(w.weaponClass), kPictureBack);
    platform::PlaceTwips(picture, kCellLeftStep * w.column, kCellTopStep * w.row, kCellWidth,
                         kCellHeight);
    pictures_[std::size_t(w.picture - 1)] = picture;
    const int n = w.picture;
    connect(picture, &platform::DragPicture::MouseDown, this,
            [this, n](int) { Picture_MouseDown(n); });
    connect(picture, &platform::DragPicture::OLEStartDrag, this,
            [this, n](platform::DataObject& dragged, int& allowed) {
              Picture_OLEStartDrag(n, dragged, allowed);
            });
    connect(picture, &platform::DragPicture::OLEGiveFeedback, this,
            &WeaponsWindow::Picture_OLEGiveFeedback);
    connect(picture, &platform::DragPicture::OLECompleteDrag, this,
            &WeaponsWindow::Picture_OLECompleteDrag);
  }

  Frame7 = new platform::Panel(this, kBlack);
  platform::PlaceTwips(Frame7, 0, 4000, 1800, 2460);
  for (const auto& c : WeaponClass) {
    auto* option = new platform::OptionButton(Frame7, QString::fromUtf8(c.caption), kOptionGrey,
                                              kWindowText, Comic(9, true));
    // Placed edge to edge, so the stack of options shows no gaps where the
    // twips fall between pixels.
    const int top = platform::TwipsToPixels(kOptionHeight * (c.weaponClass - 1));
    const int bottom = platform::TwipsToPixels(kOptionHeight * c.weaponClass);
    option->setGeometry(0, top, platform::TwipsToPixels(1800), bottom - top);
    const int k = c.weaponClass;
    connect(option, &platform::OptionButton::Click, this, [this, k] { Option_Click(k); });
    options_[std::size_t(k - 1)] = option;
  }
  Option1 = options_[0], Option2 = options_[1], Option3 = options_[2];
  Option4 = options_[3], Option5 = options_[4], Option6 = options_[5];

  Label1 = new platform::Label(this, QStringLiteral("Weapons"), kTitleBlue, Comic(44.25, true));
  platform::PlaceTwips(Label1, 2040, 4440, 3750, 1230);

  Command1 = shell::makeDoneButton(this, 5445, 6160, 735, 285);
  connect(Command1, &QPushButton::clicked, this, &WeaponsWindow::Command1_Click);

  RES.SetMaskColor(kPointerMask);
  RES.Add(platform::LoadResPicture(QStringLiteral("smiley_sad")));
  RES.Add(platform::LoadResPicture(QStringLiteral("smiley_happy")));
}

void WeaponsWindow::Form_Load() {
  for (const auto& w : WeaponTable) {
    Picture(w.picture)->SetPicture(platform::LoadResPicture(QString::number(w.bitmap)));
  }
}

void WeaponsWindow::Option_Click(int weaponClass) {
  for (int j = 1; j <= 6; ++j) Frame(j)->setVisible(j == weaponClass);
}

void WeaponsWindow::Picture_MouseDown(int n) { Picture(n)->OLEDrag(); }

void WeaponsWindow::Picture_OLEStartDrag(int n, platform::DataObject& dragged,
                                         int& allowedEffects) {
  allowedEffects = platform::kDropEffectMove;
  dragged.Clear();
  dragged.SetData(QString::fromUtf8(WeaponTable[std::size_t(n - 1)].dragText),
                  platform::kFormatText);
  dragged.SetData(Picture(n)->Picture(), platform::kFormatBitmap);
}

void WeaponsWindow::Picture_OLEGiveFeedback(int effect, bool& defaultCursors) {
  defaultCursors = false;
  platform::Screen::SetMousePointer(platform::Screen::kCustomPointer);
  platform::Screen::SetMouseIcon(RES.ListImage(effect == platform::kDropEffectMove ? 2 : 1));
}

void WeaponsWindow::Picture_OLECompleteDrag(int) {
  platform::Screen::SetMousePointer(platform::Screen::kDefaultPointer);
}

void WeaponsWindow::Command1_Click() { CompletePurchasePage(); }

}  // namespace purchase
