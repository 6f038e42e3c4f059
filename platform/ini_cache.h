#pragma once
// Parsed profile files, kept while the file on disk stays the same. Definition files are read
// thousands of times while a program starts; the cache turns each of those reads into one stat
// of the file. An entry is used only while the file's device, inode, size and modification time
// are unchanged, and the profile functions drop a file's entry when they replace it.
//
// File times advance in coarse steps, so a file changed twice within one step keeps its time. A
// file is therefore trusted by its identity only when it was last changed well before it was
// read: any later change then gives it a newer time. A file changed moments ago (a definition
// the packer has just written, then read many times over) is read on every use, and its parsed
// document is reused when the bytes read are the ones it was parsed from.

#include <memory>
#include <string>

#include "platform/ini_document.h"

namespace tk73 {

// The document of the file as it is now; an empty document when the file is missing or cannot
// be read.
std::shared_ptr<const IniDocument> loadIniDocument(const std::string& path);

void forgetIniDocument(const std::string& path);

}  // namespace tk73
