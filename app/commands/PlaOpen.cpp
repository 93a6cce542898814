// Opening a PLA file in the window: a file of several outputs asks which one the map holds.
#include "app/commands/PlaOpen.h"

#include "ui/UserDialogs.h"

OutputChooser plaOutputChooser(IUserDialogs& dialogs, QWidget* parent) {
    return [&dialogs, parent](const std::vector<std::string>& labels) {
        QStringList items;
        for (const std::string& label : labels)
            items << QString::fromStdString(label);
        const auto chosen = dialogs.chooseItem(
            parent, QStringLiteral("Open Map"),
            QStringLiteral("The PLA file has %1 outputs. Which one should the map hold?")
                .arg(labels.size()),
            items);
        return chosen ? std::optional<std::size_t>(*chosen) : std::nullopt;
    };
}
