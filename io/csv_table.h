#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zev {

// Comma-separated tables as spreadsheets write and read them (RFC 4180
// quoting), parsed and quoted by libcsv.

// A parsed table: its rows in file order, each cell in code page 1252.
struct SCsvTable {
  std::vector<std::vector<std::string>> m_rows;
  char m_cSeparator = ',';
};

// Parses the bytes of a table. The encoding is UTF-8 (with or without a
// byte-order mark); bytes that are not UTF-8 are read as code page 1252,
// as older spreadsheets save them. The separator is a comma or, when the
// first row holds more semicolons than commas outside quotes, a semicolon.
// Lines may end in CR LF or LF; empty lines are skipped. False, with the
// reason in `error`, for UTF-16 text and for broken quoting.
bool ParseCsv(std::string_view bytes, SCsvTable& table, std::string& error);

// Writes a table for spreadsheets: UTF-8 with a byte-order mark, commas,
// CR LF line ends. Texts (code page 1252) are always quoted, numbers never.
class CCsvWriter {
 public:
  CCsvWriter();

  void Text(std::string_view cp1252);
  // The shortest decimal form that reads back to the same double.
  void Number(double d);
  void Integer(int n);
  void Empty();
  void EndRow();

  const std::string& Bytes() const { return m_bytes; }

 private:
  void Separate();

  std::string m_bytes;
  bool m_bRowStarted = false;
};

// The shortest decimal form of a double that reads back to the same value
// (C locale, "1e+20" style for very large and small numbers).
std::string ShortestNumber(double d);

}  // namespace zev
