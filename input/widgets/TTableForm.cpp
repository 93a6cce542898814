// The "Truth Table" dialog.
#include "input/widgets/TTableForm.h"

#include "input/widgets/TruthTable.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTableWidth = 265;
constexpr int kTableHeight = 365;

} // namespace

TTruthTableForm::TTruthTableForm(IMessageBox* messages, QWidget* parent)
    : QDialog(parent), m_table(new TTruthTable(messages)) {
    setObjectName(QStringLiteral("TruthTableForm"));
    setWindowTitle(QStringLiteral("Truth Table"));
    m_table->setObjectName(QStringLiteral("TruthTable1"));
    m_table->setAccessibleName(QStringLiteral("Truth table"));
    m_table->setFixedSize(kTableWidth, kTableHeight);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The dialog opens ready for typing the function's values.
void TTruthTableForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_table->setFocus();
    m_table->StartTyping();
}
