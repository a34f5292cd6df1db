#include "host/session_file.h"

#include <filesystem>

#include "platform/plist/plist_description.h"

namespace korvo_host {

void ListPrintSettings(const platform::PrintSession& session, std::ostream& out) {
  if (const platform::Ticket* settings = session.ticket(platform::kPDE_PMPrintSettingsRef))
    for (const auto& [key, item] : settings->items()) out << key << " = " << platform::PlistDescription(item.value) << "\n";
}

std::optional<SessionFileLock> LockSessionFile(const CommandLine& line, std::ostream& err) {
  if (!line.sessionPath) return SessionFileLock{};
  // Two links to one session take the same lock: the one beside the file they lead to.
  std::error_code ignored;
  const std::filesystem::path target = std::filesystem::weakly_canonical(*line.sessionPath, ignored);
  auto lock = platform::PreferenceFileLock::acquire(target.empty() ? *line.sessionPath : target.string());
  if (!lock) {
    err << "ERROR: " << *line.sessionPath << ": " << lock.error() << "; the session is left as it was\n";
    return std::nullopt;
  }
  return SessionFileLock{lock.take()};
}

bool SaveSessionFile(const CommandLine& line, const platform::PrintSession& session, std::ostream& err) {
  if (!line.sessionPath) return true;
  std::string error;
  if (session.save(*line.sessionPath, &error)) return true;
  err << "ERROR: " << error << "\n";
  return false;
}

}  // namespace korvo_host
