#include "platform/ui/scripted_interaction.h"

#include "platform/ui/window.h"

namespace platform::ui {

int ScriptedInteraction::runModal(Window& window) {
  log_.push_back("modal: " + window.title());
  // Steps run until one of them ends the loop; a script that runs out leaves the dialog
  // cancelled rather than waiting forever.
  while (!window.modalResult()) {
    if (modalSteps_.empty()) {
      log_.push_back("modal left unanswered: " + window.title());
      return kModalNobodyAnswered;
    }
    ModalStep step = std::move(modalSteps_.front());
    modalSteps_.pop_front();
    step(window, driver_);
  }
  return *window.modalResult();
}

int ScriptedInteraction::alert(const AlertRequest& request) {
  log_.push_back("alert: " + request.title + " | " + request.message);
  alerts_.push_back(request);
  if (alertAnswers_.empty()) return 1;
  int answer = alertAnswers_.front();
  alertAnswers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedInteraction::chooseFile(const FileRequest& request) {
  log_.push_back("file: " + request.title);
  fileRequests_.push_back(request);
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

void ScriptedInteraction::beep() {
  ++beeps_;
  log_.push_back("beep");
}

OSStatus ScriptedInteraction::openHelp(const std::string& book, const std::string& page, const std::string& anchor) {
  log_.push_back("help: " + book + " " + page + "#" + anchor);
  return noErr;
}

void ScriptedInteraction::setClipboardText(const std::string& text) {
  log_.push_back("copy: " + text);
  Interaction::setClipboardText(text);
}

}  // namespace platform::ui
