#include "platform/drag_drop.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QUuid>

#include "platform/controls.h"
#include "platform/fatal.h"
#include "platform/mouse_pointer.h"
#include "platform/units.h"

namespace platform {
namespace {

DragRunner& Runner() {
  static DragRunner runner;
  return runner;
}

// A drag this program started carries this mark, new at every start, so a
// drop from another program is told apart even when it offers the same data.
const QString kOwnDragFormat = QStringLiteral("application/x-vesmir-drag");
const QByteArray& OwnDragMark() {
  static const QByteArray mark = QUuid::createUuid().toByteArray();
  return mark;
}

bool IsOwnDrag(const QMimeData* mime) {
  return mime != nullptr && mime->hasFormat(kOwnDragFormat) &&
         mime->data(kOwnDragFormat) == OwnDragMark();
}

Qt::DropActions QtActions(int effects) {
  Qt::DropActions actions;
  if (effects & kDropEffectCopy) actions |= Qt::CopyAction;
  if (effects & kDropEffectMove) actions |= Qt::MoveAction;
  return actions;
}

int EffectOf(Qt::DropAction action) {
  switch (action) {
    case Qt::MoveAction:
    case Qt::TargetMoveAction:
      return kDropEffectMove;
    case Qt::CopyAction:
      return kDropEffectCopy;
    default:
      return kDropEffectNone;
  }
}

}  // namespace

void SetDragRunner(DragRunner runner) { Runner() = std::move(runner); }

void DataObject::Clear() {
  text_.reset();
  picture_.reset();
}

void DataObject::SetData(const QVariant& value, int format) {
  if (format == kFormatText && value.canConvert<QString>()) {
    text_ = value.toString();
  } else if (format == kFormatBitmap && value.canConvert<QImage>()) {
    picture_ = value.value<QImage>();
  } else {
    FatalError(QStringLiteral("неверный формат данных перетаскивания: %1").arg(format));
  }
}

bool DataObject::GetFormat(int format) const {
  if (format == kFormatText) return text_.has_value();
  if (format == kFormatBitmap) return picture_.has_value();
  return false;
}

QVariant DataObject::GetData(int format) const {
  if (format == kFormatText && text_) return *text_;
  if (format == kFormatBitmap && picture_) return *picture_;
  return {};
}

std::unique_ptr<QMimeData> DataObject::ToMimeData() const {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(kOwnDragFormat, OwnDragMark());
  if (text_) mime->setText(*text_);
  if (picture_) mime->setImageData(*picture_);
  return mime;
}

DataObject DataObject::FromMimeData(const QMimeData* mime) {
  DataObject data;
  if (mime == nullptr) return data;
  if (mime->hasText()) data.text_ = mime->text();
  if (mime->hasImage()) {
    const QImage picture = qvariant_cast<QImage>(mime->imageData());
    if (!picture.isNull()) data.picture_ = picture;
  }
  return data;
}

FramedPicture::FramedPicture(QWidget* parent, std::uint32_t backColor, Border border)
    : QWidget(parent), back_color_(backColor), border_(border) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FramedPicture::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void FramedPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect all = rect();
  p.fillRect(all, BgrColor(back_color_));
  const int b = BorderWidth();
  if (!picture_.isNull()) {
    p.setClipRect(all.adjusted(b, b, -b, -b));
    p.drawImage(b, b, picture_);
    p.setClipping(false);
  }
  const int r = all.right(), d = all.bottom();
  if (border_ == Border::Flat) {
    p.setPen(Qt::black);
    p.drawRect(all.adjusted(0, 0, -1, -1));
    return;
  }
  // Sunken: shadow above and left, light below and right, two lines each.
  auto edge = [&](const QColor& topLeft, const QColor& bottomRight, int inset) {
    p.setPen(topLeft);
    p.drawLine(inset, inset, r - inset, inset);
    p.drawLine(inset, inset, inset, d - inset);
    p.setPen(bottomRight);
    p.drawLine(inset, d - inset, r - inset, d - inset);
    p.drawLine(r - inset, inset, r - inset, d - inset);
  };
  edge(QColor(128, 128, 128), QColor(255, 255, 255), 0);
  edge(QColor(64, 64, 64), QColor(212, 208, 200), 1);
}

