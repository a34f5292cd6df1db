// "Saved Job": the save option, the job's name and folder (combo boxes with input history), the
// job format with its picture, and a secure job's passcode with its confirmation.
#include "panels/paper_output/saved_job_dialog.h"

#include <cstdio>
#include <utility>

#include "controls/combo_box.h"
#include "kit/control_helpers.h"
#include "panels/paper_output/saved_job_settings.h"
#include "platform/locale/utf8_text.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr ui::ControlID kSaveOptionID{kSignature, 2000};
constexpr ui::ControlID kJobNameID{kSignature, 2002};
constexpr ui::ControlID kFormatID{kSignature, 2004};
constexpr ui::ControlID kSecureID{kSignature, 2005};
constexpr ui::ControlID kPasscodeID{kSignature, 2006};
constexpr ui::ControlID kConfirmID{kSignature, 2007};
constexpr ui::ControlID kFolderID{kSignature, 2009};
constexpr ui::ControlID kPasscodeLabelID{kSignature, 2010};
constexpr ui::ControlID kConfirmLabelID{kSignature, 2011};
constexpr ui::ControlID kFormatPictureID{kSignature, 2018};
constexpr platform::OSType kJobFormatCommand = platform::FourCharCode("Kjbf");
constexpr int kNameLength = 255;
constexpr int kHistoryCount = 10;
constexpr const char* kHelpPage = "paper_output/job_types/db_saved_job_d.htm";

struct Controls {
  ui::Control *saveOption, *jobName, *folder, *format, *picture, *secure, *passcode, *confirm;
};

std::string FormatPicture(std::int32_t format) {
  static constexpr const char* kNames[] = {"TIFF", "MTIFF", "PDF", "FRF", "FRFDRI"};
  if (format < 1 || format > 5) return "OutputColor_PrnDef.png";
  return std::string("JobType_JobFormat_") + kNames[format - 1] + ".png";
}

void InitializeCombo(const platform::Bundle* bundle, ui::Control* combo, const SettingMap* map, const char* historyKey,
                     const char* excluded) {
  KComboOptions options;
  options.bundle = bundle;
  options.map = map;
  options.historyKey = historyKey;
  options.maximumHistoryCount = kHistoryCount;
  options.maximumLength = kNameLength;
  options.allowedCharacters = std::make_shared<const CharacterSet>(CharacterSet::AllExcept(excluded));
  KComboBoxInitializeWithMapAndHistory(combo, options);
}

void ShowName(ui::Control* combo, bool special, std::int32_t specialValue, const std::string& name) {
  const KComboValue value = special ? KComboValue{specialValue} : KComboValue{name};
  KComboBoxSetValue(combo, &value);
}

// The typed text; none for a special entry or an empty field.
std::optional<std::string> TypedName(ui::Control* combo) {
  KComboValue value;
  if (KComboBoxCopyValue(combo, &value) != platform::noErr) return std::nullopt;
  if (const std::string* typed = std::get_if<std::string>(&value)) return *typed;
  return std::nullopt;
}

void ShowFormatPicture(const Controls& c) {
  c.picture->setPicture(FormatPicture(GetPopupButtonTicketValue(*c.format).value_or(kPrinterDefault)));
  DrawControl(*c.picture);
}

// The passcode goes with the secure box; its confirmation waits for a passcode long enough.
void EnablePasscode(ui::Window& window, const Controls& c) {
  const bool on = c.secure->value() != 0;
  const bool longEnough = on && platform::UTF16Length(c.passcode->text()) >= kPasscodeMinimumLength;
  c.passcode->setEnabled(on);
  c.confirm->setEnabled(longEnough);
  if (ui::Control* label = window.find(kPasscodeLabelID)) label->setEnabled(on);
  if (ui::Control* label = window.find(kConfirmLabelID)) label->setEnabled(longEnough);
}

void Show(const platform::Bundle* bundle, const SavedJobSettings& s, const Controls& c) {
  c.saveOption->setValue(s.saveOption);
  ShowName(c.jobName, s.useJobName, kUseJobNameValue, s.jobName);
  ShowName(c.folder, s.folder.empty(), kPublicFolderValue, s.folder);
  if (!SetPopupButtonToTicketValue(*c.format, s.format)) c.format->setValue(1);
  c.secure->setValue(s.secure ? 1 : 0);
  c.passcode->setText(s.passcode);
  c.confirm->setText(s.passcode);
  InitializeIcon(bundle, c.picture);
  ShowFormatPicture(c);
}

SavedJobSettings Taken(const Controls& c) {
  SavedJobSettings s;
  s.saveOption = c.saveOption->value() == kSaveAndPrint ? kSaveAndPrint : kSaveOnly;
  const std::optional<std::string> name = TypedName(c.jobName);
  s.useJobName = !name.has_value();
  s.jobName = name.value_or("");
  s.folder = TypedName(c.folder).value_or("");
  s.format = GetPopupButtonTicketValue(*c.format).value_or(kPrinterDefault);
  s.secure = c.secure->value() != 0;
  if (s.secure) s.passcode = c.passcode->text();
  return s;
}

