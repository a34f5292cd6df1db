#pragma once
// The finishing dialogs the finishing menu opens. Each runs modally on a copy of the panel's
// finishing state and answers it as OK left it; Cancel answers none. A dialog the paper rules
// out answers userCanceledErr, one whose interface description cannot be loaded the loader's
// status.
#include <cstdint>

#include "panels/modal_dialog.h"
#include "panels/paper_output/paper_output_state.h"
#include "platform/status.h"

// The interface description all of them come from, and the controls they share.
inline constexpr const char* kFinishingInterfaceName = "Finishing";
inline constexpr platform::OSType kFinishingSignature = platform::FourCharCode("Fnsh");

// The finishings chosen by position in the generic position dialog.
enum class PositionFinishing { OneStaple, TwoStaples, CenterStaple, HolePunch, Bind, Fold };

// The position dialog of the finishing: on OK its field takes the chosen value, the finishing
// code becomes the finishing's and the finishings that cannot go with it are cleared. holesCode
// 3, 4 or 5 for 2, 3 or 4 holes, for the hole punch only.
DialogAnswer<FinishingState> RunModalPositionFinishingDialog(const PaperOutputContext& context,
                                                             PositionFinishing finishing, std::int32_t holesCode = 0);
DialogAnswer<FinishingState> RunModalAdvancedFoldFinishingDialog(const PaperOutputContext& context);
// True when the printer has at least one of the advanced dialog's folds.
bool AnyAdvancedFoldInstalled();
DialogAnswer<FinishingState> RunModalZFoldFinishingDialog(const PaperOutputContext& context);
DialogAnswer<FinishingState> RunModalCoilPunchFinishingDialog(const PaperOutputContext& context);
DialogAnswer<FinishingState> RunModalCustomFinishingDialog(const PaperOutputContext& context);
DialogAnswer<FinishingState> RunModalOffsetFinishingDialog(const PaperOutputContext& context);
DialogAnswer<FinishingState> RunModalMultipleFinishingDialog(const PaperOutputContext& context);
// Square fold and trim edit the finishing state they are given (the advanced fold dialog's copy,
// or the panel's own). Cancel in square fold answers that state with square fold off at the
// normal level: leaving the dialog unconfirmed means no square fold.
DialogAnswer<FinishingState> RunModalSquareFoldDialog(const platform::Bundle* bundle,
                                                      const platform::PrintSession* session, FinishingState finishing);
DialogAnswer<FinishingState> RunModalTrimOutsideEdgeDialog(const platform::Bundle* bundle,
                                                           const platform::PrintSession* session,
                                                           FinishingState finishing);
