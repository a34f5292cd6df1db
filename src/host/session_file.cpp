#include "host/session_file.h"

#include <filesystem>

#include "platform/plist/plist_description.h"

namespace korvo_host {

std::optional<platform::PrintSession> OpenSessionFile(const CommandLine& line, std::ostream& err) {
  if (!line.sessionPath || !std::filesystem::exists(*line.sessionPath)) return platform::PrintSession();
  auto loaded = platform::PrintSession::load(*line.sessionPath);
  if (!loaded) {
    err << "ERROR: " << loaded.error() << "\n";
    return std::nullopt;
  }
  return loaded.take();
}

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
