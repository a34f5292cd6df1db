// "Saved Background Form": the name a job of type Background Form is saved under, or the job's
// own name. Its Setup... edits a copy of the options that only this dialog's OK keeps.
#include <optional>

#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "panels/background_forms/background_form_dialogs.h"
#include "panels/background_forms/form_name_field.h"
#include "panels/modal_dialog.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr const char* kHelpPage = "paper_output/job_types/db_saved_background_form_d.htm";

ui::Control* Find(ui::Window& w, std::int32_t id) { return w.find({kSignature, id}); }

}  // namespace

platform::OSStatus RunModalSavedBackgroundFormDialog(const platform::Bundle* bundle, BackgroundFormsOptions* options,
                                                     bool* fullPrecision, bool* confirmed) {
  if (options == nullptr || confirmed == nullptr) return platform::paramErr;
  *confirmed = false;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, kBackgroundFormsInterfaceName, "SavedForm");
  if (!window) return kDialogNotLoadedErr;
  ui::Control* combo = Find(*window, 1901);
  ui::Control* setup = Find(*window, 1902);
  ui::Control* ok = Find(*window, 1);
  if (combo == nullptr || setup == nullptr || ok == nullptr) return kDialogNotLoadedErr;
  InitializeIcon(bundle, Find(*window, 1903));

  BackgroundFormsOptions edited(*options);
  edited = *options;  // the caller's histories as they are
  bool editedPrecision = fullPrecision != nullptr && *fullPrecision;
  std::int32_t useDocumentName = 1;
  edited.useDocumentName(&useDocumentName);
  std::optional<std::string> newName;
  edited.newFormString(&newName);
  std::vector<std::string> names;
  edited.newFormsArray(&names);
  const KComboValue shown = useDocumentName == 1 ? KComboValue(kFormUsesJobNameValue) : KComboValue(newName.value_or(""));
  // The set-up belongs to a form being saved: it waits for the form's name, as OK does.
  FormNameField name(bundle, *combo, {ok, setup}, BackgroundFormsMap, names, shown);

  ui::EventHandlerRef handler = window->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [&](ui::Event& e) {
    if (e.control == setup) {
      bool accepted = false;
      RunModalBackgroundFormSetupDialog(bundle, &edited, &editedPrecision, &accepted);
      return platform::noErr;
    }
    if (e.control == Find(*window, 1904)) DisplayHelp(bundle, kHelpPage, "");
    return platform::eventNotHandledErr;
  });
  const bool accepted = RunModalOKCancel(*window, [&] {
    if (name.value()) return true;
    ui::Beep();
    return false;
  });
  if (!accepted) return platform::noErr;
  const KComboValue value = *name.value();
  if (const std::string* typed = std::get_if<std::string>(&value)) {
    edited.setNewFormString(*typed);
    edited.setUseDocumentName(0);
    edited.newFormsArray(&names);
    edited.setNewFormsArray(FormNamesWithFirst(std::move(names), *typed));
  } else {
    edited.setNewFormString(std::nullopt);
    edited.setUseDocumentName(1);
  }
  *options = edited;
  if (fullPrecision != nullptr) *fullPrecision = editedPrecision;
  *confirmed = true;
  return platform::noErr;
}
