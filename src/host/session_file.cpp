#include "host/session_file.h"

#include "platform/plist/plist_description.h"

namespace korvo_host {

void ListPrintSettings(const platform::PrintSession& session, std::ostream& out) {
  if (const platform::Ticket* settings = session.ticket(platform::kPDE_PMPrintSettingsRef))
    for (const auto& [key, item] : settings->items()) out << key << " = " << platform::PlistDescription(item.value) << "\n";
}

bool SaveSessionFile(const CommandLine& line, const platform::PrintSession& session, std::ostream& err) {
  if (!line.sessionPath) return true;
  std::string error;
  if (session.save(*line.sessionPath, &error)) return true;
  err << "ERROR: " << error << "\n";
  return false;
}

}  // namespace korvo_host
