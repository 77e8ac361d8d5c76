// Drag and drop between the program's own controls: a data object that carries
// a text and a picture, a picture box that starts drags, and one that takes drops
// from them alone.
#pragma once

#include <QImage>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QDrag;
class QMimeData;
class QDragMoveEvent;
class QDropEvent;

namespace platform {

// Effects as the handlers see them.
constexpr int kDropEffectNone = 0;
constexpr int kDropEffectCopy = 1;
constexpr int kDropEffectMove = 2;

// Formats of a data object.
constexpr int kFormatText = 1;
constexpr int kFormatBitmap = 2;

// What a drag carries: at most one text (format 1) and one picture (format 2).
class DataObject {
 public:
  void Clear();
  // A text for format 1, a QImage for format 2; anything else is a fatal error.
  void SetData(const QVariant& value, int format);
  bool GetFormat(int format) const;
  // The value of a format the object holds; a format it lacks gives an invalid value.
  QVariant GetData(int format) const;

  std::unique_ptr<QMimeData> ToMimeData() const;
  static DataObject FromMimeData(const QMimeData* mime);

 private:
  std::optional<QString> text_;
  std::optional<QImage> picture_;
};

// A picture box: a solid background, a border, and its picture inside the border.
class FramedPicture : public QWidget {
  Q_OBJECT

 public:
  enum class Border { Flat, Sunken };  // one pixel, or two as a sunken 3-D edge
  FramedPicture(QWidget* parent, std::uint32_t backColor, Border border);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  int BorderWidth() const { return border_ == Border::Flat ? 1 : 2; }
  std::uint32_t BackColor() const { return back_color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t back_color_;
  Border border_;
  QImage picture_;
};

// A picture that starts a drag when told to (OLEDrag); it starts none by itself.
class DragPicture : public FramedPicture {
  Q_OBJECT

 public:
  DragPicture(QWidget* parent, std::uint32_t backColor);

  // Runs the drag to its end: OLEStartDrag fills the data and the allowed
  // effects, OLEGiveFeedback chooses the pointer for an effect, OLECompleteDrag
  // gets the effect the drag ended with.
  void OLEDrag();

 signals:
  void MouseDown(int button);  // 1 left, 2 right, 4 middle
  void OLEStartDrag(platform::DataObject& data, int& allowedEffects);
  void OLEGiveFeedback(int effect, bool& defaultCursors);
  void OLECompleteDrag(int effect);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A picture box that takes drops itself: while enabled it takes a drag of this
// program's own that allows a move, OLEDragOver decides whether it takes what
// the drag carries, and OLEDragDrop what a drop does. It refuses a drag from any
// other program, and disabled it takes neither clicks nor drops.
class DropPicture : public FramedPicture {
  Q_OBJECT

 public:
  DropPicture(QWidget* parent, std::uint32_t backColor);

 signals:
  void Click();
  // While a drag moves over the box; `effect` comes in as move, a handler that
  // refuses the data sets it to none (the pointer then says so).
  void OLEDragOver(const platform::DataObject& data, int& effect);
  // `effect` comes in as move; a handler that turns the drop away sets it to none.
  void OLEDragDrop(const platform::DataObject& data, int& effect);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool Takes(const QDropEvent& event);
  void Offer(QDragMoveEvent* event);
  bool left_pressed_ = false;
};

// How a started drag is carried out: by Qt's own drag and drop unless a test
// has put another runner in place (offscreen there is no real drag).
using DragRunner = std::function<Qt::DropAction(QDrag& drag, Qt::DropActions allowed)>;
void SetDragRunner(DragRunner runner);  // empty: Qt's own

}  // namespace platform
