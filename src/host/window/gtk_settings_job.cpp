#include "host/window/gtk_settings_job.h"

#include <filesystem>
#include <limits>
#include <map>
#include <memory>

#include "platform/cups_library.h"

namespace korvo_host {
namespace {

using Options = std::map<std::string, std::string>;

void AddSetting(const char* key, const char* value, gpointer data) {
  const std::string name(key);
  if (name.rfind("cups-", 0) == 0 && name.size() > 5) (*static_cast<Options*>(data))[name.substr(5)] = value;
}

Options OptionsOf(GtkPrintSettings* settings) {
  Options options;
  gtk_print_settings_foreach(settings, AddSetting, &options);
  const PrintDialogChoices choices = DialogChoicesOf(settings);
  options["copies"] = std::to_string(choices.copies);
  options["multiple-document-handling"] =
      choices.collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies";
  if (choices.reverse) options["outputorder"] = "reverse";
  if (choices.pageSet != PrintDialogChoices::PageSet::kAll)
    options["page-set"] = choices.pageSet == PrintDialogChoices::PageSet::kEven ? "even" : "odd";
  std::string ranges;
  for (const auto& [first, last] : choices.pageRanges)
    ranges += (ranges.empty() ? "" : ",") + std::to_string(first) + (last > first ? "-" + std::to_string(last) : "");
  if (!ranges.empty()) options["page-ranges"] = ranges;
  return options;
}

// Options made with cupsAddOption, freed with their count.
class AddedOptions {
 public:
  explicit AddedOptions(const Options& options) {
    for (const auto& [name, value] : options) count_ = cupsAddOption(name.c_str(), value.c_str(), count_, &options_);
  }
  ~AddedOptions() { cupsFreeOptions(count_, options_); }
  AddedOptions(const AddedOptions&) = delete;
  AddedOptions& operator=(const AddedOptions&) = delete;
  int count() const { return count_; }
  cups_option_t* get() const { return options_; }

 private:
  cups_option_t* options_ = nullptr;
  int count_ = 0;
};

}  // namespace

// GTK's own choices for the job, from its General and Page Setup tabs.
PrintDialogChoices DialogChoicesOf(GtkPrintSettings* settings) {
  PrintDialogChoices choices;
  choices.copies = gtk_print_settings_get_n_copies(settings);
  choices.collate = gtk_print_settings_get_collate(settings);
  choices.reverse = gtk_print_settings_get_reverse(settings);
  switch (gtk_print_settings_get_page_set(settings)) {
    case GTK_PAGE_SET_EVEN: choices.pageSet = PrintDialogChoices::PageSet::kEven; break;
    case GTK_PAGE_SET_ODD: choices.pageSet = PrintDialogChoices::PageSet::kOdd; break;
    case GTK_PAGE_SET_ALL: break;
  }
  if (gtk_print_settings_get_print_pages(settings) == GTK_PRINT_PAGES_RANGES) {
    int count = 0;
    // GTK counts pages from 0.
    const std::unique_ptr<GtkPageRange, decltype(&g_free)> ranges(gtk_print_settings_get_page_ranges(settings, &count),
                                                                  &g_free);
    for (int i = 0; i < count; ++i) {
      const GtkPageRange& range = ranges.get()[i];
      // "3-" in GTK's field runs to the last page, which GTK keeps as an end before the start.
      const int last = range.end < range.start ? std::numeric_limits<int>::max() : range.end + 1;
      choices.pageRanges.emplace_back(range.start + 1, last);
    }
  }
  return choices;
}

std::string PaperChoiceOf(GtkPageSetup* setup) {
  GtkPaperSize* size = gtk_page_setup_get_paper_size(setup);
  if (const char* keyword = gtk_paper_size_get_ppd_name(size); keyword != nullptr && keyword[0] != '\0') return keyword;
  const std::string name =
      platform::PaperNameOfSheet(gtk_paper_size_get_width(size, GTK_UNIT_POINTS), gtk_paper_size_get_height(size, GTK_UNIT_POINTS));
  return name.empty() ? gtk_paper_size_get_name(size) : name;
}

platform::GObjectPtr<GtkPageSetup> PageSetupOf(const platform::PaperFormat& paper) {
  platform::GObjectPtr<GtkPageSetup> setup(gtk_page_setup_new());
  GtkPaperSize* size = gtk_paper_size_new_from_ppd(paper.keyword.c_str(), paper.text.c_str(),
                                                   paper.rect[3] - paper.rect[1], paper.rect[2] - paper.rect[0]);
  gtk_page_setup_set_paper_size(setup.get(), size);
  gtk_paper_size_free(size);
  gtk_page_setup_set_top_margin(setup.get(), paper.margins[0], GTK_UNIT_POINTS);
  gtk_page_setup_set_left_margin(setup.get(), paper.margins[1], GTK_UNIT_POINTS);
  gtk_page_setup_set_bottom_margin(setup.get(), paper.margins[2], GTK_UNIT_POINTS);
  gtk_page_setup_set_right_margin(setup.get(), paper.margins[3], GTK_UNIT_POINTS);
  return setup;
}

platform::Result<std::string> PrintWithGtkSettings(const std::string& queue, const std::string& documentPath,
                                                   GtkPrintSettings* settings) {
  const AddedOptions options(OptionsOf(settings));
  const std::string title = std::filesystem::path(documentPath).filename().string();
  const int job = cupsPrintFile(queue.c_str(), documentPath.c_str(), title.c_str(), options.count(), options.get());
  if (job == 0)
    return platform::Result<std::string>::fail(queue + " did not take " + documentPath + ": " + cupsLastErrorString());
  return platform::Result<std::string>::ok(queue + "-" + std::to_string(job));
}

}  // namespace korvo_host
