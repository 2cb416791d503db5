#pragma once

#include <memory>
#include <string>

#include "commands/model_commands.h"
#include "commands/modeless_registry.h"
#include "model/madm_doc.h"

namespace zev {

// One open model: the document, its file, its tool windows and its commands.
class CModelDocument {
 public:
  // nUntitled numbers a model that has no file yet ("ZEV1", "ZEV2", ...).
  explicit CModelDocument(int nUntitled);
  ~CModelDocument();
  CModelDocument(const CModelDocument&) = delete;
  CModelDocument& operator=(const CModelDocument&) = delete;

  CMADMDoc& Doc() { return m_doc; }
  const CMADMDoc& Doc() const { return m_doc; }
  CModelessRegistry& Registry() { return *m_pRegistry; }
  CModelCommands& Commands() { return *m_pCommands; }

  const std::string& PathName() const { return m_strPath; }
  void SetPathName(std::string path) { m_strPath = std::move(path); }
  // The file's name (in code page 1252, like every text shown), or "ZEV"
  // and the number for a model without a file.
  std::string Title() const;

  // A new model: the top attribute and one alternative, not modified.
  void OnNewDocument();
  // Reads the model file into this (fresh) document; false with the message
  // to show, and the document unchanged.
  bool OnOpenDocument(const std::string& path, std::string& message);
  // Reads a model in its JSON form into this (fresh) document: untitled and
  // modified, since no model file holds it yet; Save proposes the JSON
  // file's name. False with the message to show, and the document unchanged.
  bool OnImportDocument(const std::string& jsonPath, std::string& message);
  // Save (bSaveAs false: into the model's file, asking for a name only when
  // it has none) and Save As (always asking). False when cancelled or
  // failed, after the failure's message.
  bool DoSave(bool bSaveAs);
  // Before closing: a modified model asks "Save changes to ...?"; Yes saves,
  // No closes without saving, Cancel keeps the model open (false).
  bool SaveModified();

 private:
  CMADMDoc m_doc;
  std::unique_ptr<CModelessRegistry> m_pRegistry;
  std::unique_ptr<CModelCommands> m_pCommands;
  std::string m_strPath;
  // The name Save proposes for a model without a file ("" for its title).
  std::string m_strProposedPath;
  int m_nUntitled;
};

}  // namespace zev
