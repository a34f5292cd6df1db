#pragma once
// What an operation on the watermark file came to. Every operation also takes an optional
// message, which on failure names the file or the record and says why.
enum class WatermarkResult {
  kDone = 0,
  kNotFound,        // no watermark (or font program) of that name
  kNameTaken,       // the name is in use by another watermark, a font program, or the list itself
  kNoName,          // the record's name (its text, or its picture's file name) is empty
  kFieldTooLong,    // a string of the record is over its limit; nothing was stored
  kBadRecord,       // the stored record or list holds a value of the wrong kind; nothing was used
  kNoFile,          // there is no watermark file yet
  kFileUnreadable,  // the file could not be read, or was damaged and has been kept aside
  kNoFolder,        // the shared folder cannot be found or created
  kWriteFailed,     // the file could not be written; it is as it was
  kFontUnusable,    // the watermark's font cannot be found or converted; nothing was stored
};

// A short name of the result, for messages ("done", "name taken" ...).
const char* WatermarkResultName(WatermarkResult result);
