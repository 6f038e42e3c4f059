#pragma once
// A staged installation, a scripted user interaction and the files the archive tests read.

#include <gtest/gtest.h>

#include <string>

#include "archive/testing/staged_store.h"
#include "base/testing/scripted_user_interaction.h"

namespace archivetest {

class ArchiveTest : public ::testing::Test {
  protected:
    static std::string read(const std::string& file) {
        return tk73test::TempEnvironment::readFile(file);
    }
    static void write(const std::string& file, const std::string& bytes) {
        tk73test::TempEnvironment::writeFile(file, bytes);
    }
    static std::string identOf(int modelNo) { return "KR" + std::to_string(modelNo); }
    // A register store of the model whose definition and maintenance folder the test uses.
    struct Store {
        int number = 0;
        std::string ident;
        std::string definition;
        std::string mainte;
    };
    Store makeStore(int regModelNo, int vekModelNo = 0) const {
        Store store;
        store.number = install_.createStore(regModelNo, vekModelNo);
        store.ident = identOf(regModelNo);
        store.definition = StagedInstallation::definitionFile(store.number, store.ident, 0);
        store.mainte = StagedInstallation::mainteFolder(store.number, 0);
        return store;
    }
    // The messages shown so far.
    std::vector<std::string> messages() const {
        return ui_.textsOf(tk73test::InteractionKind::Message);
    }

    StagedInstallation install_;
    tk73test::ScriptedUserInteraction ui_;
};

}  // namespace archivetest
