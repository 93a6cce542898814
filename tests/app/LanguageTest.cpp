// Translation: the default language file, the rules of applying a language file, the switch
// from the options dialog, and the shipped languages against the default file.
#include "UiTestSupport.h"

#include "app/AboutForm.h"
#include "app/OptionsForm.h"
#include "app/commands/MinimumSolutions.h"
#include "app/vekLanguage.h"
#include "engine/ExactMap.h"
#include "input/widgets/Input.h"
#include "reports/widgets/RepViewForm.h"
#include "reports/widgets/ReportForm.h"
#include "ui/QtTranslations.h"
#include "ui/WindowTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include <set>

namespace {

/// The keys of section "Translations" of a language file, in file order.
QStringList keysOf(const QByteArray& file) {
    QStringList keys;
    bool inside = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).remove(QLatin1Char('\r'));
        if (line.startsWith(QLatin1Char('['))) {
            inside = line.compare(QStringLiteral("[Translations]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inside && line.contains(QLatin1Char('=')))
            keys << line.section(QLatin1Char('='), 0, 0);
    }
    return keys;
}

QByteArray languageFile(const QStringList& lines) {
    return ("[Translations]\r\n" + lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8();
}

/// A program folder whose settings name `language` as the current one, with `lines` as its file.
void installLanguage(UiApp& ui, const QString& language, const QStringList& lines) {
    QDir(ui.folder.path()).mkpath(QStringLiteral("Languages"));
    ui.writeFile(QStringLiteral("Languages/") + language + QStringLiteral(".lng"),
                 languageFile(lines));
}

QString tabText(const QWidget* options, int index) {
    return child<QTabWidget>(options, "PageControl1")->tabText(index);
}

/// The summary the solutions dialog shows for `count` covers of `terms` terms each.
QString solutionsSummary(const UiApp& ui, std::uint64_t count, int terms) {
    TMinSolutions dialog;
    TvekLanguage(&dialog, ui.app->context()).ApplyCurrentLanguage();
    ExactResult result;
    result.terms = terms;
    result.solutionCount = count;
    result.solutions.resize(count);
    dialog.SetSolutions(QStringList(static_cast<int>(count), QString()), result);
    return child<QLabel>(&dialog, "SolutionsSummary")->text();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void aFreshStartWritesTheBuiltInTextsAndChangesNothing() {
        UiApp ui;
        const QByteArray file = ui.readFile(QStringLiteral("Language.lng"));
        for (const char* line :
             {"[Translations]\r\n", "Form1.N19.Caption=Exit\r\n", "Form1.N19.Hint=Exit program\r\n",
              "Form1.Edit1.Text=4\r\n", "Form1.CarnoGrid1.Hint=Variables: A B \\ C D \r\n",
              "Form1.ReportBtn.Hint=Create Report\r\n", "Options.TabSheet1.Caption=Map\r\n",
              "Options.MoveColRow.Caption=Movable cols && Rows \r\n",
              "Report.MapEach.Caption=Include Map for  Each Term\r\n",
              "Report.SpeedButton1.Hint=Check All\r\n", "AboutBox.BitBtn1.Caption=Ok\r\n",
              "RepView.SpeedButton1.Hint=Save Report\r\n",
              "Form1.Texts.MinimumCover=A minimum cover has %1 term.|A minimum cover has %1 "
              "terms.\r\n",
              "Form1.CarnoGrid1.AccessibleName=Karnaugh map\r\n",
              "MinSolutions.ShowBtn.Caption=Show\r\n",
              "MinSolutions.Texts.Solutions=%1 minimum solution|%1 minimum solutions\r\n",
              "Options.Edit2.AccessibleName=Variable 1\r\n",
              "RepView.Texts.NoBrowser=No web browser could be started.\r\n"})
            QVERIFY2(file.contains(line), line);
        const QStringList keys = keysOf(file);
        // Separators, empty texts and the windows themselves are not written.
        QVERIFY(!keys.contains(QStringLiteral("Form1.N30.Caption")));
        QVERIFY(!keys.contains(QStringLiteral("Form1.SpeedButton1.Caption")));
        QVERIFY(!keys.contains(QStringLiteral("InputForm.ComboBox1.Text")));
        QVERIFY(!keys.contains(QStringLiteral("Help.WebBrowser1.Caption")));
        // A screen-reader name that repeats the hint follows the hint.
        QVERIFY(!keys.contains(QStringLiteral("Form1.SpeedButton1.AccessibleName")));
        QCOMPARE(std::set<QString>(keys.begin(), keys.end()).size(),
                 static_cast<std::size_t>(keys.size()));
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("Exit"));
        QCOMPARE(ui.grid().GetVariableCount(), 4);
        QVERIFY(ui.w()
                    .Options->findChild<QComboBox*>(QStringLiteral("ComboBox1"))
                    ->currentText()
                    .isEmpty());
    }

    void theDefaultFileKeepsOtherKeysAndRenewsItsOwn() {
        UiApp ui;
        ui.stop();
        ui.writeFile(QStringLiteral("Language.lng"),
                     languageFile({QStringLiteral("Form1.N19.Caption=Edited by hand"),
                                   QStringLiteral("Form1.Extra.Caption=kept")}));
        ui.start();
        const QByteArray file = ui.readFile(QStringLiteral("Language.lng"));
        QVERIFY(file.contains("Form1.N19.Caption=Exit\r\n"));
        QVERIFY(file.contains("Form1.Extra.Caption=kept\r\n"));
        QVERIFY(!file.contains("Edited by hand"));
    }

    void theCurrentLanguageIsAppliedByTheRules() {
        UiApp ui;
        ui.stop();
        installLanguage(ui, QStringLiteral("Test"),
                        {QStringLiteral("Form1.N19.Caption=Quit"),
                         QStringLiteral("form1.N18.Caption=wrong window case"),
                         QStringLiteral("Form1.n5.caption=Store"),
                         QStringLiteral("Form1.CountLabel.Caption=first~~second"),
                         QStringLiteral("Form1.N20.Hint=Fill the whole map"),
                         QStringLiteral("Form1.N11.Caption=&Karte"),
                         QStringLiteral("Form1.ReportBtn.toolTip=by its Qt name"),
                         QStringLiteral("Form1.Nowhere.Caption=skipped"),
                         QStringLiteral("Form1.N17.NoSuchProperty=skipped"),
                         QStringLiteral("Form1.N16.Caption"),
                         QStringLiteral("Form1.N13.objectName=renamed"),
                         QStringLiteral("Options.TabSheet1.Caption=Karte"),
                         QStringLiteral("Options.GroupBox2.Hint=Namen"),
                         QStringLiteral("Report.BitBtn2.Caption=&Erstellen"),
                         QStringLiteral("AboutBox.N19.Caption=not this window's"),
                         QStringLiteral("Form1.SpeedButton9.Caption=Go=Start now"),
                         QStringLiteral("Form1.CarnoGrid1.Hint=Variablen: A B \\ C D ")});
        ui.writeFile(QStringLiteral("lorvane.ini"), "[Language]\r\nCurrentLanguage=Test.lng\r\n");
        ui.start();
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("Quit"));
        QCOMPARE(action(ui, "N18")->text(), QStringLiteral("Open Map..."));
        QCOMPARE(action(ui, "N5")->text(), QStringLiteral("Store"));
        QCOMPARE(child<QLabel>(ui.form(), "CountLabel")->text(), QStringLiteral("first\nsecond"));
        QCOMPARE(child<QMenu>(ui.form(), "N20")->menuAction()->toolTip(),
                 QStringLiteral("Fill the whole map"));
        QCOMPARE(child<QMenu>(ui.form(), "N11")->title(), QStringLiteral("&Karte"));
        QCOMPARE(child<QPushButton>(ui.form(), "ReportBtn")->toolTip(),
                 QStringLiteral("by its Qt name"));
        QCOMPARE(action(ui, "N16")->text(), QStringLiteral("Help"));
        QVERIFY(action(ui, "N13"));
        QCOMPARE(child<QToolButton>(ui.form(), "SpeedButton9")->text(),
                 QStringLiteral("Go=Start now"));
        // The fixed-width Go button shows its longer text whole: in smaller type, then wider.
        auto* go = child<QToolButton>(ui.form(), "SpeedButton9");
        QVERIFY(go->maximumWidth() > 36);
        QVERIFY(QFontMetrics(go->font()).horizontalAdvance(go->text()) < go->maximumWidth());
        QCOMPARE(go->minimumWidth(), go->maximumWidth());
        // The map hint shows on the map and on each of its cells until the window rebuilds it.
        const QString hint = QStringLiteral("Variablen: A B \\ C D ");
        QCOMPARE(ui.map()->toolTip(), hint);
        QCOMPARE(ui.map()->model()->index(0, 0).data(Qt::ToolTipRole).toString(), hint);
        QCOMPARE(tabText(ui.w().Options, 0), QStringLiteral("Karte"));
        QCOMPARE(child<QWidget>(ui.w().Options, "GroupBox2")->toolTip(), QStringLiteral("Namen"));
        QCOMPARE(child<QPushButton>(ui.w().Report, "BitBtn2")->text(),
                 QStringLiteral("&Erstellen"));
        QCOMPARE(child<QComboBox>(ui.w().Options, "ComboBox1")->currentText(),
                 QStringLiteral("Test"));
        // The built-in texts still go to the default file.
        QVERIFY(ui.readFile(QStringLiteral("Language.lng")).contains("Form1.N19.Caption=Exit\r\n"));
    }

    void theDefaultFileGoesToTheUserFolderWhenTheProgramFolderCannotBeWritten() {
        UiApp ui;
        ui.stop();
        AppContext context;
        context.programFolder = ui.path(QStringLiteral("missing/"));
        context.userConfigFolder = ui.path(QStringLiteral("user"));
        context.messages = &ui.messages;
        context.dialogs = &ui.dialogs;
        ui.start(context);
        QVERIFY(ui.readFile(QStringLiteral("user/Language.lng"))
                    .contains("Form1.N19.Caption=Exit\r\n"));
        QVERIFY(!QFileInfo::exists(ui.path(QStringLiteral("missing"))));
    }

    void writtenTextsEncodeLineBreaks() {
        UiApp ui;
        child<QLabel>(ui.form(), "CountLabel")->setText(QStringLiteral("one\ntwo"));
        const QString file = ui.path(QStringLiteral("written.lng"));
        QVERIFY(!TvekLanguage::WriteTexts(ui.form(), file));
        QVERIFY(ui.readFile(QStringLiteral("written.lng"))
                    .contains("Form1.CountLabel.Caption=one~~two\r\n"));
        child<QLabel>(ui.form(), "CountLabel")->setText(QStringLiteral("x"));
        TvekLanguage::ApplyTexts(ui.form(), file);
        QCOMPARE(child<QLabel>(ui.form(), "CountLabel")->text(), QStringLiteral("one\ntwo"));
    }

    void theCountBoxLineSetsTheVariableCount() {
        UiApp ui;
        ui.writeFile(QStringLiteral("count.lng"),
                     languageFile({QStringLiteral("Form1.Edit1.Text=6")}));
        TvekLanguage::ApplyTexts(ui.form(), ui.path(QStringLiteral("count.lng")));
        QCOMPARE(ui.countBox()->text(), QStringLiteral("6"));
        QCOMPARE(ui.grid().GetVariableCount(), 6);
    }

    void aMapOnTheCommandLineWinsOverTheCountBoxLine() {
        UiApp ui;
        ui.grid().SetVariableCount(3);
        ui.grid().SaveToFile(ui.path(QStringLiteral("three.lvn")).toStdString());
        ui.stop();
        installLanguage(ui, QStringLiteral("Count"), {QStringLiteral("Form1.Edit1.Text=6")});
        ui.writeFile(QStringLiteral("lorvane.ini"), "[Language]\r\nCurrentLanguage=Count.lng\r\n");
        ui.start(ui.path(QStringLiteral("three.lvn")));
        QCOMPARE(ui.grid().GetVariableCount(), 3);
    }

    void theOptionsComboSwitchesTheSevenWindowsAtOnce() {
        UiApp ui;
        installLanguage(ui, QStringLiteral("One"),
                        {QStringLiteral("Form1.N19.Caption=One"),
                         QStringLiteral("Form1.N18.Caption=Open one"),
                         QStringLiteral("InputForm.BitBtn2.Caption=Cancel one"),
                         QStringLiteral("Options.Button1.Caption=Add one"),
                         QStringLiteral("AboutBox.BitBtn1.Caption=Ok one"),
                         QStringLiteral("Report.BitBtn2.Caption=Generate one")});
        installLanguage(ui, QStringLiteral("Two"), {QStringLiteral("Form1.N19.Caption=Two")});
        TOptions* options = ui.w().Options;
        options->ComboBox1Change(QStringLiteral("One"));
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("One"));
        QCOMPARE(child<QPushButton>(ui.w().InputForm, "BitBtn2")->text(),
                 QStringLiteral("Cancel one"));
        QCOMPARE(child<QPushButton>(options, "Button1")->text(), QStringLiteral("Add one"));
        QCOMPARE(child<QPushButton>(ui.w().AboutBox, "BitBtn1")->text(), QStringLiteral("Ok one"));
        // The report dialog takes a new language at the next start only.
        QCOMPARE(child<QPushButton>(ui.w().Report, "BitBtn2")->text(), QStringLiteral("&Generate"));
        QVERIFY(ui.readFile(QStringLiteral("lorvane.ini")).contains("CurrentLanguage=One.lng"));

        // Typed into the combo box: the file lacks N18, which stays in the first language.
        auto* combo = child<QComboBox>(options, "ComboBox1");
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("Two"));
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("Two"));
        QCOMPARE(action(ui, "N18")->text(), QStringLiteral("Open one"));
        QVERIFY(ui.readFile(QStringLiteral("lorvane.ini")).contains("CurrentLanguage=Two.lng"));

        // A name of no file is recorded all the same; the next start shows the built-in texts.
        options->ComboBox1Change(QStringLiteral("Nothing"));
        QVERIFY(ui.readFile(QStringLiteral("lorvane.ini")).contains("CurrentLanguage=Nothing.lng"));
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("Two"));
        ui.stop();
        ui.start();
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("Exit"));
    }

    void aLanguageSwitchLeavesTheMapSizeAndTheNamesAsTheUserSetThem() {
        UiApp ui;
        installLanguage(ui, QStringLiteral("One"),
                        {QStringLiteral("Form1.Edit1.Text=4"),
                         QStringLiteral("Options.Edit2.Text=A"),
                         QStringLiteral("Form1.N19.Caption=One")});
        ui.countBox()->setText(QStringLiteral("6"));
        ui.set({40, 63}, "1");
        child<QLineEdit>(ui.w().Options, "Edit2")->setText(QStringLiteral("X1"));
        ui.w().Options->ComboBox1Change(QStringLiteral("One"));
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("One"));
        QCOMPARE(ui.grid().GetVariableCount(), 6);
        QCOMPARE(ui.countBox()->text(), QStringLiteral("6"));
        QCOMPARE(ui.at(40), std::string("1"));
        QCOMPARE(ui.w().Options->Name(1), QStringLiteral("X1"));
    }

    void theRecordedLanguageReachesEveryWindowAtTheNextStart() {
        UiApp ui;
        installLanguage(ui, QStringLiteral("One"),
                        {QStringLiteral("Report.BitBtn2.Caption=Generate one"),
                         QStringLiteral("RepView.SpeedButton1.Hint=Save one")});
        ui.w().Options->ComboBox1Change(QStringLiteral("One"));
        ui.stop();
        ui.start();
        QCOMPARE(child<QPushButton>(ui.w().Report, "BitBtn2")->text(),
                 QStringLiteral("Generate one"));
        QCOMPARE(child<QToolButton>(ui.w().RepView, "SpeedButton1")->toolTip(),
                 QStringLiteral("Save one"));
    }

    void everyShippedLanguageHasExactlyTheDefaultKeys_data() {
        QTest::addColumn<QString>("file");
        const QDir languages(QStringLiteral(LORVANE_DATA "/Languages"));
        const QStringList files = languages.entryList({QStringLiteral("*.lng")}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& name : files)
            QTest::newRow(qPrintable(name)) << languages.filePath(name);
    }

    void everyShippedLanguageHasExactlyTheDefaultKeys() {
        QFETCH(QString, file);
        UiApp ui;
        const QStringList expected = keysOf(ui.readFile(QStringLiteral("Language.lng")));
        QFile shipped(file);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray bytes = shipped.readAll();
        QVERIFY2(QString::fromUtf8(bytes).toUtf8() == bytes, "not UTF-8");
        const QStringList keys = keysOf(bytes);
        QStringList missing, extra;
        for (const QString& key : expected)
            if (!keys.contains(key))
                missing << key;
        for (const QString& key : keys)
            if (!expected.contains(key) || keys.count(key) > 1)
                extra << key;
        QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(QLatin1Char(' '))));
        QVERIFY2(extra.isEmpty(),
                 qPrintable("not in the default file or twice: " + extra.join(QLatin1Char(' '))));
    }

    void countedTextsTakeTheFormOfTheNumber_data() {
        QTest::addColumn<QString>("forms");
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("form");
        const QString two = QStringLiteral("one|other");
        const QString three = QStringLiteral("one|few|many");
        QTest::newRow("2:0") << two << qint64(0) << "other";
        QTest::newRow("2:1") << two << qint64(1) << "one";
        QTest::newRow("2:21") << two << qint64(21) << "other";
        const std::pair<qint64, const char*> slavic[] = {
            {1, "one"},   {2, "few"},   {4, "few"},    {5, "many"},  {11, "many"},
            {12, "many"}, {14, "many"}, {21, "one"},   {22, "few"},  {25, "many"},
            {0, "many"},  {101, "one"}, {111, "many"}, {1004, "few"}};
        for (const auto& [n, form] : slavic)
            QTest::newRow(qPrintable(QStringLiteral("3:%1").arg(n))) << three << n << form;
        QTest::newRow("1:7") << QStringLiteral("all") << qint64(7) << "all";
    }

    void countedTextsTakeTheFormOfTheNumber() {
        QFETCH(QString, forms);
        QFETCH(qint64, n);
        QFETCH(QString, form);
        QCOMPARE(pluralForm(forms, n), form);
    }

    void theHintsAndTheSolutionsSpeakTheLanguage() {
        UiApp ui;
        QCOMPARE(solutionsSummary(ui, 1, 1), QStringLiteral("1 minimum solution of 1 term."));
        QCOMPARE(solutionsSummary(ui, 2, 3), QStringLiteral("2 minimum solutions of 3 terms."));
        ui.restartInLanguage(QStringLiteral("German"));
        ui.countBox()->setText(QStringLiteral("4"));
        ui.set({0, 4, 5, 6, 7, 11, 14}, "1");
        ui.set({3, 8, 10, 13}, "*");
        ui.form()->N25Click();
        QCOMPARE(ui.form()->statusBar()->currentMessage(),
                 QStringLiteral("Eine minimale Überdeckung hat 4 Terme."));
        QCOMPARE(solutionsSummary(ui, 1, 1), QStringLiteral("1 minimale Lösung mit 1 Term."));
        TMinSolutions dialog;
        TvekLanguage(&dialog, ui.app->context()).ApplyCurrentLanguage();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Minimale Lösungen"));
        QCOMPARE(child<QPushButton>(&dialog, "ShowBtn")->text(), QStringLiteral("Zeigen"));
        ui.restartInLanguage(QStringLiteral("Russian"));
        QCOMPARE(solutionsSummary(ui, 1, 21), QStringLiteral("1 минимальное решение по 21 терму."));
        QCOMPARE(solutionsSummary(ui, 3, 4), QStringLiteral("3 минимальных решения по 4 терма."));
        QCOMPARE(solutionsSummary(ui, 5, 11),
                 QStringLiteral("5 минимальных решений по 11 термов."));
    }

    void aShippedLanguageTranslatesTheWindows() {
        UiApp ui;
        ui.restartInLanguage(QStringLiteral("German"));
        QCOMPARE(action(ui, "N19")->text(), QStringLiteral("Beenden"));
        QCOMPARE(child<QMenu>(ui.form(), "N10")->title(), QStringLiteral("&Datei"));
        QCOMPARE(child<QPushButton>(ui.w().Report, "BitBtn2")->text(),
                 QStringLiteral("&Erstellen"));
        QCOMPARE(child<QCheckBox>(ui.w().Options, "MoveColRow")->text(),
                 QStringLiteral("Spalten && Zeilen verschiebbar "));
        QCOMPARE(ui.grid().GetVariableCount(), 4);
        // A shipped language is listed without being added by hand.
        auto* list = child<QComboBox>(ui.w().Options, "ComboBox1");
        QCOMPARE(list->findText(QStringLiteral("German")), 0);
        QCOMPARE(list->findText(QStringLiteral("Russian")), -1); // not in this program folder
        // Qt's own buttons and dialogs speak the language too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Discard"),
                 QStringLiteral("Verwerfen"));
        useQtTranslations(QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Discard"),
                 QStringLiteral("Discard"));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
