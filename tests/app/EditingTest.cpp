// The main window as people use it for hours: undo and redo of every kind of change, copy and
// paste of cells, unsaved changes, the keyboard's way through the window, the formula and set
// boxes, outlines of a discarded result and maps opened by their content.
#include "UiTestSupport.h"

#include "app/UpDown.h"
#include "app/commands/MinimumSolutions.h"
#include "document/MapHistory.h"
#include "engine/ExactMap.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "input/widgets/TruthTable.h"
#include "ui/ActionNames.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTreeWidget>

namespace {

/// Makes data cell (col, row), counted from 1, the current and only selected cell.
void goTo(const UiApp& ui, int col, int row) {
    CarnoGridView* map = ui.map();
    map->setCurrentIndex(map->model()->index(row - 1, col - 1));
}

void selectCells(const UiApp& ui, const QRect& cells) {
    CarnoGridView* map = ui.map();
    goTo(ui, cells.left(), cells.top());
    map->selectionModel()->select(
        QItemSelection(map->model()->index(cells.top() - 1, cells.left() - 1),
                       map->model()->index(cells.bottom() - 1, cells.right() - 1)),
        QItemSelectionModel::ClearAndSelect);
}

QWidget* focused() {
    // Between one cell editor closing and the next opening the keyboard may belong to nobody
    // for a few events, longer on a busy machine.
    (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; });
    return QApplication::focusWidget();
}

/// Types into the widget that has the keyboard, as a person does.
void typeKeys(const QString& text) {
    for (const QChar ch : text)
        QTest::keyClick(focused(), ch.toLatin1());
}

/// Enter in an edit box until it reaches the dialog: an open completion list has the keys and
/// takes the first Enter to close itself.
void pressEnter(QLineEdit* box) {
    QWidget* popup = box->completer() ? box->completer()->popup() : nullptr;
    if (popup && popup->isVisible())
        QTest::keyClick(popup, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return);
}

/// Types `text` into an empty combo box of `dialog` and confirms with Enter; returns what the
/// box showed before Enter. A dialog that Enter did not close is cancelled, so that the
/// checks after it say what went wrong.
QString typeAndConfirm(QWidget* dialog, QComboBox* combo, const char* text) {
    QLineEdit* box = combo->lineEdit();
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, QString::fromLatin1(text));
    const QString shown = box->text();
    pressEnter(box);
    if (dialog->isVisible())
        rejectDialog(dialog);
    return shown;
}

/// Enter in a cell editor: the editor closes once the event loop runs.
void enterInCell() {
    QTest::keyClick(focused(), Qt::Key_Return);
    QApplication::processEvents();
}

void clickOk(QWidget* dialog) {
    clickButton(dialog, "BitBtn1");
}

