#include "platform/locale/number_format.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdio>
#include <memory>
#include <type_traits>

namespace platform {

namespace {

struct LocaleFree {
  void operator()(std::remove_pointer_t<locale_t>* locale) const { ::freelocale(locale); }
};
using OwnedLocale = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleFree>;

// Makes a locale the calling thread's for the life of the object. Only this thread is
// affected, so formatting here never disturbs another thread's numbers.
class ThreadLocaleScope {
 public:
  explicit ThreadLocaleScope(locale_t locale) : previous_(::uselocale(locale)) {}
  ~ThreadLocaleScope() { ::uselocale(previous_); }
  ThreadLocaleScope(const ThreadLocaleScope&) = delete;
  ThreadLocaleScope& operator=(const ThreadLocaleScope&) = delete;

 private:
  locale_t previous_;
};

}  // namespace

std::optional<std::string> FormatLocalizedNumber(double value, int fractionDigits,
                                                 std::string_view localeName) {
  if (fractionDigits < 0 || fractionDigits > 15) return std::nullopt;
  std::string name(localeName);
  OwnedLocale locale(::newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr));
  if (!locale) return std::nullopt;
  ThreadLocaleScope scope(locale.get());
  // The grouping flag (') is POSIX, not ISO C++; the pedantic check knows only the ISO flags.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
  int length = std::snprintf(nullptr, 0, "%'.*f", fractionDigits, value);
  if (length < 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%'.*f", fractionDigits, value);
#pragma GCC diagnostic pop
  text.pop_back();
  return text;
}

std::optional<NumberSeparators> LocaleNumberSeparators(std::string_view localeName) {
  const std::string name(localeName);
  OwnedLocale locale(::newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr));
  if (!locale) return std::nullopt;
  const char* decimal = ::nl_langinfo_l(RADIXCHAR, locale.get());
  const char* grouping = ::nl_langinfo_l(THOUSEP, locale.get());
  return NumberSeparators{decimal ? decimal : "", grouping ? grouping : ""};
}

}  // namespace platform
