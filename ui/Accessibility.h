// Keyboard and screen-reader comforts: names from hints, Enter on the focused button.
#pragma once

class QWidget;

/// Gives every control of `window` that has no accessible name (an icon button, a box without
/// a label) its hint as its name, and keeps the name in step with the hint when a language
/// changes it. Controls named by their text, their label or a name of their own keep it.
void nameControlsByHints(QWidget* window);

/// Lets Enter press every push button of `window` that has the focus, also the buttons that
/// are no default button, so that Enter typed in a box or a table does not close the dialog.
void pressFocusedButtonsOnEnter(QWidget* window);
