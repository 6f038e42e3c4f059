#pragma once
// The removable volumes of the machine, where a program looks for the register's SD card: the
// folders the desktop mounts card readers and USB sticks in. A Windows build answers the drive
// letters of the logical drive mask here.
//
// The media folders are the colon-separated list in TK73_MEDIA_FOLDERS (tests point it at
// temporary folders), else /media/<user> and /run/media/<user>, the two places the desktop's
// automounter uses. Each sub-folder of a media folder is one mounted volume: the automounter
// makes the folder when it mounts a volume and removes it when it unmounts it.

#include <string>
#include <vector>

namespace tk73 {

// The volumes as full paths, media folder by media folder in the listed order and by name
// within one; hidden folders are skipped and a missing media folder holds none.
std::vector<std::string> removableVolumes();

}  // namespace tk73
