// Menu commands named for the tests and the language files that find them.
#pragma once

#include <QKeySequence>

#include <functional>

class QAction;
class QMenu;
class QObject;

/// A new action with `caption` and the object name `name` (which the language files address),
/// and `hint` as its tooltip when given.
QAction* namedAction(QObject* parent, const char* name, const char* caption,
                     const char* hint = nullptr);

/// Adds a named action (see namedAction) to the end of `menu` that runs `handler` when
/// triggered, with `shortcut` when it is not empty.
QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                    const QKeySequence& shortcut, const char* hint,
                    const std::function<void()>& handler);

/// Adds a separator named `name` to the end of `menu`.
void addSeparator(QMenu* menu, const char* name);
