// The map grid: label headers, the width rules, editing, moving and sizing, the term highlight.
#include "app/views/CarnoGridView.h"

#include "ui/GridHeader.h"
#include "ui/LiveEditDelegate.h"
#include "ui/ProductsColor.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const QColor kFixedColor(192, 192, 192); // silver
constexpr int kDefaultRowHeight = 25;
constexpr int kDefaultColWidth = 25;
// Successive paints settle the label column within a few steps; this bounds the loop.
constexpr int kMaxFitSteps = 64;
// A selected cell under a highlight: a translucent selection colour and a dashed frame.
constexpr int kSelectionAlpha = 150;
constexpr int kSelectionFrame = 2;

/// Paints the focused cell in the selection colours ("Fill Cursor") or with a focus frame only.
class MapCellDelegate : public LiveEditDelegate {
public:
    explicit MapCellDelegate(CarnoGridView* view) : LiveEditDelegate(view), m_map(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        if (index == m_map->currentIndex()) {
            if (m_map->fillCursor()) {
                opt.state |= QStyle::State_Selected;
            } else {
                // The view has already filled a selected cell's row panel: paint it over.
                opt.state &= ~QStyle::State_Selected;
                painter->fillRect(option.rect, option.palette.base());
            }
        }
        LiveEditDelegate::paint(painter, opt, index);
    }

    // A value typed over a cell is entered as in a spreadsheet: Left and Right (with or
    // without Shift) keep it and move on, where an editor opened by F2 or a double click moves
    // its caret.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && m_map->editorOpenedByTyping()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool sideways = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
            if (sideways && (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
                QCoreApplication::sendEvent(m_map, event);
                return true;
            }
        }
        return LiveEditDelegate::eventFilter(object, event);
    }

private:
    CarnoGridView* m_map;
};

} // namespace

CarnoGridModel::CarnoGridModel(TCarnoGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(grid.DataRows()), m_cols(grid.DataCols()) {}

int CarnoGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CarnoGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant CarnoGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(m_grid.Cells(index.column() + 1, index.row() + 1));
    case Qt::ToolTipRole:
        return m_hint;
    case Qt::AccessibleDescriptionRole:
        return cellDescription(index);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
        return {};
    }
}

QString CarnoGridModel::variableNames(int first, int last) const {
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << QString::fromStdString(m_grid.VariableName(i));
    return names.join(QLatin1Char(' '));
}

QString CarnoGridModel::cellDescription(const QModelIndex& index) const {
    if (m_cellDescription.isEmpty())
        return {};
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const int n = m_grid.GetVariableCount();
    return m_cellDescription.arg(
        QString::fromStdString(m_grid.RowLabel(row)), variableNames(1, n / 2),
        QString::fromStdString(m_grid.ColLabel(col)), variableNames(n / 2 + 1, n),
        QString::number(m_grid.MintermOf(col, row)));
}

QVariant CarnoGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::ToolTipRole)
        return m_hint;
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_cols ? QString::fromStdString(m_grid.ColLabel(section + 1)) : QString();
    return section < m_rows ? QString::fromStdString(m_grid.RowLabel(section + 1)) : QString();
}

Qt::ItemFlags CarnoGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CarnoGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    m_grid.SetCells(index.column() + 1, index.row() + 1, value.toString().toStdString());
    return true;
}

void CarnoGridModel::refresh() {
    if (m_rows != m_grid.DataRows() || m_cols != m_grid.DataCols()) {
        beginResetModel();
        m_rows = m_grid.DataRows();
        m_cols = m_grid.DataCols();
        endResetModel();
        return;
    }
    if (m_rows == 0 || m_cols == 0)
        return;
    emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
    emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    emit headerDataChanged(Qt::Vertical, 0, m_rows - 1);
}

CarnoGridView::CarnoGridView(TCarnoGrid& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new CarnoGridModel(m_grid, this)),
      m_delegate(new MapCellDelegate(this)) {
    setObjectName(QStringLiteral("CarnoGrid1"));
    auto silver = [](int) { return kFixedColor; };
    setHorizontalHeader(new FixedHeader(Qt::Horizontal, silver, this));
    setVerticalHeader(new FixedHeader(Qt::Vertical, silver, this));
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setCornerButtonEnabled(false);
    setStyleSheet(QStringLiteral("QTableCornerButton::section { background: #c0c0c0; }"));
    setWordWrap(false);
    // Tab leaves the map for the next control; the arrow keys move within it.
    setTabKeyNavigation(false);
    horizontalHeader()->setMinimumSectionSize(5);
    verticalHeader()->setMinimumSectionSize(5);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    horizontalHeader()->setFixedHeight(kDefaultRowHeight);
    setResizable(false);
    setMovable(false);
    resize(180, 180);

    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QHeaderView* header = o == Qt::Horizontal ? horizontalHeader() : verticalHeader();
        connect(header, &QHeaderView::sectionMoved, this,
                [this, o](int logical, int oldVisual, int newVisual) {
                    undoSectionMove(o, logical, oldVisual, newVisual);
                });
        connect(header, &QHeaderView::sectionResized, this, [this] {
            dropHighlight();
            fitWidths();
            reportSize();
        });
        // The labels are drawn in the map font.
        header->setFont(font());
    }
    m_grid.SetView(this);
    fitWidths();
    m_reportedSize = wholeSize();
}

