#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/text.h"

namespace zev {

// The model's texts are 8-bit code page 1252; Qt's are Unicode. Every text
// crosses between them here.
inline QString ToQt(std::string_view cp1252) {
  std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string FromQt(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

// File paths are the system's own bytes (UTF-8), not model texts.
inline QString PathToQt(const std::string& path) { return QString::fromUtf8(path.c_str()); }
inline std::string PathFromQt(const QString& path) { return path.toUtf8().toStdString(); }

}  // namespace zev
