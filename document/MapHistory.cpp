// The undo history of a map: a list of shared snapshots and the place the map stands in it.
#include "document/MapHistory.h"

#include <algorithm>
#include <utility>

MapHistory::MapHistory(const TCarnoGrid& grid, Restorer restore)
    : m_grid(grid),
      m_restore(std::move(restore)), m_states{std::make_shared<const MapCells>(grid.Snapshot())} {}

void MapHistory::Record() {
    if (m_applying)
        return;
    auto now = std::make_shared<const MapCells>(m_grid.Snapshot());
    if (*now == *m_states[m_position])
        return;
    Push(std::move(now));
    Changed();
}

void MapHistory::Push(State state) {
    m_states.resize(m_position + 1);
    // The saved state was among the steps that could have been redone.
    if (m_saved && *m_saved > m_position)
        m_saved.reset();
    m_states.push_back(std::move(state));
    ++m_position;
    DropOldestSteps();
}

void MapHistory::DropOldestSteps() {
    const auto excess = static_cast<std::size_t>(std::max(0, Count() - kStepLimit));
    if (excess == 0)
        return;
    m_states.erase(m_states.begin(), m_states.begin() + static_cast<std::ptrdiff_t>(excess));
    m_position -= excess;
    if (m_saved)
        m_saved = *m_saved < excess ? std::nullopt : std::optional(*m_saved - excess);
}

void MapHistory::Reset() {
    m_states = {std::make_shared<const MapCells>(m_grid.Snapshot())};
    m_position = 0;
    m_saved = 0;
    Changed();
}

void MapHistory::MarkSaved() {
    Record();
    m_saved = m_position;
    Changed();
}

bool MapHistory::IsModified() const {
    return m_saved != m_position;
}

void MapHistory::Undo() {
    Record();
    if (CanUndo())
        MoveTo(m_position - 1);
}

void MapHistory::Redo() {
    if (CanRedo())
        MoveTo(m_position + 1);
}

void MapHistory::MoveTo(std::size_t position) {
    m_applying = true;
    m_restore(*m_states[position]);
    m_position = position;
    m_applying = false;
    Changed();
}

void MapHistory::Changed() const {
    if (m_listener)
        m_listener();
}
