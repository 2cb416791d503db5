#include "app/dialogs/curve_type_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/dialogs/qt_text.h"

namespace zev {

CCurveTypeDialog::CCurveTypeDialog(CCurveTypePresenter& p, QWidget* parent)
    : CDialogView(p, parent), m_p(p) {
  auto* grid = new QGridLayout;
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    const auto type = static_cast<ECurveType>(i);
    m_types[i] = new QRadioButton(ToQt(CCurveTypePresenter::kTypeTexts[i]), this);
    m_types[i]->setObjectName(QString("type%1").arg(i));
    m_types[i]->setChecked(p.Type() == type);
    group->addButton(m_types[i], i);
    connect(m_types[i], &QRadioButton::toggled, this, [this, type](bool bChecked) {
      if (!bChecked) return;
      m_p.SetType(type);
      ShowEnabled();
    });
    if (i < 2) {
      grid->addWidget(m_types[i], i, 0, 1, 7);
      continue;
    }
    const int row = Row(type);
    const bool bLevel = type == ECurveType::Level;
    grid->addWidget(m_types[i], i, 0);

    auto* direction = new QComboBox(this);
    direction->setObjectName(bLevel ? "levelDirection" : "differenceDirection");
    direction->addItems(
        {ToQt(bLevel ? CCurveTypePresenter::kBetter : CCurveTypePresenter::kGreater),
         ToQt(bLevel ? CCurveTypePresenter::kWorse : CCurveTypePresenter::kSmaller)});
    direction->setCurrentIndex((bLevel ? p.Result().m_bWorse : p.Result().m_bSmaller) ? 1 : 0);
    connect(direction, &QComboBox::currentIndexChanged, this, [this, bLevel](int index) {
      if (bLevel)
        m_p.SetWorse(index == 1);
      else
        m_p.SetSmaller(index == 1);
    });
    m_directions[row] = direction;
    grid->addWidget(direction, i, 1);
    grid->addWidget(new QLabel(ToQt(CCurveTypePresenter::kThan), this), i, 2);

    auto* threshold = new QLineEdit(this);
    threshold->setObjectName(bLevel ? CCurveTypePresenter::kFieldLevel
                                    : CCurveTypePresenter::kFieldDifference);
    threshold->setFixedWidth(threshold->fontMetrics().horizontalAdvance("0.000000") + 20);
    Bind(threshold, ToQt(p.ThresholdText(type)),
         [this, type](const QString& text) { m_p.SetThresholdText(type, FromQt(text)); });
    GuardField(threshold, [this, type] {
      if (!m_p.ThresholdFocusLost(type)) return false;
      ShowThreshold(type);
      return true;
    });
    m_thresholds[row] = threshold;
    grid->addWidget(threshold, i, 3);

    auto* scale = new QSlider(Qt::Horizontal, this);
    scale->setObjectName(bLevel ? "levelScale" : "differenceScale");
    scale->setRange(0, kScaleSteps);
    scale->setMinimumWidth(scale->fontMetrics().horizontalAdvance("0") * 16);
    connect(scale, &QSlider::valueChanged, this, [this, type](int value) {
      if (IsShowing()) return;
      m_p.SetThreshold(type, static_cast<double>(value) / kScaleSteps);
      Showing([this, type] { Threshold(type)->setText(ToQt(m_p.ThresholdText(type))); });
    });
    m_scales[row] = scale;
    auto* scaleBox = new QHBoxLayout;
    scaleBox->addWidget(new QLabel(ToQt(CCurveTypePresenter::kScaleLow), this));
    scaleBox->addWidget(scale, 1);
    scaleBox->addWidget(new QLabel(ToQt(CCurveTypePresenter::kScaleHigh), this));
    grid->addLayout(scaleBox, i, 4);
    grid->addWidget(new QLabel(ToQt(bLevel ? CCurveTypePresenter::kLevelEnd
                                           : CCurveTypePresenter::kDifferenceEnd),
                               this),
                    i, 5);
    ShowThreshold(type);
  }
  grid->setColumnStretch(6, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddOkCancel(layout);
  ShowEnabled();
}

void CCurveTypeDialog::ShowThreshold(ECurveType type) {
  const double d = type == ECurveType::Level ? m_p.Result().m_dLevel : m_p.Result().m_dDifference;
  Showing([&] {
    Threshold(type)->setText(ToQt(m_p.ThresholdText(type)));
    Scale(type)->setValue(static_cast<int>(std::lround(std::clamp(d, 0.0, 1.0) * kScaleSteps)));
  });
}

void CCurveTypeDialog::ShowEnabled() {
  for (ECurveType type : {ECurveType::Difference, ECurveType::Level}) {
    const bool b = m_p.IsEnabled(type);
    Direction(type)->setEnabled(b);
    Threshold(type)->setEnabled(b);
    Scale(type)->setEnabled(b);
  }
}

}  // namespace zev
