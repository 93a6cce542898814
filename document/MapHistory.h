// MapHistory: the undo and redo steps of a map's cells, each holding the cells before and after.
#pragma once

#include "engine/CarnoGrid.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

/// Records every change of the map as one step. The owner calls Record after each command
/// that may have written cells; a command that changed nothing leaves no step. Steps share
/// their snapshots: the state after one step is the state before the next. Recording a step
/// after an undo drops the steps that could have been redone.
class MapHistory {
public:
    /// Puts a snapshot back into the map and brings whatever shows it in step with it.
    using Restorer = std::function<void(const MapCells&)>;
    /// Told after what can be undone or redone, or whether the map is modified, may have changed.
    using Listener = std::function<void()>;

    /// At least this many steps can be undone; older ones are dropped.
    static constexpr int kStepLimit = 100;

    MapHistory(const TCarnoGrid& grid, Restorer restore);

    void SetListener(Listener listener) { m_listener = std::move(listener); }

    /// Adds a step from the last recorded state to the map as it is now, if they differ.
    /// Ignored while a step is being undone or redone.
    void Record();
    /// Starts a new history at the map as it is now (after a load); the map counts as saved.
    void Reset();
    /// Marks the map as it is now as saved.
    void MarkSaved();
    /// Whether the map differs from the state last loaded or saved: whether the history stands
    /// elsewhere than at that state, or that state was dropped.
    [[nodiscard]] bool IsModified() const;

    /// Undoes the last step; a change not yet recorded (a cell being typed) is recorded first.
    void Undo();
    void Redo();
    [[nodiscard]] bool CanUndo() const { return m_position > 0; }
    [[nodiscard]] bool CanRedo() const { return m_position + 1 < m_states.size(); }
    /// Number of steps kept, undone ones included.
    [[nodiscard]] int Count() const { return static_cast<int>(m_states.size()) - 1; }

private:
    using State = std::shared_ptr<const MapCells>;

    void Push(State state);
    void DropOldestSteps();
    void MoveTo(std::size_t position);
    void Changed() const;

    const TCarnoGrid& m_grid;
    Restorer m_restore;
    Listener m_listener;
    /// The state before the first step, then the state after each step.
    std::vector<State> m_states;
    /// Which of m_states the map holds.
    std::size_t m_position = 0;
    /// Which of m_states was last loaded or saved; none when that state was dropped.
    std::optional<std::size_t> m_saved = 0;
    bool m_applying = false;
};
