#include "storedb/connection_type.h"

#include <gtest/gtest.h>

#include "storedb/edb_model.h"
#include "storedb/machine_list.h"
#include "storedb/store_life_cycle.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using tk73store::IpAddressList;
using tk73store::parseIpAddress;

TEST(IpAddressText, ReadsTheFieldsOfAnAddressField) {
    EXPECT_EQ(parseIpAddress("192.168.0.1"), 0xC0A80001u);
    EXPECT_EQ(parseIpAddress("255.255.255.255"), 0xFFFFFFFFu);
    // Fields the user left empty are 0, as in an address field.
    EXPECT_EQ(parseIpAddress("10..1"), 0x0A000100u);
    EXPECT_EQ(parseIpAddress("10"), 0x0A000000u);
    EXPECT_TRUE(tk73store::isBlankIpAddress("..."));
    EXPECT_TRUE(tk73store::isBlankIpAddress(""));
    for (const char* bad :
         {"", "...", "256.0.0.1", "1.2.3.4.5", "1.2.3.4.", "1.2.x.4", "1.2.3.0004", "-1.2.3.4"}) {
        EXPECT_FALSE(parseIpAddress(bad).has_value()) << bad;
    }
}

TEST(IpAddressListRules, KeepsThirtyTwoDistinctAddressesInOrder) {
    IpAddressList list;
    for (uint32_t machine = 1; machine <= 32; ++machine) {
        ASSERT_EQ(list.add(0x0A000000u + machine), IpAddressList::AddResult::Added);
    }
    EXPECT_TRUE(list.isFull());
    EXPECT_EQ(list.add(0x0A000021u), IpAddressList::AddResult::Full);
    EXPECT_EQ(list.add(0x0A000001u), IpAddressList::AddResult::Duplicate);
    EXPECT_EQ(list.count(), 32);

    EXPECT_FALSE(list.removeAt(32));
    EXPECT_FALSE(list.removeAt(-1));
    ASSERT_TRUE(list.removeAt(0));
    EXPECT_EQ(list.addresses().front(), 0x0A000002u);
    EXPECT_EQ(list.add(0x0A000001u), IpAddressList::AddResult::Added);
    EXPECT_EQ(list.addresses().back(), 0x0A000001u);
    // A longer list handed in is cut to what a store holds.
    EXPECT_EQ(IpAddressList(std::vector<uint32_t>(40, 1)).count(), 32);
}

TEST(ConnectionOfAStore, ComesBackAsItWasWritten) {
    storetest::StoreTestEnvironment environment;
    CTK73edbModel first;
    STORE_EDB store = storetest::storeRecord(0, "Shop", storetest::kKR301, storetest::kVK500);
    ASSERT_EQ(tk73store::CreateStore(store), 1);

    const tk73store::ConnectionType manual{tk73store::kConnectManual, {0xC0A80005, 0xC0A80002}};
    ASSERT_EQ(tk73store::writeConnectionType(store.storeNo, 1, manual), 1);
    store.vekSelType = '1';
    EXPECT_EQ(tk73store::readConnectionType(store, 1), manual);

    // Automatic mode keeps no addresses, whatever the page held.
    ASSERT_EQ(
        tk73store::writeConnectionType(store.storeNo, 1, {tk73store::kConnectAuto, {0xC0A80005}}),
        1);
    store.vekSelType = '0';
    EXPECT_EQ(tk73store::readConnectionType(store, 1), tk73store::ConnectionType{});
    EXPECT_EQ(tk73store::readConnectionType(store, 0), tk73store::ConnectionType{});
}

}  // namespace
