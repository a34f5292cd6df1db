#pragma once
// An Interaction that answers from a script, in order, and records what was shown: the dialogs
// run, the alerts with their texts, the files asked for, the beeps, the help pages opened and the
// texts copied.
// Tests install it to click through dialogs as a user would.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/interaction.h"
#include "platform/ui/user_driver.h"

namespace platform::ui {

class ScriptedInteraction : public Interaction {
 public:
  // Acts on a modal window; the loop ends when a step makes a handler call quitModal.
  using ModalStep = std::function<void(Window&, UserDriver&)>;

  ScriptedInteraction() { SetInteraction(this); }
  ~ScriptedInteraction() override { SetInteraction(nullptr); }
  ScriptedInteraction(const ScriptedInteraction&) = delete;
  ScriptedInteraction& operator=(const ScriptedInteraction&) = delete;

  void onModal(ModalStep step) { modalSteps_.push_back(std::move(step)); }
  void onAlert(int button) { alertAnswers_.push_back(button); }
  void onFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }

  // One line per thing shown: "modal: <title>", "alert: <title> | <message>",
  // "file: <title>", "beep", "help: <book> <page>#<anchor>", "copy: <text>".
  const std::vector<std::string>& log() const { return log_; }
  int beeps() const { return beeps_; }
  const std::vector<AlertRequest>& alerts() const { return alerts_; }
  const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
  bool scriptUsedUp() const { return modalSteps_.empty() && alertAnswers_.empty() && fileAnswers_.empty(); }

  int runModal(Window& window) override;
  int alert(const AlertRequest& request) override;
  std::optional<std::string> chooseFile(const FileRequest& request) override;
  void beep() override;
  OSStatus openHelp(const std::string& book, const std::string& page, const std::string& anchor) override;
  void setClipboardText(const std::string& text) override;

 private:
  UserDriver driver_;
  std::deque<ModalStep> modalSteps_;
  std::deque<int> alertAnswers_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::vector<std::string> log_;
  std::vector<AlertRequest> alerts_;
  std::vector<FileRequest> fileRequests_;
  int beeps_ = 0;
};

}  // namespace platform::ui
