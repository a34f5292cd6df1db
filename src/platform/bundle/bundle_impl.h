#pragma once
// The state behind a Bundle, shared by the files that implement it.
#include <map>
#include <mutex>
#include <string>

#include "platform/bundle/bundle.h"
#include "platform/bundle/po_table.h"

namespace platform {

struct Bundle::Impl {
  std::string path;
  std::string identifier;
  PlistDict info;
  std::string developmentRegion;  // "CFBundleDevelopmentRegion", or empty

  // String tables read so far, by "<language>.lproj/<Table>.po"; each file is read at most once
  // for the life of the process. A table that is missing or malformed is kept empty.
  mutable std::mutex tablesMutex;
  mutable std::map<std::string, StringTable, std::less<>> tables;
};

}  // namespace platform
