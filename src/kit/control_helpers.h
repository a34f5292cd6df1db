#pragma once
// Helpers that panels and dialogs use on their controls: localised labels and titles, the
// summary text view, sizing a control to its label, and pictures drawn into controls.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/ui/control.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/window.h"

// One argument of a localised text: shown by %@ (either kind) or %d (an integer).
using FormatArgument = std::variant<std::string, std::int64_t>;
using FormatArguments = std::vector<FormatArgument>;

// The localised format with its directives replaced by the arguments: %@ and %d take the next
// argument, %N$@ and %N$d the N-th (translators may reorder them), %% is a percent sign. A
// directive without a fitting argument, and any other text after a %, is kept as written. The
// arguments' own text is copied, never read as directives, so text the user typed cannot act as a
// format.
std::string FormatLocalizedText(std::string_view format, const FormatArguments& arguments);

// Each looks key up in the bundle's "Localizable" table ("STRING NOT FOUND" when the table lacks
// it), formats it with the arguments, shows it and redraws the target. A null bundle, key or
// target changes nothing and answers paramErr. Only keys of the program's own go in; text the user
// typed is passed as an argument.
platform::OSStatus SetLocalizedStaticText(const platform::Bundle* bundle, const char* key,
                                          platform::ui::Control* control, const FormatArguments& arguments = {});
platform::OSStatus SetLocalizedControlTitle(const platform::Bundle* bundle, const char* key,
                                            platform::ui::Control* control, const FormatArguments& arguments = {});
platform::OSStatus SetLocalizedWindowTitle(const platform::Bundle* bundle, const char* key,
                                           platform::ui::Window* window, const FormatArguments& arguments = {});
// The text of menu item `item` (1-based); paramErr also for an item the menu does not have.
platform::OSStatus SetLocalizedMenuTitle(const platform::Bundle* bundle, const char* key, platform::ui::Menu* menu,
                                         int item, const FormatArguments& arguments = {});

// Replaces the whole text of a read-only summary text view, unlocking it for the change and
// locking it again. paramErr for a null view or text.
platform::OSStatus UpdateSummaryTextView(platform::ui::Control* textView, const char* text);

// Sends the control its draw event, as the platform does when a control must be drawn again; a
// control that is not really visible is not drawn.
void DrawControl(platform::ui::Control& control);

// Shows the picture file (none for an empty name) in a picture control and draws it again;
// nothing for a null control.
void ShowPicture(platform::ui::Control* picture, const std::string& file);

// Resizes a control, keeping its place, to the size its label needs. Until a renderer measures
// text with the real font, the measure is an estimate for the dialog's 13-point system font: 7
// pixels a UTF-16 unit and 16 a line, plus what each kind of control draws beside its text (the
// box of a checkbox, the arrows of a pop-up, the bezel of a push button). Kinds without a label of
// their own keep their size. paramErr for a null control.
platform::OSStatus SetControlBestRect(platform::ui::Control* control);

// Pictures drawn into controls are recorded by the toolkit for a renderer or a test to read.
using platform::ui::DrawnImage;
using platform::ui::ImagesDrawnIn;

inline constexpr platform::OSType kDrawingCreator = platform::FourCharCode("KPDE");
inline constexpr platform::OSType kIconTag = platform::FourCharCode("icon");

// Unless keepBackground, erases the control's area; then draws the picture fileName from the
// bundle's resources at its natural size, centred in the control's bounds both ways and never
// scaled. A picture that is missing or unreadable draws nothing: fnfErr when there is no such file
// (or no name), ioErr when it is not a PNG picture whose size can be read. paramErr for a null
// control or bundle.
platform::OSStatus DrawImage(const platform::Bundle* bundle, const char* fileName, platform::ui::Control* control,
                             bool keepBackground);

// Makes the control draw, whenever it is drawn, the picture named by its picture() from the
// bundle, on an erased background. Calling it again replaces the earlier drawing; the drawing goes
// with the control. paramErr for a null control or bundle.
platform::OSStatus InitializeIcon(const platform::Bundle* bundle, platform::ui::Control* control);
