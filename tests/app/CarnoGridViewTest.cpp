// The map grid: labels, width rules, font cap, editing, moving, the focused cell and the term
// highlight with everything that drops it.
#include "UiTestSupport.h"

#include "ui/ProductsColor.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

QStringList labels(const CarnoGridView& view, Qt::Orientation orientation) {
    QStringList texts;
    const int count =
        orientation == Qt::Horizontal ? view.model()->columnCount() : view.model()->rowCount();
    for (int i = 0; i < count; ++i)
        texts << view.model()->headerData(i, orientation, Qt::DisplayRole).toString();
    return texts;
}

/// A shown map with a three-variable result: |A*B (cells 2, 3) and A*C (cells 5, 7).
struct AnalysedMap {
    AnalysedMap() {
        view.grid().SetTreeView(&tree);
        view.grid().SetMessageBox(&messages);
        view.grid().SetVariableCount(3);
        for (int m = 0; m < 8; ++m) {
            const CellPos cell = view.grid().CellOfMinterm(m);
            view.grid().SetCells(cell.col, cell.row,
                                 m == 2 || m == 3 || m == 5 || m == 7 ? "1" : "0");
        }
        view.grid().Test();
        view.resize(300, 200);
        view.show();
    }
    QColor pixel(const CellPos& cell) {
        const QImage image = view.viewport()->grab().toImage();
        return image.pixelColor(view.cellRect(cell.col, cell.row).center());
    }
    [[nodiscard]] std::vector<CellPos> termCells(int k) const {
        std::vector<CellPos> cells;
        for (const TCellItem& c : view.grid().ResultTerms()[static_cast<std::size_t>(k)].cells)
            cells.push_back({c.col, c.row});
        return cells;
    }

    FakeTree tree;
    FakeMessageBox messages;
    TCarnoGrid grid;
    CarnoGridView view{grid};
};

} // namespace

class CarnoGridViewTest : public QObject {
    Q_OBJECT

private slots:
    void grayCodeLabels_data() {
        QTest::addColumn<int>("variables");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("columns");
        const QStringList four = {"0000", "0001", "0011", "0010", "0110", "0111", "0101", "0100",
                                  "1100", "1101", "1111", "1110", "1010", "1011", "1001", "1000"};
        QTest::newRow("2") << 2 << QStringList({"0", "1"}) << QStringList({"0", "1"});
        QTest::newRow("3") << 3 << QStringList({"0", "1"}) << QStringList({"00", "01", "11", "10"});
        QTest::newRow("8") << 8 << four << four;
    }

