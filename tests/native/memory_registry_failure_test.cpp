// The in-memory registry's failure injection: a failing call returns the status it was
// given and changes nothing, so that every failure path of the stores can be tested.
#include <gtest/gtest.h>

#include "shared/inmemory/memory_registry.h"
#include "shared/text.h"

namespace core {
namespace {

constexpr long kInjected = 1234;

Bytes Text(const std::wstring& text) {
    return ToUtf16Bytes(text, true);
}

class MemoryRegistryFailureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry_.PutString(RegRoot::LocalMachine, L"Software\\Store", L"Name", L"kept");
        registry_.PutKey(RegRoot::LocalMachine, L"Software\\Store\\Child");
        registry_.PutKey(RegRoot::LocalMachine, L"Software\\StoreNext");
        registry_.PutString(RegRoot::CurrentUser, L"Software\\Store", L"Name", L"user");
        before_ = registry_.Dump(RegRoot::LocalMachine) + registry_.Dump(RegRoot::CurrentUser);
    }
    void ExpectUnchanged() {
        EXPECT_EQ(registry_.Dump(RegRoot::LocalMachine) + registry_.Dump(RegRoot::CurrentUser),
                  before_);
    }
    RegKey Open(RegRoot root, const std::wstring& path, RegAccess access = RegAccess::ReadWrite) {
        RegKey key = kNoKey;
        EXPECT_EQ(registry_.OpenKey(root, path, access, &key), kErrorSuccess) << path;
        return key;
    }

    MemoryRegistry registry_;
    std::wstring before_;
};

// Runs every kind of call once on a key of the given path; returns their statuses in
// the order Open, Create, Query, Set, Enum, Close.
std::vector<long> EveryCall(MemoryRegistry& registry, RegRoot root, const std::wstring& path,
                            RegKey openKey) {
    std::vector<long> statuses;
    RegKey key = kNoKey;
    statuses.push_back(registry.OpenKey(root, path, RegAccess::Read, &key));
    if (key != kNoKey) {
        registry.CloseKey(key);
    }
    statuses.push_back(registry.CreateKey(root, path + L"\\New", &key));
    if (key != kNoKey) {
        registry.CloseKey(key);
    }
    uint32_t type = 0;
    Bytes data;
    statuses.push_back(registry.QueryValue(openKey, L"Name", &type, &data));
    statuses.push_back(registry.SetValue(openKey, L"Name", kRegSz, Text(L"changed")));
    std::wstring name;
    statuses.push_back(registry.EnumKey(openKey, 0, 256, &name));
    statuses.push_back(registry.CloseKey(openKey));
    return statuses;
}

TEST_F(MemoryRegistryFailureTest, FailCallFailsEveryCallOfThatKindAndNothingElse) {
    RegKey key = Open(RegRoot::LocalMachine, L"Software\\Store");
    registry_.FailCall(RegCall::Set, kInjected);
    EXPECT_EQ(registry_.SetValue(key, L"Name", kRegSz, Text(L"lost")), kInjected);
    EXPECT_EQ(registry_.SetValue(key, L"Added", kRegSz, Text(L"lost")), kInjected);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(registry_.QueryValue(key, L"Name", &type, &data), kErrorSuccess);
    EXPECT_EQ(registry_.CloseKey(key), kErrorSuccess);
    RegKey other = Open(RegRoot::CurrentUser, L"Software\\Store");
    EXPECT_EQ(registry_.SetValue(other, L"Name", kRegSz, Text(L"lost")), kInjected);
    registry_.CloseKey(other);
    ExpectUnchanged();
}

TEST_F(MemoryRegistryFailureTest, AFailingCreateMakesNoKey) {
    registry_.FailCall(RegCall::Create);
    RegKey key = 77;
    EXPECT_EQ(registry_.CreateKey(RegRoot::LocalMachine, L"Software\\Store\\A\\B", &key),
              kErrorAccessDenied);
    EXPECT_EQ(key, kNoKey);
    EXPECT_FALSE(registry_.HasKey(RegRoot::LocalMachine, L"Software\\Store\\A"));
    EXPECT_EQ(registry_.OpenHandleCount(), 0);
    ExpectUnchanged();
}

TEST_F(MemoryRegistryFailureTest, AFailingOpenGivesNoHandle) {
    registry_.FailCall(RegCall::Open, kErrorFileNotFound);
    RegKey key = 77;
    EXPECT_EQ(registry_.OpenKey(RegRoot::LocalMachine, L"Software\\Store", RegAccess::Read, &key),
              kErrorFileNotFound);
    EXPECT_EQ(key, kNoKey);
    EXPECT_EQ(registry_.OpenHandleCount(), 0);
}

