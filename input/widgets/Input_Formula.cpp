// The formula dialog: composing, undo, the view, the history and the check on Ok.
#include "input/widgets/Input_Formula.h"

#include "engine/CarnoGrid.h"
#include "input/widgets/Input.h"

#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton* operatorButton(const char* name, const char* caption, const char* hint, int pixels,
                            bool bold) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    if (pixels > 0) {
        QFont font = button->font();
        font.setPixelSize(pixels);
        font.setBold(bold);
        button->setFont(font);
    }
    button->setFixedSize(34, 28);
    return button;
}

} // namespace

TInputFormula::TInputFormula(TCarnoGrid& grid, IMessageBox& messages, QWidget* parent)
    : QDialog(parent), m_grid(grid), m_messages(messages) {
    setObjectName(QStringLiteral("InputFormula"));
    setWindowTitle(QStringLiteral("Fill Map from Formula"));
    CreateControls();
    Memo1->clear();
    UndoLength = 0;
    Button3->setEnabled(false);
}

void TInputFormula::CreateControls() {
    auto* title = new QLabel(QStringLiteral("Enabled boolean variables"));
    title->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    title->setBuddy(ListBox1);
    ListBox1->setAccessibleName(title->text()); // a list takes no name from its label
    ListBox1->setFlow(QListView::TopToBottom);
    ListBox1->setWrapping(true);
    ListBox1->setResizeMode(QListView::Adjust);
    ListBox1->setGridSize(QSize(52, 20));
    ListBox1->setFixedSize(214, 68);
    ListBox1->setDragEnabled(true);
    ListBox1->setDragDropMode(QAbstractItemView::DragOnly);
    ListBox1->setDefaultDropAction(Qt::CopyAction);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });

    QPushButton* plus = operatorButton("Button1", "+", "Disjunction", 21, false);
    QPushButton* times = operatorButton("Button2", "*", "Conjunction", 21, false);
    QPushButton* negation = operatorButton("Button4", "|", "Negation", 0, false);
    QPushButton* backspace = operatorButton("Button5", "<-", "BackSpace", 16, true);
    Button3 = operatorButton("Button3", "Back", "Undo Last move", 0, false);
    Button3->setFixedWidth(70);
    connect(plus, &QPushButton::clicked, this, &TInputFormula::Button1Click);
    connect(times, &QPushButton::clicked, this, &TInputFormula::Button2Click);
    connect(negation, &QPushButton::clicked, this, &TInputFormula::Button4Click);
    connect(backspace, &QPushButton::clicked, this, &TInputFormula::Button5Click);
    connect(Button3, &QPushButton::clicked, this, &TInputFormula::Button3Click);
    auto* operators = new QGridLayout;
    operators->setSpacing(2);
    operators->addWidget(plus, 0, 0);
    operators->addWidget(times, 0, 1);
    operators->addWidget(negation, 1, 0);
    operators->addWidget(backspace, 1, 1);
    operators->addWidget(Button3, 2, 0, 1, 2);

    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setToolTip(QStringLiteral("Formula box"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->lineEdit()->installEventFilter(this);
    ComboBox2->lineEdit()->setAcceptDrops(true);
    // The view follows every change of the box: typing, a choice from the history and its
    // completion alike. The history is offered in a list, never typed into the box unasked.
    offerHistoryInList(ComboBox2);
    connect(ComboBox2, &QComboBox::editTextChanged, this, &TInputFormula::ComboBox2Change);
    connect(ComboBox2, &QComboBox::textActivated, this, &TInputFormula::ComboBox2Change);

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Enhanced formula view"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFixedHeight(52);

    auto* type = new QGroupBox(QStringLiteral(" Formula Type "));
    type->setObjectName(QStringLiteral("GroupBox1"));
    type->setToolTip(QStringLiteral("Type of formula"));
    RadioButton1 = new QRadioButton(QStringLiteral("SOP"));
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("POS"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    auto* radios = new QHBoxLayout(type);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);

    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TInputFormula::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &TInputFormula::BitBtn2Click);

    auto* top = new QGridLayout;
    top->addWidget(title, 0, 0);
    top->addWidget(ListBox1, 1, 0);
    top->addLayout(operators, 1, 1, Qt::AlignRight | Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(type);
    bottom->addStretch(1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ComboBox2);
    layout->addWidget(Memo1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TInputFormula::SetVariables(const QStringList& names) {
    ListBox1->clear();
    ListBox1->addItems(names);
}

void TInputFormula::SetFormula(const QString& text) {
    SetBothTexts(text);
}

QString TInputFormula::FormulaText() const {
    return ComboBox2->currentText();
}

QString TInputFormula::ViewText() const {
    return Memo1->toPlainText();
}

QStringList TInputFormula::History() const {
    return comboItems(ComboBox2);
}

bool TInputFormula::CanUndo() const {
    return Button3->isEnabled();
}

void TInputFormula::SetBothTexts(const QString& text) {
    ComboBox2->setEditText(text);
    Memo1->setPlainText(text);
}

void TInputFormula::Insert(const QString& text) {
    SetBothTexts(FormulaText() + text);
    UndoLength = static_cast<std::uint8_t>(text.size());
    Button3->setEnabled(UndoLength > 0);
}

void TInputFormula::RemoveLast(int count) {
    QString text = FormulaText();
    text.chop(count);
    SetBothTexts(text);
    UndoLength = 0;
    Button3->setEnabled(false);
}

void TInputFormula::ListBox1DblClick() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem* first = selected.first();
    for (const QListWidgetItem* item : selected)
        if (ListBox1->row(item) < ListBox1->row(first))
            first = item;
    Insert(first->text());
}

void TInputFormula::ComboBox2DragDrop() {
    ListBox1DblClick();
}

void TInputFormula::Button1Click() {
    Insert(QStringLiteral("+"));
}

void TInputFormula::Button2Click() {
    Insert(QStringLiteral("*"));
}

void TInputFormula::Button4Click() {
    Insert(QStringLiteral("|"));
}

void TInputFormula::Button5Click() {
    RemoveLast(1);
}

void TInputFormula::Button3Click() {
    RemoveLast(UndoLength);
}

void TInputFormula::ComboBox2Change(const QString& text) {
    Memo1->setPlainText(text);
}

void TInputFormula::BitBtn1Click() {
    const int validation = m_grid.ValidateFormulaString(FormulaText().toStdString());
    if (validation != 0) {
        m_messages.Show(TCarnoGrid::FormulaMessage(validation), MsgKind::Error, MsgButtons::Ok);
        CloseAllowed = false;
        return;
    }
    rememberInHistory(ComboBox2);
    CloseAllowed = true;
    m_grid.FormulaType = RadioButton2->isChecked() ? ftPOS : ftSOP;
    done(QDialog::Accepted);
}

void TInputFormula::BitBtn2Click() {
    CloseAllowed = true;
    done(QDialog::Rejected);
}

void TInputFormula::done(int result) {
    if (!CloseAllowed)
        return;
    QDialog::done(result);
}

bool TInputFormula::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ComboBox2->lineEdit()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->source() == ListBox1)
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->source() == ListBox1) {
                drop->acceptProposedAction();
                ComboBox2DragDrop();
            }
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TInputFormula::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        BitBtn2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}
