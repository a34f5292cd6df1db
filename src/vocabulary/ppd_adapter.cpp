// libcups' PPD interface is deprecated upstream but is what Debian ships; this file is the only
// one that calls it, so the deprecation warnings are silenced here and nowhere else.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "vocabulary/ppd_adapter.h"

#include <unistd.h>

#include <cstring>

#include "platform/cups_library.h"
#include "platform/files/file_io.h"
#include "platform/ticket/printer_info.h"

namespace {

std::string CopyField(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

std::optional<std::string> OptionalField(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

ppd_adapter::Option CopyOption(const ppd_option_t& option) {
  ppd_adapter::Option copy;
  copy.keyword = CopyField(option.keyword);
  copy.defaultChoice = CopyField(option.defchoice);
  for (int i = 0; i < option.num_choices; ++i) {
    const ppd_choice_t& choice = option.choices[i];
    copy.choices.push_back({CopyField(choice.choice), CopyField(choice.text), choice.marked != 0});
  }
  return copy;
}

}  // namespace

std::unique_ptr<PPDFile> PPDFile::open(const std::string& path) {
  if (path.empty() || platform::CheckInputFile(path, platform::kMaxPrinterDescriptionBytes)) return nullptr;
  ppd_file_t* record = ppdOpenFile(path.c_str());
  if (record == nullptr) return nullptr;
  return std::unique_ptr<PPDFile>(new PPDFile(record));
}

std::unique_ptr<PPDFile> PPDFile::openDescriptor(int fd) {
  ppd_file_t* record = ppdOpenFd(fd);
  if (record == nullptr) return nullptr;
  return std::unique_ptr<PPDFile>(new PPDFile(record));
}

void PPDFile::Closer::operator()(ppd_file_s* record) const { ppdClose(record); }

namespace ppd_adapter {

void MarkDefaults(PPDFile& ppd) { ppdMarkDefaults(ppd.record()); }

std::optional<Option> FindOption(const PPDFile& ppd, std::string_view keyword) {
  const ppd_option_t* option = ppdFindOption(ppd.record(), std::string(keyword).c_str());
  if (option == nullptr) return std::nullopt;
  return CopyOption(*option);
}

std::optional<std::string> MarkedChoice(const PPDFile& ppd, std::string_view optionKeyword) {
  const ppd_choice_t* choice = ppdFindMarkedChoice(ppd.record(), std::string(optionKeyword).c_str());
  if (choice == nullptr) return std::nullopt;
  return CopyField(choice->choice);
}

namespace {
Group CopyGroup(const ppd_group_t& group) {
  Group copy{CopyField(group.name), {}};
  for (int o = 0; o < group.num_options; ++o) copy.options.push_back(CopyOption(group.options[o]));
  return copy;
}
}  // namespace

std::vector<Group> Groups(const PPDFile& ppd) {
  std::vector<Group> groups;
  const ppd_file_t* record = ppd.record();
  for (int g = 0; g < record->num_groups; ++g) groups.push_back(CopyGroup(record->groups[g]));
  return groups;
}

std::optional<Group> FindGroup(const PPDFile& ppd, std::string_view name) {
  const ppd_file_t* record = ppd.record();
  for (int g = 0; g < record->num_groups; ++g) {
    if (CopyField(record->groups[g].name) == name) return CopyGroup(record->groups[g]);
  }
  return std::nullopt;
}

std::vector<Constraint> Constraints(const PPDFile& ppd) {
  std::vector<Constraint> constraints;
  const ppd_file_t* record = ppd.record();
  for (int i = 0; i < record->num_consts; ++i) {
    const ppd_const_t& c = record->consts[i];
    constraints.push_back({CopyField(c.option1), CopyField(c.choice1), CopyField(c.option2), CopyField(c.choice2)});
  }
  return constraints;
}

CustomSizeLimits CustomLimits(const PPDFile& ppd) {
  const ppd_file_t* record = ppd.record();
  return {record->custom_min[0], record->custom_min[1], record->custom_max[0], record->custom_max[1]};
}

std::optional<std::string> Manufacturer(const PPDFile& ppd) { return OptionalField(ppd.record()->manufacturer); }

std::optional<std::string> LanguageEncoding(const PPDFile& ppd) {
  const ppd_attr_t* attr = ppdFindAttr(ppd.record(), "LanguageEncoding", nullptr);
  if (attr != nullptr && attr->value != nullptr) return std::string(attr->value);
  return OptionalField(ppd.record()->lang_encoding);
}

bool ReadsISOLatin5AsCyrillic() {
  static const bool cyrillic = [] {
    // 0xF0 is "g with breve" in ISO 8859-9 and the numero sign in ISO 8859-5.
    const char probe[] = "*PPD-Adobe: \"4.3\"\n*LanguageEncoding: ISOLatin5\n"
                         "*OpenUI *P: PickOne\n*DefaultP: A\n*P A/\xF0: \"\"\n*CloseUI: *P\n";
    // libcups reads descriptions through a file descriptor; a pipe holds the few bytes.
    int fds[2];
    if (pipe(fds) != 0) return false;
    const std::size_t size = std::strlen(probe);
    const bool written = write(fds[1], probe, size) == static_cast<ssize_t>(size);
    close(fds[1]);
    if (!written) {
      close(fds[0]);
      return false;
    }
    const std::unique_ptr<PPDFile> ppd = PPDFile::openDescriptor(fds[0]);
    if (!ppd) return false;
    const ppd_choice_t* choice = ppdFindChoice(ppdFindOption(ppd->record(), "P"), "A");
    return choice != nullptr && std::strcmp(choice->text, "\u2116") == 0;
  }();
  return cyrillic;
}

}  // namespace ppd_adapter
