#pragma once
// The "CVW PGM" item on the system clipboard, with its text as plain text beside it for other
// programs.

#include <optional>

#include "apps/dataeditor/field_clip.h"

namespace tk73edit {

void putOnClipboard(const FieldClip& clip);
// nullopt when the clipboard holds no such item.
std::optional<FieldClip> takeFromClipboard();

}  // namespace tk73edit
