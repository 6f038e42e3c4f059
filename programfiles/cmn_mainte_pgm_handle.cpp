#include "programfiles/cmn_mainte_pgm_handle.h"

CCmnMaintePgmHandle::CCmnMaintePgmHandle(const CCmnMaintePgmHandle& other) : CPgmHandle() {
    *this = other;
}

CCmnMaintePgmHandle& CCmnMaintePgmHandle::operator=(const CCmnMaintePgmHandle& other) {
    if (this == &other) {
        return *this;
    }
    if (other.m_nOpened) {
        // A copy that cannot be opened again stays closed, as its m_nOpened says.
        (void)OpenMainte(other.m_definitionFile, other.m_mainteFolder, other.m_defaultFolder,
                         other.m_indentName);
    } else {
        Close();
    }
    return *this;
}

int CCmnMaintePgmHandle::OpenMainte(const std::string& definitionFile,
                                    const std::string& mainteFolder,
                                    const std::string& defaultFolder,
                                    const std::string& indentName) {
    m_definitionFile = definitionFile;
    m_mainteFolder = mainteFolder;
    m_defaultFolder = defaultFolder;
    m_indentName = indentName;
    m_nOpened = Open(definitionFile.c_str(), mainteFolder.c_str(), defaultFolder.c_str());
    return m_nOpened;
}

void CCmnMaintePgmHandle::Close() {
    m_definitionFile.clear();
    m_mainteFolder.clear();
    m_defaultFolder.clear();
    m_indentName.clear();
    m_nOpened = 0;
    // Opening nothing closes the handle; that nothing opens is the point.
    (void)Open("", "", "");
}
