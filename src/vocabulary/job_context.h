#pragma once
// Which part of the job a stock or a setting belongs to. It picks defaults and the wording of
// menus and summaries: outside the job itself a "not set" value means "as the job has it", so
// the printer-default row reads "UseJobSetting" there instead of "PrinterDefault".
#include <cstdint>

enum JobContext : std::int32_t {
  kJobContextJob = 0,
  kJobContextCover = 2,
  kJobContextInsert = 3,
  kJobContextException = 4,
};
