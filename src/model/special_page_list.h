#pragma once
// Ordered lists of special pages. A list owns its pages (clones of what it was given); pages are
// identified by object identity. Inserts are kept ordered by start page; exception ranges are
// kept ordered and never overlap, a range added later winning on the pages it covers.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/special_page.h"
#include "platform/status.h"

class SpecialPageList {
 public:
  SpecialPageList() = default;
  SpecialPageList(const SpecialPageList&) = delete;  // subclasses copy by adding clones
  SpecialPageList& operator=(const SpecialPageList&) = delete;
  SpecialPageList(SpecialPageList&&) noexcept = default;
  SpecialPageList& operator=(SpecialPageList&&) noexcept = default;
  virtual ~SpecialPageList() = default;

  long count() const { return static_cast<long>(pages_.size()); }
  // The page at a 0-based index, or null outside the list.
  virtual SpecialPage* pageAtIndex(long index) const;
  // The index of that very page object, or -1.
  long indexOfPage(const SpecialPage* page) const;

  // Adds a clone of each page, in order, by the list's own rule. The caller keeps its pages.
  // noErr, or paramErr (and nothing added) when a page is of the wrong kind or invalid.
  virtual platform::OSStatus add(const std::vector<const SpecialPage*>& pages) = 0;
  virtual std::unique_ptr<SpecialPageList> clone() const = 0;

  // Takes the page out and deletes it; a page not in the list is ignored.
  void remove(const SpecialPage* page);
  void clear() { pages_.clear(); }
  // Replaces one page by the given pages. A page not in the list: noErr, nothing changes. When
  // the pages cannot be added, the old page goes back where it was and add's status is returned.
  platform::OSStatus update(const SpecialPage* page, const std::vector<const SpecialPage*>& pages);

  // The array of page dictionaries in list order; none for an empty list (its ticket key is then
  // removed rather than written empty).
  std::optional<platform::PlistArray> asTicket() const;

 protected:
  std::vector<std::unique_ptr<SpecialPage>> pages_;
};

class InsertList : public SpecialPageList {
 public:
  InsertList() = default;
  InsertList(const InsertList& other);
  InsertList(InsertList&&) noexcept = default;
  InsertList& operator=(InsertList&&) noexcept = default;
  // One Insert per dictionary of the array, in order; entries that are not dictionaries are skipped.
  explicit InsertList(const platform::PlistArray& array);

  Insert* pageAtIndex(long index) const override;
  platform::OSStatus add(const std::vector<const SpecialPage*>& pages) override;
  std::unique_ptr<SpecialPageList> clone() const override { return std::make_unique<InsertList>(*this); }

  // An insert may move up (down) past its neighbour unless that neighbour goes before page 1
  // (start page 0). Start pages never change.
  bool canPromote(const Insert* insert) const;
  void promote(const Insert* insert);
  bool canDemote(const Insert* insert) const;
  void demote(const Insert* insert);
};

class ExceptionPageList : public SpecialPageList {
 public:
  ExceptionPageList() = default;
  ExceptionPageList(const ExceptionPageList& other);
  ExceptionPageList(ExceptionPageList&&) noexcept = default;
  ExceptionPageList& operator=(ExceptionPageList&&) noexcept = default;
  // One range per dictionary of the array, in order; ranges no list could hold are skipped.
  explicit ExceptionPageList(const platform::PlistArray& array);

  ExceptionPage* pageAtIndex(long index) const override;
  platform::OSStatus add(const std::vector<const SpecialPage*>& pages) override;
  std::unique_ptr<SpecialPageList> clone() const override { return std::make_unique<ExceptionPageList>(*this); }

 private:
  // Places valid ranges in order, each winning over what was there on the pages it covers.
  void addRanges(const std::vector<const SpecialPage*>& pages);
};
