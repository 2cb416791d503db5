// The desktop's interaction port and the dialog views over the presenters.

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/dialogs/define_alternative_dialog.h"
#include "app/dialogs/define_attribute_dialog.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/qt_text.h"
#include "app/dialogs/read_data_dialog.h"
#include "app/dialogs/report_options_dialog.h"
#include "app/dialogs/report_type_dialog.h"
#include "app/dialogs/text_dialog.h"
#include "app/qt_prompter.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"

namespace zev::test {

namespace {

// Answers the next message box by the button of the given role; records its
// text, icon and default button.
struct SBoxSeen {
  QString m_text;
  QMessageBox::Icon m_icon = QMessageBox::NoIcon;
  QString m_default;
  int m_nButtons = 0;
  Qt::TextFormat m_format = Qt::AutoText;
};

void AnswerNextBox(QMessageBox::StandardButton press, SBoxSeen* seen) {
  QTimer::singleShot(0, [press, seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen->m_text = box->text();
    seen->m_icon = box->icon();
    seen->m_default = box->defaultButton() ? box->defaultButton()->text() : QString();
    seen->m_nButtons = static_cast<int>(box->buttons().size());
    seen->m_format = box->textFormat();
    box->button(press)->click();
  });
}

}  // namespace

class CPrompterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { StartForTest(); }

  void modelFileFiltersBecomeQtFilters() {
    QCOMPARE(FileFilters("ZEV Model Files (*.zev)|*.zev|All Files (*.*)|*.*||"),
             (QStringList{"ZEV Model Files (*.zev)", "All Files (*)"}));
    QCOMPARE(FileFilters("Text Files|*.txt;*.doc||"), (QStringList{"Text Files (*.txt *.doc)"}));
    QCOMPARE(FileFilters(""), QStringList());
  }

