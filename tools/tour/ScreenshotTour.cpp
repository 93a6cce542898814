// The screenshot tour: drives the real windows through each input path and dialog and saves
// what they show.
#include "tools/tour/ScreenshotTour.h"

#include "app/AboutForm.h"
#include "app/HelpForm.h"
#include "app/LorvaneWindows.h"
#include "app/Main.h"
#include "app/MapAnimation.h"
#include "app/OptionsForm.h"
#include "app/QtPorts.h"
#include "app/commands/ResultCommands.h"
#include "app/commands/StepsView.h"
#include "app/views/CarnoGridView.h"
#include "document/MapHistory.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "input/widgets/TruthTable.h"
#include "reports/widgets/RepViewForm.h"
#include "reports/widgets/ReportForm.h"
#include "support/FileWriter.h"
#include "ui/ActionNames.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

namespace {

constexpr int kStepDelayMs = 120;
constexpr int kModalPollMs = 40;
constexpr int kModalPollLimit = 200;

using ModalAction = std::function<void(QWidget*)>;

/// Runs `action` on the next modal window as soon as it is up.
void onModal(const ModalAction& action, int attempt = 0) {
    QTimer::singleShot(kModalPollMs, [action, attempt] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            action(modal);
            return;
        }
        if (attempt < kModalPollLimit)
            onModal(action, attempt + 1);
    });
}

void click(QWidget* window, const char* button) {
    if (auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button)))
        b->click();
}

void answer(QWidget* box, QMessageBox::StandardButton button) {
    auto* message = qobject_cast<QMessageBox*>(box);
    if (QAbstractButton* chosen = message ? message->button(button) : nullptr) {
        chosen->click();
        return;
    }
    std::fprintf(stderr, "screenshot tour: no such button in the message box\n");
    if (auto* dialog = qobject_cast<QDialog*>(box))
        dialog->reject();
}

void typeKey(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

class Tour {
public:
    Tour(const AppWindows& windows, QString folder) : w(windows), m_folder(std::move(folder)) {}

    void add(std::function<void()> step) { m_steps.push_back(std::move(step)); }
    void start() { scheduleNext(); }

    void shot(QWidget* widget, const QString& name) const { savePixmap(widget->grab(), name); }
    /// Saves the whole screen: windows side by side, as a person sees them.
    void screenShot(const QString& name) const {
        savePixmap(QGuiApplication::primaryScreen()->grabWindow(0), name);
    }
    void savePixmap(const QPixmap& pixmap, const QString& name) const {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        pixmap.save(&buffer, "PNG");
        saveImage(png, name);
    }
    /// Saves an image made by the program itself, such as an exported map.
    void saveImage(const QByteArray& png, const QString& name) const {
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (const auto error =
                writeFileAtomically(QFile::encodeName(path).toStdString(), png.toStdString()))
            std::fprintf(stderr, "screenshot tour: %s\n", error->c_str());
    }
    /// Saves the modal window, then answers it.
    ModalAction shotAnd(const QString& name, const ModalAction& then) const {
        return [this, name, then](QWidget* modal) {
            shot(modal, name);
            then(modal);
        };
    }

    const AppWindows& w;

private:
    void scheduleNext() {
        QTimer::singleShot(kStepDelayMs, [this] {
            if (m_next >= m_steps.size())
                return;
            m_steps[m_next++]();
            scheduleNext();
        });
    }

    QString m_folder;
    std::vector<std::function<void()>> m_steps;
    std::size_t m_next = 0;
};

void setCount(TForm1* form, int count) {
    form->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::number(count));
}

void typeIntoMap(TForm1* form) {
    CarnoGridView* map = form->MapView();
    form->activateWindow();
    map->setFocus();
    for (const auto& [col, row, text] : {std::tuple{1, 1, "1"}, {2, 1, "1"}, {4, 3, "*"}}) {
        map->setCurrentIndex(map->model()->index(row - 1, col - 1));
        // Moving to the next cell commits the open editor.
        typeKey(map, text[0] == '*' ? Qt::Key_Asterisk : Qt::Key_1, QString::fromLatin1(text));
    }
    map->setCurrentIndex(map->model()->index(2, 1));
    typeKey(map, Qt::Key_1, QStringLiteral("1"));
}

/// Selects the term line `index` (from 0) of the result tree.
void selectTerm(TForm1* form, int index) {
    selectResultTreeLine(form->ResultTree(), index + 1);
}

void addInputSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] { t.shot(form, QStringLiteral("01-start")); });
    t.add([&t, form] {
        typeIntoMap(form);
        t.shot(form, QStringLiteral("02-typing-in-cells"));
        form->MapView()->setCurrentIndex(form->MapView()->model()->index(0, 0));
    });
    t.add([&t, form] {
        onModal(
            t.shotAnd(QStringLiteral("03-sets-dialog"), [](QWidget* d) { click(d, "BitBtn1"); }));
        auto* sets = t.w.InputForm;
        sets->SetSetText(0, QStringLiteral("1,3,5-7,13"));
        sets->SetSetText(1, QStringLiteral("0,2"));
        sets->SetSetText(2, QStringLiteral("12, 15"));
        form->N23Click();
        t.shot(form, QStringLiteral("04-map-from-sets"));
    });
    t.add([&t, form] {
        onModal(t.shotAnd(QStringLiteral("05-analyze-message"),
                          [](QWidget* box) { answer(box, QMessageBox::Ok); }));
        form->N25Click();
        t.shot(form, QStringLiteral("06-analyzed"));
    });
    t.add([&t, form] {
        selectTerm(form, 0);
        t.shot(form, QStringLiteral("07-term-highlight"));
        selectTerm(form, 1);
        t.shot(form, QStringLiteral("08-second-term-highlight"));
    });
    t.add([&t, form] {
        onModal(t.shotAnd(QStringLiteral("09-fill-question"),
                          [](QWidget* box) { answer(box, QMessageBox::Ok); }));
        form->FillWith("1");
        t.shot(form, QStringLiteral("10-filled-with-ones"));
    });
}

void addFormulaSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        setCount(form, 5);
        TInputFormula* formula = t.w.InputFormula;
        onModal([&t, formula](QWidget* dialog) {
            formula->SetFormula(QString());
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
            list->setCurrentRow(0);
            formula->ListBox1DblClick();
            formula->Button2Click();
            formula->SetFormula(formula->FormulaText() + QStringLiteral("Q"));
            onModal(t.shotAnd(QStringLiteral("12-formula-position-message"),
                              [](QWidget* box) { answer(box, QMessageBox::Ok); }));
            formula->BitBtn1Click();
            formula->SetFormula(QStringLiteral("A*|B+C*D*E+|A*|C*|E"));
            t.shot(dialog, QStringLiteral("11-formula-dialog"));
            formula->BitBtn1Click();
        });
        form->N22Click();
        t.shot(form, QStringLiteral("13-map-from-formula"));
    });
}

void addTruthTableSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        setCount(form, 3);
        TTruthTable* table = t.w.TruthTableForm->TruthTable1();
        onModal([&t, table](QWidget* dialog) {
            const char* const values[] = {"0", "1", "1", "*", "0", "1", "", "1"};
            for (int row = 1; row <= 8; ++row)
                table->SetCell(3, row, values[row - 1]);
            table->setFocus();
            table->setCurrentIndex(table->model()->index(6, 3));
            t.shot(dialog, QStringLiteral("14-truth-table"));
            click(dialog, "BitBtn1");
        });
        form->N28Click();
        t.shot(form, QStringLiteral("15-map-from-truth-table"));
    });
}

void addOptionsSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        onModal([&t](QWidget* dialog) {
            auto* pages = dialog->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            const char* const names[] = {"16-options-map", "17-options-function",
                                         "18-options-language"};
            for (int i = 0; i < 3; ++i) {
                pages->setCurrentIndex(i);
                t.shot(dialog, QString::fromLatin1(names[i]));
            }
            pages->setCurrentIndex(1);
            dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->setChecked(true);
            click(dialog, "BitBtn1");
        });
        form->N13Click();
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->N25Click();
        selectTerm(form, 0);
        t.shot(form, QStringLiteral("19-analyzed-pos-with-term"));
    });
}

void addLargeAndSmallMapSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        setCount(form, 8);
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->FillWith("");
        // The options now ask for a product of sums: the 0-set is the target.
        t.w.InputForm->SetSetText(0, QStringLiteral("68-127,136-199,216-255"));
        t.w.InputForm->SetSetText(1, QStringLiteral("0-63,128-135,200-215"));
        t.w.InputForm->SetSetText(2, QStringLiteral("64-67"));
        onModal([](QWidget* d) { click(d, "BitBtn1"); });
        form->N23Click();
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->N25Click();
        selectTerm(form, 1);
        t.shot(form, QStringLiteral("20-eight-variables"));
        form->resize(900, 640);
        QApplication::processEvents();
        selectTerm(form, 0);
        selectTerm(form, 1);
        t.shot(form, QStringLiteral("21-eight-variables-large-window"));
        form->resize(600, 305);
    });
    t.add([&t, form] {
        setCount(form, 2);
        t.shot(form, QStringLiteral("22-two-variables"));
    });
}

