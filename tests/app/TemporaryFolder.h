#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// A fresh folder that an environment variable points to while the object lives.
class TemporaryFolderVariable {
public:
    explicit TemporaryFolderVariable(std::string variable) : variable_(std::move(variable)) {
        if (const char* old = std::getenv(variable_.c_str())) {
            previous_ = old;
        }
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pluvo-app-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::setenv(variable_.c_str(), path_.c_str(), 1);
    }
    ~TemporaryFolderVariable() {
        if (previous_) {
            ::setenv(variable_.c_str(), previous_->c_str(), 1);
        } else {
            ::unsetenv(variable_.c_str());
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