DragPicture::DragPicture(QWidget* parent, std::uint32_t backColor)
    : FramedPicture(parent, backColor, Border::Flat) {}

void DragPicture::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit MouseDown(VbButton(event->button()));
}

void DragPicture::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void DragPicture::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void DragPicture::OLEDrag() {
  DataObject offered;
  int allowed = kDropEffectCopy | kDropEffectMove;
  emit OLEStartDrag(offered, allowed);
  const Qt::DropActions actions = QtActions(allowed);
  if (actions == Qt::IgnoreAction) return;

  QPointer<QDrag> drag = new QDrag(this);
  drag->setMimeData(offered.ToMimeData().release());
  // No picture follows the pointer: the pointer itself tells where a drop goes.
  QPixmap nothing(1, 1);
  nothing.fill(Qt::transparent);
  drag->setPixmap(nothing);
  drag->setHotSpot(QPoint(0, 0));

  // Qt takes its drag pointers per action before the drag starts, so the
  // feedback is asked once for each effect the drag can show (none last: the
  // drag starts over this picture, which takes nothing); it is told every
  // change of effect afterwards.
  for (Qt::DropAction action : {Qt::MoveAction, Qt::CopyAction, Qt::IgnoreAction}) {
    if (action != Qt::IgnoreAction && !(actions & action)) continue;
    bool defaultCursors = true;
    emit OLEGiveFeedback(EffectOf(action), defaultCursors);
    if (!defaultCursors && Screen::MousePointer() == Screen::kCustomPointer &&
        !Screen::MouseIcon().isNull()) {
      drag->setDragCursor(QPixmap::fromImage(Screen::MouseIcon()), action);
    }
  }
  connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
    bool defaultCursors = true;
    emit OLEGiveFeedback(EffectOf(action), defaultCursors);
  });

  const Qt::DropAction result =
      Runner() ? Runner()(*drag, actions)
               : drag->exec(actions, actions & Qt::MoveAction ? Qt::MoveAction : Qt::CopyAction);
  if (drag) drag->deleteLater();
  emit OLECompleteDrag(EffectOf(result));
}

DropPicture::DropPicture(QWidget* parent, std::uint32_t backColor)
    : FramedPicture(parent, backColor, Border::Sunken) {
  setAcceptDrops(true);
}

void DropPicture::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) left_pressed_ = true;
}

void DropPicture::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool clicked = left_pressed_ && rect().contains(event->position().toPoint());
  left_pressed_ = false;
  if (clicked) emit Click();
}

void DropPicture::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

bool DropPicture::Takes(const QDropEvent& event) {
  // Qt hands drags to disabled widgets too; a disabled box takes none.
  return isEnabled() && (event.possibleActions() & Qt::MoveAction) && IsOwnDrag(event.mimeData());
}

void DropPicture::Offer(QDragMoveEvent* event) {
  int effect = kDropEffectNone;
  if (Takes(*event)) {
    effect = kDropEffectMove;
    emit OLEDragOver(DataObject::FromMimeData(event->mimeData()), effect);
  }
  if (effect == kDropEffectMove) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void DropPicture::dragEnterEvent(QDragEnterEvent* event) { Offer(event); }
void DropPicture::dragMoveEvent(QDragMoveEvent* event) { Offer(event); }

void DropPicture::dropEvent(QDropEvent* event) {
  if (!Takes(*event)) {
    event->ignore();
    return;
  }
  int effect = kDropEffectMove;
  emit OLEDragDrop(DataObject::FromMimeData(event->mimeData()), effect);
  if (effect == kDropEffectMove) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace platform
