#include "errors/StackWords.h"

#include "errors/HexText.h"
#include "errors/SafeMemory.h"

namespace {

constexpr std::size_t wordsPerLine = 4;

} // namespace

std::string stackWordsText(uintptr_t address, std::size_t count) {
    std::string text;
    std::size_t column = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const uintptr_t wordAddress = address + i * sizeof(uint64_t);
        const std::optional<uint64_t> word = readWord(wordAddress);
        if (!word) {
            break;
        }
        if (column == 0) {
            text += hexWord(wordAddress) + ": ";
        }
        text += hexWord(*word);
        if (++column == wordsPerLine) {
            text += "\r\n";
            column = 0;
        } else {
            text += ' ';
        }
    }
    return text;
}
