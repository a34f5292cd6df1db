#include "platform/ui/user_choice.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "platform/locale/utf8_text.h"

namespace platform::ui {

namespace {

std::vector<std::string> SplitAt(std::string_view text, char marker) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(marker, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// How many labels the choice itself takes: two for a menu item and its submenu item, else one.
// A push button that opens a dialog may be given that dialog's first step ("Name=value") in
// place of "click": the button is clicked and every label is a step.
bool IsDialogStep(const Control& control, const std::string& label) {
  return control.kind() == ControlKind::PushButton && label.find('=') != std::string::npos && label != control.title();
}

std::size_t LabelsTaken(Control& control, const std::vector<std::string>& labels) {
  if (IsDialogStep(control, labels[0])) return 0;
  if (control.kind() != ControlKind::PopupButton && control.kind() != ControlKind::MenuButton) return 1;
  const MenuItem* item = control.menu().item(control.menu().findText(labels[0]));
  return item != nullptr && item->submenu ? 2 : 1;
}

OSStatus ChooseMenuItem(Control& control, UserDriver& user, const std::vector<std::string>& labels) {
  const int item = control.menu().findText(labels[0]);
  if (item == 0) return kNoSuchLabelErr;
  int subItem = 0;
  if (const auto& submenu = control.menu().item(item)->submenu) {
    if (labels.size() < 2 || (subItem = submenu->findText(labels[1])) == 0) return kNoSuchLabelErr;
  }
  return user.chooseItem(control, item, subItem);
}

// Replaces the whole text, as a person selecting it all and typing would.
OSStatus Retype(Control& field, UserDriver& user, std::string_view text) {
  OSStatus status = user.select(field, {0, UTF16Length(field.text())});
  // An empty value is the old text selected and deleted: typing nothing would leave it there.
  return status == noErr ? user.type(field, text.empty() ? std::string_view("\b") : text) : status;
}

OSStatus ChooseRadio(Control& group, UserDriver& user, std::string_view title) {
  for (const auto& button : group.children())
    if (button->kind() == ControlKind::RadioButton && button->title() == title) return user.click(*button);
  return kNoSuchLabelErr;
}

OSStatus ChooseTab(Control& tabs, UserDriver& user, std::string_view title) {
  const auto& panes = tabs.children();
  for (std::size_t i = 0; i < panes.size(); ++i)
    if (panes[i]->title() == title) return user.chooseTab(tabs, static_cast<int>(i) + 1);
  return kNoSuchLabelErr;
}

// The rows with a cell reading text.
std::set<DataBrowserItemID> RowsReading(const DataBrowser& browser, std::string_view text) {
  std::set<DataBrowserItemID> rows;
  for (DataBrowserItemID item : browser.items())
    for (const DataBrowserColumn& column : browser.columns())
      if (browser.cellText(item, column.property) == text) rows.insert(item);
  return rows;
}

// The rows reading text or, when none does, for "text#N", the Nth row (from 1, in list order)
// of those reading text: so that one of several rows that read alike can be chosen.
std::set<DataBrowserItemID> RowsNamed(const DataBrowser& browser, std::string_view text) {
  std::set<DataBrowserItemID> rows = RowsReading(browser, text);
  const std::size_t mark = text.rfind('#');
  if (!rows.empty() || mark == std::string_view::npos) return rows;
  std::size_t place = 0;
  const std::string_view digits = text.substr(mark + 1);
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), place);
  if (ec != std::errc() || end != digits.data() + digits.size() || place == 0) return rows;
  const std::set<DataBrowserItemID> alike = RowsReading(browser, text.substr(0, mark));
  for (DataBrowserItemID item : browser.items())
    if (alike.contains(item) && --place == 0) return {item};
  return rows;
}

OSStatus ChooseRows(Control& list, UserDriver& user, std::string_view text) {
  DataBrowser& browser = list.dataBrowser();
  std::set<DataBrowserItemID> rows = RowsNamed(browser, text);
  if (rows.empty() && browser.multipleSelection()) {
    for (const std::string& part : SplitAt(text, ',')) {
      std::set<DataBrowserItemID> found = RowsNamed(browser, part);
      if (found.empty()) return kNoSuchLabelErr;
      rows.insert(found.begin(), found.end());
    }
  }
  if (rows.empty() || (rows.size() > 1 && !browser.multipleSelection())) return kNoSuchLabelErr;
  return user.selectRows(list, std::move(rows));
}

OSStatus Drag(Control& slider, UserDriver& user, std::string_view text) {
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < slider.minimum() || value > slider.maximum())
    return kNoSuchLabelErr;
  return user.drag(slider, value);
}

