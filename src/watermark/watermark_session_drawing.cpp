#include "watermark/watermark_session_drawing.h"

#include <iostream>
#include <string>

#include "kit/current_session.h"
#include "kit/preference_locations.h"
#include "model/booklet_watermark_keys.h"
#include "model/platform_keys.h"
#include "platform/drawing/picture_file.h"
#include "platform/files/file_io.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_preview.h"

namespace {

constexpr PageSize kUSLetter{612, 792};
constexpr std::int64_t kLandscape = 2;
constexpr std::int64_t kReverseLandscape = 4;

double Number(const platform::PlistValue& v) {
  if (const double* r = v.asReal()) return *r;
  if (const std::int64_t* i = v.asInteger()) return static_cast<double>(*i);
  return 0;
}

platform::OSStatus Fail(platform::OSStatus status, const std::string& message) {
  std::cerr << "ERROR: " << message << "\n";
  return status;
}

}  // namespace

PageSize SessionPageSize(const platform::PrintSession& session) {
  const platform::Ticket* format = session.ticket(platform::kPDE_PMPageFormatRef);
  if (format == nullptr) return kUSLetter;
  const platform::Ticket* paper = format->subTicket(platform::kPMPaperInfoTicket);
  const platform::PlistValue* rect = paper ? paper->get(kPMUnadjustedPaperRectKey) : nullptr;
  const platform::PlistArray* corners = rect ? rect->asArray() : nullptr;
  if (corners == nullptr || corners->size() != 4) return kUSLetter;
  PageSize size{Number((*corners)[3]) - Number((*corners)[1]), Number((*corners)[2]) - Number((*corners)[0])};
  if (!(size.width >= 1 && size.height >= 1)) return kUSLetter;
  const platform::PlistValue* orientation = format->get(kPMOrientationKey);
  const std::int64_t* turn = orientation ? orientation->asInteger() : nullptr;
  if (turn && (*turn == kLandscape || *turn == kReverseLandscape)) std::swap(size.width, size.height);
  return size;
}

platform::OSStatus KorvoWatermarkToFileAtPath(const char* path) {
  if (path == nullptr) return Fail(platform::paramErr, "the watermark drawing needs a file name");
  const platform::PrintSession* session = GetCurrentPrintSession();
  if (session == nullptr) return Fail(platform::paramErr, std::string(path) + ": there is no print session");
  WatermarkData record;
  const platform::Ticket* settings = session->ticket(platform::kPDE_PMPrintSettingsRef);
  const platform::PlistValue* named = settings ? settings->get(kWatermarkNameTicketKey) : nullptr;
  if (const std::string* name = named ? named->asString() : nullptr) {
    std::string error;
    if (loadWatermarkData(kWatermarkFileName, *name, &record, &error) != WatermarkResult::kDone)
      return Fail(platform::fnfErr, "watermark \"" + *name + "\" (" + kWatermarkNameTicketKey + "): " + error);
    record.isText = !record.textString.empty();
  }
  // A picture that cannot be had would leave the page blank; say so and write nothing.
  if (!record.isText && !record.filePath.empty()) {
    std::string error;
    if (!platform::LoadPictureFile(record.filePath, &error))
      return Fail(platform::ioErr, "the watermark picture " + error + "; nothing was drawn");
  }
  const PageSize page = SessionPageSize(*session);
  std::string bytes;
  if (std::string(path).ends_with(".png")) {
    auto png = RenderWatermarkPicture(&record, page.width, page.height);
    if (!png) return Fail(platform::ioErr, std::string(path) + ": the watermark picture could not be made");
    bytes = std::move(*png);
  } else {
    MemoryConsumer sink;
    if (CreateMemoryConsumer(0, &sink) != platform::noErr ||
        RenderWatermarkPreview(&record, page.width, page.height, &sink) != platform::noErr)
      return Fail(platform::ioErr, std::string(path) + ": the watermark page could not be made");
    bytes.assign(reinterpret_cast<const char*>(sink.block.get()), sink.position);
  }
  std::string error;
  if (!platform::WriteFileAtomically(path, bytes, &error)) return Fail(platform::ioErr, error);
  return platform::noErr;
}
