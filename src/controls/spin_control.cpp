#include "controls/spin_control.h"

#include <algorithm>
#include <any>
#include <memory>
#include <string>

#include "controls/decimal_text.h"
#include "kit/control_helpers.h"
#include "kit/input_limiting.h"
#include "platform/ui/interaction.h"

namespace {

namespace ui = platform::ui;

// Handler registrations kept on the control they serve, so that they go with it.
constexpr platform::OSType kSpinHandlerTag = platform::FourCharCode("hndl");
constexpr platform::OSType kSpinActionTag = platform::FourCharCode("actn");
constexpr const char* kRingSign = "\xCB\x9A";  // U+02DA

template <typename T>
std::optional<T> Property(const ui::Control& control, platform::OSType tag) {
  const std::any* property = control.property(kSpinCreator, tag);
  if (property == nullptr) return std::nullopt;
  if (const T* value = std::any_cast<T>(property)) return *value;
  return std::nullopt;
}

bool HasProperty(const ui::Control& control, platform::OSType tag) {
  return control.property(kSpinCreator, tag) != nullptr;
}

void KeepHandler(ui::Control& control, platform::OSType tag, ui::EventHandlerRef handler) {
  control.setProperty(kSpinCreator, tag, std::make_shared<ui::EventHandlerRef>(std::move(handler)));
}

// A control of the same window, by identity; null when the control is in no tree.
ui::Control* FindInTree(const ui::Control& from, ui::ControlID id) {
  ui::Control* root = from.parent();
  if (root == nullptr) return nullptr;
  while (root->parent() != nullptr) root = root->parent();
  return root->find(id);
}

// The control a property of `from` names by id number, with from's signature.
ui::Control* Named(const ui::Control& from, platform::OSType tag) {
  std::optional<std::int32_t> number = Property<std::int32_t>(from, tag);
  return number ? FindInTree(from, ui::ControlID{from.id().signature, *number}) : nullptr;
}

int Decimals(const ui::Control& arrows) {
  // More decimals than a 32-bit value has digits would show nothing but zeros.
  return static_cast<int>(std::min<std::uint32_t>(Property<std::uint32_t>(arrows, kSpinDecimalsTag).value_or(0), 9));
}

const char* UnitSign(const ui::Control& arrows) {
  if (HasProperty(arrows, kSpinAngleTag)) return kRingSign;
  if (HasProperty(arrows, kSpinPercentTag)) return "%";
  return "";
}

std::string ValueText(const ui::Control& arrows, std::int32_t value) {
  return FormatDecimalText(value, Decimals(arrows)) + UnitSign(arrows);
}

void SetValid(ui::Control& arrows, bool valid) { arrows.setProperty(kSpinCreator, kSpinValidTag, valid); }

void Redraw(const ui::Control& arrows) {
  if (auto id = Property<ui::ControlID>(arrows, kSpinRedrawTag))
    if (ui::Control* redrawn = FindInTree(arrows, *id)) DrawControl(*redrawn);
}

void Mirror(const ui::Control& arrows) {
  if (ui::Control* mirror = Named(arrows, kSpinMirrorTag)) {
    mirror->setValue(arrows.value());
    DrawControl(*mirror);
  }
}

// Digits, the locale's decimal separator and the minus sign: what a number is typed with. Looked
// up for each keystroke, so that the field follows the user's locale as its text does.
CharacterSet NumberCharacters() {
  CharacterSet set = CharacterSet::DecimalDigits();
  set.addCharacters(UserNumberSymbols().decimalSeparator + "-");
  return set;
}

platform::OSStatus TypedText(const std::string& text) {
  if (!text.empty() && (text[0] == '\x03' || text[0] == '\r')) {
    // Enter and Return finish nothing in the field itself.
    ui::Beep();
    return platform::noErr;
  }
  if (IsControlText(text) || NumberCharacters().containsAll(text)) return platform::eventNotHandledErr;
  ui::Beep();
  return platform::noErr;
}

// The number of the field's text without the unit sign the field shows after it.
std::optional<std::int32_t> TypedValue(const ui::Control& arrows, std::string_view text) {
  const std::string_view sign = UnitSign(arrows);
  if (!sign.empty() && text.ends_with(sign)) text.remove_suffix(sign.size());
  return ParseDecimalText(text, Decimals(arrows), UserNumberSymbols());
}

}  // namespace

void SetSpinControlField(ui::Control& arrows, ui::Control& field) {
  arrows.setProperty(kSpinCreator, kSpinFieldTag, field.id().id);
  field.setProperty(kSpinCreator, kSpinArrowsTag, arrows.id().id);
}

void SetSpinControlMirror(ui::Control& arrows, ui::Control& mirror) {
  arrows.setProperty(kSpinCreator, kSpinMirrorTag, mirror.id().id);
  mirror.setProperty(kSpinCreator, kSpinArrowsTag, arrows.id().id);
}

void SetSpinControlRedrawControl(ui::Control& arrows, const ui::Control& redrawn) {
  arrows.setProperty(kSpinCreator, kSpinRedrawTag, redrawn.id());
}

void SetSpinControlDecimals(ui::Control& arrows, std::uint32_t decimals) {
  arrows.setProperty(kSpinCreator, kSpinDecimalsTag, decimals);
}

