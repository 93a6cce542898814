// The cell editor that writes while the user types.
#include "ui/LiveEditDelegate.h"

#include <QLineEdit>

LiveEditDelegate::LiveEditDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), m_view(view) {}

QWidget* LiveEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QPersistentModelIndex target(index);
        QAbstractItemModel* model = m_view->model();
        connect(line, &QLineEdit::textEdited, line, [model, target](const QString& text) {
            if (target.isValid())
                model->setData(target, text, Qt::EditRole);
        });
    }
    return editor;
}

void LiveEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const auto* line = qobject_cast<const QLineEdit*>(editor);
    if (line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}
