// Resolution and toner saver, which the file spells in forms of their own.
#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "model/image_options_keys.h"
#include "vocabulary/device_profile.h"
#include "vocabulary/printer_default.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

struct ResolutionRow {
  std::int32_t crossFeed;
  std::int32_t feed;
  const char* keyword;
  std::int32_t value;
};
constexpr ResolutionRow kResolutions[] = {
    {300, 300, "300x300", 1}, {600, 600, "600x600", 2}, {1200, 600, "1200x600", 3}, {1200, 1200, "1200x1200", 4}};

constexpr const char* kTonerSaverOn = "standard";

}  // namespace

void JTKTImportResolution(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  const std::string& file = JTKTFileName(context);
  xmlNodePtr crossElement = JTKTImportGetNode(context.node, ".printer-resolution.cross-feed");
  xmlNodePtr feedElement = JTKTImportGetNode(context.node, ".printer-resolution.feed-direction");
  const std::int32_t crossFeed = JTKTImportNodeInteger(crossElement, file).value_or(0);
  const std::int32_t feed = JTKTImportNodeInteger(feedElement, file).value_or(0);
  std::int32_t resolution = kPrinterDefault;
  if (const PlistDict* keywords = KFSGetFeatureSyntax(feature, kKFSKeywordClass)) {
    for (const ResolutionRow& row : kResolutions) {
      if (row.crossFeed == crossFeed && row.feed == feed && platform::PlistDictFind(*keywords, row.keyword) != nullptr) {
        resolution = row.value;
        break;
      }
    }
  }
  if (resolution != kPrinterDefault)
    JTKTStore(context, JTKTTarget::Ticket, kResolutionKey, PlistValue(resolution));
  else
    JTKTStoreDefault(context, JTKTTarget::Ticket, kResolutionKey, PlistValue(resolution));
}

void JTKTImportTonerSaver(const PlistDict*, const JTKTImportFeatureContext& context) {
  // A file without the element says nothing about toner saving: storing "off" for it would add a
  // setting the file never had.
  xmlNodePtr element = JTKTImportGetNode(context.node, ".toner-saver");
  if (element != nullptr)
    JTKTStore(context, JTKTTarget::Ticket, kTonerSaverKey, PlistValue(JTKTImportNodeText(element) == kTonerSaverOn));
}
