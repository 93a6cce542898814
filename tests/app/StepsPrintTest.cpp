// The Steps view, the minterm numbers, the outline legend of the result tree, and printing:
// print, print preview and PDF export.
#include "UiTestSupport.h"

#include "app/commands/PrintMap.h"
#include "app/commands/ResultCommands.h"
#include "app/commands/StepsView.h"
#include "interchange/MapImage.h"
#include "reports/Report.h"
#include "reports/widgets/ReportForm.h"
#include "ui/ActionNames.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QTreeWidget>

#include <cstdlib>

namespace {

/// The four-variable map whose two primes are both essential, analysed.
void analyseCornersAndCentre(UiApp& ui) {
    ui.set({0, 2, 5, 7, 8, 10, 13, 15}, "1");
    ui.form()->N25Click();
}

TStepsView* stepsView(const UiApp& ui) {
    return ui.form()->findChild<TStepsView*>(QStringLiteral("StepsView"));
}

/// The line of the Steps view whose text starts with `start`.
QTreeWidgetItem* stepLine(const TStepsView* view, const QString& start) {
    QTreeWidget* list = view->List();
    for (int s = 0; s < list->topLevelItemCount(); ++s)
        for (int i = 0; i < list->topLevelItem(s)->childCount(); ++i)
            if (list->topLevelItem(s)->child(i)->text(0).startsWith(start))
                return list->topLevelItem(s)->child(i);
    return nullptr;
}

std::vector<CellPos> cellsOfMinterms(const UiApp& ui, const std::vector<int>& minterms) {
    std::vector<CellPos> cells;
    for (int m : minterms)
        cells.push_back(ui.grid().CellOfMinterm(m));
    return cells;
}

QByteArray fileStart(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
}

} // namespace

class StepsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void stepsCommandIsInTheMapMenuAndTheResultPopup() {
        UiApp ui;
        QAction* steps = action(ui, ActionName::ShowSteps);
        QVERIFY(steps);
        QVERIFY(ui.form()->menuBar()->findChild<QMenu*>("N11")->actions().contains(steps));
        QVERIFY(ui.form()->findChild<QMenu*>("PopupMenu2")->actions().contains(steps));
        steps->trigger();
        TStepsView* view = stepsView(ui);
        QVERIFY(view->isVisible());
        QCOMPARE(view->List()->topLevelItemCount(), 0);
        QVERIFY(child<QLabel>(view, "StepsNote")->text().startsWith(QStringLiteral("Analyze")));
        view->close();
    }

    void selectingAStepPaintsItsCellsOnTheMap() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        action(ui, ActionName::ShowSteps)->trigger();
        TStepsView* view = stepsView(ui);
        QCOMPARE(view->List()->topLevelItemCount(), 5); // no reductions without a chart
        QCOMPARE(view->List()->topLevelItem(0)->text(0), QStringLiteral("Prime implicants"));
        QTreeWidgetItem* essential = stepLine(view, QStringLiteral("|B*|D is essential"));
        QVERIFY(essential);
        view->List()->setCurrentItem(essential);
        const std::vector<CellPos> corners = cellsOfMinterms(ui, {0, 2, 8, 10});
        QCOMPARE(ui.map()->stepMarks().cells, corners);
        QCOMPARE(ui.map()->stepMarks().marked, corners);
        // A heading paints nothing; the next change of the map drops the marks.
        view->List()->setCurrentItem(view->List()->topLevelItem(0));
        QVERIFY(ui.map()->stepMarks().Empty());
        view->List()->setCurrentItem(stepLine(view, QStringLiteral("B*D covers")));
        QCOMPARE(ui.map()->stepMarks().cells.size(), 4U);
        QVERIFY(ui.map()->stepMarks().marked.empty());
        ui.grid().SetCells(3, 3, "1");
        QVERIFY(ui.map()->stepMarks().Empty());
    }

    void aChartRowMarksItsCellAmongTheTermsThatCoverIt() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        ui.set({0, 1, 2, 5, 6, 7}, "1");
        ui.form()->N25Click();
        action(ui, ActionName::ShowSteps)->trigger();
        TStepsView* view = stepsView(ui);
        QTreeWidgetItem* row = stepLine(view, QStringLiteral("Cell 5 is covered by"));
        QVERIFY(row);
        QCOMPARE(row->text(0), QStringLiteral("Cell 5 is covered by |B*C, A*C."));
        view->List()->setCurrentItem(row);
        QCOMPARE(ui.map()->stepMarks().marked, cellsOfMinterms(ui, {5}));
        QCOMPARE(ui.map()->stepMarks().cells, cellsOfMinterms(ui, {1, 5, 7}));
        // The view follows a new analysis of a changed map.
        ui.set({0, 1, 2, 5, 6, 7}, "0");
        ui.form()->N25Click();
        QTRY_VERIFY(!stepLine(view, QStringLiteral("Cell 5")));
    }

    void theViewIsReachedByKeyboardAndNamedForScreenReaders() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        action(ui, ActionName::ShowSteps)->trigger();
        TStepsView* view = stepsView(ui);
        QCOMPARE(view->List()->accessibleName(), QStringLiteral("Steps"));
        QVERIFY(view->List()->focusPolicy() & Qt::TabFocus);
        view->List()->setCurrentItem(stepLine(view, QStringLiteral("|B*|D covers")));
        QTest::keyClick(view->List(), Qt::Key_Down);
        QVERIFY(view->List()->currentItem()->text(0).startsWith(QStringLiteral("B*D covers")));
        QCOMPARE(ui.map()->stepMarks().cells, cellsOfMinterms(ui, {5, 7, 13, 15}));
        QTest::keyClick(view->List(), Qt::Key_Escape);
        QVERIFY(!view->isVisible());
        QVERIFY(ui.map()->stepMarks().Empty());
    }

    void mintermNumbersAreASwitchOfTheMapMenu() {
        UiApp ui;
        ui.map()->resize(300, 300);
        ui.form()->show();
        QAction* numbers = action(ui, ActionName::ShowMintermNumbers);
        QVERIFY(numbers->isCheckable());
        const QImage before = ui.map()->viewport()->grab().toImage();
        numbers->trigger();
        QVERIFY(ui.map()->showMinterms());
        QVERIFY(ui.map()->viewport()->grab().toImage() != before);
        numbers->trigger();
        QVERIFY(!ui.map()->showMinterms());
    }

    void showAllGroupsGivesEachTermLineItsOutlineColour() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        QTreeWidgetItem* root = ui.form()->ResultTree()->topLevelItem(0);
        const QImage term = root->child(0)->icon(0).pixmap(16, 16).toImage();
        action(ui, ActionName::ShowAllGroups)->trigger();
        for (int k = 0; k < root->childCount(); ++k) {
            const GroupColor c = groupColor(static_cast<std::size_t>(k));
            const QColor edge = root->child(k)->icon(0).pixmap(16, 16).toImage().pixelColor(3, 8);
            QVERIFY(std::abs(edge.red() - c.r) + std::abs(edge.green() - c.g) +
                        std::abs(edge.blue() - c.b) <
                    12);
        }
        action(ui, ActionName::ShowAllGroups)->trigger();
        QCOMPARE(root->child(0)->icon(0).pixmap(16, 16).toImage(), term);
    }

    void exportPdfWritesAPdfFileThroughTheSaveDialog() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        const QString path = ui.path(QStringLiteral("map.pdf"));
        ui.dialogs.saveAnswers.push_back(FileChoice{path, 1});
        action(ui, ActionName::ExportPdf)->trigger();
        QCOMPARE(ui.dialogs.saveCalls.back().defaultSuffix, QStringLiteral("pdf"));
        QCOMPARE(fileStart(path), QByteArray("%PDF"));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".part")));
        // The labels and the result are text in embedded fonts, not curves: a reader can
        // search and copy them.
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.contains("/FontFile2"));
        QVERIFY(bytes.contains("/ToUnicode"));
        pdf.close();
        // Replacing asks first; "No" keeps the file.
        QFile(path).resize(4);
        ui.messages.answers.push_back(MsgAnswer::No);
        ui.dialogs.saveAnswers.push_back(FileChoice{path, 1});
        action(ui, ActionName::ExportPdf)->trigger();
        QCOMPARE(QFileInfo(path).size(), 4);
    }

    void printGoesToThePrinterTheDialogChose() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        QAction* print = action(ui, ActionName::Print);
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        action(ui, ActionName::PrintSteps)->setChecked(true);
        const QString path = ui.path(QStringLiteral("printed.pdf"));
        ui.dialogs.printerAnswers.push_back(path);
        print->trigger();
        QCOMPARE(ui.dialogs.printerCalls, 1);
        QCOMPARE(fileStart(path), QByteArray("%PDF"));
        print->trigger(); // cancelled
        QCOMPARE(ui.dialogs.printerCalls, 2);
    }

    void pagesCarryGroupsNumbersAndStepsAsSwitched() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        auto* printing = ui.form()->findChild<PrintCommands*>();
        QVERIFY(printing);
        std::string page = printing->Pages().front();
        QVERIFY(page.find("Y(A,B,C,D)=B*D+|B*|D") != std::string::npos);
        QVERIFY(page.find("<title>B*D</title>") == std::string::npos);
        QVERIFY(page.find("Prime implicants") == std::string::npos);
        action(ui, ActionName::ShowAllGroups)->trigger();
        action(ui, ActionName::ShowMintermNumbers)->trigger();
        action(ui, ActionName::PrintSteps)->trigger();
        page = printing->Pages().front();
        QVERIFY(page.find("<title>B*D</title>") != std::string::npos);
        QVERIFY(page.find("fill=\"#707070\">15</text>") != std::string::npos);
        QVERIFY(page.find(">Prime implicants</text>") != std::string::npos);
    }

    void theStepsSpeakTheShippedLanguage() {
        UiApp ui;
        ui.restartInLanguage(QStringLiteral("German"));
        analyseCornersAndCentre(ui);
        action(ui, ActionName::ShowSteps)->trigger();
        TStepsView* view = stepsView(ui);
        QCOMPARE(view->windowTitle(), QStringLiteral("Schritte"));
        QCOMPARE(view->List()->topLevelItem(0)->text(0), QStringLiteral("Primimplikanten"));
        QVERIFY(stepLine(view, QStringLiteral("|B*|D ist ein Kernprimimplikant: nur er")));
        QCOMPARE(action(ui, ActionName::Print)->text(), QStringLiteral("Drucken..."));
    }

    void theReportDialogHasAStepsBoxThatCheckAllTicks() {
        UiApp ui;
        auto* steps = child<QCheckBox>(ui.w().Report, "StepsInc");
        QCOMPARE(steps->text(), QStringLiteral("Include Steps"));
        QVERIFY(!ui.w().Report->Content().steps);
        ui.w().Report->SpeedButton1Click();
        QVERIFY(steps->isChecked());
        QVERIFY(ui.w().Report->Content().steps);
    }

    void printPreviewOpensItsDialog() {
        UiApp ui;
        analyseCornersAndCentre(ui);
        ModalScript script([](QWidget* dialog) { rejectDialog(dialog); });
        action(ui, ActionName::PrintPreview)->trigger();
        QCOMPARE(script.seen(), QStringList{QStringLiteral("PrintPreview")});
    }
};

QTEST_MAIN(StepsPrintTest)
#include "StepsPrintTest.moc"
