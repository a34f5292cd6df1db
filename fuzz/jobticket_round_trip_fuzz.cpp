// A ticket made from the input bytes by the tickets' generator is exported, imported into a
// fresh ticket and exported again: the two documents must be the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_export.h"
#include "jobticket/ticket_byte_choice.h"
#include "model/client_information_keys.h"
#include "platform/ticket/ticket.h"
#include "vocabulary/device_profile.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& first, const std::string& second) {
  std::fprintf(stderr, "jobticket_round_trip_fuzz: %s\nfirst:\n%s\nsecond:\n%s\n", what, first.c_str(), second.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    JTKTSetImportErrorStream(nullptr);
    return KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist");
  }();
  if (!ready) std::abort();
  const platform::PlistDict ticket = jtkt_test::GenerateTicket(jtkt_test::ByteChoice(data, size));
  const std::string first = JTKTWriteDocument(ticket, 0).value_or("");
  platform::PlistDict imported;
  if (JTKTImportDocument(first, "fuzz.xml", &imported) != platform::noErr) Fail("the export is not read", first, "");
  platform::Ticket fresh;
  fresh.set(kJTKTOptionsKey, ticket.at(kJTKTOptionsKey), "K");
  JTKTMergeIntoTicket(fresh, imported);
  const std::string second = JTKTWriteDocument(JTKTCopyKorvoItems(fresh), 0).value_or("");
  if (second != first) Fail("the second export differs", first, second);
  return 0;
}
