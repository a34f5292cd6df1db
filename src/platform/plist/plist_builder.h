#pragma once
// Builds a PlistValue from the events of a streaming XML parse (element start and end, text),
// checking the property-list structure as it goes. No tree is kept and nothing recurses, so a
// document costs little more than the values it holds, and nesting cannot exhaust the stack.
// Private to plist/; the XML side (libxml2) is in xml_plist_reader.cpp.
#include <string>
#include <string_view>
#include <vector>

#include "platform/plist/plist_value.h"
#include "platform/result.h"

namespace platform::plist_reading {

class PlistBuilder {
 public:
  PlistBuilder();

  // Each event returns false once the document has been refused; error() then says why, and
  // the caller should stop the parse. line is where the event happened, for messages.
  bool startElement(std::string_view name, bool inNamespace, long line);
  bool characters(std::string_view text, long line);
  bool endElement(long line);
  // Refuses the document with "line N: message" (only the first refusal is kept).
  bool fail(long line, std::string message);

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  // The value, once the whole document has been seen without a refusal.
  Result<PlistValue> finish();

 private:
  enum class Element { Plist, Dict, Array, Key, String, Integer, Real, Date, Data, True, False };
  struct Frame {
    Element element;
    PlistValue* slot;                    // where this element's value goes
    long line;                           // where the element started
    PlistValue* pending = nullptr;       // Dict: the slot a <key> opened for the next value
    const std::string* pendingKey = nullptr;
  };

  static bool Classify(std::string_view name, Element& element);
  static const char* NameOf(Element element);
  bool placeValue(std::string_view name, long line, PlistValue*& slot);
  bool finishLeaf(const Frame& frame);

  std::vector<Frame> stack_;
  std::string text_;  // character data of the open leaf element
  PlistValue root_;
  bool rootPlaced_ = false;
  bool plistSeen_ = false;
  int depth_ = 0;  // open dictionaries and arrays
  std::string error_;
};

}  // namespace platform::plist_reading
