#pragma once
// A handle opened on a store whose PLU file (file 4) holds 40 records.

#include <gtest/gtest.h>

#include <string>

#include "programfiles/pgm_handle.h"
#include "programfiles/tests/pgm_test_files.h"

namespace pgmtest {

class PluHandleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store_.writeDefinition(pluDefinition() + extraDefinition());
        original_ = pluFile(40);
        store_.writeMainte(4, original_);
        reopen();
    }

    virtual std::string extraDefinition() const { return {}; }

    void reopen() {
        ASSERT_EQ(handle_.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(),
                               store_.defaultFolder().c_str()),
                  1);
    }

    tagPGMITEMDEF item(int itemNo, int menuNo = 14, int load = 0) {
        tagPGMITEMDEF def;
        EXPECT_EQ(handle_.GetItemDef(&def, menuNo, itemNo, load), 1) << itemNo;
        return def;
    }

    // The offset in the PLU file of the given field's text in a record (fields as in pluFile).
    size_t offsetOf(int record, size_t fieldOffset) const {
        const size_t header = original_.find("\r\n") + 2;
        const size_t line = original_.find("\r\n", header) + 2 - header;
        return header + static_cast<size_t>(record - 1) * line + fieldOffset;
    }

    // The file's bytes differ from the original exactly at [offset, offset + text.size()),
    // where they hold text.
    void expectOnlyChanged(size_t offset, const std::string& text) const {
        std::string expected = original_;
        expected.replace(offset, text.size(), text);
        EXPECT_EQ(store_.readMainte(4), expected);
    }

    // Character offsets of the field values in a PLU record line.
    static constexpr size_t kCode = 8;
    static constexpr size_t kName = 25;
    static constexpr size_t kPrice = 40;
    static constexpr size_t kFlags = 51;
    static constexpr size_t kPlain = 57;

    Store store_;
    CPgmHandle handle_;
    std::string original_;
};

}  // namespace pgmtest
