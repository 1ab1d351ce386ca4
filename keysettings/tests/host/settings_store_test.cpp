// What the keyboard settings' table writes and reads, against the fake registry: the order of
// the keys and values (which a real registry does not keep), their exact bytes, what failures
// leave, the text fields' bound, and the receiver's "USB Lock".
#include "keysettings/logic/settings_store.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "keysettings/logic/text_field.h"
#include "keysettings/logic/usb_lock_value.h"
#include "tools/fixtures/fake_registry.h"

namespace {

using keysettings::SettingsGroup;
using reg_test::FakeRegistry;

const std::string kRoot = "HKLM\\Software\\Orvanta\\ZI Dodoveda";

std::vector<unsigned char> Bytes(const FakeRegistry& registry, const std::string& key, const std::string& name) {
    const FakeRegistry::Value* value = registry.Find(kRoot + key, name);
    return value ? value->bytes : std::vector<unsigned char>{};
}

TEST(SettingsStore, HotKeysWriteTheirFourKeysInOrderWithExactBytes) {
    KeyboardSettings settings = {};
    settings.SearchMode = 1;
    std::strcpy(settings.SearchUrl, "http://a.b/");
    settings.MailDefault = 0xFFFFFFFF;
    std::strcpy(settings.MailCustom, "c:\\mail.exe");
    settings.MyComputerMode = 7;
    FakeRegistry registry;
    keysettings::WriteSettings(registry, SettingsGroup::HotKeys, settings);

    const std::vector<std::string> expected = {
        "create " + kRoot + " write",
        "close " + kRoot,
        "create " + kRoot + "\\Search write",
        "set " + kRoot + "\\Search[Value] number 4",
        "set " + kRoot + "\\Search[URL] text 128",
        "close " + kRoot + "\\Search",
        "create " + kRoot + "\\Mail write",
        "set " + kRoot + "\\Mail[Value] number 4",
        "set " + kRoot + "\\Mail[DEFAULT] number 4",
        "set " + kRoot + "\\Mail[Custom] text 12",
        "set " + kRoot + "\\Mail[Name] text 1",
        "close " + kRoot + "\\Mail",
        "create " + kRoot + "\\My Computer write",
        "set " + kRoot + "\\My Computer[Value] number 4",
        "set " + kRoot + "\\My Computer[Custom] text 1",
        "set " + kRoot + "\\My Computer[Name] text 1",
        "close " + kRoot + "\\My Computer",
        "create " + kRoot + "\\Calculator write",
        "set " + kRoot + "\\Calculator[Value] number 4",
        "set " + kRoot + "\\Calculator[Custom] text 1",
        "set " + kRoot + "\\Calculator[Name] text 1",
        "close " + kRoot + "\\Calculator",
    };
    EXPECT_EQ(registry.log(), expected);

    std::vector<unsigned char> url(128, 0);
    std::memcpy(url.data(), "http://a.b/", 11);
    EXPECT_EQ(Bytes(registry, "\\Search", "URL"), url);
    EXPECT_EQ(Bytes(registry, "\\Mail", "DEFAULT"), (std::vector<unsigned char>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(registry, "\\My Computer", "Value"), (std::vector<unsigned char>{7, 0, 0, 0}));
}

TEST(SettingsStore, DisplayAndOptionsWriteEveryNumberInOrder) {
    KeyboardSettings settings = {};
    settings.Delay = 11;
    settings.DisableCapsLock = 1;
    FakeRegistry registry;
    keysettings::WriteSettings(registry, SettingsGroup::Display, settings);
    keysettings::WriteSettings(registry, SettingsGroup::Options, settings);

    std::vector<std::string> expected = {"create " + kRoot + " write", "close " + kRoot,
                                         "create " + kRoot + "\\Display write"};
    for (const char* name : {"Search", "Mail", "Media", "Volume", "MyComputer", "Calculator", "Delay"})
        expected.push_back("set " + kRoot + "\\Display[" + name + "] number 4");
    expected.insert(expected.end(), {"close " + kRoot + "\\Display", "create " + kRoot + " write", "close " + kRoot,
                                     "create " + kRoot + "\\Option write"});
    for (const char* name : {"PrtScr", "Caps Lock", "Left Window", "Right Window", "Application"})
        expected.push_back("set " + kRoot + "\\Option[" + name + "] number 4");
    expected.push_back("close " + kRoot + "\\Option");
    EXPECT_EQ(registry.log(), expected);
    EXPECT_EQ(Bytes(registry, "\\Display", "Delay"), (std::vector<unsigned char>{11, 0, 0, 0}));
    EXPECT_EQ(Bytes(registry, "\\Option", "Caps Lock"), (std::vector<unsigned char>{1, 0, 0, 0}));
}

TEST(SettingsStore, AKeyThatCannotBeCreatedIsSkippedWithItsValues) {
    FakeRegistry registry;
    registry.RefuseCreate(kRoot + "\\Mail");
    keysettings::WriteSettings(registry, SettingsGroup::HotKeys, KeyboardSettings{});
    EXPECT_FALSE(registry.HasKey(kRoot + "\\Mail"));
    EXPECT_TRUE(registry.HasKey(kRoot + "\\Search"));
    EXPECT_EQ(Bytes(registry, "\\Calculator", "Name"), std::vector<unsigned char>{0});
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(SettingsStore, ReadingTakesWhatIsThereAndLeavesTheRestAlone) {
    FakeRegistry registry;
    registry.PutNumber(kRoot + "\\Search", "Value", 1);
    registry.PutText(kRoot + "\\Search", "URL", "http://a.b/");
    registry.PutNumber(kRoot + "\\My Computer", "Value", 7);
    registry.PutText(kRoot + "\\Calculator", "Name", "Calc");
    KeyboardSettings settings = {};
    settings.MailMode = 5;
    keysettings::ReadSettings(registry, SettingsGroup::HotKeys, settings);

    EXPECT_EQ(settings.SearchMode, 1u);
    EXPECT_STREQ(settings.SearchUrl, "http://a.b/");
    EXPECT_EQ(settings.MailMode, 5u);  // no Mail key
    EXPECT_EQ(settings.MyComputerMode, 7u);
    EXPECT_STREQ(settings.MyComputerCustom, "");
    EXPECT_STREQ(settings.CalculatorName, "Calc");
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(SettingsStore, A128ByteTextWithoutItsNulIsEndedInsideTheField) {
    FakeRegistry registry;
    registry.Put(kRoot + "\\Search", "URL", FakeRegistry::Type::Text, std::vector<unsigned char>(128, 'u'));
    KeyboardSettings settings = {};
    keysettings::ReadSettings(registry, SettingsGroup::HotKeys, settings);
    EXPECT_EQ(std::string(settings.SearchUrl), std::string(127, 'u'));
}

TEST(SettingsStore, ATextLongerThanItsFieldReadsAsMissing) {
    FakeRegistry registry;
    registry.PutText(kRoot + "\\Mail", "Custom", std::string(128, 'c'));
    KeyboardSettings settings = {};
    std::strcpy(settings.MailCustom, "kept");
    keysettings::ReadSettings(registry, SettingsGroup::HotKeys, settings);
    EXPECT_STREQ(settings.MailCustom, "kept");
}

TEST(SettingsStore, ThePlayerIsWrittenIntoTheKeyItselfAndANarrowNumberReplacesLowBytesOnly) {
    FakeRegistry registry;
    KeyboardSettings settings = {};
    settings.Select = 3;
    keysettings::WriteSettings(registry, SettingsGroup::Player, settings);
    EXPECT_EQ(registry.log(), (std::vector<std::string>{"create " + kRoot + " write", "set " + kRoot + "[Select] number 4",
                                                        "close " + kRoot}));

    registry.Put(kRoot, "Select", FakeRegistry::Type::Number, {0x02});
    settings.Select = 0x01020304;
    keysettings::ReadSettings(registry, SettingsGroup::Player, settings);
    EXPECT_EQ(settings.Select, 0x01020302u);
}

TEST(UsbLock, ReadAsStoredOrZeroAndWrittenAsOneOrZeroIntoAKeyMadeWhenMissing) {
    const std::string skyrel = "HKLM\\Software\\Orvanta\\Skyrel";
    FakeRegistry registry;
    EXPECT_EQ(keysettings::ReadUsbLock(registry), 0u);
    keysettings::WriteUsbLock(registry, true);
    EXPECT_EQ(registry.Find(skyrel, "USB Lock")->bytes, (std::vector<unsigned char>{1, 0, 0, 0}));
    registry.PutNumber(skyrel, "USB Lock", 256);
    EXPECT_EQ(keysettings::ReadUsbLock(registry), 256u);
    keysettings::WriteUsbLock(registry, false);
    EXPECT_EQ(registry.Find(skyrel, "USB Lock")->bytes, (std::vector<unsigned char>{0, 0, 0, 0}));
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(TextField, ALongerTextIsCutToOneHundredAndTwentySevenCharacters) {
    keysettings::TextField field;
    std::memset(field, 'x', sizeof field);
    keysettings::CopyToField(field, std::string(200, 'a').c_str());
    EXPECT_EQ(std::string(field), std::string(127, 'a'));
    EXPECT_EQ(keysettings::FieldLength(field), 127u);
}

}  // namespace
