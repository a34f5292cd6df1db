// The Job Notes panel's seven operations, as the shell calls them through the panel skeleton.
#include "kit/client_facts.h"
#include "panels/job_notes/job_notes_panel.h"
#include "panels/job_notes/job_notes_preferences.h"
#include "panels/job_notes/job_notes_ticket.h"
#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct JobNotesPanel {
  using Context = JobNotesContext;
  static constexpr const char* kTitleKey = "JobNotes";

  static void Initialize(Context& panel) { panel.preferences = LoadJobNotesPreferences(); }

  static void ReadTicket(Context& panel, const platform::PrintSession&, const platform::Ticket& settings) {
    ReadJobNotesTicket(panel, settings);
  }
  static void ShowValues(Context& panel) { JobNotesSyncToUI(panel); }

  static void WriteTicket(Context& panel, platform::Ticket& settings) {
    JobNotesSyncFromUI(panel);
    WriteJobNotesTicket(panel, settings, CurrentConsoleUserName());
  }

  // An empty panel is no failure; the controls, once built, stay as the user left them.
  static constexpr PanelOpenRule kOpenRule{.reportsFailedBuild = false, .showsAgain = false};
  static platform::OSStatus Build(Context& panel) { return BuildJobNotesControls(panel); }
  static void Terminate(Context& panel) { FinalizeJobNotesControls(panel); }
};

}  // namespace

platform::OSStatus GetJobNotesPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return PanelSkeleton<JobNotesPanel>::Get(out);
}
