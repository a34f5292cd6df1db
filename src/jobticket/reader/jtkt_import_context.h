#pragma once
// What every feature conversion of the job-ticket reader is handed, and the dictionaries it
// writes into.
#include <string>
#include <string_view>
#include <vector>

#include <libxml/tree.h>

#include "jobticket/reader/jtkt_keyword_maps.h"
#include "platform/plist/plist_value.h"
#include "vocabulary/job_context.h"

// An importable feature of the profile and the reader's conversion of it, looked up once per
// file rather than again for each of its special pages.
struct JTKTImportable {
  const platform::PlistDict* feature = nullptr;
  std::size_t conversion = 0;  // the reader's conversion; JTKTNoConversion when it has none
};
inline constexpr std::size_t JTKTNoConversion = static_cast<std::size_t>(-1);

// The importable features of the profile, in the order they are converted.
using JTKTFeatureList = std::vector<JTKTImportable>;

struct JTKTImportFeatureContext {
  xmlDocPtr document = nullptr;
  xmlNodePtr node = nullptr;                  // first child of the group being read; may be null
  platform::PlistDict* dictionary = nullptr;  // the import dictionary, or a special page's dictionary
  JobContext scope = kJobContextJob;          // the part of the job being read
  const std::string* fileName = nullptr;      // named by every "ERROR:" line
  const JTKTFeatureList* features = nullptr;  // run again inside every special page
};

// The dictionaries a conversion fills: the context's own, or one of the model dictionaries held
// in it (at job scope under the job keys, inside a page under the page's keys).
enum class JTKTTarget { Ticket, Stock, JobType, FullColor, ColorCast, Highlight, ImageShift, BackgroundForms };

// The target dictionary; created empty when absent. Null only for a context without a dictionary.
platform::PlistDict* JTKTTargetDictionary(const JTKTImportFeatureContext& context, JTKTTarget target);

bool JTKTAtPageScope(const JTKTImportFeatureContext& context);
const std::string& JTKTFileName(const JTKTImportFeatureContext& context);

// Stores an integer, a string or a boolean under key in the target.
void JTKTStore(const JTKTImportFeatureContext& context, JTKTTarget target, const char* key, platform::PlistValue value);
// Stores a profile default (or what stands for a value the file does not give): never over a
// value the target already holds, and never inside a special page, whose unset settings are the
// job's.
void JTKTStoreDefault(const JTKTImportFeatureContext& context, JTKTTarget target, const char* key,
                      platform::PlistValue value);

// The importable features ("JTKT" = true) of the loaded profile, in a fixed order: that of the
// reader's conversions, then any others by name, so the result never depends on the order in
// which the profile's dictionary is enumerated.
JTKTFeatureList JTKTImportableFeatures();

// The feature with the reader's conversion of its "ID".
JTKTImportable JTKTImportableFeature(const platform::PlistDict* feature);

// Converts one feature.
void JTKTImportFeature(const JTKTImportable& importable, JTKTImportFeatureContext& context);

// False when, read inside an element whose child elements are named in children, the feature
// can find nothing to read: a page holds a handful of the many features, and a page's unset
// settings are the job's, so a feature without its element does nothing there.
bool JTKTFeatureMayReadPage(const JTKTImportable& importable, const std::vector<std::string_view>& children);

// The generic conversion: the value of the element at path, through the feature's syntax, stored
// under the keyword, number or name key (each may be null); else the feature's profile default.
// True when a value from the file was stored.
bool JTKTImportFeatureOneToOne(const platform::PlistDict* feature, const JTKTImportFeatureContext& context,
                               std::string_view path, JTKTTarget target, const char* keywordKey,
                               const JTKTKeywordMap* table, const char* numberKey, const char* nameKey);

// The conversions of their own, each for the feature "ID" it is named after.
void JTKTImportStockSize(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportStockType(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportStockDescription(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportStockPunch(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportStockCoating(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportFinishing(std::string_view id, const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportOffset(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportResolution(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportTonerSaver(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportPageExceptions(const JTKTImportFeatureContext& context);
void JTKTImportPageInserts(const JTKTImportFeatureContext& context);
void JTKTImportCover(bool front, const JTKTImportFeatureContext& context);
void JTKTImportStockSource(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportStockMediaKey(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportAccounting(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportPageRanges(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportPads(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportFinishingTemplate(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportBookletMaking(const platform::PlistDict* feature, const JTKTImportFeatureContext& context);
void JTKTImportHighlight(const JTKTImportFeatureContext& context);

// Runs every importable feature inside one element (a special page, a pad's back cover) into
// page, at scope.
void JTKTImportPageElement(const JTKTImportFeatureContext& job, xmlNodePtr pageElement, JobContext scope,
                           platform::PlistDict& page);

// The finishing features: each reads every value of the file's finishing set.
bool JTKTIsFinishingFeature(std::string_view id);

// One "ERROR:" line for each value of the finishing and offset sets that none of the features
// reading the set knows, once they all have read it.
void JTKTReportUnknownSetValues(const JTKTFeatureList& features, const JTKTImportFeatureContext& context);
