// The chart widget, offscreen: what it draws of each kind of content, the
// drag of a bar or point, and its tool bar's exports.

#include "app/charts/chart_widget.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QGraphicsRectItem>
#include <QLineSeries>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QValueAxis>

#include "tests/support/scripted_user.h"

namespace zev::test {

namespace {

ChartContent Content(EChartKind kind, int nSeries, int nPoints) {
  ChartContent c;
  c.SetTitle("Chart title");
  c.m_kind = kind;
  c.m_strXTitle = "Along";
  c.m_strYTitle = "Up";
  for (int p = 0; p < nPoints; ++p) c.m_strPointLabels.push_back("P" + std::to_string(p));
  for (int s = 0; s < nSeries; ++s) {
    std::vector<double> values;
    for (int p = 0; p < nPoints; ++p) values.push_back(0.1 + 0.2 * p + 0.05 * s);
    c.AddSeries("S" + std::to_string(s), values);
  }
  if (kind == EChartKind::Points) {
    for (int p = 0; p < nPoints; ++p) c.m_dPointX.push_back(10.0 * p);
  }
  return c;
}

QList<QAbstractSeries*> SeriesOf(const CChartWidget& w) { return w.Chart()->series(); }

}  // namespace

class CChartWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsEveryKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("points");
    QTest::newRow("bars") << int(EChartKind::Bars) << 3 << 4;
    QTest::newRow("stacked") << int(EChartKind::Stacked) << 3 << 2;
    QTest::newRow("curves") << int(EChartKind::Curves) << 2 << 5;
    QTest::newRow("points") << int(EChartKind::Points) << 1 << 3;
  }
  void drawsEveryKind() {
    QFETCH(int, kind);
    QFETCH(int, series);
    QFETCH(int, points);
    const auto k = static_cast<EChartKind>(kind);
    CChartWidget w;
    w.ShowChart(Content(k, series, points));
    QCOMPARE(w.Chart()->title(), QString("Chart title"));
    const QList<QAbstractSeries*> list = SeriesOf(w);
    if (k == EChartKind::Bars || k == EChartKind::Stacked) {
      QCOMPARE(list.size(), 1);
      auto* bars = qobject_cast<QAbstractBarSeries*>(list[0]);
      QVERIFY(bars);
      QCOMPARE(bars->type(), k == EChartKind::Bars ? QAbstractSeries::SeriesTypeBar
                                                   : QAbstractSeries::SeriesTypeStackedBar);
      QCOMPARE(bars->count(), series);
      for (QBarSet* set : bars->barSets()) QCOMPARE(set->count(), points);
      QCOMPARE(bars->barSets()[1]->label(), QString("S1"));
    } else {
      QCOMPARE(list.size(), series);
      for (QAbstractSeries* s : list) {
        QCOMPARE(s->type(), k == EChartKind::Curves ? QAbstractSeries::SeriesTypeLine
                                                    : QAbstractSeries::SeriesTypeScatter);
        QCOMPARE(static_cast<QXYSeries*>(s)->count(), points);
      }
      if (k == EChartKind::Points) QCOMPARE(static_cast<QXYSeries*>(list[0])->at(2).x(), 20.0);
    }
    const auto axes = w.Chart()->axes(Qt::Horizontal);
    QCOMPARE(axes.size(), 1);
    QCOMPARE(axes[0]->titleText(), QString("Along"));
    if (auto* categories = qobject_cast<QBarCategoryAxis*>(axes[0])) {
      QCOMPARE(categories->count(), points);
    }
    QCOMPARE(w.Chart()->axes(Qt::Vertical)[0]->titleText(), QString("Up"));
  }

  // Equal labels stay apart; the coloured point is selected in every
  // series; a fixed range is kept, a free one holds every value and 0.
  void labelsColourAndRange() {
    ChartContent c = Content(EChartKind::Bars, 2, 3);
    c.m_strPointLabels = {"Same", "Same", "Other"};
    c.m_nColourPoint = 2;
    CChartWidget w;
    w.ShowChart(c);
    auto* bars = qobject_cast<QBarSeries*>(SeriesOf(w)[0]);
    QCOMPARE(qobject_cast<QBarCategoryAxis*>(w.Chart()->axes(Qt::Horizontal)[0])->count(), 3);
    for (QBarSet* set : bars->barSets()) {
      QVERIFY(set->isBarSelected(2));
      QVERIFY(!set->isBarSelected(0));
    }
    auto* y = qobject_cast<QValueAxis*>(w.Chart()->axes(Qt::Vertical)[0]);
    QCOMPARE(y->min(), 0.0);
    QVERIFY(y->max() >= 0.55);

    c.m_kind = EChartKind::Curves;
    c.m_range = SChartRange{-1, 10};
    w.ShowChart(c);
    y = qobject_cast<QValueAxis*>(w.Chart()->axes(Qt::Vertical)[0]);
    QCOMPARE(y->min(), -1.0);
    QCOMPARE(y->max(), 10.0);
    auto* line = qobject_cast<QLineSeries*>(SeriesOf(w)[1]);
    QCOMPARE(
        line->pointConfiguration(2).value(QXYSeries::PointConfiguration::Color).value<QColor>(),
        QColor(0x8c, 0x8c, 0x8c));
  }

  // A press on a bar or point, a move and a release report the series, the
  // point and the value at the new height.
  void dragReportsSeriesPointAndValue_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("point");
    QTest::addColumn<double>("value");
    QTest::newRow("bars") << int(EChartKind::Bars) << 1 << 2 << 0.8;
    QTest::newRow("stacked") << int(EChartKind::Stacked) << 2 << 1 << 0.1;
    QTest::newRow("curves") << int(EChartKind::Curves) << 0 << 3 << 0.2;
    QTest::newRow("points") << int(EChartKind::Points) << 0 << 1 << 0.9;
  }
  void dragReportsSeriesPointAndValue() {
    QFETCH(int, kind);
    QFETCH(int, series);
    QFETCH(int, point);
    QFETCH(double, value);
    ChartContent c = Content(static_cast<EChartKind>(kind), 3, 4);
    c.m_range = SChartRange{0, 2};
    CChartWidget w;
    w.resize(640, 480);
    w.ShowChart(c);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy spy(&w, &CChartWidget::PointDragged);
    QWidget* viewport = w.View()->viewport();
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(SeriesOf(w)[0])) {
      // The position reported is on the bar Qt draws, just below its top.
      const QPoint inside = viewport->mapFrom(&w, w.PointPosition(series, point)) + QPoint(0, 3);
      const QColor colour = bars->barSets()[series]->color();
      bool bOnBar = false;
      for (QGraphicsItem* item : w.View()->items(inside)) {
        auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item);
        bOnBar = bOnBar || (rect && rect->brush().color() == colour);
      }
      QVERIFY(bOnBar);
    }
    auto drag = [&] {
      const QPoint from = viewport->mapFrom(&w, w.PointPosition(series, point));
      const QPoint to = viewport->mapFrom(&w, w.ValuePosition(series, point, value));
      QTest::mousePress(viewport, Qt::LeftButton, {}, from);
      QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton,
                       Qt::LeftButton, {});
      QApplication::sendEvent(viewport, &move);
      QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    };
    drag();
    QCOMPARE(spy.count(), 0);  // dragging is off by default
    w.SetDragEnabled(true);
    drag();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toInt(), series);
    QCOMPARE(spy[0][1].toInt(), point);
    // Within a pixel of the value axis (2 over some 300 pixels).
    QVERIFY2(std::abs(spy[0][2].toDouble() - value) < 0.01, qPrintable(spy[0][2].toString()));
    QCOMPARE(w.Content().Value(series, point), spy[0][2].toDouble());
  }

  void toolBarAndExports() {
    CScriptedUser user;
    ChartContent c = Content(EChartKind::Stacked, 3, 3);
    ChartContent::LabelValues(c.m_series[1], {0.25, 0.5, 0.75});
    c.m_line = SChartLine{1.5, "Given weight"};
    CChartWidget w;
    w.resize(600, 400);
    w.ShowChart(c);
    QVERIFY(!w.IsToolBarVisible());
    w.ToggleToolBar();
    QVERIFY(w.IsToolBarVisible());
    QCOMPARE(w.ToolBar()->actions().size(), 3);
    // The context menu: the tool bar's switch, then its commands.
    const QList<QAction*> menu = w.actions();
    QCOMPARE(menu.size(), 4);
    menu[0]->trigger();
    QVERIFY(!w.IsToolBarVisible());

    QTemporaryDir dir;
    const std::string svg = dir.filePath("chart.svg").toStdString();
    const std::string png = dir.filePath("chart").toStdString();
    user.ChooseFile(svg).ChooseFile(png);
    w.SaveImage();
    w.SaveImage();
    QFile svgFile(QString::fromStdString(svg));
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray drawing = svgFile.readAll();
    // The value labels and the line's label are drawn, as text.
    for (const char* text : {"Chart title", "0.25", "0.5", "0.75", "Given weight", "S2"}) {
      QVERIFY2(drawing.contains(QByteArray(">") + text + "<"), text);
    }
    QFile pngFile(QString::fromStdString(png + ".png"));
    QVERIFY(pngFile.open(QIODevice::ReadOnly));
    QCOMPARE(pngFile.read(4), QByteArray("\x89PNG"));
    QCOMPARE(user.Count(), size_t(0));

    // A file made read-only is not replaced.
    QVERIFY(svgFile.setPermissions(QFileDevice::ReadOwner));
    user.ChooseFile(svg);
    w.SaveImage();
    QCOMPARE(user.OnlyText(), "The chart cannot be saved in the file <" + svg + ">.");
    QVERIFY(svgFile.seek(0));
    QCOMPARE(svgFile.readAll(), drawing);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&pdf);
      QPainter painter(&writer);
      RenderChart(c, painter, QRectF(0, 0, writer.width(), writer.height() / 2));
    }
    QVERIFY(pdf.data().startsWith("%PDF"));
    QVERIFY(user.LeftOvers().empty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CChartWidgetTest)
#include "chart_widget_test.moc"
