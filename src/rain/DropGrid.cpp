#include "rain/DropGrid.h"

#include <algorithm>

namespace {

int32_t cellsFor(int32_t length, int32_t cellSize) {
    return std::max(1, (length + cellSize - 1) / cellSize);
}

} // namespace

DropGrid::DropGrid(int32_t width, int32_t height, int32_t cellSize)
    : cellSize_(std::max(cellSize, 1)), columns_(cellsFor(width, cellSize_)),
      rows_(cellsFor(height, cellSize_)),
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)),
      filled_(cells_.size(), 0) {}

void DropGrid::clear() {
    for (const std::size_t cell : usedCells_) {
        cells_[cell].clear();
        filled_[cell] = 0;
    }
    usedCells_.clear();
}

void DropGrid::insert(uint32_t index, int32_t x, int32_t y) {
    take(cellOf(x, y), {index, x, y});
}

void DropGrid::move(uint32_t index, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    const std::size_t from = cellOf(fromX, fromY);
    const std::size_t to = cellOf(toX, toY);
    if (from != to) {
        remove(index, fromX, fromY);
        take(to, {index, toX, toY});
        return;
    }
    if (Entry* found = cells_[from].find(index)) {
        found->x = toX;
        found->y = toY;
    }
}

void DropGrid::remove(uint32_t index, int32_t x, int32_t y) {
    const std::size_t at = cellOf(x, y);
    Cell& cell = cells_[at];
    if (Entry* found = cell.find(index)) {
        cell.remove(*found);
        filled_[at] = cell.empty() ? 0 : 1;
    }
}

int32_t DropGrid::columnOf(int32_t x) const {
    return std::clamp(x < 0 ? -1 : x / cellSize_, 0, columns_ - 1);
}

int32_t DropGrid::rowOf(int32_t y) const {
    return std::clamp(y < 0 ? -1 : y / cellSize_, 0, rows_ - 1);
}

std::size_t DropGrid::cellAt(int32_t column, int32_t row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
}

void DropGrid::take(std::size_t cell, const Entry& entry) {
    if (cells_[cell].empty()) {
        usedCells_.push_back(cell);
    }
    cells_[cell].add(entry);
    filled_[cell] = 1;
}

void DropGrid::Cell::clear() {
    count_ = 0;
    more_.clear();
}

void DropGrid::Cell::add(const Entry& entry) {
    if (count_ < near_.size()) {
        near_[count_] = entry;
    } else {
        more_.push_back(entry);
    }
    ++count_;
}

DropGrid::Entry& DropGrid::Cell::at(uint32_t position) {
    return position < near_.size() ? near_[position] : more_[position - near_.size()];
}

DropGrid::Entry* DropGrid::Cell::find(uint32_t index) {
    for (uint32_t position = 0; position < count_; ++position) {
        if (at(position).index == index) {
            return &at(position);
        }
    }
    return nullptr;
}

void DropGrid::Cell::remove(Entry& entry) {
    entry = at(--count_);
    if (count_ >= near_.size()) {
        more_.pop_back();
    }
}
