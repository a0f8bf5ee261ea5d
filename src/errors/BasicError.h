#pragma once

#include <exception>
#include <string>

// The root of every error the program raises: a message meant for the user.
class BasicError : public std::exception {
public:
    explicit BasicError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};