platform::OSStatus CreateSpinControl(ui::Control* arrows) {
  if (arrows == nullptr) return platform::paramErr;
  KeepHandler(*arrows, kSpinActionTag,
              arrows->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [arrows](ui::Event& e) {
                if (e.control == arrows) SpinControlArrowsActionProc(arrows, e.part);
                return platform::eventNotHandledErr;
              }));
  if (!Property<std::int32_t>(*arrows, kSpinFieldTag)) return kControlPropertyNotFoundErr;
  ui::Control* field = Named(*arrows, kSpinFieldTag);
  if (field == nullptr) return kUnknownControlErr;
  KeepHandler(*field, kSpinHandlerTag,
              field->installHandler({{ui::kEventClassTextInput, ui::kEventTextInputUnicodeForKeyEvent},
                                     {ui::kEventClassTextField, ui::kEventTextDidChange},
                                     {ui::kEventClassControl, ui::kEventControlSetFocusPart}},
                                    [field](ui::Event& e) -> platform::OSStatus {
                                      if (e.control != field) return platform::eventNotHandledErr;
                                      if (e.eventClass == ui::kEventClassTextInput) return TypedText(e.text);
                                      if (e.eventClass == ui::kEventClassTextField) {
                                        SpinControlValidate(field);
                                      } else if (e.part == ui::kControlFocusNoPart) {
                                        // Leaving the field shows what the arrows hold, formatted
                                        // and within their range, in place of what was typed.
                                        if (ui::Control* owner = SpinControlGetRelatedArrows(field))
                                          SetSpinControlValue(owner, owner->value());
                                      }
                                      return platform::eventNotHandledErr;
                                    }));
  return platform::noErr;
}

platform::OSStatus SetSpinControlValue(ui::Control* arrows, std::int32_t value) {
  if (arrows == nullptr) return platform::paramErr;
  arrows->setValue(value);
  const bool clamped = arrows->value() != value;
  if (clamped) ui::Beep();
  // Even a clamped value is shown everywhere, so the field, the arrows and the mirror never
  // disagree.
  Redraw(*arrows);
  if (ui::Control* field = Named(*arrows, kSpinFieldTag)) {
    field->setText(ValueText(*arrows, arrows->value()));
    SetValid(*arrows, true);
  }
  Mirror(*arrows);
  return clamped ? platform::paramErr : platform::noErr;
}

void ShowSpinControlValue(ui::Control* arrows, std::int32_t value) {
  if (arrows == nullptr) return;
  SetSpinControlValue(arrows, std::clamp(value, arrows->minimum(), arrows->maximum()));
}

void SpinControlValidate(ui::Control* field) {
  if (field == nullptr) return;
  ui::Control* arrows = SpinControlGetRelatedArrows(field);
  if (arrows == nullptr) return;
  std::optional<std::int32_t> typed = field->text().empty() ? 0 : TypedValue(*arrows, field->text());
  if (!typed) {
    SetValid(*arrows, false);
    return;
  }
  arrows->setValue(*typed);
  const std::int32_t held = arrows->value();
  // The text stays the user's, even out of range, until the field loses the focus: replacing it
  // at once would fight the next keystroke.
  SetValid(*arrows, held == *typed);
  Redraw(*arrows);
  Mirror(*arrows);
}

void SpinControlArrowsActionProc(ui::Control* arrows, std::int32_t part) {
  if (arrows == nullptr || (part != ui::kControlUpButtonPart && part != ui::kControlDownButtonPart)) return;
  const std::int64_t step = std::max<std::int32_t>(1, Property<std::int32_t>(*arrows, kSpinIncrementTag).value_or(1));
  const std::int64_t value = arrows->value();
  std::int64_t next = value;
  if (part == ui::kControlUpButtonPart) {
    if (value < arrows->maximum())
      next = std::min<std::int64_t>(value + step, arrows->maximum());
    else
      ui::Beep();
  } else {
    if (value > arrows->minimum())
      next = std::max<std::int64_t>(value - step, arrows->minimum());
    else
      ui::Beep();
  }
  // A held arrow repeats through its hit events; their pace is the renderer's.
  SetSpinControlValue(arrows, static_cast<std::int32_t>(next));
}

bool SpinControlIsInputValid(const ui::Control* arrows) {
  return arrows != nullptr && Property<bool>(*arrows, kSpinValidTag).value_or(true);
}

ui::Control* SpinControlGetRelatedArrows(const ui::Control* control) {
  return control ? Named(*control, kSpinArrowsTag) : nullptr;
}

void SpinSliderActionProc(ui::Control* slider, std::int32_t part) {
  if (slider == nullptr || part == ui::kControlNoPart) return;
  if (ui::Control* arrows = SpinControlGetRelatedArrows(slider)) SetSpinControlValue(arrows, slider->value());
}

platform::OSStatus InstallSpinSliderAction(ui::Control* slider) {
  if (slider == nullptr) return platform::paramErr;
  KeepHandler(*slider, kSpinActionTag,
              slider->installHandler({{ui::kEventClassControl, ui::kEventControlValueFieldChanged}},
                                     [slider](ui::Event& e) {
                                       if (e.control == slider) SpinSliderActionProc(slider, kControlIndicatorPart);
                                       return platform::eventNotHandledErr;
                                     }));
  return platform::noErr;
}
