#pragma once
// The logos a register model defines, one list row each. The logo files come from the
// definition's logo file list; key "FILE%04d" of section "G_LOGO" describes each file as
// "width,height,x,n,name1,...,namen". A logo without a name of its own is "Graphic Logo %d", by
// its place in the whole list. A value with fewer than five fields or an n below 1 ends the list.

#include <string>
#include <vector>

namespace tk73logo {

struct LogoEntry {
    int fileNo = 0;
    int width = 0;   // dots
    int height = 0;  // dots
    int logos = 1;   // logos of the file
    int slot = 0;    // this logo's place in its file, from 0
    std::string name;
    std::string bitmap;  // the chosen bitmap file; empty when none is chosen
};

std::vector<LogoEntry> readLogoEntries(const std::string& definitionFile);

// "%d x %d dot".
std::string sizeText(const LogoEntry& entry);

}  // namespace tk73logo