/// Fills the map from a 1-set and a don't-care set and analyses it, answering the questions.
void analyzeSets(Tour& t, int count, const char* ones, const char* dontCares) {
    TForm1* form = t.w.Form1;
    setCount(form, count);
    onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
    form->FillWith("");
    form->Grid().AnalyzeWorkString(ones, "1");
    form->Grid().AnalyzeWorkString(dontCares, "*");
    onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
    form->N25Click();
}

void showAllGroups(TForm1* form, bool on) {
    if (auto* action = form->findChild<QAction*>(QString::fromLatin1(ActionName::ShowAllGroups)))
        action->setChecked(on);
}

void addGroupSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        // A sum of products again: the options were left on POS above.
        t.w.Options->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
        analyzeSets(t, 4, "0,4,5,6,7,11,14", "3,8,10,13");
        t.shot(form, QStringLiteral("35-minimum-cover-hint"));
        showAllGroups(form, true);
        t.shot(form, QStringLiteral("36-all-groups-four-variables"));
    });
    t.add([&t, form] {
        onModal(t.shotAnd(QStringLiteral("37-minimum-solutions"), [](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("SolutionsList"));
            list->setCurrentRow(list->count() - 1);
            click(dialog, "ShowBtn");
        }));
        form->findChild<QAction*>(QString::fromLatin1(ActionName::MinimumSolutions))->trigger();
        selectTerm(form, 0);
        t.shot(form, QStringLiteral("38-minimum-solution-shown"));
    });
    t.add([&t, form] {
        // Room for a whole eight-variable map beside the result.
        auto* splitter = form->findChild<QSplitter*>(QStringLiteral("Splitter1"));
        form->resize(1000, 660);
        splitter->setSizes({660, 340});
        analyzeSets(t, 6, "0,2,8,10,32,34,40,42,5,7,13,15,21,23,29,31,48-51,56-59,60,62,44,46",
                    "1,9,33");
        t.shot(form, QStringLiteral("39-all-groups-six-variables"));
        analyzeSets(t, 8,
                    "0-3,16-19,128-131,144-147,85,87,93,95,117,119,125,127,200-207,232-239,"
                    "12,14,44,46,76,78,108,110,160,161,176,177,255",
                    "4,20,254");
        t.shot(form, QStringLiteral("40-all-groups-eight-variables"));
        t.saveImage(mapPng(form->Grid(), true, 1.0), QStringLiteral("42-exported-map-image"));
        selectTerm(form, 2);
        t.shot(form, QStringLiteral("41-all-groups-with-term-highlight"));
        form->resize(600, 305);
        splitter->setSizes({247, 353});
    });
}

/// Opens the Steps view beside the main window and selects its first essential term.
TStepsView* showSteps(TForm1* form) {
    form->findChild<QAction*>(QString::fromLatin1(ActionName::ShowSteps))->trigger();
    auto* view = form->findChild<TStepsView*>(QStringLiteral("StepsView"));
    view->move(form->frameGeometry().topRight() + QPoint(8, 0));
    QTreeWidget* list = view->List();
    if (list->topLevelItemCount() > 1 && list->topLevelItem(1)->childCount() > 0)
        list->setCurrentItem(list->topLevelItem(1)->child(0));
    QApplication::processEvents();
    return view;
}

void addStepsSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        showAllGroups(form, false);
        form->findChild<QAction*>(QString::fromLatin1(ActionName::ShowMintermNumbers))
            ->setChecked(true);
        analyzeSets(t, 4, "0,2,5,7,8,10,13,15", "");
        TStepsView* view = showSteps(form);
        t.shot(form, QStringLiteral("49-steps-four-variables-map"));
        t.shot(view, QStringLiteral("50-steps-four-variables"));
    });
    t.add([&t, form] {
        auto* splitter = form->findChild<QSplitter*>(QStringLiteral("Splitter1"));
        form->resize(1000, 660);
        splitter->setSizes({660, 340});
        analyzeSets(t, 8,
                    "0-3,16-19,128-131,144-147,85,87,93,95,117,119,125,127,200-207,232-239,"
                    "12,14,44,46,76,78,108,110,160,161,176,177,255",
                    "4,20,254");
        TStepsView* view = showSteps(form);
        t.shot(form, QStringLiteral("51-steps-eight-variables-map"));
        view->resize(640, 560);
        QApplication::processEvents();
        t.shot(view, QStringLiteral("52-steps-eight-variables"));
        view->close();
    });
    t.add([&t, form] {
        showAllGroups(form, true);
        form->findChild<QAction*>(QString::fromLatin1(ActionName::PrintSteps))->setChecked(true);
        onModal([&t](QWidget* preview) {
            preview->resize(900, 1000);
            QApplication::processEvents();
            t.shot(preview, QStringLiteral("53-print-preview-eight-variables"));
            static_cast<QDialog*>(preview)->reject();
        });
        form->findChild<QAction*>(QString::fromLatin1(ActionName::PrintPreview))->trigger();
        form->findChild<QAction*>(QString::fromLatin1(ActionName::ShowMintermNumbers))
            ->setChecked(false);
        form->resize(600, 305);
        form->findChild<QSplitter*>(QStringLiteral("Splitter1"))->setSizes({247, 353});
    });
}

void addMenuSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        const char* const menus[][2] = {
            {"PopupMenu1", "23-popup-map"}, {"PopupMenu2", "24-popup-result"},
            {"N10", "25-menu-file"},        {"N11", "26-menu-map"},
            {"N20", "27-menu-fill-with"},   {"N15", "28-menu-help"}};
        for (const auto& [name, file] : menus) {
            auto* menu = form->findChild<QMenu*>(QString::fromLatin1(name));
            menu->popup(form->mapToGlobal(QPoint(40, 40)));
            QApplication::processEvents();
            t.shot(menu, QString::fromLatin1(file));
            menu->hide();
        }
    });
}

/// Saves the about box with its animation at the step where every group has formed.
ModalAction aboutShot(const Tour& t, const QString& name) {
    return [&t, name](QWidget* box) {
        if (auto* animation = box->findChild<MapAnimation*>(QStringLiteral("ShockwaveFlash1")))
            animation->SetStep(MapAnimation::StepCount() - 2);
        t.shot(box, name);
        click(box, "BitBtn1");
    };
}

/// Scrolls the report viewer to the first place that shows `text`.
void scrollReportTo(const Tour& t, const QString& text) {
    auto* browser = t.w.RepView->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"));
    QTextCursor cursor = browser->document()->find(text);
    cursor.clearSelection();
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
    QApplication::processEvents();
}

/// The report of an eight-variable map with every part: sets, truth table, the map beside the
/// result and a map per term, each part in the viewer.
void addEightVariableReportSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        analyzeSets(t, 8, "0-3,16-19,128-131,144-147,85,87,93,95,117,119,125,127,200-207", "4,20");
        onModal([](QWidget* dialog) {
            auto* report = qobject_cast<TReport*>(dialog);
            report->SpeedButton1Click();
            report->BitBtn2Click();
        });
        form->ReportBtnClick();
    });
    t.add([&t] {
        t.w.RepView->resize(1000, 860);
        scrollReportTo(t, QStringLiteral("Type"));
        t.shot(t.w.RepView, QStringLiteral("46-report-eight-variables-function"));
        scrollReportTo(t, QStringLiteral("Y("));
        t.shot(t.w.RepView, QStringLiteral("47-report-eight-variables-result"));
        scrollReportTo(t, QStringLiteral("Term[2]"));
        t.shot(t.w.RepView, QStringLiteral("48-report-eight-variables-terms"));
        t.w.RepView->hide();
    });
}

void addReportSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        analyzeSets(t, 4, "1,3,5,7,13,15", "12");
        onModal([&t](QWidget* dialog) {
            auto* report = qobject_cast<TReport*>(dialog);
            report->SpeedButton1Click();
            t.shot(dialog, QStringLiteral("43-report-dialog-checked"));
            report->BitBtn2Click();
        });
        form->ReportBtnClick();
    });
    t.add([&t] {
        // Without a window manager "maximized" has no effect: give the viewer a screen's size.
        t.w.RepView->resize(1000, 860);
        QApplication::processEvents();
        t.shot(t.w.RepView, QStringLiteral("44-report-view"));
        // The end of the report: the result and the map of each term.
        if (auto* browser = t.w.RepView->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1")))
            browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        QApplication::processEvents();
        t.shot(t.w.RepView, QStringLiteral("45-report-view-end"));
        t.w.RepView->hide();
    });
    addEightVariableReportSteps(t);
}

