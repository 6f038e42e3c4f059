#pragma once
// The exit codes of tk73, one per kind of failure, so that a script can tell a typing mistake
// from a refused question or a store that is not there. tools/cli/README.md lists them.

namespace tk73cli {

enum ExitCode : int {
    kExitOk = 0,
    // diff found a difference, check found a finding: the command worked, the answer is "no".
    kExitDifferent = 1,
    // Bad arguments: nothing was touched.
    kExitUsage = 2,
    // A store, model, file, item, field or record that is not there.
    kExitNotFound = 3,
    // A question that needs --yes was not answered.
    kExitRefused = 4,
    // A value that the item or field does not take (too wide, wrong type), or a text the
    // installation's code page cannot hold.
    kExitBadValue = 5,
    // The operation itself failed; the libraries' message says why.
    kExitFailed = 6,
    // send, receive: a register failed even after its retries; the others were served, and each
    // register's line says how it went.
    kExitRegisterFailed = 7,
};

}  // namespace tk73cli
