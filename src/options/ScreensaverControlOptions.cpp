#include "options/ScreensaverControlOptions.h"

#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <memory>

namespace {

std::unique_ptr<Persistence::IStreamableObject>
readControlOptions(Persistence::InputStream& stream) {
    return std::make_unique<ScreensaverControlOptions>(stream);
}

const Persistence::ClassRegistration registration{ScreensaverControlOptions::streamClassId,
                                                  readControlOptions};

} // namespace

ScreensaverControlOptions::ScreensaverControlOptions(Persistence::InputStream& stream) {
    // Every body version so far has the same fields.
    stream.readUInt32();
    maxCpuLoad_ = stream.readInt32();
    resetPeriod_ = stream.readInt32();
    interruptMode_ = stream.readInt32();
    resetEnabled_ = stream.readByte() != 0;
}

void ScreensaverControlOptions::write(Persistence::OutputStream& stream) const {
    stream.writeUInt32(bodyVersion);
    stream.writeInt32(maxCpuLoad_);
    stream.writeInt32(resetPeriod_);
    stream.writeInt32(interruptMode_);
    stream.writeByte(resetEnabled_ ? 1 : 0);
}
