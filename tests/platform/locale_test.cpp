// UTF-8 checks and the user's language as the environment gives it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/locale/user_language.h"
#include "platform/locale/utf8_text.h"
#include "support/test_support.h"

namespace platform {
namespace {

TEST(UTF8Text, FindsTheFirstBadByteAndConvertsLatin1) {
  EXPECT_EQ(FirstInvalidUTF8Offset(""), std::nullopt);
  EXPECT_EQ(FirstInvalidUTF8Offset("A \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x96\xA8 \xF4\x8F\xBF\xBF"), std::nullopt);
  const std::pair<const char*, std::size_t> bad[] = {
      {"ab\xC0\x80", 2},       {"\xE0\x80\xAF", 0},  // overlong NUL, overlong slash
      {"x\xED\xA0\x80", 1},    {"\xF4\x90\x80\x80", 0},  // surrogate, past U+10FFFF
      {"ok\xE2\x82", 2},       {"\x80", 0},  // cut short, lone continuation
      {"\xC3\xA9\xFF", 2},
      // past the eight-byte ASCII steps: the bad byte in the middle of a step, and at a step's end
      {"0123456789ab\xFF", 12}, {"01234567\xC3\xA9 0123456789\x80", 21}};
  for (const auto& [text, offset] : bad) EXPECT_EQ(FirstInvalidUTF8Offset(text), offset) << text;
  EXPECT_EQ(Latin1ToUTF8("Caf\xE9 \xFF"), "Caf\xC3\xA9 \xC3\xBF");
  EXPECT_TRUE(IsValidUTF8(Latin1ToUTF8("\x80\x9F\xA0")));
}

TEST(UserLanguage, TakesTheLanguageOfALocaleName) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"de_DE.UTF-8", "de"}, {"pt_BR", "pt"}, {"fr@euro", "fr"}, {"ja:en", "ja"}, {"EN", "en"},
      {"ast_ES.UTF-8", "ast"}, {"C", "en"}, {"C.UTF-8", "en"}, {"POSIX", "en"}, {"", std::nullopt},
      {"x", std::nullopt}, {"12_34", std::nullopt}, {"/usr/lib/locale/de", std::nullopt}};
  for (const auto& [name, language] : cases) EXPECT_EQ(LanguageFromLocaleName(name), language) << name;
}

TEST(UserLanguage, FollowsTheVariablesInGettextOrder) {
  korvo_test::ScopedEnv language("LANGUAGE", nullptr), all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr),
      lang("LANG", nullptr);
  EXPECT_EQ(UserLanguage(), std::nullopt);
  const std::pair<const char*, const char*> steps[] = {
      {"LANG", "it_IT.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LC_ALL", "fr_FR"},
      {"LANGUAGE", ""},  // empty counts as unset
      {"LANGUAGE", "nl:de"}};
  const char* expected[] = {"it", "es", "fr", "fr", "nl"};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    ::setenv(steps[i].first, steps[i].second, 1);
    EXPECT_EQ(UserLanguage(), expected[i]) << steps[i].first << "=" << steps[i].second;
  }
}

}  // namespace
}  // namespace platform
