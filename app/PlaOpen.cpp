// Opening a PLA file in the window: a file of several outputs asks which one the map holds.
#include "app/PlaOpen.h"

#include "interchange/Pla.h"
#include "ui/UserDialogs.h"

namespace {

/// The output the user chooses; the only one without asking; nothing when cancelled.
std::optional<std::size_t> chosenOutput(const BooleanFunction& function, IUserDialogs& dialogs,
                                        QWidget* parent) {
    const std::size_t count = function.outputs.size();
    if (count == 1)
        return 0;
    QStringList labels;
    for (std::size_t output = 0; output < count; ++output)
        labels << QString::fromStdString(function.OutputLabel(output));
    const auto chosen = dialogs.chooseItem(
        parent, QStringLiteral("Open Map"),
        QStringLiteral("The PLA file has %1 outputs. Which one should the map hold?").arg(count),
        labels);
    if (!chosen)
        return std::nullopt;
    return static_cast<std::size_t>(*chosen);
}

} // namespace

bool openPlaFile(TCarnoGrid& grid, const std::string& path, IUserDialogs& dialogs,
                 QWidget* parent) {
    const auto function = loadPlaOutputs(grid, path);
    if (!function)
        return false;
    const auto output = chosenOutput(*function, dialogs, parent);
    if (!output)
        return false;
    applyPla(grid, plaOutput(*function, *output));
    return true;
}
