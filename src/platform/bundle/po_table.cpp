#include "platform/bundle/po_table.h"

#include <unordered_set>

#include "platform/locale/utf8_text.h"

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Shown(std::string_view text) {
  constexpr std::size_t kLongest = 60;
  if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(text.substr(0, kLongest)) + "...\"";
}

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

class POParser {
 public:
  Result<StringTable> parse(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    table_.reserve(text.size() / 64);  // about one entry in every few lines
    if (auto bad = FirstInvalidUTF8Offset(text)) {
      std::size_t line = 1;
      for (std::size_t i = 0; i < *bad; ++i) line += text[i] == '\n' ? 1U : 0U;
      return Failure(line, "the text is not valid UTF-8");
    }
    while (!text.empty()) {
      std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      ++line_;
      if (!handleLine(line)) return Result<StringTable>::fail(error_);
    }
    if (entry_.hasId && !entry_.hasStr) return Failure(entry_.idLine, "msgid without msgstr");
    if (!finishEntry()) return Result<StringTable>::fail(error_);
    return Result<StringTable>::ok(std::move(table_));
  }

 private:
  enum class Field { None, Id, Str };
  struct Entry {
    std::string id, str;
    std::size_t idLine = 0;
    bool hasId = false, hasStr = false, fuzzy = false;
  };

  Result<StringTable> Failure(std::size_t line, const std::string& message) {
    fail(line, message);
    return Result<StringTable>::fail(error_);
  }

  bool fail(std::size_t line, const std::string& message) {
    error_ = "line " + std::to_string(line) + ": " + message;
    return false;
  }

  bool handleLine(std::string_view line) {
    std::size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) return true;  // blank lines are only white space
    line.remove_prefix(start);
    if (line.front() == '#') return handleComment(line);
    if (line.front() == '"') {
      if (field_ == Field::None) return fail(line_, "a string without msgid or msgstr before it");
      return appendQuoted(line, field_ == Field::Id ? &entry_.id : &entry_.str);
    }
    std::string_view keyword = line.substr(0, line.find_first_of(" \t\"["));
    std::string_view rest = line.substr(keyword.size());
    if (keyword == "msgid_plural" || (keyword == "msgstr" && !rest.empty() && rest.front() == '['))
      return fail(line_, "plural forms are not supported");
    if (keyword == "msgid") return startEntry(rest);
    if (keyword == "msgstr") {
      if (!entry_.hasId) return fail(line_, "msgstr without msgid");
      if (entry_.hasStr) return fail(line_, "a second msgstr for one msgid");
      entry_.hasStr = true;
      field_ = Field::Str;
      return appendQuoted(rest, &entry_.str);
    }
    if (keyword == "msgctxt") return fail(line_, "message contexts (msgctxt) are not supported");
    return fail(line_, "unexpected text " + Shown(line));
  }

  bool handleComment(std::string_view line) {
    if (entry_.hasId && !entry_.hasStr) return fail(entry_.idLine, "msgid without msgstr");
    if (!finishEntry()) return false;
    field_ = Field::None;
    if (line.substr(0, 2) == "#," && line.find("fuzzy") != std::string_view::npos) nextFuzzy_ = true;
    return true;
  }

  bool startEntry(std::string_view rest) {
    if (entry_.hasId && !entry_.hasStr) return fail(entry_.idLine, "msgid without msgstr");
    if (!finishEntry()) return false;
    entry_.hasId = true;
    entry_.idLine = line_;
    entry_.fuzzy = nextFuzzy_;
    nextFuzzy_ = false;
    field_ = Field::Id;
    return appendQuoted(rest, &entry_.id);
  }

  // Appends the one quoted string of text (white space around it allowed) to out.
  bool appendQuoted(std::string_view text, std::string* out) {
    std::size_t open = text.find_first_not_of(" \t");
    if (open == std::string_view::npos || text[open] != '"') return fail(line_, "a quoted string is missing");
    for (std::size_t i = open + 1; i < text.size(); ++i) {
      // The plain run up to the next quote or escape, in one piece.
      std::size_t special = i;
      while (special < text.size() && text[special] != '"' && text[special] != '\\') ++special;
      out->append(text.substr(i, special - i));
      i = special;
      if (i == text.size()) break;
      char c = text[i];
      if (c == '"') {
        if (text.find_first_not_of(" \t\r", i + 1) != std::string_view::npos)
          return fail(line_, "text after the closing quote");
        return true;
      }
      if (++i == text.size()) break;
      switch (text[i]) {
        case 'n': out->push_back('\n'); break;
        case 't': out->push_back('\t'); break;
        case 'r': out->push_back('\r'); break;
        case '"': out->push_back('"'); break;
        case '\\': out->push_back('\\'); break;
        default: return fail(line_, std::string("unknown escape \\") + text[i]);
      }
    }
    return fail(line_, "unterminated string");
  }

  bool finishEntry() {
    if (!entry_.hasId) return true;
    Entry entry = std::move(entry_);
    entry_ = Entry{};
    const bool leftOutBefore = !left_.empty() && left_.contains(entry.id);
    if (!entry.fuzzy && !entry.id.empty() && !entry.str.empty()) {
      const std::size_t line = entry.idLine;
      auto [at, inserted] = table_.try_emplace(std::move(entry.id), std::move(entry.str));
      if (!inserted || leftOutBefore) return fail(line, "duplicate msgid " + Shown(at->first));
      return true;
    }
    if (leftOutBefore || table_.contains(entry.id)) return fail(entry.idLine, "duplicate msgid " + Shown(entry.id));
    // Only the ids left out of the table are kept aside, for the duplicate check.
    left_.insert(entry.id);
    if (entry.fuzzy) return true;
    if (entry.id.empty()) return checkHeader(entry);
    return true;
  }

  bool checkHeader(const Entry& header) {
    std::size_t at = header.str.find("charset=");
    if (at == std::string::npos) return true;
    std::string_view rest = std::string_view(header.str).substr(at + 8);
    std::string charset = Lowered(rest.substr(0, rest.find_first_of("; \t\r\n")));
    if (charset == "utf-8" || charset == "utf8") return true;
    return fail(header.idLine, "charset " + Shown(charset) + " is not supported; the table must be UTF-8");
  }

  StringTable table_;
  std::unordered_set<std::string, StringTableHash, std::equal_to<>> left_;  // the ids met that are not in the table
  Entry entry_;
  Field field_ = Field::None;
  bool nextFuzzy_ = false;
  std::size_t line_ = 0;
  std::string error_;
};

}  // namespace

Result<StringTable> ParsePOTable(std::string_view text) { return POParser().parse(text); }

}  // namespace platform
