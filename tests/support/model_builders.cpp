#include "tests/support/model_builders.h"

#include <set>

namespace zev::test {

::testing::AssertionResult TreeIsConsistent(const CMADMDoc& doc) {
  const int last = doc.LastAttribute();
  if (last < 0 || last >= kMaxAttributes) {
    return ::testing::AssertionFailure() << "last attribute index " << last;
  }
  if (doc.Attribute(0).m_nFather != -1) {
    return ::testing::AssertionFailure() << "the top attribute has a father";
  }
  for (int i = 0; i <= last; ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (a.m_nIndex != i)
      return ::testing::AssertionFailure() << "slot " << i << " has index " << a.m_nIndex;
    if (i > 0 && (a.m_nFather < 0 || a.m_nFather > last || a.m_nFather == i)) {
      return ::testing::AssertionFailure() << "slot " << i << " has father " << a.m_nFather;
    }
    int count = 0;
    for (int j = 1; j <= last; ++j) count += doc.Attribute(j).m_nFather == i;
    if (count != a.m_nChildren) {
      return ::testing::AssertionFailure()
             << "slot " << i << " counts " << a.m_nChildren << " children, has " << count;
    }
    if (a.m_nChildren > 0 && a.m_nType != Qualitative) {
      return ::testing::AssertionFailure() << "father " << i << " is not qualitative";
    }
  }
  // Every slot reaches the top.
  for (int i = 1; i <= last; ++i) {
    int k = i;
    int steps = 0;
    while (k > 0 && steps <= last) {
      k = doc.Attribute(k).m_nFather;
      ++steps;
    }
    if (k != 0) return ::testing::AssertionFailure() << "slot " << i << " does not reach the top";
  }
  // Sibling chains.
  if (doc.Attribute(0).m_nPrevSibling != -1 || doc.Attribute(0).m_nNextSibling != -1) {
    return ::testing::AssertionFailure() << "the top attribute has siblings";
  }
  for (int f = 0; f <= last; ++f) {
    std::vector<int> kids;
    for (int j = 1; j <= last; ++j) {
      if (doc.Attribute(j).m_nFather == f) kids.push_back(j);
    }
    if (kids.empty()) continue;
    int first = -1;
    for (int j : kids) {
      if (doc.Attribute(j).m_nPrevSibling == -1) {
        if (first >= 0) return ::testing::AssertionFailure() << "two first children of " << f;
        first = j;
      }
    }
    if (first < 0) return ::testing::AssertionFailure() << "no first child of " << f;
    std::set<int> seen;
    int prev = -1;
    for (int k = first; k >= 0; k = doc.Attribute(k).m_nNextSibling) {
      if (k > last || doc.Attribute(k).m_nFather != f) {
        return ::testing::AssertionFailure() << "chain of " << f << " leaves its children at " << k;
      }
      if (!seen.insert(k).second)
        return ::testing::AssertionFailure() << "chain of " << f << " loops";
      if (doc.Attribute(k).m_nPrevSibling != prev) {
        return ::testing::AssertionFailure() << "slot " << k << " has prev "
                                             << doc.Attribute(k).m_nPrevSibling << ", not " << prev;
      }
      prev = k;
    }
    if (seen.size() != kids.size()) {
      return ::testing::AssertionFailure() << "chain of " << f << " misses children";
    }
  }
  return ::testing::AssertionSuccess();
}

std::vector<int> ChildrenInOrder(const CMADMDoc& doc, int father) {
  std::vector<int> kids;
  int first = -1;
  for (int j = 1; j <= doc.LastAttribute(); ++j) {
    if (doc.Attribute(j).m_nFather == father && doc.Attribute(j).m_nPrevSibling == -1) first = j;
  }
  for (int k = first; k >= 0 && kids.size() <= kAttributeSlots;
       k = doc.Attribute(k).m_nNextSibling) {
    kids.push_back(k);
  }
  return kids;
}

int AddChild(CMADMDoc& doc, int father) {
  std::vector<int> kids = ChildrenInOrder(doc, father);
  if (kids.empty()) {
    doc.SetCurrentAttribute(father);
    doc.InsertAttributeRight();
  } else {
    doc.SetCurrentAttribute(kids.back());
    doc.InsertAttributeBelow();
  }
  return doc.CurrentAttribute();
}

int FindAttribute(const CMADMDoc& doc, const std::string& name) {
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    if (doc.Attribute(i).m_strName == name) return i;
  }
  return -1;
}

void BuildHierarchy(CMADMDoc& doc, const std::vector<std::string>& nodes) {
  for (const std::string& node : nodes) {
    auto colon = node.find(':');
    std::string name = node.substr(0, colon);
    std::string father = colon == std::string::npos ? "" : node.substr(colon + 1);
    int f = father.empty() ? 0 : FindAttribute(doc, father);
    EXPECT_GE(f, 0) << "unknown father " << father;
    if (f < 0) return;
    int n = AddChild(doc, f);
    doc.Attribute(n).SetName(name);
  }
}

void BuildFiftyAttributeModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  for (int f = 0; f < 7; ++f) {
    int father = AddChild(doc, 0);
    doc.Attribute(father).SetName("Group " + std::to_string(f + 1));
    doc.Attribute(father).m_dWeight = 1.0 + f;
    for (int c = 0; c < 6; ++c) {
      int leaf = AddChild(doc, father);
      CAttribute& a = doc.Attribute(leaf);
      a.SetName("Leaf " + std::to_string(f + 1) + "." + std::to_string(c + 1));
      a.m_dWeight = 0.5 + 0.25 * c;
      switch ((f * 6 + c) % 3) {
        case 0:
          a.m_nType = Qualitative;
          break;
        case 1:
          a.m_nType = Quantitative;
          a.m_dBest = 100.0;
          a.m_dWorst = 0.0;
          for (int k = 0; k < 5; ++k) a.SetGradeValue(k, 25.0 * k);
          break;
        default:
          a.m_nType = QuantitativeUncertain;
          a.m_dBest = 10.0;
          a.m_dWorst = 50.0;
          for (int k = 0; k < 5; ++k) a.SetGradeValue(k, 50.0 - 10.0 * k);
          break;
      }
    }
  }
}

void BuildFiftyAttributeModel(CMADMDoc& doc, int alternatives) {
  BuildFiftyAttributeModel(doc);
  for (int a = 1; a < alternatives; ++a) doc.AddAlternativeCommand();
  doc.PrepareAllAlternatives();
  for (int a = 0; a < alternatives; ++a) {
    CAlternative& alt = doc.Alternative(a);
    for (int i = 1; i <= doc.LastAttribute(); ++i) {
      CAssessment& r = alt.Record(i);
      const double x = ((a * 31 + i * 17) % 100) / 100.0;
      switch (doc.Attribute(i).m_nType) {
        case Quantitative:
          r.m_dValue = 100.0 * x;
          r.m_nPossibleValues = 1;
          r.m_dPossibleValue[0] = r.m_dValue;
          r.m_dBelief[0] = 1.0;
          break;
        case QuantitativeUncertain:
          r.m_nPossibleValues = 2;
          r.m_dPossibleValue[0] = 10.0 + 40.0 * x;
          r.m_dPossibleValue[1] = 50.0 - 40.0 * x;
          r.m_dBelief[0] = 0.5;
          r.m_dBelief[1] = 0.4;
          break;
        default:
          r.m_dBelief[a % 5] = x;
          r.m_dBelief[(a + 2) % 5] = 1.0 - x;
          break;
      }
    }
  }
}

}  // namespace zev::test
