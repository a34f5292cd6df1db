#pragma once
// The list's rows and the text of their three cells: which pages (PAGE), what kind (TYPE) and
// what is special about them (ATTR).
#include <string>
#include <vector>

#include "panels/special_pages/special_pages_state.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/ui/data_browser.h"

inline constexpr platform::ui::DataBrowserPropertyID kPagesColumn = platform::FourCharCode("PAGE");
inline constexpr platform::ui::DataBrowserPropertyID kTypeColumn = platform::FourCharCode("TYPE");
inline constexpr platform::ui::DataBrowserPropertyID kAttributesColumn = platform::FourCharCode("ATTR");

// The front cover; the inserts and exception ranges merged by start page, each list in its own
// order, a range before an insert of the same start page; the back cover.
std::vector<SpecialPageRow> SpecialPageRows(SpecialPages& pages);

// The cell's text; empty for an unknown column or without bundle.
std::string SpecialPageCellText(const platform::Bundle* bundle, const SpecialPageRow& row,
                                platform::ui::DataBrowserPropertyID column);
