// Screen-reader names of the main window: the count box, the map and its cells, the result
// tree and the count arrows.
#include "app/MainAccessibility.h"

#include "app/CarnoGridView.h"
#include "app/Main.h"
#include "app/UpDown.h"
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

void applyTexts(TForm1& form, const WindowTexts& texts) {
    form.MapView()->setCellDescription(texts.text(QStringLiteral("CellDescription")));
    if (auto* arrows = form.findChild<UpDownControl*>(QStringLiteral("UpDown1"))) {
        arrows->upButton()->setAccessibleName(texts.text(QStringLiteral("MoreVariables")));
        arrows->downButton()->setAccessibleName(texts.text(QStringLiteral("FewerVariables")));
    }
}

} // namespace

void setUpMainAccessibility(TForm1& form) {
    if (auto* label = form.findChild<QLabel*>(QStringLiteral("CountLabel")))
        label->setBuddy(form.findChild<QLineEdit*>(QStringLiteral("Edit1")));
    form.MapView()->setAccessibleName(QStringLiteral("Karnaugh map"));
    form.ResultTree()->setAccessibleName(QStringLiteral("Result"));
    WindowTexts* texts = WindowTexts::on(&form);
    addTexts(*texts);
    applyTexts(form, *texts);
    QObject::connect(texts, &WindowTexts::changed, &form,
                     [&form, texts] { applyTexts(form, *texts); });
}
