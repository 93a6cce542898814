// The on-screen Karnaugh map CarnoGrid1: a table view over the map model with label headers,
// in-place editing, range selection and the term highlight.
#pragma once

#include "app/views/GroupOutlines.h"
#include "app/views/MapMarks.h"
#include "engine/CarnoGrid.h"

#include <QAbstractItemDelegate>
#include <QAbstractTableModel>
#include <QRect>
#include <QTableView>

#include <vector>

class QStyledItemDelegate;

/// The cells of a TCarnoGrid as a Qt table model: data rows and columns only; the Gray-code
/// labels are the header texts.
class CarnoGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CarnoGridModel(TCarnoGrid& grid, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// The tooltip of every cell and label: the map hint.
    void setHint(const QString& hint) { m_hint = hint; }
    /// What a screen reader says of a cell besides its value: `pattern` with %1 the row label,
    /// %2 the row variables, %3 the column label, %4 the column variables, %5 the minterm.
    void setCellDescription(const QString& pattern) { m_cellDescription = pattern; }
    /// Brings the views up to date after any change of the map: a new shape resets the model,
    /// otherwise every cell and label is reported changed.
    void refresh();

private:
    [[nodiscard]] QString cellDescription(const QModelIndex& index) const;
    [[nodiscard]] QString variableNames(int first, int last) const;

    TCarnoGrid& m_grid;
    QString m_hint;
    QString m_cellDescription;
    int m_rows = 0;
    int m_cols = 0;
};

/// The map as the user sees it. It observes a map that lives longer than it, as the map's
/// view (IMapView): every change of the map repaints it, and a highlighted term is view state
/// that the next change of the map or of its font drops; scrolling and resizing paint it again
/// where its cells are.
class CarnoGridView : public QTableView, public IMapView {
    Q_OBJECT
public:
    explicit CarnoGridView(TCarnoGrid& grid, QWidget* parent = nullptr);
    ~CarnoGridView() override;

    [[nodiscard]] TCarnoGrid& grid() { return m_grid; }
    [[nodiscard]] const TCarnoGrid& grid() const { return m_grid; }

    // IMapView
    void Repaint() override;
    void FillCells(const std::vector<CellPos>& cells, std::uint32_t color) override;

    /// The highlighted cells, empty when no term is highlighted.
    [[nodiscard]] const std::vector<CellPos>& highlightedCells() const { return m_highlight; }
    [[nodiscard]] QRect cellRect(int col, int row) const;

    /// The map hint, shown as the tooltip of the map (and set so by a language file).
    Q_INVOKABLE void setHint(const QString& hint);
    /// How a screen reader describes a cell's place (see CarnoGridModel::setCellDescription).
    void setCellDescription(const QString& pattern) { m_model->setCellDescription(pattern); }

    /// "Fill Cursor": the focused cell is painted in the selection colours.
    void setFillCursor(bool on);
    [[nodiscard]] bool fillCursor() const { return m_fillCursor; }
    /// Rows and columns can be dragged to new places; their values move, the labels stay.
    void setMovable(bool on);
    [[nodiscard]] bool movable() const;
    /// Rows and columns can be resized by dragging their borders.
    void setResizable(bool on);
    [[nodiscard]] bool resizable() const;

    /// "Show All Groups": every term of the result drawn at once as a translucent outline.
    void setShowAllGroups(bool on);
    [[nodiscard]] bool showAllGroups() const { return m_showAllGroups; }
    /// Whether a result is on show: the outlines belong to it and go when it is discarded.
    void setResultShown(bool shown);
    /// The outlines the view draws now: every term's pieces while the switch is on and a
    /// result is shown, else none.
    [[nodiscard]] std::vector<GroupOutline> groupOutlines() const;

    /// Size of the whole map with its labels and frame, without scroll bars.
    [[nodiscard]] QSize wholeSize() const;
    [[nodiscard]] QSize sizeHint() const override;
    /// The cells of a step of the Steps view, painted until the next change of the map or the
    /// next marks; empty marks paint nothing.
    void setStepMarks(const StepMarks& marks);
    [[nodiscard]] const StepMarks& stepMarks() const { return m_stepMarks; }
    /// "Show Minterm Numbers": each cell's minterm number small in its corner.
    void setShowMinterms(bool on);
    [[nodiscard]] bool showMinterms() const { return m_showMinterms; }

    /// Whether a cell's in-place editor is open.
    [[nodiscard]] bool isEditing() const { return state() == EditingState; }
    /// Whether the open editor was started by typing over the cell (not by F2 or a double
    /// click): the arrow keys then move to the next cell instead of the caret.
    [[nodiscard]] bool editorOpenedByTyping() const { return isEditing() && m_openedByTyping; }

    /// Width of the label column, after the width rules.
    [[nodiscard]] int defaultColumnWidth() const { return m_defaultColWidth; }
    /// The selection rectangle in data cells (columns and rows from 1); at least the current
    /// cell.
    [[nodiscard]] QRect selectionRect() const;

signals:
    /// The user changed cells: an edit was committed or a row or column moved.
    void cellsEdited();
    /// The size of the whole map changed (variable count, font, column widths).
    void mapSizeChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void dropHighlight();
    void fitWidths();
    void reportSize();
    void paintSelectionOverHighlight(QPainter& painter) const;
    void moveValues(Qt::Orientation orientation, int from, int to);
    void undoSectionMove(Qt::Orientation orientation, int logical, int oldVisual, int newVisual);

    TCarnoGrid& m_grid;
    CarnoGridModel* m_model;
    QStyledItemDelegate* m_delegate;
    std::vector<CellPos> m_highlight;
    QColor m_highlightColor;
    int m_defaultColWidth = 25;
    bool m_fillCursor = true;
    bool m_fitting = false;
    bool m_showAllGroups = false;
    bool m_resultShown = false;
    QSize m_reportedSize;
    StepMarks m_stepMarks;
    bool m_showMinterms = false;
    bool m_openedByTyping = false;
};
