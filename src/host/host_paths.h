#pragma once
// Where the host finds the plug-in bundle and the bundled sample printer.
#include <string>

namespace korvo_host {

// The plug-in bundle beside this program: <dir of the executable>/../lib/KorvoFeatures.plugin.
std::string DefaultBundlePath();
// The program that shows the dialog in a window, beside this one; only it loads GTK, so no other
// command pays for it.
std::string WindowProgramPath();
// The sample Korvo printer description shipped inside the bundle's resources.
std::string SamplePPDPath(const std::string& bundlePath);

}  // namespace korvo_host
