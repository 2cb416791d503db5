#include "cli/cli_model.h"

#include "engine/conversion.h"
#include "io/model_file.h"
#include "model/number.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev::cli {

bool LoadModel(const std::string& path, CMADMDoc& doc) {
  SFileError error;
  if (!LoadModelFile(path, doc, error)) {
    ThePrompter().Warning(error.Message());
    return false;
  }
  AttachEngine(doc);
  return true;
}

int FindAttributeIndex(const CMADMDoc& doc, const std::string& nameOrIndex) {
  const std::string name = Utf8ToCp1252(nameOrIndex);
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    if (doc.Attribute(i).m_strName == name) return i;
  }
  int index = -1;
  if (ReadInteger(nameOrIndex, index) && index >= 0 && index <= doc.LastAttribute()) return index;
  return -1;
}

}  // namespace zev::cli
