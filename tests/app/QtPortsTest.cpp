// The core's ports on Qt widgets: message boxes, the result tree, the progress bar and the
// list dialog.
#include "UiTestSupport.h"

#include "app/QtPorts.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QTreeWidget>

Q_DECLARE_METATYPE(MsgKind)
Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgAnswer)

class QtPortsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsKindButtonsAndReturnsTheAnswer_data() {
        QTest::addColumn<MsgKind>("kind");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("shown");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("information, OK")
            << MsgKind::Information << MsgButtons::Ok << int(QMessageBox::Ok)
            << int(QMessageBox::Information) << int(QMessageBox::Ok) << MsgAnswer::Ok;
        QTest::newRow("warning, cancel")
            << MsgKind::Warning << MsgButtons::OkCancel << int(QMessageBox::Cancel)
            << int(QMessageBox::Warning) << int(QMessageBox::Ok | QMessageBox::Cancel)
            << MsgAnswer::Cancel;
        QTest::newRow("warning, OK") << MsgKind::Warning << MsgButtons::OkCancel
                                     << int(QMessageBox::Ok) << int(QMessageBox::Warning)
                                     << int(QMessageBox::Ok | QMessageBox::Cancel) << MsgAnswer::Ok;
        QTest::newRow("error, OK")
            << MsgKind::Error << MsgButtons::Ok << int(QMessageBox::Ok)
            << int(QMessageBox::Critical) << int(QMessageBox::Ok) << MsgAnswer::Ok;
        QTest::newRow("question, yes") << MsgKind::Information << MsgButtons::YesNo
                                       << int(QMessageBox::Yes) << int(QMessageBox::Information)
                                       << int(QMessageBox::Yes | QMessageBox::No) << MsgAnswer::Yes;
        QTest::newRow("question, no") << MsgKind::Information << MsgButtons::YesNo
                                      << int(QMessageBox::No) << int(QMessageBox::Information)
                                      << int(QMessageBox::Yes | QMessageBox::No) << MsgAnswer::No;
    }

    void messageBoxShowsKindButtonsAndReturnsTheAnswer() {
        QFETCH(MsgKind, kind);
        QFETCH(MsgButtons, buttons);
        QFETCH(int, press);
        QFETCH(int, icon);
        QFETCH(int, shown);
        QFETCH(MsgAnswer, answer);
        QString text;
        QString title;
        int seenIcon = -1;
        int seenButtons = -1;
        ModalScript script([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            seenIcon = box->icon();
            seenButtons = int(box->standardButtons());
            box->button(static_cast<QMessageBox::StandardButton>(press))->click();
        });
        QtMessageBox messages;
        QCOMPARE(messages.Show("Unknown variable in line.\r\nPosition: 3.", kind, buttons), answer);
        QCOMPARE(text, QStringLiteral("Unknown variable in line.\r\nPosition: 3."));
        QCOMPARE(title, QStringLiteral("Lorvane"));
        QCOMPARE(seenIcon, icon);
        QCOMPARE(seenButtons, shown);
    }

    void messageBoxEscapeNeverAnswersYes() {
        ModalScript script([](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); });
        QtMessageBox messages;
        QCOMPARE(
            messages.Show("Do you really want to quit?", MsgKind::Information, MsgButtons::YesNo),
            MsgAnswer::No);
    }

    void resultTreeKeepsRootFirstAndChildrenUnderIt() {
        QTreeWidget widget;
        QtResultTree tree(&widget);
        tree.AddChild("ignored without a root");
        QCOMPARE(tree.Count(), 0);
        tree.InsertRoot("A+B");
        tree.AddChild("A");
        tree.AddChild("B");
        QCOMPARE(tree.Count(), 3);
        tree.InsertRoot("earlier");
        QCOMPARE(widget.topLevelItem(0)->text(0), QStringLiteral("earlier"));
        tree.AddChild("C");
        QCOMPARE(widget.topLevelItem(0)->child(0)->text(0), QStringLiteral("C"));
        QCOMPARE(widget.topLevelItem(1)->childCount(), 2);
        QVERIFY(widget.topLevelItem(0)->isExpanded());
        QCOMPARE(tree.Count(), 5);
        tree.Clear();
        QCOMPARE(tree.Count(), 0);
        QCOMPARE(widget.topLevelItemCount(), 0);
    }

    void progressBarFollowsThePort() {
        QProgressBar bar;
        QtProgressBar progress(&bar);
        progress.SetMax(400);
        QCOMPARE(progress.Max(), 400);
        QCOMPARE(bar.maximum(), 400);
        for (int i = 1; i <= 400; ++i)
            progress.SetPosition(i);
        QCOMPARE(progress.Position(), 400);
        QCOMPARE(bar.value(), 400);
        progress.SetPosition(0);
        QCOMPARE(bar.value(), 0);
    }

    void listDialogGivesTheIndexOfTheChosenItem() {
        QtUserDialogs dialogs;
        for (const bool accept : {true, false}) {
            QTimer::singleShot(0, [accept] {
                auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QCOMPARE(dialog->comboBoxItems(), (QStringList{"and", "or", "xor"}));
                dialog->setTextValue(QStringLiteral("xor"));
                accept ? dialog->accept() : dialog->reject();
            });
            const auto chosen =
                dialogs.chooseItem(nullptr, QStringLiteral("Open Map"),
                                   QStringLiteral("Which output?"), {"and", "or", "xor"});
            QCOMPARE(chosen, accept ? std::optional<int>(2) : std::nullopt);
        }
    }
};

QTEST_MAIN(QtPortsTest)
#include "QtPortsTest.moc"
