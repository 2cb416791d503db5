#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/text.h"

namespace zev {

// The core's texts are code page 1252; Qt's are Unicode.
inline QString ToQt(std::string_view cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}
inline std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace zev
