#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/madm_doc.h"

namespace zev {

// The model file (".zev"): the archive of one document. Attributes 0..A,
// the conversion blocks of attributes 1..A, then the alternatives as
// tagged objects of the class "CAlternative", schema 1. There is no magic
// number or checksum, so the reader checks everything it reads.
//
// Reading and writing work on byte buffers; the file-name functions put the
// file system around them. Nothing here shows anything except the attribute
// limit message, which reading a file with more than 51 attributes shows
// through the prompter (a warning) before it refuses the file; every other
// failure comes back as a value for the caller to show.

// For the file choosers.
inline constexpr const char* kModelFileFilter =
    "ZEV Model Files (*.zev)|*.zev|All Files (*.*)|*.*||";
// The default extension as a file chooser takes it (without the point).
inline constexpr const char* kModelFileExtension = "zev";

// Why a model could not be read or written.
struct SFileError {
  // The file concerned; empty when reading from a buffer.
  std::string m_strPath;
  // What is wrong, in words ("the grade count 25 of attribute 3 is outside
  // 1..20"); for a file that could not be read or written at all, the
  // complete message.
  std::string m_strProblem;
  // Where in the bytes the problem was found.
  bool m_bHasOffset = false;
  std::size_t m_nOffset = 0;
  // The model does not fit into the memory available; m_strProblem, when
  // not empty, says how much it needs.
  bool m_bNoMemory = false;

  // The message to show the user (a warning box, or standard error). Like
  // every text of the core it is in code page 1252; the file name, which
  // the file system gives in UTF-8, is converted.
  std::string Message() const;
};

// Reads a model from the bytes of a model file into `doc`.
//
// On success the document holds the model exactly as the file describes it:
// attribute 0 and the first alternative are selected, the document is not
// modified, and its subscribers are told with EDocChange::Loaded. The
// document's subscribers, rule deriver and clipboard stay as they were.
//
// On failure nothing of `doc` has changed (the whole file is read and checked
// before the document is touched) and `error` says what is wrong and at which
// byte. Refused are: bytes that end early, a bad object tag, an unknown class
// or schema, more than 51 attributes (after the limit message), an unknown
// attribute type or conversion basis, a grade or possible-value count outside
// 1..20, an alternative with more than 51 records, tree links that do not
// form one tree under attribute 0 (a father, sibling or own index outside
// 0..A, loops, wrong child counts, broken sibling chains, a quantitative
// attribute with sub-attributes; an own index inside 0..A is set to the
// attribute's slot), a weight whose "%1.4lf" text is not a
// non-negative number (negative, not a number or infinite: every
// preparation of an alternative would refuse it with a warning), positions
// of more than 1,000,000,000 pixels, and a file without alternatives. Other
// numbers load as they are, infinities and not-a-numbers included: the
// program can hold them itself after extreme input, and they must not make
// its own files unreadable. Bytes after the last alternative are ignored,
// as they always were.
//
// Before it allocates the alternatives the reader estimates the memory they
// need; a model that needs more than the system has available is refused
// (m_bNoMemory), and so is one whose allocation fails all the same.
//
// The same reader serves merging: read into a separate document.
bool ReadModel(std::string_view bytes, CMADMDoc& doc, SFileError& error);

// Checks that the bytes are a model file that ReadModel accepts, without
// building the model (and without showing the attribute limit message).
bool CheckModel(std::string_view bytes, SFileError& error);

// The same for a file: reads it whole, then ReadModel. The error names the
// file.
bool LoadModelFile(const std::string& path, CMADMDoc& doc, SFileError& error);

// The bytes of the model file of `doc`. Before writing, every alternative's
// records 0..A take the grade count of their attribute, so that the belief
// degrees are written with the current number of grades; nothing else of the
// document changes.
std::string WriteModel(CMADMDoc& doc);

// Writes the model file through WriteFileAtomically: the previous file stays
// intact on any failure, and the bytes are written only if CheckModel accepts
// them, so that a save never replaces a file by one that does not open. On
// success the document is no longer modified; on failure it stays modified
// and `error` says why.
bool SaveModelFile(const std::string& path, CMADMDoc& doc, SFileError& error);

}  // namespace zev
