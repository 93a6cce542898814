// The main window: start-up state, the command table, the variable count, Analyze, the term
// highlight and the Delete key.
#include "UiTestSupport.h"

#include "app/AboutForm.h"
#include "app/HelpForm.h"
#include "app/OptionsForm.h"
#include "app/UpDown.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "reports/widgets/RepViewForm.h"
#include "reports/widgets/ReportForm.h"
#include "ui/Icons.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    static QPushButton* reportBtn(const UiApp& ui) {
        return child<QPushButton>(ui.form(), "ReportBtn");
    }
    static QTreeWidget* tree(const UiApp& ui) { return ui.form()->ResultTree(); }
    static QStringList treeLines(const UiApp& ui) {
        QStringList lines;
        for (int i = 0; i < tree(ui)->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* root = tree(ui)->topLevelItem(i);
            lines << root->text(0);
            for (int k = 0; k < root->childCount(); ++k)
                lines << QStringLiteral("  ") + root->child(k)->text(0);
        }
        return lines;
    }
    /// Analyses the three-variable function with ones at 2, 3, 5 and 7.
    static void analyzeExample(UiApp& ui) {
        ui.setVariables(3);
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
    }

private slots:
    void startUpCreatesTheNineWindowsHidden() {
        UiApp ui;
        const AppWindows& w = ui.w();
        const QList<QPair<QWidget*, QString>> windows = {
            {w.Form1, QStringLiteral("Form1")},
            {w.InputForm, QStringLiteral("InputForm")},
            {w.Options, QStringLiteral("Options")},
            {w.AboutBox, QStringLiteral("AboutBox")},
            {w.InputFormula, QStringLiteral("InputFormula")},
            {w.TruthTableForm, QStringLiteral("TruthTableForm")},
            {w.Help, QStringLiteral("Help")},
            {w.Report, QStringLiteral("Report")},
            {w.RepView, QStringLiteral("RepView")}};
        const QStringList captions = {"Lorvane",
                                      "Fill Map from Sets",
                                      "Options",
                                      "About",
                                      "Fill Map from Formula",
                                      "Truth Table",
                                      "Help",
                                      "Report",
                                      "Report View"};
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY(windows[i].first);
            QCOMPARE(windows[i].first->objectName(), windows[i].second);
            QCOMPARE(windows[i].first->windowTitle(), captions[i]);
            QVERIFY(!windows[i].first->isVisible());
        }
    }

    void startUpState() {
        UiApp ui;
        TForm1* form = ui.form();
        QVERIFY(!reportBtn(ui)->isEnabled());
        QCOMPARE(ui.countBox()->text(), QStringLiteral("4"));
        QCOMPARE(ui.grid().GetVariableCount(), 4);
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(ui.grid().VariableName(i), std::string(1, static_cast<char>('A' + i - 1)));
        QCOMPARE(form->MapHint(), QStringLiteral("Variables: A B \\ C D "));
        QCOMPARE(ui.map()->toolTip(), form->MapHint());
        QCOMPARE(tree(ui)->topLevelItemCount(), 0);
        auto* progress = child<QProgressBar>(form, "ProgressBar");
        QVERIFY(progress);
        QCOMPARE(progress->minimum(), 0);
        QCOMPARE(progress->maximum(), 100);
        QCOMPARE(progress->value(), 0);
        QVERIFY(child<QStatusBar>(form, "StatusBar1"));
        QCOMPARE(form->minimumSize(), QSize(600, 305));
        QCOMPARE(form->SaveCounter, 0);
        QVERIFY(ui.cells() == std::vector<std::string>(16));
        QVERIFY(ui.messages.shown.empty());
    }

    void commandTable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("tip");
        const QKeySequence none;
        auto row = [](const char* name, const char* kind, const char* caption,
                      const QKeySequence& key,
                      const char* tip) { QTest::newRow(name) << kind << caption << key << tip; };
        row("N10", "menu", "&File", none, "");
        row("N18", "action", "Open Map...", QKeySequence(Qt::Key_F3), "Open Map");
        row("N5", "action", "Save as...", none, "Save map");
        row("N19", "action", "Exit", QKeySequence(Qt::CTRL | Qt::Key_F4), "Exit program");
        row("N11", "menu", "&Map", none, "");
        row("N20", "menu", "Fill With", none, "Fill map with");
        row("N110", "action", "1", QKeySequence(Qt::CTRL | Qt::Key_I), "");
        row("N03", "action", "0", QKeySequence(Qt::CTRL | Qt::Key_O), "");
        row("N21", "action", "*", QKeySequence(Qt::CTRL | Qt::Key_A), "");
        row("N22", "action", "Formula...", QKeySequence(Qt::CTRL | Qt::Key_F), "");
        row("N23", "action", "Set's...", QKeySequence(Qt::CTRL | Qt::Key_S), "");
        row("N28", "action", "Truth Table...", QKeySequence(Qt::CTRL | Qt::Key_T), "");
        row("N25", "action", "Analyze", QKeySequence(Qt::Key_F5), "Analyze");
        row("N24", "action", "Clear", QKeySequence(Qt::CTRL | Qt::Key_X), "Clear map");
        row("N32", "separator", "", none, "");
        row("N26", "action", "Map Font...", none, "Map Font");
        row("N27", "action", "Products Color...", none, "Product color");
        row("N12", "menu", "&Options", none, "");
        row("N13", "action", "Map...", none, "");
        row("N15", "menu", "&Help", none, "");
        row("N16", "action", "Help", QKeySequence(Qt::Key_F1), "");
        row("N30", "separator", "", none, "");
        row("N17", "action", "&About...", none, "");
        row("N6", "menu", "Fill", none, "");
        row("N01", "action", "1", none, "");
        row("N02", "action", "0", none, "");
        row("N7", "action", "*", none, "");
        row("N9", "action", "Formula...", none, "");
        row("N8", "action", "Set's...", none, "");
        row("N29", "action", "Truth Table...", none, "");
        row("N1", "menu", "Map Options", none, "");
        row("N3", "action", "Font ...", none, "");
        row("N2", "action", "Products Color...", none, "");
        row("N4", "action", "Font...", none, "");
        row("N14", "action", "Paste result to FormulaInput", none, "");
        row("SpeedButton1", "tool", "", none, "Open Map");
        row("SpeedButton2", "tool", "", none, "Save as...");
        row("SpeedButton3", "tool", "", none, "FormulaInput");
        row("SpeedButton4", "tool", "", none, "Set's Fill");
        row("SpeedButton5", "tool", "1", none, "Fill with 1");
        row("SpeedButton6", "tool", "0", none, "Fill with 0");
        row("SpeedButton7", "tool", "", none, "Fill with *");
        row("SpeedButton8", "tool", "", none, "Clear Map");
        row("SpeedButton9", "tool", "Go", none, "Analyze");
        row("SpeedButton10", "tool", "", none, "Options");
        row("SpeedButton11", "tool", "", none, "Truth Table ");
        row("ReportBtn", "button", "Report", none, "Create Report");
    }

    void commandTable() {
        UiApp ui;
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, tip);
        TForm1* form = ui.form();
        if (kind == QLatin1String("menu")) {
            auto* menu = form->findChild<QMenu*>(name);
            QVERIFY(menu);
            QCOMPARE(menu->title(), caption);
            if (!tip.isEmpty())
                QCOMPARE(menu->menuAction()->toolTip(), tip);
        } else if (kind == QLatin1String("action") || kind == QLatin1String("separator")) {
            QAction* action = nullptr;
            for (QAction* a : form->findChildren<QAction*>(name))
                if (!a->menu())
                    action = a;
            QVERIFY(action);
            QCOMPARE(action->isSeparator(), kind == QLatin1String("separator"));
            QCOMPARE(action->text(), caption);
            QCOMPARE(action->shortcut(), shortcut);
            if (!tip.isEmpty())
                QCOMPARE(action->toolTip(), tip);
        } else {
            auto* button = form->findChild<QAbstractButton*>(name);
            QVERIFY(button);
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->toolTip(), tip);
            if (kind == QLatin1String("tool") && caption.isEmpty())
                QVERIFY(!button->icon().isNull());
        }
    }

    void mapHint_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("hint");
        QTest::newRow("2") << 2 << "Variables: A \\ B ";
        QTest::newRow("3") << 3 << "Variables: A \\ B C ";
        QTest::newRow("4") << 4 << "Variables: A B \\ C D ";
        QTest::newRow("5") << 5 << "Variables: A B \\ C D E ";
        QTest::newRow("8") << 8 << "Variables: A B C D \\ E F G H ";
    }

    void mapHint() {
        QFETCH(int, count);
        QFETCH(QString, hint);
        UiApp ui;
        ui.countBox()->setText(QString::number(count));
        QCOMPARE(ui.form()->MapHint(), hint);
        QCOMPARE(
            ui.map()->model()->data(ui.map()->model()->index(0, 0), Qt::ToolTipRole).toString(),
            hint);
    }

    void typedCountIsAppliedOnlyWhenValid_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count");
        QTest::newRow("1") << "1" << 4;
        QTest::newRow("9") << "9" << 4;
        QTest::newRow("12") << "12" << 4;
        QTest::newRow("x") << "x" << 4;
        QTest::newRow("empty") << "" << 4;
        QTest::newRow("6") << "6" << 6;
        QTest::newRow("2") << "2" << 2;
    }

    void typedCountIsAppliedOnlyWhenValid() {
        QFETCH(QString, typed);
        QFETCH(int, count);
        UiApp ui;
        ui.set({0, 5, 15}, "1");
        ui.form()->N25Click();
        QVERIFY(reportBtn(ui)->isEnabled());
        const auto before = ui.cells();
        ui.countBox()->clear();
        QTest::keyClicks(ui.countBox(), typed);
        QCOMPARE(ui.grid().GetVariableCount(), count);
        QCOMPARE(ui.countBox()->text(), typed);
        QVERIFY(reportBtn(ui)->isEnabled());
        if (count == 4)
            QVERIFY(ui.cells() == before);
    }

    void upDownSetsCountAndDisablesReport() {
        UiApp ui;
        ui.set({1, 3}, "1");
        ui.form()->N25Click();
        QVERIFY(reportBtn(ui)->isEnabled());
        const QStringList results = treeLines(ui);
        auto* upDown = ui.form()->findChild<UpDownControl*>(QStringLiteral("UpDown1"));
        QVERIFY(upDown);
        QCOMPARE(upDown->minimum(), 2);
        QCOMPARE(upDown->maximum(), 8);
        upDown->step(1);
        QCOMPARE(ui.grid().GetVariableCount(), 5);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("5"));
        QCOMPARE(ui.form()->MapHint(), QStringLiteral("Variables: A B \\ C D E "));
        QVERIFY(!reportBtn(ui)->isEnabled());
        QCOMPARE(treeLines(ui), results); // the results stay on show
        for (int i = 0; i < 5; ++i)
            upDown->step(1);
        QCOMPARE(ui.grid().GetVariableCount(), 8);
        QCOMPARE(upDown->position(), 8);
        ui.countBox()->setText(QStringLiteral("3"));
        QCOMPARE(upDown->position(), 3);
        upDown->step(-1);
        upDown->step(-1);
        QCOMPARE(ui.grid().GetVariableCount(), 2);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("2"));
    }

    void analyzeEndToEnd() {
        UiApp ui;
        analyzeExample(ui);
        QCOMPARE(treeLines(ui), QStringList({"|A*B+A*C", "  |A*B", "  A*C"}));
        QCOMPARE(shownTexts(ui.messages), QStringList{"Analyze Complete."});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Information);
        for (int m : {0, 1, 4, 6})
            QCOMPARE(ui.at(m), std::string("0"));
        QCOMPARE(ui.grid().GlueMethod, gmDNF);
        QCOMPARE(child<QProgressBar>(ui.form(), "ProgressBar")->value(), 0);
        QTreeWidgetItem* root = tree(ui)->topLevelItem(0);
        QCOMPARE(root->icon(0).cacheKey(), resultImage(0).cacheKey());
        for (int k = 0; k < root->childCount(); ++k)
            QCOMPARE(root->child(k)->icon(0).cacheKey(), resultImage(1).cacheKey());
        QVERIFY(reportBtn(ui)->isEnabled());
    }

    void analyzeAsProductOfSumsFillsEmptyCellsWithOne() {
        UiApp ui;
        child<QRadioButton>(ui.w().Options, "RadioButton2")->setChecked(true);
        ui.set({0, 1, 4, 5, 7}, "0");
        ui.form()->N25Click();
        QCOMPARE(ui.grid().GlueMethod, gmKNF);
        for (int m : {2, 3, 6, 8, 15})
            QCOMPARE(ui.at(m), std::string("1"));
        QCOMPARE(treeLines(ui).size(), 1 + static_cast<int>(ui.grid().ResultTerms().size()));
    }

    void analyzeOfRefusedMapLeavesNoReport() {
        UiApp ui;
        ui.set({3}, "1");
        ui.form()->N25Click();
        QVERIFY(reportBtn(ui)->isEnabled());
        ui.set({3}, "x");
        ui.messages.shown.clear();
        ui.form()->N25Click();
        QCOMPARE(shownTexts(ui.messages), QStringList{"Invalid data in cell."});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Error);
        QCOMPARE(tree(ui)->topLevelItemCount(), 0);
        QVERIFY(!reportBtn(ui)->isEnabled());
    }

    void progressBarAdvancesDuringAnalysis() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("8"));
        for (int m = 0; m < 256; m += 3)
            ui.set({m}, "1");
        auto* progress = child<QProgressBar>(ui.form(), "ProgressBar");
        QList<int> values;
        connect(progress, &QProgressBar::valueChanged, this, [&values](int v) { values << v; });
        ui.form()->N25Click();
        QVERIFY2(values.size() > 10, qPrintable(QString::number(values.size())));
        QVERIFY(*std::max_element(values.begin(), values.end()) > 0);
        QCOMPARE(values.last(), 0);
    }

    void selectingTermHighlightsExactlyItsCells() {
        UiApp ui;
        analyzeExample(ui);
        QTreeWidgetItem* root = tree(ui)->topLevelItem(0);
        for (int k = 0; k < root->childCount(); ++k) {
            tree(ui)->setCurrentItem(root->child(k));
            std::vector<CellPos> expected;
            for (const TCellItem& cell : ui.grid().ResultTerms()[static_cast<std::size_t>(k)].cells)
                expected.push_back({cell.col, cell.row});
            QVERIFY(ui.map()->highlightedCells() == expected);
        }
        tree(ui)->setCurrentItem(root);
        QVERIFY(ui.map()->highlightedCells().empty());
        tree(ui)->setCurrentItem(root->child(0));
        QVERIFY(!ui.map()->highlightedCells().empty());
        tree(ui)->setCurrentItem(nullptr);
        QVERIFY(ui.map()->highlightedCells().empty());
    }

    void deleteEmptiesTheSelectionRectangleOnly() {
        UiApp ui;
        ui.form()->FillWith("1");
        ui.form()->N25Click();
        const bool reportBefore = reportBtn(ui)->isEnabled();
        CarnoGridView* map = ui.map();
        map->setCurrentIndex(map->model()->index(1, 1));
        map->selectionModel()->select(
            QItemSelection(map->model()->index(1, 1), map->model()->index(3, 2)),
            QItemSelectionModel::ClearAndSelect);
        QCOMPARE(map->selectionRect(), QRect(QPoint(2, 2), QPoint(3, 4)));
        QTest::keyClick(map, Qt::Key_Delete);
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c) {
                const bool inside = c >= 2 && c <= 3 && r >= 2 && r <= 4;
                QCOMPARE(ui.grid().Cells(c, r), std::string(inside ? "" : "1"));
            }
        QCOMPARE(reportBtn(ui)->isEnabled(), reportBefore);
    }

    void otherKeysOnTheMapLeaveCellsAlone() {
        UiApp ui;
        ui.form()->FillWith("1");
        CarnoGridView* map = ui.map();
        map->setCurrentIndex(map->model()->index(0, 0));
        QTest::keyClick(map, Qt::Key_Backspace);
        QTest::keyClick(map, Qt::Key_Right);
        QVERIFY(ui.cells() == std::vector<std::string>(16, "1"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
