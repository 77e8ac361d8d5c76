// Windows with one instance each, made on first use, and their life: loaded
// (unseen), shown (modeless), unloaded, and the end of the program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace platform {

class AppWindow;

namespace detail {
void runLoad(AppWindow& form);
}

class AppWindow : public QWidget {
  Q_OBJECT

 public:
  enum class StartUpPosition { Manual, CenterScreen };

  explicit AppWindow(StartUpPosition position = StartUpPosition::Manual);
  ~AppWindow() override;

  bool isUnloaded() const { return state_ == State::Unloaded; }

 signals:
  // A mouse button pressed on the window's own background.
  void mousePressed(Qt::MouseButton button);

 protected:
  // Runs once, after the controls exist, before the window is first shown.
  virtual void onLoad() {}
  // Runs when the window is unloaded, before it is taken down.
  virtual void onUnload() {}

  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // A window goes only through unloadWindow: the system's close command (Alt+F4,
  // the window manager) is refused, so a page is left only through its own "Done".
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class State { New, Loaded, Unloading, Unloaded };

  friend void detail::runLoad(AppWindow& form);
  friend void unloadWindow(AppWindow& form);
  friend class WindowBusy;
  friend void deleteUnloadedWindows();
  friend void destroyAllWindows();

  State state_ = State::New;
  StartUpPosition position_;
  bool shownOnce_ = false;
  int busy_ = 0;  // handlers of this window now on the stack
};

// The one instance of a window; the first reference makes it and runs its load.
// After unloadWindow the next reference makes a fresh one.
template <class F>
F& instance() {
  static QPointer<F> window;
  if (!window || window->isUnloaded()) {
    window = new F();
    detail::runLoad(*window);
  }
  return *window;
}

template <class F>
void loadWindow() {
  instance<F>();
}

// Modeless: the caller goes on at once.
template <class F>
void showWindow() {
  F& form = instance<F>();
  form.show();
  form.raise();
  form.activateWindow();
}

// Runs the window's unload and takes it down. The widget itself is deleted only
// once none of its handlers is on the stack any more.
void unloadWindow(AppWindow& form);

// Runs every pending event, then deletes the windows unloaded meanwhile.
void runPendingEvents();

// Deletes unloaded windows that no running handler still needs.
void deleteUnloadedWindows();

// Deletes every window at once, loaded or not; only for tests between cases.
void destroyAllWindows();

// Ends the program at once with status 0. What ends it can be replaced (tests
// record the request instead); endRequested() tells whether it was asked for.
void endProgram();
bool endRequested();
using EndHandler = std::function<void(int status)>;
void setEndHandler(EndHandler handler);  // empty: leave the process
void clearEndRequest();

// Another program destroyed this native window. A window of ours cannot come
// back from that, so the program ends as closing the main window ends it.
void windowDestroyedElsewhere(WId id);

// Marks a window busy for the time a handler of it runs.
class WindowBusy {
 public:
  explicit WindowBusy(QObject* receiver);
  ~WindowBusy();
  WindowBusy(const WindowBusy&) = delete;
  WindowBusy& operator=(const WindowBusy&) = delete;

 private:
  QPointer<AppWindow> window_;
};

}  // namespace platform
