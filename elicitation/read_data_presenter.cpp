#include "elicitation/read_data_presenter.h"

#include "io/atomic_file.h"
#include "io/text_import.h"

namespace zev {

void CReadDataPresenter::Browse() {
  SFileChoice choice;
  choice.m_bSave = false;
  choice.m_strTitle = "Open";
  choice.m_strFilter = kFilter;
  choice.m_strDefaultExt = kDefaultExt;
  choice.m_strPath = kDefaultName;
  choice.m_bOverwritePrompt = false;
  if (ThePrompter().ChooseFile(choice)) m_strFileName = choice.m_strPath;
  SetFocusField(kFieldFileName);
}

bool RunReadDataCommand(CMADMDoc& doc) {
  std::string name = "*.txt";
  for (;;) {
    CReadDataPresenter presenter(name);
    if (!ThePrompter().RunModal(presenter)) return false;
    name = presenter.m_strFileName;
    std::string bytes;
    std::string error;
    if (ReadWholeFile(name, bytes, error)) {
      ImportTextData(doc, bytes);
      return true;
    }
    // Asked again with the name just tried, so that a typing slip is easy to mend.
    EAnswer answer = ThePrompter().AskYesNo("The file name <" + name + "> is not found.\n" +
                                            "Would you like to enter a new file name?");
    if (answer != EAnswer::Yes) return false;
  }
}

}  // namespace zev
