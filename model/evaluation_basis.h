#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/alternative.h"
#include "model/attribute.h"

namespace zev {

class CMADMDoc;

// What every alternative of a document was last evaluated with, and what
// changed since, so that a re-evaluation can redo only what a change
// reaches. The definitions are kept as they were prepared and compared with
// the document's, so an edit of them needs no notice; the records of the
// alternatives are not compared (that would cost as much as evaluating
// them), so the document notes every alternative whose records change: when
// it is added or prepared, or when a change naming it is published. Any
// other change forgets everything, and the next evaluation is a full one.
class CEvaluationBasis {
 public:
  // Beyond this many changed alternatives a full evaluation costs little
  // more than evaluating them one by one.
  static constexpr size_t kMaxChanged = 64;

  // How the document's definitions (and current attribute) differ from the
  // recorded ones.
  struct SChanges {
    // Anything but weights changed, or nothing is recorded.
    bool m_bOther = true;
    // Bit i: attribute i's weight as prepared (read back from its text).
    std::uint64_t m_weights = 0;
  };

  // Nothing is known any more.
  void Forget();
  // The records of this alternative changed.
  void NoteAlternative(CAlternative* alternative);
  // This alternative left the document.
  void NoteRemoved(const CAlternative* alternative);

  // After every alternative was prepared with the document's definitions
  // and evaluated: records them, and no alternative has changed since.
  void Record(CMADMDoc& doc);

  bool IsKnown() const { return m_bKnown; }
  // The alternatives whose records changed since, in the order first noted.
  const std::vector<CAlternative*>& ChangedAlternatives() const { return m_changed; }
  SChanges Compare(CMADMDoc& doc) const;
  // Bit i: attribute i's texts or grade table are not the recorded ones, so
  // the records of every alternative need them anew. Every attribute when
  // nothing is known.
  std::uint64_t NewSharedParts(const CMADMDoc& doc) const;

  // What the evaluation engine derived from the records to evaluate again
  // faster, kept with the basis and dropped when it is forgotten.
  struct SDerived {
    virtual ~SDerived() = default;
  };
  SDerived* Derived() const { return m_pDerived.get(); }
  void SetDerived(std::unique_ptr<SDerived> derived) { m_pDerived = std::move(derived); }

 private:
  bool m_bKnown = false;
  int m_nLastAttribute = 0;
  // Preparing gives it to every alternative.
  int m_nCurrentAttribute = 0;
  // The definitions as prepared; holding them keeps their texts and grade
  // tables alive, so a new one can never have the address of a recorded one.
  CAttribute m_definitions[kAttributeSlots];
  double m_dWeight[kAttributeSlots] = {};
  std::vector<CAlternative*> m_changed;
  std::unique_ptr<SDerived> m_pDerived;
};

// Whether a record shares a definition's texts and grade table, the parts
// that preparing copies by sharing.
bool SharesDefinition(const CAttribute& record, const CAttribute& a);

// Every attribute slot up to `last`, one bit each.
inline std::uint64_t AttributesUpTo(int last) {
  return last >= 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (last + 1)) - 1;
}

}  // namespace zev
