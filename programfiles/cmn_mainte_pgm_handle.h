#pragma once
// The program file handle as the maintenance base keeps it for a store's register or Vek
// controller. Beside the handle it remembers what it was opened with, so that a maintenance
// base can be copied: the copy opens its own handle on the same files (files that the original
// had loaded are loaded again on demand) and the two never share loaded contents.

#include <string>

#include "programfiles/pgm_handle.h"

class CCmnMaintePgmHandle : public CPgmHandle {
  public:
    CCmnMaintePgmHandle() = default;
    CCmnMaintePgmHandle(const CCmnMaintePgmHandle& other);
    CCmnMaintePgmHandle& operator=(const CCmnMaintePgmHandle& other);

    // Opens the handle on the store definition file and the two folders for the model of that
    // indent name; 1 when the definition file exists.
    [[nodiscard]] int OpenMainte(const std::string& definitionFile, const std::string& mainteFolder,
                                 const std::string& defaultFolder, const std::string& indentName);
    // Lets go of the files; the handle resolves nothing until it is opened again.
    void Close();

    // 1 once OpenMainte has found the definition file (0 at construction).
    int IsOpened() const { return m_nOpened; }
    // The indent name of the model whose files the handle is open on.
    const std::string& GetIndentName() const { return m_indentName; }

  private:
    int m_nOpened = 0;
    std::string m_indentName;
    std::string m_definitionFile;
    std::string m_mainteFolder;
    std::string m_defaultFolder;
};
