// What the desktop program and the screenshot tour both do before their event loop.
#pragma once

#include "app/AppWindows.h"
#include "ui/AppContext.h"

/// Names the application, which also names the user's settings and data folders, and lets
/// only the main window end it.
void setUpApplication();

/// The context of the running program: its folder, the user's folders, a settings file named
/// like the executable, and `initialMap` to open at start.
[[nodiscard]] AppContext programContext(IMessageBox& messages, IUserDialogs& dialogs,
                                        const QString& initialMap);

/// Shows the main window; once it has closed, the event loop ends.
void showMainWindow(const AppWindows& windows);
