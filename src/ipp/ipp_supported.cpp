// Keeping the job attributes a printer supports.
#include "ipp/ipp_supported.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>

namespace {

struct Setting {
  std::string_view attribute;
  const char* name;
};

constexpr Setting kSettings[] = {
    {"media-col", "Paper"},
    {"cover-front", "Front Cover"},
    {"cover-back", "Back Cover"},
    {"insert-sheet", "Inserts"},
    {"overrides", "Exception Pages"},
    {"finishings", "Finishing"},
    {"finishings-col", "Custom Finishing"},
    {"separator-sheets", "Slip Sheets"},
    {"pages-per-subset", "Offset/Subset"},
    {"page-delivery", "Output Order"},
    {"copies", "Copies"},
    {"multiple-document-handling", "Collate"},
    {"page-ranges", "Page Range"},
    {"page-set", "Even or Odd Pages"},
    {"x-side1-image-shift", "Image Shift"},
    {"x-side2-image-shift", "Image Shift"},
    {"y-side1-image-shift", "Image Shift"},
    {"y-side2-image-shift", "Image Shift"},
    {"job-accounting-user-id", "Accounting User ID"},
    {"job-account-id", "Accounting Account ID"},
    {"job-message-to-operator", "Job Start Message"},
    {"job-sheet-message", "Banner Message"},
    {"job-recipient-name", "Recipient"},
    {"job-hold-until", "Hold Job"},
    {"job-save-disposition", "Saved Job"},
};

void CollectNames(ipp_t* ipp, std::set<std::string>& names) {
  for (ipp_attribute_t* a = ippFirstAttribute(ipp); a != nullptr; a = ippNextAttribute(ipp)) {
    if (ippGetName(a) == nullptr) continue;
    names.insert(std::string(ippGetName(a)) + "-supported");
    if (ippGetValueTag(a) == IPP_TAG_BEGIN_COLLECTION)
      for (int i = 0; i < ippGetCount(a); ++i) CollectNames(ippGetCollection(a, i), names);
  }
}

ipp_attribute_t* Supported(ipp_t* printer, const std::string& name) {
  return ippFindAttribute(printer, (name + "-supported").c_str(), IPP_TAG_ZERO);
}

bool ListsString(ipp_attribute_t* supported, const char* value) {
  for (int i = 0; i < ippGetCount(supported); ++i) {
    const char* listed = ippGetString(supported, i, nullptr);
    if (listed != nullptr && value != nullptr && std::strcmp(listed, value) == 0) return true;
  }
  return false;
}

int MemberInteger(ipp_t* col, const char* name) {
  ipp_attribute_t* a = ippFindAttribute(col, name, IPP_TAG_INTEGER);
  return a != nullptr ? ippGetInteger(a, 0) : -1;
}

// A dimension of media-size-supported: an integer, or a range for roll or custom sizes.
bool DimensionFits(ipp_t* supportedSize, const char* name, int value) {
  ipp_attribute_t* a = ippFindAttribute(supportedSize, name, IPP_TAG_ZERO);
  if (a == nullptr) return false;
  if (ippGetValueTag(a) == IPP_TAG_RANGE) {
    int upper = 0;
    const int lower = ippGetRange(a, 0, &upper);
    return value >= lower && value <= upper;
  }
  return ippGetInteger(a, 0) == value;
}

bool SizeSupported(ipp_attribute_t* supported, ipp_t* size) {
  const int x = MemberInteger(size, "x-dimension"), y = MemberInteger(size, "y-dimension");
  for (int i = 0; i < ippGetCount(supported); ++i) {
    ipp_t* listed = ippGetCollection(supported, i);
    if (listed != nullptr && DimensionFits(listed, "x-dimension", x) && DimensionFits(listed, "y-dimension", y))
      return true;
  }
  return false;
}

// Whether supported holds value i of attribute (collections are checked member by member elsewhere).
bool ValueSupported(ipp_attribute_t* supported, ipp_attribute_t* attribute, int i) {
  const ipp_tag_t tag = ippGetValueTag(attribute);
  switch (ippGetValueTag(supported)) {
    case IPP_TAG_BOOLEAN: return ippGetBoolean(supported, 0) != 0;
    case IPP_TAG_RANGE: {
      // An integer within a supported range, or a range (pages 2-3) wholly within one.
      if (tag != IPP_TAG_INTEGER && tag != IPP_TAG_RANGE) return false;
      int last = 0;
      const int first = tag == IPP_TAG_RANGE ? ippGetRange(attribute, i, &last) : ippGetInteger(attribute, i);
      if (tag == IPP_TAG_INTEGER) last = first;
      for (int r = 0; r < ippGetCount(supported); ++r) {
        int upper = 0;
        const int lower = ippGetRange(supported, r, &upper);
        if (first >= lower && last <= upper) return true;
      }
      return false;
    }
    case IPP_TAG_INTEGER:
    case IPP_TAG_ENUM:
      if (tag == IPP_TAG_INTEGER || tag == IPP_TAG_ENUM) {
        for (int s = 0; s < ippGetCount(supported); ++s)
          if (ippGetInteger(supported, s) == ippGetInteger(attribute, i)) return true;
        return false;
      }
      // An integer beside a name or text is the longest one the printer takes.
      return ippGetString(attribute, i, nullptr) != nullptr &&
             std::strlen(ippGetString(attribute, i, nullptr)) <= static_cast<std::size_t>(ippGetInteger(supported, 0));
    case IPP_TAG_URISCHEME: {
      const std::string_view uri = ippGetString(attribute, i, nullptr) ? ippGetString(attribute, i, nullptr) : "";
      return ListsString(supported, std::string(uri.substr(0, uri.find(':'))).c_str());
    }
    case IPP_TAG_KEYWORD: case IPP_TAG_NAME: case IPP_TAG_MIMETYPE: case IPP_TAG_URI: case IPP_TAG_TEXT:
      return ListsString(supported, ippGetString(attribute, i, nullptr));
    case IPP_TAG_BEGIN_COLLECTION:
      return tag == IPP_TAG_BEGIN_COLLECTION && SizeSupported(supported, ippGetCollection(attribute, i));
    default: return false;  // no-value, unknown, unsupported: the printer takes none
  }
}

std::string ValueText(ipp_attribute_t* attribute, int i) {
  switch (ippGetValueTag(attribute)) {
    case IPP_TAG_INTEGER: return std::to_string(ippGetInteger(attribute, i));
    case IPP_TAG_ENUM: return ippEnumString(ippGetName(attribute), ippGetInteger(attribute, i));
    case IPP_TAG_BEGIN_COLLECTION: {
      char text[1024];
      ippAttributeString(attribute, text, sizeof text);
      return text;
    }
    default: {
      const char* text = ippGetString(attribute, i, nullptr);
      return text != nullptr ? std::string("\"") + text + "\"" : std::string();
    }
  }
}

class Filter {
 public:
  Filter(ipp_t* printer, std::vector<std::string>* warnings) : printer_(printer), warnings_(warnings) {}

