// Names for screen readers in the main window that its controls do not give by themselves.
#pragma once

class CarnoGridView;
class QTreeWidget;
class QWidget;

/// Names the count box of `window` by its label, gives the map, the result tree and the count
/// arrows names of their own and each map cell a description of its place (row, column,
/// minterm). The texts that no control holds go to the window's text table, so that languages
/// reach them. Runs while the window is created, before its texts are written.
void setUpMainAccessibility(QWidget& window, CarnoGridView* map, QTreeWidget* results);
