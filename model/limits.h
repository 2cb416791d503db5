#pragma once

#include <cstdint>

namespace zev {

// Grades per attribute, and possible values per uncertain assessment.
inline constexpr int kMaxGrades = 20;
// Attribute slots in the document and assessment records per alternative.
inline constexpr int kAttributeSlots = 51;
// Attributes a model may hold.
inline constexpr int kMaxAttributes = 50;

// Codes of AttributeType, stored in 16 bits.
enum AttributeType : std::uint16_t {
  Quantitative = 7,
  Qualitative = 8,
  QuantitativeUncertain = 9,
};

// Codes of ConversionBasis, stored in 16 bits.
enum ConversionBasis : std::uint16_t {
  ByUtility = 65,
  ByRule = 66,
};

inline constexpr bool IsQuantitativeType(std::uint16_t nType) {
  return nType == Quantitative || nType == QuantitativeUncertain;
}

// Geometry of the hierarchy drawing, in logical pixels.
inline constexpr int kLevelStep = 135;
inline constexpr int kSiblingStep = 54;

// The maker's contact lines that end every message stating a limit.
inline constexpr const char* kContactLines =
    "The ZEV project team\n"
    "zev-support@example.org";

}  // namespace zev