    void grayCodeLabels() {
        QFETCH(int, variables);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, columns);
        TCarnoGrid grid;
        CarnoGridView view(grid);
        QCOMPARE(view.objectName(), QStringLiteral("CarnoGrid1"));
        view.grid().SetVariableCount(variables);
        QCOMPARE(labels(view, Qt::Vertical), rows);
        QCOMPARE(labels(view, Qt::Horizontal), columns);
    }

    void fontIsShownAtMostAt10Points() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        QFont font = view.font();
        font.setPointSize(14);
        view.setFont(font);
        QCOMPARE(view.font().pointSizeF(), 10.0);
        font.setPointSize(9);
        view.setFont(font);
        QCOMPARE(view.font().pointSizeF(), 9.0);
    }

    void widthRulesFitTheLabels_data() {
        QTest::addColumn<int>("variables");
        QTest::newRow("2") << 2;
        QTest::newRow("4") << 4;
        QTest::newRow("6") << 6;
        QTest::newRow("8") << 8;
    }

    void widthRulesFitTheLabels() {
        QFETCH(int, variables);
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.grid().SetVariableCount(variables);
        const QFontMetrics metrics(view.font());
        const int row = metrics.horizontalAdvance(QString::fromStdString(view.grid().RowLabel(1)));
        const int col = metrics.horizontalAdvance(QString::fromStdString(view.grid().ColLabel(1)));
        const int d = view.defaultColumnWidth();
        QCOMPARE(view.verticalHeader()->width(), d);
        // The label column settles in the band row + 5 < d < row + 20 unless it keeps 25.
        QVERIFY(d == 25 || (row + 5 < d && d < row + 20));
        QVERIFY(row < d - 5);
        for (int c = 0; c < view.model()->columnCount(); ++c) {
            const int width = view.horizontalHeader()->sectionSize(c);
            QVERIFY2(col < width - 5, qPrintable(QStringLiteral("%1 %2").arg(col).arg(width)));
        }
        if (variables == 2)
            QCOMPARE(d, 25);
    }

    void widerFontWidensTheColumns() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.grid().SetVariableCount(8);
        const int before = view.defaultColumnWidth();
        QFont font = view.font();
        font.setPointSize(10);
        font.setBold(true);
        view.setFont(font);
        font.setPointSize(5);
        view.setFont(font);
        QVERIFY(view.defaultColumnWidth() <= before);
        QVERIFY(view.defaultColumnWidth() > 5);
    }

    void editorWritesIntoTheMapWhileTyping() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.show();
        view.setCurrentIndex(view.model()->index(1, 2));
        QTest::keyClick(&view, Qt::Key_1, Qt::NoModifier);
        QCOMPARE(view.grid().Cells(3, 2), std::string("1"));
        auto* editor = view.viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("x"));
        QCOMPARE(view.grid().Cells(3, 2), std::string("1x"));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        QCOMPARE(view.grid().Cells(3, 2), std::string("1x"));
    }

    // Typed values are entered with the arrow keys, as in a spreadsheet; an editor opened with
    // F2 keeps Left and Right for its caret.
    void arrowKeysEnterATypedValue() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.show();
        view.setCurrentIndex(view.model()->index(0, 0));
        auto typeAndMove = [&view](Qt::Key value, Qt::Key arrow, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(&view, value);
            QTest::keyClick(view.focusWidget(), arrow, modifiers);
            QApplication::processEvents();
        };
        typeAndMove(Qt::Key_1, Qt::Key_Right, Qt::NoModifier);
        typeAndMove(Qt::Key_0, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(view.grid().Cells(1, 1), std::string("1"));
        QCOMPARE(view.grid().Cells(2, 1), std::string("0"));
        QVERIFY(!view.isEditing());
        QCOMPARE(view.currentIndex(), view.model()->index(0, 0));
        QCOMPARE(view.selectionRect(), QRect(1, 1, 2, 1));

        QTest::keyClick(&view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(view.focusWidget());
        QVERIFY(editor && !view.editorOpenedByTyping());
        QTest::keyClick(editor, Qt::Key_Left);
        QTest::keyClicks(editor, QStringLiteral("*"));
        QVERIFY(view.isEditing());
        QCOMPARE(view.grid().Cells(1, 1), std::string("*1"));
    }

    void movingAColumnMovesValuesButNotLabels() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.setMovable(true);
        QVERIFY(view.movable());
        for (int c = 1; c <= 4; ++c)
            view.grid().SetCells(c, 1, std::to_string(c));
        const QStringList before = labels(view, Qt::Horizontal);
        view.horizontalHeader()->moveSection(0, 2);
        QCOMPARE(labels(view, Qt::Horizontal), before);
        QCOMPARE(view.horizontalHeader()->visualIndex(0), 0);
        const std::string expected[] = {"2", "3", "1", "4"};
        for (int c = 1; c <= 4; ++c)
            QCOMPARE(view.grid().Cells(c, 1), expected[c - 1]);
        view.verticalHeader()->moveSection(0, 3);
        QCOMPARE(view.grid().Cells(1, 4), std::string("2"));
        QCOMPARE(view.grid().Cells(1, 1), std::string());
    }

    void switchesTurnMovingAndSizingOnAndOff() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        QVERIFY(!view.movable());
        QVERIFY(!view.resizable());
        view.setResizable(true);
        QVERIFY(view.resizable());
        QCOMPARE(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        view.setResizable(false);
        QCOMPARE(view.horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }

    void fillCursorPaintsTheFocusedCellAsSelected() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.resize(200, 200);
        view.show();
        view.setCurrentIndex(view.model()->index(0, 0));
        view.selectionModel()->select(
            QItemSelection(view.model()->index(0, 0), view.model()->index(0, 1)),
            QItemSelectionModel::ClearAndSelect);
        auto colourAt = [&view](int col) {
            const QImage image = view.viewport()->grab().toImage();
            return image.pixelColor(view.cellRect(col, 1).center() + QPoint(4, 4));
        };
        QCOMPARE(colourAt(1), colourAt(2));
        view.setFillCursor(false);
        QVERIFY(colourAt(1) != colourAt(2));
        QCOMPARE(colourAt(1), colourAt(3));
    }

    void selectTermFillsExactlyItsCells() {
        AnalysedMap map;
        map.view.grid().TermColor = 0x000000FF; // red
        map.view.grid().SelectTerm(1);
        QVERIFY(map.view.highlightedCells() == map.termCells(1));
        for (int m = 0; m < 8; ++m) {
            const CellPos cell = map.view.grid().CellOfMinterm(m);
            const bool inTerm = m == 5 || m == 7;
            QCOMPARE(map.pixel(cell) == QColor(255, 0, 0), inTerm);
        }
        const QRect cell = map.view.cellRect(map.termCells(1)[0].col, map.termCells(1)[0].row);
        const QImage image = map.view.viewport()->grab().toImage();
        QVERIFY(image.pixelColor(cell.right() + 1, cell.center().y()) != QColor(255, 0, 0));
    }

    void defaultProductsColourGivesSolidBlackCells() {
        AnalysedMap map;
        map.view.grid().SelectTerm(0);
        for (const CellPos& cell : map.termCells(0))
            QCOMPARE(map.pixel(cell), QColor(0, 0, 0));
    }

    void selectTermBeyondTheResultDoesNothing() {
        AnalysedMap map;
        map.view.grid().SelectTerm(0);
        const auto before = map.view.highlightedCells();
        map.view.grid().SelectTerm(2);
        map.view.grid().SelectTerm(-1);
        QVERIFY(map.view.highlightedCells() == before);
    }

    void changingTheProductsColourShowsAtTheNextHighlight() {
        AnalysedMap map;
        map.view.grid().SelectTerm(0);
        const CellPos cell = map.termCells(0)[0];
        map.view.grid().TermColor = 0x0000FF00;
        QCOMPARE(map.pixel(cell), QColor(0, 0, 0));
        map.view.grid().SelectTerm(0);
        QCOMPARE(map.pixel(cell), QColor(0, 255, 0));
    }

    void highlightIsDroppedByChanges_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("cell") << "cell";
        QTest::newRow("variable count") << "count";
        QTest::newRow("font") << "font";
        QTest::newRow("column width") << "width";
        QTest::newRow("repaint") << "repaint";
    }

    void highlightIsDroppedByChanges() {
        QFETCH(QString, change);
        AnalysedMap map;
        map.view.resize(80, 80);
        map.view.grid().SelectTerm(0);
        QVERIFY(!map.view.highlightedCells().empty());
        if (change == QLatin1String("cell"))
            map.view.grid().SetCells(1, 1, "1");
        else if (change == QLatin1String("count"))
            map.view.grid().SetVariableCount(3);
        else if (change == QLatin1String("font"))
            map.view.setFont(QFont(QStringLiteral("Serif"), 9));
        else if (change == QLatin1String("width"))
            map.view.horizontalHeader()->resizeSection(0, 40);
        else
            map.view.Repaint();
        QVERIFY(map.view.highlightedCells().empty());
        const CellPos cell = map.termCells(0)[0];
        QVERIFY(map.pixel(cell) != QColor(0, 0, 0));
    }

    // The highlight is state: wherever scrolling or resizing puts its cells, they are filled.
    void highlightSurvivesScrollingAndResizing() {
        AnalysedMap map;
        map.view.resize(80, 80);
        QApplication::processEvents();
        map.view.grid().SelectTerm(0);
        const auto cells = map.termCells(0);
        QScrollBar* bar = map.view.horizontalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(bar->value() > 0);
        QVERIFY(map.view.highlightedCells() == cells);
        int seen = 0;
        for (const CellPos& cell : cells) {
            if (!map.view.viewport()->rect().contains(
                    map.view.cellRect(cell.col, cell.row).center()))
                continue;
            QCOMPARE(map.pixel(cell), QColor(0, 0, 0));
            ++seen;
        }
        QVERIFY(seen > 0);
        map.view.resize(300, 200);
        for (const CellPos& cell : cells)
            QCOMPARE(map.pixel(cell), QColor(0, 0, 0));
    }

    void selectedCellsStayVisibleOverTheHighlight() {
        AnalysedMap map;
        map.view.grid().SelectTerm(0);
        const auto cells = map.termCells(0);
        map.view.setCurrentIndex(map.view.model()->index(cells[0].row - 1, cells[0].col - 1));
        QVERIFY(map.pixel(cells[0]) != QColor(0, 0, 0));
        QCOMPARE(map.pixel(cells[1]), QColor(0, 0, 0));
    }

    void labelsAreDrawnInTheMapFont() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        QFont font(QStringLiteral("Serif"));
        font.setPointSize(6);
        view.setFont(font);
        for (const QHeaderView* header : {view.horizontalHeader(), view.verticalHeader()}) {
            QCOMPARE(header->font().family(), QStringLiteral("Serif"));
            QCOMPARE(header->font().pointSizeF(), 6.0);
        }
    }

    void wholeSizeHoldsEveryCellAndLabel() {
        TCarnoGrid grid;
        CarnoGridView view(grid);
        view.grid().SetVariableCount(5);
        QSignalSpy changed(&view, &CarnoGridView::mapSizeChanged);
        view.grid().SetVariableCount(6);
        QCOMPARE(changed.count(), 1);
        view.resize(view.wholeSize());
        view.show();
        QApplication::processEvents();
        QVERIFY(!view.horizontalScrollBar()->isVisible());
        QVERIFY(!view.verticalScrollBar()->isVisible());
        const QRect last = view.cellRect(8, 8);
        QVERIFY(view.viewport()->rect().contains(last));
    }

    void colourConversionUsesTheWindowsByteOrder() {
        QCOMPARE(colorFromBgr(0x00112233), QColor(0x33, 0x22, 0x11));
        QCOMPARE(bgrFromColor(QColor(0x33, 0x22, 0x11)), 0x00112233U);
    }
};

QTEST_MAIN(CarnoGridViewTest)
#include "CarnoGridViewTest.moc"
