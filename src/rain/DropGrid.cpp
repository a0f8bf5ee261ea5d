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
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {}

void DropGrid::clear() {
    for (const std::size_t cell : usedCells_) {
        cells_[cell].clear();
    }
    usedCells_.clear();
}

void DropGrid::insert(uint32_t index, int32_t x, int32_t y) {
    take(cellOf(x, y), index);
}

void DropGrid::move(uint32_t index, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    const std::size_t from = cellOf(fromX, fromY);
    const std::size_t to = cellOf(toX, toY);
    if (from != to) {
        remove(index, fromX, fromY);
        take(to, index);
    }
}

void DropGrid::remove(uint32_t index, int32_t x, int32_t y) {
    std::vector<uint32_t>& cell = cells_[cellOf(x, y)];
    const auto found = std::ranges::find(cell, index);
    if (found != cell.end()) {
        *found = cell.back();
        cell.pop_back();
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

void DropGrid::take(std::size_t cell, uint32_t index) {
    if (cells_[cell].empty()) {
        usedCells_.push_back(cell);
    }
    cells_[cell].push_back(index);
}
