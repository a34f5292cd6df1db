#pragma once
// What needs a person: modal dialogs, alerts, file choosers, the beep, the help book and the
// clipboard. The toolkit hands each to the current Interaction: a scripted one in tests, a real
// window's in the renderer, or, by default, nobody (dialogs end cancelled and say so on stderr).
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"

namespace platform::ui {

class Window;

inline constexpr OSStatus userCanceledErr = -128;
// The result of a modal loop that nobody could answer.
inline constexpr int kModalNobodyAnswered = -1;

enum class AlertLevel { Plain, Note, Caution, Stop };

struct AlertRequest {
  AlertLevel level = AlertLevel::Note;
  std::string title;
  std::string message;
  std::vector<std::string> buttons;  // the first is the default button
  // The answer (from 1) that Escape and the alert's close box give; 0 for the last button. An
  // alert whose default is its "no" sets it to 1, so that dismissing it never says yes.
  int cancelButton = 0;
};

// The answer that dismissing the alert gives.
int AlertCancelAnswer(const AlertRequest& request);

struct FileRequest {
  bool save = false;  // put-file (save) rather than choose-file (open)
  std::string title;
  std::string defaultName;
  std::vector<std::string> types;  // file name extensions offered, empty for any
};

class Interaction {
 public:
  virtual ~Interaction() = default;
  // Shows the window modally until a handler calls quitModal on it; answers the result.
  virtual int runModal(Window& window) = 0;
  // Answers the 1-based button chosen.
  virtual int alert(const AlertRequest& request) = 0;
  // The chosen path, or none when cancelled.
  virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;
  virtual void beep() = 0;
  virtual OSStatus openHelp(const std::string& book, const std::string& page, const std::string& anchor) = 0;
  // The clipboard's text: what Copy puts there and Paste takes. Without a window system it is
  // kept here, so copying works (and can be checked) wherever the toolkit runs.
  virtual void setClipboardText(const std::string& text) { clipboard_ = text; }
  // None when the clipboard holds no text.
  virtual std::optional<std::string> clipboardText() { return clipboard_; }

 private:
  std::optional<std::string> clipboard_;
};

Interaction& CurrentInteraction();
// Installs an interaction (borrowed; null restores the default, which answers nothing).
void SetInteraction(Interaction* interaction);

// The calls panels and dialogs make.
int RunAppModalLoopForWindow(Window& window);
void QuitAppModalLoopForWindow(Window& window, int result);
int RunStandardAlert(const AlertRequest& request);
std::optional<std::string> ChooseFile(const FileRequest& request);
void Beep();
OSStatus OpenHelpBook(const std::string& book, const std::string& page, const std::string& anchor);
void SetClipboardText(const std::string& text);
std::optional<std::string> ClipboardText();

}  // namespace platform::ui
