#include "platform/ui/label_answers.h"

#include "platform/ui/user_choice.h"
#include "platform/ui/window.h"

namespace platform::ui {

namespace {

bool ListHasRowReading(Control& list, std::string_view label) {
  const DataBrowser& browser = list.dataBrowser();
  for (DataBrowserItemID item : browser.items())
    for (const DataBrowserColumn& column : browser.columns())
      if (browser.cellText(item, column.property) == label) return true;
  return false;
}

// The first control, depth first, titled label, or a pop-up, tab control or list offering it; only
// controls a person sees now when `shown`.
Control* Labelled(Control& root, std::string_view label, bool shown) {
  if (shown && !root.visible()) return nullptr;
  const ControlKind kind = root.kind();
  if (kind != ControlKind::UserPane && kind != ControlKind::RadioGroup && kind != ControlKind::TabControl &&
      root.title() == label)
    return &root;
  if (kind == ControlKind::PopupButton && root.menuIfAny() && root.menuIfAny()->findText(label) != 0) return &root;
  if (kind == ControlKind::DataBrowser && ListHasRowReading(root, label)) return &root;
  if (kind == ControlKind::TabControl)
    for (const auto& pane : root.children())
      if (pane->title() == label) return &root;
  for (const auto& child : root.children())
    if (Control* found = Labelled(*child, label, shown)) return found;
  return nullptr;
}

}  // namespace

void LabelAnswers::answerWith(std::vector<std::string> steps) {
  for (std::string& step : steps) steps_.push_back(std::move(step));
}

void LabelAnswers::refuse(std::string why) {
  if (!refusal_) refusal_ = std::move(why);
}

OSStatus LabelAnswers::takeStep(Window& window, const std::string& step) {
  Control& content = window.content();
  if (const std::size_t equals = step.find('='); equals != std::string::npos) {
    if (Control* named = content.findNamed(std::string_view(step).substr(0, equals))) {
      if (driver_.bringToFront(*named) != noErr) return kNoSuchLabelErr;  // hidden in every pane
      const std::string_view value = std::string_view(step).substr(equals + 1);
      // A menu item with a submenu takes the next step as the submenu's item: "Paper=Color>Blue".
      if (LabelOpensSubmenu(*named, value) && !steps_.empty()) {
        const std::string subLabel = std::move(steps_.front());
        steps_.pop_front();
        return ChooseSubmenuLabel(*named, driver_, value, subLabel);
      }
      return ChooseLabel(*named, driver_, value);
    }
  }
  Control* control = Labelled(content, step, true);
  if (control == nullptr && (control = Labelled(content, step, false)) != nullptr &&
      driver_.bringToFront(*control) != noErr)
    return kNoSuchLabelErr;
  if (control == nullptr) {
    if (step == "Cancel") return driver_.pressEscape(window);
    if (step == "OK") return driver_.pressReturn(window);
    return kNoSuchLabelErr;
  }
  if (control->title() == step) return driver_.click(*control);
  return ChooseLabel(*control, driver_, step);
}

int LabelAnswers::runModal(Window& window) {
  dialogShown_ = true;
  while (!window.modalResult() && !refusal_) {
    if (steps_.empty()) {
      driver_.pressReturn(window);
      if (!window.modalResult()) refuse("the dialog \"" + window.title() + "\" did not take OK");
      break;
    }
    const std::string step = std::move(steps_.front());
    steps_.pop_front();
    // As on a panel: what the dialog shows but does not take now is not available now.
    if (const OSStatus taken = takeStep(window, step); taken == kNoSuchLabelErr)
      refuse("the dialog has no \"" + step + "\"");
    else if (taken != noErr)
      refuse("\"" + step + "\" is not available now");
  }
  // After a refusal every dialog still open is cancelled, so that nothing is applied.
  if (!window.modalResult()) driver_.pressEscape(window);
  return window.modalResult().value_or(kModalNobodyAnswered);
}

int LabelAnswers::alert(const AlertRequest& request) {
  const int cancel = AlertCancelAnswer(request);
  if (refusal_) return cancel;
  if (!steps_.empty()) {
    for (std::size_t i = 0; i < request.buttons.size(); ++i) {
      if (request.buttons[i] != steps_.front()) continue;
      steps_.pop_front();
      return static_cast<int>(i) + 1;
    }
  }
  const std::string said = request.title + ": " + request.message;
  if (request.level == AlertLevel::Note || request.level == AlertLevel::Plain) {
    notes_.push_back(said);
    return 1;
  }
  refuse(said);
  return cancel;
}

}  // namespace platform::ui
