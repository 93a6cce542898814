// The settings file: defaults without one, reading each key, the round trip through a run, and
// the per-user fallback when the program folder cannot be written.
#include "UiTestSupport.h"

#include "app/OptionsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

struct Switches {
    bool movable;
    bool sizing;
    bool drawFocus;
    bool bitSave;
    bool askExit;
    bool pos;
};

Switches switchesOf(const UiApp& ui) {
    const TOptions* o = ui.w().Options;
    return {child<QCheckBox>(o, "MoveColRow")->isChecked(),
            child<QCheckBox>(o, "ColRowSizing")->isChecked(),
            child<QCheckBox>(o, "DrawFocus")->isChecked(),
            child<QCheckBox>(o, "BitSave")->isChecked(),
            child<QCheckBox>(o, "askbox")->isChecked(),
            child<QRadioButton>(o, "RadioButton2")->isChecked()};
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void withoutFileTheDefaultsHold() {
        UiApp ui;
        const Switches s = switchesOf(ui);
        QVERIFY(!s.movable && !s.sizing && s.drawFocus && !s.bitSave && s.askExit && !s.pos);
        QVERIFY(child<QRadioButton>(ui.w().Options, "RadioButton1")->isChecked());
        QVERIFY(!ui.app->settings().exactMinimum);
        QVERIFY(ui.w().Options->Languages().isEmpty());
        QCOMPARE(ui.form()->SaveCounter, 0);
        QCOMPARE(ui.grid().TermColor, 0U);
        QCOMPARE(ui.map()->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(ui.form()->ResultTree()->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(ui.map()->fillCursor());
        QVERIFY(!ui.map()->movable());
        QVERIFY(!ui.map()->resizable());
        ui.form()->N5Click();
        QCOMPARE(ui.dialogs.saveCalls[0].fileName, QStringLiteral("Map0"));
    }

    void aRunWritesTheOptionKeysAndTheNextRunAppliesThem() {
        UiApp ui;
        TOptions* o = ui.w().Options;
        child<QCheckBox>(o, "MoveColRow")->setChecked(true);
        child<QCheckBox>(o, "DrawFocus")->setChecked(false);
        child<QCheckBox>(o, "BitSave")->setChecked(true);
        child<QCheckBox>(o, "askbox")->setChecked(false);
        child<QRadioButton>(o, "RadioButton2")->setChecked(true);
        child<QCheckBox>(o, "ExactMin")->setChecked(true);
        ui.grid().TermColor = 0x00336699;
        QFont mapFont = ui.map()->font();
        mapFont.setFamily(QStringLiteral("DejaVu Serif"));
        ui.map()->setFont(mapFont);
        QFont treeFont = ui.form()->ResultTree()->font();
        treeFont.setFamily(QStringLiteral("DejaVu Sans Mono"));
        ui.form()->ResultTree()->setFont(treeFont);
        ui.stop();
        QCOMPARE(ui.readFile(QStringLiteral("lorvane.ini")),
                 QByteArray("[Options]\r\n"
                            "MovableColRow=true\r\n"
                            "SizingColRow=false\r\n"
                            "DrawFocus=false\r\n"
                            "BitSave=true\r\n"
                            "AskExit=false\r\n"
                            "GlueMethod=POS\r\n"
                            "ExactMinimum=true\r\n"
                            "ProductsColor=3368601\r\n"
                            "MapFont=DejaVu Serif\r\n"
                            "ResultFont=DejaVu Sans Mono\r\n"));

        ui.start();
        const Switches s = switchesOf(ui);
        QVERIFY(s.movable && !s.sizing && !s.drawFocus && s.bitSave && !s.askExit && s.pos);
        QCOMPARE(ui.grid().TermColor, 0x00336699U);
        QCOMPARE(ui.map()->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(ui.form()->ResultTree()->font().family(), QStringLiteral("DejaVu Sans Mono"));
        QVERIFY(ui.map()->movable());
        QVERIFY(!ui.map()->resizable());
        QVERIFY(!ui.map()->fillCursor());
        QCOMPARE(ui.form()->SaveCounter, 1);
        QVERIFY(ui.app->settings().exactMinimum);
        ui.form()->N25Click();
        QCOMPARE(ui.grid().GlueMethod, gmKNF);
    }

    void valuesAreReadAsWritten_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("checked");
        QTest::newRow("True is not true") << QByteArray("AskExit=True") << "askbox" << false;
        QTest::newRow("key in lower case") << QByteArray("askexit=true") << "askbox" << true;
        QTest::newRow("value with space") << QByteArray("BitSave=true ") << "BitSave" << false;
        QTest::newRow("sop in lower case is POS")
            << QByteArray("GlueMethod=sop") << "RadioButton2" << true;
        QTest::newRow("SOP") << QByteArray("GlueMethod=SOP") << "RadioButton1" << true;
        QTest::newRow("exact minimum") << QByteArray("exactminimum=true") << "ExactMin" << true;
        QTest::newRow("exact minimum only for true")
            << QByteArray("ExactMinimum=yes") << "ExactMin" << false;
        QTest::newRow("sizing") << QByteArray("SIZINGCOLROW=true") << "ColRowSizing" << true;
        QTest::newRow("draw focus off") << QByteArray("DrawFocus=1") << "DrawFocus" << false;
    }

    void valuesAreReadAsWritten() {
        QFETCH(QByteArray, line);
        QFETCH(QString, control);
        QFETCH(bool, checked);
        UiApp ui("[Options]\r\n" + line + "\r\nUnknownKey=1\r\n");
        auto* box = ui.w().Options->findChild<QAbstractButton*>(control);
        QVERIFY(box);
        QCOMPARE(box->isChecked(), checked);
    }

    void productsColourKeepsBlackForNonNumbers_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<uint>("color");
        QTest::newRow("number") << QByteArray("255") << 255U;
        QTest::newRow("word") << QByteArray("red") << 0U;
        QTest::newRow("negative") << QByteArray("-16777201") << 0U;
        QTest::newRow("trailing text") << QByteArray("12x") << 0U;
        QTest::newRow("too large") << QByteArray("16777216") << 0U;
    }

    void productsColourKeepsBlackForNonNumbers() {
        QFETCH(QByteArray, value);
        QFETCH(uint, color);
        UiApp ui("[Options]\r\nProductsColor=" + value + "\r\n");
        QCOMPARE(ui.grid().TermColor, color);
    }

    void languageListIsReadFromItsExactKey() {
        UiApp ui(
            "[Language]\r\nsupportedlanguages=Ignored\r\nSupportedLanguages=German,,Russian,\r\n");
        QCOMPARE(ui.w().Options->Languages(), QStringList({"German", "Russian"}));
        QCOMPARE(ui.form()->SaveCounter, 1);
    }

    void emptyFileStillCountsAsPresent() {
        UiApp ui("\r\n");
        QCOMPARE(ui.form()->SaveCounter, 1);
        QVERIFY(switchesOf(ui).drawFocus);
    }

    void writingKeepsOtherLines() {
        UiApp ui("; my settings\r\n[Extra]\r\nKeep=me\r\n[Options]\r\nAskExit=false\r\nOld=1\r\n");
        ui.stop();
        const QByteArray bytes = ui.readFile(QStringLiteral("lorvane.ini"));
        QVERIFY(bytes.startsWith("; my settings\r\n[Extra]\r\nKeep=me\r\n[Options]\r\n"
                                 "AskExit=false\r\nOld=1\r\nMovableColRow=false\r\n"));
        QCOMPARE(bytes.count("AskExit="), 1);
    }

    void unwritableProgramFolderKeepsSettingsPerUser() {
        UiApp ui;
        ui.stop();
        AppContext context;
        context.programFolder = ui.folder.path() + QStringLiteral("/missing/");
        context.userConfigFolder = ui.folder.path() + QStringLiteral("/user");
        context.messages = &ui.messages;
        context.dialogs = &ui.dialogs;
        ui.start(context);
        QCOMPARE(QString::fromStdString(ui.app->settingsFile().Path()),
                 QDir(context.userConfigFolder).filePath(QStringLiteral("lorvane.ini")));
        child<QCheckBox>(ui.w().Options, "BitSave")->setChecked(true);
        ui.stop();
        QVERIFY(ui.readFile(QStringLiteral("user/lorvane.ini")).contains("BitSave=true\r\n"));
        QVERIFY(ui.messages.shown.empty());
        ui.start(context);
        QVERIFY(switchesOf(ui).bitSave);
        QCOMPARE(ui.form()->SaveCounter, 1);
    }

    void failedWriteInTheProgramFolderFallsBackToTheUserFolder() {
        UiApp ui;
        QVERIFY(QDir(ui.folder.path()).mkdir(QStringLiteral("lorvane.ini")));
        ui.stop();
        QVERIFY(ui.readFile(QStringLiteral("user/lorvane.ini")).contains("[Options]\r\n"));
        QVERIFY(ui.messages.shown.empty());
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
