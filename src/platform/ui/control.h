#pragma once
// A control of the retained tree: its kind, identity, place, state and content. Setting a value
// or a text from the program sends no event; only user actions (see user_driver.h) do.
#include <any>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/four_char_code.h"
#include "platform/ui/data_browser.h"
#include "platform/ui/event.h"
#include "platform/ui/menu.h"

namespace platform::ui {

enum class ControlKind {
  UserPane,
  PushButton,
  PopupButton,
  MenuButton,  // a bevel button with a menu of commands
  CheckBox,
  RadioGroup,  // value = the 1-based chosen button; the buttons are its children
  RadioButton,
  StaticText,
  EditText,
  TextView,  // multi-line text, read-only while locked
  ComboBox,
  LittleArrows,
  Slider,
  GroupBox,
  Picture,     // shows the picture file named by picture()
  CustomView,  // drawn by its draw handlers
  TabControl,  // value = the 1-based tab shown; the panes are its children
  DataBrowser,
};

const char* ControlKindName(ControlKind kind);

struct ControlID {
  OSType signature = 0;
  std::int32_t id = 0;
  friend bool operator==(const ControlID&, const ControlID&) = default;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;  // x, y relative to the enclosing control
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A text selection in UTF-16 units, the unit of the dialog's length limits.
struct TextSelection {
  std::size_t start = 0;
  std::size_t length = 0;
};

class Control : public EventTarget {
 public:
  Control(ControlKind kind, ControlID id, Rect bounds);
  ~Control() override;  // sends the dispose event to the control's own handlers

  ControlKind kind() const { return kind_; }
  ControlID id() const { return id_; }
  Rect bounds() const { return bounds_; }
  void setBounds(Rect bounds) { bounds_ = bounds; }

  // The tree.
  Control* parent() const { return parent_; }
  Window* window() const;
  const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
  // Takes ownership and answers the embedded control.
  Control* embed(std::unique_ptr<Control> child);
  // Moves a control from wherever it is into this one.
  Control* embed(Control& child);
  std::unique_ptr<Control> detach(Control& child);
  // This control or a descendant with that identity; null when none.
  Control* find(ControlID id);
  // The name a person or a script knows the control by (interface attribute "name"), and this
  // control or the first descendant, depth first, with that name; null when none.
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  Control* findNamed(std::string_view name);

  // State. A control is really visible (enabled, active) only when its ancestors are too.
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  bool active() const { return active_; }
  void setActive(bool active) { active_ = active; }
  bool isReallyVisible() const;
  bool isReallyEnabled() const;

  // Title and value. The value is kept within minimum..maximum.
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }
  std::int32_t value() const { return value_; }
  void setValue(std::int32_t value);
  std::int32_t minimum() const { return minimum_; }
  std::int32_t maximum() const { return maximum_; }
  void setMinimum(std::int32_t minimum);
  void setMaximum(std::int32_t maximum);

  // Text of static, edit, combo and text-view controls; the selection is cleared to the end.
  const std::string& text() const { return text_; }
  void setText(std::string text);
  TextSelection selection() const { return selection_; }
  void setSelection(TextSelection selection);
  // Replaces the selection with text (UTF-8) and puts the caret after it.
  void replaceSelection(const std::string& text);
  bool locked() const { return locked_; }  // a read-only text view
  void setLocked(bool locked) { locked_ = locked; }
  bool password() const { return password_; }  // an edit field whose text is shown as dots
  void setPassword(bool password) { password_ = password; }

  // The menu of a pop-up, menu button or combo box (created on first use).
  Menu& menu();
  const Menu* menuIfAny() const { return menu_.get(); }
  // The chosen item of a pop-up (value), or null.
  const MenuItem* selectedItem() const;

  OSType command() const { return command_; }
  void setCommand(OSType command) { command_ = command; }
  const std::string& picture() const { return picture_; }
  void setPicture(std::string file) { picture_ = std::move(file); }

  // Properties stored on the control by creator code and tag.
  void setProperty(OSType creator, OSType tag, std::any value);
  const std::any* property(OSType creator, OSType tag) const;
  void removeProperty(OSType creator, OSType tag);

  DataBrowser& dataBrowser();  // meaningful for DataBrowser controls

  // A pop-up that switches panes (a chooser of panels): the pane each of its items brings to the
  // front, by item number from 1; empty for any other control. Tab controls need none: their
  // panes are their children.
  const std::vector<ControlID>& panesShown() const { return panesShown_; }
  void setPanesShown(std::vector<ControlID> panes) { panesShown_ = std::move(panes); }

  EventTarget* nextTarget() const override;

 private:
  friend class Window;
  ControlKind kind_;
  ControlID id_;
  std::string name_;
  Rect bounds_;
  Control* parent_ = nullptr;
  Window* window_ = nullptr;  // set on the root control of a window
  std::vector<std::unique_ptr<Control>> children_;
  bool visible_ = true, enabled_ = true, active_ = true, locked_ = false, password_ = false;
  std::string title_;
  std::int32_t value_ = 0, minimum_ = 0, maximum_ = 0;
  std::string text_;
  TextSelection selection_;
  std::unique_ptr<Menu> menu_;
  OSType command_ = 0;
  std::string picture_;
  std::map<std::pair<OSType, OSType>, std::any> properties_;
  std::unique_ptr<DataBrowser> dataBrowser_;
  std::vector<ControlID> panesShown_;
};

}  // namespace platform::ui
