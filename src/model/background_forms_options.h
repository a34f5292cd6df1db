#pragma once
// A background-form job: either save the job as a named form on the printer, or print it merged
// with a form the printer holds; how form pages apply to job pages, the form image's offset, and
// two name histories (new-form names and existing-form names) kept in the user's preferences.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ticket_field_table.h"
#include "platform/plist/plist_value.h"
#include "platform/status.h"

inline constexpr const char* kBackgroundFormsOptionsKey = "com.korvo.print.BackgroundFormsOptions";
// How many names each history keeps, newest first.
inline constexpr std::size_t kMaxFormNameHistory = 20;
inline constexpr std::int32_t kMinCyclePages = 2;
inline constexpr std::int32_t kMaxCyclePages = 999999;

class BackgroundFormsOptions {
 public:
  using Names = std::vector<std::string>;

  // The defaults; the histories are read from the user's preferences when first asked for.
  BackgroundFormsOptions();
  // The defaults, then the dictionary (see fromTicket).
  explicit BackgroundFormsOptions(const platform::PlistDict& dictionary);
  // Every field copied; the histories are then the stored ones (read when first asked for).
  BackgroundFormsOptions(const BackgroundFormsOptions& other);
  // Every field copied, histories included; nothing is reloaded.
  BackgroundFormsOptions& operator=(const BackgroundFormsOptions& other) = default;
  ~BackgroundFormsOptions() = default;  // the histories are saved by saveHistory, on OK

  std::unique_ptr<BackgroundFormsOptions> clone() const { return std::make_unique<BackgroundFormsOptions>(*this); }
  // Every field, the histories as they read.
  friend bool operator==(const BackgroundFormsOptions& a, const BackgroundFormsOptions& b);

  // Getters: noErr, or paramErr without a place for the result.
  platform::OSStatus useExistingForm(std::int32_t* value) const;
  platform::OSStatus cyclePages(std::int32_t* value) const;
  platform::OSStatus inches(std::int32_t* value) const;
  platform::OSStatus xOffset(std::int32_t* value) const;
  platform::OSStatus yOffset(std::int32_t* value) const;
  platform::OSStatus useDocumentName(std::int32_t* value) const;
  platform::OSStatus applyPagesFrom(std::int32_t* value) const;
  platform::OSStatus existingFormsArray(Names* names) const;
  platform::OSStatus newFormsArray(Names* names) const;
  platform::OSStatus mergeWithString(std::optional<std::string>* name) const;
  platform::OSStatus newFormString(std::optional<std::string>* name) const;

  platform::OSStatus setUseExistingForm(std::int32_t value);  // 1 save as a new form, 2 merge
  // With allowAnyValue false, only a page number 2..999999 is taken (paramErr otherwise).
  platform::OSStatus setCyclePages(std::int32_t value, bool allowAnyValue);
  platform::OSStatus setInches(std::int32_t value);
  platform::OSStatus setXOffset(std::int32_t value);
  platform::OSStatus setYOffset(std::int32_t value);
  platform::OSStatus setUseDocumentName(std::int32_t value);
  platform::OSStatus setApplyPagesFrom(std::int32_t value);
  platform::OSStatus setExistingFormsArray(Names names);
  platform::OSStatus setNewFormsArray(Names names);
  platform::OSStatus setMergeWithString(std::optional<std::string> name);
  platform::OSStatus setNewFormString(std::optional<std::string> name);

  // The background-forms dictionary (the histories are not part of it).
  platform::PlistDict asTicket() const;
  // Replaces the whole state: each field its default, then the dictionary's value when present
  // and one the field can hold; the form names dropped and taken anew; the histories read again
  // when next asked for.
  void fromTicket(const platform::PlistDict& dictionary);

  // The histories from "com.korvo.print.backgroundforms", or from the site's defaults when the
  // user's preferences cannot be opened at all (a missing or damaged file is no history yet);
  // empty (never absent) when the file read holds none. Read now; the getters read them when
  // first asked for, since most dialogs never show them.
  platform::OSStatus loadHistory();
  // Merges the histories into the user's file under its lock: ours first, then the names the
  // file holds that ours lack, at most kMaxFormNameHistory each. A file that cannot be read is
  // never written over; the failure comes back as ioErr.
  platform::OSStatus saveHistory() const;

 private:
  // The rows of the background-forms dictionary, which asTicket and fromTicket both walk.
  static ticket_fields::Table<BackgroundFormsOptions> ticketFields();

  std::int32_t useExistingForm_ = 1;
  std::int32_t cyclePages_ = 2;
  std::int32_t inches_ = 1;
  std::int32_t xOffset_ = 0;  // hundredths of an inch, or tenths of a millimetre
  std::int32_t yOffset_ = 0;
  std::int32_t useDocumentName_ = 1;
  std::int32_t applyPagesFrom_ = 1;
  struct Histories {
    Names existing;
    Names created;
    friend bool operator==(const Histories&, const Histories&) = default;
  };
  static Histories ReadHistories();
  Histories& histories() const;  // read when first asked for

  mutable std::optional<Histories> histories_;
  std::optional<std::string> mergeWith_;
  std::optional<std::string> newForm_;
};
