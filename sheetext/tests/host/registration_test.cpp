// Registration and unregistration of a settings server, step by step, against the fake
// registry: what is written, in which order, and what a failure leaves behind.
#include "sheetext/logic/registration.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/fixtures/fake_registry.h"

namespace {

using reg_test::FakeRegistry;

const sheetext::ServerParameters kKeyboard = {"Keyboard", "Orvanta ZI Dodoveda"};
const char kClsid[] = "{94054cfe-34c1-46dc-9c7f-aacef66e8a47}";
const std::string kClassKey = "HKCR\\CLSID\\{94054cfe-34c1-46dc-9c7f-aacef66e8a47}";
const std::string kServerKey = kClassKey + "\\InprocServer32";
const std::string kHandlerKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Keyboard\\shellex\\"
    "PropertySheetHandlers\\Orvanta ZI Dodoveda";
const std::string kApprovedKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

TEST(Registration, WritesEveryStepInOrderWithTheModulePathInLowerCase) {
    FakeRegistry registry;
    ASSERT_TRUE(sheetext::RegisterServerKeys(registry, kKeyboard, kClsid, "C:\\Program Files\\Orvanta\\KeyPages.DLL"));

    const std::vector<std::string> expected = {
        "create " + kClassKey + " all",
        "set " + kClassKey + "[] text 20",
        "create " + kServerKey + " all",
        "set " + kServerKey + "[] text 38",
        "close " + kServerKey,
        "create " + kServerKey + " all",
        "set " + kServerKey + "[ThreadingModel] text 10",
        "close " + kServerKey,
        "close " + kClassKey,
        "create " + kHandlerKey + " all",
        "set " + kHandlerKey + "[] text 39",
        "close " + kHandlerKey,
        "create " + kApprovedKey + " all",
        "set " + kApprovedKey + "[" + kClsid + "] text 20",
        "close " + kApprovedKey,
    };
    EXPECT_EQ(registry.log(), expected);
    EXPECT_EQ(registry.Text(kClassKey, ""), "Orvanta ZI Dodoveda");
    EXPECT_EQ(registry.Text(kServerKey, ""), "c:\\program files\\orvanta\\keypages.dll");
    EXPECT_EQ(registry.Text(kServerKey, "ThreadingModel"), "Apartment");
    EXPECT_EQ(registry.Text(kHandlerKey, ""), kClsid);
    EXPECT_EQ(registry.Text(kApprovedKey, kClsid), "Orvanta ZI Dodoveda");
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(Registration, FailsAndWritesNothingElseWhenTheClassKeyCannotBeCreated) {
    FakeRegistry registry;
    registry.RefuseCreate(kClassKey);
    EXPECT_FALSE(sheetext::RegisterServerKeys(registry, kKeyboard, kClsid, "c:\\keypages.dll"));
    EXPECT_EQ(registry.log(), std::vector<std::string>{"create " + kClassKey + " all"});
}

TEST(Registration, ALaterKeyThatCannotBeCreatedSkipsOnlyItsOwnWrite) {
    FakeRegistry registry;
    registry.RefuseCreate(kHandlerKey);
    EXPECT_TRUE(sheetext::RegisterServerKeys(registry, kKeyboard, kClsid, "c:\\keypages.dll"));
    EXPECT_FALSE(registry.HasKey(kHandlerKey));
    EXPECT_EQ(registry.Text(kServerKey, ""), "c:\\keypages.dll");
    EXPECT_EQ(registry.Text(kApprovedKey, kClsid), "Orvanta ZI Dodoveda");
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(Unregistration, RemovesEveryKeyAndTheApprovalButNoOtherApproval) {
    FakeRegistry registry;
    registry.PutText(kApprovedKey, "{another}", "Another handler");
    ASSERT_TRUE(sheetext::RegisterServerKeys(registry, kKeyboard, kClsid, "c:\\keypages.dll"));

    sheetext::UnregisterServerKeys(registry, kKeyboard, kClsid);
    EXPECT_FALSE(registry.HasKey(kServerKey));
    EXPECT_FALSE(registry.HasKey(kClassKey));
    EXPECT_FALSE(registry.HasKey(kHandlerKey));
    EXPECT_EQ(registry.Find(kApprovedKey, kClsid), nullptr);
    EXPECT_EQ(registry.Text(kApprovedKey, "{another}"), "Another handler");
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(Unregistration, WithNothingRegisteredCreatesNothing) {
    FakeRegistry registry;
    sheetext::UnregisterServerKeys(registry, kKeyboard, kClsid);
    EXPECT_TRUE(registry.Keys().empty());
    for (const std::string& line : registry.log()) EXPECT_NE(line.rfind("create", 0), 0u) << line;
}

TEST(ClsidText, IsTheBareTextInBracesAndRefusesAnyOtherLength) {
    char text[sheetext::kClsidTextSize];
    ASSERT_TRUE(sheetext::BraceClsidText("94054cfe-34c1-46dc-9c7f-aacef66e8a47", text));
    EXPECT_STREQ(text, kClsid);
    EXPECT_FALSE(sheetext::BraceClsidText("94054cfe-34c1-46dc-9c7f-aacef66e8a4", text));
}

}  // namespace
