// Menu commands named for the tests and the language files that find them.
#pragma once

class QAction;
class QObject;

/// A new action with `caption` and the object name `name` (which the language files address),
/// and `hint` as its tooltip when given.
QAction* namedAction(QObject* parent, const char* name, const char* caption,
                     const char* hint = nullptr);
