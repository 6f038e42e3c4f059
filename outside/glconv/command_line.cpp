#include "outside/glconv/command_line.h"

#include <cstdlib>

namespace glconv {

namespace {

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

}  // namespace

Command parseCommand(const char* text) {
    Command command;
    const std::vector<std::string> words = splitWords(text != nullptr ? text : "");
    if (words.empty() || words[0].size() != 1) {
        return command;
    }
    command.letter = words[0][0];
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.empty() || word[0] != '-') {
            command.operands.push_back(word);
        } else if (word.rfind("-d", 0) == 0) {
            command.definitionFile = word.substr(2);
        } else if (word == "-lc") {
            command.lineKindLocal = true;
        } else if (word.rfind("-t", 0) == 0) {
            command.controller = true;
            command.machineNo = std::atoi(word.c_str() + 2);
        } else if (word == "-li") {
            command.lanInterface = true;
        } else if (word == "-T") {
            command.textFile = true;
        } else {
            command.unknownSwitch = true;
        }
    }
    return command;
}

}  // namespace glconv
