// What screen readers read through Qt's accessibility interfaces: a name for every control of
// every window, icon buttons by their hints in every language, the count box by its label,
// map cells by value and place, the result tree by its lines.
#include "UiTestSupport.h"

#include "app/AboutForm.h"
#include "app/HelpForm.h"
#include "app/OptionsForm.h"
#include "app/commands/MinimumSolutions.h"
#include "app/vekLanguage.h"
#include "engine/ExactMap.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "reports/widgets/RepViewForm.h"
#include "reports/widgets/ReportForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QString accessibleText(QObject* object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("<no interface>");
}

/// The controls a user works with; the parts Qt builds inside them speak through them.
bool isControl(const QWidget* widget) {
    if (qobject_cast<const QHeaderView*>(widget) ||
        widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    if (qobject_cast<const QComboBox*>(widget->parentWidget()))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

/// "Window.Control" of every control of `window` that has no accessible name. The widgets of a
/// view (its corner button) and of popups (a combo box's list) speak through their owner.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->window() == window &&
            !qobject_cast<QAbstractItemView*>(widget->parentWidget()) && isControl(widget) &&
            accessibleText(widget).trimmed().isEmpty())
            unnamed << window->objectName() + QLatin1Char('.') + widget->objectName() +
                           QLatin1Char('(') + widget->metaObject()->className() + QLatin1Char(')');
    return unnamed;
}

QAccessibleInterface* mapCell(const UiApp& ui, int row, int col) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(ui.map());
    return table->tableInterface()->cellAt(row, col);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfEveryWindowHasAName() {
        UiApp ui;
        TMinSolutions solutions(ui.form());
        ExactResult result;
        result.solutionCount = 1;
        result.solutions = {{}};
        solutions.SetSolutions({QStringLiteral("1")}, result);
        QStringList unnamed;
        for (QWidget* window :
             {static_cast<QWidget*>(ui.form()), static_cast<QWidget*>(ui.w().InputForm),
              static_cast<QWidget*>(ui.w().Options), static_cast<QWidget*>(ui.w().AboutBox),
              static_cast<QWidget*>(ui.w().InputFormula),
              static_cast<QWidget*>(ui.w().TruthTableForm), static_cast<QWidget*>(ui.w().Help),
              static_cast<QWidget*>(ui.w().Report), static_cast<QWidget*>(ui.w().RepView),
              static_cast<QWidget*>(&solutions)})
            unnamed << unnamedControls(window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

    void iconButtonsReadTheirHintInEveryLanguage() {
        UiApp ui;
        for (const char* name :
             {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton11",
              "SpeedButton7", "SpeedButton8", "SpeedButton10"}) {
            auto* button = child<QToolButton>(ui.form(), name);
            QCOMPARE(accessibleText(button), button->toolTip());
        }
        QCOMPARE(accessibleText(child<QToolButton>(ui.form(), "SpeedButton1")),
                 QStringLiteral("Open Map"));
        QCOMPARE(accessibleText(child<QToolButton>(ui.w().Report, "SpeedButton1")),
                 QStringLiteral("Check All"));
        ui.writeFile(QStringLiteral("de.lng"),
                     "[Translations]\r\nForm1.SpeedButton1.Hint=Karte \xC3\xB6"
                     "ffnen\r\nForm1.Texts.MoreVariables=Mehr\r\n");
        TvekLanguage::ApplyTexts(ui.form(), ui.path(QStringLiteral("de.lng")));
        QCOMPARE(accessibleText(child<QToolButton>(ui.form(), "SpeedButton1")),
                 QStringLiteral("Karte öffnen"));
        auto* upDown = child<QWidget>(ui.form(), "UpDown1");
        QCOMPARE(accessibleText(upDown->findChildren<QToolButton*>().first()),
                 QStringLiteral("Mehr"));
    }

    void theCountBoxReadsItsLabel() {
        UiApp ui;
        QCOMPARE(accessibleText(ui.countBox()), QStringLiteral("Number of Variables"));
        QCOMPARE(accessibleText(child<QComboBox>(ui.w().InputForm, "ComboBox2")),
                 QStringLiteral("0"));
    }

    void aMapCellReadsItsValueAndItsPlace() {
        UiApp ui;
        ui.set({7}, "1");
        // Four variables: minterm 7 is row 01, column 11 (the second row, the third column).
        QAccessibleInterface* cell = mapCell(ui, 1, 2);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("1"));
        QCOMPARE(cell->text(QAccessible::Description),
                 QStringLiteral("row 01 (A B), column 11 (C D), minterm 7"));
        const auto headers = cell->tableCellInterface()->rowHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers.first()->text(QAccessible::Name), QStringLiteral("01"));

        ui.countBox()->setText(QStringLiteral("5"));
        QCOMPARE(mapCell(ui, 3, 7)->text(QAccessible::Description),
                 QStringLiteral("row 10 (A B), column 100 (C D E), minterm 20"));
        QCOMPARE(accessibleText(ui.map()), QStringLiteral("Karnaugh map"));
    }

    void theResultTreeReadsItsLines() {
        UiApp ui;
        ui.countBox()->setText(QStringLiteral("3"));
        ui.set({2, 3, 5, 7}, "1");
        ui.form()->N25Click();
        ui.form()->ResultTree()->doItemsLayout(); // as showing the window does
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(ui.form()->ResultTree());
        QStringList lines;
        for (int i = 0; i < tree->childCount(); ++i)
            lines << tree->child(i)->text(QAccessible::Name);
        QCOMPARE(tree->text(QAccessible::Name), QStringLiteral("Result"));
        QVERIFY2(lines.contains(QStringLiteral("|A*B+A*C")), qPrintable(lines.join(',')));
        QVERIFY(lines.contains(QStringLiteral("|A*B")) && lines.contains(QStringLiteral("A*C")));
    }

    void theSolutionsListReadsItsSummary() {
        UiApp ui;
        TMinSolutions dialog(ui.form());
        ExactResult result;
        result.terms = 1;
        result.solutionCount = 1;
        result.solutions = {{Cube{}}};
        dialog.SetSolutions({QStringLiteral("A")}, result);
        QCOMPARE(accessibleText(child<QListWidget>(&dialog, "SolutionsList")),
                 QStringLiteral("1 minimum solution of 1 term."));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
