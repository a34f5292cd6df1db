#pragma once
// A set of glyph names held as views, in one table without a node per name: a font has
// thousands of glyphs, and converting it asks of each name only whether it was met before.
#include <bit>
#include <cstddef>
#include <string_view>
#include <vector>

class GlyphNameSet {
 public:
  explicit GlyphNameSet(std::size_t expected) { resize(std::bit_ceil(expected * 2 + 16)); }

  // True when name was not in the set yet. The set keeps the view: the text must outlive it.
  bool insert(std::string_view name) {
    if ((count_ + 1) * 2 > slots_.size()) grow();
    Slot& slot = slots_[find(name)];
    if (slot.used) return false;
    slot = {name, true};
    ++count_;
    return true;
  }

  bool contains(std::string_view name) const { return slots_[find(name)].used; }

 private:
  struct Slot {
    std::string_view name;
    bool used = false;
  };

  // FNV-1a: glyph names are short, and this is cheaper than the library's hash for them.
  static std::size_t Hash(std::string_view name) {
    std::size_t hash = 14695981039346656037ULL;
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return hash;
  }

  // The slot holding name, or the empty one where it would go.
  std::size_t find(std::string_view name) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = Hash(name) & mask;
    while (slots_[at].used && slots_[at].name != name) at = (at + 1) & mask;
    return at;
  }

  void resize(std::size_t size) { slots_.assign(size, Slot{}); }

  void grow() {
    std::vector<Slot> old = std::move(slots_);
    resize(old.size() * 2);
    for (const Slot& slot : old)
      if (slot.used) slots_[find(slot.name)] = slot;
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};
