// The page format's paper from the printer description, read through libcups as the print
// system reads it.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // libcups' PPD interface, as ppd_adapter

#include "platform/ticket/page_format.h"

#include <memory>

#include "platform/cups_library.h"
#include "platform/files/file_io.h"
#include "platform/ticket/print_session.h"
#include "platform/ticket/printer_info.h"

namespace platform {
namespace {

struct PPDCloser {
  void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PPDPtr = std::unique_ptr<ppd_file_t, PPDCloser>;

std::string NameOfMedia(const pwg_media_t* media) {
  if (media != nullptr && media->legacy != nullptr) return media->legacy;
  if (media != nullptr && media->pwg != nullptr) return media->pwg;
  return {};
}

std::string PaperName(const ppd_size_t& size) {
  const pwg_media_t* media = pwgMediaForPPD(size.name);
  std::string name = media != nullptr ? NameOfMedia(media) : PaperNameOfSheet(size.width, size.length);
  return name.empty() ? size.name : name;
}

// The page size the user named by keyword, by its text or by its paper's name; null when none is so.
const ppd_choice_t* PageSizeChoice(ppd_file_t* ppd, const std::string& choice) {
  const ppd_option_t* option = ppdFindOption(ppd, "PageSize");
  if (option == nullptr) return nullptr;
  for (int i = 0; i < option->num_choices; ++i)
    if (choice == option->choices[i].choice) return &option->choices[i];
  for (int i = 0; i < option->num_choices; ++i)
    if (choice == option->choices[i].text) return &option->choices[i];
  for (int i = 0; i < option->num_choices; ++i)
    if (const ppd_size_t* size = ppdPageSize(ppd, option->choices[i].choice); size != nullptr && PaperName(*size) == choice)
      return &option->choices[i];
  return nullptr;
}

}  // namespace

Result<PaperFormat> ReadPaperFormat(const std::string& ppdPath, const std::string& choice) {
  if (const auto refused = CheckInputFile(ppdPath, kMaxPrinterDescriptionBytes))
    return Result<PaperFormat>::fail("cannot read the printer description: " + *refused);
  PPDPtr ppd(ppdOpenFile(ppdPath.c_str()));
  if (!ppd) return Result<PaperFormat>::fail(ppdPath + ": not a printer description libcups can read");
  ppdMarkDefaults(ppd.get());
  const ppd_choice_t* chosen = choice.empty() ? nullptr : PageSizeChoice(ppd.get(), choice);
  if (!choice.empty() && chosen == nullptr)
    return Result<PaperFormat>::fail(ppdPath + ": the printer has no page size \"" + choice + "\"");
  const ppd_size_t* size = ppdPageSize(ppd.get(), chosen == nullptr ? nullptr : chosen->choice);
  if (size == nullptr || size->width <= 0 || size->length <= 0)
    return Result<PaperFormat>::fail(ppdPath + ": the printer description names no page size");
  if (chosen == nullptr) chosen = PageSizeChoice(ppd.get(), size->name);
  PaperFormat paper;
  paper.name = PaperName(*size);
  paper.keyword = size->name;
  paper.text = chosen != nullptr ? chosen->text : size->name;
  // PPD imageable areas count from the bottom left corner of the sheet, upwards.
  paper.rect[0] = -(static_cast<double>(size->length) - size->top);
  paper.rect[1] = -static_cast<double>(size->left);
  paper.rect[2] = size->top;
  paper.rect[3] = static_cast<double>(size->width) - size->left;
  // Worked out in the description's own precision, as other readers of it (GTK's) do.
  paper.margins[0] = size->length - size->top;
  paper.margins[1] = size->left;
  paper.margins[2] = size->bottom;
  paper.margins[3] = size->width - size->right;
  return Result<PaperFormat>::ok(std::move(paper));
}

std::string PaperNameOfSheet(double width, double length) {
  return NameOfMedia(pwgMediaForSize(PWG_FROM_POINTS(width), PWG_FROM_POINTS(length)));
}

void FillPaperInfoTicket(const PaperFormat& paper, Ticket& pageFormat) {
  Ticket& info = pageFormat.ensureSubTicket(kPMPaperInfoTicket);
  info.set(kPMPaperNameKey, PlistValue(paper.name), kPrintSystemClient);
  info.set(kPMUnadjustedPaperRectKey, PlistValue(PlistArray{paper.rect[0], paper.rect[1], paper.rect[2], paper.rect[3]}),
           kPrintSystemClient);
}

std::string PaperInfoTicketPaperName(const Ticket& pageFormat) {
  const Ticket* info = pageFormat.subTicket(kPMPaperInfoTicket);
  const std::string* name = info != nullptr ? info->getString(kPMPaperNameKey) : nullptr;
  return name != nullptr ? *name : std::string();
}

}  // namespace platform
