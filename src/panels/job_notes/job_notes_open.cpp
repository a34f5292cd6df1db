// Opening the Job Notes panel: its pane from the interface description, centred in the shell's
// pane, the labels localised, the name combos with their histories, the message fields limited,
// and the handlers for Return, the preferences button and the pictures.
#include <algorithm>

#include "controls/combo_box.h"
#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "kit/input_limiting.h"
#include "model/job_notes_keys.h"
#include "panels/job_notes/job_notes_panel.h"
#include "panels/job_notes/job_notes_preferences.h"
#include "panels/job_notes/job_notes_ticket.h"
#include "platform/ui/interface_file.h"
#include "vocabulary/setting_map.h"

namespace ui = platform::ui;

namespace {

ui::ControlID Id(std::int32_t id) { return {kJobNotesSignature, id}; }

constexpr std::int32_t kContentPaneID = 2000;
constexpr const char* kLabelKeys[] = {"Job Name:",    "Sender Name:",       "Recipient Name:",
                                      "Banner Message:", "Job Start Message:", "AdditionalInfo:"};  // ids 100..105
constexpr int kNameLength = 255;
constexpr int kNameHistoryCount = 10;
constexpr int kMessageLength = 1000;
constexpr int kAdditionalInfoLength = 255;

struct NameCombo {
  std::int32_t id;
  ui::Control* JobNotesControls::*member;
  const SettingMap* map;
  const char* historyKey;
};
const NameCombo kNameCombos[] = {
    {2001, &JobNotesControls::jobName, JobNameMap, kJobNotesJobNameHistoryKey},
    {2002, &JobNotesControls::sender, LoginNameMap, kJobNotesSenderHistoryKey},
    {2003, &JobNotesControls::recipient, LoginNameMap, kJobNotesRecipientHistoryKey},
};

struct MessageField {
  std::int32_t id;
  ui::Control* JobNotesControls::*member;
  int maximumLength;
};
constexpr MessageField kMessageFields[] = {
    {2004, &JobNotesControls::bannerMessage, kMessageLength},
    {2005, &JobNotesControls::jobStartMessage, kMessageLength},
    {2010, &JobNotesControls::additionalInfo, kAdditionalInfoLength},
};

struct Icon {
  std::int32_t id;
  const char* picture;
};
constexpr Icon kIcons[] = {{2007, "JobNotes_BannerMessage.png"},
                           {2008, "JobNotes_SpecialInstructions.png"},
                           {2011, "JobNotes_SpecialInstructions.png"}};

void CenterIn(ui::Control& content, const ui::Control& container) {
  const ui::Rect outer = container.bounds(), inner = content.bounds();
  content.setBounds({std::max(0, (outer.width - inner.width) / 2), std::max(0, (outer.height - inner.height) / 2),
                     inner.width, inner.height});
}

// Return in a message field enters one line feed where the caret is; handing it on as typed text
// lets the field's input limiting count it and the field's own editing put it in, in place of
// the selection. The dialog's default button never sees it.
platform::OSStatus MessageKeyHandler(ui::Event& e) {
  if (e.text == "\r" || e.text == "\n") e.text = "\n";
  return platform::eventNotHandledErr;
}

// The preferences button: what is on screen goes into the context first; after OK the panel
// reads the ticket again and shows what it holds.
platform::OSStatus PaneHitHandler(ui::Event& e, JobNotesContext& context) {
  if (e.control == nullptr || e.control != context.controls.preferencesButton) return platform::eventNotHandledErr;
  JobNotesSyncFromUI(context);
  if (!TakeAnswer(RunModalJobNotesPreferencesDialog(context.bundle, context.preferences), context.preferences))
    return platform::noErr;
  SaveJobNotesPreferences(context.preferences);  // a file that cannot be written has been named; the choice holds
  if (const platform::Ticket* settings =
          context.session ? context.session->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr)
    ReadJobNotesTicket(context, *settings);
  JobNotesSyncToUI(context);
  return platform::noErr;
}

bool FindControls(ui::Control& content, JobNotesControls& c) {
  bool all = true;
  for (const NameCombo& combo : kNameCombos) all = ((c.*combo.member = content.find(Id(combo.id))) != nullptr) && all;
  for (const MessageField& field : kMessageFields)
    all = ((c.*field.member = content.find(Id(field.id))) != nullptr) && all;
  all = ((c.preferencesButton = content.find(Id(2006))) != nullptr) && all;
  return all;
}

}  // namespace

platform::OSStatus BuildJobNotesControls(JobNotesContext& context) {
  const platform::Bundle* bundle = context.bundle;
  auto loaded = ui::CreateWindowFromInterface(*bundle, kJobNotesInterfaceName, kJobNotesWindowName);
  if (!loaded) return platform::kPMInvalidPDEContext;  // the loader has said why
  context.interfaceWindow = loaded.take();
  ui::Control* content = context.interfaceWindow->find(Id(kContentPaneID));
  if (content == nullptr || !FindControls(*content, context.controls)) {
    context.controls = {};
    return platform::kPMInvalidPDEContext;
  }
  CenterIn(*content, *context.pane);
  EmbedAndShowControl(content, context.pane);
  for (std::int32_t i = 0; i < 6; ++i) {
    ui::Control* label = content->find(Id(100 + i));
    if (label == nullptr) continue;
    SetLocalizedStaticText(bundle, kLabelKeys[i], label);
    // Sized to its text, but never below the column the description gives: the size is only an
    // estimate of the real font's, and a label cut short wraps.
    const ui::Rect described = label->bounds();
    SetControlBestRect(label);
    const ui::Rect best = label->bounds();
    label->setBounds({best.x, best.y, std::max(best.width, described.width), std::max(best.height, described.height)});
  }
  JobNotesControls& c = context.controls;
  for (const NameCombo& combo : kNameCombos) {
    KComboOptions options;
    options.kind = KComboKind::kText;
    options.bundle = bundle;
    options.map = combo.map;
    options.historyKey = combo.historyKey;
    options.maximumHistoryCount = kNameHistoryCount;
    options.maximumLength = kNameLength;
    KComboBoxInitializeWithMapAndHistory(c.*combo.member, options);
  }
  for (const MessageField& field : kMessageFields)
    LimitInputLengthAndCharacters(c.*field.member, 0, field.maximumLength, nullptr);
  for (const Icon& icon : kIcons)
    if (ui::Control* area = content->find(Id(icon.id))) {
      area->setPicture(icon.picture);
      InitializeIcon(bundle, area);
    }
  // Installed after the input limits, so that they run first and see Return before the limits.
  for (const MessageField& field : kMessageFields)
    context.handlers.push_back((c.*field.member)->installHandler(
        {{ui::kEventClassTextInput, ui::kEventTextInputUnicodeForKeyEvent}}, MessageKeyHandler));
  JobNotesContext* owner = &context;
  context.handlers.push_back(content->installHandler({{ui::kEventClassControl, ui::kEventControlHit}},
                                                     [owner](ui::Event& e) { return PaneHitHandler(e, *owner); }));
  return platform::noErr;
}
