#include "tests/app/support/gui_user.h"

#include "app/qt_text.h"

namespace zev::test {

QStringList CGuiUser::Texts() const {
  QStringList texts;
  for (const SMessage& m : Messages()) texts << ToQt(m.m_strText);
  return texts;
}

QString CGuiUser::LastText() const {
  return Messages().empty() ? QString() : ToQt(Messages().back().m_strText);
}

QStringList CGuiUser::Unexpected() const {
  QStringList all;
  for (const std::string& left : LeftOvers()) all << ToQt(left);
  return all;
}

}  // namespace zev::test
