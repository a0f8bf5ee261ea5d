#include "options/DefaultWallpaperListModel.h"

#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"
#include "platform/Rand15.h"

#include <memory>

namespace {

std::unique_ptr<Persistence::IStreamableObject>
readWallpaperList(Persistence::InputStream& stream) {
    return std::make_unique<DefaultWallpaperListModel>(stream);
}

const Persistence::ClassRegistration registration{DefaultWallpaperListModel::streamClassId,
                                                  readWallpaperList};

} // namespace

DefaultWallpaperListModel::DefaultWallpaperListModel(Persistence::InputStream& stream) {
    // Every body version so far has the same fields.
    stream.readUInt32();
    orderMode_ = stream.readInt32();
    // No reserve from the stored count: a damaged count must end in a short read, not in a
    // huge allocation.
    for (uint32_t count = stream.readUInt32(); count > 0; --count) {
        files_.push_back(stream.readString());
    }
    nextIndex_ = stream.readUInt32();
}

std::string DefaultWallpaperListModel::nextFile() {
    if (files_.empty()) {
        throw EmptyListError();
    }
    const auto count = static_cast<uint32_t>(files_.size());
    uint32_t index = nextIndex_;
    if (orderMode_ == randomOrder) {
        nextIndex_ = static_cast<uint32_t>(rand15()) % count;
    } else {
        nextIndex_ = index + 1;
    }
    if (index >= count) {
        index = 0;
        nextIndex_ = 1;
    }
    return files_[index];
}

void DefaultWallpaperListModel::write(Persistence::OutputStream& stream) const {
    stream.writeUInt32(bodyVersion);
    stream.writeInt32(orderMode_);
    stream.writeUInt32(static_cast<uint32_t>(files_.size()));
    for (const std::string& file : files_) {
        stream.writeString(file);
    }
    stream.writeUInt32(nextIndex_);
}
