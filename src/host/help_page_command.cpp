#include "host/help_page_command.h"

#include <filesystem>

#include "host/host_paths.h"
#include "platform/bundle/bundle.h"
#include "platform/bundle/help_book.h"

namespace korvo_host {

int RunHelpPageCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto bundle = platform::Bundle::open(bundlePath);
  if (!bundle) {
    err << "ERROR: " << bundle.error() << "\n";
    return kExitUserError;
  }
  const std::optional<platform::HelpBook> book = platform::BundleHelpBook(**bundle);
  if (!book) {
    err << "ERROR: " << bundlePath << "/Contents/Info.plist names no help book\n";
    return kExitUserError;
  }
  const std::string& page = line.arguments.front();
  const std::optional<std::string> file = platform::FindHelpPage(*book, page);
  if (!file) {
    err << "ERROR: the help book \"" << book->name << "\" has no page \"" << page << "\" (in " << book->folder
        << ")\n";
    return kExitUserError;
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(*file, error);
  out << (error ? *file : absolute.lexically_normal().string()) << "\n";
  return kExitOK;
}

}  // namespace korvo_host
