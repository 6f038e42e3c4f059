#include "definitions/def_section.h"

#include "definitions/copy_out.h"
#include "definitions/no_case.h"
#include "definitions/profile_access.h"
#include "platform/ini_profile.h"

namespace {

constexpr uint32_t kSwitchChars = 255;

}  // namespace

std::string CTK73defRegVekSection::ReadText(const char* section, const char* key,
                                            uint32_t maxChars) const {
    return tk73def::readProfileString(IniFile(), section, key, maxChars);
}

CIniNumList CTK73defRegVekSection::ReadList(const char* section, const char* key) const {
    return CIniNumList(ReadText(section, key, kListChars));
}

int CTK73defRegVekSection::ReadInt(const char* section, const char* key) const {
    return static_cast<int>(tk73_GetPrivateProfileIntA(section, key, 0, IniFile().c_str()));
}

int CTK73defRegVekSection::WriteText(const char* section, const char* key, const std::string& value,
                                     tk73::FileReplacement::Durability durability) const {
    return tk73def::writeProfileString(IniFile(), section, key, value.c_str(), durability);
}

int CTK73defRegVekSection::ReadFolder(const char* section, const char* key, uint32_t maxChars,
                                      char* out) const {
    const std::string folder = ReadText(section, key, maxChars);
    return tk73def::copyOut(folder, out) && !folder.empty() ? 1 : 0;
}

int CTK73defRegVekSection::WriteFolder(const char* section, const char* key, const char* folder,
                                       tk73::FileReplacement::Durability durability) const {
    return WriteText(section, key, folder != nullptr ? folder : "", durability);
}

int CTK73defRegVekSection::ReadOnOff(const char* section, const char* key) const {
    return tk73def::equalsNoCase(ReadText(section, key, kSwitchChars), "OFF") ? 0 : 1;
}

int CTK73defRegVekSection::WriteOnOff(const char* section, const char* key, int on) const {
    return WriteText(section, key, on ? "ON" : "OFF");
}

int CTK73defRegVekSection::IsOn(const char* section, const char* key) const {
    return tk73def::equalsNoCase(ReadText(section, key, kSwitchChars), "ON") ? 1 : 0;
}
