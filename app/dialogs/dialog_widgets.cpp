#include "app/dialogs/dialog_widgets.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"

namespace zev {

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* BoldLabel(const std::string& text, QWidget* parent, const char* name) {
  auto* label = PlainLabel(ToQt(text), parent);
  if (name) label->setObjectName(name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* PageLabel(int nPage, int nPages, QWidget* parent) {
  return new QLabel(QString("Page %1 of %2").arg(nPage).arg(nPages), parent);
}

QComboBox* NewChoiceCombo(const std::vector<std::string>& choices, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& c : choices) combo->addItem(ToQt(c));
  return combo;
}

QComboBox* NewPresetCombo(const std::vector<std::string>& presets, QWidget* parent) {
  QComboBox* combo = NewChoiceCombo(presets, parent);
  combo->setCompleter(nullptr);
  return combo;
}

QTreeWidget* NewColumnList(const QStringList& columns, const char* name, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setHeaderLabels(columns);
  list->setRootIsDecorated(false);
  list->setAllColumnsShowFocus(true);
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return list;
}

CChartWidget* NewDragChart(QWidget* parent) {
  auto* chart = new CChartWidget(parent);
  chart->setObjectName("chart");
  chart->SetDragEnabled(true);
  chart->setMinimumSize(560, 360);
  return chart;
}

void FitListToColumns(QTreeWidget* list) {
  int width = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
  const QFontMetrics metrics = list->fontMetrics();
  const int padding = 2 * metrics.averageCharWidth();
  for (int c = 0; c < list->columnCount(); ++c) {
    int column = list->header()->sectionSizeHint(c);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      column =
          std::max(column, metrics.horizontalAdvance(list->topLevelItem(i)->text(c)) + padding);
    width += column;
  }
  list->setMinimumWidth(width);
}

void AddEditButtons(QBoxLayout* layout, QPlainTextEdit* edit) {
  auto* row = new QHBoxLayout;
  struct SButton {
    const char* m_pszText;
    const char* m_pszName;
    void (QPlainTextEdit::*m_pAction)();
  };
  const SButton buttons[] = {{"&Copy", "copy", &QPlainTextEdit::copy},
                             {"&Paste", "paste", &QPlainTextEdit::paste},
                             {"Cu&t", "cut", &QPlainTextEdit::cut},
                             {"&Undo", "undo", &QPlainTextEdit::undo}};
  for (const SButton& b : buttons) {
    auto* button = new QPushButton(QObject::tr(b.m_pszText), edit->parentWidget());
    button->setObjectName(b.m_pszName);
    // The text keeps the focus and its selection.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, edit, b.m_pAction);
    row->addWidget(button);
  }
  row->addStretch();
  layout->addLayout(row);
}

}  // namespace zev
