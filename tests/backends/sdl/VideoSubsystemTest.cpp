#include "backends/sdl/VideoSubsystem.h"

#include "display/DX5Error.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Sets or clears an environment variable for the life of the object.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvironmentVariable() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

} // namespace

TEST(VideoSubsystemTest, WithoutADisplayTheSaverRefusesToDrawUnseen) {
    const EnvironmentVariable display("DISPLAY", nullptr);
    const EnvironmentVariable wayland("WAYLAND_DISPLAY", nullptr);
    const EnvironmentVariable driver("SDL_VIDEODRIVER", nullptr);
    EXPECT_THROW(Sdl::VideoSubsystem video, DX5::NoDirectX5Error);
}

TEST(VideoSubsystemTest, AnInvisibleDriverServesWhenAskedForByName) {
    const EnvironmentVariable driver("SDL_VIDEODRIVER", "dummy");
    EXPECT_NO_THROW(Sdl::VideoSubsystem video);
}
