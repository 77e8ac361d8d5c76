#include "platform/forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

std::vector<AppWindow*>& allWindows() {
  static std::vector<AppWindow*> forms;
  return forms;
}

std::vector<QPointer<AppWindow>>& unloadedWindows() {
  static std::vector<QPointer<AppWindow>> forms;
  return forms;
}

bool& endFlag() {
  static bool ended = false;
  return ended;
}

EndHandler& endHandlerSlot() {
  static EndHandler handler;
  return handler;
}

AppWindow* owningWindow(QObject* object) {
  for (; object != nullptr; object = object->parent()) {
    if (auto* form = qobject_cast<AppWindow*>(object)) return form;
  }
  return nullptr;
}

void scheduleDeletion() {
  if (QCoreApplication::instance() == nullptr) return;
  QTimer::singleShot(0, QCoreApplication::instance(), [] { deleteUnloadedWindows(); });
}

}  // namespace

AppWindow::AppWindow(StartUpPosition position) : QWidget(nullptr), position_(position) {
  allWindows().push_back(this);
}

AppWindow::~AppWindow() { std::erase(allWindows(), this); }

void AppWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mousePressed(event->button());
}

void AppWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void AppWindow::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    if (position_ == StartUpPosition::CenterScreen) {
      if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
      }
    }
  }
  QWidget::showEvent(event);
}

namespace detail {
void runLoad(AppWindow& form) {
  if (form.state_ != AppWindow::State::New) return;
  form.state_ = AppWindow::State::Loaded;
  WindowBusy busy(&form);
  form.onLoad();
}
}  // namespace detail

void unloadWindow(AppWindow& form) {
  if (form.state_ != AppWindow::State::Loaded) return;
  form.state_ = AppWindow::State::Unloading;
  {
    WindowBusy busy(&form);
    form.onUnload();
  }
  form.state_ = AppWindow::State::Unloaded;
  form.hide();
  unloadedWindows().emplace_back(&form);
  scheduleDeletion();
}

void deleteUnloadedWindows() {
  auto& pending = unloadedWindows();
  std::vector<QPointer<AppWindow>> keep;
  std::vector<QPointer<AppWindow>> now = std::move(pending);
  pending.clear();
  for (auto& form : now) {
    if (!form) continue;
    if (form->busy_ > 0) {
      keep.push_back(form);
    } else {
      delete form.data();
    }
  }
  pending.insert(pending.end(), keep.begin(), keep.end());
}

void runPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents();
  deleteUnloadedWindows();
}

void destroyAllWindows() {
  unloadedWindows().clear();
  std::vector<AppWindow*> forms = allWindows();
  for (AppWindow* form : forms) delete form;
}

void endProgram() {
  endFlag() = true;
  if (endHandlerSlot()) {
    endHandlerSlot()(0);
    return;
  }
  // Every line of the configuration is already in its file; nothing else is owed.
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(0);
}

bool endRequested() { return endFlag(); }

void windowDestroyedElsewhere(WId id) {
  // Windows Qt takes down itself are gone from the list, or unloaded, by the time
  // the news comes back.
  for (AppWindow* form : allWindows()) {
    if (form->internalWinId() == id && !form->isUnloaded()) {
      endProgram();
      return;
    }
  }
}

void setEndHandler(EndHandler handler) { endHandlerSlot() = std::move(handler); }

void clearEndRequest() { endFlag() = false; }

WindowBusy::WindowBusy(QObject* receiver) : window_(owningWindow(receiver)) {
  if (window_) ++window_->busy_;
}

WindowBusy::~WindowBusy() {
  if (!window_) return;
  if (--window_->busy_ == 0 && window_->isUnloaded()) scheduleDeletion();
}

}  // namespace platform
