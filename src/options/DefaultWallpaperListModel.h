#pragma once

#include "errors/BasicError.h"
#include "options/IWallpaperListModel.h"
#include "persistence/ClassId.h"
#include "persistence/IStreamableObject.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Persistence {
class InputStream;
}

// The wallpaper list as the options record stores it. The position reached is part of the
// stored body, so the pictures advance from one start of the saver to the next.
class DefaultWallpaperListModel : public IWallpaperListModel,
                                  public Persistence::IStreamableObject {
public:
    // nextFile() on an empty list: there is no picture to give.
    class EmptyListError : public BasicError {
    public:
        EmptyListError() : BasicError("The list of background images is empty") {}
    };

    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0x3A83620D, 0x379D, 0x47B8, {0x87, 0x01, 0x63, 0x9A, 0x3F, 0x82, 0x2D, 0x25});
    static constexpr uint32_t bodyVersion = 256;

    DefaultWallpaperListModel() = default;
    // Reads a body as write() stores it; a short body throws InputStream::CouldNotRead.
    explicit DefaultWallpaperListModel(Persistence::InputStream& stream);

    int32_t orderMode() const override { return orderMode_; }
    void setOrderMode(int32_t mode) override { orderMode_ = mode; }
    const std::vector<std::string>& files() const override { return files_; }
    // Keeps the position: an index the shorter list no longer reaches restarts at the first file.
    void setFiles(const std::vector<std::string>& files) override { files_ = files; }
    // In fixed order the files follow the list and wrap; in random order each start shows the
    // file drawn at the start before (the stored index at the very first). Any order mode other
    // than random counts as fixed. Throws EmptyListError when the list is empty.
    std::string nextFile() override;

    // Index of the file the next start shows.
    uint32_t nextIndex() const { return nextIndex_; }
    void setNextIndex(uint32_t index) { nextIndex_ = index; }

    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

private:
    int32_t orderMode_ = fixedOrder;
    std::vector<std::string> files_;
    uint32_t nextIndex_ = 0;
};
