#include "settings/WallpaperListEditorModel.h"

#include "images/ImageLoader.h"
#include "options/IWallpaperListModel.h"

#include <filesystem>

namespace {

WallpaperEntry entryFor(const std::string& path) {
    return {std::filesystem::path(path).filename().string(), path};
}

} // namespace

WallpaperListEditorModel::WallpaperListEditorModel(IWallpaperListModel& model) : model_(model) {
    for (const std::string& path : model.files()) {
        entries_.push_back(entryFor(path));
    }
}

std::vector<std::string> WallpaperListEditorModel::paths() const {
    std::vector<std::string> result;
    for (const WallpaperEntry& entry : entries_) {
        result.push_back(entry.path);
    }
    return result;
}

bool WallpaperListEditorModel::fixedOrderInitially() const {
    return model_.orderMode() == IWallpaperListModel::fixedOrder;
}

std::vector<ValidationFailure>
WallpaperListEditorModel::add(const std::vector<std::string>& paths) {
    std::vector<ValidationFailure> refused;
    for (const std::string& path : paths) {
        if (Graphics::isSupportedImage(path)) {
            entries_.push_back(entryFor(path));
        } else {
            refused.push_back({unsupportedMessage, ValidationFailure::Caption::applicationTitle,
                               ValidationFailure::noControl, path});
        }
    }
    return refused;
}

bool WallpaperListEditorModel::remove(int index) {
    if (!contains(index)) {
        return false;
    }
    entries_.erase(entries_.begin() + index);
    return true;
}

bool WallpaperListEditorModel::move(int from, int to) {
    if (!contains(from) || !contains(to)) {
        return false;
    }
    WallpaperEntry moved = std::move(entries_[static_cast<size_t>(from)]);
    entries_.erase(entries_.begin() + from);
    entries_.insert(entries_.begin() + to, std::move(moved));
    return true;
}

bool WallpaperListEditorModel::drop(int dragged, int target) {
    if (target == dragged || !contains(dragged) || !contains(target)) {
        return false;
    }
    // Inserted before the target, then taken out of its old place, which lies before the target
    // when the drag went down.
    return move(dragged, target < dragged ? target : target - 1);
}

void WallpaperListEditorModel::apply(bool fixedOrderChecked) const {
    model_.setFiles(paths());
    model_.setOrderMode(fixedOrderChecked ? IWallpaperListModel::fixedOrder
                                          : IWallpaperListModel::randomOrder);
}

bool WallpaperListEditorModel::contains(int index) const {
    return index >= 0 && index < static_cast<int>(entries_.size());
}
