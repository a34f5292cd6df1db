#pragma once
// Answers the dialogs and alerts a choice opens from a list of steps, as a person reading the
// screen would, and tells whether everything went as the steps said.
//
// The steps are used in order, by whichever dialog or alert is in front:
// - in a dialog, "Name=value" acts on the dialog's control of that name (see ChooseByLabels);
//   when value is a menu item with a submenu, the next step is the submenu's item;
//   any other step clicks the control with that title, or chooses the pop-up item, tab or list row
//   reading so ("Cancel" and "OK" press Escape and Return when no control is titled so);
// - a step that opens another dialog or an alert is followed by that one's steps;
// - an alert takes the step naming one of its buttons;
// - a dialog still open when its steps run out gets Return (its default button).
// What is refused ends the answering, leaves every open dialog cancelled and is kept as the
// refusal: a step the dialog has no control for, an OK after which the dialog stays open, a
// keystroke refused with a beep, a caution or stop alert no step answered. Note alerts are kept
// as notes and answered with their default button.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/interaction.h"
#include "platform/ui/user_driver.h"

namespace platform::ui {

class LabelAnswers : public Interaction {
 public:
  LabelAnswers() { SetInteraction(this); }
  ~LabelAnswers() override { SetInteraction(nullptr); }
  LabelAnswers(const LabelAnswers&) = delete;
  LabelAnswers& operator=(const LabelAnswers&) = delete;

  // Adds the steps for what the next choice opens.
  void answerWith(std::vector<std::string> steps);

  // Why the answering failed, in words ("the dialog has no \"X\"", "\"X\" is not available now",
  // "Title: message"); none when
  // nothing was refused.
  const std::optional<std::string>& refusal() const { return refusal_; }
  // The note alerts shown, as "<title>: <message>".
  const std::vector<std::string>& notes() const { return notes_; }
  // The steps no dialog or alert took, and whether any dialog ran.
  const std::deque<std::string>& unusedSteps() const { return steps_; }
  bool dialogShown() const { return dialogShown_; }

  int runModal(Window& window) override;
  int alert(const AlertRequest& request) override;
  std::optional<std::string> chooseFile(const FileRequest&) override { return std::nullopt; }
  void beep() override { refuse("a keystroke was refused"); }
  OSStatus openHelp(const std::string&, const std::string&, const std::string&) override { return noErr; }

 private:
  void refuse(std::string why);
  // Acts on the dialog for one step: noErr; kNoSuchLabelErr when the dialog has nothing the step
  // names; another status when what it names cannot be used now (disabled, say).
  OSStatus takeStep(Window& window, const std::string& step);

  UserDriver driver_;
  std::deque<std::string> steps_;
  std::optional<std::string> refusal_;
  std::vector<std::string> notes_;
  bool dialogShown_ = false;
};

}  // namespace platform::ui
