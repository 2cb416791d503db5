#include "app/report_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextObjectInterface>
#include <QTextTable>
#include <QUrl>

#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"
#include "io/atomic_file.h"
#include "model/prompter.h"

namespace zev {

namespace {

constexpr int kChartObjectType = QTextFormat::UserObject + 1;
constexpr int kChartIndexProperty = QTextFormat::UserProperty + 1;
// A chart on the page, in the document's units (pixels at 96 per inch):
// 16 by 9 centimetres.
const QSizeF kChartSize(605, 340);
// The size a chart is drawn at before it is fitted to the page: a little
// larger, so that its texts are smaller than the report's and axis labels
// fit under their bars.
const QSizeF kChartDrawingSize(720, 405);
// Pictures of charts for the OpenDocument text, at twice that resolution.
constexpr int kPictureScale = 2;
constexpr double kIndentPerLevel = 14.0;

// Draws a chart where the document holds its placeholder, as vector
// graphics on whatever device the document is painted on.
class CChartObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  CChartObject(const SDecisionReport& report, QObject* parent)
      : QObject(parent), m_report(report) {}

  // In the units of the device the document is laid out for: a printer
  // lays it out in its own dots.
  QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat&) override {
    const QPaintDevice* device = doc->documentLayout()->paintDevice();
    if (!device) return kChartSize;
    return QSizeF(kChartSize.width() * device->logicalDpiX() / 96.0,
                  kChartSize.height() * device->logicalDpiY() / 96.0);
  }
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const auto i = static_cast<std::size_t>(format.property(kChartIndexProperty).toInt());
    if (i >= m_report.m_blocks.size()) return;
    // Recorded at screen resolution, where the chart's fonts and its
    // drawing agree, and played back scaled: still vector graphics.
    QPicture picture;
    {
      QPainter recorder(&picture);
      RenderChart(m_report.m_blocks[i].m_chart, recorder, QRectF(QPointF(0, 0), kChartDrawingSize));
    }
    // Playing it back already scales it from its resolution to the device's.
    const QPaintDevice* device = painter->device();
    const double played = kChartDrawingSize.width() * device->logicalDpiX() / picture.logicalDpiX();
    const double scale = played > 0 ? rect.width() / played : 1.0;
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(scale, scale);
    painter->drawPicture(0, 0, picture);
    painter->restore();
  }

 private:
  const SDecisionReport& m_report;
};

QTextCharFormat TextFormat(double pointSize, bool bBold, QColor colour = Qt::black) {
  QTextCharFormat format;
  format.setFontPointSize(pointSize);
  format.setFontWeight(bBold ? QFont::Bold : QFont::Normal);
  format.setForeground(colour);
  return format;
}

// Appends the report's blocks to a document at its end.
class CDocumentBuilder {
 public:
  CDocumentBuilder(QTextDocument& doc, const SDecisionReport& report, bool bVectorCharts)
      : m_doc(doc), m_report(report), m_cursor(&doc), m_bVectorCharts(bVectorCharts) {}

  void Build() {
    for (std::size_t i = 0; i < m_report.m_blocks.size(); ++i) Add(i);
  }

 private:
  void Add(std::size_t i) {
    const SReportBlock& block = m_report.m_blocks[i];
    switch (block.m_kind) {
      case EReportBlock::PageBreak:
        m_bPageBreak = true;
        return;
      case EReportBlock::Title:
        Text(block.m_strText, TextFormat(20, true), 0, 4);
        return;
      case EReportBlock::Subtitle:
        Text(block.m_strText, TextFormat(11, false, QColor(0x55, 0x55, 0x55)), 0, 18);
        return;
      case EReportBlock::Heading:
        Text(block.m_strText, TextFormat(15, true, QColor(0x1f, 0x3a, 0x5f)), 6, 8);
        return;
      case EReportBlock::Label:
        Text(block.m_strText, TextFormat(10, true), 10, 4);
        return;
      case EReportBlock::Paragraph:
        Text(block.m_strText, TextFormat(10, false), 0, 6);
        return;
      case EReportBlock::Table:
        Table(block.m_table);
        return;
      case EReportBlock::Chart:
        Chart(i);
        return;
    }
  }

  // Starts a block of its own (the document's first block is there already).
  void NewBlock(QTextBlockFormat format) {
    if (m_bPageBreak) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_bPageBreak = false;
    m_cursor.movePosition(QTextCursor::End);
    if (m_bStarted)
      m_cursor.insertBlock(format);
    else
      m_cursor.setBlockFormat(format);
    m_bStarted = true;
  }

  void Text(const std::string& text, const QTextCharFormat& format, double above, double below) {
    QTextBlockFormat block;
    block.setTopMargin(above);
    block.setBottomMargin(below);
    NewBlock(block);
    m_cursor.setCharFormat(format);
    m_cursor.insertText(ToQt(text), format);
  }

