// WindowTexts: the texts of a window that no control shows (messages, status hints, counted
// phrases), translated like the controls' texts.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

/// A window's texts that are not a property of one of its controls. Named "Texts", it is a
/// component of its window: the translation component writes each entry under the key
/// "Window.Texts.<id>", and a language file line with that key replaces it. A text whose
/// forms are separated by "|" is a counted text (see `counted`).
class WindowTexts : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString id;
        QString text;
    };

    /// Puts an empty table on `window`.
    explicit WindowTexts(QObject* window);

    /// Adds the built-in text `text` under `id`.
    void add(const QString& id, const QString& text);
    /// The text under `id`; empty when there is none.
    [[nodiscard]] QString text(const QString& id) const;
    /// The form of the counted text `id` that fits `n`, with "%1" replaced by `n`.
    [[nodiscard]] QString counted(const QString& id, qint64 n) const;
    /// Replaces the text under `id`, matched without regard to case; false when there is none.
    bool setText(const QString& id, const QString& value);
    /// The entries in the order they were added.
    [[nodiscard]] const std::vector<Entry>& entries() const { return m_entries; }

    /// The table that sits on `window`, if any.
    [[nodiscard]] static WindowTexts* of(const QObject* window);
    /// The table of `window`, put on it when it has none yet: the pieces of one window share
    /// one table.
    static WindowTexts* on(QObject* window);

signals:
    /// A text was replaced (a language was applied).
    void changed();

private:
    std::vector<Entry> m_entries;
};

/// The form of `forms` (separated by "|") that a language uses for the number `n`: one form
/// serves every number; of two, the first is for 1 and the second for every other number; of
/// three, the first is for 1, 21, 31, ... (not 11), the second for 2-4, 22-24, ... (not
/// 12-14), the third for the rest.
[[nodiscard]] QString pluralForm(const QString& forms, qint64 n);
