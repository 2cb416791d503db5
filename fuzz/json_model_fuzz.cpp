// Fuzz target for the JSON form of a model: any text is either refused with
// a problem and the open model untouched, or read into a model whose JSON
// form reads back to the same model file bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/json_model.h"
#include "io/model_file.h"
#include "model/prompter.h"

namespace {

class CQuietPrompter : public zev::CPrompter {
 public:
  zev::EAnswer Show(const zev::SMessage& message) override { return zev::DefaultAnswer(message); }
  bool RunModal(zev::CDialogPresenter&) override { return false; }
  bool ChooseFile(zev::SFileChoice&) override { return false; }
  void OpenWithDesktop(const std::string&) override {}
};

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "json model fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CQuietPrompter prompter;
  static zev::CPrompterScope scope(prompter);
  static const std::string fresh = [] {
    zev::CMADMDoc doc;
    doc.OnNewDocument();
    return zev::WriteModel(doc);
  }();

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zev::CMADMDoc doc;
  doc.OnNewDocument();
  zev::SFileError error;
  if (!zev::ReadModelJson(text, doc, error)) {
    Check(!error.m_strProblem.empty(), "a refusal without a problem");
    Check(zev::WriteModel(doc) == fresh, "a refused text changed the open model");
    return 0;
  }
  const std::string saved = zev::WriteModel(doc);
  zev::CMADMDoc again;
  Check(zev::ReadModelJson(zev::WriteModelJson(doc), again, error), "an export is refused");
  Check(zev::WriteModel(again) == saved, "a model does not round-trip through JSON");
  return 0;
}
