#pragma once
// Choices made by name and label, as a person reading the screen would make them: "the pop-up
// called TwoSided, the item reading One-Sided". Front ends that take settings as text (a command
// line, a script) act through these, so that every choice goes through the same events as a
// click would.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "platform/ui/interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace platform::ui {

// No control has that name, or it has no item, check box state or button with that label.
inline constexpr OSStatus kNoSuchLabelErr = -30598;

// Splits "A>B>C" into its labels.
std::vector<std::string> SplitLabelPath(std::string_view path);

// Acts on the control named `name` within root:
// - a pop-up: chooses the item whose text is labels[0];
// - a menu button: chooses the item labels[0] and, when that item has a submenu, its item
//   labels[1];
// - a check box: "on" or "off" clicks it when it is not so already;
// - an edit field: replaces its text with labels[0] as typed keystrokes.
// The labels left over are handed to answers (when given) before acting, for the dialog the
// choice opens. kNoSuchLabelErr when the control or a label is not there; kUserCannotReachErr
// when a person could not act on it.
class LabelAnswers;
OSStatus ChooseByLabels(Control& root, UserDriver& user, std::string_view name, const std::vector<std::string>& labels,
                        LabelAnswers* answers);

// Answers each modal dialog with the next list of labels: clicks the control titled with each
// label (or chooses the pop-up item reading so), then presses Return; a dialog without a list is
// cancelled with Escape. Alerts are answered with their first button and kept for the caller.
class LabelAnswers : public Interaction {
 public:
  LabelAnswers() { SetInteraction(this); }
  ~LabelAnswers() override { SetInteraction(nullptr); }
  LabelAnswers(const LabelAnswers&) = delete;
  LabelAnswers& operator=(const LabelAnswers&) = delete;

  void answerNextDialog(std::vector<std::string> labels) { pending_.push_back(std::move(labels)); }
  // The labels no dialog could be found for, and the alerts shown, as "<title>: <message>".
  const std::vector<std::string>& unmatched() const { return unmatched_; }
  const std::vector<std::string>& alerts() const { return alerts_; }
  bool allAnswered() const { return pending_.empty(); }

  int runModal(Window& window) override;
  int alert(const AlertRequest& request) override;
  std::optional<std::string> chooseFile(const FileRequest&) override { return std::nullopt; }
  void beep() override {}
  OSStatus openHelp(const std::string&, const std::string&, const std::string&) override { return noErr; }

 private:
  UserDriver driver_;
  std::deque<std::vector<std::string>> pending_;
  std::vector<std::string> unmatched_;
  std::vector<std::string> alerts_;
};

}  // namespace platform::ui
