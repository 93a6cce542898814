// The "Fill Map from Sets" dialog.
#include "input/widgets/Input.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* valueLabel(const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPixelSize(21);
    font.setBold(true);
    label->setFont(font);
    label->setFixedWidth(22);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* button(const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption));
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TInputForm::TInputForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InputForm"));
    setWindowTitle(QStringLiteral("Fill Map from Sets"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const char* const labels[3][2] = {{"Label1", "1"}, {"Label2", "0"}, {"Label3", "*"}};
    for (int k = 0; k < 3; ++k) {
        auto* combo = new QComboBox;
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(k + 1));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumWidth(220);
        offerHistoryInList(combo);
        m_sets[k] = combo;
        QLabel* label = valueLabel(labels[k][0], labels[k][1]);
        label->setBuddy(combo); // names the box for screen readers
        grid->addWidget(label, k, 0);
        grid->addWidget(combo, k, 1);
    }
    auto* enabled = new QLabel(QStringLiteral("Enabled Set's"));
    enabled->setObjectName(QStringLiteral("Label4"));
    Label5 = new QLabel;
    Label5->setObjectName(QStringLiteral("Label5"));
    QPushButton* ok = button("BitBtn1", "Ok");
    ok->setDefault(true);
    QPushButton* cancel = button("BitBtn2", "Cancel");
    connect(ok, &QPushButton::clicked, this, &TInputForm::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &TInputForm::BitBtn2Click);

    auto* side = new QVBoxLayout;
    side->addWidget(enabled);
    side->addWidget(Label5);
    side->addStretch(1);
    side->addWidget(ok);
    side->addWidget(cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addSpacing(8);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TInputForm::SetRange(const QString& range) {
    Label5->setText(range);
}

QString TInputForm::Range() const {
    return Label5->text();
}

QString TInputForm::SetText(int index) const {
    return m_sets[index]->currentText();
}

void TInputForm::SetSetText(int index, const QString& text) {
    m_sets[index]->setEditText(text);
}

QStringList TInputForm::History(int index) const {
    return comboItems(m_sets[index]);
}

QStringList comboItems(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void offerHistoryInList(QComboBox* box) {
    if (QCompleter* completer = box->completer())
        completer->setCompletionMode(QCompleter::PopupCompletion);
}

void rememberInHistory(QComboBox* box) {
    const QString text = box->currentText();
    if (text.isEmpty() || box->findText(text, Qt::MatchFixedString) >= 0)
        return;
    box->addItem(text);
    box->setEditText(text);
}

void TInputForm::BitBtn1Click() {
    for (QComboBox* combo : m_sets)
        rememberInHistory(combo);
    accept();
}

void TInputForm::BitBtn2Click() {
    reject();
}