/// The short tour of one language: the main window with a result, the options dialog, the
/// report dialog, the about box, the minimum-cover hint and the minimum solutions, saved as
/// "<name>-main" and so on; then the program ends.
void addLanguageSteps(Tour& t, const QString& name) {
    TForm1* form = t.w.Form1;
    t.add([&t, form, name] {
        setCount(form, 4);
        form->Grid().AnalyzeWorkString("0,2,5,7,8,10,13,15", "1");
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->N25Click();
        selectTerm(form, 0);
        t.shot(form, name + QStringLiteral("-main"));
    });
    t.add([&t, form, name] {
        onModal([&t, name](QWidget* dialog) {
            auto* pages = dialog->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            const char* const pageNames[] = {"-options-map", "-options-function",
                                             "-options-language"};
            for (int i = 0; i < 3; ++i) {
                pages->setCurrentIndex(i);
                t.shot(dialog, name + QString::fromLatin1(pageNames[i]));
            }
            click(dialog, "BitBtn1");
        });
        form->N13Click();
    });
    t.add([&t, form, name] {
        onModal(t.shotAnd(name + QStringLiteral("-report"),
                          [](QWidget* d) { static_cast<QDialog*>(d)->reject(); }));
        form->ReportBtnClick();
    });
    t.add([&t, form, name] {
        onModal(aboutShot(t, name + QStringLiteral("-about")));
        form->N17Click();
    });
    t.add([&t, form, name] {
        // A map whose gluing result is not minimal: the status-bar hint and the solutions.
        analyzeSets(t, 4, "0,4,5,6,7,11,14", "3,8,10,13");
        t.shot(form, name + QStringLiteral("-minimum-cover-hint"));
        onModal(t.shotAnd(name + QStringLiteral("-minimum-solutions"), [&t, name](QWidget* dialog) {
            t.screenShot(name + QStringLiteral("-minimum-solutions-screen"));
            click(dialog, "CloseBtn");
        }));
        form->findChild<QAction*>(QString::fromLatin1(ActionName::MinimumSolutions))->trigger();
    });
    t.add([] { QCoreApplication::exit(0); });
}

void addWindowSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        onModal(aboutShot(t, QStringLiteral("29-about")));
        form->N17Click();
        form->N16Click();
        QApplication::processEvents();
        t.shot(t.w.Help, QStringLiteral("30-help"));
        t.w.Help->hide();
        onModal(t.shotAnd(QStringLiteral("31-report"),
                          [](QWidget* d) { static_cast<QDialog*>(d)->reject(); }));
        setCount(form, 4);
        form->N25Click();
    });
    t.add([&t, form] {
        onModal(t.shotAnd(QStringLiteral("32-save-dialog"),
                          [](QWidget* d) { static_cast<QDialog*>(d)->reject(); }));
        form->N5Click();
        onModal(t.shotAnd(QStringLiteral("33-open-dialog"),
                          [](QWidget* d) { static_cast<QDialog*>(d)->reject(); }));
        form->N18Click();
    });
    t.add([&t, form] {
        // The map has changed since it was last saved: that is asked first.
        onModal(t.shotAnd(QStringLiteral("61-save-changes-question"),
                          [](QWidget* box) { answer(box, QMessageBox::Cancel); }));
        form->close();
    });
    t.add([&t, form] {
        form->History().MarkSaved();
        onModal(t.shotAnd(QStringLiteral("34-quit-question"),
                          [](QWidget* box) { answer(box, QMessageBox::Yes); }));
        form->close();
    });
}

/// Sets every third minterm of an eight-variable map to "1": a result of many terms.
void fillEveryThirdCell(TForm1* form) {
    setCount(form, 8);
    TCarnoGrid& grid = form->Grid();
    for (int m = 0; m < 256; m += 3) {
        const CellPos cell = grid.CellOfMinterm(m);
        grid.SetCells(cell.col, cell.row, "1");
    }
}

void selectCells(CarnoGridView* map, int row, int col, int lastRow, int lastCol) {
    map->setCurrentIndex(map->model()->index(row, col));
    map->selectionModel()->select(
        QItemSelection(map->model()->index(row, col), map->model()->index(lastRow, lastCol)),
        QItemSelectionModel::ClearAndSelect);
}

