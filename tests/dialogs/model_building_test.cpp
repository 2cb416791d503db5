// A whole model built from a new window through the menus and dialogs of the
// desktop application, driven with keys: the hierarchy, types, grades,
// utilities and rules, two alternatives and an assessment of every kind;
// then ranked, saved, read back and compared with the same model built
// through the model's own operations.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "commands/command_ids.h"
#include "elicitation/assessment_entry.h"
#include "elicitation/certain_value_entry.h"
#include "elicitation/convert_grades_presenter.h"
#include "elicitation/define_alternative_presenter.h"
#include "elicitation/define_attribute_follow_up.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/grade_table_presenter.h"
#include "elicitation/possible_value_count.h"
#include "elicitation/qualitative_entry_page.h"
#include "elicitation/uncertain_entry_page.h"
#include "elicitation/value_utility_presenter.h"
#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "io/model_file.h"
#include "model/format.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

enum class EKind { Qualitative, Quantitative, Uncertain };

// What the definition dialog is given for one attribute.
struct SDefinition {
  const char* m_pszName;
  EKind m_kind = EKind::Qualitative;
  int m_nGrades = 5;
  const char* m_pszBest = nullptr;
  const char* m_pszWorst = nullptr;
  const char* m_pszUnit = nullptr;
  bool m_bUtilityBasis = false;
};

const char* const kTopGrades[] = {"Poor", "Fair", "Average", "Good", "Excellent"};
const double kTopUtilities[] = {0.0, 0.3, 0.55, 0.8, 1.0};
const char* const kBuildGrades[] = {"Flimsy", "Weak",  "Fragile", "Plain",  "Fair",
                                    "Decent", "Solid", "Sturdy",  "Robust", "Rugged"};
const char* const kWarrantyGrades[] = {"None", "1 year", "3 years"};
const double kWarrantyRules[3][5] = {
    {1.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.4, 0.6}};

QString Text(double d) { return QString::fromStdString(Format("%g", d)); }

}  // namespace

class ModelBuildingTest : public QObject {
  Q_OBJECT

 private slots:
  void aModelBuiltThroughTheDialogsRanksLikeTheSameModelBuiltDirectly() {
    std::unique_ptr<CMainFrame> frame = StartForTest();
    QVERIFY(frame);
    m_pFrame = frame.get();
    m_pChild = frame->ActiveChild();
    QVERIFY(m_pChild);
    CMADMDoc& gui = m_pChild->Document().Doc();
    BuildThroughTheDialogs(gui);
    QCOMPARE(m_user.Problems(), QStringList());

    // Saved with File, Save As, and read back: the file holds the results
    // of the ranking.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath("laptop.zev").toStdString();
    m_user.ChooseFile(path);
    Trigger(*frame, kIdFileSaveAs);
    QVERIFY(!gui.IsModified());
    CMADMDoc saved;
    SFileError error;
    QVERIFY2(LoadModelFile(path, saved, error), error.Message().c_str());

    CMADMDoc api;
    BuildDirectly(api);
    CompareModels(saved, api);
    CompareResults(saved, api);
    QCOMPARE(m_user.Problems(), QStringList());
    frame->CloseAllDocuments();
  }

 private:
  // --- the commands, from the menus and their shortcuts -------------------

  QWidget* Tree() { return m_pChild->TreeView(); }
  QWidget* List() { return m_pChild->ListView(); }
  // A command's shortcut typed in the view that handles it.
  void Shortcut(QWidget* view, Qt::Key key) {
    Focus(view);
    m_pFrame->UpdateCommandUI();
    QTest::keyClick(view, key, Qt::ControlModifier);
  }
  void Menu(QWidget* view, int id) {
    Focus(view);
    Trigger(*m_pFrame, id);
  }
  void DefineAttribute() { Menu(Tree(), kIdDefineAttribute); }

  // --- dialog scripts ----------------------------------------------------

