// Menu commands named for the tests and the language files that find them.
#include "ui/Actions.h"

#include <QAction>
#include <QMenu>

QAction* namedAction(QObject* parent, const char* name, const char* caption, const char* hint) {
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    if (hint)
        action->setToolTip(QString::fromUtf8(hint));
    return action;
}

QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                    const QKeySequence& shortcut, const char* hint,
                    const std::function<void()>& handler) {
    QAction* action = namedAction(menu, name, caption, hint);
    menu->addAction(action);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, [handler] { handler(); });
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}
