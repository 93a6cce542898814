// Copying cells out as tab-separated text and reading such text back as cell values.
#include "app/commands/MapClipboard.h"

#include <QStringList>

#include <algorithm>

QString cellsAsText(const TCarnoGrid& grid, const QRect& area) {
    QString text;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        QStringList values;
        for (int col = area.left(); col <= area.right(); ++col)
            values << QString::fromStdString(grid.Cells(col, row));
        text += values.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

std::optional<CellBlock> cellsFromText(const QString& text) {
    QString body = text;
    body.remove(QLatin1Char('\r'));
    if (body.endsWith(QLatin1Char('\n')))
        body.chop(1);
    CellBlock block;
    for (const QString& line : body.split(QLatin1Char('\n'))) {
        std::vector<std::string> row;
        for (const QString& raw : line.split(QLatin1Char('\t'))) {
            std::string value = raw.trimmed().toStdString();
            if (!TCarnoGrid::IsCellValue(value))
                return std::nullopt;
            row.push_back(std::move(value));
        }
        block.push_back(std::move(row));
    }
    return block;
}

int blockWidth(const CellBlock& block) {
    std::size_t width = 0;
    for (const auto& row : block)
        width = std::max(width, row.size());
    return static_cast<int>(width);
}
