// The result and map commands of the main window: the exact analysis and its status-bar
// hints, the minimum solutions, all groups on the map, PLA files, "Copy Result As" and
// "Export Map Image...".
#include "UiTestSupport.h"

#include "app/OptionsForm.h"
#include "app/views/GroupOutlines.h"
#include "interchange/MapImage.h"
#include "interchange/Pla.h"
#include "ui/ActionNames.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

// Four variables whose gluing result has 6 terms while a minimum cover has 4.
const std::vector<int> kOnes = {0, 4, 5, 6, 7, 11, 14};
const std::vector<int> kDontCares = {3, 8, 10, 13};

void loadHardMap(UiApp& ui) {
    ui.setVariables(4);
    ui.set(kOnes, "1");
    ui.set(kDontCares, "*");
}

void setExact(UiApp& ui, bool on) {
    child<QCheckBox>(ui.w().Options, "ExactMin")->setChecked(on);
}

int termLines(const UiApp& ui) {
    const QTreeWidget* tree = ui.form()->ResultTree();
    return tree->topLevelItemCount() == 0 ? -1 : tree->topLevelItem(0)->childCount();
}

QString rootCaption(const UiApp& ui) {
    return ui.form()->ResultTree()->topLevelItem(0)->text(0);
}

QString statusText(const UiApp& ui) {
    return ui.form()->statusBar()->currentMessage();
}

void fillColumns(UiApp& ui, const std::vector<int>& cols) {
    for (int col : cols)
        for (int row = 1; row <= ui.grid().DataRows(); ++row)
            ui.grid().SetCells(col, row, "1");
}

QRect unitCell(int col, int row) {
    return {(col - 1) * 10, (row - 1) * 10, 10, 10};
}

} // namespace

class ResultCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void gluingAnalysisTellsTheSizeOfAMinimumCover() {
        UiApp ui;
        loadHardMap(ui);
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), 6);
        QCOMPARE(statusText(ui), QStringLiteral("A minimum cover has 4 terms."));
    }

    void hintGoesWithTheResult() {
        UiApp ui;
        loadHardMap(ui);
        ui.form()->N25Click();
        QVERIFY(!statusText(ui).isEmpty());
        ui.form()->FillWith("1");
        QCOMPARE(termLines(ui), -1);
        QVERIFY(statusText(ui).isEmpty());
    }

    void hintStaysEmptyWhenTheResultIsMinimal() {
        UiApp ui;
        ui.setVariables(3);
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), 2);
        QVERIFY(statusText(ui).isEmpty());
    }

    void exactAnalysisGivesTheMinimumCover() {
        UiApp ui;
        setExact(ui, true);
        loadHardMap(ui);
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), 4);
        QVERIFY(statusText(ui).isEmpty());
        QVERIFY(child<QPushButton>(ui.form(), "ReportBtn")->isEnabled());
        QCOMPARE(ui.messages.Texts().back(), std::string("Analyze Complete."));
        // The term lines carry the term image and highlight their cells.
        QTreeWidgetItem* term = ui.form()->ResultTree()->topLevelItem(0)->child(2);
        QVERIFY(!term->icon(0).isNull());
        ui.form()->ResultTree()->setCurrentItem(term);
        QCOMPARE(ui.map()->highlightedCells().size(), ui.grid().ResultTerms()[2].cells.size());
    }

    void exactSettingSurvivesARun() {
        UiApp ui;
        setExact(ui, true);
        ui.stop();
        QVERIFY(ui.readFile(QStringLiteral("lorvane.ini")).contains("ExactMinimum=true\r\n"));
        ui.start();
        QVERIFY(ui.app->settings().exactMinimum);
        loadHardMap(ui);
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), 4);
    }

    void refusedMapLeavesTheStatusBarEmpty() {
        UiApp ui;
        loadHardMap(ui);
        ui.grid().SetCells(1, 1, "x");
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), -1);
        QVERIFY(statusText(ui).isEmpty());
    }

    void solutionsCommandShowsAnotherMinimumCover() {
        UiApp ui;
        loadHardMap(ui);
        ui.form()->N25Click();
        QStringList listed;
        QString summary;
        ModalScript script([&](QWidget* dialog) {
            auto* list = child<QListWidget>(dialog, "SolutionsList");
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            summary = child<QLabel>(dialog, "SolutionsSummary")->text();
            list->setCurrentRow(list->count() - 1);
            clickButton(dialog, "ShowBtn");
        });
        action(ui, ActionName::MinimumSolutions)->trigger();
        QCOMPARE(script.seen(), QStringList{QStringLiteral("MinSolutions")});
        QVERIFY2(listed.size() >= 2, qPrintable(listed.join(QLatin1Char('\n'))));
        QVERIFY(summary.endsWith(QStringLiteral(" minimum solutions of 4 terms.")));
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());
        QCOMPARE(termLines(ui), 4);
        QCOMPARE(rootCaption(ui), listed.back());
        QCOMPARE(QString::fromStdString(ui.grid().ResultText), listed.back());
        QVERIFY(statusText(ui).isEmpty());
        ui.form()->ResultTree()->setCurrentItem(ui.form()->ResultTree()->topLevelItem(0)->child(0));
        QCOMPARE(ui.map()->highlightedCells().size(), ui.grid().ResultTerms()[0].cells.size());
    }

    void closingTheSolutionsKeepsTheResult() {
        UiApp ui;
        loadHardMap(ui);
        ui.form()->N25Click();
        const QString before = rootCaption(ui);
        ModalScript script([](QWidget* dialog) { clickButton(dialog, "CloseBtn"); });
        action(ui, ActionName::MinimumSolutions)->trigger();
        QCOMPARE(script.seen().size(), 1);
        QCOMPARE(termLines(ui), 6);
        QCOMPARE(rootCaption(ui), before);
    }

    void showAllGroupsIsAnUncheckedSwitchInBothMapMenus() {
        UiApp ui;
        QAction* n40 = action(ui, ActionName::ShowAllGroups);
        QVERIFY(n40);
        QVERIFY(n40->isCheckable());
        QVERIFY(!n40->isChecked());
        QCOMPARE(n40->text(), QStringLiteral("Show All Groups"));
        QVERIFY(ui.form()->menuBar()->findChild<QMenu*>("N11")->actions().contains(n40));
        QVERIFY(ui.form()->findChild<QMenu*>("PopupMenu1")->actions().contains(n40));
        QVERIFY(!ui.map()->showAllGroups());
        n40->trigger();
        QVERIFY(ui.map()->showAllGroups());
    }

    void viewDrawsOneOutlinePerTerm() {
        UiApp ui;
        ui.setVariables(3);
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        QVERIFY(ui.map()->groupOutlines().empty());
        action(ui, ActionName::ShowAllGroups)->trigger();
        const auto outlines = ui.map()->groupOutlines();
        QCOMPARE(outlines.size(), std::size_t{2});
        for (const GroupOutline& outline : outlines) {
            QVERIFY(!outline.openLeft && !outline.openRight && !outline.openTop &&
                    !outline.openBottom);
            QVERIFY(outline.color != outlines[1 - outline.term].color);
        }
        // The single-term highlight still works with the groups shown.
        ui.form()->ResultTree()->setCurrentItem(ui.form()->ResultTree()->topLevelItem(0)->child(1));
        QCOMPARE(ui.map()->highlightedCells().size(), std::size_t{2});
        QVERIFY(!ui.map()->grab().isNull());
    }

    void outlinesOfWrappingGroups_data() {
        QTest::addColumn<int>("variables");
        QTest::addColumn<int>("lastCol");
        QTest::newRow("4 variables") << 4 << 4;
        QTest::newRow("6 variables") << 6 << 8;
        QTest::newRow("8 variables") << 8 << 16;
    }

    void outlinesOfWrappingGroups() {
        QFETCH(int, variables);
        QFETCH(int, lastCol);
        UiApp ui;
        setExact(ui, true); // the gluing result may split the group in two
        ui.setVariables(variables);
        fillColumns(ui, {1, lastCol});
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), 1);
        const auto outlines = groupOutlines(ui.grid(), unitCell);
        QCOMPARE(outlines.size(), std::size_t{2});
        const GroupOutline& left = outlines[0];
        const GroupOutline& right = outlines[1];
        QVERIFY(left.openLeft && !left.openRight && !left.openTop && !left.openBottom);
        QVERIFY(right.openRight && !right.openLeft && !right.openTop && !right.openBottom);
        // Open sides end at the map's edge; closed ones lie inside the cells.
        QCOMPARE(left.rect.left(), 0.0);
        QVERIFY(left.rect.right() < 10.0 && left.rect.right() > 8.0);
        QCOMPARE(right.rect.right(), lastCol * 10.0);
        QVERIFY(left.rect.top() > 0.0);
        QVERIFY(left.rect.bottom() < ui.grid().DataRows() * 10.0);
    }

    void cornerGroupIsFourOpenPieces() {
        UiApp ui;
        ui.setVariables(4);
        ui.set({0, 2, 8, 10}, "1");
        ui.form()->N25Click();
        QCOMPARE(termLines(ui), 1);
        const auto outlines = groupOutlines(ui.grid(), unitCell);
        QCOMPARE(outlines.size(), std::size_t{4});
        for (const GroupOutline& outline : outlines) {
            QCOMPARE(int(outline.openLeft) + int(outline.openRight), 1);
            QCOMPARE(int(outline.openTop) + int(outline.openBottom), 1);
            QCOMPARE(outline.term, 0);
        }
    }

    void noOutlinesWhenTheResultNoLongerFitsTheMap() {
        UiApp ui;
        ui.setVariables(3);
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        action(ui, ActionName::ShowAllGroups)->trigger();
        ui.setVariables(5);
        QVERIFY(ui.map()->groupOutlines().empty());
        QVERIFY(!ui.map()->grab().isNull());
    }

    void openReadsAPlaFile() {
        UiApp ui;
        ui.writeFile(QStringLiteral("f.pla"), ".i 3\n.o 1\n.ilb x y z\n.ob f\n.type fd\n"
                                              "1-1 1\n010 1\n000 -\n.e\n");
        ui.dialogs.openAnswers.push_back(FileChoice{ui.path(QStringLiteral("f.pla")), 2});
        ui.form()->N18Click();
        QCOMPARE(ui.grid().GetVariableCount(), 3);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("3"));
        QCOMPARE(ui.form()->MapHint(), QStringLiteral("Variables: X \\ Y Z "));
        QCOMPARE(ui.at(5), std::string("1"));
        QCOMPARE(ui.at(7), std::string("1"));
        QCOMPARE(ui.at(2), std::string("1"));
        QCOMPARE(ui.at(0), std::string("*"));
        QCOMPARE(ui.at(1), std::string("0"));
    }

    void openAsksWhichOutputOfSeveralFileToLoad() {
        UiApp ui;
        ui.setVariables(4);
        ui.set({1}, "1");
        ui.writeFile(QStringLiteral("g.pla"),
                     ".i 2\n.o 3\n.ob and or xor\n00 000\n01 011\n10 011\n11 110\n");
        const FileChoice file{ui.path(QStringLiteral("g.pla")), 2};
        ui.dialogs.openAnswers = {file, file};
        ui.dialogs.itemAnswers = {std::nullopt, 2};
        ui.form()->N18Click();
        QCOMPARE(ui.dialogs.itemCalls.size(), std::size_t{1});
        QCOMPARE(ui.dialogs.itemCalls[0].label,
                 QStringLiteral("The PLA file has 3 outputs. Which one should the map hold?"));
        QCOMPARE(ui.dialogs.itemCalls[0].items, (QStringList{"and", "or", "xor"}));
        // Cancelled: the map stays as it was.
        QCOMPARE(ui.grid().GetVariableCount(), 4);
        QCOMPARE(ui.at(1), std::string("1"));

        ui.form()->N18Click();
        QCOMPARE(ui.grid().GetVariableCount(), 2);
        QCOMPARE(ui.at(0) + ui.at(1) + ui.at(2) + ui.at(3), std::string("0110"));
        QVERIFY(ui.messages.shown.empty());
    }

    void openRefusesABadPlaFileAndKeepsTheMap() {
        UiApp ui;
        ui.setVariables(3);
        ui.set({1}, "1");
        ui.writeFile(QStringLiteral("bad.pla"), ".i 3\n.o 1\n1x1 1\n");
        ui.dialogs.openAnswers.push_back(FileChoice{ui.path(QStringLiteral("bad.pla")), 2});
        ui.form()->N18Click();
        // The changed map is asked about first (answered Discard by the script's default).
        QCOMPARE(ui.messages.shown.size(), std::size_t{2});
        QCOMPARE(ui.messages.shown[0].text, std::string("Save changes?"));
        QVERIFY(ui.messages.shown[1].text.rfind("Invalid PLA file, line 3", 0) == 0);
        QCOMPARE(ui.grid().GetVariableCount(), 3);
        QCOMPARE(ui.at(1), std::string("1"));
    }

    void saveWithAllFilesWritesAPlaByName() {
        UiApp ui;
        ui.setVariables(3);
        ui.set({1, 6}, "1");
        ui.set({4}, "*");
        ui.dialogs.saveAnswers.push_back(FileChoice{ui.path(QStringLiteral("m.pla")), 3});
        ui.form()->N5Click();
        QCOMPARE(ui.readFile(QStringLiteral("m.pla")),
                 QByteArray::fromStdString(mapPlaText(ui.grid())));
        QVERIFY(ui.readFile(QStringLiteral("m.pla")).contains(".type fd"));
        // The same name under the map-file filter is a map file, as the filter says.
        ui.dialogs.saveAnswers.push_back(FileChoice{ui.path(QStringLiteral("n.pla")), 1});
        ui.form()->N5Click();
        QVERIFY(!ui.readFile(QStringLiteral("n.pla")).contains(".type"));
    }

    void copyResultAsPutsTheNotationOnTheClipboard_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("Verilog") << ActionName::CopyResultAsVerilog
                                 << "assign F = (~A & B) | (A & C);";
        QTest::newRow("Plain") << ActionName::CopyResultAsPlain << "|A*B+A*C";
        QTest::newRow("VHDL") << ActionName::CopyResultAsVhdl << "F <= (not A and B) or (A and C);";
    }

    void copyResultAsPutsTheNotationOnTheClipboard() {
        QFETCH(QString, item);
        QFETCH(QString, text);
        UiApp ui;
        ui.setVariables(3);
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        QGuiApplication::clipboard()->clear();
        ui.form()->findChild<QAction*>(item)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    void copyResultAsNeedsAResult() {
        UiApp ui;
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        action(ui, ActionName::CopyResultAsVerilog)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        auto* copyAs = ui.form()->findChild<QMenu*>(ActionName::CopyResultAs);
        QCOMPARE(copyAs->actions().size(), 5);
    }

    void exportMapImageWritesByExtension() {
        UiApp ui;
        ui.setVariables(3);
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        action(ui, ActionName::ShowAllGroups)->trigger();
        for (const char* name : {"m.svg", "m.tex", "m.png"})
            ui.dialogs.saveAnswers.push_back(FileChoice{ui.path(QString::fromLatin1(name)), 4});
        for (int i = 0; i < 3; ++i)
            action(ui, ActionName::ExportMapImage)->trigger();
        QCOMPARE(ui.dialogs.saveCalls[0].title, QStringLiteral("Export Map Image"));
        QCOMPARE(ui.readFile(QStringLiteral("m.svg")),
                 QByteArray::fromStdString(mapSvg(ui.grid(), true)));
        QVERIFY(ui.readFile(QStringLiteral("m.svg")).contains("<title>"));
        QCOMPARE(ui.readFile(QStringLiteral("m.tex")),
                 QByteArray::fromStdString(mapTikz(ui.grid(), true)));
        QImage png;
        QVERIFY(png.loadFromData(ui.readFile(QStringLiteral("m.png")), "PNG"));
        QVERIFY(ui.readFile(QStringLiteral("m.png")).startsWith("\x89PNG"));
        // 300 dots per inch for the SVG's 96.
        const QRegularExpression widthAttribute(QStringLiteral("<svg [^>]*width=\"(\\d+)\""));
        const auto match = widthAttribute.match(QString::fromUtf8(ui.readFile("m.svg")));
        QVERIFY(match.hasMatch());
        QCOMPARE(png.width(), qRound(match.captured(1).toInt() * 300.0 / 96.0));
        QCOMPARE(png.pixelColor(1, 1), QColor(Qt::white));
    }

    void exportMapImageRefusesOtherNames() {
        UiApp ui;
        ui.dialogs.saveAnswers.push_back(FileChoice{ui.path(QStringLiteral("m.gif")), 4});
        action(ui, ActionName::ExportMapImage)->trigger();
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{QStringLiteral(
                     "Unknown image type: the file name must end in .svg, .png or .tex.")});
        QCOMPARE(ui.readFile(QStringLiteral("m.gif")), QByteArray("<missing>"));
    }

    void exportMapImageAsksBeforeReplacing() {
        UiApp ui;
        ui.writeFile(QStringLiteral("m.svg"), "old");
        ui.messages.answers = {MsgAnswer::No};
        ui.dialogs.saveAnswers.push_back(FileChoice{ui.path(QStringLiteral("m.svg")), 1});
        action(ui, ActionName::ExportMapImage)->trigger();
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{QStringLiteral("This file already exist, replace ?")});
        QCOMPARE(ui.readFile(QStringLiteral("m.svg")), QByteArray("old"));
    }
};

QTEST_MAIN(ResultCommandsTest)
#include "ResultCommandsTest.moc"
