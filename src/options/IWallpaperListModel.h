#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The user's list of background pictures and the order in which the saver shows them.
class IWallpaperListModel {
public:
    static constexpr int32_t fixedOrder = 0;
    static constexpr int32_t randomOrder = 1;

    virtual ~IWallpaperListModel() = default;
    virtual int32_t orderMode() const = 0;
    virtual void setOrderMode(int32_t mode) = 0;
    // Full paths of the picture files, in list order.
    virtual const std::vector<std::string>& files() const = 0;
    virtual void setFiles(const std::vector<std::string>& files) = 0;
    // The picture for this start of the saver; moves on to the one for the next start.
    virtual std::string nextFile() = 0;
};
