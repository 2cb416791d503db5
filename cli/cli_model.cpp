#include "cli/cli_model.h"

#include <cstdio>

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

bool SaveModel(const std::string& path, CMADMDoc& doc) {
  SFileError error;
  if (SaveModelFile(path, doc, error)) return true;
  ThePrompter().Warning(error.Message());
  return false;
}

int UsageError(const std::string& text) {
  std::fprintf(stderr, "zev-cli: %s\n", text.c_str());
  return kUsage;
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

int AttributeArgument(const CMADMDoc& doc, const std::string& nameOrIndex) {
  const int i = FindAttributeIndex(doc, nameOrIndex);
  if (i < 0) {
    UsageError("the model has no attribute named <" + nameOrIndex +
               ">, nor one with that index (0 to " + std::to_string(doc.LastAttribute()) + ").");
  }
  return i;
}

int AlternativeArgument(const CMADMDoc& doc, const std::string& nameOrNumber) {
  const std::string name = Utf8ToCp1252(nameOrNumber);
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    if (doc.Alternative(pos).m_strName == name) return pos;
  }
  int number = 0;
  if (nameOrNumber.size() > 1 && nameOrNumber[0] == '@' &&
      ReadInteger(nameOrNumber.substr(1), number) && number >= 1 &&
      number <= doc.AlternativeCount()) {
    return number - 1;
  }
  UsageError("the model has no alternative named <" + nameOrNumber +
             ">, nor one at that number (@1 to @" + std::to_string(doc.AlternativeCount()) + ").");
  return -1;
}

}  // namespace zev::cli