  void textsCrossTheBoundaryInCodePage1252() {
    QCOMPARE(ToQt("\xA3 5"), QString::fromUtf8("\xC2\xA3 5"));
    QCOMPARE(FromQt(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC")), std::string("Caf\xE9 \x80"));
  }

  void messageBoxesHaveTheIconButtonsAndDefaultAsked() {
    CQtPrompter prompter;
    SBoxSeen seen;
    AnswerNextBox(QMessageBox::No, &seen);
    EAnswer answer = prompter.AskYesNoCancel("Really?", EIcon::Question, 1);
    QCOMPARE(answer, EAnswer::No);
    QCOMPARE(seen.m_text, QString("Really?"));
    QCOMPARE(seen.m_icon, QMessageBox::Question);
    QCOMPARE(seen.m_nButtons, 3);
    QCOMPARE(seen.m_default, QString("&No"));

    AnswerNextBox(QMessageBox::Yes, &seen);
    QCOMPARE(prompter.AskYesNo("Go?", EIcon::Warning, 0), EAnswer::Yes);
    QCOMPARE(seen.m_icon, QMessageBox::Warning);
    QCOMPARE(seen.m_nButtons, 2);

    AnswerNextBox(QMessageBox::Ok, &seen);
    prompter.Warning("Price \xA3");
    QCOMPARE(seen.m_text, QString::fromUtf8("Price \xC2\xA3"));
    QCOMPARE(seen.m_nButtons, 1);

    // Names in angle brackets are shown as text.
    AnswerNextBox(QMessageBox::Ok, &seen);
    prompter.Information("Replace <A> by <B> ?");
    QCOMPARE(seen.m_format, Qt::PlainText);
  }

  void anUnregisteredDialogKindIsAnErrorAndCountsAsCancelled() {
    struct CUnknown : CDialogPresenter {
      const char* DialogKind() const override { return "NoSuchDialog"; }
      std::string Title() const override { return "x"; }
    } presenter;
    CQtPrompter prompter;
    SBoxSeen seen;
    AnswerNextBox(QMessageBox::Ok, &seen);
    QVERIFY(!prompter.RunModal(presenter));
    QCOMPARE(seen.m_icon, QMessageBox::Critical);
    QVERIFY(seen.m_text.contains("NoSuchDialog"));
  }

  void aRegisteredViewRunsItsPresenter() {
    RegisterDialogView("Probe", [](CDialogPresenter& p, QWidget*) {
      p.SetFocusField("seen");
      return true;
    });
    struct CProbe : CDialogPresenter {
      const char* DialogKind() const override { return "Probe"; }
      std::string Title() const override { return "x"; }
    } presenter;
    CQtPrompter prompter;
    QVERIFY(prompter.RunModal(presenter));
    QCOMPARE(presenter.FocusField(), std::string("seen"));
    RegisterDialogView("Probe", nullptr);
    QVERIFY(!HasDialogView("Probe"));
    QVERIFY(HasDialogView("DefineAttribute"));
    QVERIFY(HasDialogView("DefineAlternative"));
    QVERIFY(HasDialogView("Text"));
  }

  void theAttributeDialogShowsAndForwardsThePresentersState() {
    CQtScriptedUser user;
    CAttribute attribute;
    attribute.ResetToDefaults();
    attribute.m_nIndex = 2;
    attribute.m_nFather = 0;
    attribute.SetName("Price");
    CDefineAttributePresenter presenter(attribute);
    CDefineAttributeDialog dialog(presenter);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("ZEV Dialog: Define An Attribute"));
    QCOMPARE(dialog.NameField()->toPlainText(), QString("Price"));
    QVERIFY(dialog.QualitativeChoice()->isChecked());
    QVERIFY(dialog.GradesField()->isVisible());
    QVERIFY(!dialog.BestField()->isVisible());
    QVERIFY(dialog.AdvancedBox()->isVisible());
    QVERIFY(!dialog.RuleChoice()->isVisible());

    dialog.QuantitativeChoice()->click();
    QVERIFY(!presenter.m_bQualitative);
    QVERIFY(dialog.BestField()->isVisible());
    QVERIFY(dialog.UncertainBox()->isVisible());
    QVERIFY(!dialog.GradesField()->isVisible());
    dialog.AdvancedBox()->click();
    QVERIFY(dialog.RuleChoice()->isVisible());

    // A refused OK keeps the dialog and puts the focus on the field.
    dialog.BestField()->setText("abc");
    dialog.OkButton()->click();
    QCOMPARE(user.LastText(), QString("Please enter a number."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.BestField()));
    dialog.BestField()->setText("100");
    dialog.NameField()->setPlainText("Cost");
    dialog.OkButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(presenter.m_strName, std::string("Cost"));
    QCOMPARE(presenter.m_strBest, std::string("100"));

    // Typing too many grades warns at once.
    CAttribute other;
    other.ResetToDefaults();
    other.m_nIndex = 1;
    CDefineAttributePresenter second(other);
    CDefineAttributeDialog secondDialog(second);
    secondDialog.show();
    secondDialog.GradesField()->selectAll();
    QTest::keyClicks(secondDialog.GradesField(), "25");
    QVERIFY(user.LastText().startsWith("The maximum number of evaluation grades\n"));
    QVERIFY(user.Problems().isEmpty());
  }

  void theReportWindowsShowTheirPresenters() {
    CReportTypePresenter type;
    CReportTypeDialog typeDialog(type);
    QVERIFY(typeDialog.Choice(0)->isChecked());
    QVERIFY(!typeDialog.Choice(2)->isEnabled());
    typeDialog.Choice(1)->click();
    QCOMPARE(type.Choice(), 1);

    CReportOptionsPresenter options;
    CReportOptionsDialog optionsDialog(options);
    QVERIFY(optionsDialog.Content(0)->isChecked());
    QVERIFY(optionsDialog.Item(0)->isEnabled());
    optionsDialog.Item(0)->click();
    QVERIFY(options.m_options.Item(0));
    optionsDialog.Content(1)->click();
    QCOMPARE(options.m_options.m_nContent, 1);
    QVERIFY(!optionsDialog.Item(0)->isEnabled());
    QVERIFY(!optionsDialog.Item(0)->isChecked());
    optionsDialog.reject();  // closing is "Stop Saving"
    QVERIFY(!options.m_options.m_bAccepted);

    CQtScriptedUser user;
    CReadDataPresenter read;
    CReadDataDialog readDialog(read);
    QCOMPARE(readDialog.FileName()->text(), QString("*.txt"));
    user.ChooseFile("/tmp/data.txt");
    for (QPushButton* b : readDialog.findChildren<QPushButton*>()) {
      if (b->text() == CReadDataPresenter::kBrowseLabel) b->click();
    }
    QCOMPARE(readDialog.FileName()->text(), QString("/tmp/data.txt"));
    QCOMPARE(read.m_strFileName, std::string("/tmp/data.txt"));
    QVERIFY(user.Problems().isEmpty());
  }

  void theAlternativeDialogRefusesAnEmptyName() {
    CQtScriptedUser user;
    CAlternative alternative;
    alternative.ResetToDefaults();
    CDefineAlternativePresenter presenter(alternative);
    CDefineAlternativeDialog dialog(presenter);
    dialog.show();
    dialog.NameField()->clear();
    dialog.accept();
    QCOMPARE(user.LastText(), QString("The alternative name must not be empty."));
    QVERIFY(dialog.isVisible());
    dialog.NameField()->setText("Bike");
    dialog.DescriptionField()->setPlainText("light");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(presenter.m_strName, std::string("Bike"));
    QCOMPARE(presenter.m_strDescription, std::string("light"));
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CPrompterTest)
#include "prompter_test.moc"
