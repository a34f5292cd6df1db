// What GTK's print settings give the Korvo queue path: its copies, collation, order, page set and
// page ranges, which GTK counts from page 0.
#ifdef KORVO_HAVE_GTK
#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "host/window/gtk_settings_job.h"
#include "platform/glib_handles.h"

namespace {

TEST(DialogChoicesOf, TakesGtksCopiesOrderPageSetAndRangesCountedFromPageOne) {
  const platform::GObjectPtr<GtkPrintSettings> settings(gtk_print_settings_new());
  gtk_print_settings_set_n_copies(settings.get(), 3);
  gtk_print_settings_set_collate(settings.get(), FALSE);
  gtk_print_settings_set_reverse(settings.get(), TRUE);
  gtk_print_settings_set_page_set(settings.get(), GTK_PAGE_SET_ODD);
  gtk_print_settings_set_print_pages(settings.get(), GTK_PRINT_PAGES_RANGES);
  GtkPageRange ranges[] = {{1, 2}, {4, 4}, {6, -2}};  // "2-3, 5, 7-" as GTK keeps them
  gtk_print_settings_set_page_ranges(settings.get(), ranges, 3);
  const PrintDialogChoices choices = korvo_host::DialogChoicesOf(settings.get());
  EXPECT_EQ(choices.copies, 3);
  EXPECT_FALSE(choices.collate);
  EXPECT_TRUE(choices.reverse);
  EXPECT_EQ(choices.pageSet, PrintDialogChoices::PageSet::kOdd);
  const int last = std::numeric_limits<int>::max();
  EXPECT_EQ(choices.pageRanges, (std::vector<std::pair<int, int>>{{2, 3}, {5, 5}, {7, last}}));
  // Ranges typed, then All chosen: every page.
  gtk_print_settings_set_print_pages(settings.get(), GTK_PRINT_PAGES_ALL);
  EXPECT_TRUE(korvo_host::DialogChoicesOf(settings.get()).pageRanges.empty());
}

}  // namespace
#endif
