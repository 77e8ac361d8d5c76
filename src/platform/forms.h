// Windows with one instance each, made on first use, and their life:
// Load (unseen), Show (modeless), Unload, and End of the program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace platform {

class Form;

namespace detail {
void RunLoad(Form& form);
}

class Form : public QWidget {
  Q_OBJECT

 public:
  enum class StartUpPosition { Manual, CenterScreen };

  explicit Form(StartUpPosition position = StartUpPosition::Manual);
  ~Form() override;

  bool IsUnloaded() const { return state_ == State::Unloaded; }

 signals:
  // A mouse button pressed on the window's own background.
  void mousePressed(Qt::MouseButton button);

 protected:
  // Runs once, after the controls exist, before the window is first shown.
  virtual void Form_Load() {}
  // Runs when the window is unloaded, before it is taken down.
  virtual void Form_Unload() {}

  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // A window goes only through Unload: the system's close command (Alt+F4, the
  // window manager) is refused, so a page is left only through its own "Done".
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class State { New, Loaded, Unloading, Unloaded };

  friend void detail::RunLoad(Form& form);
  friend void Unload(Form& form);
  friend class FormBusy;
  friend void FlushUnloadedForms();
  friend void DestroyAllForms();

  State state_ = State::New;
  StartUpPosition position_;
  bool shown_once_ = false;
  int busy_ = 0;  // handlers of this window now on the stack
};

// The one instance of a window; the first reference makes it and runs its load.
// After Unload the next reference makes a fresh one.
template <class F>
F& The() {
  static QPointer<F> instance;
  if (!instance || instance->IsUnloaded()) {
    instance = new F();
    detail::RunLoad(*instance);
  }
  return *instance;
}

template <class F>
void Load() {
  The<F>();
}

// Modeless: the caller goes on at once.
template <class F>
void Show() {
  F& form = The<F>();
  form.show();
  form.raise();
  form.activateWindow();
}

// Runs the window's unload and takes it down. The widget itself is deleted only
// once none of its handlers is on the stack any more.
void Unload(Form& form);

// Runs every pending event, then deletes the windows unloaded meanwhile.
void DoEvents();

// Deletes unloaded windows that no running handler still needs.
void FlushUnloadedForms();

// Deletes every window at once, loaded or not; only for tests between cases.
void DestroyAllForms();

// Ends the program at once with status 0. What ends it can be replaced (tests
// record the request instead); EndRequested() tells whether it was asked for.
void End();
bool EndRequested();
using EndHandler = std::function<void(int status)>;
void SetEndHandler(EndHandler handler);  // empty: leave the process
void ClearEndRequest();

// Another program destroyed this native window. A window of ours cannot come
// back from that, so the program ends as closing the main window ends it.
void WindowDestroyedElsewhere(WId id);

// Marks a window busy for the time a handler of it runs.
class FormBusy {
 public:
  explicit FormBusy(QObject* receiver);
  ~FormBusy();
  FormBusy(const FormBusy&) = delete;
  FormBusy& operator=(const FormBusy&) = delete;

 private:
  QPointer<Form> form_;
};

}  // namespace platform
