#include "platform/ui/control.h"

#include <algorithm>

#include "platform/locale/utf8_text.h"
#include "platform/ui/window.h"

namespace platform::ui {

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::UserPane: return "user-pane";
    case ControlKind::PushButton: return "push-button";
    case ControlKind::PopupButton: return "popup";
    case ControlKind::MenuButton: return "menu-button";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::RadioGroup: return "radio-group";
    case ControlKind::RadioButton: return "radio-button";
    case ControlKind::StaticText: return "static-text";
    case ControlKind::EditText: return "edit-text";
    case ControlKind::TextView: return "text-view";
    case ControlKind::ComboBox: return "combo-box";
    case ControlKind::LittleArrows: return "little-arrows";
    case ControlKind::Slider: return "slider";
    case ControlKind::GroupBox: return "group-box";
    case ControlKind::Picture: return "picture";
    case ControlKind::CustomView: return "custom-view";
    case ControlKind::TabControl: return "tab-control";
    case ControlKind::DataBrowser: return "data-browser";
  }
  return "unknown";
}

Control::Control(ControlKind kind, ControlID id, Rect bounds) : kind_(kind), id_(id), bounds_(bounds) {}

Control::~Control() {
  // Children go first, each telling its own handlers, as a disposed tree does.
  children_.clear();
  Event dispose{kEventClassControl, kEventControlDispose};
  dispose.control = this;
  callHandlers(dispose);
}

Window* Control::window() const {
  const Control* c = this;
  while (c->parent_ != nullptr) c = c->parent_;
  return c->window_;
}

Control* Control::embed(std::unique_ptr<Control> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  return children_.back().get();
}

Control* Control::embed(Control& child) {
  if (child.parent_ == this) return &child;
  if (child.parent_ == nullptr) return nullptr;  // a window's root cannot move
  return embed(child.parent_->detach(child));
}

std::unique_ptr<Control> Control::detach(Control& child) {
  auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
  if (it == children_.end()) return nullptr;
  std::unique_ptr<Control> owned = std::move(*it);
  children_.erase(it);
  owned->parent_ = nullptr;
  return owned;
}

Control* Control::find(ControlID id) {
  if (id_ == id) return this;
  for (auto& child : children_)
    if (Control* found = child->find(id)) return found;
  return nullptr;
}

Control* Control::findNamed(std::string_view name) {
  if (!name.empty() && name_ == name) return this;
  for (auto& child : children_)
    if (Control* found = child->findNamed(name)) return found;
  return nullptr;
}

bool Control::isReallyVisible() const {
  for (const Control* c = this; c != nullptr; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

bool Control::isReallyEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->parent_)
    if (!c->enabled_ || !c->active_) return false;
  return true;
}

void Control::setValue(std::int32_t value) { value_ = std::clamp(value, minimum_, std::max(minimum_, maximum_)); }

void Control::setMinimum(std::int32_t minimum) {
  minimum_ = minimum;
  setValue(value_);
}

void Control::setMaximum(std::int32_t maximum) {
  maximum_ = maximum;
  setValue(value_);
}

void Control::setText(std::string text) {
  text_ = std::move(text);
  selection_ = TextSelection{UTF16Length(text_), 0};
}

void Control::setSelection(TextSelection selection) {
  const std::size_t length = UTF16Length(text_);
  selection.start = std::min(selection.start, length);
  selection.length = std::min(selection.length, length - selection.start);
  selection_ = selection;
}

void Control::replaceSelection(const std::string& text) {
  const std::size_t begin = UTF8OffsetOfUTF16Index(text_, selection_.start);
  const std::size_t end = UTF8OffsetOfUTF16Index(text_, selection_.start + selection_.length);
  text_.replace(begin, end - begin, text);
  selection_ = TextSelection{selection_.start + UTF16Length(text), 0};
}

Menu& Control::menu() {
  if (!menu_) menu_ = std::make_unique<Menu>();
  return *menu_;
}

const MenuItem* Control::selectedItem() const { return menu_ ? menu_->item(value_) : nullptr; }

void Control::setProperty(OSType creator, OSType tag, std::any value) {
  properties_[{creator, tag}] = std::move(value);
}

const std::any* Control::property(OSType creator, OSType tag) const {
  auto it = properties_.find({creator, tag});
  return it == properties_.end() ? nullptr : &it->second;
}

void Control::removeProperty(OSType creator, OSType tag) { properties_.erase({creator, tag}); }

DataBrowser& Control::dataBrowser() {
  if (!dataBrowser_) dataBrowser_ = std::make_unique<DataBrowser>();
  return *dataBrowser_;
}

EventTarget* Control::nextTarget() const {
  if (parent_ != nullptr) return parent_;
  return window_;
}

}  // namespace platform::ui
