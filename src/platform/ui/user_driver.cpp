#include "platform/ui/user_driver.h"

#include <utility>
#include <vector>

#include "platform/locale/utf8_text.h"

namespace platform::ui {

namespace {

// Fields a person can type into: edit fields, combo boxes and text views that are not locked.
bool Typable(const Control& field) {
  return field.kind() == ControlKind::EditText || field.kind() == ControlKind::ComboBox ||
         (field.kind() == ControlKind::TextView && !field.locked());
}

bool Reachable(const Control& c) { return c.isReallyVisible() && c.isReallyEnabled(); }

OSStatus Send(Event& e, Control& target) { return SendEventToEventTarget(e, &target); }

void SendCommand(Control& from, OSType command, Menu* menu, int item) {
  if (command == 0) return;
  Event e(kEventClassCommand, kEventCommandProcess);
  e.control = &from;
  e.command = command;
  e.menu = menu;
  e.menuItem = item;
  Send(e, from);
}

OSStatus Hit(Control& c, std::int32_t part = kControlNoPart) {
  Event e(kEventClassControl, kEventControlHit);
  e.control = &c;
  e.part = part;
  return Send(e, c);
}

// The standard editing of a field for one piece of text that no handler took.
void Edit(Control& field, const std::string& text) {
  if (text == "\b") {
    TextSelection s = field.selection();
    if (s.length == 0 && s.start > 0) field.setSelection({s.start - 1, 1});
    field.replaceSelection("");
  } else {
    field.replaceSelection(text);
  }
}

// Length of the UTF-8 sequence that starts with this byte (1 for a byte no sequence starts with).
std::size_t SequenceBytes(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The pop-up within root, and its item, that brings the pane with that identity to the front.
std::pair<Control*, int> PaneChooser(Control& root, ControlID pane) {
  const std::vector<ControlID>& panes = root.panesShown();
  for (std::size_t i = 0; i < panes.size(); ++i)
    if (panes[i] == pane) return {&root, static_cast<int>(i) + 1};
  for (const auto& child : root.children())
    if (auto found = PaneChooser(*child, pane); found.first != nullptr) return found;
  return {nullptr, 0};
}

}  // namespace

OSStatus UserDriver::click(Control& c) {
  if (!Reachable(c)) return kUserCannotReachErr;
  if (c.kind() == ControlKind::CheckBox) c.setValue(c.value() == 0 ? 1 : 0);
  if (c.kind() == ControlKind::RadioButton && c.parent() && c.parent()->kind() == ControlKind::RadioGroup) {
    const auto& buttons = c.parent()->children();
    for (size_t i = 0; i < buttons.size(); ++i) {
      buttons[i]->setValue(buttons[i].get() == &c ? 1 : 0);
      if (buttons[i].get() == &c) c.parent()->setValue(static_cast<std::int32_t>(i) + 1);
    }
    if (Hit(*c.parent()) != eventNotHandledErr) return noErr;
  }
  if (Typable(c)) focus(c);
  if (Hit(c) == eventNotHandledErr) SendCommand(c, c.command(), nullptr, 0);
  return noErr;
}

OSStatus UserDriver::chooseItem(Control& c, int item, int subItem) {
  if (!Reachable(c) || c.menuIfAny() == nullptr) return kUserCannotReachErr;
  Menu* menu = &c.menu();
  MenuItem* chosen = menu->item(item);
  if (chosen == nullptr || !chosen->enabled || chosen->separator) return kUserCannotReachErr;
  if (subItem > 0) {
    if (!chosen->submenu) return kUserCannotReachErr;
    menu = chosen->submenu.get();
    item = subItem;
    chosen = menu->item(subItem);
    if (chosen == nullptr || !chosen->enabled || chosen->separator) return kUserCannotReachErr;
  } else if (chosen->submenu) {
    return kUserCannotReachErr;  // an item with a submenu only opens it
  }
  const OSType command = chosen->command;
  switch (c.kind()) {
    case ControlKind::PopupButton:
      c.setValue(item);
      if (Hit(c) == eventNotHandledErr) SendCommand(c, command, menu, item);
      break;
    case ControlKind::ComboBox: {
      c.setText(chosen->text);
      Event e(kEventClassComboBox, kEventComboBoxListItemSelected);
      e.control = &c;
      e.menu = menu;
      e.menuItem = item;
      Send(e, c);
      break;
    }
    default:
      SendCommand(c, command, menu, item);
      break;
  }
  return noErr;
}

OSStatus UserDriver::focus(Control& c) {
  if (!Reachable(c) || c.window() == nullptr) return kUserCannotReachErr;
  c.window()->setFocus(&c);
  return noErr;
}

OSStatus UserDriver::select(Control& field, TextSelection selection) {
  if (OSStatus s = focus(field); s != noErr) return s;
  field.setSelection(selection);
  return noErr;
}

OSStatus UserDriver::sendText(Control& field, std::string_view text) {
  Event e(kEventClassTextInput, kEventTextInputUnicodeForKeyEvent);
  e.control = &field;
  e.text = std::string(text);
  if (Send(e, field) != eventNotHandledErr) return noErr;
  const std::string before = field.text();
  Edit(field, e.text);
  if (field.text() != before) {
    Event changed(kEventClassTextField, kEventTextDidChange);
    changed.control = &field;
    Send(changed, field);
  }
  return noErr;
}

OSStatus UserDriver::type(Control& field, std::string_view text) {
  if (!Typable(field)) return kUserCannotReachErr;
  if (field.window() == nullptr || field.window()->focus() != &field)
    if (OSStatus s = focus(field); s != noErr) return s;
  for (size_t i = 0; i < text.size();) {
    size_t n = std::min(SequenceBytes(static_cast<unsigned char>(text[i])), text.size() - i);
    sendText(field, text.substr(i, n));
    i += n;
  }
  return noErr;
}

OSStatus UserDriver::paste(Control& field, std::string_view text) {
  if (!Typable(field)) return kUserCannotReachErr;
  if (field.window() == nullptr || field.window()->focus() != &field)
    if (OSStatus s = focus(field); s != noErr) return s;
  return sendText(field, text);
}

OSStatus UserDriver::pressArrow(Control& arrows, bool up) {
  if (!Reachable(arrows)) return kUserCannotReachErr;
  Hit(arrows, up ? kControlUpButtonPart : kControlDownButtonPart);
  return noErr;
}

OSStatus UserDriver::drag(Control& slider, std::int32_t value) {
  if (!Reachable(slider)) return kUserCannotReachErr;
  slider.setValue(value);
  Event changed(kEventClassControl, kEventControlValueFieldChanged);
  changed.control = &slider;
  Send(changed, slider);
  Hit(slider);
  return noErr;
}

OSStatus UserDriver::selectRows(Control& browser, std::set<DataBrowserItemID> rows) {
  if (!Reachable(browser) || browser.kind() != ControlKind::DataBrowser) return kUserCannotReachErr;
  browser.dataBrowser().userSelect(std::move(rows));
  return noErr;
}

OSStatus UserDriver::chooseTab(Control& tabs, int tab) {
  if (!Reachable(tabs) || tabs.kind() != ControlKind::TabControl || tab < 1 ||
      tab > static_cast<int>(tabs.children().size()))
    return kUserCannotReachErr;
  tabs.setValue(tab);
  return click(tabs);
}

OSStatus UserDriver::bringToFront(Control& control) {
  std::vector<Control*> around;  // the control and its ancestors, outermost last
  for (Control* c = &control; c != nullptr; c = c->parent()) around.push_back(c);
  for (auto it = around.rbegin(); it != around.rend(); ++it) {
    Control& pane = **it;
    if (pane.visible()) continue;
    Control* parent = pane.parent();
    if (parent != nullptr && parent->kind() == ControlKind::TabControl) {
      const auto& panes = parent->children();
      for (std::size_t i = 0; i < panes.size(); ++i)
        if (panes[i].get() == &pane) chooseTab(*parent, static_cast<int>(i) + 1);
    } else if (auto [chooser, item] = PaneChooser(*around.back(), pane.id()); chooser != nullptr) {
      chooseItem(*chooser, item);
    }
  }
  return control.isReallyVisible() ? noErr : kUserCannotReachErr;
}

OSStatus UserDriver::pressReturn(Window& window) {
  return window.defaultButton() ? click(*window.defaultButton()) : kUserCannotReachErr;
}

OSStatus UserDriver::pressEscape(Window& window) {
  // A notice with only its OK button is dismissed by that button.
  Control* button = window.cancelButton() ? window.cancelButton() : window.defaultButton();
  return button ? click(*button) : kUserCannotReachErr;
}

}  // namespace platform::ui