/// Runs one kind of change of the map, as the user would.
void change(UiApp& ui, const QString& kind) {
    TForm1* form = ui.form();
    if (kind == QLatin1String("typing")) {
        activate(ui);
        ui.map()->setFocus();
        goTo(ui, 2, 3);
        QTest::keyClick(ui.map(), '1');
        enterInCell();
    } else if (kind == QLatin1String("delete")) {
        selectCells(ui, QRect(1, 1, 2, 2));
        QTest::keyClick(ui.map(), Qt::Key_Delete);
    } else if (kind == QLatin1String("fill")) {
        form->FillWith("*");
    } else if (kind == QLatin1String("clear")) {
        form->FillWith("");
    } else if (kind == QLatin1String("sets")) {
        ui.w().InputForm->SetSetText(0, QStringLiteral("0-3"));
        ModalScript script(clickOk);
        form->N23Click();
    } else if (kind == QLatin1String("formula")) {
        ModalScript script([&ui](QWidget* d) {
            ui.w().InputFormula->SetFormula(QStringLiteral("A*|B"));
            clickOk(d);
        });
        form->N22Click();
    } else if (kind == QLatin1String("truth table")) {
        ModalScript script([&ui](QWidget* d) {
            ui.w().TruthTableForm->TruthTable1()->SetCell(4, 3, "1");
            clickOk(d);
        });
        form->N28Click();
    } else if (kind == QLatin1String("up-down")) {
        child<UpDownControl>(form, "UpDown1")->step(1);
    } else if (kind == QLatin1String("typed count")) {
        ui.countBox()->setText(QStringLiteral("2"));
    } else if (kind == QLatin1String("analyze")) {
        form->N25Click();
    } else if (kind == QLatin1String("paste")) {
        QApplication::clipboard()->setText(QStringLiteral("1\t*\n0\t1\n"));
        goTo(ui, 3, 3);
        action(ui, ActionName::PasteCells)->trigger();
    }
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoEveryKindOfChange_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"typing", "delete", "fill", "clear", "sets", "formula",
                                 "truth table", "up-down", "typed count", "analyze", "paste"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void undoAndRedoEveryKindOfChange() {
        QFETCH(QString, kind);
        UiApp ui;
        ui.set({0, 5, 10}, "1");
        ui.set({15}, "*");
        ui.form()->History().Record();
        const MapCells before = ui.grid().Snapshot();
        const int steps = ui.form()->History().Count();
        change(ui, kind);
        const MapCells after = ui.grid().Snapshot();
        QVERIFY(after != before);
        QCOMPARE(ui.form()->History().Count(), steps + 1);
        QVERIFY(action(ui, ActionName::UndoMapChange)->isEnabled());
        action(ui, ActionName::UndoMapChange)->trigger();
        QVERIFY(ui.grid().Snapshot() == before);
        QCOMPARE(ui.countBox()->text(), QString::number(before.variableCount));
        QVERIFY(action(ui, ActionName::RedoMapChange)->isEnabled());
        action(ui, ActionName::RedoMapChange)->trigger();
        QVERIFY(ui.grid().Snapshot() == after);
        QCOMPARE(ui.countBox()->text(), QString::number(after.variableCount));
    }

    void undoKeysReachTheMapAndAHundredStepsAreKept() {
        UiApp ui;
        activate(ui);
        ui.map()->setFocus();
        QCOMPARE(action(ui, ActionName::UndoMapChange)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(action(ui, ActionName::RedoMapChange)
                    ->shortcuts()
                    .contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        std::vector<MapCells> states{ui.grid().Snapshot()};
        const QStringList values = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("*")};
        for (int k = 0; k < 105; ++k) {
            goTo(ui, 1 + k % 4, 1 + (k / 4) % 4);
            QApplication::clipboard()->setText(values[k % 3]);
            QTest::keyClick(ui.map(), Qt::Key_V, Qt::ControlModifier);
            states.push_back(ui.grid().Snapshot());
        }
        for (int k = 0; k < 100; ++k)
            QTest::keyClick(ui.map(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(ui.grid().Snapshot() == states[5]);
        QVERIFY(!ui.form()->History().CanUndo());
        QTest::keyClick(ui.map(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(ui.map(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(ui.grid().Snapshot() == states[7]);
    }

    void aLoadStartsANewHistory() {
        UiApp ui;
        TestMap source(5);
        source.Set({3}, "1");
        const QString file = ui.path(QStringLiteral("five.lvn"));
        QVERIFY(source.grid.SaveToFile(file.toStdString()));
        ui.form()->FillWith("1");
        QVERIFY(ui.form()->History().CanUndo());
        ui.dialogs.openAnswers = {FileChoice{file, 1}};
        ui.form()->N18Click();
        QCOMPARE(ui.grid().GetVariableCount(), 5);
        QVERIFY(!ui.form()->History().CanUndo());
        QVERIFY(!action(ui, ActionName::UndoMapChange)->isEnabled());
        QVERIFY(!ui.form()->IsModified());
        UiApp started({}, file);
        QVERIFY(!started.form()->History().CanUndo());
        QCOMPARE(started.form()->windowTitle(), QStringLiteral("five.lvn \u2013 Lorvane"));
    }

    void copyAndPasteRoundTripThroughSpreadsheetText() {
        UiApp ui;
        ui.set({0, 1}, "1");
        ui.set({3}, "*");
        ui.set({4}, "0");
        selectCells(ui, QRect(1, 1, 3, 2));
        action(ui, ActionName::CopyCells)->trigger();
        const QString text = QApplication::clipboard()->text();
        QCOMPARE(text, QStringLiteral("1\t1\t*\n0\t\t\n"));
        goTo(ui, 2, 3);
        action(ui, ActionName::PasteCells)->trigger();
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(ui.grid().Cells(2 + c, 3 + r), ui.grid().Cells(1 + c, 1 + r));
        // Windows line ends and spaces around values, as spreadsheets may give them.
        QApplication::clipboard()->setText(QStringLiteral(" * \t0\r\n1\t \r\n"));
        goTo(ui, 1, 1);
        action(ui, ActionName::PasteCells)->trigger();
        QCOMPARE(ui.grid().Cells(1, 1), std::string("*"));
        QCOMPARE(ui.grid().Cells(2, 1), std::string("0"));
        QCOMPARE(ui.grid().Cells(1, 2), std::string("1"));
        QCOMPARE(ui.grid().Cells(2, 2), std::string(""));
        // One value fills the whole selection.
        QApplication::clipboard()->setText(QStringLiteral("0\n"));
        selectCells(ui, QRect(3, 1, 2, 2));
        action(ui, ActionName::PasteCells)->trigger();
        for (int c = 3; c <= 4; ++c)
            for (int r = 1; r <= 2; ++r)
                QCOMPARE(ui.grid().Cells(c, r), std::string("0"));
        QVERIFY(ui.messages.shown.empty());
    }

    void pasteRefusesWhatIsNoCellValueOrDoesNotFit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("message");
        QTest::newRow("a word") << "1\tyes\n" << 1 << "Invalid data in cell.";
        QTest::newRow("a number") << "10\n" << 1 << "Invalid data in cell.";
        QTest::newRow("past the edge") << "1\t0\n"
                                       << 4 << "The pasted cells do not fit in the map.";
    }

    void pasteRefusesWhatIsNoCellValueOrDoesNotFit() {
        QFETCH(QString, text);
        QFETCH(int, col);
        QFETCH(QString, message);
        UiApp ui;
        ui.set({0, 1, 2}, "1");
        ui.form()->History().Record();
        const MapCells before = ui.grid().Snapshot();
        const int steps = ui.form()->History().Count();
        QApplication::clipboard()->setText(text);
        goTo(ui, col, 1);
        action(ui, ActionName::PasteCells)->trigger();
        QCOMPARE(shownTexts(ui.messages), QStringList{message});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Error);
        QVERIFY(ui.grid().Snapshot() == before);
        QCOMPARE(ui.form()->History().Count(), steps);
    }

    void titleNamesTheFileAndMarksChanges() {
        UiApp ui;
        QCOMPARE(ui.form()->windowTitle(), QStringLiteral("Lorvane"));
        ui.form()->FillWith("1");
        QCOMPARE(ui.form()->windowTitle(), QStringLiteral("*Lorvane"));
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("m.lvn")), 1}};
        ui.form()->N5Click();
        QCOMPARE(ui.form()->windowTitle(), QStringLiteral("m.lvn \u2013 Lorvane"));
        ui.form()->FillWith("0");
        QCOMPARE(ui.form()->windowTitle(), QStringLiteral("*m.lvn \u2013 Lorvane"));
        action(ui, ActionName::UndoMapChange)->trigger(); // back to the saved cells
        QCOMPARE(ui.form()->windowTitle(), QStringLiteral("m.lvn \u2013 Lorvane"));
        // A page is no copy of the map: the mark stays.
        ui.form()->FillWith("0");
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("m.htm")), 2}};
        ui.form()->N5Click();
        QVERIFY(ui.form()->IsModified());
    }

    void closingAChangedMapAsksToSave_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Save") << int(MsgAnswer::Save) << true << true;
        QTest::newRow("Discard") << int(MsgAnswer::Discard) << true << false;
        QTest::newRow("Cancel") << int(MsgAnswer::Cancel) << false << false;
    }

    void closingAChangedMapAsksToSave() {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        UiApp ui; // "Ask before exit" is on: its question is not asked as well
        ui.form()->show();
        ui.set({0}, "1");
        ui.form()->FillWith("1");
        ui.messages.answers = {static_cast<MsgAnswer>(answer)};
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("kept.lvn")), 1}};
        QSignalSpy closed(ui.form(), &TForm1::closed);
        ui.form()->close();
        QCOMPARE(shownTexts(ui.messages), QStringList{"Save changes?"});
        QCOMPARE(ui.messages.shown[0].buttons, MsgButtons::SaveDiscardCancel);
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(ui.readFile(QStringLiteral("kept.lvn")).startsWith("CCS "), saved);
        if (!closes)
            QVERIFY(ui.form()->IsModified());
    }

    void savingToTheOpenedFileNeedsNoDialog() {
        UiApp ui;
        TestMap source(3);
        const QString file = ui.path(QStringLiteral("three.lvn"));
        QVERIFY(source.grid.SaveToFile(file.toStdString()));
        ui.dialogs.openAnswers = {FileChoice{file, 1}};
        ui.form()->N18Click();
        ui.form()->FillWith("1");
        ui.messages.answers = {MsgAnswer::Save};
        ui.form()->close();
        QVERIFY(ui.dialogs.saveCalls.empty());
        TestMap reread(2);
        QVERIFY(reread.grid.LoadFromFile(file.toStdString()));
        QCOMPARE(reread.At(5), std::string("1"));
    }

    void saveWritesTheOpenedFileAndAsksForANewOne() {
        UiApp ui;
        ui.set({1}, "1");
        const QString file = ui.path(QStringLiteral("new.lvn"));
        ui.dialogs.saveAnswers = {FileChoice{file, 1}};
        action(ui, ActionName::SaveMap)->trigger();
        QCOMPARE(ui.dialogs.saveCalls.size(), 1);
        QVERIFY(!ui.form()->IsModified());
        ui.set({2}, "1");
        ui.form()->History().Record();
        QVERIFY(ui.form()->IsModified());
        action(ui, ActionName::SaveMap)->trigger();
        QCOMPARE(ui.dialogs.saveCalls.size(), 1); // the file it has
        QVERIFY(!ui.form()->IsModified());
        TestMap reread(2);
        QVERIFY(reread.grid.LoadFromFile(file.toStdString()));
        QCOMPARE(reread.At(2), std::string("1"));
        QCOMPARE(action(ui, ActionName::SaveMap)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    }

    void openAsksAboutUnsavedChangesFirst() {
        UiApp ui;
        ui.form()->FillWith("1");
        ui.messages.answers = {MsgAnswer::Cancel};
        ui.dialogs.openAnswers = {std::nullopt};
        ui.form()->N18Click();
        QCOMPARE(shownTexts(ui.messages), QStringList{"Save changes?"});
        QVERIFY(ui.dialogs.openCalls.empty());
        ui.form()->History().MarkSaved();
        ui.form()->N18Click();
        QCOMPARE(ui.messages.shown.size(), std::size_t{1});
        QCOMPARE(ui.dialogs.openCalls.size(), std::size_t{1});
    }

    void fileDialogsStartInTheLastFolderAlsoAfterARestart() {
        UiApp ui;
        QDir(ui.folder.path()).mkpath(QStringLiteral("maps"));
        const QString folder = ui.path(QStringLiteral("maps"));
        ui.dialogs.saveAnswers = {FileChoice{folder + QStringLiteral("/a.lvn"), 1}};
        ui.form()->N5Click();
        ui.form()->N18Click();
        QCOMPARE(ui.dialogs.openCalls[0].folder, folder);
        ui.stop();
        QVERIFY(
            ui.readFile(QStringLiteral("lorvane.ini")).contains("LastFolder=" + folder.toUtf8()));
        ui.dialogs.setStartFolder({});
        ui.start();
        ui.form()->N18Click();
        QCOMPARE(ui.dialogs.openCalls[1].folder, folder);
    }

    void editingKeysOfTheCellEditorAndTheResultLineStayThere() {
        UiApp ui;
        activate(ui);
        ui.set({0, 1}, "1");
        ui.form()->N25Click();
        auto* result = child<QLineEdit>(ui.form(), "Edit2");
        QCOMPARE(result->text(), QStringLiteral("|A*|B*|C"));
        result->setFocus();
        QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(result, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), result->text());
        QCOMPARE(ui.at(0), std::string("1"));
        QCOMPARE(ui.at(2), std::string("0"));
        // Ctrl+Z while typing in a cell undoes the typing, as in any text box.
        ui.map()->setFocus();
        goTo(ui, 1, 1);
        QTest::keyClick(ui.map(), '*');
        QVERIFY(ui.map()->isEditing());
        QCOMPARE(ui.at(0), std::string("*"));
        QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui.at(0), std::string("1"));
    }

    void tabLeavesTheMapAndComesBackRound() {
        UiApp ui;
        activate(ui);
        ui.set({0}, "1");
        ui.form()->N25Click(); // the result tree and Report take part now
        const QStringList chain = {"CarnoGrid1", "Edit1", "ReportBtn",
                                   "TreeView",   "Edit2", "CarnoGrid1"};
        ui.map()->setFocus();
        for (const QString& name : chain.mid(1)) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), name);
        }
        for (int k = chain.size() - 2; k >= 0; --k) {
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused()->objectName(), chain[k]);
        }
        // From a cell being typed, Tab keeps the value and leaves the map too.
        const int steps = ui.form()->History().Count();
        goTo(ui, 2, 2);
        QTest::keyClick(ui.map(), '*');
        QVERIFY(ui.map()->isEditing());
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("Edit1"));
        QCOMPARE(ui.grid().Cells(2, 2), std::string("*"));
        QCOMPARE(ui.form()->History().Count(), steps + 1);
    }

    void truthTableIsFilledFromTheKeyboard() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        TTruthTable* table = ui.w().TruthTableForm->TruthTable1();
        bool tableHasKeys = false;
        QString focusAfterTab;
        ModalScript script([&](QWidget* dialog) {
            tableHasKeys = table->isAncestorOf(focused());
            for (const char* value : {"1", "0", "*", "1"}) {
                typeKeys(QString::fromLatin1(value));
                enterInCell();
            }
            QTest::keyClick(focused(), Qt::Key_Tab);
            focusAfterTab = focused()->objectName();
            QTest::keyClick(focused(), Qt::Key_Return); // Enter presses the focused OK
            if (dialog->isVisible())
                rejectDialog(dialog);
        });
        ui.form()->N28Click();
        QVERIFY(tableHasKeys);
        QCOMPARE(focusAfterTab, QStringLiteral("BitBtn1"));
        const char* const expected[] = {"1", "0", "*", "1", "", "", "", ""};
        for (int m = 0; m < 8; ++m)
            QCOMPARE(ui.at(m), std::string(expected[m]));
    }

    void formulaBoxNeverAppliesTextTheViewDoesNotShow() {
        UiApp ui;
        activate(ui);
        ui.countBox()->setText(QStringLiteral("8"));
        TInputFormula* formula = ui.w().InputFormula;
        formula->SetFormula(QStringLiteral("A*|H+B*C*D*E"));
        formula->BitBtn1Click();
        QVERIFY(formula->History().contains(QStringLiteral("A*|H+B*C*D*E")));
        QString typed;
        ModalScript script([&](QWidget* dialog) {
            typed = typeAndConfirm(dialog, child<QComboBox>(formula, "ComboBox2"), "A");
        });
        ui.form()->N22Click();
        QCOMPARE(typed, QStringLiteral("A"));
        QCOMPARE(formula->ViewText(), typed);
        QCOMPARE(ui.at(0b10000000), std::string("1"));
        QCOMPARE(ui.at(0b01111000), std::string("")); // B*C*D*E alone was never asked for
        // A formula chosen from the history, or completed from it, shows in the view.
        child<QComboBox>(formula, "ComboBox2")->setCurrentIndex(0);
        QCOMPARE(formula->ViewText(), QStringLiteral("A*|H+B*C*D*E"));
    }

    void setsBoxAppliesWhatItShows() {
        UiApp ui;
        activate(ui);
        TInputForm* sets = ui.w().InputForm;
        sets->SetSetText(0, QStringLiteral("5-9"));
        sets->BitBtn1Click();
        QString shown;
        ModalScript script([&](QWidget* dialog) {
            shown = typeAndConfirm(dialog, child<QComboBox>(sets, "ComboBox1"), "5");
        });
        ui.form()->N23Click();
        QCOMPARE(shown, QStringLiteral("5"));
        QCOMPARE(sets->SetText(0), QStringLiteral("5"));
        QCOMPARE(ui.at(5), std::string("1"));
        QCOMPARE(ui.at(6), std::string(""));
    }

    void outlinesGoWithTheResult_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("kept");
        QTest::newRow("fill 0, results dropped") << "fill 0" << int(MsgAnswer::Ok) << false;
        QTest::newRow("fill 1, results dropped") << "fill 1" << int(MsgAnswer::Ok) << false;
        QTest::newRow("fill, results kept") << "fill 0" << int(MsgAnswer::Cancel) << true;
        QTest::newRow("clear, results dropped") << "clear" << int(MsgAnswer::Ok) << false;
        QTest::newRow("open another map") << "open" << int(MsgAnswer::Ok) << false;
    }

    void outlinesGoWithTheResult() {
        QFETCH(QString, how);
        QFETCH(int, answer);
        QFETCH(bool, kept);
        UiApp ui;
        TestMap other(4);
        other.Set({0, 1, 2, 3}, "1");
        const QString file = ui.path(QStringLiteral("other.lvn"));
        QVERIFY(other.grid.SaveToFile(file.toStdString()));
        ui.set({0, 1, 5}, "1");
        ui.form()->N25Click();
        action(ui, ActionName::ShowAllGroups)->setChecked(true);
        QVERIFY(!ui.map()->groupOutlines().empty());
        ui.messages.answers = {static_cast<MsgAnswer>(answer)};
        if (how == QLatin1String("open")) // the changed map is asked about first
            ui.messages.answers.push_front(MsgAnswer::Discard);
        if (how == QLatin1String("fill 0"))
            ui.form()->FillWith("0");
        else if (how == QLatin1String("fill 1"))
            ui.form()->FillWith("1");
        else if (how == QLatin1String("clear"))
            ui.form()->FillWith("");
        else {
            ui.dialogs.openAnswers = {FileChoice{file, 1}};
            ui.form()->N18Click();
        }
        QVERIFY(ui.messages.answers.empty());
        // A result kept on show over a changed map is marked, and outlines nothing.
        QCOMPARE(ui.form()->ResultTree()->topLevelItemCount() > 0, kept);
        QCOMPARE(child<QLabel>(ui.form(), "ResultNote")->isVisibleTo(ui.form()), kept);
        QVERIFY(ui.map()->groupOutlines().empty());
    }

    void aResultOfAnEarlierMapIsMarkedAndNotUsed() {
        UiApp ui;
        ui.setVariables(8);
        ui.set({1, 2, 3, 200}, "1");
        ui.form()->N25Click();
        action(ui, ActionName::ShowAllGroups)->setChecked(true);
        QVERIFY(!ui.map()->groupOutlines().empty());
        auto* note = child<QLabel>(ui.form(), "ResultNote");
        QVERIFY(!note->isVisibleTo(ui.form()));
        ui.setVariables(4); // typed into the count box: no question, the result stays on show
        QVERIFY(ui.form()->ResultTree()->topLevelItemCount() > 0);
        QVERIFY(note->isVisibleTo(ui.form()));
        QCOMPARE(ui.form()->ResultTree()->accessibleDescription(), note->text());
        QVERIFY(ui.map()->groupOutlines().empty());
        ui.messages.shown.clear();
        ui.form()->ReportBtnClick();
        action(ui, ActionName::CopyResultAsPlain)->trigger();
        action(ui, ActionName::ExportPdf)->trigger();
        action(ui, ActionName::MinimumSolutions)->trigger();
        const QString stale =
            QStringLiteral("The result on show belongs to an earlier map: analyze again (F5).");
        QCOMPARE(shownTexts(ui.messages), QStringList(4, stale));
        QVERIFY(ui.dialogs.saveCalls.empty());
        QVERIFY(!QFile::exists(ui.path(QStringLiteral("Reports/report.htm"))));
        ui.setVariables(8); // back to the map the result was made from
        QVERIFY(!note->isVisibleTo(ui.form()));
        QVERIFY(!ui.map()->groupOutlines().empty());
    }

    void namesOfAPlaFileGoWithItsMap() {
        UiApp ui;
        ui.writeFile(QStringLiteral("named.pla"), ".i 3\n.o 1\n.ilb x y z\n1-- 1\n.e\n");
        TestMap eight(8);
        eight.Set({1}, "1");
        QVERIFY(eight.grid.SaveToFile(ui.path(QStringLiteral("eight.lvn")).toStdString()));
        ui.dialogs.openAnswers = {FileChoice{ui.path(QStringLiteral("named.pla")), 1},
                                  FileChoice{ui.path(QStringLiteral("eight.lvn")), 1}};
        ui.form()->N18Click();
        QCOMPARE(ui.grid().VariableName(1), std::string("X"));
        ui.form()->N18Click();
        QCOMPARE(ui.grid().VariableNames(),
                 (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H"}));
        QCOMPARE(ui.grid().ValidateFormulaString("B*|E"), 0);
    }

    void openDecidesByTheContent_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("saveFilter");
        QTest::addColumn<int>("openFilter");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("map named .pla") << "map.pla" << 1 << 1 << QByteArray("CCS ");
        QTest::newRow("map named .pla, PLA filter") << "map2.pla" << 1 << 3 << QByteArray("CCS ");
        QTest::newRow("PLA filter") << "f.pla" << 4 << 3 << QByteArray("# ");
        QTest::newRow("PLA named .lvn") << "f.lvn" << 4 << 1 << QByteArray("# ");
    }

    void openDecidesByTheContent() {
        QFETCH(QString, name);
        QFETCH(int, saveFilter);
        QFETCH(int, openFilter);
        QFETCH(QByteArray, start);
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("5"));
        ui.set({1, 30}, "1");
        ui.set({7}, "*");
        ui.dialogs.saveAnswers = {FileChoice{ui.path(name), saveFilter}};
        ui.form()->N5Click();
        QVERIFY(ui.readFile(name).startsWith(start));
        ui.form()->FillWith("");
        ui.countBox()->setText(QStringLiteral("3"));
        ui.dialogs.openAnswers = {FileChoice{ui.path(name), openFilter}};
        ui.form()->N18Click();
        QCOMPARE(shownTexts(ui.messages), QStringList{"Save changes?"});
        QCOMPARE(ui.grid().GetVariableCount(), 5);
        for (int m : {1, 30})
            QCOMPARE(ui.at(m), std::string("1"));
        QCOMPARE(ui.at(7), std::string("*"));
        QCOMPARE(ui.at(0), std::string("0")); // both formats keep no empty cells
    }

    void theMapPaneFitsTheMapAndTheWindowGrowsWithinTheScreen() {
        UiApp ui;
        ui.form()->show();
        auto* splitter = child<QSplitter>(ui.form(), "Splitter1");
        const int sideMinimum = child<QWidget>(ui.form(), "ResultSide")->minimumSizeHint().width();
        const QRect screen = ui.form()->screen()->availableGeometry();
        for (int count : {5, 6, 8, 3}) {
            ui.countBox()->setText(QString::number(count));
            QApplication::processEvents();
            const int whole = ui.map()->wholeSize().width();
            const QRect window = ui.form()->frameGeometry();
            QVERIFY(screen.contains(window));
            QVERIFY(splitter->sizes()[1] >= sideMinimum);
            if (whole + splitter->handleWidth() + sideMinimum <= window.width())
                QCOMPARE(splitter->sizes()[0], whole);
            else
                QCOMPARE(splitter->sizes()[1], sideMinimum); // every pixel to the map
        }
        ui.countBox()->setText(QStringLiteral("6"));
        QApplication::processEvents();
        QVERIFY(ui.map()->height() >= ui.map()->wholeSize().height());
    }

    void widthGoesToTheMapUntilItIsWholeAndNoPaneCollapses() {
        UiApp ui;
        ui.form()->show();
        auto* splitter = child<QSplitter>(ui.form(), "Splitter1");
        const int sideMinimum = child<QWidget>(ui.form(), "ResultSide")->minimumSizeHint().width();
        ui.countBox()->setText(QStringLiteral("8"));
        ui.form()->resize(700, 400);
        QApplication::processEvents();
        const QList<int> narrow = splitter->sizes();
        QCOMPARE(narrow[1], sideMinimum);
        ui.form()->resize(760, 400);
        QApplication::processEvents();
        QCOMPARE(splitter->sizes()[0], narrow[0] + 60);
        QCOMPARE(splitter->sizes()[1], sideMinimum);
        // Dragged all the way, then the window shrunk: both panes keep a usable width.
        splitter->setSizes({2000, 0});
        ui.form()->resize(600, 305);
        QApplication::processEvents();
        QVERIFY(splitter->sizes()[1] >= sideMinimum);
        QVERIFY(splitter->sizes()[0] >= ui.map()->minimumWidth());
        QVERIFY(child<QWidget>(ui.form(), "ToolBar1")->width() >=
                child<QWidget>(ui.form(), "ToolBar1")->minimumWidth());
    }

    void longResultsAreReadableWhole() {
        UiApp ui;
        ui.form()->show();
        ui.countBox()->setText(QStringLiteral("8"));
        for (int m = 0; m < 256; m += 3)
            ui.set({m}, "1");
        ui.form()->N25Click();
        QApplication::processEvents();
        QTreeWidget* tree = ui.form()->ResultTree();
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QVERIFY(root->childCount() > 20);
        QCOMPARE(root->toolTip(0), root->text(0));
        QCOMPARE(root->child(3)->toolTip(0), root->child(3)->text(0));
        auto* line = child<QLineEdit>(ui.form(), "Edit2");
        QVERIFY(line->isReadOnly());
        QCOMPARE(line->text(), root->text(0));
        // The line is not cut: the column holds it whole and the tree scrolls sideways.
        QVERIFY(tree->columnWidth(0) >=
                QFontMetrics(tree->font()).horizontalAdvance(root->text(0)));
        QVERIFY(tree->horizontalScrollBar()->maximum() > 0);
        ui.form()->FillWith("0"); // results dropped (the script answers OK)
        QCOMPARE(line->text(), QString());
    }

    void minimumSolutionsShowEachWholeAndMarkWhereTheyDiffer() {
        const auto marks = differingTerms({{"A", "B", "C"}, {"A", "D", "C"}});
        QVERIFY(marks ==
                (std::vector<std::vector<bool>>{{false, true, false}, {false, true, false}}));
        // Lines break between terms only: a word joiner holds each term together.
        const QChar joiner(0x2060);
        QCOMPARE(markedCover({"A*B", "|C<"}, {false, true}, QStringLiteral("+")),
                 QStringLiteral("A%1*%1B+&#8203;<u><b>|%1C%1&lt;</b></u>").arg(joiner));
        QStringList terms;
        for (int k = 0; k < 30; ++k)
            terms << QStringLiteral("|A*B*|C*D*E%1").arg(k);
        TMinSolutions dialog;
        dialog.resize(260, 300);
        ExactResult result;
        result.solutionCount = 1;
        result.solutions.resize(1);
        dialog.SetSolutions({terms.join(QLatin1Char('+'))}, result,
                            {terms.join(QStringLiteral("+&#8203;"))});
        dialog.show();
        QApplication::processEvents();
        auto* list = child<QListWidget>(&dialog, "SolutionsList");
        const QRect item = list->visualItemRect(list->item(0));
        QVERIFY(item.height() > 5 * list->fontMetrics().height());
        QVERIFY(item.width() <= list->viewport()->width());
    }

    void notAMapNorAPlaSaysSo() {
        UiApp ui;
        ui.writeFile(QStringLiteral("notes.pla"), "hello\n");
        ui.writeFile(QStringLiteral("notes.lvn"), "hello\n");
        ui.dialogs.openAnswers = {FileChoice{ui.path(QStringLiteral("notes.lvn")), 1},
                                  FileChoice{ui.path(QStringLiteral("notes.pla")), 1}};
        ui.form()->N18Click();
        ui.form()->N18Click();
        QCOMPARE(ui.messages.shown.size(), std::size_t{2});
        QCOMPARE(ui.messages.shown[0].text, "File type mistmatch. (\"" +
                                                ui.path(QStringLiteral("notes.lvn")).toStdString() +
                                                "\" is no map file)");
        QVERIFY(ui.messages.shown[1].text.rfind("Invalid PLA file", 0) == 0);
        QVERIFY(ui.cells() == std::vector<std::string>(16));
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
