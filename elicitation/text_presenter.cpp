#include "elicitation/text_presenter.h"

namespace zev {

std::string CTextPresenter::Edit(std::string title, std::string prompt, const std::string& text) {
  CTextPresenter presenter(std::move(title), std::move(prompt), text);
  if (ThePrompter().RunModal(presenter)) return presenter.m_strText;
  return text;
}

}  // namespace zev
