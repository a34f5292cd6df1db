#include "platform/plist/plist_builder.h"

#include "platform/plist/plist_text_forms.h"

namespace platform::plist_reading {

namespace forms = plist_forms;

PlistBuilder::PlistBuilder() { stack_.reserve(32); }

bool PlistBuilder::Classify(std::string_view name, Element& element) {
  static constexpr std::pair<std::string_view, Element> kElements[] = {
      {"key", Element::Key},         {"string", Element::String}, {"integer", Element::Integer},
      {"real", Element::Real},       {"true", Element::True},     {"false", Element::False},
      {"dict", Element::Dict},       {"array", Element::Array},   {"data", Element::Data},
      {"date", Element::Date},       {"plist", Element::Plist}};
  for (const auto& [text, kind] : kElements) {
    if (name == text) {
      element = kind;
      return true;
    }
  }
  return false;
}

const char* PlistBuilder::NameOf(Element element) {
  switch (element) {
    case Element::Plist: return "plist";
    case Element::Dict: return "dict";
    case Element::Array: return "array";
    case Element::Key: return "key";
    case Element::String: return "string";
    case Element::Integer: return "integer";
    case Element::Real: return "real";
    case Element::Date: return "date";
    case Element::Data: return "data";
    case Element::True: return "true";
    case Element::False: return "false";
  }
  return "?";
}

bool PlistBuilder::fail(long line, std::string message) {
  if (error_.empty()) error_ = "line " + std::to_string(line) + ": " + std::move(message);
  return false;
}

// Finds the slot a new value element fills, according to what encloses it.
bool PlistBuilder::placeValue(std::string_view name, long line, PlistValue*& slot) {
  Frame& parent = stack_.back();
  switch (parent.element) {
    case Element::Plist:
      if (rootPlaced_) return fail(line, "<plist> holds more than one value");
      rootPlaced_ = true;
      slot = &root_;
      return true;
    case Element::Array: slot = &parent.slot->asArray()->emplace_back(); return true;
    case Element::Dict:
      if (parent.pending == nullptr)
        return fail(line, "<" + std::string(name) + "> in a dictionary without a <key> before it");
      slot = parent.pending;
      parent.pending = nullptr;
      return true;
    default:
      return fail(line, "unexpected element <" + std::string(name) + "> inside <" +
                            NameOf(parent.element) + ">");
  }
}

bool PlistBuilder::startElement(std::string_view name, bool inNamespace, long line) {
  if (failed()) return false;
  Element element{};
  if (inNamespace) return fail(line, "unknown element <" + std::string(name) + "> in a namespace");
  if (!Classify(name, element)) return fail(line, "unknown element <" + std::string(name) + ">");
  if (stack_.empty()) {
    if (element != Element::Plist || plistSeen_)
      return fail(line, "the root element is <" + std::string(name) + ">, expected <plist>");
    plistSeen_ = true;
    stack_.push_back({Element::Plist, &root_, line});
    return true;
  }
  if (element == Element::Plist) return fail(line, "<plist> inside another element");
  if (element == Element::Key) {
    const Frame& parent = stack_.back();
    if (parent.element != Element::Dict) {
      if (parent.element == Element::Plist || parent.element == Element::Array)
        return fail(line, "<key> outside a dictionary");
      return fail(line, std::string("unexpected element <key> inside <") + NameOf(parent.element) + ">");
    }
    if (parent.pending != nullptr)
      return fail(line, "key " + forms::QuoteForMessage(*parent.pendingKey) + " has no value");
    text_.clear();
    stack_.push_back({Element::Key, nullptr, line});
    return true;
  }
  PlistValue* slot = nullptr;
  if (!placeValue(name, line, slot)) return false;
  if (element == Element::Dict || element == Element::Array) {
    if (depth_ >= forms::kMaxNestingDepth)
      return fail(line, "values nest deeper than " + std::to_string(forms::kMaxNestingDepth) + " levels");
    ++depth_;
    *slot = element == Element::Dict ? PlistValue(PlistDict()) : PlistValue(PlistArray());
  } else {
    text_.clear();
  }
  stack_.push_back({element, slot, line});
  return true;
}

bool PlistBuilder::characters(std::string_view text, long line) {
  if (failed()) return false;
  if (stack_.empty()) return true;  // outside the root only whitespace can occur
  switch (stack_.back().element) {
    case Element::Plist:
    case Element::Dict:
    case Element::Array:
      if (forms::IsXmlSpaceOnly(text)) return true;
      return fail(line, "unexpected text " + forms::QuoteForMessage(forms::TrimXmlSpace(text)) +
                            " inside <" + NameOf(stack_.back().element) + ">");
    default: text_.append(text); return true;
  }
}

bool PlistBuilder::finishLeaf(const Frame& frame) {
  PlistValue& slot = *frame.slot;
  auto parsed = [&](auto result) {
    if (!result) return fail(frame.line, "<" + std::string(NameOf(frame.element)) + ">: " + result.error());
    slot = PlistValue(result.take());
    return true;
  };
  switch (frame.element) {
    case Element::String: slot = PlistValue(text_); return true;
    case Element::Integer: return parsed(forms::ParseInteger(text_));
    case Element::Real: return parsed(forms::ParseReal(text_));
    case Element::Date: return parsed(forms::ParseDate(text_));
    case Element::Data: return parsed(forms::DecodeBase64(text_));
    case Element::True:
    case Element::False:
      if (!forms::IsXmlSpaceOnly(text_))
        return fail(frame.line, std::string("<") + NameOf(frame.element) + "> must be empty");
      slot = PlistValue(frame.element == Element::True);
      return true;
    default: return true;
  }
}

bool PlistBuilder::endElement(long line) {
  if (failed() || stack_.empty()) return false;
  const Frame frame = stack_.back();
  stack_.pop_back();
  switch (frame.element) {
    case Element::Plist:
      if (!rootPlaced_) return fail(line, "<plist> holds no value");
      return true;
    case Element::Key: {
      Frame& dict = stack_.back();
      PlistDict& entries = *dict.slot->asDictionary();
      // Files are usually written sorted, so inserting at the end is the cheap common case.
      const std::size_t before = entries.size();
      auto it = entries.emplace_hint(entries.end(), text_, PlistValue());
      if (entries.size() == before)
        return fail(frame.line, "duplicate key " + forms::QuoteForMessage(it->first));
      dict.pending = &it->second;
      dict.pendingKey = &it->first;
      return true;
    }
    case Element::Dict:
      if (frame.pending != nullptr)
        return fail(line, "key " + forms::QuoteForMessage(*frame.pendingKey) + " has no value");
      --depth_;
      return true;
    case Element::Array: --depth_; return true;
    default: return finishLeaf(frame);
  }
}

Result<PlistValue> PlistBuilder::finish() {
  if (failed()) return Result<PlistValue>::fail(error_);
  if (!rootPlaced_ || !stack_.empty()) return Result<PlistValue>::fail("the document holds no property list");
  return Result<PlistValue>::ok(std::move(root_));
}

}  // namespace platform::plist_reading
