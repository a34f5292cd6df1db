#include "panels/paper_output/paper_size_check.h"

#include <array>
#include <string_view>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "platform/ui/interaction.h"


namespace {

// Texts in the paper names of the sheets the square-fold trimmer takes.
constexpr std::array<std::string_view, 30> kSquareFoldPapers = {
    "8.5 x 13", "328x453",   "226x310",   "226 x 310",    "8K",        "SRA 3",        "13 x 18",    "b4",
    "na-legal", "tabloid",   "a3",        "na-letter",    "Oversized A4", "9x11",      "12 x 18",    "12x18",
    "328x453",  "310x432",   "215x315",   "8.5x13",       "13x18",     "11 x 15",      "11x15",      "iso-a4",
    "328 x 453", "310 x 432", "215 x 315", "Oversized Tabloid", "Letter Tab", "9 x 11"};

const platform::Ticket* PaperTicket(const platform::PrintSession* session) {
  if (session == nullptr) return nullptr;
  const platform::Ticket* format = session->ticket(platform::kPDE_PMPageFormatRef);
  return format ? format->subTicket(platform::kPMPaperInfoTicket) : nullptr;
}

bool NameContainsAny(const std::string& name, std::initializer_list<std::string_view> texts) {
  for (std::string_view text : texts)
    if (name.find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

std::string PaperName(const platform::PrintSession* session) {
  const platform::Ticket* paper = PaperTicket(session);
  const std::string* name = paper ? paper->getString(kPMPaperNameKey) : nullptr;
  return name ? *name : std::string();
}

std::optional<double> PaperHeightPoints(const platform::PrintSession* session) {
  const platform::Ticket* paper = PaperTicket(session);
  const platform::PlistArray* rect = paper ? paper->getArray(kPMUnadjustedPaperRectKey) : nullptr;
  if (rect == nullptr || rect->size() != 4) return std::nullopt;
  double edges[4];
  for (std::size_t i = 0; i < 4; ++i) {
    const platform::PlistValue& v = (*rect)[i];
    if (v.asReal()) {
      edges[i] = *v.asReal();
    } else if (v.asInteger()) {
      edges[i] = static_cast<double>(*v.asInteger());
    } else {
      return std::nullopt;
    }
  }
  return edges[2] - edges[0];
}

bool checkForSupportedPaperSize(const platform::PrintSession* session) {
  const std::string name = PaperName(session);
  for (std::string_view text : kSquareFoldPapers)
    if (name.find(text) != std::string::npos) return true;
  return false;
}

bool PaperTakesCoilPunch(const platform::PrintSession* session) {
  return NameContainsAny(PaperName(session), {"iso-a4", "na-letter"});
}

void DisplayInvalidInputAlert(const platform::Bundle* bundle, const char* titleKey, const std::string& text) {
  platform::ui::AlertRequest alert;
  alert.level = platform::ui::AlertLevel::Caution;
  alert.title = bundle ? bundle->localizedString(titleKey) : std::string(titleKey);
  alert.message = text;
  alert.buttons = {bundle ? bundle->localizedString("OK") : std::string("OK")};
  platform::ui::RunStandardAlert(alert);
}
