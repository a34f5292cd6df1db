// The job-notes preferences dialog: three check boxes on a copy of the stored preferences.
#include <array>

#include "panels/job_notes/job_notes_preferences.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kPreferencesHelpPage = "job_notes_d/db_preferences_d.htm";

// Each check box and the preference it shows, in the order of their ids 9000, 9001 and 9002.
constexpr bool JobNotesPreferences::*kBoxes[] = {&JobNotesPreferences::useDocumentNameAsJobName,
                                                  &JobNotesPreferences::useLoginNameAsSenderName,
                                                  &JobNotesPreferences::useLoginNameAsRecipientName};

}  // namespace

DialogAnswer<JobNotesPreferences> RunModalJobNotesPreferencesDialog(const platform::Bundle* bundle,
                                                                   const JobNotesPreferences& preferences) {
  return RunDialog(bundle, {kJobNotesInterfaceName, kJobNotesPrefsWindowName, kPreferencesHelpPage}, preferences,
                   [](ui::Window& window, JobNotesPreferences& chosen) -> std::optional<DialogWiring> {
                     std::array<ui::Control*, 3> boxes{};
                     for (std::int32_t i = 0; i < 3; ++i)
                       boxes[static_cast<std::size_t>(i)] = window.find({kJobNotesPrefsSignature, 9000 + i});
                     for (std::size_t i = 0; i < 3; ++i) {
                       if (boxes[i] == nullptr) return std::nullopt;
                       boxes[i]->setValue(chosen.*kBoxes[i] ? 1 : 0);
                     }
                     DialogWiring wiring;
                     wiring.collect = [boxes, &chosen] {
                       for (std::size_t i = 0; i < 3; ++i) chosen.*kBoxes[i] = boxes[i]->value() != 0;
                     };
                     return wiring;
                   });
}
