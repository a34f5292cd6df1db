#include "controls/combo_box.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "controls/decimal_text.h"
#include "kit/count_digits.h"
#include "kit/input_history.h"
#include "platform/locale/utf8_text.h"
#include "vocabulary/setting_map_operations.h"

namespace {

namespace ui = platform::ui;

struct KComboState {
  KComboOptions options;
  std::map<std::string, std::int32_t, std::less<>> valueOfLabel;
  std::map<std::int32_t, std::string> labelOfValue;
  std::shared_ptr<const CharacterSet> allowed;  // text kind; null for any character
  bool historyFileIsSound = true;
};

std::shared_ptr<KComboState> StateOf(const ui::Control& control) {
  const std::any* property = control.property(kKComboCreator, kKComboStateTag);
  if (property == nullptr) return nullptr;
  const auto* state = std::any_cast<std::shared_ptr<KComboState>>(property);
  return state ? *state : nullptr;
}

std::shared_ptr<const CharacterSet> AllowedSet(const KComboOptions& options) {
  if (const auto* text = std::get_if<std::string>(&options.allowedCharacters))
    return std::make_shared<CharacterSet>(CharacterSet::FromCharacters(*text));
  if (const auto* set = std::get_if<std::shared_ptr<const CharacterSet>>(&options.allowedCharacters)) return *set;
  return nullptr;
}

void AddSpecialEntries(ui::Control& control, KComboState& state) {
  const KComboOptions& options = state.options;
  if (options.bundle == nullptr || options.map == nullptr) return;
  for (const SettingMap* row = options.map; row->labelKey != nullptr; ++row) {
    std::string label = options.bundle->localizedString(LabelKeyInContext(row->labelKey, row->value, options.context));
    state.valueOfLabel.emplace(label, row->value);
    state.labelOfValue.emplace(row->value, label);
    control.menu().append(ui::MenuItem(std::move(label), 0, row->value));
  }
}

bool LengthFits(std::size_t length, const KComboOptions& options) {
  if (options.minimumLength >= 1 && length < static_cast<std::size_t>(options.minimumLength)) return false;
  return options.maximumLength < 1 || length <= static_cast<std::size_t>(options.maximumLength);
}

// The text an entry of the history file is offered as, when it is valid for this field.
std::optional<std::string> OfferedText(const platform::PlistValue& entry, const KComboState& state) {
  const KComboOptions& options = state.options;
  if (options.kind == KComboKind::kNumeric) {
    const std::int64_t* number = entry.asInteger();
    if (number == nullptr || *number < options.minimumValue || *number > options.maximumValue) return std::nullopt;
    return FormatDecimalText(static_cast<std::int32_t>(*number), 0);
  }
  const std::string* text = entry.asString();
  if (text == nullptr || !LengthFits(platform::UTF16Length(*text), options)) return std::nullopt;
  if (state.allowed && !state.allowed->containsAll(*text)) return std::nullopt;
  return *text;
}

void AddHistoryEntries(ui::Control& control, KComboState& state) {
  const KComboOptions& options = state.options;
  if (options.historyKey.empty() || options.maximumHistoryCount < 1) return;
  InputHistory history = ReadInputHistory(options.historyKey);
  state.historyFileIsSound = history.fileIsSound;
  int offered = 0;
  for (const platform::PlistValue& entry : history.entries) {
    if (offered == options.maximumHistoryCount) break;
    if (std::optional<std::string> text = OfferedText(entry, state)) {
      control.menu().append(ui::MenuItem(std::move(*text)));
      ++offered;
    }
  }
}

// The numeric field's number, brought within the values and shown so; none when it is no number.
std::optional<std::int32_t> ValidatedNumber(ui::Control& control, const KComboOptions& options) {
  std::optional<std::int32_t> number = ParseDecimalText(control.text(), 0, UserNumberSymbols());
  if (!number) return std::nullopt;
  const std::int32_t bounded = std::clamp(*number, options.minimumValue, std::max(options.minimumValue, options.maximumValue));
  if (bounded != *number) control.setText(FormatDecimalText(bounded, 0));
  return bounded;
}

bool IsListItem(const ui::Control& control, std::string_view text) {
  const ui::Menu* menu = control.menuIfAny();
  return menu && std::any_of(menu->items().begin(), menu->items().end(),
                             [&](const ui::MenuItem& item) { return !item.separator && item.text == text; });
}

platform::OSStatus SaveTypedEntry(ui::Control& control, const KComboState& state) {
  const KComboOptions& options = state.options;
  if (options.historyKey.empty() || options.maximumHistoryCount < 1) return platform::noErr;
  if (control.text().empty() || IsListItem(control, control.text())) return platform::noErr;
  platform::PlistValue entry;
  if (options.kind == KComboKind::kNumeric) {
    std::optional<std::int32_t> number = ValidatedNumber(control, options);
    // Brought within the values, the number may now read as an entry the list has.
    if (!number || IsListItem(control, control.text())) return platform::noErr;
    entry = platform::PlistValue(*number);
  } else {
    entry = platform::PlistValue(control.text());
  }
  // A file found damaged when the list was filled has been reported then; it stays untouched.
  if (!state.historyFileIsSound) return platform::ioErr;
  return AddInputHistoryEntry(options.historyKey, entry, options.maximumHistoryCount);
}

}  // namespace