  void Table(const SReportTable& table) {
    NewBlock({});
    const int columns = static_cast<int>(table.m_strHeader.size());
    const int rows = static_cast<int>(table.m_rows.size()) + 1;
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderBrush(QColor(0xb0, 0xb0, 0xb0));
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setBottomMargin(10);
    QTextTable* t = m_cursor.insertTable(rows, columns, format);
    for (int c = 0; c < columns; ++c) {
      const bool numeric = c < static_cast<int>(table.m_bNumeric.size()) && table.m_bNumeric[c];
      for (int r = 0; r < rows; ++r) {
        QTextTableCell cell = t->cellAt(r, c);
        if (r == 0) {
          QTextCharFormat shade = cell.format();
          shade.setBackground(QColor(0xe8, 0xed, 0xf3));
          cell.setFormat(shade);
        }
        QTextCursor at = cell.firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(numeric ? Qt::AlignRight : Qt::AlignLeft);
        if (r > 0 && c == 0 && r - 1 < static_cast<int>(table.m_nIndent.size())) {
          block.setLeftMargin(kIndentPerLevel * table.m_nIndent[static_cast<std::size_t>(r - 1)]);
        }
        at.setBlockFormat(block);
        const std::string& text =
            r == 0 ? table.m_strHeader[static_cast<std::size_t>(c)]
                   : table.m_rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)];
        at.insertText(ToQt(text), TextFormat(9.5, r == 0));
      }
    }
  }

  void Chart(std::size_t i) {
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    block.setTopMargin(6);
    block.setBottomMargin(10);
    NewBlock(block);
    if (m_bVectorCharts) {
      QTextCharFormat format;
      format.setObjectType(kChartObjectType);
      format.setProperty(kChartIndexProperty, static_cast<int>(i));
      m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
      return;
    }
    QImage picture((kChartDrawingSize * kPictureScale).toSize(), QImage::Format_ARGB32);
    picture.setDevicePixelRatio(kPictureScale);
    picture.fill(Qt::white);
    {
      QPainter painter(&picture);
      RenderChart(m_report.m_blocks[i].m_chart, painter, QRectF(QPointF(0, 0), kChartDrawingSize));
    }
    const QUrl name(QStringLiteral("chart%1.png").arg(i));
    m_doc.addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(kChartSize.width());
    format.setHeight(kChartSize.height());
    m_cursor.insertImage(format);
  }

  QTextDocument& m_doc;
  const SDecisionReport& m_report;
  QTextCursor m_cursor;
  bool m_bVectorCharts;
  bool m_bStarted = false;
  bool m_bPageBreak = false;
};

void Build(QTextDocument& doc, const SDecisionReport& report, bool bVectorCharts) {
  doc.setMetaInformation(QTextDocument::DocumentTitle, ToQt(report.m_strName));
  QFont font = doc.defaultFont();
  font.setPointSizeF(10);
  doc.setDefaultFont(font);
  if (bVectorCharts) {
    doc.documentLayout()->registerHandler(kChartObjectType, new CChartObject(report, &doc));
  }
  CDocumentBuilder(doc, report, bVectorCharts).Build();
}

}  // namespace

EReportFormat ReportFormatOf(const QString& path) {
  return path.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive) ? EReportFormat::Odt
                                                                    : EReportFormat::Pdf;
}

std::unique_ptr<QTextDocument> ReportDocument(const SDecisionReport& report) {
  auto doc = std::make_unique<QTextDocument>();
  Build(*doc, report, false);
  return doc;
}

bool ExportDecisionReport(CMADMDoc& doc, const std::string& path) {
  const QString date = QLocale(QLocale::English).toString(QDate::currentDate(), "d MMMM yyyy");
  const SDecisionReport report = BuildDecisionReport(doc, FromQt(date));
  QByteArray bytes;
  std::string error;
  if (!RenderReport(report, ReportFormatOf(PathToQt(path)), bytes)) {
    ThePrompter().Warning("The report could not be laid out for <" + Utf8ToCp1252(path) + ">.");
    return false;
  }
  if (!WriteFileAtomically(
          path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
          error)) {
    ThePrompter().Warning(Utf8ToCp1252(error));
    return false;
  }
  return true;
}

bool RenderReport(const SDecisionReport& report, EReportFormat format, QByteArray& bytes) {
  bytes.clear();
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  if (format == EReportFormat::Odt) {
    const std::unique_ptr<QTextDocument> doc = ReportDocument(report);
    QTextDocumentWriter writer(&buffer, "odf");
    return writer.write(doc.get());
  }
  QTextDocument doc;
  Build(doc, report, true);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setTitle(ToQt(report.m_strName));
  writer.setCreator(QStringLiteral("ZEV"));
  doc.print(&writer);
  return !bytes.isEmpty();
}

}  // namespace zev

#include "report_writer.moc"
