// The cell editor of the map grid and the truth table, which writes while the user types.
#pragma once

#include <QAbstractItemView>
#include <QStyledItemDelegate>

/// A cell delegate whose editor writes every change into the model at once, so that commands
/// that read the cells (Analyze, a fill, Report) see the text being typed.
class LiveEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit LiveEditDelegate(QAbstractItemView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    /// Leaves an editor alone that already shows the cell's text: the text it wrote into the
    /// cell comes back as a change of the model, and setting it again would wipe the editor's
    /// own undo steps (Ctrl+Z while typing).
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    QAbstractItemView* m_view;
};
