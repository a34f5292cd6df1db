#include "platform/locale/user_language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/test_support.h"

namespace {

using korvo_test::ScopedEnv;

using platform::LanguageFromLocaleName;

TEST(UserLanguage, TakesTheLanguageOfALocaleName) {
  EXPECT_EQ(LanguageFromLocaleName("de_DE.UTF-8"), "de");
  EXPECT_EQ(LanguageFromLocaleName("pt_BR"), "pt");
  EXPECT_EQ(LanguageFromLocaleName("fr@euro"), "fr");
  EXPECT_EQ(LanguageFromLocaleName("ja:en"), "ja");
  EXPECT_EQ(LanguageFromLocaleName("EN"), "en");
  EXPECT_EQ(LanguageFromLocaleName("ast_ES.UTF-8"), "ast");
  EXPECT_EQ(LanguageFromLocaleName("C"), "en");
  EXPECT_EQ(LanguageFromLocaleName("C.UTF-8"), "en");
  EXPECT_EQ(LanguageFromLocaleName("POSIX"), "en");
  EXPECT_EQ(LanguageFromLocaleName(""), std::nullopt);
  EXPECT_EQ(LanguageFromLocaleName("x"), std::nullopt);
  EXPECT_EQ(LanguageFromLocaleName("12_34"), std::nullopt);
  EXPECT_EQ(LanguageFromLocaleName("/usr/lib/locale/de"), std::nullopt);
}

TEST(UserLanguage, FollowsTheVariablesInGettextOrder) {
  ScopedEnv language("LANGUAGE", nullptr), all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr),
      lang("LANG", nullptr);
  EXPECT_EQ(platform::UserLanguage(), std::nullopt);
  ::setenv("LANG", "it_IT.UTF-8", 1);
  EXPECT_EQ(platform::UserLanguage(), "it");
  ::setenv("LC_MESSAGES", "es_ES", 1);
  EXPECT_EQ(platform::UserLanguage(), "es");
  ::setenv("LC_ALL", "fr_FR", 1);
  EXPECT_EQ(platform::UserLanguage(), "fr");
  ::setenv("LANGUAGE", "", 1);  // empty counts as unset
  EXPECT_EQ(platform::UserLanguage(), "fr");
  ::setenv("LANGUAGE", "nl:de", 1);
  EXPECT_EQ(platform::UserLanguage(), "nl");
}

}  // namespace
