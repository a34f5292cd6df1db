// The square fold dialog: square fold on or off and how square, in five steps. Only papers the
// trimmer takes can have it; Cancel turns it off.
#include <string>
#include <utility>

#include "model/finishing_folds.h"
#include "panels/paper_output/finishing/finishing_dialog_template.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/paper_size_check.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kOnBoxID{kFinishingSignature, 1};
constexpr ui::ControlID kLevelGroupID{kFinishingSignature, 7};

// The sizes the trimmer takes, as the alert lists them.
constexpr const char* kSupportedSizes =
    "A4, 11 x 15\u201D, Letter (8.5 x 11\u201D), Legal (8.5 x 14\u201D), Tabloid (11 x 17\u201D), 8.5 x 13\u201D, "
    "Letter Tab (9 x 11\u201D), 11 x 15\u201D, Oversized Tabloid (12 x 18), 13 x 18\u201D, A3 (297 x 420), JIS B4 (257 "
    "x 364), Oversized A4 (223 x 297mm), SRA3 (320 x 450), 8K (267 x 388mm), 8K (270 x 390mm), 215 x 315mm, 226 x "
    "310mm, 310 x 432mm, and 328 x 453mm.";

// The level's place among the steps; that of "Normal" for any other value.
std::size_t LevelPlace(std::int32_t level) {
  const SquareFoldLevel* row = RowWith(kSquareFoldLevels, &SquareFoldLevel::stored, level);
  if (row == nullptr) row = RowWith(kSquareFoldLevels, &SquareFoldLevel::stored, kSquareFoldNormal);
  return static_cast<std::size_t>(row - kSquareFoldLevels);
}

}  // namespace

DialogAnswer<FinishingState> RunModalSquareFoldDialog(const platform::Bundle* bundle,
                                                      const platform::PrintSession* session, FinishingState finishing) {
  if (!checkForSupportedPaperSize(session)) {
    const std::string detail = bundle ? bundle->localizedString("SquareFoldPaperSizeErrorDetailedError") : "";
    DisplayInvalidInputAlert(bundle, "SquareFoldPaperSizeError", detail + kSupportedSizes);
    return {ui::userCanceledErr, std::nullopt};
  }
  DialogAnswer<FinishingState> answer = RunDialog(bundle, {kFinishingInterfaceName, "SquareFold", {}}, finishing,
                   [](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
                     ui::Control* onBox = window.find(kOnBoxID);
                     ui::Control* levels = window.find(kLevelGroupID);
                     if (onBox == nullptr || levels == nullptr) return std::nullopt;
                     onBox->setValue(f.squareFoldOn ? 1 : 0);
                     ChooseOptionButton(*levels, LevelPlace(f.squareFoldValue));
                     levels->setEnabled(f.squareFoldOn);
                     DialogWiring wiring;
                     wiring.handlers.push_back(onBox->installHandler(
                         {{ui::kEventClassControl, ui::kEventControlHit}}, [onBox, levels](ui::Event&) {
                           levels->setEnabled(onBox->value() != 0);
                           return platform::noErr;
                         }));
                     wiring.collect = [onBox, levels, &f] {
                       f.squareFoldOn = onBox->value() != 0;
                       // The levels' values follow one another in step order.
                       f.squareFoldValue = kSquareFoldLevels[0].stored + levels->value() - 1;
                     };
                     return wiring;
                   });
  if (!answer.record && answer.status == platform::noErr) {  // Cancel, not a window that failed
    finishing.squareFoldOn = false;
    finishing.squareFoldValue = kSquareFoldNormal;
    answer.record = std::move(finishing);
  }
  return answer;
}
