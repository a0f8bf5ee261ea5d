#pragma once

#include "settings/ValidationFailure.h"

#include <string>
#include <vector>

class IWallpaperListModel;

// One picture of the list: the file's name as the list shows it, and its full path.
struct WallpaperEntry {
    std::string text;
    std::string path;

    bool operator==(const WallpaperEntry&) const = default;
};

// The list of background pictures being edited: added after a check that they can be shown,
// removed, dragged into another order; and the order in which the saver shows them. Nothing
// reaches the wallpaper model before apply().
class WallpaperListEditorModel {
public:
    static constexpr int listId = 100;
    static constexpr int addId = 101;
    static constexpr int removeId = 102;
    static constexpr int fixedOrderId = 103;
    static constexpr int randomOrderId = 104;

    // The file chooser's filter is this string followed by " (*.bmp;*.jpg;*.jpeg)".
    static constexpr uint32_t filterDescription = 7010;
    static constexpr uint32_t unsupportedMessage = 7011;

    explicit WallpaperListEditorModel(IWallpaperListModel& model);

    const std::vector<WallpaperEntry>& entries() const { return entries_; }
    std::vector<std::string> paths() const;
    bool fixedOrderInitially() const;

    // Appends the files that are supported pictures; for each other one, the message that says
    // so, in the order of the files.
    std::vector<ValidationFailure> add(const std::vector<std::string>& paths);
    // False, and nothing changes, when there is no such entry.
    bool remove(int index);
    // Moves an entry so that it ends up at index `to`; false when either index is out of range.
    bool move(int from, int to);
    // A drag of one entry dropped on another: it goes before the target. False, with nothing
    // moved, when the target is the dragged entry or is not in the list.
    bool drop(int dragged, int target);

    bool validate() const { return true; }
    void apply(bool fixedOrderChecked) const;

private:
    bool contains(int index) const;

    IWallpaperListModel& model_;
    std::vector<WallpaperEntry> entries_;
};
