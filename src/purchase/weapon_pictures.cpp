#include "purchase/weapon_pictures.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUuid>

#include "platform/units.h"
#include "purchase/weapon_table.h"
#include "widgets/palette.h"

namespace purchase {
namespace {

const QString kOwnDragFormat = QStringLiteral("application/x-vesmir-drag");
const QByteArray& ownDragMark() {
  static const QByteArray mark = QUuid::createUuid().toByteArray();
  return mark;
}

bool isOwnDrag(const QMimeData* mime) {
  return mime != nullptr && mime->hasFormat(kOwnDragFormat) &&
         mime->data(kOwnDragFormat) == ownDragMark();
}

// Only a weapon of the weapons window brings one of the weapons' texts and a
// picture; anything else would reach the bind line as it stands.
bool isWeaponDrop(const QMimeData* mime) {
  return mime->hasText() && mime->hasImage() &&
         !qvariant_cast<QImage>(mime->imageData()).isNull() && isWeaponDragText(mime->text());
}

}  // namespace

void markAsOwnDrag(QMimeData& mime) { mime.setData(kOwnDragFormat, ownDragMark()); }

FramedPicture::FramedPicture(QWidget* parent, std::uint32_t backColor, Border border)
    : QWidget(parent), backColor_(backColor), border_(border) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FramedPicture::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void FramedPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect all = rect();
  p.fillRect(all, platform::bgrColor(backColor_));
  const int b = borderWidth();
  if (!picture_.isNull()) {
    p.setClipRect(all.adjusted(b, b, -b, -b));
    p.drawImage(b, b, picture_);
    p.setClipping(false);
  }
  const int r = all.right(), d = all.bottom();
  if (border_ == Border::Flat) {
    p.setPen(platform::bgrColor(palette::kBlack));
    p.drawRect(all.adjusted(0, 0, -1, -1));
    return;
  }
  // Sunken: shadow above and left, light below and right, two lines each.
  auto edge = [&](std::uint32_t topLeft, std::uint32_t bottomRight, int inset) {
    p.setPen(platform::bgrColor(topLeft));
    p.drawLine(inset, inset, r - inset, inset);
    p.drawLine(inset, inset, inset, d - inset);
    p.setPen(platform::bgrColor(bottomRight));
    p.drawLine(inset, d - inset, r - inset, d - inset);
    p.drawLine(r - inset, inset, r - inset, d - inset);
  };
  edge(palette::kGrey, palette::kWhite, 0);
  edge(palette::kDarkGrey, palette::kButtonFace, 1);
}

WeaponPicture::WeaponPicture(QWidget* parent, std::uint32_t backColor)
    : FramedPicture(parent, backColor, Border::Flat) {}

void WeaponPicture::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed();
}

void WeaponPicture::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void WeaponPicture::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

WeaponSlot::WeaponSlot(QWidget* parent, std::uint32_t backColor)
    : FramedPicture(parent, backColor, Border::Sunken) {
  setAcceptDrops(true);
}

void WeaponSlot::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
}

void WeaponSlot::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool wasClicked = leftPressed_ && rect().contains(event->position().toPoint());
  leftPressed_ = false;
  if (wasClicked) emit clicked();
}

void WeaponSlot::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

bool WeaponSlot::takes(const QDropEvent& event) const {
  // Qt hands drags to disabled widgets too; a disabled slot takes none.
  return isEnabled() && (event.possibleActions() & Qt::MoveAction) && isOwnDrag(event.mimeData()) &&
         isWeaponDrop(event.mimeData());
}

void WeaponSlot::offer(QDragMoveEvent* event) {
  if (takes(*event)) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void WeaponSlot::dragEnterEvent(QDragEnterEvent* event) { offer(event); }
void WeaponSlot::dragMoveEvent(QDragMoveEvent* event) { offer(event); }

void WeaponSlot::dropEvent(QDropEvent* event) {
  // Anything but a weapon leaves the slot as it was.
  if (!takes(*event)) {
    event->ignore();
    return;
  }
  const QMimeData* mime = event->mimeData();
  emit dropped(mime->text(), qvariant_cast<QImage>(mime->imageData()));
  event->setDropAction(Qt::MoveAction);
  event->accept();
}

}  // namespace purchase
