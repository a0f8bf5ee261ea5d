#include "errors/StackWords.h"

#include "errors/HexText.h"
#include "errors/SafeMemory.h"

#include <vector>

namespace {

constexpr std::size_t wordsPerLine = 4;

// The words up to the first one that cannot be read. A stack is nearly always readable as a
// whole, and one read of it costs a single system call instead of one per word.
std::vector<uintptr_t> readableWords(uintptr_t address, std::size_t count) {
    std::vector<uintptr_t> words(count);
    if (readMemory(address, words.data(), count * sizeof(uintptr_t))) {
        return words;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<uintptr_t> word = readWord(address + i * sizeof(uintptr_t));
        if (!word) {
            words.resize(i);
            break;
        }
        words[i] = *word;
    }
    return words;
}

} // namespace

std::string stackWordsText(uintptr_t address, std::size_t count) {
    std::string text;
    std::size_t column = 0;
    const std::vector<uintptr_t> words = readableWords(address, count);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const uintptr_t wordAddress = address + i * sizeof(uintptr_t);
        if (column == 0) {
            text += hexWord(wordAddress) + ": ";
        }
        text += hexWord(words[i]);
        if (++column == wordsPerLine) {
            text += "\r\n";
            column = 0;
        } else {
            text += ' ';
        }
    }
    return text;
}
