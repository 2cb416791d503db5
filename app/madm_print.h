#pragma once

#include "model/madm_doc.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zev {

// Prints the box diagram: view units (1/96 inch) scaled to the printer's
// vertical resolution, the whole scroll extent over as many pages as it needs,
// row by row. Returns the number of pages.
int PrintDiagram(QPrinter& printer, const CMADMDoc& doc);
// The same on any paged device (a PDF writer in tests).
int PrintDiagram(QPagedPaintDevice& device, const CMADMDoc& doc);

}  // namespace zev
