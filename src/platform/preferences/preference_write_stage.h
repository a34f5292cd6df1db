#pragma once
// Preference writes held back until a command has done everything it was asked, so that a command
// refused half-way changes no preference file at all.
//
// While a stage is open, the first change of a file takes the file's lock, reads it and keeps the
// lock until the stage ends; every change is made to that copy in memory, and every read of the
// file answers the copy. write() then writes the changed files; should one of them fail, those
// already written are put back as they were. As the locks are held all along, no other writer has
// touched the files meanwhile, so putting them back loses no one's change. A stage that ends
// without write() changes nothing (a damaged file met on the way has still been kept aside).
//
// Two commands holding one file each and each waiting for the other's give up after the lock's
// wait, and one of them is refused whole; nothing is lost.
#include <memory>
#include <string>

namespace platform {

class PreferenceWriteStage {
 public:
  // Opens the process's stage; there is one at a time (a second one stays inactive).
  PreferenceWriteStage();
  ~PreferenceWriteStage();
  PreferenceWriteStage(const PreferenceWriteStage&) = delete;
  PreferenceWriteStage& operator=(const PreferenceWriteStage&) = delete;

  // Writes every file changed in the stage. False, after one "ERROR:" line, when one cannot be
  // written: every file is then as it was before the stage.
  bool write(std::string* error = nullptr);
  // Puts the files write() wrote back as they were before the stage (for a command whose last
  // step failed after the preferences were written).
  void restore();

  struct Files;

 private:
  std::unique_ptr<Files> files_;
  bool active_ = false;
};

}  // namespace platform
