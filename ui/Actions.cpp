// Menu commands named for the tests and the language files that find them.
#include "ui/Actions.h"

#include <QAction>

QAction* namedAction(QObject* parent, const char* name, const char* caption, const char* hint) {
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    if (hint)
        action->setToolTip(QString::fromUtf8(hint));
    return action;
}