  // Copies what the printer supports of attribute into out (as a member when group is zero):
  // a collection member by member when its "-supported" lists member names, else value by value.
  void copy(ipp_t* out, ipp_tag_t group, ipp_attribute_t* attribute, const std::string& path,
            ipp_attribute_t* supported, bool required) {
    const std::string name = ippGetName(attribute);
    // A job attribute needs its "-supported"; a member the collection lists stands without one.
    if (supported == nullptr && required) {
      warn(path, "the printer does not support " + path);
      return;
    }
    ipp_attribute_t* added = nullptr;
    for (int i = 0; i < ippGetCount(attribute); ++i) {
      if (ippGetValueTag(attribute) == IPP_TAG_BEGIN_COLLECTION && (supported == nullptr ||
          ippGetValueTag(supported) == IPP_TAG_KEYWORD)) {
        platform::IppMessagePtr col = collection(ippGetCollection(attribute, i), path, supported);
        if (ippFirstAttribute(col.get()) == nullptr) continue;
        if (added == nullptr)
          added = ippAddCollection(out, group, name.c_str(), col.get());
        else
          ippSetCollection(out, &added, ippGetCount(added), col.get());
        continue;
      }
      if (supported != nullptr && !ValueSupported(supported, attribute, i)) {
        warn(path, "the printer does not take " + path + " = " + ValueText(attribute, i));
        continue;
      }
      added = copyValue(out, group, attribute, i, added);
    }
  }

 private:
  // The member that says which pages a collection applies to, for those that have one.
  static const char* ScopingMember(const std::string& path) {
    if (path == "overrides") return "pages";
    if (path == "insert-sheet") return "insert-after-page-number";
    return nullptr;
  }

