// Any bytes read as a job-ticket file through the shipped device profile, into an import
// dictionary that already holds an earlier file's settings. The import either succeeds or refuses
// the file, and a refused file leaves the dictionary exactly as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "vocabulary/device_profile.h"

namespace {

const platform::PlistDict& Earlier() {
  static const platform::PlistDict earlier{{"com.korvo.print.FinishingDuplex", 2},
                                           {"com.korvo.print.JobLevelStock", platform::PlistDict{{"Weight", 90}}}};
  return earlier;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  JTKTSetImportErrorStream(nullptr);  // every refused value would say so on a line of its own
  if (!KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist")) {
    std::fprintf(stderr, "jobticket_import_fuzz: the device profile cannot be read\n");
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  platform::PlistDict dictionary = Earlier();
  const platform::OSStatus status = JTKTImportDocument(bytes, "fuzz.xml", &dictionary);
  if (status != platform::noErr && status != kJTKTUnreadableFile) std::abort();
  if (status != platform::noErr && dictionary != Earlier()) std::abort();
  return 0;
}
