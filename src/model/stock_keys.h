#pragma once
// The members of the stock dictionary, the form of a Stock wherever one is stored.
#include <cstdint>

namespace stock_keys {

inline constexpr const char* kSizeKey = "Size";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kLengthKey = "Length";
inline constexpr const char* kTypeKey = "Type";
inline constexpr const char* kCustomTypeKey = "CustomType";
inline constexpr const char* kModulusKey = "Modulus";
inline constexpr const char* kColorKey = "Color";
inline constexpr const char* kCustomColorKey = "CustomColor";
inline constexpr const char* kWeightKey = "Weight";
inline constexpr const char* kPunchedKey = "Punched";
inline constexpr const char* kDescriptionKey = "Description";
inline constexpr const char* kSidesCoatedKey = "SidesCoated";
inline constexpr const char* kCoatingTypeKey = "kCoatingType";  // the leading "k" is part of the key
inline constexpr const char* kFinishKey = "Finish";
inline constexpr const char* kGrainKey = "kGrain";
inline constexpr const char* kCustomNameKey = "CustomName";
inline constexpr const char* kCustomNameOnlyKey = "CustomNameOnly";
inline constexpr const char* kCommentKey = "CustomComment";
inline constexpr const char* kSourceKey = "Source";

}  // namespace stock_keys
