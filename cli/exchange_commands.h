#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zev::cli {

// zev-cli export results|assessments|json MODEL.zev -o FILE
// Writes the results table (after the Rank command's evaluation), the
// assessments table or the JSON form of the model.
class CExportCommand {
 public:
  explicit CExportCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strKind;
  std::string m_strModel;
  std::string m_strOut;
};

// zev-cli import-csv MODEL.zev DATA.csv -o OUT.zev
// Reads an assessments table into the model and saves it; a refused table
// writes nothing.
class CImportCsvCommand {
 public:
  explicit CImportCsvCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::string m_strData;
  std::string m_strOut;
};

// zev-cli import-json MODEL.json -o OUT.zev
// Reads a model in its JSON form and saves it as a model file.
class CImportJsonCommand {
 public:
  explicit CImportJsonCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::string m_strOut;
};

}  // namespace zev::cli
