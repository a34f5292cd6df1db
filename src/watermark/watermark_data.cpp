#include "watermark/watermark_data.h"

const std::string& WatermarkName(const WatermarkData& record) {
  return record.isText ? record.textString : record.filename;
}

const char* WatermarkFieldOverLimit(const WatermarkData& record) {
  if (record.textString.size() > kWatermarkTextLimit) return "textString";
  if (record.filename.size() > kWatermarkFileNameLimit) return "filename";
  if (record.filePath.size() > kWatermarkFilePathLimit) return "filePath";
  if (record.fontName.size() > kWatermarkFontNameLimit) return "fontName";
  return nullptr;
}
