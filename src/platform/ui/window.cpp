#include "platform/ui/window.h"

namespace platform::ui {

Window::Window(std::string name, Rect bounds)
    : name_(std::move(name)), root_(std::make_unique<Control>(ControlKind::UserPane, ControlID{}, bounds)) {
  root_->window_ = this;
}

Window::~Window() {
  // Controls are disposed (and tell their handlers) while the window is still whole.
  focus_ = defaultButton_ = cancelButton_ = nullptr;
  root_.reset();
}

void Window::setFocus(Control* control) {
  ++focusRequests_;
  if (control == focus_) return;
  if (Control* old = focus_) {
    focus_ = nullptr;
    Event lost{kEventClassControl, kEventControlSetFocusPart};
    lost.control = old;
    lost.part = kControlFocusNoPart;
    SendEventToEventTarget(lost, old);
  }
  focus_ = control;
  if (control != nullptr) {
    Event gained{kEventClassControl, kEventControlSetFocusPart};
    gained.control = control;
    gained.part = kControlFocusNextPart;
    SendEventToEventTarget(gained, control);
  }
}

void Window::postEvent(Event event) { posted_.push_back(std::move(event)); }

int Window::deliverPostedEvents() {
  int delivered = 0;
  while (!posted_.empty()) {
    Event event = std::move(posted_.front());
    posted_.pop_front();
    SendEventToEventTarget(event, this);
    ++delivered;
  }
  return delivered;
}

}  // namespace platform::ui
