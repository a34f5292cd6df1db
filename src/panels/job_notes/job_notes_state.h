#pragma once
// The Job Notes panel's context record: the names and messages that travel with the job, whether
// each name is typed or left to the system, the user's job-notes preferences, and the panel's
// controls once it is opened. The panel and its dialog are plain functions around this record.
#include <memory>
#include <string>
#include <vector>

#include "panels/panel_context.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"

inline constexpr platform::OSType kJobNotesSignature = platform::FourCharCode("Kshl");
inline constexpr platform::OSType kJobNotesPrefsSignature = platform::FourCharCode("Kjnp");
inline constexpr const char* kJobNotesInterfaceName = "JobNotes";
inline constexpr const char* kJobNotesWindowName = "JobNotesEnhanced";
inline constexpr const char* kJobNotesPrefsWindowName = "JobNotesPrefs";

// The three yes/no preferences of the preference file, all on when nothing is stored.
struct JobNotesPreferences {
  bool useDocumentNameAsJobName = true;
  bool useLoginNameAsSenderName = true;
  bool useLoginNameAsRecipientName = true;
  friend bool operator==(const JobNotesPreferences&, const JobNotesPreferences&) = default;
};

// The controls of the opened panel (null until the first Open).
struct JobNotesControls {
  platform::ui::Control* jobName = nullptr;    // combo boxes
  platform::ui::Control* sender = nullptr;
  platform::ui::Control* recipient = nullptr;
  platform::ui::Control* bannerMessage = nullptr;  // multi-line text views
  platform::ui::Control* jobStartMessage = nullptr;
  platform::ui::Control* additionalInfo = nullptr;
  platform::ui::Control* preferencesButton = nullptr;
};

struct JobNotesContext : PanelContext {
  std::string jobName, senderName, recipientName;
  std::string bannerMessage, jobStartMessage, additionalInfo;
  // True while the name is not typed: the job's own name, or the login name, stands for it.
  bool useJobName = true;
  bool senderUsesLoginName = true;
  bool recipientUsesLoginName = true;

  JobNotesPreferences preferences;

  JobNotesControls controls;
};
