#include "platform/named_mutex.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/testing/scoped_variable.h"
#include "platform/tests/helper_process.h"
#include "tests/support/temp_environment.h"

using State = tk73::NamedMutex::State;

TEST(NamedMutex, OneOwnerPerNameUntilItLetsGo) {
    tk73test::TempEnvironment environment;
    auto first = std::make_unique<tk73::NamedMutex>("TK73HUB_LAUNCHREGTK73ITEM");
    ASSERT_EQ(first->state(), State::Owned);
    EXPECT_EQ(first->holder(), 0u);

    tk73::NamedMutex second("TK73HUB_LAUNCHREGTK73ITEM");
    EXPECT_EQ(second.state(), State::HeldElsewhere);
    EXPECT_EQ(second.holder(), static_cast<uint32_t>(::getpid()));
    // The controller-mode names are other mutexes.
    EXPECT_EQ(tk73::NamedMutex("TK73HUB_LAUNCHVEKTK73ITEM").state(), State::Owned);

    first->release();
    tk73::NamedMutex third("TK73HUB_LAUNCHREGTK73ITEM");
    EXPECT_EQ(third.state(), State::Owned);
    first.reset();
    EXPECT_EQ(tk73::NamedMutex("TK73HUB_LAUNCHREGTK73ITEM").state(), State::HeldElsewhere);
}

TEST(NamedMutex, WithoutARuntimeFolderItIsUnavailable) {
    tk73test::TempEnvironment environment;
    tk73test::ScopedVariable session("XDG_RUNTIME_DIR", environment.path("missing").c_str());
    EXPECT_EQ(tk73::NamedMutex("TK73HUB_LAUNCHREGTK73ITEM").state(), State::Unavailable);
    EXPECT_EQ(tk73::NamedMutex("").state(), State::Unavailable);
}

TEST(NamedMutex, AnotherProcessHoldsItUntilItEnds) {
    tk73test::TempEnvironment environment;
    tk73test::HoldingHelper helper(environment, "TK73HUB_LAUNCHREGTK73RCPT");
    ASSERT_EQ(helper.result(), "owned\n");
    {
        tk73::NamedMutex mine("TK73HUB_LAUNCHREGTK73RCPT");
        EXPECT_EQ(mine.state(), State::HeldElsewhere);
        EXPECT_EQ(mine.holder(), helper.pid());
    }
    // A crashed owner leaves the lock file behind but not its lock.
    helper.kill();
    tk73::NamedMutex mine("TK73HUB_LAUNCHREGTK73RCPT");
    EXPECT_EQ(mine.state(), State::Owned);

    tk73test::HoldingHelper late(environment, "TK73HUB_LAUNCHREGTK73RCPT");
    EXPECT_EQ(late.result(), "held " + std::to_string(::getpid()) + "\n");
}
