#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/limits.h"
#include "model/shared.h"
#include "model/text.h"

namespace zev {

// The per-grade part of an attribute definition. Every assessment record of
// every alternative carries its attribute's definition, so this bulky part is
// shared copy-on-write between the document and the records.
struct SGradeTable {
  double m_dGradeValue[kMaxGrades];
  double m_dGradeUtility[kMaxGrades];
  CText m_strGradeName[kMaxGrades];
  CText m_strGradeDefinition[kMaxGrades];
  CText m_strConversionComment[kMaxGrades];
  // Row k is this attribute's grade k, column j the father's grade j.
  double m_dConversion[kMaxGrades][kMaxGrades];

  bool operator==(const SGradeTable&) const = default;
};

// One node of the assessment hierarchy.
class CAttribute {
 public:
  CAttribute();
  CAttribute(const CAttribute&) = default;
  // Assignment copies every saved field; the seven position and tree fields
  // only while this attribute's m_bKeepLinks is clear. Transient flags stay.
  CAttribute& operator=(const CAttribute& other);
  // Every field, the transient flags included: the same state.
  bool operator==(const CAttribute&) const = default;

  void ResetToDefaults();

  // Scalar accessors.
  const CText& GetName() const { return m_strName; }
  // Refuses an empty text (returns false, the name stays).
  bool SetName(std::string_view name);
  std::uint16_t GetMark() const { return m_nMark; }
  void SetMark(std::uint16_t n) { m_nMark = n; }
  std::uint16_t GetType() const { return m_nType; }
  void SetType(std::uint16_t n) { m_nType = n; }
  std::uint16_t GetConversion() const { return m_nConversion; }
  void SetConversion(std::uint16_t n) { m_nConversion = n; }
  int GetGrades() const { return m_nGrades; }
  void SetGrades(int n) { m_nGrades = n; }
  double GetBest() const { return m_dBest; }
  void SetBest(double d) { m_dBest = d; }
  double GetWorst() const { return m_dWorst; }
  void SetWorst(double d) { m_dWorst = d; }
  double GetWeight() const { return m_dWeight; }
  void SetWeight(double d) { m_dWeight = d; }
  double GetShownValue() const { return m_dShownValue; }
  void SetShownValue(double d) { m_dShownValue = d; }
  const CText& GetDescription() const { return m_strDescription; }
  void SetDescription(std::string_view s) { m_strDescription = CText(s); }
  const CText& GetUnit() const { return m_strUnit; }
  void SetUnit(std::string_view s) { m_strUnit = CText(s); }
  const CText& GetComments() const { return m_strComments; }
  void SetComments(std::string_view s) { m_strComments = CText(s); }

  // Weight and shown value as text ("%1.4lf"), and read back from text with
  // ReadNonNegativeNumber; a refused text is a warning and changes nothing.
  std::string WeightText() const;
  bool SetWeightText(std::string_view text);
  std::string ShownValueText() const;
  bool SetShownValueText(std::string_view text);

  // The per-grade arrays.
  const SGradeTable& Grades() const { return *m_grades; }
  SGradeTable& MutableGrades() { return m_grades.Mutable(); }
  double GradeValue(int k) const { return m_grades->m_dGradeValue[k]; }
  void SetGradeValue(int k, double d) { MutableGrades().m_dGradeValue[k] = d; }
  double GradeUtility(int k) const { return m_grades->m_dGradeUtility[k]; }
  void SetGradeUtility(int k, double d) { MutableGrades().m_dGradeUtility[k] = d; }
  const CText& GradeName(int k) const { return m_grades->m_strGradeName[k]; }
  void SetGradeName(int k, std::string_view s) { MutableGrades().m_strGradeName[k] = CText(s); }
  const CText& GradeDefinition(int k) const { return m_grades->m_strGradeDefinition[k]; }
  void SetGradeDefinition(int k, std::string_view s) {
    MutableGrades().m_strGradeDefinition[k] = CText(s);
  }
  const CText& ConversionComment(int k) const { return m_grades->m_strConversionComment[k]; }
  void SetConversionComment(int k, std::string_view s) {
    MutableGrades().m_strConversionComment[k] = CText(s);
  }
  double ConversionEntry(int row, int col) const { return m_grades->m_dConversion[row][col]; }
  void SetConversionEntry(int row, int col, double d) {
    MutableGrades().m_dConversion[row][col] = d;
  }

