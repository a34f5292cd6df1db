#include "panels/background_forms/form_name_field.h"

#include <algorithm>
#include <utility>

#include "model/background_forms_options.h"

namespace ui = platform::ui;

namespace {
constexpr int kFormNameCharacters = 255;
}

FormNameField::FormNameField(const platform::Bundle* bundle, ui::Control& combo, std::vector<ui::Control*> needName,
                             const SettingMap* map, const char* historyKey, const KComboValue& shown)
    : combo_(combo), needName_(std::move(needName)) {
  KComboOptions options;
  options.bundle = bundle;
  options.map = map;
  options.historyKey = historyKey;
  options.maximumHistoryCount = kFormNameHistoryCount;
  options.maximumLength = kFormNameCharacters;
  KComboBoxInitializeWithMapAndHistory(&combo_, options);
  KComboBoxSetValue(&combo_, &shown);
  // The field says when it empties or fills (input limiting); a choice from its list fills it.
  handler_ = combo_.installHandler({{ui::kEventClassKPDE, ui::kEventInputEmpty},
                                    {ui::kEventClassKPDE, ui::kEventInputTooShort},
                                    {ui::kEventClassKPDE, ui::kEventInputLongEnough},
                                    {ui::kEventClassComboBox, ui::kEventComboBoxListItemSelected},
                                    {ui::kEventClassTextField, ui::kEventTextDidChange}},
                                   [this](ui::Event&) {
                                     enableWhileNamed();
                                     return platform::eventNotHandledErr;
                                   });
  enableWhileNamed();
}

FormNameField::~FormNameField() {
  if (!finalized_) KComboBoxFinalize(&combo_, false);
}

void FormNameField::rememberTypedName() {
  if (finalized_) return;
  finalized_ = true;
  KComboBoxFinalize(&combo_, true);  // a file that cannot be written has been named; the name holds
}

std::optional<KComboValue> FormNameField::value() const {
  KComboValue value;
  if (KComboBoxCopyValue(&combo_, &value) != platform::noErr) return std::nullopt;
  if (const std::string* text = std::get_if<std::string>(&value); text && text->empty()) return std::nullopt;
  return value;
}

void FormNameField::enableWhileNamed() {
  for (ui::Control* control : needName_) control->setEnabled(!combo_.text().empty());
}

std::vector<std::string> FormNamesWithFirst(std::vector<std::string> names, const std::string& name) {
  names.erase(std::remove(names.begin(), names.end(), name), names.end());
  names.insert(names.begin(), name);
  if (names.size() > kMaxFormNameHistory) names.resize(kMaxFormNameHistory);
  return names;
}
