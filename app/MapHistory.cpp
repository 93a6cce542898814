// The undo history of the map: steps of two shared snapshots on a QUndoStack.
#include "app/MapHistory.h"

#include <QUndoCommand>

/// One change of the map: the cells before and after it.
class MapChange : public QUndoCommand {
public:
    MapChange(MapHistory& history, std::shared_ptr<const MapCells> before,
              std::shared_ptr<const MapCells> after)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)) {}

    // The change has already been made when the step is pushed: the first redo does nothing.
    void redo() override {
        if (m_done)
            m_history.Apply(m_after);
        m_done = true;
    }
    void undo() override { m_history.Apply(m_before); }

private:
    MapHistory& m_history;
    std::shared_ptr<const MapCells> m_before;
    std::shared_ptr<const MapCells> m_after;
    bool m_done = false;
};

MapHistory::MapHistory(const TCarnoGrid& grid, Restorer restore, QObject* parent)
    : QObject(parent), m_grid(grid), m_restore(std::move(restore)),
      m_current(std::make_shared<const MapCells>(grid.Snapshot())) {
    m_stack.setUndoLimit(kStepLimit);
    connect(&m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

void MapHistory::Record() {
    if (m_applying)
        return;
    auto now = std::make_shared<const MapCells>(m_grid.Snapshot());
    if (*now == *m_current)
        return;
    auto before = std::exchange(m_current, now);
    m_stack.push(new MapChange(*this, std::move(before), std::move(now)));
}

void MapHistory::Reset() {
    m_current = std::make_shared<const MapCells>(m_grid.Snapshot());
    m_stack.clear(); // reports the change to clean itself
}

void MapHistory::MarkSaved() {
    Record();
    m_stack.setClean();
}

bool MapHistory::IsModified() const {
    return !m_stack.isClean();
}

void MapHistory::Undo() {
    Record(); // a change not yet recorded (a cell being typed) is undone first
    m_stack.undo();
}

void MapHistory::Redo() {
    m_stack.redo();
}

void MapHistory::Apply(const std::shared_ptr<const MapCells>& state) {
    m_applying = true;
    m_restore(*state);
    m_current = state;
    m_applying = false;
}
