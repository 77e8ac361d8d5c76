#include "purchase/weapons_window.h"

#include <QBitmap>
#include <QCursor>
#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

#include "platform/drag_runner.h"
#include "platform/fatal.h"
#include "platform/units.h"
#include "purchase/purchase_page.h"
#include "purchase/weapon_table.h"
#include "shell/page_look.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace purchase {
namespace {

// clang-format off
constexpr twips::Rect kWindow       {120,  75,   6195, 6465};
constexpr twips::Rect kOptionsPanel {0,    4000, 1800, 2460};
constexpr twips::Rect kTitle        {2040, 4440, 3750, 1230};
constexpr twips::Rect kDone         {5445, 6160, 735,  285};
// The class options, one under the other in the options panel.
constexpr int kOptionWidth = 1800;
constexpr int kOptionHeight = 410;
// clang-format on

QImage resourcePicture(const QString& name) {
  QImage picture(QStringLiteral(":/pictures/%1.bmp").arg(name));
  if (picture.isNull()) platform::fatalError(QStringLiteral("картинка повреждена: ") + name);
  return picture;
}

// A smiley, transparent outside its face.
QPixmap pointerPicture(const QString& name) {
  QPixmap pointer = QPixmap::fromImage(resourcePicture(name));
  pointer.setMask(
      pointer.createMaskFromColor(platform::bgrColor(palette::kMagenta), Qt::MaskInColor));
  return pointer;
}

// A class option: the whole button answers a click, not only its circle and caption.
class ClassOption : public QRadioButton {
 public:
  ClassOption(QWidget* parent, const QString& caption) : QRadioButton(caption, parent) {
    setFont(fonts::comicFont(9, true));
    setAutoFillBackground(true);
    // The caption starts close to the circle, so a long one fits the button's width.
    setStyleSheet(QStringLiteral("QRadioButton { background-color: %1; color: %2; spacing: 2px; }")
                      .arg(platform::bgrColor(palette::kSilver).name(),
                           platform::bgrColor(palette::kBlack).name()));
    setAutoExclusive(true);
  }

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

WeaponsWindow::WeaponsWindow() : platform::AppWindow(StartUpPosition::Manual) {
  setWindowTitle(QStringLiteral("Weapons"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(platform::twipsToPixels(kWindow.width), platform::twipsToPixels(kWindow.height));
  move(platform::twipsToPixels(kWindow.left), platform::twipsToPixels(kWindow.top));
  platform::setBackColor(this, palette::kBlack);

  for (const auto& c : kWeaponClasses) {
    auto* frame = new widgets::Panel(this, palette::kBlack);
    twips::place(frame, {0, 0, c.frameWidth, c.frameHeight});
    frame->hide();
    classFrames_[std::size_t(c.weaponClass - 1)] = frame;
  }

  for (const auto& w : kWeaponTable) {
    auto* picture = new WeaponPicture(classFrame(w.weaponClass), palette::kPictureGrey);
    twips::place(picture,
                 {kCellLeftStep * w.column, kCellTopStep * w.row, kCellWidth, kCellHeight});
    weaponPictures_[std::size_t(w.picture - 1)] = picture;
    const int n = w.picture;
    connect(picture, &WeaponPicture::pressed, this, [this, n] { onWeaponPressed(n); });
  }

  optionsPanel = new widgets::Panel(this, palette::kBlack);
  twips::place(optionsPanel, kOptionsPanel);
  for (const auto& c : kWeaponClasses) {
    auto* option = new ClassOption(optionsPanel, QString::fromUtf8(c.caption));
    // Placed edge to edge, so the stack of options shows no gaps where the
    // twips fall between pixels.
    const int top = platform::twipsToPixels(kOptionHeight * (c.weaponClass - 1));
    const int bottom = platform::twipsToPixels(kOptionHeight * c.weaponClass);
    option->setGeometry(0, top, platform::twipsToPixels(kOptionWidth), bottom - top);
    const int k = c.weaponClass;
    connect(option, &QAbstractButton::clicked, this, [this, k] { onClassChosen(k); });
    classOptions_[std::size_t(k - 1)] = option;
  }

  titleCaption = new widgets::Caption(this, QStringLiteral("Weapons"), palette::kDarkBlue,
                                      fonts::comicFont(44.25, true));
  twips::place(titleCaption, kTitle);

  doneButton = shell::makeDoneButton(this, kDone.left, kDone.top, kDone.width, kDone.height);
  connect(doneButton, &QPushButton::clicked, this, &WeaponsWindow::onDoneClicked);

  sadPointer_ = pointerPicture(QStringLiteral("smiley_sad"));
  happyPointer_ = pointerPicture(QStringLiteral("smiley_happy"));
}

void WeaponsWindow::onLoad() {
  for (const auto& w : kWeaponTable) {
    weaponPicture(w.picture)->setPicture(resourcePicture(QString::number(w.bitmap)));
  }
}

void WeaponsWindow::onClassChosen(int weaponClass) {
  for (int k = 1; k <= 6; ++k) classFrame(k)->setVisible(k == weaponClass);
}

void WeaponsWindow::onWeaponPressed(int n) {
  auto* mime = new QMimeData;
  markAsOwnDrag(*mime);
  mime->setText(QString::fromUtf8(kWeaponTable[std::size_t(n - 1)].dragText));
  mime->setImageData(weaponPicture(n)->picture());

  QPointer<QDrag> drag = new QDrag(this);
  drag->setMimeData(mime);
  // No picture follows the pointer: the pointer itself tells where a drop goes.
  QPixmap nothing(1, 1);
  nothing.fill(Qt::transparent);
  drag->setPixmap(nothing);
  drag->setHotSpot(QPoint(0, 0));
  drag->setDragCursor(dragPointer(Qt::MoveAction), Qt::MoveAction);
  drag->setDragCursor(dragPointer(Qt::IgnoreAction), Qt::IgnoreAction);

  // The smiley is the pointer over every window while the drag runs: sad from
  // the start (the drag starts over this picture, which takes nothing), then
  // as each change of action says.
  QGuiApplication::setOverrideCursor(QCursor(dragPointer(Qt::IgnoreAction)));
  connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
    QGuiApplication::changeOverrideCursor(QCursor(dragPointer(action)));
  });
  platform::runDrag(*drag, Qt::MoveAction);
  if (drag) drag->deleteLater();
  QGuiApplication::restoreOverrideCursor();
}

void WeaponsWindow::onDoneClicked() { completePurchasePage(); }

}  // namespace purchase
