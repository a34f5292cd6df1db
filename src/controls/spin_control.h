#pragma once
// The numeric field with arrows: a text field where the user types a number, little arrows that
// step it, and optionally a slider (or any control) that mirrors it. The value is the arrows'
// 32-bit integer, bounded by their minimum and maximum; values with decimals are scaled integers
// (850 with 2 decimals is 8.50). The field shows the value in the user's locale and feeds what
// the user types back into the arrows.
//
// The group is tied together by properties of creator "SPIN" on the controls:
//   on the arrows: "edit" the id number of the field and "othr" of the mirroring control (both of
//   the arrows' signature), "wrdx" a control to redraw when the value changes, "decs" the
//   decimals shown, "angl" (the value is an angle, shown with the ring sign U+02DA) or "perc" (a
//   percentage, shown with "%"), "incr" the step of one arrow click (1 when absent), and "vald"
//   whether the last typed value was taken as typed;
//   on the field and on a mirroring slider: "arro" the id number of the arrows.
#include <cstdint>
#include <optional>

#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/ui/control.h"

inline constexpr platform::OSType kSpinCreator = platform::FourCharCode("SPIN");
inline constexpr platform::OSType kSpinFieldTag = platform::FourCharCode("edit");
inline constexpr platform::OSType kSpinMirrorTag = platform::FourCharCode("othr");
inline constexpr platform::OSType kSpinRedrawTag = platform::FourCharCode("wrdx");
inline constexpr platform::OSType kSpinDecimalsTag = platform::FourCharCode("decs");
inline constexpr platform::OSType kSpinAngleTag = platform::FourCharCode("angl");
inline constexpr platform::OSType kSpinPercentTag = platform::FourCharCode("perc");
inline constexpr platform::OSType kSpinValidTag = platform::FourCharCode("vald");
inline constexpr platform::OSType kSpinArrowsTag = platform::FourCharCode("arro");
inline constexpr platform::OSType kSpinIncrementTag = platform::FourCharCode("incr");

// CreateSpinControl: the arrows name no field, or the field they name is not in their window.
inline constexpr platform::OSStatus kControlPropertyNotFoundErr = -5603;
inline constexpr platform::OSStatus kUnknownControlErr = -30584;

// The part a slider reports while its thumb is dragged.
inline constexpr std::int32_t kControlIndicatorPart = 129;

// Setting up a group in code: the field and the mirror are tied both ways ("edit" or "othr" on
// the arrows, "arro" on the other control); they must share the arrows' signature.
void SetSpinControlField(platform::ui::Control& arrows, platform::ui::Control& field);
void SetSpinControlMirror(platform::ui::Control& arrows, platform::ui::Control& mirror);
void SetSpinControlRedrawControl(platform::ui::Control& arrows, const platform::ui::Control& redrawn);
void SetSpinControlDecimals(platform::ui::Control& arrows, std::uint32_t decimals);

// Makes the arrows step their value and the field named by "edit" take typed numbers. The
// arrows' stepping is set up in any case; paramErr for null arrows, kControlPropertyNotFoundErr
// when they name no field, kUnknownControlErr when their window lacks it.
platform::OSStatus CreateSpinControl(platform::ui::Control* arrows);

// Sets the arrows to value and shows it in the field (in the user's locale, with the unit sign,
// marked valid) and in the mirror, and redraws "wrdx". A value outside the arrows' range beeps,
// is brought to the nearer bound, and that bound is shown everywhere: paramErr then, else noErr.
platform::OSStatus SetSpinControlValue(platform::ui::Control* arrows, std::int32_t value);

// Shows a value the dialog was given (from the ticket) rather than one the user entered: held
// within the arrows' range, without a beep, so that a stored value out of range opens as the
// nearer bound, which OK then stores.
void ShowSpinControlValue(platform::ui::Control* arrows, std::int32_t value);

// Takes the field's text into the arrows (run after every change the user makes): an empty field
// is 0; other text is read as a decimal number in the user's locale, cut toward zero after the
// arrows' decimals (0.55 with one decimal is 5). Text that is no number, or lies outside the
// 32-bit range, leaves the value as it was and marks the input not valid. A number outside the
// arrows' range is held at the nearer bound and marked not valid. The text stays as typed until
// the field loses the focus; the mirror always shows the arrows' value.
void SpinControlValidate(platform::ui::Control* field);

// One arrow click (part kControlUpButtonPart or kControlDownButtonPart): a step of "incr"
// towards the bound, stopping at it; a click at the bound beeps.
void SpinControlArrowsActionProc(platform::ui::Control* arrows, std::int32_t part);

// "vald" of the arrows; true when absent, false for null arrows.
bool SpinControlIsInputValid(const platform::ui::Control* arrows);

// The arrows named by the control's "arro", or null.
platform::ui::Control* SpinControlGetRelatedArrows(const platform::ui::Control* control);

// What a slider that mirrors a field does while it is dragged (part not kControlNoPart): it sets
// its arrows to its own value.
void SpinSliderActionProc(platform::ui::Control* slider, std::int32_t part);
// Gives the slider that action for every drag. paramErr for a null slider.
platform::OSStatus InstallSpinSliderAction(platform::ui::Control* slider);
