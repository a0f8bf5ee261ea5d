#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Drops by position: the picture is cut into square cells and each drop is kept in the cell of
// its centre, so that a probe only looks at the drops of the few cells within its reach instead
// of at every drop. Drops are named by their place in the system's list, and their centres are
// kept beside, so that a probe can pass over the drops out of its reach without fetching them.
class DropGrid {
public:
    struct Entry {
        uint32_t index;
        int32_t x;
        int32_t y;
    };

    DropGrid(int32_t width, int32_t height, int32_t cellSize);

    void clear();
    void insert(uint32_t index, int32_t x, int32_t y);
    void move(uint32_t index, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    void remove(uint32_t index, int32_t x, int32_t y);

    // Calls visit(entry) for every drop whose centre may lie within reach of (px, py), and for
    // some beyond it; the caller tests each one.
    template <typename Visit>
    void forEachNear(int32_t px, int32_t py, int32_t reach, Visit visit) const {
        const int32_t firstColumn = columnOf(px - reach);
        const int32_t lastColumn = columnOf(px + reach);
        const int32_t firstRow = rowOf(py - reach);
        const int32_t lastRow = rowOf(py + reach);
        for (int32_t row = firstRow; row <= lastRow; ++row) {
            for (int32_t column = firstColumn; column <= lastColumn; ++column) {
                const std::size_t cell = cellAt(column, row);
                if (filled_[cell] != 0) {
                    cells_[cell].forEach(visit);
                }
            }
        }
    }

private:
    // The first few drops of a cell lie in the cell itself, on the same cache line, so that a
    // probe fetches one line for a cell of a few drops; more go into a list of their own.
    class alignas(64) Cell {
    public:
        bool empty() const { return count_ == 0; }
        void clear();
        void add(const Entry& entry);
        Entry* find(uint32_t index);
        // The last drop takes the place of the one removed.
        void remove(Entry& entry);

        template <typename Visit> void forEach(Visit& visit) const {
            const uint32_t inCell = count_ < near_.size() ? count_ : near_.size();
            for (uint32_t i = 0; i < inCell; ++i) {
                visit(near_[i]);
            }
            for (const Entry& entry : more_) {
                visit(entry);
            }
        }

    private:
        Entry& at(uint32_t position);

        std::array<Entry, 3> near_{};
        uint32_t count_ = 0;
        std::vector<Entry> more_;
    };

    // Drops off the picture share the border cells, so every position has a cell.
    int32_t columnOf(int32_t x) const;
    int32_t rowOf(int32_t y) const;
    std::size_t cellAt(int32_t column, int32_t row) const;
    std::size_t cellOf(int32_t x, int32_t y) const { return cellAt(columnOf(x), rowOf(y)); }
    void take(std::size_t cell, const Entry& entry);

    int32_t cellSize_;
    int32_t columns_;
    int32_t rows_;
    std::vector<Cell> cells_;
    // Whether each cell holds a drop. Most cells within a probe's reach are empty; this small
    // table stays in the caches where the cells themselves would not, so that a probe fetches
    // only the cells that hold drops.
    std::vector<uint8_t> filled_;
    // Cells that may hold drops, so that clearing does not visit every cell.
    std::vector<std::size_t> usedCells_;
};