  // True when col's scoping member is one the printer would not be sent.
  bool scopeLost(ipp_t* col, const char* scope, ipp_attribute_t* memberList) {
    ipp_attribute_t* member = ippFindAttribute(col, scope, IPP_TAG_ZERO);
    if (member == nullptr) return false;
    if (memberList != nullptr && !ListsString(memberList, scope)) return true;
    ipp_attribute_t* supported = Supported(printer_, scope);
    for (int i = 0; supported != nullptr && i < ippGetCount(member); ++i)
      if (!ValueSupported(supported, member, i)) return true;
    return false;
  }

  platform::IppMessagePtr collection(ipp_t* col, const std::string& path, ipp_attribute_t* memberList) {
    platform::IppMessagePtr kept(ippNew());
    // Without its pages an exception's paper or an insert would apply to the whole job: the
    // collection is left out whole.
    if (const char* scope = ScopingMember(path); scope != nullptr && scopeLost(col, scope, memberList)) {
      warn(path, "the printer does not take " + path + "/" + scope + ", so the whole " + path + " value");
      return kept;
    }
    for (ipp_attribute_t* m = ippFirstAttribute(col); m != nullptr; m = ippNextAttribute(col)) {
      const std::string member = ippGetName(m);
      const std::string memberPath = path + "/" + member;
      if (memberList != nullptr && !ListsString(memberList, member.c_str())) {
        warn(memberPath, "the printer does not support " + memberPath);
        continue;
      }
      copy(kept.get(), IPP_TAG_ZERO, m, memberPath, Supported(printer_, member), false);
    }
    return kept;
  }

  ipp_attribute_t* copyValue(ipp_t* out, ipp_tag_t group, ipp_attribute_t* attribute, int i, ipp_attribute_t* added) {
    const char* name = ippGetName(attribute);
    const ipp_tag_t tag = ippGetValueTag(attribute);
    switch (tag) {
      case IPP_TAG_INTEGER: case IPP_TAG_ENUM:
        if (added == nullptr) return ippAddInteger(out, group, tag, name, ippGetInteger(attribute, i));
        ippSetInteger(out, &added, ippGetCount(added), ippGetInteger(attribute, i));
        return added;
      case IPP_TAG_RANGE: {
        int upper = 0;
        const int lower = ippGetRange(attribute, i, &upper);
        if (added == nullptr) return ippAddRange(out, group, name, lower, upper);
        ippSetRange(out, &added, ippGetCount(added), lower, upper);
        return added;
      }
      case IPP_TAG_BEGIN_COLLECTION:
        if (added == nullptr) return ippAddCollection(out, group, name, ippGetCollection(attribute, i));
        ippSetCollection(out, &added, ippGetCount(added), ippGetCollection(attribute, i));
        return added;
      case IPP_TAG_BOOLEAN:
        if (added == nullptr) return ippAddBoolean(out, group, name, static_cast<char>(ippGetBoolean(attribute, i)));
        ippSetBoolean(out, &added, ippGetCount(added), ippGetBoolean(attribute, i));
        return added;
      default:
        if (added == nullptr) return ippAddString(out, group, tag, name, nullptr, ippGetString(attribute, i, nullptr));
        ippSetString(out, &added, ippGetCount(added), ippGetString(attribute, i, nullptr));
        return added;
    }
  }

  void warn(const std::string& path, const std::string& what) {
    const std::string top = path.substr(0, path.find('/'));
    warnings_->push_back("WARNING: " + IppSettingName(top) + ": " + what + "; it is not sent");
  }

  ipp_t* printer_;
  std::vector<std::string>* warnings_;
};

}  // namespace

std::string IppSettingName(const std::string& attribute) {
  for (const Setting& setting : kSettings)
    if (setting.attribute == attribute) return setting.name;
  return attribute;
}

std::vector<std::string> IppSupportedNamesFor(ipp_t* job) {
  std::set<std::string> names;
  CollectNames(job, names);
  return {names.begin(), names.end()};
}

platform::IppMessagePtr IppKeepSupported(ipp_t* job, ipp_t* printer, std::vector<std::string>* warnings) {
  platform::IppMessagePtr kept(ippNew());
  Filter filter(printer, warnings);
  for (ipp_attribute_t* a = ippFirstAttribute(job); a != nullptr; a = ippNextAttribute(job)) {
    if (ippGetGroupTag(a) != IPP_TAG_JOB || ippGetName(a) == nullptr) continue;
    filter.copy(kept.get(), IPP_TAG_JOB, a, ippGetName(a), Supported(printer, ippGetName(a)), true);
  }
  return kept;
}
