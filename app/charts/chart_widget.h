#pragma once

#include <QRectF>
#include <QWidget>
#include <memory>

#include "analysis/chart_content.h"

class QAction;
class QChart;
class QChartView;
class QPainter;
class QToolBar;

namespace zev {

class CChartLayout;

// Builds the Qt chart of a content: series of the content's kind over the
// point labels, the value axis over the fixed range or fitted to the
// values, the coloured point, and an overlay with the value labels, the
// names of scatter points and the labelled constant line. The caller owns it.
QChart* NewChart(const ChartContent& content);

// Draws a content into any paint device as vector graphics (a PDF writer,
// a printer, an SVG generator), filling `target`.
void RenderChart(const ChartContent& content, QPainter& painter, const QRectF& target);

// The one chart widget: draws any ChartContent, lets the user drag a bar or
// point to a new value where the window allows it, and has its own tool
// bar (save as PNG or SVG, copy to the clipboard, print), hidden until
// shown; the chart's context menu has the same commands and shows or hides
// the tool bar.
class CChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CChartWidget(QWidget* parent = nullptr);
  ~CChartWidget() override;

  // Replaces whatever the chart showed.
  void ShowChart(const ChartContent& content);
  const ChartContent& Content() const { return m_content; }

  // Whether bars and points can be dragged (off by default).
  void SetDragEnabled(bool b) { m_bDragEnabled = b; }
  bool IsDragEnabled() const { return m_bDragEnabled; }

  void SetToolBarVisible(bool b);
  bool IsToolBarVisible() const;
  // "&Tool Bar": shows or hides the tool bar.
  void ToggleToolBar() { SetToolBarVisible(!IsToolBarVisible()); }

  // The tool bar's commands. The file is chosen through the prompter.
  void SaveImage();
  bool SavePng(const QString& path) const;
  bool SaveSvg(const QString& path) const;
  void CopyToClipboard();
  void Print();

  // Where a point's value is drawn (the top of its bar or segment, or its
  // marker), in this widget's coordinates.
  QPoint PointPosition(int nSeries, int nPoint) const;
  // Where that point's value would be drawn if it were dValue.
  QPoint ValuePosition(int nSeries, int nPoint, double dValue) const;

  QChartView* View() const { return m_pView; }
  QChart* Chart() const;
  QToolBar* ToolBar() const { return m_pToolBar; }

 signals:
  // A bar or point was dragged to a new value (on release).
  void PointDragged(int nSeries, int nPoint, double dValue);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointF ToChart(QPoint viewportPosition) const;
  void Preview(double dValue);

  ChartContent m_content;
  QChartView* m_pView;
  QToolBar* m_pToolBar;
  QAction* m_pToolBarAction;
  bool m_bDragEnabled = false;
  // The bar or point being dragged, or -1.
  int m_nDragSeries = -1;
  int m_nDragPoint = -1;
};

}  // namespace zev
