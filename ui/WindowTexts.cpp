// The texts of a window that no control shows, and the choice of a counted text's form.
#include "ui/WindowTexts.h"

#include <QStringList>

#include <cstdlib>

namespace {

/// Index of the form for `n` among `count` forms.
qsizetype formIndex(qsizetype count, qint64 n) {
    const qint64 units = std::llabs(n) % 10;
    const qint64 tens = std::llabs(n) % 100;
    if (count == 2)
        return n == 1 ? 0 : 1;
    if (count < 3)
        return 0;
    if (units == 1 && tens != 11)
        return 0;
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
        return 1;
    return 2;
}

} // namespace

QString pluralForm(const QString& forms, qint64 n) {
    const QStringList list = forms.split(QLatin1Char('|'));
    return list[formIndex(list.size(), n)];
}

WindowTexts::WindowTexts(QObject* window) : QObject(window) {
    setObjectName(QStringLiteral("Texts"));
}

void WindowTexts::add(const QString& id, const QString& text) {
    m_entries.push_back({id, text});
}

QString WindowTexts::text(const QString& id) const {
    for (const Entry& entry : m_entries)
        if (entry.id == id)
            return entry.text;
    return {};
}

QString WindowTexts::counted(const QString& id, qint64 n) const {
    const QString form = pluralForm(text(id), n);
    return form.contains(QLatin1String("%1")) ? form.arg(n) : form;
}

bool WindowTexts::setText(const QString& id, const QString& value) {
    for (Entry& entry : m_entries) {
        if (entry.id.compare(id, Qt::CaseInsensitive) != 0)
            continue;
        entry.text = value;
        emit changed();
        return true;
    }
    return false;
}

WindowTexts* WindowTexts::of(const QObject* window) {
    return window->findChild<WindowTexts*>(QStringLiteral("Texts"), Qt::FindDirectChildrenOnly);
}

WindowTexts* WindowTexts::on(QObject* window) {
    if (WindowTexts* table = of(window))
        return table;
    return new WindowTexts(window);
}
