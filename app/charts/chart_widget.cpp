#include "app/charts/chart_widget.h"

#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/dialogs/qt_text.h"
#include "io/atomic_file.h"
#include "model/prompter.h"

namespace zev {

namespace {

// The share of a category the bars of one point fill.
constexpr double kBarWidth = 0.7;
// A press this close to a marker picks it, in pixels.
constexpr double kPickDistance = 12.0;
// More series than this put the legend beside the chart, one to a line.
constexpr int kLegendRowSeries = 6;
const QColor kColourPoint(0x8c, 0x8c, 0x8c);
const QColor kLineColour(0xb0, 0x30, 0x30);

QStringList Categories(const ChartContent& content) {
  // The category axis merges equal names; invisible marks keep them apart.
  QStringList categories;
  for (const std::string& label : content.m_strPointLabels) {
    QString text = ToQt(label);
    while (categories.contains(text)) text += QChar(0x200B);
    categories << text;
  }
  return categories;
}

bool IsBarKind(EChartKind kind) { return kind == EChartKind::Bars || kind == EChartKind::Stacked; }

}  // namespace

// Where the content's values sit in a chart built by NewChart, in chart
// coordinates.
class CChartLayout {
 public:
  CChartLayout(QChart& chart, const ChartContent& content) : m_chart(chart), m_content(content) {}

  bool IsUsable() const {
    return !m_chart.series().isEmpty() && m_content.SeriesCount() > 0 && m_content.PointCount() > 0;
  }

  // Where a point's value is drawn (the top of its bar or segment, or its
  // marker), for its own value or another.
  QPointF Anchor(int s, int p) const { return Anchor(s, p, m_content.Value(s, p)); }
  QPointF Anchor(int s, int p, double value) const {
    const double x = DomainX(s, p) + (m_content.m_kind == EChartKind::Bars      ? BarStep() / 2
                                      : m_content.m_kind == EChartKind::Stacked ? kBarWidth / 2
                                                                                : 0.0);
    return Map({x, Base(s, p) + value}, s);
  }

  // The columns a bar may be picked in: the bar's width over the whole plot.
  QRectF Column(int s, int p) const {
    const double left = DomainX(s, p);
    const double width = m_content.m_kind == EChartKind::Bars ? BarStep() : kBarWidth;
    const QRectF plot = m_chart.plotArea();
    const double x0 = Map({left, 0}, s).x();
    const double x1 = Map({left + width, 0}, s).x();
    return {QPointF(std::min(x0, x1), plot.top()), QPointF(std::max(x0, x1), plot.bottom())};
  }

  // The bar or point under a position; false when there is none.
  bool HitTest(QPointF position, int& s, int& p) const {
    if (!IsUsable()) return false;
    if (IsBarKind(m_content.m_kind)) {
      for (int pp = 0; pp < m_content.PointCount(); ++pp) {
        for (int ss = 0; ss < m_content.SeriesCount(); ++ss) {
          if (!Column(ss, pp).contains(position)) continue;
          p = pp;
          s = m_content.m_kind == EChartKind::Bars ? ss : SegmentAt(pp, position);
          return true;
        }
      }
      return false;
    }
    double best = kPickDistance;
    bool found = false;
    for (int ss = 0; ss < m_content.SeriesCount(); ++ss) {
      for (int pp = 0; pp < m_content.PointCount(); ++pp) {
        const double d = QLineF(Anchor(ss, pp), position).length();
        if (d < best) {
          best = d;
          s = ss;
          p = pp;
          found = true;
        }
      }
    }
    return found;
  }

  // The value (s, p) takes when its top or marker is moved to the height
  // of a position.
  double ValueAt(int s, int p, QPointF position) const {
    return m_chart.mapToValue(position, Series(s)).y() - Base(s, p);
  }

 private:
  QAbstractSeries* Series(int s) const {
    const QList<QAbstractSeries*> list = m_chart.series();
    return IsBarKind(m_content.m_kind) ? list.front() : list.value(s, list.front());
  }
  QPointF Map(QPointF domain, int s) const { return m_chart.mapToPosition(domain, Series(s)); }

  double BarStep() const { return kBarWidth / std::max(1, m_content.SeriesCount()); }

  // The left edge of a bar, or a marker's x.
  double DomainX(int s, int p) const {
    switch (m_content.m_kind) {
      case EChartKind::Bars:
        return p - kBarWidth / 2 + s * BarStep();
      case EChartKind::Stacked:
        return p - kBarWidth / 2;
      case EChartKind::Points:
        return static_cast<std::size_t>(p) < m_content.m_dPointX.size()
                   ? m_content.m_dPointX[static_cast<std::size_t>(p)]
                   : p;
      case EChartKind::Curves:
        break;
    }
    return p;
  }

