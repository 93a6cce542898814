// The up-down control bound to an edit box.
#include "app/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}

} // namespace

UpDownControl::UpDownControl(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_up(arrowButton(Qt::UpArrow, this)),
      m_down(arrowButton(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFixedWidth(16);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_buddy, &QLineEdit::textChanged, this, &UpDownControl::followBuddy);
    m_buddy->installEventFilter(this);
}

void UpDownControl::setRange(int min, int max) {
    m_min = min;
    m_max = max;
    m_position = std::clamp(m_position, m_min, m_max);
}

void UpDownControl::setPosition(int position) {
    m_position = std::clamp(position, m_min, m_max);
    m_buddy->setText(QString::number(m_position));
}

void UpDownControl::step(int delta) {
    const int requested = m_position + delta;
    bool allow = true;
    if (m_changing)
        m_changing(requested, allow);
    if (!allow || requested < m_min || requested > m_max)
        return;
    setPosition(requested);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_buddy || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return QWidget::eventFilter(watched, event);
    step(key == Qt::Key_Up ? 1 : -1);
    return true;
}

void UpDownControl::followBuddy(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok && value >= m_min && value <= m_max)
        m_position = value;
}