void addEditingSteps(Tour& t) {
    TForm1* form = t.w.Form1;
    t.add([&t, form] {
        analyzeSets(t, 4, "1,3,5,7,13", "12");
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->FillWith("1");
        t.shot(form, QStringLiteral("54-filled-with-ones"));
        form->findChild<QAction*>(QString::fromLatin1(ActionName::UndoMapChange))->trigger();
        t.shot(form, QStringLiteral("55-undo-after-fill"));
    });
    t.add([&t, form] {
        // Two rows copied from a spreadsheet, pasted at the second row.
        QApplication::clipboard()->setText(QStringLiteral("1\t0\t1\t*\n0\t1\t*\t1\n"));
        CarnoGridView* map = form->MapView();
        map->setFocus();
        map->setCurrentIndex(map->model()->index(1, 0));
        form->findChild<QAction*>(QString::fromLatin1(ActionName::PasteCells))->trigger();
        selectCells(map, 1, 0, 2, 3);
        t.shot(form, QStringLiteral("56-paste-from-spreadsheet"));
    });
    t.add([&t, form] {
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->N25Click();
        selectTerm(form, 0);
        selectCells(form->MapView(), 1, 1, 2, 2);
        t.shot(form, QStringLiteral("57-selection-over-highlight"));
    });
    t.add([&t, form] {
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->FillWith("");
        fillEveryThirdCell(form);
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->N25Click();
        selectTerm(form, 2);
        QApplication::processEvents();
        t.shot(form, QStringLiteral("58-long-result"));
        auto* line = form->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        line->setFocus();
        line->selectAll();
        QScrollBar* bar = form->ResultTree()->horizontalScrollBar();
        bar->setValue(bar->maximum() / 2);
        t.shot(form, QStringLiteral("59-long-result-selected-and-scrolled"));
    });
    t.add([&t, form] {
        // Minimum covers of twenty terms that differ in a few of them.
        analyzeSets(t, 8,
                    "0,4-7,11,14,48,52-55,59,62,80,84-87,91,94,160,164-167,171,174,192,"
                    "196-199,203,206",
                    "3,8,10,13,51,56,58,61,83,88,90,93,163,168,170,173,195,200,202,205");
        onModal(t.shotAnd(QStringLiteral("60-minimum-solutions-marked"),
                          [](QWidget* dialog) { click(dialog, "CloseBtn"); }));
        form->findChild<QAction*>(QString::fromLatin1(ActionName::MinimumSolutions))->trigger();
    });
}

/// The short tour of a map that fits: an analysed eight-variable map with a term highlighted,
/// the window and the whole screen; then the program ends.
void addFitSteps(Tour& t, const QString& name) {
    TForm1* form = t.w.Form1;
    t.add([form] {
        setCount(form, 8);
        form->Grid().AnalyzeWorkString("68-127,136-199,216-255", "1");
        form->Grid().AnalyzeWorkString("64-67", "*");
        onModal([](QWidget* box) { answer(box, QMessageBox::Ok); });
        form->N25Click();
        selectTerm(form, 1);
    });
    t.add([&t, form, name] {
        t.shot(form, name);
        t.screenShot(name + QStringLiteral("-screen"));
        QCoreApplication::exit(0);
    });
}

void addWholeTourSteps(Tour& t) {
    addInputSteps(t);
    addFormulaSteps(t);
    addTruthTableSteps(t);
    addOptionsSteps(t);
    addLargeAndSmallMapSteps(t);
    addGroupSteps(t);
    addStepsSteps(t);
    addReportSteps(t);
    addMenuSteps(t);
    addEditingSteps(t);
    addWindowSteps(t);
}

} // namespace

int runScreenshotTour(const AppWindows& windows, const QString& folder, TourKind kind,
                      const QString& name) {
    QDir().mkpath(folder);
    Tour tour(windows, folder);
    switch (kind) {
    case TourKind::Start:
        tour.add([&tour, name] {
            tour.shot(tour.w.Form1, name);
            QCoreApplication::exit(0);
        });
        break;
    case TourKind::Language:
        addLanguageSteps(tour, name);
        break;
    case TourKind::Fit:
        addFitSteps(tour, name);
        break;
    case TourKind::Whole:
        addWholeTourSteps(tour);
        break;
    }
    tour.start();
    return QApplication::exec();
}
