// The dialogs through their handlers: formula composing and checking, the sets dialog, the
// truth-table control and dialog, and the options dialog's name checks and languages.
#include "UiTestSupport.h"

#include "app/OptionsForm.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "input/widgets/TruthTable.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>

namespace {

/// The formula dialog over a three-variable map, without the other windows.
struct FormulaDialog {
    FormulaDialog() : dialog(grid.grid, grid.messages) {
        grid.grid.SetVariableCount(3);
        dialog.SetVariables({"A", "B", "C"});
    }
    void pick(int row) {
        dialog.findChild<QListWidget*>(QStringLiteral("ListBox1"))->setCurrentRow(row);
        dialog.ListBox1DblClick();
    }
    QLineEdit* box() const {
        return dialog.findChild<QComboBox*>(QStringLiteral("ComboBox2"))->lineEdit();
    }

    TestMap grid;
    TInputFormula dialog;
};

QStringList tableColumn(const TTruthTable& table, int col) {
    QStringList texts;
    for (int row = 1; row < table.Model().RowCount(); ++row)
        texts << QString::fromStdString(table.Cell(col, row));
    return texts;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void formulaStartsEmptyWithBackDisabled() {
        FormulaDialog f;
        QCOMPARE(f.dialog.FormulaText(), QString());
        QCOMPARE(f.dialog.ViewText(), QString());
        QCOMPARE(f.dialog.UndoLength, 0);
        QVERIFY(!f.dialog.CanUndo());
        QVERIFY(f.dialog.CloseAllowed);
    }

    void formulaComposesAndUndoesTheLastInsertion() {
        FormulaDialog f;
        f.pick(0);
        f.dialog.Button2Click();
        f.pick(1);
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A*B"));
        QCOMPARE(f.dialog.ViewText(), QStringLiteral("A*B"));
        QVERIFY(f.dialog.CanUndo());
        f.dialog.Button3Click();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A*"));
        QCOMPARE(f.dialog.ViewText(), QStringLiteral("A*"));
        QVERIFY(!f.dialog.CanUndo());
        f.dialog.Button3Click();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A*"));
    }

    void formulaOperatorsInsertOneCharacterEach() {
        FormulaDialog f;
        f.dialog.Button4Click();
        f.pick(2);
        f.dialog.Button1Click();
        f.dialog.Button4Click();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("|C+|"));
        QCOMPARE(f.dialog.UndoLength, 1);
    }

