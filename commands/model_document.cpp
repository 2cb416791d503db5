#include "commands/model_document.h"

#include <filesystem>

#include "commands/model_files.h"
#include "commands/recent_files.h"
#include "engine/conversion.h"
#include "io/json_model.h"
#include "model/format.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev {

CModelDocument::CModelDocument(int nUntitled)
    : m_pRegistry(std::make_unique<CModelessRegistry>(m_doc)),
      m_pCommands(std::make_unique<CModelCommands>(m_doc, *m_pRegistry)),
      m_nUntitled(nUntitled) {
  // Insertions and deletions re-derive the conversion rules through the engine.
  AttachEngine(m_doc);
}

CModelDocument::~CModelDocument() {
  // The tool windows go before the commands and the model they work on.
  m_pRegistry->DestroyAll();
}

std::string CModelDocument::Title() const {
  // The file system names files in UTF-8; the title is a text of the program.
  if (!m_strPath.empty()) return Utf8ToCp1252(FileNameOf(m_strPath));
  return "ZEV" + FormatInt(m_nUntitled);
}

void CModelDocument::OnNewDocument() {
  m_doc.OnNewDocument();
  m_pCommands->History().Clear();
  m_doc.Notify({EDocChange::Loaded, 0, 0});
}

bool CModelDocument::OnOpenDocument(const std::string& path, std::string& message) {
  if (!LoadModelFromFile(path, m_doc, message)) return false;
  m_strPath = path;
  m_pCommands->History().Clear();
  return true;
}

bool CModelDocument::OnImportDocument(const std::string& jsonPath, std::string& message) {
  SFileError error;
  if (!LoadModelJsonFile(jsonPath, m_doc, error)) {
    message = error.Message();
    return false;
  }
  m_strProposedPath =
      std::filesystem::path(jsonPath).replace_extension(ModelFileExtension()).string();
  m_doc.SetModifiedFlag(true);
  return true;
}

bool CModelDocument::DoSave(bool bSaveAs) {
  std::string path = m_strPath;
  if (bSaveAs || path.empty()) {
    SFileChoice choice;
    choice.m_bSave = true;
    choice.m_strTitle = "Save As";
    choice.m_strFilter = ModelFileFilter();
    choice.m_strDefaultExt = ModelFileExtension();
    if (!path.empty())
      choice.m_strPath = path;
    else if (!m_strProposedPath.empty())
      choice.m_strPath = m_strProposedPath;
    else
      choice.m_strPath = Title();
    choice.m_bOverwritePrompt = true;
    if (!ThePrompter().ChooseFile(choice)) return false;
    path = choice.m_strPath;
  }
  std::string message;
  if (!SaveModelToFile(path, m_doc, message)) {
    ThePrompter().Warning(message);
    return false;
  }
  m_strPath = path;
  // Undoing from here on leads away from the file, and back to it.
  m_pCommands->History().MarkSaved();
  return true;
}

bool CModelDocument::SaveModified() {
  if (!m_doc.IsModified()) return true;
  switch (ThePrompter().AskYesNoCancel("Save changes to " + Title() + "?", EIcon::Warning, 0)) {
    case EAnswer::Yes:
      return DoSave(false);
    case EAnswer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace zev
