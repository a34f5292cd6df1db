#pragma once
// What every modal dialog of the panels shares: its window from an interface description, and
// the loop that runs it until OK or Cancel. A dialog installs its own handlers on the window
// before it runs; OK and Cancel are the commands of its two buttons.
#include <functional>
#include <memory>
#include <string_view>

#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/result.h"
#include "platform/ui/window.h"

inline constexpr platform::OSType kDialogOKButtonCommand = platform::FourCharCode("ok  ");
inline constexpr platform::OSType kDialogCancelButtonCommand = platform::FourCharCode("not!");

// The status a dialog answers when its interface description cannot be loaded.
inline constexpr platform::OSStatus kDialogNotLoadedErr = -9530;

// The window `windowName` of the interface description `name`; null after the loader's message
// on stderr when it cannot be loaded, or when there is no bundle.
std::unique_ptr<platform::ui::Window> LoadDialogWindow(const platform::Bundle* bundle, std::string_view name,
                                                       std::string_view windowName);

// Runs the window as an application-modal dialog. OK closes it when acceptOK (if given) agrees;
// Cancel always closes it; a dialog nobody answers counts as cancelled. True for OK.
bool RunModalOKCancel(platform::ui::Window& window, const std::function<bool()>& acceptOK = {});
