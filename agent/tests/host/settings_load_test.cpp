#include "agent/logic/settings_load.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tools/fixtures/fake_registry.h"

namespace {

using reg_test::FakeRegistry;

std::string Full(const char* path) { return std::string("HKLM\\") + path; }

void Number(FakeRegistry& registry, const char* key, const char* name, uint32_t value) {
    registry.PutNumber(Full(key), name, value);
}

void Bytes(FakeRegistry& registry, const char* key, const char* name, const std::string& bytes) {
    registry.Put(Full(key), name, FakeRegistry::Type::Text, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

// The keys opened, in order.
std::vector<std::string> Opened(const FakeRegistry& registry) {
    std::vector<std::string> opened;
    for (const std::string& line : registry.log()) {
        if (line.compare(0, 5, "open ") == 0) opened.push_back(line.substr(5, line.rfind(' ') - 5));
    }
    return opened;
}

TEST(SettingsLoad, StartReadsEveryKeyInOrderAndReloadLeavesSelect) {
    FakeRegistry registry;
    Number(registry, KB_REG_KEYBOARD, KB_VAL_SELECT, 2);
    Number(registry, KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, 5);
    Number(registry, KB_REG_KEYBOARD_OPTION, KB_VAL_RIGHT_WINDOW, 1);
    KeyboardSettings settings = {};
    LoadStartSettings(registry, settings);
    EXPECT_EQ(Opened(registry), (std::vector<std::string>{Full(KB_REG_KEYBOARD), Full(KB_REG_KEYBOARD_SEARCH),
                                                          Full(KB_REG_KEYBOARD_MAIL), Full(KB_REG_KEYBOARD_MY_COMPUTER),
                                                          Full(KB_REG_KEYBOARD_CALCULATOR),
                                                          Full(KB_REG_KEYBOARD_DISPLAY), Full(KB_REG_KEYBOARD_OPTION)}));
    EXPECT_EQ(settings.Select, 2u);
    EXPECT_EQ(settings.Delay, 5u);
    const DISABLE_KEYS_INPUT block = KeyDisableBlock(settings);
    EXPECT_EQ(block.RightWindow, 1u);
    EXPECT_EQ(block.CapsLock + block.LeftWindow + block.Application, 0u);

    Number(registry, KB_REG_KEYBOARD, KB_VAL_SELECT, 3);
    ReloadSettings(registry, settings);
    EXPECT_EQ(settings.Select, 2u) << "Select is read at start only";
}

TEST(SettingsLoad, MissingKeysAndValuesKeepWhatTheFieldsHeld) {
    FakeRegistry registry;
    Number(registry, KB_REG_KEYBOARD_MAIL, KB_VAL_VALUE, 1);
    KeyboardSettings settings = {};
    settings.MailDefault = 7;
    settings.CalculatorMode = 9;
    std::strcpy(settings.MailCustom, "kept");
    ReloadSettings(registry, settings);
    EXPECT_EQ(settings.MailMode, 1u);
    EXPECT_EQ(settings.MailDefault, 7u);
    EXPECT_EQ(settings.CalculatorMode, 9u);
    EXPECT_STREQ(settings.MailCustom, "kept");
}

TEST(SettingsLoad, TextsEndUpTerminatedWhateverWasStored) {
    FakeRegistry registry;
    Bytes(registry, KB_REG_KEYBOARD_SEARCH, KB_VAL_URL, std::string(128, 'u'));          // full, no NUL
    Bytes(registry, KB_REG_KEYBOARD_MAIL, KB_VAL_CUSTOM, "abc");                        // no NUL at all
    Bytes(registry, KB_REG_KEYBOARD_MAIL, KB_VAL_NAME, std::string(129, 'n'));          // too long
    Bytes(registry, KB_REG_KEYBOARD_CALCULATOR, KB_VAL_CUSTOM, std::string("c\0zz", 4));  // stops at its NUL
    KeyboardSettings settings = {};
    std::memset(settings.MailCustom, 'x', sizeof settings.MailCustom);
    std::strcpy(settings.MailName, "old");
    ReloadSettings(registry, settings);
    EXPECT_EQ(std::string(settings.SearchUrl), std::string(127, 'u'));
    EXPECT_STREQ(settings.MailCustom, "abc");
    EXPECT_STREQ(settings.MailName, "old") << "a text longer than 127 characters counts as missing";
    EXPECT_STREQ(settings.CalculatorCustom, "c");
}

}  // namespace