  // Where a stacked segment starts: positive values stack upwards from 0,
  // negative ones downwards.
  double Base(int s, int p) const {
    if (m_content.m_kind != EChartKind::Stacked) return 0.0;
    const bool bUp = m_content.Value(s, p) >= 0;
    double base = 0.0;
    for (int i = 0; i < s; ++i) {
      const double v = m_content.Value(i, p);
      if ((v >= 0) == bUp) base += v;
    }
    return base;
  }

  // The segment of a stacked bar at a height: the one containing it, else
  // the top one.
  int SegmentAt(int p, QPointF position) const {
    const double y = m_chart.mapToValue(position, Series(0)).y();
    for (int s = 0; s < m_content.SeriesCount(); ++s) {
      const double a = Base(s, p);
      const double b = a + m_content.Value(s, p);
      if (y >= std::min(a, b) && y <= std::max(a, b)) return s;
    }
    return m_content.SeriesCount() - 1;
  }

  QChart& m_chart;
  const ChartContent& m_content;
};

namespace {

// What the series cannot draw themselves: value labels, the names of
// scatter points and the labelled constant line, painted over the plot.
class CChartOverlay : public QGraphicsItem {
 public:
  static constexpr int kType = UserType + 1;

  CChartOverlay(QChart* chart, const ChartContent& content)
      : QGraphicsItem(chart), m_chart(*chart), m_content(content) {
    setZValue(1000);
  }

  int type() const override { return kType; }
  QRectF boundingRect() const override { return m_chart.rect(); }
  ChartContent& Content() { return m_content; }

  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    CChartLayout layout(m_chart, m_content);
    if (!layout.IsUsable()) return;
    painter->save();
    painter->setClipRect(m_chart.plotArea().adjusted(-1, -40, 1, 1));
    QFont font = m_chart.axes().isEmpty() ? painter->font() : m_chart.axes().front()->labelsFont();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    painter->setFont(font);
    PaintLine(*painter);
    for (int s = 0; s < m_content.SeriesCount(); ++s) {
      const SChartSeries& series = m_content.m_series[static_cast<std::size_t>(s)];
      for (int p = 0; p < m_content.PointCount(); ++p) {
        const QPointF anchor = layout.Anchor(s, p);
        if (static_cast<std::size_t>(p) < series.m_strValueLabels.size()) {
          PaintValueLabel(*painter, anchor,
                          ToQt(series.m_strValueLabels[static_cast<std::size_t>(p)]),
                          m_content.Value(s, p) < 0);
        }
        if (m_content.m_kind == EChartKind::Points && s == 0) {
          painter->setPen(Qt::black);
          painter->drawText(anchor + QPointF(6, -6),
                            ToQt(m_content.m_strPointLabels[static_cast<std::size_t>(p)]));
        }
      }
    }
    painter->restore();
  }

