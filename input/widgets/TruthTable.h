// TTruthTable: the truth-table grid control over the truth-table model.
#pragma once

#include "input/TruthTableData.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <string>

class TCarnoGrid;

/// The rows of a TTruthTableData for Qt views: data rows only; the column names are the
/// header. Input columns are read-only, so every row keeps naming its map cell.
class TruthTableItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TruthTableItemModel(TTruthTableData& table, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// Brings the views up to date after the table changed size or content.
    void refresh();

private:
    TTruthTableData& m_table;
};

/// All 2^v input combinations, one per row, with one to four function columns. The header row
/// shows the column names, function columns on grey; columns widen to fit their names. Values
/// are typed from the keyboard: the current cell is always open for typing, Enter moves down,
/// the arrow keys move about and Tab leaves the table.
class TTruthTable : public QTableView {
    Q_OBJECT
public:
    explicit TTruthTable(IMessageBox* messages, QWidget* parent = nullptr);

    /// Resizes to v variables and f function columns and refills; outside 2..8 and 1..4
    /// shows "Invalid number of variables" and changes nothing.
    void SetTableSize(int variables, int functions);
    void SetVariableCount(int variables);
    void SetFunctionCount(int functions);
    [[nodiscard]] int VariableCount() const { return m_table.VariableCount(); }
    [[nodiscard]] int FunctionCount() const { return m_table.FunctionCount(); }

    /// Name of column `col` counted from 1 (variables 1..v, then the function columns).
    void SetColumnName(int col, const std::string& name);
    [[nodiscard]] const std::string& ColumnName(int col) const;

    /// Writes the input combinations and empties the first function column.
    void Fill();
    /// Text of a cell: column from 0, row from 1.
    [[nodiscard]] const std::string& Cell(int col, int row) const { return m_table.Cell(col, row); }
    void SetCell(int col, int row, const std::string& text);
    /// Writes the first function column into the map.
    void FillCarnoCard(TCarnoGrid& grid) const { m_table.FillCarnoCard(grid); }
    [[nodiscard]] const TTruthTableData& Model() const { return m_table; }
    [[nodiscard]] int DefaultColWidth() const { return m_defaultColWidth; }
    /// Puts the current cell on the first row of the first function column, ready for typing.
    void StartTyping();

protected:
    void changeEvent(QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void Changed();
    void FitColumns();

    TTruthTableData m_table;
    TruthTableItemModel* m_model;
    int m_defaultColWidth = 25;
};
