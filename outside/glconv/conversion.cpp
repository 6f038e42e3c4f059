#include "outside/glconv/conversion.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "outside/glconv/controller_link.h"
#include "outside/glconv/logo_binary.h"
#include "outside/glconv/model_definition.h"
#include "outside/glconv/program_binary.h"
#include "outside/glconv/result_codes.h"
#include "outside/glconv/text_lines.h"
#include "platform/whole_file.h"

namespace glconv {

namespace {

// A binary file named without a folder lies in the definition's converter folder, when it names
// one, else in the current folder.
std::string binaryPath(const std::string& name, const ModelDefinition& model) {
    if (name.find_first_of("/\\") != std::string::npos || model.binaryFolder.empty()) {
        return name;
    }
    const char last = model.binaryFolder.back();
    return model.binaryFolder + (last == '/' || last == '\\' ? "" : "/") + name;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// The binary file as far as a reader needs it: its header and what the header says follows (a
// body, dot rows), and one byte more, never more than the largest file the converter writes. An
// archive carries the controller's part behind the register's, which is not read; a file whose
// header claims more reads as cut short.
std::optional<std::string> readBinary(const std::string& path) {
    const std::optional<std::string> head = tk73::readFilePart(path, 0, kProgramHeaderSize);
    if (!head) {
        return std::nullopt;
    }
    size_t length = head->size();
    if (isProgramBinary(*head) && head->size() == kProgramHeaderSize) {
        length = programBinaryLength(*head);
    } else if (isLogoBinary(*head) && head->size() >= kLogoHeaderSize) {
        length = logoBinaryLength(*head);
    }
    return tk73::readFilePart(path, 0, std::min(length, kProgramHeaderSize + kMaxProgramBody) + 1);
}

bool isLogoText(const std::string& text, const ModelDefinition& model) {
    std::string_view title;
    TextLines lines(text);
    const int fileNo = lines.next(title) ? titleLineFileNo(title) : -1;
    return std::find(model.logoFiles.begin(), model.logoFiles.end(), fileNo) !=
           model.logoFiles.end();
}

int textToBinary(const std::string& textPath, const std::string& binPath,
                 const ModelDefinition& model, std::string& detail) {
    const std::optional<std::string> text = tk73::readWholeFile(textPath);
    if (!text) {
        detail = "cannot read " + textPath;
        return kCannotOpen;
    }
    std::string binary;
    const int result = isLogoText(*text, model)
                           ? encodeLogoBinary(*text, model.machineType, binary)
                           : encodeProgramBinary(*text, model.machineType, binary);
    if (result != kNormalEnd) {
        detail = textPath + " is no text program file";
        return result;
    }
    if (!writeFile(binPath, binary)) {
        detail = "cannot write " + binPath;
        return kCannotWrite;
    }
    detail = textPath + " -> " + binPath + " (" + std::to_string(binary.size()) + " bytes)";
    return kNormalEnd;
}

int binaryToText(const std::string& textPath, const std::string& binPath,
                 const ModelDefinition& model, std::string& detail) {
    const std::optional<std::string> binary = readBinary(binPath);
    if (!binary) {
        detail = "cannot read " + binPath;
        return kCannotOpen;
    }
    std::string text;
    const int result = isLogoBinary(*binary)
                           ? decodeLogoBinary(*binary, model.machineType, text)
                           : decodeProgramBinary(*binary, model.machineType, text);
    if (result != kNormalEnd) {
        detail = binPath + " is damaged, cut short or not a program file of this model";
        return result;
    }
    if (!writeFile(textPath, text)) {
        detail = "cannot write " + textPath;
        return kCannotWrite;
    }
    detail = binPath + " -> " + textPath + " (" + std::to_string(text.size()) + " bytes)";
    return kNormalEnd;
}

}  // namespace

int runCommand(const Command& command, std::string& detail) {
    if (command.letter != 'S' && command.letter != 'R') {
        detail = "the command is neither S nor R";
        return kUnknownMode;
    }
    if (command.controller) {
        return transferWithController(command, detail);
    }
    if (!command.lineKindLocal || command.unknownSwitch || command.operands.size() != 2) {
        detail = "expected: S|R \"text file\" \"binary file\" -lc -d\"definition file\" -T";
        return kUnknownParameters;
    }
    ModelDefinition model;
    if (!readModelDefinition(command.definitionFile, model)) {
        detail = "no machine type in the definition file " + command.definitionFile;
        return kUnknownMachine;
    }
    const std::string binPath = binaryPath(command.operands[1], model);
    return command.letter == 'S' ? textToBinary(command.operands[0], binPath, model, detail)
                                 : binaryToText(command.operands[0], binPath, model, detail);
}

}  // namespace glconv
