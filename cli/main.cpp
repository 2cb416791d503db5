#include <CLI/CLI.hpp>

#include <cstdio>

#include "model/madm_doc.h"
#include "model/prompter.h"

int main(int argc, char** argv) {
  CLI::App app{"zev-cli: multiple-criteria assessment with evidential reasoning, headless"};
  app.set_version_flag("--version", "zev-cli 0.1.0");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  zev::CStderrPrompter prompter;
  zev::CPrompterScope scope(prompter);
  zev::CMADMDoc doc;
  doc.OnNewDocument();
  const zev::CAttribute& top = doc.Attribute(0);
  std::printf("A new model: %s with %d grades, %d alternative.\n", top.m_strName.c_str(),
              top.m_nGrades, doc.AlternativeCount());
  return 0;
}
