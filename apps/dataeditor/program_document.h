#pragma once
// The one program file the data editor works on: its whole image in one buffer, where its
// records lie, the fields of its program view, and reading and writing each field value in place.
// A large file's middle arrives after Open() returns (see StagedRead); whatever needs its bytes
// waits for them, so callers see the whole image either way.
// The editor never changes the length of a record line, the number of records or any character
// outside a field value; only the title line at the top is rewritten when the file is opened.
//
// Saving replaces the file with the buffer. Another program may have changed the file since it
// was read (nothing locks it here), so the document remembers what it read and the editor asks
// before it writes over a file that holds something else by now.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/dataeditor/edit_field.h"
#include "apps/dataeditor/record_layout.h"
#include "apps/dataeditor/staged_read.h"
#include "programfiles/pgm_file_io.h"

namespace tk73edit {

class ProgramDocument {
  public:
    enum class OpenResult {
        Opened,
        ReadFailed,  // the file cannot be read
        NoEditField  // no record line, or no field to show
    };

    // Reads the file and normalises its title line to the title (an empty title removes it).
    // On any result but Opened the document stays closed.
    [[nodiscard]] OpenResult Open(const std::string& path, const std::string& title,
                                  std::vector<EditField> fields);
    bool IsOpen() const { return buffer_.bytes != nullptr; }

    int RecordCount() const { return layout_.count; }
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    const EditField& Field(int field) const { return fields_[static_cast<size_t>(field)]; }
    const std::vector<EditField>& Fields() const { return fields_; }
    // The whole image as it would be saved (waits for the whole file).
    std::string_view Bytes() const;
    // Waits for the whole file; false when part of it could not be read after all (the file
    // shrank or failed meanwhile): its records show blanks and the image is never saved.
    bool WhollyRead() const { return load_.Finish(); }

    // The field's characters in the record (row 0 is record 1); blanks when the record line has
    // no such item.
    std::string Stored(int row, int field) const;
    // The value as the grid shows it (see shownValue).
    std::string Shown(int row, int field) const;
    // The shown values of every field of the record.
    std::vector<std::string> ShownRecord(int row) const;

    // Writes the value, fitted to the field's width, over the field; false (nothing written) when
    // the record line has no such item.
    bool Write(int row, int field, std::string_view value);
    // Stores a value the user typed and committed: fitted, and in number fields merged with the
    // shown value under the mask.
    bool Commit(int row, int field, std::string_view typed);

    bool Modified() const { return modified_; }

    // Whether the file still holds what was read (or last saved).
    bool FileUnchanged() const;
    // Replaces the file with the image; false when it cannot be written (the file stays as it
    // was).
    bool Save();
    // Writes the image to another file (the data exchange works on a copy); the document and its
    // file are unchanged.
    bool SaveCopy(const std::string& path) const;
    // Takes the records of the file at source as the image, its title line normalised as when
    // opening, and marks the document modified: the result of an import into a copy. False, and
    // the image as it was, when source cannot be read or holds no record line.
    bool TakeImage(const std::string& source, const std::string& title);

  private:
    // Offset of the field's value in the buffer; nullopt when the line has no such item or the
    // item's value would pass the line's end.
    std::optional<size_t> ValueOffset(int row, int field) const;

    std::string path_;
    tk73pgm::FileBuffer buffer_;
    // After the buffer it reads into, so that it is finished before the buffer goes.
    mutable StagedRead load_;
    RecordLayout layout_;
    std::vector<EditField> fields_;
    bool modified_ = false;
    // Takes the fingerprint of the image while it still equals the file, if not taken yet: only
    // before the first change, so that opening a large file never waits for it.
    void NoteFileBytes() const;

    // A fingerprint of the file's bytes as they were read or saved.
    mutable std::optional<uint64_t> fileFingerprint_;
};

}  // namespace tk73edit
