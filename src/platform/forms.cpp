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

std::vector<Form*>& AllForms() {
  static std::vector<Form*> forms;
  return forms;
}

std::vector<QPointer<Form>>& Unloaded() {
  static std::vector<QPointer<Form>> forms;
  return forms;
}

bool& EndFlag() {
  static bool ended = false;
  return ended;
}

EndHandler& EndHandlerSlot() {
  static EndHandler handler;
  return handler;
}

Form* OwningForm(QObject* object) {
  for (; object != nullptr; object = object->parent()) {
    if (auto* form = qobject_cast<Form*>(object)) return form;
  }
  return nullptr;
}

void ScheduleFlush() {
  if (QCoreApplication::instance() == nullptr) return;
  QTimer::singleShot(0, QCoreApplication::instance(), [] { FlushUnloadedForms(); });
}

}  // namespace

Form::Form(StartUpPosition position) : QWidget(nullptr), position_(position) {
  AllForms().push_back(this);
}

Form::~Form() { std::erase(AllForms(), this); }

void Form::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mousePressed(event->button());
}

void Form::closeEvent(QCloseEvent* event) { event->ignore(); }

void Form::showEvent(QShowEvent* event) {
  if (!shown_once_) {
    shown_once_ = true;
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
void RunLoad(Form& form) {
  if (form.state_ != Form::State::New) return;
  form.state_ = Form::State::Loaded;
  FormBusy busy(&form);
  form.Form_Load();
}
}  // namespace detail

void Unload(Form& form) {
  if (form.state_ != Form::State::Loaded) return;
  form.state_ = Form::State::Unloading;
  {
    FormBusy busy(&form);
    form.Form_Unload();
  }
  form.state_ = Form::State::Unloaded;
  form.hide();
  Unloaded().emplace_back(&form);
  ScheduleFlush();
}

void FlushUnloadedForms() {
  auto& pending = Unloaded();
  std::vector<QPointer<Form>> keep;
  std::vector<QPointer<Form>> now = std::move(pending);
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

void DoEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents();
  FlushUnloadedForms();
}

void DestroyAllForms() {
  Unloaded().clear();
  std::vector<Form*> forms = AllForms();
  for (Form* form : forms) delete form;
}

void End() {
  EndFlag() = true;
  if (EndHandlerSlot()) {
    EndHandlerSlot()(0);
    return;
  }
  // Every line of the configuration is already in its file; nothing else is owed.
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(0);
}

bool EndRequested() { return EndFlag(); }

void WindowDestroyedElsewhere(WId id) {
  // Windows Qt takes down itself are gone from the list, or unloaded, by the time
  // the news comes back.
  for (Form* form : AllForms()) {
    if (form->internalWinId() == id && !form->IsUnloaded()) {
      End();
      return;
    }
  }
}

void SetEndHandler(EndHandler handler) { EndHandlerSlot() = std::move(handler); }

void ClearEndRequest() { EndFlag() = false; }

FormBusy::FormBusy(QObject* receiver) : form_(OwningForm(receiver)) {
  if (form_) ++form_->busy_;
}

FormBusy::~FormBusy() {
  if (!form_) return;
  if (--form_->busy_ == 0 && form_->IsUnloaded()) ScheduleFlush();
}

}  // namespace platform
