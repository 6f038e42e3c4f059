#pragma once
// A benchmark's store: a shipped register model's definition whose PLU menu covers every record
// of a generated PLU file of any size (the shipped definition covers the model's own record
// count only), in a maintenance folder below a temporary folder.

#include <string>

namespace tk73bench {

struct WidePluStore {
    std::string modelFolder;     // the shipped model's folder
    std::string definitionFile;  // the widened copy of its definition
    std::string mainteFolder;
    std::string pluFile;
};

// Makes the store below folder for the shipped register model, whose PLU menu is pluMenu, with
// records generated PLU records; false with the reason when it cannot.
bool makeWidePluStore(const std::string& folder, const char* model, int pluMenu, int records,
                      WidePluStore& store, std::string& reason);

}  // namespace tk73bench
