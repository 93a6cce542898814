// Names from the controls' hints, and Enter on the focused button.
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace {

/// Keeps the accessible name of the control it watches equal to the control's tooltip.
class HintAsName : public QObject {
public:
    explicit HintAsName(QWidget* control) : QObject(control), m_control(control) {
        control->installEventFilter(this);
        m_control->setAccessibleName(m_control->toolTip());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_control && event->type() == QEvent::ToolTipChange)
            m_control->setAccessibleName(m_control->toolTip());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_control;
};

/// Clicks the button it watches on Enter while the button has the focus.
class EnterPresses : public QObject {
public:
    explicit EnterPresses(QPushButton* button) : QObject(button), m_button(button) {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_button || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return QObject::eventFilter(watched, event);
        m_button->click();
        return true;
    }

private:
    QPushButton* m_button;
};

bool hasName(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return !face || !face->text(QAccessible::Name).trimmed().isEmpty();
}

} // namespace

void nameControlsByHints(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->toolTip().isEmpty() || control->isWindow() || hasName(control))
            continue;
        new HintAsName(control);
    }
}

void pressFocusedButtonsOnEnter(QWidget* window) {
    // Default buttons take Enter already.
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (!button->autoDefault() && !button->isDefault())
            new EnterPresses(button);
}