 private:
  void PaintValueLabel(QPainter& painter, QPointF anchor, const QString& text, bool bBelow) {
    if (text.isEmpty()) return;
    const QFontMetricsF metrics(painter.font());
    QRectF box(0, 0, metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    box.moveCenter(anchor);
    box.moveTop(bBelow ? anchor.y() + 3 : anchor.y() - 3 - box.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(box, Qt::AlignCenter, text);
  }

  void PaintLine(QPainter& painter) {
    if (!m_content.m_line || m_chart.series().isEmpty()) return;
    const QRectF plot = m_chart.plotArea();
    const double x =
        m_chart.mapToPosition(QPointF(m_content.m_line->m_dPosition, 0), m_chart.series().front())
            .x();
    if (x < plot.left() - 0.5 || x > plot.right() + 0.5) return;
    painter.setPen(QPen(kLineColour, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(kLineColour);
    painter.drawText(QPointF(x + 4, plot.top() + QFontMetricsF(painter.font()).ascent() + 2),
                     ToQt(m_content.m_line->m_strLabel));
  }

  QChart& m_chart;
  ChartContent m_content;
};

CChartOverlay* OverlayOf(QChart* chart) {
  for (QGraphicsItem* item : chart->childItems()) {
    if (item->type() == CChartOverlay::kType) return static_cast<CChartOverlay*>(item);
  }
  return nullptr;
}

// The smallest and largest height the content reaches, with 0.
std::pair<double, double> ValueExtent(const ChartContent& c) {
  double lo = 0.0, hi = 0.0;
  for (int p = 0; p < c.PointCount(); ++p) {
    double up = 0.0, down = 0.0;
    for (int s = 0; s < c.SeriesCount(); ++s) {
      const double v = c.Value(s, p);
      if (!std::isfinite(v)) continue;
      if (c.m_kind == EChartKind::Stacked) {
        (v >= 0 ? up : down) += v;
      } else {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
      }
    }
    lo = std::min(lo, down);
    hi = std::max(hi, up);
  }
  return {lo, hi};
}

QValueAxis* NewValueAxis(const std::optional<SChartRange>& range, double lo, double hi,
                         bool bHeadroom) {
  auto* axis = new QValueAxis;
  if (range) {
    axis->setRange(range->m_dMin, range->m_dMax);
  } else {
    if (hi - lo < 1e-12) hi = lo + 1.0;
    if (bHeadroom) hi += (hi - lo) * 0.08;
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
  }
  axis->setLabelFormat("%.4g");
  return axis;
}

void AddBarSeries(QChart& chart, const ChartContent& c, QAbstractAxis* x, QAbstractAxis* y) {
  QAbstractBarSeries* series = c.m_kind == EChartKind::Stacked
                                   ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                   : new QBarSeries;
  series->setBarWidth(kBarWidth);
  for (int s = 0; s < c.SeriesCount(); ++s) {
    auto* set = new QBarSet(ToQt(c.m_series[static_cast<std::size_t>(s)].m_strLegend));
    for (int p = 0; p < c.PointCount(); ++p) *set << c.Value(s, p);
    series->append(set);
    if (c.m_nColourPoint >= 0 && c.m_nColourPoint < c.PointCount()) {
      set->setSelectedColor(kColourPoint);
      set->selectBar(c.m_nColourPoint);
    }
  }
  chart.addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

void AddXYSeries(QChart& chart, const ChartContent& c, QAbstractAxis* x, QAbstractAxis* y) {
  for (int s = 0; s < c.SeriesCount(); ++s) {
    QXYSeries* series = nullptr;
    if (c.m_kind == EChartKind::Points) {
      auto* scatter = new QScatterSeries;
      scatter->setMarkerSize(10);
      series = scatter;
    } else {
      auto* line = new QLineSeries;
      line->setPointsVisible(true);
      series = line;
    }
    series->setName(ToQt(c.m_series[static_cast<std::size_t>(s)].m_strLegend));
    for (int p = 0; p < c.PointCount(); ++p) {
      const double px =
          c.m_kind == EChartKind::Points && static_cast<std::size_t>(p) < c.m_dPointX.size()
              ? c.m_dPointX[static_cast<std::size_t>(p)]
              : p;
      series->append(px, c.Value(s, p));
    }
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    if (c.m_kind == EChartKind::Curves) {
      // After addSeries, which gives the series its colour.
      QPen pen = series->pen();
      pen.setWidthF(2.0);
      series->setPen(pen);
    }
    if (c.m_nColourPoint >= 0 && c.m_nColourPoint < c.PointCount()) {
      series->setPointConfiguration(c.m_nColourPoint, QXYSeries::PointConfiguration::Color,
                                    kColourPoint);
    }
  }
}

QAbstractAxis* NewXAxis(const ChartContent& c) {
  if (c.m_kind != EChartKind::Points) {
    auto* axis = new QBarCategoryAxis;
    axis->append(Categories(c));
    // Short labels (the weights of a rank change graph) are shown whole:
    // the axis would elide them long before they meet.
    constexpr std::size_t kShortLabel = 5;
    axis->setTruncateLabels(
        !std::all_of(c.m_strPointLabels.begin(), c.m_strPointLabels.end(),
                     [](const std::string& s) { return s.size() <= kShortLabel; }));
    return axis;
  }
  double lo = 0.0, hi = 1.0;
  if (!c.m_dPointX.empty()) {
    lo = *std::min_element(c.m_dPointX.begin(), c.m_dPointX.end());
    hi = *std::max_element(c.m_dPointX.begin(), c.m_dPointX.end());
    const double pad = hi - lo < 1e-12 ? 1.0 : (hi - lo) * 0.05;
    lo -= pad;
    hi += pad;
  }
  auto* axis = NewValueAxis(c.m_xRange, lo, hi, false);
  if (!c.m_xRange && c.m_dPointX.empty())
    axis->setRange(-0.5, std::max(0, c.PointCount() - 1) + 0.5);
  return axis;
}

}  // namespace

QChart* NewChart(const ChartContent& c) {
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setTitle(ToQt(c.m_strTitle));
  QFont titleFont = chart->titleFont();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
  chart->setTitleFont(titleFont);

  QAbstractAxis* x = NewXAxis(c);
  x->setTitleText(ToQt(c.m_strXTitle));
  bool bLabels = false;
  for (const SChartSeries& s : c.m_series) bLabels = bLabels || !s.m_strValueLabels.empty();
  const auto [lo, hi] = ValueExtent(c);
  QValueAxis* y = NewValueAxis(c.m_range, lo, hi, bLabels);
  y->setTitleText(ToQt(c.m_strYTitle));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  if (c.PointCount() > 0) {
    if (IsBarKind(c.m_kind))
      AddBarSeries(*chart, c, x, y);
    else
      AddXYSeries(*chart, c, x, y);
  }
  chart->legend()->setVisible(c.SeriesCount() > 0);
  // A long legend (the graphs of up to 20 alternatives) reads down the
  // right side; a short one sits under the chart.
  chart->legend()->setAlignment(c.SeriesCount() > kLegendRowSeries ? Qt::AlignRight
                                                                   : Qt::AlignBottom);

  auto* overlay = new CChartOverlay(chart, c);
  QObject::connect(chart, &QChart::plotAreaChanged, chart, [overlay] { overlay->update(); });
  return chart;
}

void RenderChart(const ChartContent& content, QPainter& painter, const QRectF& target) {
  QGraphicsScene scene;
  QChart* chart = NewChart(content);
  scene.addItem(chart);
  // Laid out in screen pixels, so that fonts keep their size against the
  // chart on a device of any resolution, then scaled to the target.
  const QPaintDevice* device = painter.device();
  chart->resize(target.width() * 96.0 / device->logicalDpiX(),
                target.height() * 96.0 / device->logicalDpiY());
  chart->layout()->activate();
  // Lays the series out for the new size before drawing.
  QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  scene.render(&painter, target, chart->rect());
}

// ---------------------------------------------------------------------------

CChartWidget::CChartWidget(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_pToolBar = new QToolBar(tr("Chart"), this);
  m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  m_pToolBar->hide();
  layout->addWidget(m_pToolBar);
  m_pView = new QChartView(NewChart(m_content), this);
  m_pView->setRenderHint(QPainter::Antialiasing);
  m_pView->viewport()->installEventFilter(this);
  m_pView->viewport()->setMouseTracking(true);
  layout->addWidget(m_pView, 1);

  // The same commands on the tool bar and on the chart's context menu,
  // which also shows or hides the tool bar.
  setContextMenuPolicy(Qt::ActionsContextMenu);
  m_pToolBarAction = new QAction(tr("&Tool Bar"), this);
  m_pToolBarAction->setObjectName("toolBarAction");
  m_pToolBarAction->setCheckable(true);
  connect(m_pToolBarAction, &QAction::triggered, this, &CChartWidget::SetToolBarVisible);
  addAction(m_pToolBarAction);
  auto add = [this](const QString& text, const QString& tip, void (CChartWidget::*slot)()) {
    QAction* action = new QAction(text, this);
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, slot);
    m_pToolBar->addAction(action);
    addAction(action);
  };
  add(tr("Save &Image..."), tr("Save the chart as a PNG picture or an SVG drawing"),
      &CChartWidget::SaveImage);
  add(tr("C&opy"), tr("Copy the chart to the clipboard as a picture"),
      &CChartWidget::CopyToClipboard);
  add(tr("&Print..."), tr("Print the chart"), &CChartWidget::Print);
}

CChartWidget::~CChartWidget() = default;

QChart* CChartWidget::Chart() const { return m_pView->chart(); }

void CChartWidget::ShowChart(const ChartContent& content) {
  m_content = content;
  m_nDragSeries = m_nDragPoint = -1;
  QChart* old = m_pView->chart();
  m_pView->setChart(NewChart(m_content));
  delete old;
}

void CChartWidget::SetToolBarVisible(bool b) {
  m_pToolBar->setVisible(b);
  m_pToolBarAction->setChecked(b);
}

bool CChartWidget::IsToolBarVisible() const { return !m_pToolBar->isHidden(); }

QPointF CChartWidget::ToChart(QPoint viewportPosition) const {
  return Chart()->mapFromScene(m_pView->mapToScene(viewportPosition));
}

QPoint CChartWidget::PointPosition(int nSeries, int nPoint) const {
  return ValuePosition(nSeries, nPoint, m_content.Value(nSeries, nPoint));
}

QPoint CChartWidget::ValuePosition(int nSeries, int nPoint, double dValue) const {
  const QPointF inChart = CChartLayout(*Chart(), m_content).Anchor(nSeries, nPoint, dValue);
  const QPoint inViewport = m_pView->mapFromScene(Chart()->mapToScene(inChart));
  return m_pView->viewport()->mapTo(this, inViewport);
}

void CChartWidget::Preview(double dValue) {
  QChart* chart = Chart();
  const int s = m_nDragSeries, p = m_nDragPoint;
  if (IsBarKind(m_content.m_kind)) {
    auto* series = qobject_cast<QAbstractBarSeries*>(chart->series().front());
    if (series && s < series->count()) series->barSets().at(s)->replace(p, dValue);
  } else if (auto* series = qobject_cast<QXYSeries*>(chart->series().value(s))) {
    series->replace(p, QPointF(series->at(p).x(), dValue));
  }
  if (CChartOverlay* overlay = OverlayOf(chart)) {
    overlay->Content()
        .m_series[static_cast<std::size_t>(s)]
        .m_dValues[static_cast<std::size_t>(p)] = dValue;
    overlay->update();
  }
}

bool CChartWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_pView->viewport() || !m_bDragEnabled)
    return QWidget::eventFilter(watched, event);
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return QWidget::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPointF position = ToChart(mouse->position().toPoint());
  CChartLayout layout(*Chart(), m_content);
  int s = -1, p = -1;
  if (type == QEvent::MouseButtonPress) {
    if (mouse->button() != Qt::LeftButton || !layout.HitTest(position, s, p)) return false;
    m_nDragSeries = s;
    m_nDragPoint = p;
    return true;
  }
  if (m_nDragSeries < 0) {
    if (type == QEvent::MouseMove) {
      m_pView->viewport()->setCursor(layout.HitTest(position, s, p) ? Qt::SizeVerCursor
                                                                    : Qt::ArrowCursor);
    }
    return false;
  }
  const double value = layout.ValueAt(m_nDragSeries, m_nDragPoint, position);
  if (type == QEvent::MouseMove) {
    Preview(value);
    return true;
  }
  Preview(value);
  s = m_nDragSeries;
  p = m_nDragPoint;
  m_nDragSeries = m_nDragPoint = -1;
  m_content.m_series[static_cast<std::size_t>(s)].m_dValues[static_cast<std::size_t>(p)] = value;
  emit PointDragged(s, p, value);
  return true;
}

// --- export ---------------------------------------------------------------

namespace {

// The size of an exported chart: as on screen, but never cramped.
QSize ExportSize(const QWidget& view) {
  return view.isVisible() ? view.size().expandedTo(QSize(480, 320)) : QSize(800, 560);
}

QImage ChartImage(const ChartContent& content, QSize size, double scale) {
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  RenderChart(content, painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

}  // namespace

namespace {

// A chart is written like every file of the program: whole or not at all,
// through a link to its target, never over a read-only file.
bool WriteChartFile(const QString& path, const QByteArray& bytes) {
  std::string error;
  return WriteFileAtomically(PathFromQt(path),
                             std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                             error);
}

}  // namespace

bool CChartWidget::SavePng(const QString& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return ChartImage(m_content, ExportSize(*m_pView), 2.0).save(&buffer, "PNG") &&
         WriteChartFile(path, bytes);
}

bool CChartWidget::SaveSvg(const QString& path) const {
  const QSize size = ExportSize(*m_pView);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(96);
  svg.setTitle(ToQt(m_content.m_strTitle));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  RenderChart(m_content, painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return painter.end() && WriteChartFile(path, bytes);
}

void CChartWidget::SaveImage() {
  SFileChoice choice;
  choice.m_bSave = true;
  choice.m_strTitle = "Save the Chart";
  choice.m_strFilter = "PNG Pictures (*.png)|*.png|SVG Drawings (*.svg)|*.svg||";
  choice.m_strDefaultExt = "png";
  choice.m_strPath = "chart.png";
  if (!ThePrompter().ChooseFile(choice)) return;
  const QString path = PathToQt(choice.m_strPath);
  const bool bSaved = path.endsWith(".svg", Qt::CaseInsensitive) ? SaveSvg(path) : SavePng(path);
  if (!bSaved)
    ThePrompter().Warning("The chart cannot be saved in the file <" + choice.m_strPath + ">.");
}

void CChartWidget::CopyToClipboard() {
  QApplication::clipboard()->setImage(ChartImage(m_content, ExportSize(*m_pView), 2.0));
}

void CChartWidget::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  // The chart keeps the proportions it has on screen.
  QSizeF size = QSizeF(ExportSize(*m_pView)).scaled(page.size(), Qt::KeepAspectRatio);
  RenderChart(m_content, painter, QRectF(QPointF(0, 0), size));
}

}  // namespace zev