void Alert(const platform::Bundle* bundle, ui::AlertLevel level, const char* header, std::string message) {
  ui::AlertRequest alert;
  alert.level = level;
  alert.title = bundle->localizedString(header);
  alert.message = std::move(message);
  alert.buttons = {bundle->localizedString("OK")};
  ui::RunStandardAlert(alert);
}

// OK's checks: a folder that stays inside the default one, and a passcode the printer can take
// and the user typed twice alike; an empty one is made up and shown. False keeps the dialog open.
bool AcceptValues(const platform::Bundle* bundle, const Controls& c) {
  if (!SavedJobFolderAllowed(TypedName(c.folder).value_or(""))) {
    Alert(bundle, ui::AlertLevel::Caution, "Invalid Folder Header", bundle->localizedString("Invalid Folder Message"));
    return false;
  }
  if (c.secure->value() == 0) return true;
  if (c.passcode->text().empty()) {
    const std::string passcode = GenerateSecurePasscode();
    c.passcode->setText(passcode);
    c.confirm->setText(passcode);
    const FormatArguments arguments = {std::int64_t{kPasscodeMinimumLength}, std::int64_t{kPasscodeMaximumLength},
                                       passcode};
    Alert(bundle, ui::AlertLevel::Note, "Passcode Required Header",
          FormatLocalizedText(bundle->localizedString("Passcode Required Message"), arguments));
    return true;
  }
  if (platform::UTF16Length(c.passcode->text()) < kPasscodeMinimumLength || c.passcode->text() != c.confirm->text()) {
    const FormatArguments arguments = {std::int64_t{kPasscodeMinimumLength}, std::int64_t{kPasscodeMaximumLength}};
    Alert(bundle, ui::AlertLevel::Caution, "Passcode Mismatch Header",
          FormatLocalizedText(bundle->localizedString("Passcode Mismatch Message"), arguments));
    return false;
  }
  return true;
}

void FillSaveOptions(const platform::Bundle* bundle, ui::Control& group) {
  const SettingMap* row = SavedJobSaveOptionRadioMap;
  for (const auto& button : group.children()) {
    if (row->labelKey == nullptr) break;
    button->setTitle(bundle->localizedString(row->labelKey));
    ++row;
  }
}

}  // namespace

DialogAnswer<SavedJobSettings> RunModalSavedJobDialog(const platform::Bundle* bundle, SavedJobSettings settings) {
  return RunDialog(bundle, {"SavedJob", "withFormat", kHelpPage}, std::move(settings),
                   [bundle](ui::Window& w, SavedJobSettings& edited) -> std::optional<DialogWiring> {
    const Controls c{w.find(kSaveOptionID), w.find(kJobNameID),  w.find(kFolderID),
                     w.find(kFormatID),     w.find(kFormatPictureID), w.find(kSecureID),
                     w.find(kPasscodeID),   w.find(kConfirmID)};
    for (ui::Control* control : {c.saveOption, c.jobName, c.folder, c.format, c.picture, c.secure, c.passcode, c.confirm})
      if (control == nullptr) return std::nullopt;
    FillSaveOptions(bundle, *c.saveOption);
    InitializeCombo(bundle, c.jobName, JobNameMap, "savedJobNames", "|");
    InitializeCombo(bundle, c.folder, FolderNameMap, "savedJobFolders", "|/");
    LimitInputLengthAndCharacters(c.passcode, 0, kPasscodeMaximumLength,
                                  std::make_shared<const CharacterSet>(CharacterSet::DecimalDigits()));
    LimitInputLengthAndCharacters(c.confirm, 0, kPasscodeMaximumLength,
                                  std::make_shared<const CharacterSet>(CharacterSet::DecimalDigits()));
    PopulatePopupButtonFromMap(bundle, *c.format, JobFormatMap, kJobContextJob, kJobFormatCommand);
    Show(bundle, edited, c);
    std::fputs("Values restored.\n", stderr);  // the console's record that the stored values are shown
    EnablePasscode(w, c);
    w.setFocus(c.jobName);
    DialogWiring wiring;
    wiring.handlers.push_back(w.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassTextField, ui::kEventTextDidChange}},
        [&w, c](ui::Event& e) {
          if (e.control == c.format) ShowFormatPicture(c);
          if (e.control == c.secure && c.secure->value() != 0) w.setFocus(c.passcode);
          EnablePasscode(w, c);
          return platform::eventNotHandledErr;
        }));
    wiring.acceptOK = [bundle, c] { return AcceptValues(bundle, c); };
    wiring.collect = [c, &edited] {
      SavedJobSettings taken = Taken(c);  // before the combo boxes let go of their state
      taken.otherLocation = edited.otherLocation;
      KComboBoxFinalize(c.jobName, true);
      KComboBoxFinalize(c.folder, true);
      edited = std::move(taken);
    };
    return wiring;
  });
}
