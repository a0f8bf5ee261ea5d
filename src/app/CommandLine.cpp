#include "app/CommandLine.h"

#include "app/CommandLineSettings.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <istream>
#include <limits>
#include <sstream>

namespace {

constexpr int32_t noWindow = 0;
constexpr int32_t rootWindow = 0;

// atoi's reading (blanks, a sign, leading digits, 0 when there are none), except that a value
// outside int32 gives 0 rather than undefined behaviour: a wrapped or clamped handle would
// name some unrelated window.
int32_t leadingNumber(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE || value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        return noWindow;
    }
    return static_cast<int32_t>(value);
}

// An X11 window id as the saver daemon writes it: decimal or 0x-hexadecimal, the whole text,
// positive and within int32. Anything else is not a window.
std::optional<int32_t> windowId(const std::string& text) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (errno == ERANGE || *end != '\0' || value == 0 ||
        value > static_cast<unsigned long long>(std::numeric_limits<int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

std::string nextToken(std::istream& stream) {
    std::string token;
    stream >> token;
    return token;
}

// The quoted path after "kill": everything up to the closing quote or the end of the text.
std::string quotedPath(std::istream& stream) {
    stream >> std::ws;
    if (stream.get() != '"') {
        return {};
    }
    std::string path;
    std::getline(stream, path, '"');
    return path;
}

class Parser {
public:
    Parser(std::string_view text, const std::optional<std::string>& environmentWindow)
        : stream_{std::string(text)}, environmentWindow_(windowIdOf(environmentWindow)) {
        // Started by the daemon with its window in the environment and no option of ours, the
        // rain goes into that window.
        if (environmentWindow_) {
            selectHosted(*environmentWindow_);
        }
    }

    CommandLine parse() {
        std::string token;
        while (stream_ >> token) {
            if (token.front() == '-' || token.front() == '/') {
                parseOption(token.substr(1));
            }
        }
        return result_;
    }

private:
    static std::optional<int32_t> windowIdOf(const std::optional<std::string>& text) {
        return text ? windowId(*text) : std::nullopt;
    }

    void parseOption(const std::string& option) {
        if (option == "s" || option == "S") {
            select(RunMode::Saver, result_.parentWindow);
        } else if (option == "p" || option == "P") {
            select(RunMode::Preview, leadingNumber(nextToken(stream_)));
        } else if (option.front() == 'c' || option.front() == 'C') {
            select(RunMode::Settings,
                   leadingNumber(option.substr(std::min<size_t>(2, option.size()))));
        } else if (option == "uninstall") {
            select(RunMode::UninstallHandOver, result_.parentWindow);
        } else if (option == "kill") {
            select(RunMode::Uninstall, result_.parentWindow);
            result_.uninstallTarget = quotedPath(stream_);
        } else {
            parseDesktopOption(option);
        }
    }

    // The daemon's options and our own window mode.
    void parseDesktopOption(const std::string& option) {
        if (option == "root") {
            // The daemon starts its savers with -root and names in the environment the window
            // it wants them to draw into; without one, the root is the whole screen.
            selectHosted(environmentWindow_.value_or(rootWindow));
        } else if (option == "window-id" || option == "-window-id") {
            if (const std::optional<int32_t> window = windowId(nextToken(stream_))) {
                selectHosted(*window);
            }
        } else if (option == "-window") {
            select(RunMode::Saver, result_.parentWindow);
            result_.windowed = true;
        } else if (option.starts_with('-')) {
            parseSetting(option.substr(1));
        }
    }

    void parseSetting(const std::string& name) {
        if (!CommandLineSettings::isKnown(name)) {
            return;
        }
        CommandLine::SettingArgument argument{name, std::nullopt};
        if (CommandLineSettings::takesValue(name)) {
            std::string value = nextToken(stream_);
            if (!value.empty()) {
                argument.value = std::move(value);
            }
        }
        result_.settings.push_back(std::move(argument));
    }

    void selectHosted(int32_t window) {
        select(RunMode::Saver, window);
        result_.hosted = true;
    }

    // Every mode option replaces what an earlier one chose, the windowed and hosted flags
    // included.
    void select(RunMode mode, int32_t parentWindow) {
        result_.mode = mode;
        result_.parentWindow = parentWindow;
        result_.windowed = false;
        result_.hosted = false;
    }

    std::istringstream stream_;
    std::optional<int32_t> environmentWindow_;
    CommandLine result_;
};

} // namespace

CommandLine CommandLine::parse(std::string_view text,
                               const std::optional<std::string>& environmentWindow) {
    return Parser(text, environmentWindow).parse();
}