    void formulaBackRemovesALongNameWhole() {
        FormulaDialog f;
        f.dialog.SetVariables({"AB", "CD"});
        f.dialog.Button4Click();
        f.pick(0);
        QCOMPARE(f.dialog.UndoLength, 2);
        f.dialog.Button3Click();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("|"));
    }

    void formulaBackCountsCharactersFromTheEnd() {
        FormulaDialog f;
        f.pick(0);
        f.dialog.Button1Click();
        f.box()->setFocus();
        f.box()->end(false);
        QTest::keyClicks(f.box(), QStringLiteral("x"));
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A+x"));
        QCOMPARE(f.dialog.ViewText(), QStringLiteral("A+x")); // typing copies into the view
        f.dialog.Button3Click();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A+"));
    }

    void formulaBackspaceRemovesOneCharacterAndEndsUndo() {
        FormulaDialog f;
        f.dialog.Button5Click();
        QCOMPARE(f.dialog.FormulaText(), QString());
        f.pick(0);
        f.pick(1);
        f.dialog.Button5Click();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A"));
        QCOMPARE(f.dialog.ViewText(), QStringLiteral("A"));
        QVERIFY(!f.dialog.CanUndo());
    }

    void formulaChosenFromHistoryGoesToTheView() {
        FormulaDialog f;
        f.dialog.SetFormula(QStringLiteral("A+B"));
        f.dialog.BitBtn1Click();
        f.dialog.SetFormula(QStringLiteral("C"));
        auto* combo = f.dialog.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
        emit combo->textActivated(QStringLiteral("A+B"));
        QCOMPARE(f.dialog.ViewText(), QStringLiteral("A+B"));
    }

    void formulaWithUnknownVariableKeepsTheDialogOpen() {
        FormulaDialog f;
        f.dialog.open();
        f.dialog.SetFormula(QStringLiteral("A*Q"));
        f.dialog.BitBtn1Click();
        QCOMPARE(shownTexts(f.grid.messages),
                 QStringList{"Unknown variable in line.\r\nPosition: 3."});
        QCOMPARE(f.grid.messages.shown[0].kind, MsgKind::Error);
        QCOMPARE(f.grid.messages.shown[0].buttons, MsgButtons::Ok);
        QVERIFY(!f.dialog.CloseAllowed);
        QVERIFY(f.dialog.isVisible());
        QVERIFY(f.dialog.History().isEmpty());
        f.dialog.close();
        QVERIFY(f.dialog.isVisible());
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("A*Q"));
    }

    void formulaAcceptedAfterRefusalCloses() {
        FormulaDialog f;
        f.dialog.open();
        f.dialog.SetFormula(QStringLiteral("A*Q"));
        f.dialog.BitBtn1Click();
        f.dialog.SetFormula(QStringLiteral("A*|C"));
        f.dialog.BitBtn1Click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QVERIFY(f.dialog.CloseAllowed);
    }

    void formulaHistoryHoldsEachConfirmedFormulaOnce() {
        FormulaDialog f;
        for (const char* text : {"A+B", "A+B", "", "A*Q", "a+b", "C"}) {
            f.dialog.SetFormula(QString::fromLatin1(text));
            f.dialog.BitBtn1Click();
        }
        QCOMPARE(f.dialog.History(), QStringList({"A+B", "C"}));
    }

    void formulaTypeFollowsTheRadioButtonsOnOkOnly() {
        FormulaDialog f;
        f.dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->setChecked(true);
        f.dialog.SetFormula(QStringLiteral("A+B"));
        f.dialog.BitBtn2Click();
        QCOMPARE(f.grid.grid.FormulaType, ftSOP);
        f.dialog.BitBtn1Click();
        QCOMPARE(f.grid.grid.FormulaType, ftPOS);
        f.dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
        f.dialog.BitBtn1Click();
        QCOMPARE(f.grid.grid.FormulaType, ftSOP);
    }

    void formulaBoxAcceptsDropsOnlyFromTheVariableList() {
        FormulaDialog f;
        QMimeData mime;
        mime.setText(QStringLiteral("B"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.box(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.box(), &drop);
        QCOMPARE(f.dialog.FormulaText(), QString());
        f.dialog.findChild<QListWidget*>(QStringLiteral("ListBox1"))->setCurrentRow(2);
        f.dialog.ComboBox2DragDrop();
        QCOMPARE(f.dialog.FormulaText(), QStringLiteral("C"));
        QCOMPARE(f.dialog.UndoLength, 1);
    }

    void setsDialogRemembersConfirmedTexts() {
        TInputForm sets;
        QCOMPARE(sets.objectName(), QStringLiteral("InputForm"));
        sets.SetSetText(0, QStringLiteral("1,3"));
        sets.SetSetText(2, QStringLiteral("5-7"));
        sets.open();
        sets.BitBtn1Click();
        QCOMPARE(sets.result(), int(QDialog::Accepted));
        sets.SetSetText(0, QStringLiteral("9"));
        sets.open();
        sets.BitBtn2Click();
        QCOMPARE(sets.result(), int(QDialog::Rejected));
        sets.SetSetText(0, QStringLiteral("1,3"));
        sets.BitBtn1Click();
        QCOMPARE(sets.History(0), QStringList{"1,3"});
        QCOMPARE(sets.History(1), QStringList());
        QCOMPARE(sets.History(2), QStringList{"5-7"});
        QCOMPARE(sets.SetText(2), QStringLiteral("5-7"));
        sets.SetRange(QStringLiteral("[0..7]"));
        QCOMPARE(sets.findChild<QLabel*>(QStringLiteral("Label5"))->text(),
                 QStringLiteral("[0..7]"));
        QCOMPARE(sets.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                 QStringLiteral("Enabled Set's"));
    }

    void truthTableLayout_data() {
        QTest::addColumn<int>("variables");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("last");
        QTest::newRow("2") << 2 << 4 << QStringList({"0", "0", "1", "1"})
                           << QStringList({"0", "1", "0", "1"});
        QTest::newRow("3") << 3 << 8 << QStringList({"0", "0", "0", "0", "1", "1", "1", "1"})
                           << QStringList({"0", "1", "0", "1", "0", "1", "0", "1"});
    }

    void truthTableLayout() {
        QFETCH(int, variables);
        QFETCH(int, rows);
        QFETCH(QStringList, first);
        QFETCH(QStringList, last);
        FakeMessageBox messages;
        TTruthTable table(&messages);
        table.SetVariableCount(variables);
        QCOMPARE(table.model()->rowCount(), rows);
        QCOMPARE(table.model()->columnCount(), variables + 1);
        QCOMPARE(tableColumn(table, 0), first);
        QCOMPARE(tableColumn(table, variables - 1), last);
        QCOMPARE(tableColumn(table, variables), QStringList(rows, QString()));
        QCOMPARE(table.model()->headerData(variables, Qt::Horizontal).toString(),
                 QStringLiteral("F1"));
        QVERIFY(!(table.model()->flags(table.model()->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(table.model()->flags(table.model()->index(0, variables)) & Qt::ItemIsEditable);
        QVERIFY(!table.model()->setData(table.model()->index(0, 0), QStringLiteral("1")));
        QCOMPARE(table.Cell(0, 1), std::string("0"));
    }

    void truthTableRefusesInvalidSizes_data() {
        QTest::addColumn<int>("variables");
        QTest::addColumn<int>("functions");
        QTest::newRow("9 variables") << 9 << 1;
        QTest::newRow("1 variable") << 1 << 1;
        QTest::newRow("no function") << 4 << 0;
        QTest::newRow("5 functions") << 4 << 5;
    }

    void truthTableRefusesInvalidSizes() {
        QFETCH(int, variables);
        QFETCH(int, functions);
        FakeMessageBox messages;
        TTruthTable table(&messages);
        table.SetTableSize(3, 2);
        table.SetCell(3, 1, "1");
        table.SetTableSize(variables, functions);
        QCOMPARE(shownTexts(messages), QStringList{"Invalid number of variables"});
        QCOMPARE(table.VariableCount(), 3);
        QCOMPARE(table.FunctionCount(), 2);
        QCOMPARE(table.model()->columnCount(), 5);
        QCOMPARE(table.Cell(3, 1), std::string("1"));
    }

    void truthTableSetCountEmptiesTheFunctionColumn() {
        FakeMessageBox messages;
        TTruthTable table(&messages);
        table.SetCell(4, 3, "1");
        table.SetVariableCount(4);
        QCOMPARE(table.Cell(4, 3), std::string());
    }

    void truthTableWidensColumnsForLongNamesOnly() {
        FakeMessageBox messages;
        TTruthTable table(&messages);
        QCOMPARE(table.DefaultColWidth(), 25);
        table.SetColumnName(1, "A");
        QCOMPARE(table.DefaultColWidth(), 25);
        table.SetColumnName(2, "LONGNAME12");
        const int wide = table.fontMetrics().horizontalAdvance(QStringLiteral("LONGNAME12"));
        QVERIFY(wide > 25);
        QCOMPARE(table.DefaultColWidth(), wide + 10);
        QCOMPARE(table.horizontalHeader()->sectionSize(0), wide + 10);
        table.SetColumnName(2, "B");
        QCOMPARE(table.DefaultColWidth(), wide + 10);
    }

    void truthTableCapsItsFontAt10Points() {
        FakeMessageBox messages;
        TTruthTable table(&messages);
        QFont font = table.font();
        font.setPointSize(14);
        table.setFont(font);
        QCOMPARE(table.font().pointSizeF(), 10.0);
    }

    void truthTableHeaderOfFunctionColumnIsGrey() {
        FakeMessageBox messages;
        TTruthTableForm form(&messages);
        TTruthTable* table = form.TruthTable1();
        QCOMPARE(table->objectName(), QStringLiteral("TruthTable1"));
        table->SetVariableCount(2);
        const QImage header = table->horizontalHeader()->grab().toImage();
        const int x = table->horizontalHeader()->sectionViewportPosition(2) + 3;
        QCOMPARE(header.pixelColor(x, 3), QColor(0xAA, 0xAA, 0xAA));
        const int input = table->horizontalHeader()->sectionViewportPosition(0) + 3;
        QVERIFY(header.pixelColor(input, 3) != QColor(0xAA, 0xAA, 0xAA));
    }

    void truthTableEditorWritesWhileTyping() {
        FakeMessageBox messages;
        TTruthTable table(&messages);
        table.show();
        table.setCurrentIndex(table.model()->index(2, 4));
        QApplication::processEvents();
        QWidget* editor = table.indexWidget(table.model()->index(2, 4));
        if (!editor)
            editor = table.viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("*"));
        QCOMPARE(table.Cell(4, 3), std::string("*"));
    }

    void optionsNameChecksInOrder_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("messages");
        const QString empty = QStringLiteral("Variable can not bee NULL");
        const auto redeclared = [](const char* name) {
            return QStringLiteral("Variable: \"%1\"\r\nis redeclarated.").arg(QLatin1String(name));
        };
        QTest::newRow("valid") << QStringList({"A", "B", "C", "D", "E", "F", "G", "H"})
                               << QStringList();
        QTest::newRow("same in other case") << QStringList({"a", "b", "A", "d", "e", "f", "g", "h"})
                                            << QStringList{redeclared("A")};
        QTest::newRow("three empty")
            << QStringList({"A", "", "C", "", "E", "F", "", "H"})
            << QStringList({empty, empty, empty, redeclared(""), redeclared(""), redeclared("")});
        QTest::newRow("pairs in order")
            << QStringList({"X", "Y", "X", "Y", "E", "F", "G", "X"})
            << QStringList({redeclared("X"), redeclared("X"), redeclared("Y"), redeclared("X")});
        QTest::newRow("control character")
            << QStringList({"A\tB", "B", "C", "D", "E", "F", "G", "H"})
            << QStringList{
                   QStringLiteral("Variable: \"A?B\"\r\nholds a character that is not allowed.")};
        // Names are taken cut to ten characters, so two that differ only after them are equal.
        QTest::newRow("equal once cut")
            << QStringList({"abcdefghijK", "abcdefghijL", "C", "D", "E", "F", "G", "H"})
            << QStringList{redeclared("ABCDEFGHIJ")};
    }

    void optionsNameChecksInOrder() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, messages);
        UiApp ui;
        TOptions* options = ui.w().Options;
        options->open();
        std::array<QString, 8> boxes;
        for (int i = 0; i < 8; ++i)
            boxes[static_cast<std::size_t>(i)] = names[i];
        options->SetNames(boxes);
        options->BitBtn1Click();
        QCOMPARE(shownTexts(ui.messages), messages);
        for (const auto& shown : ui.messages.shown) {
            QCOMPARE(shown.kind, MsgKind::Error);
            QCOMPARE(shown.buttons, MsgButtons::Ok);
        }
        QCOMPARE(options->NamesValid, messages.isEmpty());
        QCOMPARE(options->isVisible(), !messages.isEmpty());
    }

    void optionsCloseBoxWorksOnlyAfterAValidOk() {
        UiApp ui;
        TOptions* options = ui.w().Options;
        options->open();
        options->close();
        QVERIFY(options->isVisible());
        QTest::keyClick(options, Qt::Key_Escape);
        QVERIFY(options->isVisible());
        options->BitBtn1Click();
        QVERIFY(!options->isVisible());
        options->open();
        options->close();
        QVERIFY(!options->isVisible());
        QVERIFY(ui.readFile(QStringLiteral("lorvane.ini"))
                    .contains("[Language]\r\nSupportedLanguages=\r\n"));
    }

    void optionsAddsInstalledLanguagesOnly() {
        UiApp ui;
        QDir(ui.folder.path()).mkpath(QStringLiteral("languages"));
        ui.writeFile(QStringLiteral("languages/German.lng"), "[Translations]\r\n");
        TOptions* options = ui.w().Options;
        auto* name = options->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        name->setText(QStringLiteral("French"));
        options->Button1Click();
        QVERIFY(options->Languages().isEmpty());
        QVERIFY(ui.messages.shown.empty());
        name->setText(QStringLiteral("German"));
        options->Button1Click();
        QCOMPARE(options->Languages(), QStringList{"German"});
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{"Language: \"German\" installed successfully."});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Information);
        name->setText(QStringLiteral("GERMAN"));
        options->Button1Click();
        QCOMPARE(options->Languages(), QStringList{"German"});
        QCOMPARE(ui.messages.shown.size(), 1U);
        options->open();
        options->BitBtn1Click();
        QVERIFY(
            ui.readFile(QStringLiteral("lorvane.ini")).contains("SupportedLanguages=German\r\n"));
    }

    void optionsOpensOnTheFunctionPageThenTheLastOne() {
        UiApp ui;
        auto* pages = ui.w().Options->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        pages->setCurrentIndex(2);
        ui.w().Options->open();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
        QStringList tabOrder;
        QWidget* edit = ui.w().Options->findChild<QLineEdit*>(QStringLiteral("Edit7"));
        for (int i = 0; i < 2; ++i) {
            edit = edit->nextInFocusChain();
            tabOrder << edit->objectName();
        }
        QCOMPARE(tabOrder, QStringList({"Edit9", "Edit8"}));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
