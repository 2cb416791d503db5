// Fuzz target for the model file reader: any bytes are either refused with
// a problem and an offset inside them, or load into a model that saves to
// bytes that load again to the same bytes, that the engine can rank and
// assess, and that the document's own operations can work on, all without a
// warning.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "io/model_file.h"
#include "model/prompter.h"

namespace {

class CCountingPrompter : public zev::CPrompter {
 public:
  zev::EAnswer Show(const zev::SMessage& message) override {
    ++m_nMessages;
    return zev::DefaultAnswer(message);
  }
  bool RunModal(zev::CDialogPresenter&) override { return false; }
  bool ChooseFile(zev::SFileChoice&) override { return false; }
  void OpenWithDesktop(const std::string&) override {}
  int m_nMessages = 0;
};

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "model file fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CCountingPrompter prompter;
  static zev::CPrompterScope scope(prompter);
  prompter.m_nMessages = 0;

  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zev::CMADMDoc doc;
  zev::SFileError error;
  zev::SFileError checked;
  const bool bAccepted = zev::CheckModel(bytes, checked);
  if (!zev::ReadModel(bytes, doc, error)) {
    Check(!error.m_strProblem.empty(), "a refusal without a problem");
    Check(error.m_bHasOffset && error.m_nOffset <= size, "a refusal outside the bytes");
    Check(!bAccepted && checked.m_strProblem == error.m_strProblem,
          "the check and the reader disagree about a refusal");
    return 0;
  }
  Check(bAccepted, "the check refuses a model that loads");
  Check(prompter.m_nMessages == 0, "a message while loading a model that loads");

  const std::string saved = zev::WriteModel(doc);
  zev::CMADMDoc again;
  Check(zev::ReadModel(saved, again, error), "a loaded model saves to bytes that do not load");
  Check(zev::WriteModel(again) == saved, "a loaded model does not round-trip");

  // The evaluation commands (the Rank command tells that it is done).
  zev::AttachEngine(doc);
  zev::RankAlternatives(doc);
  Check(prompter.m_nMessages == 1, "ranking a loaded model shows a warning");
  prompter.m_nMessages = 0;
  doc.SetCurrentAttribute(doc.LastAttribute());
  zev::AssessAttribute(doc);
  Check(prompter.m_nMessages == 0, "assessing a loaded model shows a message");
  const std::string ranked = zev::WriteModel(doc);
  Check(zev::ReadModel(ranked, again, error), "a ranked model saves to bytes that do not load");

  // The walks over the tree.
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    int lo = 0;
    int hi = 0;
    doc.SubtreeYRange(i, lo, hi);
  }
  doc.RecomputeExtent();
  if (doc.LastAttribute() > 0) {
    doc.SetCurrentAttribute(doc.LastAttribute());
    doc.DeleteAttribute();
  }
  doc.DeleteAttributeTree(0);
  Check(doc.LastAttribute() == 0, "deleting the top's subtree leaves more than the top");
  return 0;
}
