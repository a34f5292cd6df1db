#pragma once
// The finishing dialogs the finishing menu opens. Each runs modally on the panel state, changes
// it only on OK (the square fold dialog also on Cancel, which turns square fold off), and answers
// noErr for a dialog that was shown, userCanceledErr when the paper rules the dialog out, and
// the loader's status when its interface description cannot be loaded.
#include <cstdint>

#include "panels/paper_output/paper_output_state.h"
#include "platform/status.h"

// The interface description all of them come from, and the controls they share.
inline constexpr const char* kFinishingInterfaceName = "Finishing";
inline constexpr platform::OSType kFinishingSignature = platform::FourCharCode("Fnsh");

platform::OSStatus RunModal1StapleFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModal2StaplesFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalCenterStapleFinishingDialog(PaperOutputContext* context);
// holesCode 3, 4 or 5 for 2, 3 or 4 holes.
platform::OSStatus RunModalHolePunchFinishingDialog(std::int32_t holesCode, PaperOutputContext* context);
platform::OSStatus RunModalBindFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalFoldFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalAdvancedFoldFinishingDialog(PaperOutputContext* context);
// True when the printer has at least one of the advanced dialog's folds.
bool AnyAdvancedFoldInstalled();
platform::OSStatus RunModalZFoldFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalCoilPunchFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalCustomFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalOffsetFinishingDialog(PaperOutputContext* context);
platform::OSStatus RunModalMultipleFinishingDialog(PaperOutputContext* context);
// Square fold and trim edit the finishing state they are given (the advanced fold dialog's copy,
// or the panel's own).
platform::OSStatus RunModalSquareFoldDialog(const platform::Bundle* bundle, const platform::PrintSession* session,
                                            FinishingState* finishing);
platform::OSStatus RunModalTrimOutsideEdgeDialog(const platform::Bundle* bundle,
                                                 const platform::PrintSession* session, FinishingState* finishing);