OSStatus Act(Control& control, UserDriver& user, const std::vector<std::string>& labels) {
  const std::string& label = labels[0];
  switch (control.kind()) {
    case ControlKind::PushButton:
      return label == "click" || label == control.title() || IsDialogStep(control, label) ? user.click(control)
                                                                                          : kNoSuchLabelErr;
    case ControlKind::CheckBox:
      if (label != "on" && label != "off") return kNoSuchLabelErr;
      return (control.value() != 0) == (label == "on") ? noErr : user.click(control);
    case ControlKind::RadioButton:
      return label == "on" || label == "click" || label == control.title() ? user.click(control) : kNoSuchLabelErr;
    case ControlKind::RadioGroup: return ChooseRadio(control, user, label);
    case ControlKind::PopupButton:
    case ControlKind::MenuButton: return ChooseMenuItem(control, user, labels);
    case ControlKind::ComboBox:
      if (const int item = control.menuIfAny() ? control.menu().findText(label) : 0; item != 0)
        return user.chooseItem(control, item);
      return Retype(control, user, label);
    case ControlKind::EditText:
    case ControlKind::TextView: return Retype(control, user, label);
    case ControlKind::DataBrowser: return ChooseRows(control, user, label);
    case ControlKind::TabControl: return ChooseTab(control, user, label);
    case ControlKind::Slider: return Drag(control, user, label);
    case ControlKind::LittleArrows:
      return label == "up" || label == "down" ? user.pressArrow(control, label == "up") : kNoSuchLabelErr;
    default: return kNoSuchLabelErr;
  }
}

}  // namespace

std::vector<std::string> SplitLabelPath(std::string_view path) {
  std::vector<std::string> labels(1);
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '>') {
      labels.back() += '>';
      ++i;
    } else if (path[i] == '>') {
      labels.emplace_back();
    } else {
      labels.back() += path[i];
    }
  }
  return labels;
}

OSStatus ChooseLabel(Control& control, UserDriver& user, std::string_view label) {
  return Act(control, user, {std::string(label)});
}

OSStatus ChooseSubmenuLabel(Control& control, UserDriver& user, std::string_view label, std::string_view subLabel) {
  return Act(control, user, {std::string(label), std::string(subLabel)});
}

bool LabelOpensSubmenu(Control& control, std::string_view label) {
  if (control.kind() != ControlKind::PopupButton && control.kind() != ControlKind::MenuButton) return false;
  return LabelsTaken(control, {std::string(label)}) == 2;
}

OSStatus ChooseByLabels(Control& root, UserDriver& user, std::string_view name, const std::vector<std::string>& labels,
                        LabelAnswers* answers) {
  Control* control = root.findNamed(name);
  if (control == nullptr || labels.empty()) return kNoSuchLabelErr;
  if (OSStatus shown = user.bringToFront(*control); shown != noErr) return shown;
  // The steps go first: the dialog the choice opens runs before the choice returns.
  const std::size_t taken = LabelsTaken(*control, labels);
  if (answers != nullptr)
    answers->answerWith(std::vector<std::string>(labels.begin() + static_cast<std::ptrdiff_t>(std::min(taken, labels.size())),
                                                 labels.end()));
  return Act(*control, user, labels);
}

}  // namespace platform::ui
