#pragma once
// The form-name combo box both background-form dialogs open with: up to 255 characters, the
// names used before offered in its list, and OK enabled only while it holds a name.
#include <string>
#include <vector>

#include "controls/combo_box.h"
#include "platform/ui/window.h"

class FormNameField {
 public:
  // Sets the combo up (special entries from map, may be null), lists names after them, shows
  // shown, and keeps ok enabled while the field is not empty.
  FormNameField(const platform::Bundle* bundle, platform::ui::Control& combo, platform::ui::Control& ok,
                const SettingMap* map, const std::vector<std::string>& names, const KComboValue& shown);
  ~FormNameField();
  FormNameField(const FormNameField&) = delete;
  FormNameField& operator=(const FormNameField&) = delete;

  // What the field holds: a special entry's value, a typed name, or none when it is empty.
  std::optional<KComboValue> value() const;

 private:
  void enableOK();

  platform::ui::Control& combo_;
  platform::ui::Control& ok_;
  platform::ui::EventHandlerRef handler_;
};

// names with name put first, once, and no more than kMaxFormNameHistory of them.
std::vector<std::string> FormNamesWithFirst(std::vector<std::string> names, const std::string& name);
