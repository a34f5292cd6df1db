#pragma once
// Which measurement system the user's locale uses, as the environment names the locale
// (LC_ALL, LC_MEASUREMENT, LANG, in that order, as the C library reads them).
namespace platform {

enum class MeasurementSystem { kMetric, kUS };

// The locale's measurement system: the C library's own table for the locale, or, when that
// locale is not installed, its territory (US, Liberia and Myanmar measure in inches). Metric for
// an unset, "C" or "POSIX" locale.
MeasurementSystem UserMeasurementSystem();

}  // namespace platform
