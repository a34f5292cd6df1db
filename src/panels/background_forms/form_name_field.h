#pragma once
// The form-name combo box both background-form dialogs open with: up to 255 characters, the
// names typed there before (the field's own input history) offered in its list, and OK (with
// whatever else needs a name) enabled only while it holds one.
#include <string>
#include <vector>

#include "controls/combo_box.h"
#include "platform/ui/window.h"

// The fields' input histories, and how many names each keeps.
inline constexpr const char* kSavedFormsHistoryKey = "savedForms";
inline constexpr const char* kExistingFormsHistoryKey = "existingForms";
inline constexpr int kFormNameHistoryCount = 10;

class FormNameField {
 public:
  // Sets the combo up (special entries from map, may be null, then the history under historyKey),
  // shows shown, and keeps the controls needing a name (OK first) enabled while the field is not
  // empty.
  FormNameField(const platform::Bundle* bundle, platform::ui::Control& combo,
                std::vector<platform::ui::Control*> needName, const SettingMap* map, const char* historyKey,
                const KComboValue& shown);
  ~FormNameField();
  FormNameField(const FormNameField&) = delete;
  FormNameField& operator=(const FormNameField&) = delete;

  // What the field holds: a special entry's value, a typed name, or none when it is empty.
  std::optional<KComboValue> value() const;
  // On OK: a typed name joins the field's history (the file is written now).
  void rememberTypedName();

 private:
  void enableWhileNamed();

  platform::ui::Control& combo_;
  std::vector<platform::ui::Control*> needName_;
  platform::ui::EventHandlerRef handler_;
  bool finalized_ = false;
};

// names with name put first, once, and no more than kMaxFormNameHistory of them.
std::vector<std::string> FormNamesWithFirst(std::vector<std::string> names, const std::string& name);
