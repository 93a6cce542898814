// Names for screen readers: controls that show no text of their own read their hint.
#pragma once

class QWidget;

/// Gives every control of `window` that has no accessible name (an icon button, a box without
/// a label) its hint as its name, and keeps the name in step with the hint when a language
/// changes it. Controls named by their text, their label or a name of their own keep it.
void nameControlsByHints(QWidget* window);
