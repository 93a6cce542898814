// Names for screen readers taken from the controls' hints.
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QEvent>
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
