#pragma once
// Helpers shared by the test programs: temporary folders, the built bundle, running programs.
#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace korvo_test {

// A fresh folder under the system's temporary folder, removed with everything in it at
// destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Sets (or with null, unsets) an environment variable for the life of the object, restoring the
// previous value afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

// Points the preference and application-support folders (XDG_CONFIG_HOME, XDG_DATA_HOME) at a
// temporary folder for the life of the object, restoring the previous values afterwards.
class ScopedXdgHome {
 public:
  ScopedXdgHome();
  ~ScopedXdgHome();
  ScopedXdgHome(const ScopedXdgHome&) = delete;
  ScopedXdgHome& operator=(const ScopedXdgHome&) = delete;
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  ScopedEnv config_;
  ScopedEnv data_;
};

// Runs a shell command; returns its exit status and stores what it wrote to stdout (and stderr
// when mergeStderr) in output.
int RunCommand(const std::string& command, std::string* output, bool mergeStderr = false);

// Whole-file helpers for tests.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The names of the entries in folder that hold part (every entry for an empty part), sorted.
std::vector<std::string> NamesIn(const std::string& folder, const std::string& part = "");

// A plug-in bundle dir/<name>.plugin whose Info.plist holds a fresh CFBundleIdentifier (the
// registry keeps every bundle for the process) and then infoBody; resources maps paths under
// Contents/Resources to their bytes. Answers the bundle's path.
std::string MakeBundle(const TempDir& dir, const std::string& name, const std::string& infoBody = "",
                       const std::map<std::string, std::string>& resources = {});

// A child process running body and exiting with what it answers; WaitForChild gives that exit
// status, or 100 + the signal that ended the child.
pid_t StartChild(const std::function<int()>& body);
int WaitForChild(pid_t pid);
// Runs body in a child without root's power to read and write every file (as nobody when run by
// root): its exit status as WaitForChild gives it, 77 when root could not be given up.
int RunUnprivileged(const std::function<int()>& body);

// Paths into the source tree and the build tree.
std::string DataPath(const std::string& name);        // tests/data/<name>
std::string BundlePath();                              // the built plug-in bundle
std::string SamplePPDPath();                           // the bundled sample Korvo printer

// Hands replay the bytes of every seed in fuzz/corpus/<target>, each under a trace naming its
// file; answers how many seeds there were.
int ReplayFuzzCorpus(const std::string& target, const std::function<void(const std::string& bytes)>& replay);

}  // namespace korvo_test
