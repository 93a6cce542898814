// Screen-reader names of the main window: the count box, the map and its cells, the result
// tree and the count arrows.
#include "app/MainAccessibility.h"

#include "app/UpDown.h"
#include "app/views/CarnoGridView.h"
#include "ui/WindowTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

void addTexts(WindowTexts& texts) {
    texts.add(QStringLiteral("CellDescription"),
              QStringLiteral("row %1 (%2), column %3 (%4), minterm %5"));
    texts.add(QStringLiteral("MoreVariables"), QStringLiteral("One variable more"));
    texts.add(QStringLiteral("FewerVariables"), QStringLiteral("One variable fewer"));
}

void applyTexts(QWidget& window, CarnoGridView* map, const WindowTexts& texts) {
    map->setCellDescription(texts.text(QStringLiteral("CellDescription")));
    if (auto* arrows = window.findChild<UpDownControl*>(QStringLiteral("UpDown1"))) {
        arrows->upButton()->setAccessibleName(texts.text(QStringLiteral("MoreVariables")));
        arrows->downButton()->setAccessibleName(texts.text(QStringLiteral("FewerVariables")));
    }
}

} // namespace

void setUpMainAccessibility(QWidget& window, CarnoGridView* map, QTreeWidget* results) {
    if (auto* label = window.findChild<QLabel*>(QStringLiteral("CountLabel")))
        label->setBuddy(window.findChild<QLineEdit*>(QStringLiteral("Edit1")));
    map->setAccessibleName(QStringLiteral("Karnaugh map"));
    results->setAccessibleName(QStringLiteral("Result"));
    WindowTexts* texts = WindowTexts::on(&window);
    addTexts(*texts);
    applyTexts(window, map, *texts);
    QObject::connect(texts, &WindowTexts::changed, &window,
                     [&window, map, texts] { applyTexts(window, map, *texts); });
}
