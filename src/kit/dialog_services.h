#pragma once
// Services of the shell that panels and dialogs use.
#include <string_view>

#include "platform/bundle/bundle.h"
#include "platform/ui/control.h"

// Opens the bundle's help book ("CFBundleHelpBookName", its pages in "CFBundleHelpBookFolder") at
// a page and anchor; without a page, at its front page. paramErr when the bundle names no book;
// fnfErr, with one "ERROR:" line, when the book has no such page.
platform::OSStatus DisplayHelp(const platform::Bundle* bundle, std::string_view page, std::string_view anchor);
// Moves control into parent and shows it; paramErr when either is missing.
platform::OSStatus EmbedAndShowControl(platform::ui::Control* control, platform::ui::Control* parent);
// Shows, enables and activates the pane of the tab control's current tab (1-based) and hides,
// disables and deactivates the other count - 1.
void UpdateTabControl(platform::ui::Control& tabControl, int count, platform::ui::Control* const panes[]);
