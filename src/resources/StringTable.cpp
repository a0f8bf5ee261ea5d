#include "resources/StringTable.h"

#include "resources/ResourceErrors.h"

#include <charconv>

namespace Resources {

namespace {

Error lineError(std::size_t lineNumber, std::string_view problem) {
    return Error("String table line " + std::to_string(lineNumber) + ": " + std::string(problem));
}

bool isBlank(char c) {
    // A carriage return is a blank so that files saved with CRLF line ends still read.
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads one line of the table, left to right.
class LineParser {
public:
    LineParser(std::string_view line, std::size_t lineNumber)
        : line_(line), lineNumber_(lineNumber) {}

    bool holdsEntry() {
        skipBlanks();
        return !atEnd() && line_[pos_] != '#';
    }

    uint32_t readId() {
        uint32_t id = 0;
        const char* first = line_.data() + pos_;
        const auto [next, status] = std::from_chars(first, line_.data() + line_.size(), id);
        if (status == std::errc::result_out_of_range) {
            fail("the id is too large");
        }
        if (status != std::errc{}) {
            fail("expected a numeric id");
        }
        pos_ += static_cast<std::size_t>(next - first);
        if (!atEnd() && !isBlank(line_[pos_])) {
            fail("expected a blank after the id");
        }
        return id;
    }

    std::string readText() {
        skipBlanks();
        if (atEnd() || line_[pos_] != '"') {
            fail("expected a text in double quotes");
        }
        ++pos_;
        std::string text;
        for (;;) {
            if (atEnd()) {
                fail("missing closing double quote");
            }
            const char c = line_[pos_++];
            if (c == '"') {
                return text;
            }
            if (c != '\\') {
                text += c;
            } else if (atEnd()) {
                fail("missing closing double quote");
            } else {
                text += unescape(line_[pos_++]);
            }
        }
    }

    void expectEnd() {
        skipBlanks();
        if (!atEnd()) {
            fail("unexpected text after the closing double quote");
        }
    }

    [[noreturn]] void fail(std::string_view problem) const {
        throw lineError(lineNumber_, problem);
    }

private:
    bool atEnd() const { return pos_ >= line_.size(); }

    void skipBlanks() {
        while (!atEnd() && isBlank(line_[pos_])) {
            ++pos_;
        }
    }

    char unescape(char c) const {
        switch (c) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '"':
            return '"';
        case '\\':
            return '\\';
        default:
            fail(std::string("unknown escape \\") + c);
        }
    }

    std::string_view line_;
    std::size_t lineNumber_;
    std::size_t pos_ = 0;
};

} // namespace

StringTable StringTable::parse(std::string_view source) {
    StringTable table;
    std::size_t lineNumber = 0;
    while (!source.empty()) {
        const std::size_t lineEnd = source.find('\n');
        LineParser line(source.substr(0, lineEnd), ++lineNumber);
        source.remove_prefix(lineEnd == std::string_view::npos ? source.size() : lineEnd + 1);
        if (!line.holdsEntry()) {
            continue;
        }
        const uint32_t id = line.readId();
        std::string text = line.readText();
        line.expectEnd();
        if (!table.texts_.emplace(id, std::move(text)).second) {
            line.fail("id " + std::to_string(id) + " appears twice");
        }
    }
    return table;
}

const std::string* StringTable::find(uint32_t id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? nullptr : &found->second;
}

} // namespace Resources
