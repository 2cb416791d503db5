#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QBoxLayout;
class QComboBox;

class QPlainTextEdit;
class QTreeWidget;
class QWidget;

namespace zev {

// The small widgets every window builds the same way.

// A label that shows a text of the model as it is (never as markup).
QLabel* PlainLabel(const QString& text, QWidget* parent);
// The same in bold, for the names a window is about.
QLabel* BoldLabel(const std::string& text, QWidget* parent, const char* name = nullptr);
// "Page n of m" under a paged table.
QLabel* PageLabel(int nPage, int nPages, QWidget* parent);

// An editable drop-down list that offers the preset texts in their order;
// the typed text stays as typed (no completion from the presets).
QComboBox* NewPresetCombo(const std::vector<std::string>& presets, QWidget* parent);
// An editable drop-down list of choices that completes a typed text from them.
QComboBox* NewChoiceCombo(const std::vector<std::string>& choices, QWidget* parent);

// A list of rows with these columns, each sized to its contents.
QTreeWidget* NewColumnList(const QStringList& columns, const char* name, QWidget* parent);
// A list of columns as wide as its columns' texts and headers need, so that
// none is cut at any font size.
void FitListToColumns(QTreeWidget* list);

class CChartWidget;
// The chart of a scoring window, whose bars or points the user drags.
CChartWidget* NewDragChart(QWidget* parent);

// The editing buttons of every text window: Copy, Paste, Cut and Undo.
void AddEditButtons(QBoxLayout* layout, QPlainTextEdit* edit);

}  // namespace zev
