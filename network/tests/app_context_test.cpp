// The error triple of a context, the hold rule, and the per-thread codes of calls without one.

#include <gtest/gtest.h>

#include <thread>

#include "network/app_context.h"
#include "network/net_errors.h"

namespace {

TEST(NetContext, ErrorsAreKeptWhileHeldAndPerThreadWithoutAContext) {
    TK73APC* context = TK73bslCreateAPC(nullptr);
    ASSERT_NE(context, nullptr);
    tk73net::setError(context, tk73net::kErrSystem, 0x021F8384, 110);
    {
        tk73net::ErrorHold hold(context);
        TK73bslSetErrno(context, tk73net::kErrFile);
        EXPECT_EQ(context->code, tk73net::kErrSystem) << "held: nothing stored";
    }
    EXPECT_EQ(context->detail, 0x021F8384);
    EXPECT_EQ(context->systemError, 110);
    TK73bslSetErrno(context, tk73net::kErrFile);
    EXPECT_EQ(TK73bslGetErrno(context), tk73net::kErrFile);
    EXPECT_EQ(context->detail, 0);
    EXPECT_EQ(context->systemError, 0);
    context->moduleName = strdup("module");
    EXPECT_EQ(TK73bslDeleteAPC(context), 1);

    // Each thread reads back its own code; the process-wide value is the last one set.
    EXPECT_EQ(TK73bslDeleteAPC(nullptr), 0);
    EXPECT_EQ(TK73bslGetErrno(nullptr), tk73net::kErrParameter);
    std::thread other([] {
        TK73bslSetErrno(nullptr, tk73net::kErrRegisterBusy);
        EXPECT_EQ(TK73bslGetErrno(nullptr), tk73net::kErrRegisterBusy);
    });
    other.join();
    EXPECT_EQ(TK73bslGetErrno(nullptr), tk73net::kErrParameter);
    TK73bslSetErrno(nullptr, tk73net::kErrSearch);
    EXPECT_EQ(TK73bslGetErrno(nullptr), tk73net::kErrSearch);
}

}  // namespace