platform::OSStatus KComboBoxInitializeWithMapAndHistory(ui::Control* control, const KComboOptions& options) {
  if (control == nullptr) return platform::paramErr;
  auto state = std::make_shared<KComboState>();
  state->options = options;
  AddSpecialEntries(*control, *state);
  if (options.kind == KComboKind::kNumeric) {
    const int digits = options.maximumValue >= 1 ? CountDigits(options.maximumValue) : 9;
    LimitInputLengthAndCharacters(control, options.minimumLength, digits,
                                  std::make_shared<CharacterSet>(CharacterSet::DecimalDigits()));
  } else {
    state->allowed = AllowedSet(options);
    LimitInputLengthAndCharacters(control, options.minimumLength, options.maximumLength, state->allowed);
  }
  AddHistoryEntries(*control, *state);
  control->setProperty(kKComboCreator, kKComboStateTag, std::move(state));
  return platform::noErr;
}

platform::OSStatus KComboBoxCopyValue(ui::Control* control, KComboValue* value) {
  if (control == nullptr || value == nullptr) return platform::paramErr;
  std::shared_ptr<KComboState> state = StateOf(*control);
  if (!state) return platform::paramErr;
  const std::string& text = control->text();
  if (auto special = state->valueOfLabel.find(text); special != state->valueOfLabel.end()) {
    *value = special->second;
    return platform::noErr;
  }
  if (text.empty()) return kKComboEmptyErr;
  if (state->options.kind == KComboKind::kText) {
    *value = text;
    return platform::noErr;
  }
  std::optional<std::int32_t> number = ValidatedNumber(*control, state->options);
  if (!number) return kKComboNotANumberErr;
  *value = *number;
  return platform::noErr;
}

platform::OSStatus KComboBoxSetValue(ui::Control* control, const KComboValue* value) {
  if (control == nullptr || value == nullptr) return platform::paramErr;
  if (const std::string* text = std::get_if<std::string>(value)) {
    control->setText(*text);
    return platform::noErr;
  }
  const std::int32_t number = std::get<std::int32_t>(*value);
  std::shared_ptr<KComboState> state = StateOf(*control);
  if (state) {
    if (auto label = state->labelOfValue.find(number); label != state->labelOfValue.end()) {
      control->setText(label->second);
      return platform::noErr;
    }
  }
  control->setText(FormatDecimalText(number, 0));
  return platform::noErr;
}

platform::OSStatus KComboBoxFinalize(ui::Control* control, bool save) {
  if (control == nullptr) return platform::paramErr;
  std::shared_ptr<KComboState> state = StateOf(*control);
  if (!state) return platform::paramErr;
  control->removeProperty(kKComboCreator, kKComboStateTag);
  return save ? SaveTypedEntry(*control, *state) : platform::noErr;
}
