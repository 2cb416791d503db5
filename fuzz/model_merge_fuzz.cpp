// Fuzz target for adding from another model file. The bytes are the other
// file; each command runs on its own copy of one fixed open model (adding
// attributes twice: under a father and under a leaf), with every question
// answered Yes so that as much as possible happens. A file the reader
// refuses, and a refused command, leave the open model's bytes exactly as
// they were; a merged model saves to bytes that load again (so it is one
// consistent tree within the limits), round-trip, and rank.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "io/model_file.h"
#include "io/model_merge.h"
#include "model/prompter.h"

namespace {

class CYesPrompter : public zev::CPrompter {
 public:
  zev::EAnswer Show(const zev::SMessage& message) override {
    return message.m_buttons == zev::EButtons::Ok ? zev::EAnswer::Ok : zev::EAnswer::Yes;
  }
  bool RunModal(zev::CDialogPresenter&) override { return false; }
  bool ChooseFile(zev::SFileChoice&) override { return false; }
  void OpenWithDesktop(const std::string&) override {}
};

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "model merge fuzz: %s\n", what);
    std::abort();
  }
}

int AddChild(zev::CMADMDoc& doc, int father, const char* name) {
  doc.SetCurrentAttribute(father);
  if (doc.Attribute(father).m_nChildren == 0) {
    doc.InsertAttributeRight();
  } else {
    int last = -1;
    for (int i = 1; i <= doc.LastAttribute(); ++i) {
      if (doc.Attribute(i).m_nFather == father && doc.Attribute(i).m_nNextSibling < 0) last = i;
    }
    doc.SetCurrentAttribute(last);
    doc.InsertAttributeBelow();
  }
  const int n = doc.CurrentAttribute();
  doc.Attribute(n).SetName(name);
  return n;
}

// Top Attribute: Cost (Price, Running cost), Comfort (Seats, Noise); the
// alternatives "First alternative" and "Alternative 2".
std::string OpenModelBytes() {
  zev::CMADMDoc doc;
  doc.OnNewDocument();
  const int cost = AddChild(doc, 0, "Cost");
  const int price = AddChild(doc, cost, "Price");
  const int running = AddChild(doc, cost, "Running cost");
  const int comfort = AddChild(doc, 0, "Comfort");
  AddChild(doc, comfort, "Seats");
  AddChild(doc, comfort, "Noise");
  doc.Attribute(price).m_nType = zev::Quantitative;
  doc.Attribute(price).m_dBest = 100.0;
  doc.Attribute(running).m_nType = zev::QuantitativeUncertain;
  doc.AddAlternativeCommand();
  return zev::WriteModel(doc);
}

void Open(const std::string& bytes, zev::CMADMDoc& doc) {
  zev::SFileError error;
  Check(zev::ReadModel(bytes, doc, error), "the open model does not load");
  zev::AttachEngine(doc);
}

void MergeOnce(const std::string& open, std::string_view other, zev::EMergeKind kind,
               const char* under) {
  zev::CMADMDoc doc;
  Open(open, doc);
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    if (doc.Attribute(i).m_strName == under) doc.SetCurrentAttribute(i);
  }
  const std::string before = zev::WriteModel(doc);
  const zev::EMergeResult result = zev::MergeModelBytes(doc, kind, other, "other.zev");
  const std::string after = zev::WriteModel(doc);
  if (result != zev::EMergeResult::Merged) {
    Check(after == before, "a merge that did not happen changed the open model");
    return;
  }
  zev::CMADMDoc again;
  zev::SFileError error;
  Check(zev::ReadModel(after, again, error), "a merged model saves to bytes that do not load");
  Check(zev::WriteModel(again) == after, "a merged model does not round-trip");
  zev::RankAlternatives(doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CYesPrompter prompter;
  static zev::CPrompterScope scope(prompter);
  static const std::string open = OpenModelBytes();

  const std::string_view other(reinterpret_cast<const char*>(data), size);
  MergeOnce(open, other, zev::EMergeKind::Alternatives, "Top Attribute");
  MergeOnce(open, other, zev::EMergeKind::Data, "Top Attribute");
  MergeOnce(open, other, zev::EMergeKind::Attributes, "Comfort");
  MergeOnce(open, other, zev::EMergeKind::Attributes, "Seats");
  return 0;
}
