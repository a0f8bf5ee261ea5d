#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

inline void setVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void unsetVariable(const std::string& name) {
#ifdef _WIN32
    _putenv_s(name.c_str(), "");
#else
    ::unsetenv(name.c_str());
#endif
}

// A new, empty folder in the temporary folder.
inline std::filesystem::path freshTemporaryFolder() {
    std::random_device random;
    for (;;) {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("pluvo-app-" + std::to_string(random()));
        if (std::filesystem::create_directory(path)) {
            return path;
        }
    }
}

// A fresh folder that an environment variable points to while the object lives.
class TemporaryFolderVariable {
public:
    explicit TemporaryFolderVariable(std::string variable) : variable_(std::move(variable)) {
        if (const char* old = std::getenv(variable_.c_str())) {
            previous_ = old;
        }
        path_ = freshTemporaryFolder();
        setVariable(variable_, path_.string());
    }
    ~TemporaryFolderVariable() {
        if (previous_) {
            setVariable(variable_, *previous_);
        } else {
            unsetVariable(variable_);
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolderVariable(const TemporaryFolderVariable&) = delete;
    TemporaryFolderVariable& operator=(const TemporaryFolderVariable&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::string variable_;
    std::optional<std::string> previous_;
    std::filesystem::path path_;
};
