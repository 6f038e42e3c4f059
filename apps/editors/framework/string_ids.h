#pragma once
// The string ids of every editor's texts, in one table. The language library is one string table
// for the whole suite, so an id must name one text whichever editor asks for it: each editor
// numbers its texts upwards from its own first id below, in the order of its text enumeration,
// and the blocks lie a thousand ids apart. editor_string_ids_tests fails when two texts of the
// suite share an id.

namespace tk73editor {

inline constexpr unsigned kFrameworkFirstText = 61001;
inline constexpr unsigned kItemFirstText = 62001;
inline constexpr unsigned kReceiptFirstText = 63001;
inline constexpr unsigned kGeneralFirstText = 64001;
inline constexpr unsigned kClerkFirstText = 65001;
inline constexpr unsigned kTaxFirstText = 66001;

}  // namespace tk73editor
