// The commands of the main window through menu items, shortcuts and buttons: fills, the input
// dialogs, files, options, fonts, colour, windows and the close question.
#include "UiTestSupport.h"

#include "app/HelpForm.h"
#include "app/OptionsForm.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "input/widgets/TruthTable.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>

namespace {

/// What a command visibly does, so one table can check every way of reaching it.
enum class Effect {
    FillOne,
    FillZero,
    FillStar,
    Clear,
    Analyze,
    OpenDialog,
    SaveDialog,
    FormulaDialog,
    SetsDialog,
    TruthDialog,
    OptionsDialog,
    AboutDialog,
    ReportDialog,
    HelpWindow,
    MapFontDialog,
    ColorDialog,
    ResultFontDialog,
    CloseQuestion
};

QPushButton* reportBtn(const UiApp& ui) {
    return child<QPushButton>(ui.form(), "ReportBtn");
}
int treeLines(const UiApp& ui) {
    int count = 0;
    const QTreeWidget* tree = ui.form()->ResultTree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        count += 1 + tree->topLevelItem(i)->childCount();
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Effect)

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void everyCommandIsReachable_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<Effect>("effect");
        const QList<std::tuple<const char*, QStringList, Effect>> rows = {
            {"fill 1", {"N110", "N01", "SpeedButton5", "Ctrl+I"}, Effect::FillOne},
            {"fill 0", {"N03", "N02", "SpeedButton6", "Ctrl+O"}, Effect::FillZero},
            {"fill *", {"N21", "N7", "SpeedButton7", "Ctrl+A"}, Effect::FillStar},
            {"clear", {"N24", "SpeedButton8", "Ctrl+X"}, Effect::Clear},
            {"analyze", {"N25", "SpeedButton9", "F5"}, Effect::Analyze},
            {"open", {"N18", "SpeedButton1", "F3"}, Effect::OpenDialog},
            {"save", {"N5", "SpeedButton2"}, Effect::SaveDialog},
            {"formula", {"N22", "N9", "SpeedButton3", "Ctrl+F"}, Effect::FormulaDialog},
            {"paste", {"N14"}, Effect::FormulaDialog},
            {"sets", {"N23", "N8", "SpeedButton4", "Ctrl+S"}, Effect::SetsDialog},
            {"truth", {"N28", "N29", "SpeedButton11", "Ctrl+T"}, Effect::TruthDialog},
            {"options", {"N13", "SpeedButton10"}, Effect::OptionsDialog},
            {"about", {"N17"}, Effect::AboutDialog},
            {"report", {"ReportBtn"}, Effect::ReportDialog},
            {"help", {"N16", "F1"}, Effect::HelpWindow},
            {"map font", {"N26", "N3"}, Effect::MapFontDialog},
            {"colour", {"N27", "N2"}, Effect::ColorDialog},
            {"result font", {"N4"}, Effect::ResultFontDialog},
            {"exit", {"N19", "Ctrl+F4"}, Effect::CloseQuestion},
        };
        for (const auto& [command, ways, effect] : rows)
            for (const QString& way : ways)
                QTest::addRow("%s via %s", command, qPrintable(way)) << way << effect;
    }

    void everyCommandIsReachable() {
        QFETCH(QString, how);
        QFETCH(Effect, effect);
        UiApp ui;
        activate(ui);
        reportBtn(ui)->setEnabled(true);
        ModalScript script([](QWidget* window) {
            if (window->objectName() == QLatin1String("Options"))
                clickButton(window, "BitBtn1");
            else
                rejectDialog(window);
        });
        if (QAction* a = action(ui, how))
            a->trigger();
        else if (auto* button = ui.form()->findChild<QAbstractButton*>(how))
            button->click();
        else
            QTest::keySequence(ui.form(), QKeySequence(how));
        QApplication::processEvents();
        const QString modal = script.seen().value(0);

        const auto all = [&ui](const char* value) {
            return ui.cells() == std::vector<std::string>(16, value);
        };
        switch (effect) {
        case Effect::FillOne:
            QVERIFY(all("1"));
            break;
        case Effect::FillZero:
            QVERIFY(all("0"));
            break;
        case Effect::FillStar:
            QVERIFY(all("*"));
            break;
        case Effect::Clear:
            QVERIFY(all(""));
            QVERIFY(!reportBtn(ui)->isEnabled());
            break;
        case Effect::Analyze:
            QCOMPARE(shownTexts(ui.messages), QStringList{"Analyze Complete."});
            break;
        case Effect::OpenDialog:
            QCOMPARE(ui.dialogs.openCalls.size(), 1U);
            break;
        case Effect::SaveDialog:
            QCOMPARE(ui.dialogs.saveCalls.size(), 1U);
            break;
        case Effect::FormulaDialog:
            QCOMPARE(modal, QStringLiteral("InputFormula"));
            break;
        case Effect::SetsDialog:
            QCOMPARE(modal, QStringLiteral("InputForm"));
            break;
        case Effect::TruthDialog:
            QCOMPARE(modal, QStringLiteral("TruthTableForm"));
            break;
        case Effect::OptionsDialog:
            QCOMPARE(modal, QStringLiteral("Options"));
            break;
        case Effect::AboutDialog:
            QCOMPARE(modal, QStringLiteral("AboutBox"));
            break;
        case Effect::ReportDialog:
            QCOMPARE(modal, QStringLiteral("Report"));
            break;
        case Effect::HelpWindow:
            QVERIFY(ui.w().Help->isVisible());
            QCOMPARE(ui.w().Help->windowTitle(), QStringLiteral("Help"));
            break;
        case Effect::MapFontDialog:
            QCOMPARE(ui.dialogs.fontCalls.size(), 1U);
            QCOMPARE(ui.dialogs.fontCalls[0].family(), ui.map()->font().family());
            break;
        case Effect::ColorDialog:
            QCOMPARE(ui.dialogs.colorCalls.size(), 1U);
            break;
        case Effect::ResultFontDialog:
            QCOMPARE(ui.dialogs.fontCalls.size(), 1U);
            QCOMPARE(ui.dialogs.fontCalls[0].family(), ui.form()->ResultTree()->font().family());
            break;
        case Effect::CloseQuestion:
            QCOMPARE(shownTexts(ui.messages), QStringList{"Do you really want to quit?"});
            QCOMPARE(ui.messages.shown[0].kind, MsgKind::Information);
            QCOMPARE(ui.messages.shown[0].buttons, MsgButtons::YesNo);
            break;
        }
        if (effect != Effect::FormulaDialog && effect != Effect::SetsDialog &&
            effect != Effect::TruthDialog && effect != Effect::OptionsDialog &&
            effect != Effect::AboutDialog && effect != Effect::ReportDialog)
            QVERIFY(modal.isEmpty());
    }

    void fillsAskBeforeDroppingResults_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("linesAfter");
        QTest::newRow("OK clears the results") << int(MsgAnswer::Ok) << 0;
        QTest::newRow("Cancel keeps them") << int(MsgAnswer::Cancel) << 3;
    }

    void fillsAskBeforeDroppingResults() {
        QFETCH(int, answer);
        QFETCH(int, linesAfter);
        UiApp ui;
        ui.set({0, 5}, "1");
        ui.form()->N25Click();
        QCOMPARE(treeLines(ui), 3);
        ui.messages.shown.clear();
        ui.messages.answers = {static_cast<MsgAnswer>(answer)};
        ui.form()->FillWith("*");
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{"Results of analyze will be lost, Continue?"});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Warning);
        QCOMPARE(ui.messages.shown[0].buttons, MsgButtons::OkCancel);
        QCOMPARE(treeLines(ui), linesAfter);
        QVERIFY(ui.cells() == std::vector<std::string>(16, "*"));
        QVERIFY(!reportBtn(ui)->isEnabled());
    }

    void fillWithoutResultsAsksNothing() {
        UiApp ui;
        ui.form()->FillWith("");
        QVERIFY(ui.messages.shown.empty());
    }

    void setsCommandAppliesTheThreeSetsInOrder() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        TInputForm* sets = ui.w().InputForm;
        sets->SetSetText(0, QStringLiteral("0-7"));
        sets->SetSetText(1, QStringLiteral("3"));
        sets->SetSetText(2, QStringLiteral("3-4"));
        ModalScript script([](QWidget* d) { clickButton(d, "BitBtn1"); });
        ui.form()->N23Click();
        QCOMPARE(sets->Range(), QStringLiteral("[0..7]"));
        for (int m = 0; m < 8; ++m)
            QCOMPARE(ui.at(m), std::string(m == 3 || m == 4 ? "*" : "1"));
        QVERIFY(!reportBtn(ui)->isEnabled());
    }

    void setsCommandShowsRangeAndReportsRefusedSetAfterClosing() {
        UiApp ui;
        reportBtn(ui)->setEnabled(true);
        TInputForm* sets = ui.w().InputForm;
        sets->SetSetText(0, QStringLiteral("1;3"));
        sets->SetSetText(1, QStringLiteral("0"));
        QString range;
        ModalScript script([sets, &range](QWidget* d) {
            range = sets->Range();
            clickButton(d, "BitBtn1");
        });
        ui.form()->N23Click();
        QCOMPARE(range, QStringLiteral("[0..15]"));
        QCOMPARE(shownTexts(ui.messages), QStringList{"Invalid symbol in string."});
        QCOMPARE(ui.at(0), std::string("0"));
        QCOMPARE(ui.at(1), std::string(""));
        QCOMPARE(sets->SetText(0), QStringLiteral("1;3"));
        QVERIFY(sets->History(0).contains(QStringLiteral("1;3")));
    }

    void cancelledDialogsChangeNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("formula") << "N22";
        QTest::newRow("sets") << "N23";
        QTest::newRow("truth table") << "N28";
    }

    void cancelledDialogsChangeNothing() {
        QFETCH(QString, command);
        UiApp ui;
        ui.set({1, 2}, "1");
        ui.form()->N25Click();
        ui.w().InputForm->SetSetText(0, QStringLiteral("0-15"));
        ui.w().InputFormula->SetFormula(QStringLiteral("A"));
        const auto before = ui.cells();
        ModalScript script([](QWidget* d) { clickButton(d, "BitBtn2"); });
        action(ui, command)->trigger();
        QVERIFY(ui.cells() == before);
        QVERIFY(reportBtn(ui)->isEnabled());
    }

    void formulaCommandFillsTheMapFromTheFormula() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        QStringList listed;
        ModalScript script([&ui, &listed](QWidget* d) {
            auto* list = child<QListWidget>(d, "ListBox1");
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            ui.w().InputFormula->SetFormula(QStringLiteral("A*B"));
            clickButton(d, "BitBtn1");
        });
        ui.form()->N22Click();
        QCOMPARE(listed, QStringList({"A", "B", "C"}));
        QCOMPARE(ui.at(6), std::string("1"));
        QCOMPARE(ui.at(7), std::string("1"));
        QVERIFY(!reportBtn(ui)->isEnabled());
    }

    void pasteResultPreloadsTheFormulaAndFillsNothing() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        const auto before = ui.cells();
        QString formula;
        QString view;
        ModalScript script([&](QWidget* d) {
            formula = ui.w().InputFormula->FormulaText();
            view = ui.w().InputFormula->ViewText();
            clickButton(d, "BitBtn1");
        });
        ui.form()->N14Click();
        QCOMPARE(formula, QStringLiteral("|A*B+A*C"));
        QCOMPARE(view, formula);
        QVERIFY(ui.cells() == before);
        QVERIFY(reportBtn(ui)->isEnabled());
    }

    void truthTableCommandCopiesNamesAndFillsTheMap() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        ui.form()->FillWith("1");
        TTruthTable* table = ui.w().TruthTableForm->TruthTable1();
        table->SetCell(3, 2, "x");
        QStringList names;
        ModalScript script([&](QWidget* d) {
            for (int col = 1; col <= table->VariableCount() + 1; ++col)
                names << QString::fromStdString(table->ColumnName(col));
            QCOMPARE(table->Cell(3, 2), std::string());
            table->SetCell(3, 4, "1");
            table->SetCell(3, 8, "*");
            clickButton(d, "BitBtn1");
        });
        ui.form()->N28Click();
        QCOMPARE(names, QStringList({"A", "B", "C", "F1"}));
        for (int m = 0; m < 8; ++m)
            QCOMPARE(ui.at(m), std::string(m == 3 ? "1" : m == 7 ? "*" : ""));
        QVERIFY(!reportBtn(ui)->isEnabled());
    }

    void openLoadsTheMapAndSetsTheCount() {
        UiApp ui;
        TestMap source(5);
        source.Set({0, 9, 31}, "1");
        source.Set({4}, "*");
        const QString file = ui.path(QStringLiteral("five.lvn"));
        QVERIFY(source.grid.SaveToFile(file.toStdString()));
        ui.dialogs.openAnswers = {FileChoice{file, 1}};
        ui.form()->N18Click();
        QCOMPARE(ui.dialogs.openCalls[0].title, QStringLiteral("Open Map"));
        QCOMPARE(ui.dialogs.openCalls[0].filter,
                 QStringLiteral("Karnaugh Map File|*.lvn|All Files|*.*|PLA files|*.pla"));
        QCOMPARE(ui.dialogs.openCalls[0].defaultSuffix, QStringLiteral("lvn"));
        QCOMPARE(ui.grid().GetVariableCount(), 5);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("5"));
        QCOMPARE(ui.form()->MapHint(), QStringLiteral("Variables: A B \\ C D E "));
        QCOMPARE(ui.at(9), std::string("1"));
        QCOMPARE(ui.at(4), std::string("*"));
        QCOMPARE(ui.at(1), std::string("0"));
        QVERIFY(!reportBtn(ui)->isEnabled());
    }

    void openOfForeignFileSaysSoAndKeepsTheMap() {
        UiApp ui;
        ui.set({3}, "1");
        ui.writeFile(QStringLiteral("text.lvn"), "hello");
        ui.dialogs.openAnswers = {FileChoice{ui.path(QStringLiteral("text.lvn")), 1}};
        ui.form()->N18Click();
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{"File type mistmatch. (\"" + ui.path(QStringLiteral("text.lvn")) +
                             "\" is no map file)"});
        QCOMPARE(ui.at(3), std::string("1"));
        ui.dialogs.openAnswers = {std::nullopt};
        ui.form()->N18Click();
        QCOMPARE(ui.at(3), std::string("1"));
    }

    void commandLineMapOpensAtStart() {
        UiApp writer;
        TestMap source(6);
        source.Set({63}, "1");
        const QString file = writer.path(QStringLiteral("six.lvn"));
        QVERIFY(source.grid.SaveToFile(file.toStdString()));
        UiApp ui({}, file);
        QCOMPARE(ui.grid().GetVariableCount(), 6);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("6"));
        QCOMPARE(ui.form()->MapHint(), QStringLiteral("Variables: A B C \\ D E F "));
        QCOMPARE(ui.at(63), std::string("1"));
    }

    void exampleMapsOpenWithTheirCount() {
        const QDir examples(QStringLiteral(LORVANE_EXAMPLES));
        const QStringList maps = examples.entryList({QStringLiteral("*.lvn")});
        QVERIFY(!maps.isEmpty());
        for (const QString& name : maps) {
            QFile file(examples.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const int count = file.read(6).at(5);
            UiApp ui({}, examples.filePath(name));
            QVERIFY2(ui.messages.shown.empty(), qPrintable(name));
            QCOMPARE(ui.grid().GetVariableCount(), count);
            QCOMPARE(ui.countBox()->text(), QString::number(count));
            ui.form()->N25Click();
            QCOMPARE(shownTexts(ui.messages), QStringList{"Analyze Complete."});
        }
    }

    // A text field keeps its own editing keys (Ctrl+A selects all, Ctrl+X cuts): they must
    // not fill or clear the map under the user's hands. Other menu keys work from a field.
    void editingKeysStayWithTextFieldsOtherMenuKeysWin() {
        UiApp ui;
        activate(ui);
        ui.form()->FillWith("1");
        ui.countBox()->setFocus();
        ui.countBox()->deselect();
        QTest::keyClick(ui.countBox(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(ui.cells() == std::vector<std::string>(16, "1"));
        QCOMPARE(ui.countBox()->selectedText(), QStringLiteral("4"));
        QTest::keyClick(ui.countBox(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(ui.cells() == std::vector<std::string>(16, "1"));
        QCOMPARE(ui.countBox()->text(), QString());
        QTest::keyClick(ui.countBox(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("4"));
        QTest::keyClick(ui.countBox(), Qt::Key_Up);
        QCOMPARE(ui.grid().GetVariableCount(), 5);
        QTest::keyClick(ui.countBox(), Qt::Key_F5);
        QCOMPARE(shownTexts(ui.messages), QStringList{"Analyze Complete."});
        QTest::keyClick(ui.countBox(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(ui.cells() == std::vector<std::string>(32, "0"));

        // On the map itself Ctrl+A is the fill; in its cell editor it is the editor's.
        CarnoGridView* map = ui.map();
        map->setFocus();
        map->setCurrentIndex(map->model()->index(0, 0));
        QTest::keyClick(map, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ui.at(0), std::string("*"));
        QTest::keyClick(map, Qt::Key_1);
        auto* editor = map->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString());
        QCOMPARE(ui.at(1), std::string("*"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1"));
    }

    void saveProposesCountedNamesAndWraps() {
        UiApp ui;
        for (int i = 0; i < 257; ++i)
            ui.form()->N5Click();
        QCOMPARE(ui.dialogs.saveCalls[0].fileName, QStringLiteral("Map0"));
        QCOMPARE(ui.dialogs.saveCalls[1].fileName, QStringLiteral("Map1"));
        QCOMPARE(ui.dialogs.saveCalls[255].fileName, QStringLiteral("Map255"));
        QCOMPARE(ui.dialogs.saveCalls[256].fileName, QStringLiteral("Map0"));
        QCOMPARE(ui.dialogs.saveCalls[0].title, QStringLiteral("Save As..."));
        QCOMPARE(ui.dialogs.saveCalls[0].filter,
                 QStringLiteral("Karnaugh Map Files|*.lvn|Internet HTML Document|*.htm; "
                                "*.html|All Files|*.*|PLA files|*.pla"));
        QCOMPARE(ui.dialogs.saveCalls[0].defaultSuffix, QStringLiteral("lvn"));
    }

    void saveChoosesTheFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("html");
        QTest::newRow("map filter") << "a.lvn" << 1 << false;
        QTest::newRow("html filter, map extension") << "b.lvn" << 2 << true;
        QTest::newRow("all files, .htm") << "c.htm" << 3 << true;
        QTest::newRow("all files, .HTML") << "d.HTML" << 3 << true;
        QTest::newRow("all files, .lvn") << "e.lvn" << 3 << false;
        QTest::newRow("all files, other") << "f.map" << 3 << false;
    }

    void saveChoosesTheFormat() {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(bool, html);
        UiApp ui;
        ui.set({0}, "1");
        ui.dialogs.saveAnswers = {FileChoice{ui.path(name), filter}};
        ui.form()->N5Click();
        const QByteArray bytes = ui.readFile(name);
        QCOMPARE(bytes.startsWith("CCS "), !html);
        QCOMPARE(bytes.contains("<html") || bytes.contains("<HTML"), html);
    }

    void saveAsksBeforeReplacingAndUsesBitSave() {
        UiApp ui;
        ui.set({0}, "1");
        ui.form()->N25Click();
        ui.writeFile(QStringLiteral("m.lvn"), "old");
        ui.messages.shown.clear();
        ui.messages.answers = {MsgAnswer::No};
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("m.lvn")), 1}};
        ui.form()->N5Click();
        QCOMPARE(shownTexts(ui.messages), QStringList{"This file already exist, replace ?"});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Warning);
        QCOMPARE(ui.messages.shown[0].buttons, MsgButtons::YesNo);
        QCOMPARE(ui.readFile(QStringLiteral("m.lvn")), QByteArray("old"));

        child<QCheckBox>(ui.w().Options, "BitSave")->setChecked(true);
        ui.messages.answers = {MsgAnswer::Yes};
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("m.lvn")), 1}};
        ui.form()->N5Click();
        const QByteArray bytes = ui.readFile(QStringLiteral("m.lvn"));
        QVERIFY(bytes.startsWith("CCS "));
        QCOMPARE(int(bytes.at(6)), 1); // the bit-save flag of the header
        QCOMPARE(ui.form()->SaveCounter, 2);
        QVERIFY(reportBtn(ui)->isEnabled());
    }

    void closeAsksWhenTheOptionSaysSo_data() {
        QTest::addColumn<bool>("ask");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("ask, yes") << true << int(MsgAnswer::Yes) << true;
        QTest::newRow("ask, no") << true << int(MsgAnswer::No) << false;
        QTest::newRow("no question") << false << int(MsgAnswer::No) << true;
    }

    void closeAsksWhenTheOptionSaysSo() {
        QFETCH(bool, ask);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        UiApp ui;
        child<QCheckBox>(ui.w().Options, "askbox")->setChecked(ask);
        ui.form()->show();
        QSignalSpy closed(ui.form(), &TForm1::closed);
        ui.messages.answers = {static_cast<MsgAnswer>(answer)};
        ui.form()->close();
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(ui.form()->isVisible(), !closes);
        QCOMPARE(ui.messages.shown.size(), ask ? 1U : 0U);
    }

    void optionsCommandTakesNamesAndSwitches() {
        UiApp ui;
        TOptions* options = ui.w().Options;
        QStringList preset;
        ModalScript script([&](QWidget* d) {
            for (int i = 1; i <= 8; ++i)
                preset << options->Name(i);
            child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("abc"));
            child<QLineEdit>(d, "Edit3")->setText(QStringLiteral("longername12"));
            child<QCheckBox>(d, "DrawFocus")->setChecked(false);
            child<QCheckBox>(d, "MoveColRow")->setChecked(true);
            child<QCheckBox>(d, "ColRowSizing")->setChecked(true);
            clickButton(d, "BitBtn1");
        });
        ui.form()->N13Click();
        QCOMPARE(preset, QStringList({"A", "B", "C", "D", "E", "F", "G", "H"}));
        QCOMPARE(ui.grid().VariableName(1), std::string("ABC"));
        QCOMPARE(ui.grid().VariableName(2), std::string("LONGERNAME"));
        QCOMPARE(ui.form()->MapHint(), QStringLiteral("Variables: ABC LONGERNAME \\ C D "));
        QVERIFY(!ui.map()->fillCursor());
        QVERIFY(ui.map()->movable());
        QVERIFY(ui.map()->resizable());
    }

    void mapFontIsCappedAndRepaints() {
        UiApp ui;
        ui.set({0}, "1");
        ui.form()->N25Click();
        ui.form()->ResultTree()->setCurrentItem(ui.form()->ResultTree()->topLevelItem(0)->child(0));
        QVERIFY(!ui.map()->highlightedCells().empty());
        QFont font(QStringLiteral("Serif"));
        font.setPointSize(14);
        ui.dialogs.fontAnswers = {font};
        ui.form()->N26Click();
        QCOMPARE(ui.map()->font().pointSizeF(), 10.0);
        QCOMPARE(ui.map()->font().family(), QStringLiteral("Serif"));
        QVERIFY(ui.map()->highlightedCells().empty());
        ui.dialogs.fontAnswers = {std::nullopt};
        ui.form()->N26Click();
        QCOMPARE(ui.map()->font().family(), QStringLiteral("Serif"));
    }

    void productsColourShowsAtTheNextHighlight() {
        UiApp ui;
        ui.set({0}, "1");
        ui.form()->N25Click();
        QTreeWidget* tree = ui.form()->ResultTree();
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        ui.dialogs.colorAnswers = {QColor(255, 0, 0)};
        ui.form()->N27Click();
        QCOMPARE(ui.dialogs.colorCalls[0], QColor(0, 0, 0));
        QCOMPARE(ui.grid().TermColor, 0x0000FFU);
        QVERIFY(!ui.map()->highlightedCells().empty());
        ui.dialogs.colorAnswers = {std::nullopt};
        ui.form()->N27Click();
        QCOMPARE(ui.grid().TermColor, 0x0000FFU);
    }

    void resultFontGoesToTheTree() {
        UiApp ui;
        QFont font(QStringLiteral("Monospace"));
        ui.dialogs.fontAnswers = {font};
        ui.form()->N4Click();
        QCOMPARE(ui.form()->ResultTree()->font().family(), QStringLiteral("Monospace"));
    }

    void helpShowsTheSameWindowEachTime() {
        UiApp ui;
        ui.form()->N16Click();
        ui.w().Help->setWindowTitle(QStringLiteral("elsewhere"));
        ui.form()->N16Click();
        QVERIFY(ui.w().Help->isVisible());
        QCOMPARE(ui.w().Help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(QApplication::topLevelWidgets().count(ui.w().Help), 1);
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
