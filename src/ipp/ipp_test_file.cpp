// Writing ipptool's test-file syntax for a request's job attributes.
#include "ipp/ipp_test_file.h"


namespace {

void AppendAttribute(std::string& out, ipp_attribute_t* attribute, const std::string& indent, bool member);

// ipptool's name of a value tag; "name" and "text" for the with-language forms we never send.
std::string TagWord(ipp_tag_t tag) {
  switch (tag) {
    case IPP_TAG_BEGIN_COLLECTION: return "collection";
    case IPP_TAG_NAME: return "name";
    case IPP_TAG_TEXT: return "text";
    default: return ippTagString(tag);
  }
}

void AppendCollection(std::string& out, ipp_t* col, const std::string& indent) {
  out += "{\n";
  for (ipp_attribute_t* a = ippFirstAttribute(col); a != nullptr; a = ippNextAttribute(col))
    AppendAttribute(out, a, indent + "  ", true);
  out += indent + "}";
}

void AppendValue(std::string& out, ipp_attribute_t* attribute, int i, const std::string& indent) {
  const ipp_tag_t tag = ippGetValueTag(attribute);
  switch (tag) {
    case IPP_TAG_INTEGER: case IPP_TAG_ENUM: out += std::to_string(ippGetInteger(attribute, i)); return;
    case IPP_TAG_BOOLEAN: out += ippGetBoolean(attribute, i) ? "true" : "false"; return;
    case IPP_TAG_RANGE: {
      int upper = 0;
      const int lower = ippGetRange(attribute, i, &upper);
      out += std::to_string(lower) + "-" + std::to_string(upper);
      return;
    }
    case IPP_TAG_BEGIN_COLLECTION: {
      AppendCollection(out, ippGetCollection(attribute, i), indent);
      return;
    }
    default: {
      const char* text = ippGetString(attribute, i, nullptr);
      out += IppToolQuoted(text != nullptr ? text : "");
      return;
    }
  }
}

void AppendAttribute(std::string& out, ipp_attribute_t* attribute, const std::string& indent, bool member) {
  const char* name = ippGetName(attribute);
  if (name == nullptr) return;
  out += indent + (member ? "MEMBER " : "ATTR ") + TagWord(ippGetValueTag(attribute)) + " " + name + " ";
  for (int i = 0; i < ippGetCount(attribute); ++i) {
    if (i > 0) out += ",";
    AppendValue(out, attribute, i, indent);
  }
  out += "\n";
}

}  // namespace

std::string IppToolQuoted(std::string_view value) {
  std::string out = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\' || c == ',') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out + "\"";
}

std::string IppToolPrintJobTest(ipp_t* job) {
  std::string out =
      "# The job's settings as IPP job attributes: ipptool -f DOC.pdf -t PRINTER-URI THIS-FILE\n"
      "{\n"
      "  NAME \"Print-Job with the job's settings\"\n"
      "  OPERATION Print-Job\n"
      "  GROUP operation-attributes-tag\n"
      "  ATTR charset attributes-charset utf-8\n"
      "  ATTR naturalLanguage attributes-natural-language en\n"
      "  ATTR uri printer-uri $uri\n"
      "  ATTR name requesting-user-name $user\n"
      "  ATTR mimeMediaType document-format $filetype\n"
      "  GROUP job-attributes-tag\n";
  for (ipp_attribute_t* a = ippFirstAttribute(job); a != nullptr; a = ippNextAttribute(job))
    if (ippGetGroupTag(a) == IPP_TAG_JOB) AppendAttribute(out, a, "  ", false);
  out +=
      "  FILE $filename\n"
      "  STATUS successful-ok\n"
      "  EXPECT job-uri\n"
      "  EXPECT job-id\n"
      "}\n";
  return out;
}
