// MapHistory: the undo and redo steps of the map's cells, each holding the cells before and after.
#pragma once

#include "engine/CarnoGrid.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>

/// Records every change of the map as one step. The window calls Record after each command
/// that may have written cells; a command that changed nothing leaves no step. Steps share
/// their snapshots: the state after one step is the state before the next.
class MapHistory : public QObject {
    Q_OBJECT
public:
    /// Puts a snapshot back into the map and brings the window's controls in step with it.
    using Restorer = std::function<void(const MapCells&)>;

    /// At least this many steps can be undone.
    static constexpr int kStepLimit = 100;

    MapHistory(const TCarnoGrid& grid, Restorer restore, QObject* parent = nullptr);

    /// Adds a step from the last recorded state to the map as it is now, if they differ.
    void Record();
    /// Starts a new history at the map as it is now (after a load); the map counts as saved.
    void Reset();
    /// Marks the map as it is now as saved.
    void MarkSaved();
    /// Whether the map differs from the state last loaded or saved.
    [[nodiscard]] bool IsModified() const;

    void Undo();
    void Redo();
    [[nodiscard]] bool CanUndo() const { return m_stack.canUndo(); }
    [[nodiscard]] bool CanRedo() const { return m_stack.canRedo(); }
    [[nodiscard]] int Count() const { return m_stack.count(); }
    [[nodiscard]] QUndoStack& Stack() { return m_stack; }

signals:
    /// The map became modified or saved.
    void modifiedChanged(bool modified);

private:
    friend class MapChange;
    void Apply(const std::shared_ptr<const MapCells>& state);

    const TCarnoGrid& m_grid;
    Restorer m_restore;
    QUndoStack m_stack;
    std::shared_ptr<const MapCells> m_current;
    bool m_applying = false;
};
