#include "watermark/watermark_result.h"

const char* WatermarkResultName(WatermarkResult result) {
  switch (result) {
    case WatermarkResult::kDone: return "done";
    case WatermarkResult::kNotFound: return "not found";
    case WatermarkResult::kNameTaken: return "name taken";
    case WatermarkResult::kNoName: return "no name";
    case WatermarkResult::kFieldTooLong: return "field too long";
    case WatermarkResult::kBadRecord: return "bad record";
    case WatermarkResult::kNoFile: return "no file";
    case WatermarkResult::kFileUnreadable: return "file unreadable";
    case WatermarkResult::kNoFolder: return "no folder";
    case WatermarkResult::kWriteFailed: return "write failed";
    case WatermarkResult::kFontUnusable: return "font unusable";
  }
  return "unknown";
}