  // The definition dialog for one attribute; the questions of the dialog and
  // of its follow-up are queued by the caller.
  void ExpectDefinition(const SDefinition& def) {
    m_user.OnDialog(CDefineAttributePresenter::kKind, [def](QDialog& d) {
      QCOMPARE(FocusedName(), QString("name"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type(def.m_pszName);
      if (def.m_kind != EKind::Qualitative) {
        Accelerator('n');
        Accelerator('b');
        Retype(def.m_pszBest);
        Accelerator('w');
        Retype(def.m_pszWorst);
        Accelerator('i');
        Retype(def.m_pszUnit);
        if (def.m_kind == EKind::Uncertain) Accelerator('u');
      } else if (def.m_nGrades != 5) {
        Accelerator('g');
        Retype(QString::number(def.m_nGrades));
      }
      if (def.m_bUtilityBasis) {
        Accelerator('a');
        Accelerator('t');  // Utility: "Do you want to estimate attribute utilities?" No
        QVERIFY(d.isVisible());
      }
      Press(Qt::Key_Return);
      QVERIFY2(!d.isVisible(), qPrintable(FocusedName() + " in " + def.m_pszName));
    });
  }

  // One page of the grade table: names typed over, and utilities when they
  // are given (and the basis lets them be edited).
  void ExpectGradePage(std::vector<QString> names, std::vector<QString> utilities = {}) {
    m_user.OnDialog(CGradeTablePresenter::kKind, [names, utilities](QDialog& d) {
      for (size_t row = 0; row < names.size(); ++row) {
        QCOMPARE(FocusedName(), QString("name%1").arg(row));
        Retype(names[row]);
        Press(Qt::Key_Tab);
        if (Child<QComboBox>(&d, QString("utility%1").arg(row))->isEnabled()) {
          if (row < utilities.size()) Retype(utilities[row]);
          Press(Qt::Key_Tab);
        }
      }
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
  }

  // The value/utility table: three typical values, then the middle utility.
  void ExpectValueTable(const char* middleUtility) {
    m_user.OnDialog(CValueUtilityPresenter::kKind, [middleUtility](QDialog& d) {
      Accelerator('n');
      Press(Qt::Key_Up);  // 3
      QCOMPARE(FocusedName(), QString("utility0"));
      Press(Qt::Key_Tab);
      Press(Qt::Key_Tab);
      Retype(middleUtility);
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
  }

  void ExpectConversionRow(const double (&row)[5]) {
    m_user.OnDialog(CConvertGradesPresenter::kKind, [row = &row](QDialog& d) {
      for (int j = 0; j < 5; ++j) {
        QCOMPARE(FocusedName(), QString("degree%1").arg(j));
        Retype(Text((*row)[j]));
        Press(Qt::Key_Tab);  // to the button of the father grade's definition
        Press(Qt::Key_Tab);
      }
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
  }

  void ExpectAlternativeName(const char* name) {
    m_user.OnDialog(CDefineAlternativePresenter::kKind, [name](QDialog& d) {
      Retype(name);
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
  }

  void ExpectCertainValue(const char* value) {
    m_user.OnDialog(CCertainValueEntry::kKind, [value](QDialog& d) {
      Retype(value);
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
  }

  // --- the model through the dialogs -------------------------------------

  void Select(CMADMDoc& doc, const char* name) {
    m_pChild->Commands().SelectAttribute(FindAttribute(doc, name));
  }

  void BuildThroughTheDialogs(CMADMDoc& doc) {
    CQtScriptedUser& user = m_user;

    // The top's grades and utilities: the top always converts by utility.
    m_pChild->Commands().SelectAttribute(0);
    ExpectGradePage({kTopGrades, kTopGrades + 5}, {"0", "0.3", "0.55", "0.8", "1"});
    Shortcut(Tree(), Qt::Key_G);  // Define Grades

    Shortcut(Tree(), Qt::Key_R);
    ExpectDefinition({"Performance"});
    DefineAttribute();

    Shortcut(Tree(), Qt::Key_R);
    user.Answer(EAnswer::No);   // estimate attribute utilities?
    user.Answer(EAnswer::Yes);  // the range changed: associate by hand
    ExpectDefinition({"Processor speed", EKind::Quantitative, 5, "12000", "4000", "points", true});
    ExpectValueTable("0.6");
    DefineAttribute();

    Shortcut(Tree(), Qt::Key_B);
    user.Answer(EAnswer::No);  // accept the default association
    ExpectDefinition({"Memory", EKind::Quantitative, 5, "32", "8", "GB"});
    DefineAttribute();

    Select(doc, "Performance");
    Shortcut(Tree(), Qt::Key_B);
    user.Answer(EAnswer::No);
    user.Answer(EAnswer::Yes);
    ExpectDefinition({"Battery life", EKind::Uncertain, 5, "15", "5", "hours", true});
    ExpectValueTable("0.7");
    DefineAttribute();

    Shortcut(Tree(), Qt::Key_B);
    user.Answer(EAnswer::No);  // estimate attribute utilities?
    user.Answer(EAnswer::No);  // the grades changed: accept the default conversion
    ExpectDefinition({"Build quality", EKind::Qualitative, 10, nullptr, nullptr, nullptr, true});
    ExpectGradePage({kBuildGrades, kBuildGrades + 9});
    ExpectGradePage({kBuildGrades[9]});
    DefineAttribute();

    Shortcut(Tree(), Qt::Key_B);
    user.Answer(EAnswer::Yes);  // the grades changed: convert by hand
    ExpectDefinition({"Warranty", EKind::Qualitative, 3});
    ExpectGradePage({kWarrantyGrades, kWarrantyGrades + 3});
    for (const auto& row : kWarrantyRules) ExpectConversionRow(row);
    DefineAttribute();

    ExpectAlternativeName("Kestrel 14");
    Menu(List(), kIdDefineAlternative);
    Shortcut(List(), Qt::Key_W);  // a new alternative
    ExpectAlternativeName("Wisp Air");
    Menu(List(), kIdDefineAlternative);

    AssessKestrel(doc);
    AssessWispAir(doc);

    Shortcut(Tree(), Qt::Key_K);  // Rank
    QCOMPARE(user.LastText(), QString(" All alternatives have been assessed on all attributes."));
  }

  void AssessKestrel(CMADMDoc& doc) {
    CQtScriptedUser& user = m_user;
    m_pChild->Commands().SelectAlternative(0);

    Select(doc, "Processor speed");
    user.OnDialog(CCertainValueEntry::kKind, [&user](QDialog& d) {
      Retype("13000");
      Press(Qt::Key_Tab);  // leaving the value for a button checks it
      QCOMPARE(
          user.LastText(),
          QString("An assessment value must be between\nthe best and worst attribute values."));
      QCOMPARE(FocusedName(), QString("value"));
      Retype("9800");
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    Menu(Tree(), kIdInputAttAtAlt);

    Select(doc, "Memory");
    ExpectCertainValue("16");
    Menu(Tree(), kIdInputAttAtAlt);

    Select(doc, "Battery life");
    user.OnDialog(CPossibleValueCount::kKind, [](QDialog& d) {
      Retype("2");
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CUncertainEntryPage::kKind, [](QDialog& d) {
      for (const char* text : {"9", "0.5", "12", "0.5"}) {
        Retype(text);
        Press(Qt::Key_Tab);
      }
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    Menu(Tree(), kIdInputAttAtAlt);

    // Ten grades over two pages: a refused degree on the first, and the
    // second cancelled.
    Select(doc, "Build quality");
    user.OnDialog(CQualitativeEntryPage::kKind, [&user](QDialog& d) {
      Click(&d, "tick6");
      Press(Qt::Key_Tab);
      Retype("1.2");
      Press(Qt::Key_Return);
      QCOMPARE(user.LastText(),
               QString("A degree is a positive real number\nbetween zero and one."));
      QCOMPARE(FocusedName(), QString("degree6"));
      Retype("0.8");
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      Click(&d, "tick0");
      Press(Qt::Key_Escape);
      QVERIFY(!d.isVisible());
    });
    Menu(Tree(), kIdInputAttAtAlt);
    QVERIFY(doc.CurrentAlternative().m_bInputCancelled);

    Select(doc, "Warranty");
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      Click(&d, "tick1");
      Click(&d, "ok");
      QVERIFY(!d.isVisible());
    });
    Menu(Tree(), kIdInputAttAtAlt);
  }

  void AssessWispAir(CMADMDoc& doc) {
    CQtScriptedUser& user = m_user;
    m_pChild->Commands().SelectAlternative(1);
    Select(doc, "Processor speed");
    ExpectCertainValue("6200");
    Menu(Tree(), kIdInputAttAtAlt);
    Select(doc, "Memory");
    ExpectCertainValue("8");
    Menu(Tree(), kIdInputAttAtAlt);
    Select(doc, "Build quality");
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      Click(&d, "tick3");
      Click(&d, "tick4");  // two answers share the belief evenly
      QCOMPARE(Child<QComboBox>(&d, "degree3")->currentText(), QString("0.5"));
      Click(&d, "ok");
    });
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) { Click(&d, "ok"); });
    Menu(Tree(), kIdInputAttAtAlt);
  }

  // --- the same model through the model's operations ---------------------

  static int Define(CMADMDoc& doc, const char* name, std::uint16_t type, double best, double worst,
                    const char* unit, std::uint16_t basis) {
    const int k = doc.CurrentAttribute();
    CAttribute& a = doc.Attribute(k);
    a.SetName(name);
    a.m_nType = type;
    a.m_dBest = best;
    a.m_dWorst = worst;
    a.SetUnit(unit);
    a.m_nConversion = basis;
    return k;
  }

  static void SetGrades(CAttribute& a, int n, const char* const* names, const double* utilities,
                        const double* values) {
    a.m_nGrades = n;
    for (int k = 0; k < n; ++k) {
      if (names) a.SetGradeName(k, names[k]);
      if (utilities) a.SetGradeUtility(k, utilities[k]);
      if (values) a.SetGradeValue(k, values[k]);
    }
  }

  static void BuildDirectly(CMADMDoc& doc) {
    doc.OnNewDocument();
    AttachEngine(doc);
    SetGrades(doc.Attribute(0), 5, kTopGrades, kTopUtilities, nullptr);

    doc.InsertAttributeRight();
    doc.CurrentAttributeRef().SetName("Performance");
    doc.InsertAttributeRight();
    const double speedValues[] = {4000, 8000, 12000};
    const double speedUtilities[] = {0, 0.6, 1};
    const int speed =
        Define(doc, "Processor speed", Quantitative, 12000, 4000, "points", ByUtility);
    SetGrades(doc.Attribute(speed), 3, nullptr, speedUtilities, speedValues);
    doc.InsertAttributeBelow();
    const int memory = Define(doc, "Memory", Quantitative, 32, 8, "GB", ByRule);
    const double memoryValues[] = {8, 14, 20, 26, 32};
    SetGrades(doc.Attribute(memory), 5, nullptr, nullptr, memoryValues);

    doc.SelectAttribute(FindAttribute(doc, "Performance"));
    doc.InsertAttributeBelow();
    const double batteryValues[] = {5, 10, 15};
    const double batteryUtilities[] = {0, 0.7, 1};
    const int battery =
        Define(doc, "Battery life", QuantitativeUncertain, 15, 5, "hours", ByUtility);
    SetGrades(doc.Attribute(battery), 3, nullptr, batteryUtilities, batteryValues);

    doc.InsertAttributeBelow();
    const int build = Define(doc, "Build quality", Qualitative, 1, 0, "\xA3", ByUtility);
    double buildUtilities[10];
    for (int k = 0; k < 10; ++k) buildUtilities[k] = k / 9.0;
    SetGrades(doc.Attribute(build), 10, kBuildGrades, buildUtilities, nullptr);

    doc.InsertAttributeBelow();
    const int warranty = Define(doc, "Warranty", Qualitative, 1, 0, "\xA3", ByRule);
    SetGrades(doc.Attribute(warranty), 3, kWarrantyGrades, nullptr, nullptr);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 5; ++j)
        doc.Attribute(warranty).SetConversionEntry(i, j, kWarrantyRules[i][j]);
    }
    PropagateRules(doc, 0);

    doc.CurrentAlternative().SetName("Kestrel 14");
    doc.AddAlternativeCommand();
    doc.CurrentAlternative().SetName("Wisp Air");
    doc.PrepareAllAlternatives();

    CAlternative& kestrel = doc.Alternative(0);
    SetValue(kestrel.Record(speed), 9800);
    SetValue(kestrel.Record(memory), 16);
    CAssessment& life = kestrel.Record(battery);
    life.m_nPossibleValues = 2;
    life.m_dPossibleValue[0] = 9;
    life.m_dPossibleValue[1] = 12;
    life.m_dBelief[0] = 0.5;
    life.m_dBelief[1] = 0.5;
    life.m_dValue = 9;
    kestrel.Record(build).m_dBelief[6] = 0.8;
    kestrel.Record(warranty).m_dBelief[1] = 1.0;

    CAlternative& wisp = doc.Alternative(1);
    SetValue(wisp.Record(speed), 6200);
    SetValue(wisp.Record(memory), 8);
    wisp.Record(build).m_dBelief[3] = 0.5;
    wisp.Record(build).m_dBelief[4] = 0.5;

    RankAlternatives(doc);
  }

  static void SetValue(CAssessment& r, double d) {
    r.m_dValue = d;
    r.m_nPossibleValues = 1;
    r.m_dPossibleValue[0] = d;
    r.m_dBelief[0] = 1.0;
  }

  // --- comparisons ----------------------------------------------------------

  static void CompareModels(const CMADMDoc& a, const CMADMDoc& b) {
    QCOMPARE(a.LastAttribute(), b.LastAttribute());
    for (int i = 0; i <= a.LastAttribute(); ++i) {
      const CAttribute& x = a.Attribute(i);
      const CAttribute& y = b.Attribute(i);
      const QString where = QString::fromStdString(x.m_strName.Str());
      QVERIFY2(x.m_strName == y.m_strName, qPrintable(where));
      QCOMPARE(x.m_nType, y.m_nType);
      QCOMPARE(x.m_nConversion, y.m_nConversion);
      QCOMPARE(x.m_nFather, y.m_nFather);
      QCOMPARE(x.m_nGrades, y.m_nGrades);
      QCOMPARE(x.m_dBest, y.m_dBest);
      QCOMPARE(x.m_dWorst, y.m_dWorst);
      QVERIFY2(x.m_strUnit == y.m_strUnit, qPrintable(where));
      const int nFather = i == 0 ? 0 : a.Attribute(x.m_nFather).m_nGrades;
      for (int k = 0; k < x.m_nGrades; ++k) {
        QVERIFY2(x.GradeName(k) == y.GradeName(k), qPrintable(where));
        QVERIFY2(std::fabs(x.GradeUtility(k) - y.GradeUtility(k)) < 1e-12, qPrintable(where));
        if (IsQuantitativeType(x.m_nType)) QCOMPARE(x.GradeValue(k), y.GradeValue(k));
        for (int j = 0; j < nFather; ++j) {
          QVERIFY2(std::fabs(x.ConversionEntry(k, j) - y.ConversionEntry(k, j)) < 1e-12,
                   qPrintable(where + QString(" rule %1, %2").arg(k).arg(j)));
        }
      }
    }
  }

  static void CompareResults(const CMADMDoc& a, const CMADMDoc& b) {
    QCOMPARE(a.AlternativeCount(), b.AlternativeCount());
    for (int pos = 0; pos < a.AlternativeCount(); ++pos) {
      const CAlternative& x = a.Alternative(pos);
      const CAlternative& y = b.Alternative(pos);
      QVERIFY(x.m_strName == y.m_strName);
      QCOMPARE(x.m_nRanking, y.m_nRanking);
      QVERIFY(std::fabs(x.m_dUtility - y.m_dUtility) < 1e-12);
      for (int i = 0; i <= a.LastAttribute(); ++i) {
        const CAssessment& r = x.Record(i);
        const CAssessment& s = y.Record(i);
        const QString where = QString("%1 on %2").arg(pos).arg(i);
        QVERIFY2(std::fabs(r.m_dAvgUtility - s.m_dAvgUtility) < 1e-12, qPrintable(where));
        QVERIFY2(std::fabs(r.m_dMinUtility - s.m_dMinUtility) < 1e-12, qPrintable(where));
        QVERIFY2(std::fabs(r.m_dMaxUtility - s.m_dMaxUtility) < 1e-12, qPrintable(where));
        for (int k = 0; k < r.BeliefCount(); ++k) {
          QVERIFY2(std::fabs(r.m_dBelief[k] - s.m_dBelief[k]) < 1e-12, qPrintable(where));
        }
      }
    }
    QVERIFY(a.Alternative(0).m_dUtility != a.Alternative(1).m_dUtility);
  }

  CQtScriptedUser m_user;
  CMainFrame* m_pFrame = nullptr;
  CChildFrame* m_pChild = nullptr;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::ModelBuildingTest)
#include "model_building_test.moc"
