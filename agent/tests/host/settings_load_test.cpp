#include "agent/logic/settings_load.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// Keys and values as stored bytes; records what was opened.
class FakeSource : public SettingsSource {
public:
    std::map<std::string, std::map<std::string, std::vector<uint8_t>>> keys;
    std::vector<std::string> opened;

    bool OpenKey(const char* path) override {
        opened.push_back(path);
        auto key = keys.find(path);
        current_ = key == keys.end() ? nullptr : &key->second;
        return current_ != nullptr;
    }
    bool ReadValue(const char* name, void* buffer, uint32_t size, uint32_t* read) override {
        auto value = current_->find(name);
        if (value == current_->end() || value->second.size() > size) return false;
        std::memcpy(buffer, value->second.data(), value->second.size());
        *read = static_cast<uint32_t>(value->second.size());
        return true;
    }
    void CloseKey() override { current_ = nullptr; }

    void Number(const char* key, const char* name, uint32_t v) {
        keys[key][name] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    }
    void Bytes(const char* key, const char* name, const std::string& bytes) {
        keys[key][name] = std::vector<uint8_t>(bytes.begin(), bytes.end());
    }

private:
    std::map<std::string, std::vector<uint8_t>>* current_ = nullptr;
};

TEST(SettingsLoad, StartReadsEveryKeyInOrderAndReloadLeavesSelect) {
    FakeSource source;
    source.Number(KB_REG_KEYBOARD, KB_VAL_SELECT, 2);
    source.Number(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, 5);
    source.Number(KB_REG_KEYBOARD_OPTION, KB_VAL_RIGHT_WINDOW, 1);
    KeyboardSettings settings = {};
    LoadStartSettings(source, settings);
    EXPECT_EQ(source.opened, (std::vector<std::string>{KB_REG_KEYBOARD, KB_REG_KEYBOARD_SEARCH, KB_REG_KEYBOARD_MAIL,
                                                       KB_REG_KEYBOARD_MY_COMPUTER, KB_REG_KEYBOARD_CALCULATOR,
                                                       KB_REG_KEYBOARD_DISPLAY, KB_REG_KEYBOARD_OPTION}));
    EXPECT_EQ(settings.Select, 2u);
    EXPECT_EQ(settings.Delay, 5u);
    const DISABLE_KEYS_INPUT block = KeyDisableBlock(settings);
    EXPECT_EQ(block.RightWindow, 1u);
    EXPECT_EQ(block.CapsLock + block.LeftWindow + block.Application, 0u);

    source.Number(KB_REG_KEYBOARD, KB_VAL_SELECT, 3);
    ReloadSettings(source, settings);
    EXPECT_EQ(settings.Select, 2u) << "Select is read at start only";
}

TEST(SettingsLoad, MissingKeysAndValuesKeepWhatTheFieldsHeld) {
    FakeSource source;
    source.Number(KB_REG_KEYBOARD_MAIL, KB_VAL_VALUE, 1);
    KeyboardSettings settings = {};
    settings.MailDefault = 7;
    settings.CalculatorMode = 9;
    std::strcpy(settings.MailCustom, "kept");
    ReloadSettings(source, settings);
    EXPECT_EQ(settings.MailMode, 1u);
    EXPECT_EQ(settings.MailDefault, 7u);
    EXPECT_EQ(settings.CalculatorMode, 9u);
    EXPECT_STREQ(settings.MailCustom, "kept");
}

TEST(SettingsLoad, TextsEndUpTerminatedWhateverWasStored) {
    FakeSource source;
    source.Bytes(KB_REG_KEYBOARD_SEARCH, KB_VAL_URL, std::string(128, 'u'));          // full, no NUL
    source.Bytes(KB_REG_KEYBOARD_MAIL, KB_VAL_CUSTOM, "abc");                        // no NUL at all
    source.Bytes(KB_REG_KEYBOARD_MAIL, KB_VAL_NAME, std::string(129, 'n'));          // too long
    source.Bytes(KB_REG_KEYBOARD_CALCULATOR, KB_VAL_CUSTOM, std::string("c\0zz", 4));  // stops at its NUL
    KeyboardSettings settings = {};
    std::memset(settings.MailCustom, 'x', sizeof settings.MailCustom);
    std::strcpy(settings.MailName, "old");
    ReloadSettings(source, settings);
    EXPECT_EQ(std::string(settings.SearchUrl), std::string(127, 'u'));
    EXPECT_STREQ(settings.MailCustom, "abc");
    EXPECT_STREQ(settings.MailName, "old") << "a text longer than 127 characters counts as missing";
    EXPECT_STREQ(settings.CalculatorCustom, "c");
}

}  // namespace
