// The report dialog and its viewer through their handlers, the help window and the about box.
#include "UiTestSupport.h"

#include "app/AboutForm.h"
#include "app/HelpForm.h"
#include "app/MapAnimation.h"
#include "reports/Report.h"
#include "reports/widgets/RepViewForm.h"
#include "reports/widgets/ReportForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolButton>
#include <QTreeWidget>

namespace {

/// Copies the folder `relative` of the shipped data into the program folder.
void copyData(const UiApp& ui, const QString& relative) {
    const QDir source(QStringLiteral(LORVANE_DATA "/") + relative);
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = ui.path(relative + QLatin1Char('/') + source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).absolutePath());
        QVERIFY(QFile::copy(from, to));
    }
}

/// A three-variable map with the ones 2, 3, 5 and 7, analysed: two terms.
void analyseExample(UiApp& ui) {
    ui.setVariables(3);
    ui.set({2, 3, 5, 7}, "1");
    ui.form()->N25Click();
}

QCheckBox* box(const UiApp& ui, const char* name) {
    return child<QCheckBox>(ui.w().Report, name);
}

QString reportPath(const UiApp& ui) {
    return ui.path(QStringLiteral("Reports/report.htm"));
}

/// Opens the report dialog from the main window and runs `inside` while it is up.
void withReportDialog(UiApp& ui, const std::function<void(TReport*)>& inside) {
    bool ran = false;
    ModalScript script([&](QWidget* dialog) {
        ran = true;
        inside(qobject_cast<TReport*>(dialog));
        if (dialog->isVisible())
            rejectDialog(dialog);
    });
    ui.form()->ReportBtnClick();
    QVERIFY(ran);
}

} // namespace

class ReportWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theReportDialogStartsUncheckedAndChecksAll() {
        UiApp ui;
        TReport* report = ui.w().Report;
        QCOMPARE(report->windowTitle(), QStringLiteral("Report"));
        QCOMPARE(child<QGroupBox>(report, "GroupBox1")->title(), QStringLiteral(" Content  "));
        const char* const names[] = {"TTInc", "MapInc", "SetInc", "MapEach"};
        const char* const captions[] = {"Include Truth Table", "Include Karnaugh Map",
                                        "Include Set's", "Include Map for  Each Term"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(box(ui, names[i])->text(), QString::fromLatin1(captions[i]));
            QVERIFY(!box(ui, names[i])->isChecked());
        }
        QCOMPARE(child<QToolButton>(report, "SpeedButton1")->toolTip(),
                 QStringLiteral("Check All"));
        QCOMPARE(child<QPushButton>(report, "BitBtn2")->text(), QStringLiteral("&Generate"));
        QCOMPARE(child<QPushButton>(report, "BitBtn2")->toolTip(),
                 QStringLiteral("Generate report"));
        child<QToolButton>(report, "SpeedButton1")->click();
        for (const char* name : names)
            QVERIFY(box(ui, name)->isChecked());
    }

    void theBoxesKeepTheirStateBetweenOpenings() {
        UiApp ui;
        analyseExample(ui);
        withReportDialog(ui, [&](TReport*) { box(ui, "SetInc")->setChecked(true); });
        withReportDialog(ui, [&](TReport* report) {
            QVERIFY(report->Content().sets);
            QVERIFY(!report->Content().map);
        });
    }

    void generateWritesTheReportShowsItAndCloses() {
        UiApp ui;
        copyData(ui, QStringLiteral("Reports"));
        analyseExample(ui);
        QVERIFY(child<QPushButton>(ui.form(), "ReportBtn")->isEnabled());
        bool stillOpen = true;
        withReportDialog(ui, [&](TReport* report) {
            report->SpeedButton1Click();
            report->BitBtn2Click();
            stillOpen = report->isVisible();
        });
        QVERIFY(!stillOpen);
        const QByteArray page = ui.readFile(QStringLiteral("Reports/report.htm"));
        QVERIFY(page.contains("Y(A,B,C)=\"" + QByteArray::fromStdString(ui.grid().ResultText)));
        QVERIFY(page.contains("Term[1]=") && page.contains("Term[2]="));
        QVERIFY(!page.contains("Term[3]="));
        TRepView* viewer = ui.w().RepView;
        QVERIFY(viewer->isVisible());
        QCOMPARE(QFileInfo(viewer->CurrentReport()), QFileInfo(reportPath(ui)));
        QVERIFY(child<QTextBrowser>(viewer, "WebBrowser1")
                    ->toPlainText()
                    .contains(QString::fromStdString(ui.grid().ResultText)));
        // The last term stays selected, and the map shows its highlight.
        QTreeWidget* tree = ui.form()->ResultTree();
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0)->child(1));
    }

    void generatingTwiceRewritesTheFileAndTheViewerShowsTheNewReport() {
        UiApp ui;
        copyData(ui, QStringLiteral("Reports"));
        analyseExample(ui);
        withReportDialog(ui, [](TReport* report) { report->BitBtn2Click(); });
        const QString first = QString::fromStdString(ui.grid().ResultText);
        ui.set({0}, "1");
        ui.form()->N25Click();
        const QString second = QString::fromStdString(ui.grid().ResultText);
        QVERIFY(first != second);
        withReportDialog(ui, [](TReport* report) { report->BitBtn2Click(); });
        const QString shown = child<QTextBrowser>(ui.w().RepView, "WebBrowser1")->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("\"") + second + QStringLiteral("\"")));
        QVERIFY(!shown.contains(QStringLiteral("\"") + first + QStringLiteral("\"")));
        QVERIFY(ui.readFile(QStringLiteral("Reports/report.htm")).contains(second.toUtf8()));
    }

    void aFailedGenerationShowsWhyAndKeepsTheDialogOpen() {
        UiApp ui; // no templates in the program folder
        analyseExample(ui);
        ui.messages.shown.clear();
        bool stillOpen = false;
        withReportDialog(ui, [&](TReport* report) {
            report->BitBtn2Click();
            stillOpen = report->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(ui.messages.shown.size(), std::size_t{1});
        QCOMPARE(ui.messages.shown[0].kind, MsgKind::Error);
        QVERIFY(QString::fromStdString(ui.messages.shown[0].text)
                    .contains(QStringLiteral("report.inc")));
        QVERIFY(!QFileInfo::exists(reportPath(ui)));
        QVERIFY(!ui.w().RepView->isVisible());
    }

    void reportsGoBelowTheUserFolderWhenTheProgramFolderCannotBeWritten() {
        UiApp ui;
        QCOMPARE(QFileInfo(ui.w().Report->ReportPath()), QFileInfo(reportPath(ui)));
        // A program folder below a plain file can be written by nobody, whatever the rights.
        ui.writeFile(QStringLiteral("plain"), "not a folder");
        copyData(ui, QStringLiteral("Reports"));
        AppContext context = ui.app->context();
        context.programFolder = ui.path(QStringLiteral("plain/program/"));
        context.userDataFolder = ui.path(QStringLiteral("data"));
        ui.start(context);
        QCOMPARE(ui.w().Report->ReportPath(), ui.path(QStringLiteral("data/Reports/report.htm")));
        // The templates are missing there: the message names them, and nothing is written.
        analyseExample(ui);
        withReportDialog(ui, [](TReport* report) { report->BitBtn2Click(); });
        QVERIFY(shownTexts(ui.messages).last().contains(QStringLiteral("report.inc")));
        QVERIFY(!QFileInfo::exists(ui.path(QStringLiteral("data/Reports/report.htm"))));
    }

    void saveReportOffersReport0ThenReport1AndCopiesTheFile() {
        UiApp ui;
        copyData(ui, QStringLiteral("Reports"));
        analyseExample(ui);
        TRepView* viewer = ui.w().RepView;
        viewer->SpeedButton1Click(); // nothing shown yet: no dialog
        QVERIFY(ui.dialogs.saveCalls.empty());
        withReportDialog(ui, [](TReport* report) { report->BitBtn2Click(); });
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("first.htm")), 1}, std::nullopt,
                                  FileChoice{ui.path(QStringLiteral("second.htm")), 1}};
        viewer->SpeedButton1Click();
        viewer->SpeedButton1Click(); // cancelled: the counter stays
        viewer->SpeedButton1Click();
        QCOMPARE(ui.dialogs.saveCalls.size(), std::size_t{3});
        const auto& call = ui.dialogs.saveCalls[0];
        QCOMPARE(call.title, QStringLiteral("Save Report to HTML document"));
        QCOMPARE(call.filter, QStringLiteral("HTML Documents|*.htm; *.html|All Files|*.*"));
        QCOMPARE(call.defaultSuffix, QStringLiteral("htm"));
        QCOMPARE(call.fileName, QStringLiteral("Report0"));
        QCOMPARE(ui.dialogs.saveCalls[1].fileName, QStringLiteral("Report1"));
        QCOMPARE(ui.dialogs.saveCalls[2].fileName, QStringLiteral("Report1"));
        const QByteArray report = ui.readFile(QStringLiteral("Reports/report.htm"));
        QCOMPARE(ui.readFile(QStringLiteral("first.htm")), report);
        QCOMPARE(ui.readFile(QStringLiteral("second.htm")), report);
        QCOMPARE(viewer->SaveCounter, 2);
    }

    void saveReportAsksBeforeReplacingAFileAndTheCounterWraps() {
        UiApp ui;
        copyData(ui, QStringLiteral("Reports"));
        analyseExample(ui);
        withReportDialog(ui, [](TReport* report) { report->BitBtn2Click(); });
        TRepView* viewer = ui.w().RepView;
        ui.writeFile(QStringLiteral("old.htm"), "keep me");
        ui.messages.shown.clear();
        ui.messages.answers = {MsgAnswer::No};
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("old.htm")), 1}};
        viewer->SaveCounter = 255;
        viewer->SpeedButton1Click();
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{QStringLiteral("This file already exist, replace ?")});
        QCOMPARE(ui.readFile(QStringLiteral("old.htm")), QByteArray("keep me"));
        QCOMPARE(viewer->SaveCounter, 255);
        ui.dialogs.saveAnswers = {FileChoice{ui.path(QStringLiteral("old.htm")), 1}};
        viewer->SpeedButton1Click(); // answered Yes
        QCOMPARE(ui.dialogs.saveCalls[1].fileName, QStringLiteral("Report255"));
        QVERIFY(ui.readFile(QStringLiteral("old.htm")).contains("Y(A,B,C)"));
        QCOMPARE(viewer->SaveCounter, 0);
    }

    void theViewerShowsTheReportAsABrowserDoes() {
        UiApp ui;
        copyData(ui, QStringLiteral("Reports"));
        analyseExample(ui);
        withReportDialog(ui, [](TReport* report) {
            report->SpeedButton1Click();
            report->BitBtn2Click();
        });
        const QByteArray file = ui.readFile(QStringLiteral("Reports/report.htm"));
        QTextDocument* page = child<QTextBrowser>(ui.w().RepView, "WebBrowser1")->document();
        QList<QTextTable*> tables;
        for (QTextFrame* frame : page->rootFrame()->childFrames())
            if (auto* table = qobject_cast<QTextTable*>(frame))
                tables << table;
        // The truth table (a header and eight rows) stands on its own, after the function.
        QVERIFY(std::any_of(tables.begin(), tables.end(),
                            [](const QTextTable* table) { return table->rows() == 9; }));
        // Map labels keep to one line; the term cells in the default black read in white.
        bool sawTermCell = false;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            auto* table = qobject_cast<QTextTable*>(page->frameAt(block.position()));
            if (!table || block.text() != QStringLiteral("1"))
                continue;
            const QTextTableCell cell = table->cellAt(block.position());
            const QBrush background = cell.format().background();
            if (background.style() == Qt::NoBrush || background.color() != Qt::black)
                continue;
            sawTermCell = true;
            QCOMPARE(block.charFormat().foreground().color(), QColor(Qt::white));
            QVERIFY(block.blockFormat().nonBreakableLines());
        }
        QVERIFY(sawTermCell);
        QCOMPARE(ui.readFile(QStringLiteral("Reports/report.htm")), file);
    }

    void openInWebBrowserSaysWhenNoBrowserStarts() {
        UiApp ui;
        copyData(ui, QStringLiteral("Reports"));
        analyseExample(ui);
        withReportDialog(ui, [](TReport* report) { report->BitBtn2Click(); });
        TRepView* viewer = ui.w().RepView;
        QList<QUrl> asked;
        viewer->SetBrowserLauncher([&asked](const QUrl& url) {
            asked << url;
            return asked.size() > 1;
        });
        ui.messages.shown.clear();
        child<QToolButton>(viewer, "SpeedButton2")->click();
        QCOMPARE(shownTexts(ui.messages),
                 QStringList{QStringLiteral("No web browser could be started.")});
        child<QToolButton>(viewer, "SpeedButton2")->click();
        QCOMPARE(ui.messages.shown.size(), std::size_t{1});
        QCOMPARE(asked.size(), 2);
        QCOMPARE(QFileInfo(asked.first().toLocalFile()), QFileInfo(reportPath(ui)));
    }

    void theViewerHasItsParts() {
        UiApp ui;
        TRepView* viewer = ui.w().RepView;
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Report View"));
        QVERIFY(viewer->windowState() & Qt::WindowMaximized);
        QCOMPARE(child<QToolButton>(viewer, "SpeedButton1")->toolTip(),
                 QStringLiteral("Save Report"));
        QVERIFY(child<QToolButton>(viewer, "SpeedButton1")->autoRaise());
        QVERIFY(child<QToolButton>(viewer, "SpeedButton2"));
        QVERIFY(child<QStatusBar>(viewer, "StatusBar1"));
        QVERIFY(viewer->CurrentReport().isEmpty());
    }

    void helpShowsOneWindowBackOnTheStartPageEveryTime() {
        UiApp ui;
        copyData(ui, QStringLiteral("help"));
        THelp* help = ui.w().Help;
        child<QAction>(ui.form(), "N16")->trigger();
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(QFileInfo(help->CurrentPage()),
                 QFileInfo(ui.path(QStringLiteral("help/index.htm"))));
        auto* browser = child<QTextBrowser>(help, "WebBrowser1");
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Lorvane")));
        help->View(QStringLiteral("help\\keys.htm"));
        QCOMPARE(QFileInfo(help->CurrentPage()),
                 QFileInfo(ui.path(QStringLiteral("help/keys.htm"))));
        help->setWindowTitle(QStringLiteral("elsewhere"));
        const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
        ui.form()->N16Click();
        QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(QFileInfo(help->CurrentPage()),
                 QFileInfo(ui.path(QStringLiteral("help/index.htm"))));
        help->close();
        QVERIFY(!help->isVisible());
    }

    void helpFindsItsPagesWhateverTheLetterCase() {
        UiApp ui;
        QDir(ui.folder.path()).mkpath(QStringLiteral("Help"));
        ui.writeFile(QStringLiteral("Help/Index.HTM"), "<p>start page</p>");
        ui.form()->N16Click();
        QVERIFY(child<QTextBrowser>(ui.w().Help, "WebBrowser1")
                    ->toPlainText()
                    .contains(QStringLiteral("start page")));
    }

    void aHelpPageThatCannotBeReadShowsWhy() {
        UiApp ui;
        // A folder where the start page should be: read as nothing would show an empty page.
        QDir(ui.folder.path()).mkpath(QStringLiteral("help/index.htm"));
        ui.form()->N16Click();
        QVERIFY(child<QTextBrowser>(ui.w().Help, "WebBrowser1")
                    ->toPlainText()
                    .contains(QStringLiteral("index.htm\": Is a directory")));
    }

    void theAboutBoxShowsAnimationNameAndVersionAndClosesWithOk() {
        UiApp ui;
        TAboutBox* about = ui.w().AboutBox;
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->size(), QSize(302, 270));
        auto* animation = child<MapAnimation>(about, "ShockwaveFlash1");
        QVERIFY(animation);
        QCOMPARE(animation->size(), QSize(300, 225));
        QCOMPARE(child<QFrame>(about, "Bevel2")->frameShape(), QFrame::HLine);
        QVERIFY(!TAboutBox::Version().isEmpty());
        bool named = false;
        for (const QLabel* label : about->findChildren<QLabel*>())
            named = named || (label->text().contains(QStringLiteral("Lorvane")) &&
                              label->text().contains(TAboutBox::Version()));
        QVERIFY(named);
        const std::vector<std::string> before = ui.cells();
        {
            ModalScript ok([](QWidget* d) { clickButton(d, "BitBtn1"); });
            ui.form()->N17Click();
            QCOMPARE(ok.seen(), QStringList{QStringLiteral("AboutBox")});
            QCOMPARE(about->result(), int(QDialog::Accepted));
        }
        {
            ModalScript closeBox(rejectDialog);
            ui.form()->N17Click();
            QCOMPARE(closeBox.seen(), QStringList{QStringLiteral("AboutBox")});
            QCOMPARE(about->result(), int(QDialog::Rejected));
        }
        QCOMPARE(ui.cells(), before);
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
