#include "platform/ui/interaction.h"

#include <cstdio>

#include "platform/ui/window.h"

namespace platform::ui {

namespace {

// Without a person to ask, dialogs end cancelled and alerts with their cancel answer,
// each saying so, so that nothing waits forever and nothing is taken for a yes.
class Nobody : public Interaction {
 public:
  int runModal(Window& window) override {
    std::fprintf(stderr, "!! no one to answer the dialog \"%s\"; cancelled\n", window.title().c_str());
    return kModalNobodyAnswered;
  }
  int alert(const AlertRequest& request) override {
    std::fprintf(stderr, "!! alert \"%s\": %s\n", request.title.c_str(), request.message.c_str());
    return AlertCancelAnswer(request);
  }
  std::optional<std::string> chooseFile(const FileRequest&) override { return std::nullopt; }
  void beep() override {}
  OSStatus openHelp(const std::string&, const std::string&, const std::string&) override { return noErr; }
};

Nobody gNobody;
Interaction* gInteraction = &gNobody;

}  // namespace

Interaction& CurrentInteraction() { return *gInteraction; }
void SetInteraction(Interaction* interaction) { gInteraction = interaction ? interaction : &gNobody; }

int RunAppModalLoopForWindow(Window& window) {
  window.resetModal();
  bool wasVisible = window.visible();
  window.setVisible(true);
  int result = gInteraction->runModal(window);
  window.setVisible(wasVisible);
  return result;
}

int AlertCancelAnswer(const AlertRequest& request) {
  const int buttons = request.buttons.empty() ? 1 : static_cast<int>(request.buttons.size());
  return request.cancelButton >= 1 && request.cancelButton <= buttons ? request.cancelButton : buttons;
}

void QuitAppModalLoopForWindow(Window& window, int result) { window.quitModal(result); }
int RunStandardAlert(const AlertRequest& request) { return gInteraction->alert(request); }
std::optional<std::string> ChooseFile(const FileRequest& request) { return gInteraction->chooseFile(request); }
void Beep() { gInteraction->beep(); }
OSStatus OpenHelpBook(const std::string& book, const std::string& page, const std::string& anchor) {
  return gInteraction->openHelp(book, page, anchor);
}
void SetClipboardText(const std::string& text) { gInteraction->setClipboardText(text); }
std::optional<std::string> ClipboardText() { return gInteraction->clipboardText(); }

}  // namespace platform::ui
