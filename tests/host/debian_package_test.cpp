// The Debian package of the build tree as dpkg-deb reads it: the files it installs, their modes
// and owner, the libraries it declares; unpacked, its programs and backend run from where the
// package puts them, and its desktop entry is one desktop-file-validate accepts.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "support/test_support.h"

namespace {

const std::string kBuild = std::filesystem::path(KORVO_BIN_DIR).parent_path().string();

// What command writes (with its stderr when merged); a failure is the test's.
std::string Output(const std::string& command, bool mergeStderr = true) {
  std::string out;
  EXPECT_EQ(korvo_test::RunCommand(command, &out, mergeStderr), 0) << command << "\n" << out;
  return out;
}

// Path (without the leading ".") to mode and owner, as dpkg-deb -c lists them; names may hold
// spaces, so the path is the rest of the line after the fifth field.
std::map<std::string, std::string> Listing(const std::string& deb) {
  std::map<std::string, std::string> listed;
  std::istringstream lines(Output("dpkg-deb -c " + deb, false));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string mode, owner, size, day, time, path;
    fields >> mode >> owner >> size >> day >> time >> std::ws;
    std::getline(fields, path);
    if (mode[0] == 'l') path = path.substr(0, path.find(" -> "));
    EXPECT_TRUE(path == "./" || path.rfind("./usr/", 0) == 0) << line;
    listed[path.substr(1)] = mode + " " + owner;
  }
  return listed;
}

TEST(DebianPackage, InstallsEveryPartUnderUsrThatRunsFromThereWithItsLibrariesDeclared) {
  if (korvo_test::RunCommand("command -v dpkg-deb", nullptr) != 0) GTEST_SKIP() << "dpkg-deb is not installed";
  korvo_test::TempDir dir;
  const std::string script = std::string(KORVO_SOURCE_DIR) + "/packaging/make_deb.sh";
  std::string deb = Output(script + " " + kBuild + " " + dir.path(), false);
  ASSERT_FALSE(HasFailure()) << deb;
  deb = deb.substr(0, deb.find('\n'));

  std::string version = Output(KORVO_BIN_DIR "/korvo-pde --version");
  version = version.substr(version.find(' ') + 1, version.find('\n') - version.find(' ') - 1);
  const std::string arch = Output("dpkg --print-architecture");
  EXPECT_EQ(std::filesystem::path(deb).filename().string(),
            "korvo-pde_" + version + "_" + arch.substr(0, arch.size() - 1) + ".deb");

  std::map<std::string, std::string> listed = Listing(deb);
  std::map<std::string, std::string> wanted = {
      {"/usr/bin/korvo-pde", "-rwxr-xr-x root/root"},
      {"/usr/lib/cups/backend/korvo", "-rwxr-xr-x root/root"},
      {"/usr/lib/libkorvo_platform.so", "-rw-r--r-- root/root"},
      {"/usr/lib/KorvoFeatures.plugin/Contents/MacOS/korvo-features.so", "-rw-r--r-- root/root"},
      {"/usr/lib/KorvoFeatures.plugin/Contents/Info.plist", "-rw-r--r-- root/root"},
      {"/usr/share/applications/korvo-pde.desktop", "-rw-r--r-- root/root"},
      {"/usr/share/man/man1/korvo-pde.1.gz", "-rw-r--r-- root/root"},
      {"/usr/share/doc/korvo-pde/copyright", "-rw-r--r-- root/root"},
      {"/usr/share/doc/korvo-pde/changelog.gz", "-rw-r--r-- root/root"},
      {"/usr/lib/cups/backend/", "drwxr-xr-x root/root"}};
  if (std::filesystem::exists(KORVO_BIN_DIR "/korvo-pde-window"))
    wanted["/usr/bin/korvo-pde-window"] = "-rwxr-xr-x root/root";
  for (const auto& [path, mode] : wanted) EXPECT_EQ(listed[path], mode) << path;
  // The whole bundle, every resource of the build's.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(korvo_test::BundlePath())) {
    const std::string inBundle = entry.path().string().substr(korvo_test::BundlePath().size());
    EXPECT_EQ(listed.count("/usr/lib/KorvoFeatures.plugin" + inBundle + (entry.is_directory() ? "/" : "")), 1u)
        << inBundle;
  }

  const std::string fields = Output("dpkg-deb -f " + deb + " Package Version Architecture Section");
  EXPECT_EQ(fields, "Package: korvo-pde\nVersion: " + version + "\nArchitecture: " + arch + "Section: text\n");
  // dpkg-shlibdeps's list (the C++ runtime, libxml2 and, for the window, GTK) and the libraries
  // bound on first use (libcups, the drawing and font libraries); never the package's own.
  const std::string depends = Output("dpkg-deb -f " + deb + " Depends");
  std::vector<std::string> libraries = {"libc6 (>=",  "libstdc++6 (>=", "libxml2 (>=",         "libcups2",
                                        "libcairo2", "libfreetype6",   "libharfbuzz-subset0", "libfontconfig1"};
  if (wanted.count("/usr/bin/korvo-pde-window") == 1) libraries.push_back("libgtk-4-1 (>=");
  for (const std::string& library : libraries) EXPECT_NE(depends.find(library), std::string::npos) << library;
  EXPECT_EQ(depends.find("korvo"), std::string::npos) << depends;

  // Unpacked, the programs find their library and bundle where the package puts them.
  Output("dpkg-deb -x " + deb + " " + dir.file("root"));
  const std::string usr = dir.file("root/usr");
  korvo_test::ScopedXdgHome home;
  const std::string shown = Output(usr + "/bin/korvo-pde show --session " + home.dir().file("s.plist"));
  EXPECT_NE(shown.find("panel 6 = "), std::string::npos) << shown;
  EXPECT_EQ(Output(usr + "/lib/cups/backend/korvo", false),
            "network korvo \"Unknown\" \"Korvo production printer (IPP)\"\n");
  EXPECT_EQ(Output("zcat " + usr + "/share/man/man1/korvo-pde.1.gz"),
            korvo_test::ReadFile(std::string(KORVO_SOURCE_DIR) + "/korvo-pde.1"));

  const std::string entry = usr + "/share/applications/korvo-pde.desktop";
  EXPECT_EQ(Output("desktop-file-validate " + entry), "");
  const std::string text = korvo_test::ReadFile(entry);
  for (const char* line : {"\nName=Print with Korvo...\n", "\nExec=korvo-pde print-dialog %f\n",
                           "\nMimeType=application/pdf;\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
}

}  // namespace
