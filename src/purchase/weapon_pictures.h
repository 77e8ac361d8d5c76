// The pictures of the purchase page: a weapon the player drags from the weapons
// window, and a key slot of the keyboard window that takes it.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace purchase {

// Marks what a drag carries as started by this program, new at every start, so
// a drop from another program is told apart even when it offers the same data.
void markAsOwnDrag(QMimeData& mime);

// A picture box: a solid background, a border, and its picture inside the border.
class FramedPicture : public QWidget {
  Q_OBJECT

 public:
  enum class Border { Flat, Sunken };  // one pixel, or two as a sunken 3-D edge
  FramedPicture(QWidget* parent, std::uint32_t backColor, Border border);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  int borderWidth() const { return border_ == Border::Flat ? 1 : 2; }
  std::uint32_t backColor() const { return backColor_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t backColor_;
  Border border_;
  QImage picture_;
};

// A weapon of the weapons window: a press of any button says so; the window
// starts the drag.
class WeaponPicture : public FramedPicture {
  Q_OBJECT

 public:
  WeaponPicture(QWidget* parent, std::uint32_t backColor);

 signals:
  void pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A key slot: while enabled it takes a weapon dragged from this program's
// weapons window that may move, its text and its picture, and nothing else;
// it refuses a drag from any other program. Disabled, it takes neither clicks
// nor drops.
class WeaponSlot : public FramedPicture {
  Q_OBJECT

 public:
  WeaponSlot(QWidget* parent, std::uint32_t backColor);

 signals:
  void clicked();
  void dropped(const QString& dragText, const QImage& picture);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool takes(const QDropEvent& event) const;
  void offer(QDragMoveEvent* event);
  bool leftPressed_ = false;
};

}  // namespace purchase
