// Writing XML property lists, byte for byte in the layout Python's plistlib uses (tab indents,
// <dict/> and <array/> when empty, base64 lines narrowing with depth), so that our files and
// theirs diff cleanly. The one difference: a CR in a string is written as &#13; where plistlib
// turns it into LF, so that the string reads back exactly.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/plist/plist_text_forms.h"
#include "platform/plist/xml_plist.h"

namespace platform {

namespace {

namespace forms = plist_forms;

constexpr std::string_view kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";

class Writer {
 public:
  Result<std::string> write(const PlistValue& root);

 private:
  bool value(const PlistValue& v, int level);
  bool text(const char* element, std::string_view content, int level);
  void line(int level, std::string_view content);
  bool fail(std::string message);
  // The reader refuses deeper nesting, so writing it would make a file that cannot be read.
  bool tooDeep() {
    return fail("values nest deeper than " + std::to_string(plist_forms::kMaxNestingDepth) + " levels");
  }

  std::string out_;
  std::string error_;
  std::vector<std::string> where_;  // path to the failing value, innermost last
};

void Writer::line(int level, std::string_view content) {
  out_.append(static_cast<std::size_t>(level), '\t');
  out_ += content;
  out_ += '\n';
}

bool Writer::fail(std::string message) {
  error_ = std::move(message);
  return false;
}

bool Writer::text(const char* element, std::string_view content, int level) {
  out_.append(static_cast<std::size_t>(level), '\t');
  out_ += '<';
  out_ += element;
  out_ += '>';
  std::string problem;
  if (!forms::AppendEscapedText(out_, content, problem)) return fail(problem);
  out_ += "</";
  out_ += element;
  out_ += ">\n";
  return true;
}

bool Writer::value(const PlistValue& v, int level) {
  switch (v.kind()) {
    case PlistValue::Kind::None: return fail("a value of kind none cannot be written");
    case PlistValue::Kind::Dictionary: {
      if (level >= forms::kMaxNestingDepth) return tooDeep();
      const PlistDict& dict = *v.asDictionary();
      if (dict.empty()) {
        line(level, "<dict/>");
        return true;
      }
      line(level, "<dict>");
      for (const auto& [key, item] : dict) {
        if (!text("key", key, level + 1) || !value(item, level + 1)) {
          where_.push_back(forms::QuoteForMessage(key));
          return false;
        }
      }
      line(level, "</dict>");
      return true;
    }
    case PlistValue::Kind::Array: {
      if (level >= forms::kMaxNestingDepth) return tooDeep();
      const PlistArray& array = *v.asArray();
      if (array.empty()) {
        line(level, "<array/>");
        return true;
      }
      line(level, "<array>");
      for (std::size_t i = 0; i < array.size(); ++i) {
        if (!value(array[i], level + 1)) {
          where_.push_back("[" + std::to_string(i) + "]");
          return false;
        }
      }
      line(level, "</array>");
      return true;
    }
    case PlistValue::Kind::String: return text("string", *v.asString(), level);
    case PlistValue::Kind::Integer: {
      std::string digits;
      forms::AppendInteger(digits, *v.asInteger());
      return text("integer", digits, level);
    }
    case PlistValue::Kind::Real: {
      std::string digits;
      forms::AppendReal(digits, *v.asReal());
      return text("real", digits, level);
    }
    case PlistValue::Kind::Boolean: line(level, *v.asBoolean() ? "<true/>" : "<false/>"); return true;
    case PlistValue::Kind::Data: {
      // Lines are 76 columns less the indent, counting a tab as 8, but never under 16.
      const auto width = static_cast<std::size_t>(std::max(16, 76 - 8 * level));
      line(level, "<data>");
      std::string encoded = forms::EncodeBase64Lines(*v.asData(), width);
      for (std::size_t start = 0; start < encoded.size();) {
        const std::size_t end = encoded.find('\n', start);
        line(level, std::string_view(encoded).substr(start, end - start));
        start = end + 1;
      }
      line(level, "</data>");
      return true;
    }
    case PlistValue::Kind::Date: {
      auto formatted = forms::FormatDate(*v.asDate());
      if (!formatted) return fail(formatted.error());
      return text("date", *formatted, level);
    }
  }
  return fail("a value of unknown kind cannot be written");
}

Result<std::string> Writer::write(const PlistValue& root) {
  out_.assign(kHeader);
  if (!value(root, 0)) {
    std::string path;
    for (auto it = where_.rbegin(); it != where_.rend(); ++it) path += (path.empty() ? "" : " / ") + *it;
    return Result<std::string>::fail("cannot write the property list: " + error_ +
                                     (path.empty() ? "" : " (at " + path + ")"));
  }
  out_ += "</plist>\n";
  return Result<std::string>::ok(std::move(out_));
}

}  // namespace

Result<std::string> WriteXMLPlist(const PlistValue& value) { return Writer().write(value); }

}  // namespace platform