  // Bulk copies of the first m_nGrades entries.
  void GetGradeNames(std::span<CText> out) const;
  void SetGradeNames(std::span<const CText> in);
  void GetGradeDefinitions(std::span<CText> out) const;
  void SetGradeDefinitions(std::span<const CText> in);
  void GetConversionComments(std::span<CText> out) const;
  void SetConversionComments(std::span<const CText> in);
  void GetGradeUtilities(std::span<double> out) const;
  void SetGradeUtilities(std::span<const double> in);
  // Bulk copies of a caller-given number of grade values.
  void GetGradeValues(std::span<double> out, int nCount) const;
  void SetGradeValues(std::span<const double> in, int nCount);
  // m_nGrades rows of nCols columns between the matrix and a dense buffer.
  void GetConversionMatrix(std::span<double> out, int nCols) const;
  void SetConversionMatrix(std::span<const double> in, int nCols);

  // Shares the per-grade table of another attribute (no copy).
  void ShareGrades(const CAttribute& other) { m_grades = other.m_grades; }
  bool SharesGradesWith(const CAttribute& other) const {
    return m_grades.SameStorage(other.m_grades);
  }

  // Fields, in declared order.
  CText m_strName;
  std::uint16_t m_nMark = 0;
  std::uint16_t m_nType = Qualitative;
  CText m_strDescription;
  CText m_strUnit;
  double m_dBest = 1.0;
  double m_dWorst = 0.0;
  double m_dWeight = 1.0;
  double m_dShownValue = 1.0;
  int m_nGrades = 5;
  CText m_strComments;
  std::uint16_t m_nConversion = ByRule;
  int m_nX = 0;
  int m_nY = 0;
  int m_nIndex = 0;
  int m_nFather = -1;
  int m_nPrevSibling = -1;
  int m_nNextSibling = -1;
  int m_nChildren = 0;
  bool m_bKeepLinks = false;
  bool m_bGradesChanged = false;
  bool m_bRangeChanged = false;
  bool m_bUtilitiesChanged = false;
  bool m_bOpenConversion = false;

 private:
  CShared<SGradeTable> m_grades;
};

// Default texts of an attribute.
namespace defaults {
inline constexpr const char* kAttributeName = "Attribute ";
inline constexpr const char* kTopAttributeName = "Top Attribute";
inline constexpr const char* kAttributeDescription =
    "No description for the attribute is provided.";
inline constexpr const char* kUnit = "\xA3";
inline constexpr const char* kComments = "No comments are provided.";
inline constexpr const char* kGradeDefinition = "No definition for the grade is provided.";
inline constexpr const char* kConversionComment = "No comment for the conversion is provided.";
inline constexpr const char* kNewGradeName = "New name";
}  // namespace defaults

// The default texts as shared instances, so that a reset allocates nothing.
struct SDefaultTexts {
  CText m_attributeName{defaults::kAttributeName};
  CText m_attributeDescription{defaults::kAttributeDescription};
  CText m_unit{defaults::kUnit};
  CText m_comments{defaults::kComments};
  CText m_gradeDefinition{defaults::kGradeDefinition};
  CText m_conversionComment{defaults::kConversionComment};
  CText m_newGradeName{defaults::kNewGradeName};
  CText m_gradeNames[5]{"Worst", "Poor", "Average", "Good", "Best"};
  CText m_evidence{"No evidence is provided."};
  CText m_alternativeName{"First alternative"};
  CText m_alternativeDescription{"No description for the alternative is provided."};
};
const SDefaultTexts& DefaultTexts();

}  // namespace zev