TEST_F(MemoryRegistryFailureTest, FailCallOnHitsThePathAndWhatLiesBelowIt) {
    registry_.FailCallOn(RegCall::Open, RegRoot::LocalMachine, L"software\\STORE", kInjected);
    RegKey key = kNoKey;
    EXPECT_EQ(registry_.OpenKey(RegRoot::LocalMachine, L"Software\\Store", RegAccess::Read, &key),
              kInjected);
    EXPECT_EQ(
        registry_.OpenKey(RegRoot::LocalMachine, L"Software\\Store\\Child", RegAccess::Read, &key),
        kInjected);
    // Not a sibling that merely starts with the same letters, not the other root,
    // not the parent, not another kind of call.
    registry_.CloseKey(Open(RegRoot::LocalMachine, L"Software\\StoreNext"));
    registry_.CloseKey(Open(RegRoot::CurrentUser, L"Software\\Store"));
    registry_.CloseKey(Open(RegRoot::LocalMachine, L"Software"));
    EXPECT_EQ(registry_.CreateKey(RegRoot::LocalMachine, L"Software\\Store", &key), kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(registry_.QueryValue(key, L"Name", &type, &data), kErrorSuccess);
    registry_.CloseKey(key);
    ExpectUnchanged();
}

TEST_F(MemoryRegistryFailureTest, FailPathFailsEveryKindOfCallThere) {
    RegKey key = Open(RegRoot::LocalMachine, L"Software\\Store");
    registry_.FailPath(RegRoot::LocalMachine, L"Software\\Store", kInjected);
    const std::vector<long> all(6, kInjected);
    EXPECT_EQ(EveryCall(registry_, RegRoot::LocalMachine, L"Software\\Store", key), all);
    // The failing close still released the handle, as RegCloseKey does.
    EXPECT_EQ(registry_.OpenHandleCount(), 0);
    ExpectUnchanged();

    RegKey user = Open(RegRoot::CurrentUser, L"Software\\Store");
    const std::vector<long> fine(6, kErrorSuccess);
    EXPECT_EQ(EveryCall(registry_, RegRoot::CurrentUser, L"Software\\Store", user), fine);
}

TEST(MemoryRegistryNthCallTest, FailNthCallFailsExactlyThatCallCountingEveryKind) {
    // EveryCall makes these calls: Open(1) Close(2) Create(3) Close(4) Query(5) Set(6)
    // Enum(7) Close(8); its results are those of calls 1, 3, 5, 6, 7 and 8.
    const int callOfResult[] = {1, 3, 5, 6, 7, 8};
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        MemoryRegistry registry;
        registry.PutString(RegRoot::LocalMachine, L"Software\\Store", L"Name", L"kept");
        registry.PutKey(RegRoot::LocalMachine, L"Software\\Store\\Child");
        RegKey key = kNoKey;
        ASSERT_EQ(
            registry.OpenKey(RegRoot::LocalMachine, L"Software\\Store", RegAccess::ReadWrite, &key),
            kErrorSuccess);
        registry.FailNthCall(n, kInjected);
        std::vector<long> statuses =
            EveryCall(registry, RegRoot::LocalMachine, L"Software\\Store", key);
        for (size_t i = 0; i < statuses.size(); ++i) {
            EXPECT_EQ(statuses[i], callOfResult[i] == n ? kInjected : kErrorSuccess)
                << "result " << i;
        }
        EXPECT_EQ(registry.GetString(RegRoot::LocalMachine, L"Software\\Store", L"Name"),
                  n == 6 ? L"kept" : L"changed");
        EXPECT_EQ(registry.HasKey(RegRoot::LocalMachine, L"Software\\Store\\New"), n != 3);
        EXPECT_EQ(registry.OpenHandleCount(), 0);
        // Only the one call fails.
        EXPECT_EQ(registry.OpenKey(RegRoot::LocalMachine, L"Software", RegAccess::Read, &key),
                  kErrorSuccess);
        registry.CloseKey(key);
    }
}

TEST_F(MemoryRegistryFailureTest, ClearFailuresRestoresNormalService) {
    registry_.FailPath(RegRoot::LocalMachine, L"Software");
    registry_.FailCall(RegCall::Query);
    registry_.FailNthCall(1);
    registry_.ClearFailures();
    RegKey key = Open(RegRoot::LocalMachine, L"Software\\Store");
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(registry_.QueryValue(key, L"Name", &type, &data), kErrorSuccess);
    registry_.CloseKey(key);
}

TEST_F(MemoryRegistryFailureTest, TestAccessNeverFailsNorCounts) {
    registry_.FailPath(RegRoot::LocalMachine, L"Software");
    registry_.FailNthCall(1);
    int calls = registry_.CallCount();
    registry_.PutString(RegRoot::LocalMachine, L"Software\\Store", L"Name", L"seeded");
    EXPECT_EQ(registry_.GetString(RegRoot::LocalMachine, L"Software\\Store", L"Name"), L"seeded");
    EXPECT_TRUE(registry_.HasKey(RegRoot::LocalMachine, L"Software\\Store\\Child"));
    EXPECT_EQ(registry_.CallCount(), calls);
}

// Windows orders subkeys by their upper-cased names, so "_" (between "Z" and "a")
// follows every letter. (Wine orders by lower-cased names; the twin follows Windows.)
TEST(MemoryRegistryOrderTest, PunctuationBetweenTheCasesSortsAfterLetters) {
    MemoryRegistry registry;
    for (const wchar_t* name : {L"A_", L"Ab", L"AZ", L"A[", L"A{"}) {
        registry.PutKey(RegRoot::CurrentUser, std::wstring(L"Order\\") + name);
    }
    RegKey key = kNoKey;
    ASSERT_EQ(registry.OpenKey(RegRoot::CurrentUser, L"Order", RegAccess::Read, &key),
              kErrorSuccess);
    std::vector<std::wstring> names;
    std::wstring name;
    for (uint32_t i = 0; registry.EnumKey(key, i, 256, &name) == kErrorSuccess; ++i) {
        names.push_back(name);
    }
    registry.CloseKey(key);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Ab", L"AZ", L"A[", L"A_", L"A{"}));
}

}  // namespace
}  // namespace core
