// The modeless windows for inserting attributes and renaming a grade.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/dialogs/insert_attributes_window.h"
#include "app/dialogs/rename_grade_window.h"
#include "tests/dialogs/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

class ToolWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_doc = std::make_unique<CMADMDoc>();
    m_doc->OnNewDocument();
    BuildHierarchy(*m_doc, {"Cost:", "Comfort:"});
  }

  void theInsertionWindowOffersItsFourChoicesInOrder() {
    CQtScriptedUser user;
    m_doc->SelectAttribute(FindAttribute(*m_doc, "Cost"));
    CInsertAttributesWindow window(*m_doc, nullptr);
    Activate(&window);
    QCOMPARE(window.windowTitle(), QString("Insert Attributes"));
    QCOMPARE(Child<QLabel>(&window, "currentAttribute")->text(), QString("Cost"));
    QList<QRadioButton*> choices = window.findChildren<QRadioButton*>();
    QCOMPARE(choices.size(), 4);
    QStringList names;
    for (QRadioButton* b : choices) names << b->objectName();
    QCOMPARE(names, (QStringList{"above", "right", "below", "left"}));
    QVERIFY(choices[0]->isChecked());

    Accelerator('r');  // Insert Right
    Accelerator('i');  // Insert
    const int inserted = m_doc->LastAttribute();
    QCOMPARE(m_doc->Attribute(inserted).m_nFather, FindAttribute(*m_doc, "Cost"));
    QCOMPARE(Child<QLabel>(&window, "currentAttribute")->text(),
             QString::fromStdString(m_doc->Attribute(inserted).m_strName.Str()));
    QVERIFY(TreeIsConsistent(*m_doc));

    m_doc->SelectAttribute(0);
    window.ShowCurrentAttribute();
    Accelerator('b');  // Insert Below the top: refused
    Accelerator('i');
    QCOMPARE(user.LastText(),
             QString("You have to insert a new attribute\non the right side of the top attribute"));
    QCOMPARE(m_doc->LastAttribute(), inserted);
    QCOMPARE(user.Problems(), QStringList());
  }

  void theRenamingWindowRefusesEmptyNamesWithTheFocusBack() {
    CQtScriptedUser user;
    CRenameGradeWindow window(*m_doc, nullptr);
    Activate(&window);
    QCOMPARE(window.windowTitle(), QString("Change the name of a grade in all attributes"));
    QCOMPARE(FocusedName(), QString("from"));
    Press(Qt::Key_Tab);
    QCOMPARE(user.LastText(), QString("The 'From' grade name must not be empty."));
    QCOMPARE(FocusedName(), QString("from"));
    Type("Best");
    Press(Qt::Key_Tab);
    QCOMPARE(FocusedName(), QString("to"));
    Press(Qt::Key_Return);  // Change, with the 'To' text still empty
    QCOMPARE(user.LastText(), QString("The 'To' grade name must not be empty."));
    QCOMPARE(FocusedName(), QString("to"));
    Type("Excellent");
    user.Answer(EAnswer::No);
    Press(Qt::Key_Return);
    QCOMPARE(user.LastText(), QString("The grade name has been changed in 3 attributes."));
    QCOMPARE(m_doc->Attribute(0).GradeName(4).Str(), std::string("Excellent"));
    QCOMPARE(user.Problems(), QStringList());
  }

 private:
  std::unique_ptr<CMADMDoc> m_doc;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::ToolWindowsTest)
#include "tool_windows_test.moc"
