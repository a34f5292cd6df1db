#include "platform/ui/user_choice.h"

namespace platform::ui {

namespace {

int ItemWithText(const Menu& menu, std::string_view text) {
  for (int i = 1; i <= menu.count(); ++i)
    if (!menu.item(i)->separator && menu.item(i)->text == text) return i;
  return 0;
}

// The first control, depth first, with that title or a pop-up offering an item with that text.
Control* Labelled(Control& root, std::string_view label) {
  if (root.kind() != ControlKind::UserPane && root.kind() != ControlKind::RadioGroup && root.title() == label)
    return &root;
  if (root.kind() == ControlKind::PopupButton && root.menuIfAny() && ItemWithText(*root.menuIfAny(), label) != 0)
    return &root;
  for (const auto& child : root.children())
    if (Control* found = Labelled(*child, label)) return found;
  return nullptr;
}

OSStatus ActOnLabel(Control& root, UserDriver& user, std::string_view label) {
  Control* control = Labelled(root, label);
  if (control == nullptr) return kNoSuchLabelErr;
  if (control->kind() == ControlKind::PopupButton && control->title() != label)
    return user.chooseItem(*control, ItemWithText(control->menu(), label));
  return user.click(*control);
}

}  // namespace

std::vector<std::string> SplitLabelPath(std::string_view path) {
  std::vector<std::string> labels;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('>', start);
    labels.emplace_back(path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return labels;
    start = end + 1;
  }
}

OSStatus ChooseByLabels(Control& root, UserDriver& user, std::string_view name, const std::vector<std::string>& labels,
                        LabelAnswers* answers) {
  Control* control = root.findNamed(name);
  if (control == nullptr || labels.empty()) return kNoSuchLabelErr;
  auto passOn = [&](std::size_t used) {
    if (answers != nullptr && labels.size() > used)
      answers->answerNextDialog(std::vector<std::string>(labels.begin() + static_cast<std::ptrdiff_t>(used), labels.end()));
  };
  switch (control->kind()) {
    case ControlKind::PopupButton:
    case ControlKind::MenuButton: {
      const int item = ItemWithText(control->menu(), labels[0]);
      if (item == 0) return kNoSuchLabelErr;
      int subItem = 0;
      if (const auto& submenu = control->menu().item(item)->submenu) {
        if (labels.size() < 2 || (subItem = ItemWithText(*submenu, labels[1])) == 0) return kNoSuchLabelErr;
      }
      passOn(subItem != 0 ? 2 : 1);
      return user.chooseItem(*control, item, subItem);
    }
    case ControlKind::CheckBox:
      if (labels[0] != "on" && labels[0] != "off") return kNoSuchLabelErr;
      passOn(1);
      return (control->value() != 0) == (labels[0] == "on") ? noErr : user.click(*control);
    case ControlKind::EditText: {
      OSStatus status = user.select(*control, {0, control->text().size()});
      return status == noErr ? user.type(*control, labels[0]) : status;
    }
    default:
      return kNoSuchLabelErr;
  }
}

int LabelAnswers::runModal(Window& window) {
  if (pending_.empty()) {
    driver_.pressEscape(window);
  } else {
    std::vector<std::string> labels = std::move(pending_.front());
    pending_.pop_front();
    for (const std::string& label : labels)
      if (ActOnLabel(window.content(), driver_, label) != noErr) unmatched_.push_back(label);
    driver_.pressReturn(window);
  }
  // A dialog that refused its OK (a value out of range) is cancelled rather than left waiting.
  if (!window.modalResult()) driver_.pressEscape(window);
  return window.modalResult().value_or(kModalNobodyAnswered);
}

int LabelAnswers::alert(const AlertRequest& request) {
  alerts_.push_back(request.title + ": " + request.message);
  return 1;
}

}  // namespace platform::ui
