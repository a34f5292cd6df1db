#pragma once
// The finishing menu button: items for what the printer's finishers can do, their check marks,
// and what choosing each does (directly, or through its dialog).
#include "panels/paper_output/paper_output_state.h"
#include "platform/four_char_code.h"
#include "platform/ui/event.h"
#include "platform/ui/menu.h"

inline constexpr platform::OSType kFinishingPrinterDefaultCommand = platform::FourCharCode("FPdf");
inline constexpr platform::OSType kFinishingNoneCommand = platform::FourCharCode("FNon");
inline constexpr platform::OSType kFinishingOneStapleCommand = platform::FourCharCode("F1St");
inline constexpr platform::OSType kFinishingTwoStaplesCommand = platform::FourCharCode("F2St");
inline constexpr platform::OSType kFinishingCenterStapleCommand = platform::FourCharCode("FCSt");
inline constexpr platform::OSType kFinishingBindCommand = platform::FourCharCode("FBnd");
inline constexpr platform::OSType kFinishingHolePunchCommand = platform::FourCharCode("FHPn");  // item ref: holes
inline constexpr platform::OSType kFinishingFoldCommand = platform::FourCharCode("FFld");
inline constexpr platform::OSType kFinishingZFoldCommand = platform::FourCharCode("FZFd");
inline constexpr platform::OSType kFinishingMultipleCommand = platform::FourCharCode("FMul");
inline constexpr platform::OSType kFinishingSignatureCommand = platform::FourCharCode("FSig");
inline constexpr platform::OSType kFinishingCustomCommand = platform::FourCharCode("FCus");
inline constexpr platform::OSType kFinishingCoilPunchCommand = platform::FourCharCode("FCoi");
inline constexpr platform::OSType kFinishingSlipSheetsCommand = platform::FourCharCode("FSlp");
inline constexpr platform::OSType kFinishingOffsetCommand = platform::FourCharCode("FOff");
inline constexpr platform::OSType kFinishingPadsCommand = platform::FourCharCode("FPad");
inline constexpr platform::OSType kFinishingBookletCommand = platform::FourCharCode("FBkl");
// Commands no item of the menu sends: a fold code (the event's item carries it) and removing
// the staples.
inline constexpr platform::OSType kFinishingFoldCodeCommand = platform::FourCharCode("FFcd");
inline constexpr platform::OSType kFinishingRemoveStaplesCommand = platform::FourCharCode("FRSt");

// The items the printer's finishers allow, in menu order.
void BuildFinishingMenu(const PaperOutputContext& context, platform::ui::Menu& menu);
// Check marks and enabled states after any change.
void UpdateFinishingMenu(const PaperOutputContext& context, platform::ui::Menu& menu);
// Carries out a finishing command; false for a command that is not the finishing menu's.
bool HandleFinishingCommand(PaperOutputContext& context, const platform::ui::Event& event);
