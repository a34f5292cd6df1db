// "Saved Background Form": the name a job of type Background Form is saved under, or the job's
// own name. Its Setup... edits a copy of the options that only this dialog's OK keeps.
#include <memory>
#include <optional>

#include "kit/control_helpers.h"
#include "panels/background_forms/background_form_dialogs.h"
#include "panels/background_forms/form_name_field.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr const char* kHelpPage = "paper_output/job_types/db_saved_background_form_d.htm";

ui::Control* Find(ui::Window& w, std::int32_t id) { return w.find({kSignature, id}); }

}  // namespace

DialogAnswer<BackgroundFormsEdit> RunModalSavedBackgroundFormDialog(const platform::Bundle* bundle,
                                                                    const BackgroundFormsEdit& forms) {
  return RunDialog(bundle, {kBackgroundFormsInterfaceName, "SavedForm", kHelpPage}, forms,
                   [bundle](ui::Window& window, BackgroundFormsEdit& edited) -> std::optional<DialogWiring> {
    ui::Control* combo = Find(window, 1901);
    ui::Control* setup = Find(window, 1902);
    ui::Control* ok = Find(window, 1);
    if (combo == nullptr || setup == nullptr || ok == nullptr) return std::nullopt;
    InitializeIcon(bundle, Find(window, 1903));
    std::int32_t useDocumentName = 1;
    edited.options.useDocumentName(&useDocumentName);
    std::optional<std::string> newName;
    edited.options.newFormString(&newName);
    const KComboValue shown =
        useDocumentName == 1 ? KComboValue(kFormUsesJobNameValue) : KComboValue(newName.value_or(""));
    // The set-up belongs to a form being saved: it waits for the form's name, as OK does.
    auto name = std::make_shared<FormNameField>(bundle, *combo, std::vector<ui::Control*>{ok, setup},
                                                BackgroundFormsMap, kSavedFormsHistoryKey, shown);
    DialogWiring wiring;
    wiring.state = name;
    wiring.handlers.push_back(window.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}}, [bundle, setup, &edited](ui::Event& e) {
          if (e.control != setup) return platform::eventNotHandledErr;
          TakeAnswer(RunModalBackgroundFormSetupDialog(bundle, edited), edited);
          return platform::noErr;
        }));
    wiring.acceptOK = [&n = *name] {
      if (n.value()) return true;
      ui::Beep();
      return false;
    };
    wiring.collect = [&n = *name, &edited] {
      BackgroundFormsOptions& options = edited.options;
      const KComboValue value = *n.value();
      if (const std::string* typed = std::get_if<std::string>(&value)) {
        options.setNewFormString(*typed);
        options.setUseDocumentName(0);
        std::vector<std::string> created;
        options.newFormsArray(&created);
        options.setNewFormsArray(FormNamesWithFirst(std::move(created), *typed));
      } else {
        options.setNewFormString(std::nullopt);
        options.setUseDocumentName(1);
      }
      n.rememberTypedName();
    };
    return wiring;
  });
}