CarnoGridView::~CarnoGridView() {
    m_grid.SetView(nullptr);
    setModel(nullptr);
}

void CarnoGridView::Repaint() {
    m_highlight.clear();
    m_stepMarks = {};
    m_model->refresh();
    fitWidths();
    viewport()->update();
    reportSize();
}

void CarnoGridView::FillCells(const std::vector<CellPos>& cells, std::uint32_t color) {
    m_highlight = cells;
    m_highlightColor = colorFromBgr(color);
    viewport()->update();
}

QRect CarnoGridView::cellRect(int col, int row) const {
    return visualRect(m_model->index(row - 1, col - 1));
}

void CarnoGridView::setHint(const QString& hint) {
    m_model->setHint(hint);
    setToolTip(hint);
}

void CarnoGridView::setFillCursor(bool on) {
    m_fillCursor = on;
    viewport()->update();
}

void CarnoGridView::setMovable(bool on) {
    horizontalHeader()->setSectionsMovable(on);
    verticalHeader()->setSectionsMovable(on);
}

bool CarnoGridView::movable() const {
    return horizontalHeader()->sectionsMovable();
}

void CarnoGridView::setResizable(bool on) {
    const auto mode = on ? QHeaderView::Interactive : QHeaderView::Fixed;
    horizontalHeader()->setSectionResizeMode(mode);
    verticalHeader()->setSectionResizeMode(mode);
}

bool CarnoGridView::resizable() const {
    return horizontalHeader()->sectionResizeMode(0) == QHeaderView::Interactive;
}

QRect CarnoGridView::selectionRect() const {
    QRect rect;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        rect |= QRect(QPoint(range.left() + 1, range.top() + 1),
                      QPoint(range.right() + 1, range.bottom() + 1));
    if (rect.isNull() && currentIndex().isValid())
        rect = QRect(currentIndex().column() + 1, currentIndex().row() + 1, 1, 1);
    return rect;
}

void CarnoGridView::setShowAllGroups(bool on) {
    m_showAllGroups = on;
    viewport()->update();
}

void CarnoGridView::setResultShown(bool shown) {
    m_resultShown = shown;
    viewport()->update();
}

void CarnoGridView::setStepMarks(const StepMarks& marks) {
    m_stepMarks = marks;
    viewport()->update();
}

void CarnoGridView::setShowMinterms(bool on) {
    m_showMinterms = on;
    viewport()->update();
}

std::vector<GroupOutline> CarnoGridView::groupOutlines() const {
    if (!m_showAllGroups || !m_resultShown)
        return {};
    return ::groupOutlines(m_grid, [this](int col, int row) { return cellRect(col, row); });
}

// The highlight is painted from state at every paint, so scrolling and resizing keep it; the
// selection is framed on top of it, so that the cells the user selects stay visible.
void CarnoGridView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    if (m_showAllGroups && m_grid.DataCols() > 0) {
        const QRect area = cellRect(1, 1).united(cellRect(m_grid.DataCols(), m_grid.DataRows()));
        paintGroupOutlines(painter, groupOutlines(), area);
    }
    const VisibleCellRect visible = [this](int col, int row) {
        const QRect rect = cellRect(col, row);
        return rect.intersects(viewport()->rect()) ? rect : QRect();
    };
    if (m_showMinterms)
        paintMintermNumbers(painter, m_grid, visible);
    paintStepMarks(painter, m_stepMarks, visible);
    for (const CellPos& cell : m_highlight)
        painter.fillRect(cellRect(cell.col, cell.row), m_highlightColor);
    if (!m_highlight.empty())
        paintSelectionOverHighlight(painter);
}

void CarnoGridView::paintSelectionOverHighlight(QPainter& painter) const {
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlpha(kSelectionAlpha);
    const QPen frame(palette().color(QPalette::HighlightedText), kSelectionFrame, Qt::DashLine);
    for (const CellPos& cell : m_highlight) {
        const QModelIndex index = m_model->index(cell.row - 1, cell.col - 1);
        if (!selectionModel()->isSelected(index) && index != currentIndex())
            continue;
        const QRect rect = cellRect(cell.col, cell.row);
        painter.fillRect(rect, fill);
        painter.setPen(frame);
        painter.drawRect(rect.adjusted(2, 2, -3, -3));
    }
}

void CarnoGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    if (capGridFont(this))
        return; // the capped font arrives as a change of its own
    horizontalHeader()->setFont(font());
    verticalHeader()->setFont(font());
    dropHighlight();
    fitWidths();
    reportSize();
}

bool CarnoGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened)
        m_openedByTyping = trigger == AnyKeyPressed;
    return opened;
}

// Tab and Shift+Tab in a cell's editor leave the map as they do outside it.
void CarnoGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, next || previous ? QAbstractItemDelegate::NoHint : hint);
    emit cellsEdited();
    if (next || previous)
        focusNextPrevChild(next);
}

QSize CarnoGridView::wholeSize() const {
    const int frame = 2 * frameWidth();
    // Both headers have fixed sizes, which hold before the view has been laid out.
    return {verticalHeader()->minimumWidth() + horizontalHeader()->length() + frame,
            horizontalHeader()->minimumHeight() + verticalHeader()->length() + frame};
}

QSize CarnoGridView::sizeHint() const {
    return wholeSize();
}

void CarnoGridView::reportSize() {
    const QSize size = wholeSize();
    if (size == m_reportedSize)
        return;
    m_reportedSize = size;
    updateGeometry();
    emit mapSizeChanged();
}

void CarnoGridView::dropHighlight() {
    if (m_highlight.empty())
        return;
    m_highlight.clear();
    viewport()->update();
}

// The label column settles in the band w + 5 < width < w + 20 around its label width w; the
// data columns widen when their label no longer fits and narrow when it leaves much room.
void CarnoGridView::fitWidths() {
    if (m_fitting || m_grid.DataCols() < 1)
        return;
    m_fitting = true;
    const QFontMetrics metrics(font());
    const int rowLabelWidth = metrics.horizontalAdvance(QString::fromStdString(m_grid.RowLabel(1)));
    int width = m_defaultColWidth;
    for (int step = 0; step < kMaxFitSteps; ++step) {
        const int before = width;
        if (rowLabelWidth >= width - 5)
            width += 10;
        if (rowLabelWidth + 15 <= width - 5)
            width -= 5;
        if (width == before)
            break;
    }
    QHeaderView* columns = horizontalHeader();
    if (width != m_defaultColWidth || columns->defaultSectionSize() != width) {
        m_defaultColWidth = width;
        columns->setDefaultSectionSize(width);
        for (int c = 0; c < columns->count(); ++c)
            columns->resizeSection(c, width);
    }
    verticalHeader()->setFixedWidth(width);
    const int colLabelWidth = metrics.horizontalAdvance(QString::fromStdString(m_grid.ColLabel(1)));
    int dataWidth = 0;
    if (colLabelWidth >= width - 5)
        dataWidth = width + 10;
    else if (colLabelWidth + 15 < width - 5)
        dataWidth = width - 5;
    if (dataWidth > 0)
        for (int c = 0; c < columns->count(); ++c)
            if (columns->sectionSize(c) != dataWidth)
                columns->resizeSection(c, dataWidth);
    m_fitting = false;
}

void CarnoGridView::undoSectionMove(Qt::Orientation orientation, int logical, int oldVisual,
                                    int newVisual) {
    Q_UNUSED(logical);
    QHeaderView* header = orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader();
    // The labels belong to positions: put the section back and move the values instead.
    {
        const QSignalBlocker blocker(header);
        header->moveSection(newVisual, oldVisual);
    }
    moveValues(orientation, oldVisual + 1, newVisual + 1);
}

void CarnoGridView::moveValues(Qt::Orientation orientation, int from, int to) {
    const bool columns = orientation == Qt::Horizontal;
    const int lines = columns ? m_grid.DataCols() : m_grid.DataRows();
    const int length = columns ? m_grid.DataRows() : m_grid.DataCols();
    auto at = [columns](int line, int k) { return columns ? CellPos{line, k} : CellPos{k, line}; };
    std::vector<std::vector<std::string>> values;
    for (int line = 1; line <= lines; ++line) {
        std::vector<std::string> texts;
        for (int k = 1; k <= length; ++k) {
            const CellPos p = at(line, k);
            texts.push_back(m_grid.Cells(p.col, p.row));
        }
        values.push_back(std::move(texts));
    }
    auto moved = values[static_cast<std::size_t>(from - 1)];
    values.erase(values.begin() + (from - 1));
    values.insert(values.begin() + (to - 1), std::move(moved));
    for (int line = 1; line <= lines; ++line)
        for (int k = 1; k <= length; ++k) {
            const CellPos p = at(line, k);
            m_grid.SetCells(
                p.col, p.row,
                values[static_cast<std::size_t>(line - 1)][static_cast<std::size_t>(k - 1)]);
        }
    emit cellsEdited();
}
