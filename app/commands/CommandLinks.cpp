// What the main window's commands work on: the refusal of a result of an earlier map.
#include "app/commands/CommandLinks.h"

#include "engine/CarnoGrid.h"
#include "ui/WindowTexts.h"

#include <QTreeWidget>

bool refuseStaleResult(const MapLinks& links) {
    if (links.results->topLevelItemCount() == 0 || links.resultIsCurrent())
        return false;
    const QString text = WindowTexts::of(links.window)->text(QStringLiteral("StaleResult"));
    links.grid->Message(text.toStdString(), MsgKind::Information, MsgButtons::Ok);
    return true;
}
