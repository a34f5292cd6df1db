#pragma once
// A window: a named root of controls, with its default and cancel buttons, the keyboard focus,
// custom events posted to it, and the state of a modal loop run on it.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/event.h"

namespace platform::ui {

class Window : public EventTarget {
 public:
  Window(std::string name, Rect bounds);
  ~Window() override;

  const std::string& name() const { return name_; }
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }
  Rect bounds() const { return root_->bounds(); }

  // The content: a user pane as large as the window.
  Control& content() { return *root_; }
  Control* find(ControlID id) { return root_->find(id); }

  Control* defaultButton() const { return defaultButton_; }
  void setDefaultButton(Control* button) { defaultButton_ = button; }
  Control* cancelButton() const { return cancelButton_; }
  void setCancelButton(Control* button) { cancelButton_ = button; }

  // Moving the focus tells the control losing it and the one gaining it (focus events). Each
  // call is counted, also one naming the control that has the focus already: a window on screen
  // puts its keyboard focus there again, wherever a person had moved it since.
  Control* focus() const { return focus_; }
  void setFocus(Control* control);
  std::uint64_t focusRequests() const { return focusRequests_; }

  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

  // Custom events posted to the window wait until the run loop delivers them.
  void postEvent(Event event);
  // Delivers every posted event through the handler chain; answers how many.
  int deliverPostedEvents();

  // Modal state: a loop runs until quitModal is called (by a handler of the window). The first
  // call ends the loop and its result stands: a click that reaches the window after that (an OK
  // after Cancel) cannot turn it into another answer. resetModal starts a new loop.
  void quitModal(int result) {
    if (!modalResult_) modalResult_ = result;
  }
  std::optional<int> modalResult() const { return modalResult_; }
  void resetModal() { modalResult_.reset(); }

  EventTarget* nextTarget() const override { return nullptr; }

 private:
  std::string name_;
  std::string title_;
  std::unique_ptr<Control> root_;
  Control* defaultButton_ = nullptr;
  Control* cancelButton_ = nullptr;
  Control* focus_ = nullptr;
  std::uint64_t focusRequests_ = 0;
  bool visible_ = false;
  std::deque<Event> posted_;
  std::optional<int> modalResult_;
};

}  // namespace platform::ui
