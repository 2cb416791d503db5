#include "io/csv_table.h"

#include <csv.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/format.h"
#include "model/text.h"

namespace zev {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    std::uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (n - i <= static_cast<std::size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if (!IsContinuation(d)) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))) {
      return false;
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

// Semicolons win only when the first row holds more of them than commas.
char DetectSeparator(std::string_view s) {
  int commas = 0;
  int semicolons = 0;
  bool quoted = false;
  for (char c : s) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      if (c == '\n' || c == '\r') break;
      if (c == ',') ++commas;
      if (c == ';') ++semicolons;
    }
  }
  return semicolons > commas ? ';' : ',';
}

struct SParseState {
  SCsvTable* m_pTable;
  std::vector<std::string> m_row;
  bool m_bUtf8;
};

void OnField(void* field, std::size_t size, void* data) {
  auto* state = static_cast<SParseState*>(data);
  std::string_view text(static_cast<const char*>(field), field ? size : 0);
  state->m_row.push_back(state->m_bUtf8 ? Utf8ToCp1252(text) : std::string(text));
}

void OnRowEnd(int, void* data) {
  auto* state = static_cast<SParseState*>(data);
  state->m_pTable->m_rows.push_back(std::move(state->m_row));
  state->m_row.clear();
}

// Owns a libcsv parser for the length of a parse.
class CParser {
 public:
  CParser() : m_bReady(csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI) == 0) {}
  ~CParser() {
    if (m_bReady) csv_free(&m_parser);
  }
  CParser(const CParser&) = delete;
  CParser& operator=(const CParser&) = delete;

  bool Ready() const { return m_bReady; }
  csv_parser* Get() { return &m_parser; }

 private:
  csv_parser m_parser{};
  bool m_bReady;
};

}  // namespace

bool ParseCsv(std::string_view bytes, SCsvTable& table, std::string& error) {
  table.m_rows.clear();
  if (bytes.size() >= 2 &&
      ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
    error =
        "The file is in UTF-16 (spreadsheets call it Unicode text). Save it as CSV in UTF-8 and "
        "read that file.";
    return false;
  }
  bool bUtf8 = true;
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    bytes.remove_prefix(kUtf8Bom.size());
  } else {
    bUtf8 = IsUtf8(bytes);
  }
  table.m_cSeparator = DetectSeparator(bytes);

  CParser parser;
  if (!parser.Ready()) {
    error = "There is not enough memory to read the file.";
    return false;
  }
  csv_set_delim(parser.Get(), static_cast<unsigned char>(table.m_cSeparator));
  SParseState state{&table, {}, bUtf8};
  const std::size_t done =
      csv_parse(parser.Get(), bytes.data(), bytes.size(), OnField, OnRowEnd, &state);
  const bool parsed = done == bytes.size() &&
                      csv_fini(parser.Get(), OnField, OnRowEnd, &state) == 0 &&
                      csv_error(parser.Get()) == CSV_SUCCESS;
  if (!parsed) {
    const int code = csv_error(parser.Get());
    if (code == CSV_ENOMEM || code == CSV_ETOOBIG) {
      error = "There is not enough memory to read the file.";
    } else {
      error = "Row " + FormatInt(static_cast<int>(table.m_rows.size()) + 1) +
              ": the quotes are not paired (a quoted cell that is not closed, or a quote inside "
              "a cell that is not quoted).";
    }
    table.m_rows.clear();
    return false;
  }
  return true;
}

std::string ShortestNumber(double d) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d);
  if (ec != std::errc()) return Format("%.17g", d);
  return std::string(buffer, end);
}

CCsvWriter::CCsvWriter() : m_bytes(kUtf8Bom) {}

void CCsvWriter::Separate() {
  if (m_bRowStarted) m_bytes += ',';
  m_bRowStarted = true;
}

void CCsvWriter::Text(std::string_view cp1252) {
  Separate();
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  const std::size_t size =
      utf8.size() + 2 + static_cast<std::size_t>(std::count(utf8.begin(), utf8.end(), '"'));
  const std::size_t at = m_bytes.size();
  m_bytes.resize(at + size);
  csv_write(m_bytes.data() + at, size, utf8.data(), utf8.size());
}

void CCsvWriter::Number(double d) {
  Separate();
  m_bytes += ShortestNumber(d);
}

void CCsvWriter::Integer(int n) {
  Separate();
  m_bytes += FormatInt(n);
}

void CCsvWriter::Empty() { Separate(); }

void CCsvWriter::EndRow() {
  m_bytes += "\r\n";
  m_bRowStarted = false;
}

}  // namespace zev
