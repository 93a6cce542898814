// The truth-table control: layout, header drawing, width growth and editing.
#include "input/widgets/TruthTable.h"

#include "ui/GridHeader.h"
#include "ui/LiveEditDelegate.h"

#include <QEvent>
#include <QHeaderView>

namespace {

constexpr int kRowHeight = 20;
const QColor kFunctionHeader(0xAA, 0xAA, 0xAA);

} // namespace

TruthTableItemModel::TruthTableItemModel(TTruthTableData& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {}

int TruthTableItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.RowCount() - 1;
}

int TruthTableItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.ColCount();
}

QVariant TruthTableItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(m_table.Cell(index.column(), index.row() + 1));
}

QVariant TruthTableItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const auto col = static_cast<std::size_t>(section + 1);
    if (col >= m_table.ColumnNames.size())
        return {};
    return QString::fromStdString(m_table.ColumnNames[col]);
}

Qt::ItemFlags TruthTableItemModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() >= m_table.VariableCount() ? flags | Qt::ItemIsEditable : flags;
}

bool TruthTableItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_table.SetCell(index.column(), index.row() + 1, value.toString().toStdString());
    emit dataChanged(index, index);
    return true;
}

void TruthTableItemModel::refresh() {
    beginResetModel();
    endResetModel();
}

TTruthTable::TTruthTable(IMessageBox* messages, QWidget* parent)
    : QTableView(parent), m_table(messages), m_model(new TruthTableItemModel(m_table, this)) {
    auto background = [this](int col) {
        return col >= m_table.VariableCount() ? kFunctionHeader : palette().color(QPalette::Button);
    };
    setHorizontalHeader(new FixedHeader(Qt::Horizontal, background, this));
    setModel(m_model);
    setItemDelegate(new LiveEditDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(kRowHeight);
    horizontalHeader()->setMinimumSectionSize(5);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(false);
    resize(180, 365);
    SetTableSize(4, 1);
}

void TTruthTable::SetTableSize(int variables, int functions) {
    if (m_table.SetTableSize(variables, functions))
        Changed();
}

void TTruthTable::SetVariableCount(int variables) {
    SetTableSize(variables, FunctionCount());
}

void TTruthTable::SetFunctionCount(int functions) {
    SetTableSize(VariableCount(), functions);
}

void TTruthTable::SetColumnName(int col, const std::string& name) {
    if (col < 1 || col >= static_cast<int>(m_table.ColumnNames.size()))
        return;
    m_table.ColumnNames[static_cast<std::size_t>(col)] = name;
    Changed();
}

const std::string& TTruthTable::ColumnName(int col) const {
    static const std::string kNone;
    if (col < 1 || col >= static_cast<int>(m_table.ColumnNames.size()))
        return kNone;
    return m_table.ColumnNames[static_cast<std::size_t>(col)];
}

void TTruthTable::Fill() {
    m_table.Fill();
    Changed();
}

void TTruthTable::SetCell(int col, int row, const std::string& text) {
    m_table.SetCell(col, row, text);
    Changed();
}

void TTruthTable::StartTyping() {
    setCurrentIndex(m_model->index(0, VariableCount()));
    scrollToTop();
}

// Enter commits the value and moves to the row below, as in a spreadsheet; Tab and Shift+Tab
// leave the table as they do outside a cell.
void TTruthTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, next || previous ? QAbstractItemDelegate::NoHint : hint);
    if (next || previous)
        focusNextPrevChild(next);
    if (hint != QAbstractItemDelegate::SubmitModelCache)
        return;
    const QModelIndex below = currentIndex().siblingAtRow(currentIndex().row() + 1);
    if (below.isValid())
        setCurrentIndex(below);
}

void TTruthTable::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange && !capGridFont(this))
        FitColumns();
}

void TTruthTable::Changed() {
    m_model->refresh();
    FitColumns();
}

// A name wider than the columns widens every column to it plus 10; columns never narrow.
void TTruthTable::FitColumns() {
    const QFontMetrics metrics(horizontalHeader()->font());
    for (int col = 1; col <= m_table.ColCount(); ++col) {
        const int width = metrics.horizontalAdvance(QString::fromStdString(ColumnName(col)));
        if (width > m_defaultColWidth)
            m_defaultColWidth = width + 10;
    }
    QHeaderView* header = horizontalHeader();
    header->setDefaultSectionSize(m_defaultColWidth);
    for (int c = 0; c < header->count(); ++c)
        header->resizeSection(c, m_defaultColWidth);
}
