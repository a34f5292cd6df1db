#pragma once
// What a choice from a stock's menus does to the stock: the commands the stock menu and the
// advanced paper selection's pop-ups send, and the change each attribute's item makes (its
// "Custom..." items ask for their values first).
#include <cstdint>

#include "model/stock.h"
#include "panels/dialog_state.h"
#include "platform/four_char_code.h"
#include "platform/ui/event.h"

inline constexpr platform::OSType kStockLibraryCommand = platform::FourCharCode("SLib");
inline constexpr platform::OSType kStockSizeCommand = platform::FourCharCode("SSiz");
inline constexpr platform::OSType kStockColorCommand = platform::FourCharCode("SCol");
inline constexpr platform::OSType kStockTypeCommand = platform::FourCharCode("STyp");
inline constexpr platform::OSType kStockWeightCommand = platform::FourCharCode("SWgt");
inline constexpr platform::OSType kStockAdvancedCommand = platform::FourCharCode("SAdv");
// The pop-ups of the advanced paper selection send these; each item carries its value.
inline constexpr platform::OSType kStockPunchedCommand = platform::FourCharCode("Spun");
inline constexpr platform::OSType kStockDescriptionCommand = platform::FourCharCode("Sdsc");
inline constexpr platform::OSType kStockSidesCoatedCommand = platform::FourCharCode("Scoa");
inline constexpr platform::OSType kStockCoatingTypeCommand = platform::FourCharCode("Scty");
inline constexpr platform::OSType kStockGrainCommand = platform::FourCharCode("Sgrn");
inline constexpr platform::OSType kStockFinishCommand = platform::FourCharCode("Sfin");

// What an attribute command (size, colour, type, weight and the advanced selection's pop-ups) does
// to the stock: true when the stock changed, false for any other event or an item that changes
// nothing. The dialog's state (null without a shell) keeps the custom size's units.
bool ApplyStockAttributeChoice(const platform::ui::Event& event, Stock& stock, DialogState* dialog);

// Values whose choice opens a set-up dialog the plug-in does not have: the tab and ordered stocks.
// Their items are shown disabled and choosing one changes nothing.
bool StockMenuItemOpensLaterDialog(platform::OSType command, std::int32_t value);
