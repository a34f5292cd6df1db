#include "kit/dictionary_helpers.h"

#include <gtest/gtest.h>

namespace {

using platform::PlistDict;
using platform::PlistValue;

TEST(DictionaryHelpers, StoresCStringsAsUTF8FromTheirEncoding) {
  PlistDict d;
  EXPECT_TRUE(CFDictionarySetCString(&d, "utf8", "Gr\xC3\xBC\xC3\x9F" "e", kCFStringEncodingUTF8));
  EXPECT_TRUE(CFDictionarySetCString(&d, "latin1", "Gr\xFC\xDF" "e", kCFStringEncodingISOLatin1));
  EXPECT_TRUE(CFDictionarySetCString(&d, "ascii", "plain", kCFStringEncodingASCII));
  EXPECT_EQ(d.at("utf8"), PlistValue("Gr\xC3\xBC\xC3\x9F" "e"));
  EXPECT_EQ(d.at("latin1"), d.at("utf8"));
  EXPECT_EQ(d.at("ascii"), PlistValue("plain"));
}

TEST(DictionaryHelpers, RefusesBytesOutsideTheEncodingAndNullArguments) {
  PlistDict d;
  EXPECT_FALSE(CFDictionarySetCString(&d, "k", "Gr\xFC\xDF" "e", kCFStringEncodingUTF8));
  EXPECT_FALSE(CFDictionarySetCString(&d, "k", "Gr\xC3\xBC", kCFStringEncodingASCII));
  EXPECT_FALSE(CFDictionarySetCString(&d, "k", nullptr, kCFStringEncodingUTF8));
  EXPECT_FALSE(CFDictionarySetCString(&d, nullptr, "v", kCFStringEncodingUTF8));
  EXPECT_FALSE(CFDictionarySetCString(nullptr, "k", "v", kCFStringEncodingUTF8));
  EXPECT_TRUE(d.empty());
}

TEST(DictionaryHelpers, GetDictionaryOrCreateHandsOutTheInnerDictionary) {
  PlistDict outer{{"kept", PlistDict{{"a", 1}}}, {"wrongKind", 5}};
  PlistDict* kept = CFDictionaryGetDictionaryOrCreate(&outer, "kept");
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->size(), 1U);
  PlistDict* created = CFDictionaryGetDictionaryOrCreate(&outer, "new");
  ASSERT_NE(created, nullptr);
  (*created)["b"] = 2;
  EXPECT_EQ(CFDictionaryGetDictionaryOrCreate(&outer, "new"), created);
  EXPECT_EQ(outer.at("new"), PlistValue(PlistDict{{"b", 2}}));
  EXPECT_EQ(outer.at("kept"), PlistValue(PlistDict{{"a", 1}}));
  PlistDict* replaced = CFDictionaryGetDictionaryOrCreate(&outer, "wrongKind");
  ASSERT_NE(replaced, nullptr);
  EXPECT_TRUE(replaced->empty());
  EXPECT_EQ(CFDictionaryGetDictionaryOrCreate(nullptr, "k"), nullptr);
  EXPECT_EQ(CFDictionaryGetDictionaryOrCreate(&outer, nullptr), nullptr);
}

}  // namespace
