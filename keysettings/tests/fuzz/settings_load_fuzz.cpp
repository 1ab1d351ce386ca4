// The keyboard settings as the agent loads them at its start and on a reload, and as each
// keyboard page loads its own keys, whatever the registry holds: a key missing, a value missing,
// of either type, of any size, a text without its NUL or longer than its field. Every text field
// ends inside its 128 bytes and holds the stored text up to its first NUL (127 characters at
// most); every number is the stored one (a shorter value its low bytes) or, when it doesn't fit,
// what the field held; the agent and the pages read every value the same; what the popup and the
// pages show from the fields stays inside them; and a page's write stores well-formed texts that
// read back as the same fields.
//
// The input, taken by FuzzedDataProvider: for each key of the table, in table order, whether it
// exists, then for each of its values whether it is missing, stored as a text or as a number,
// and its bytes.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "agent/logic/action_players.h"
#include "agent/logic/popup_content.h"
#include "agent/logic/popup_display_time.h"
#include "agent/logic/settings_load.h"
#include "common/display_times.h"
#include "keypages/logic/hot_keys.h"
#include "keysettings/logic/settings_store.h"
#include "tools/fixtures/fake_registry.h"

namespace {

using keysettings::SettingsGroup;
using keysettings::SettingsValue;
using keysettings::ValueForm;
using reg_test::FakeRegistry;

// A property that fails names its line, so that a finding says at once what broke.
[[noreturn]] void Fail(int line) {
    fprintf(stderr, "property at line %d does not hold\n", line);
    abort();
}

void Require(bool condition, int line = __builtin_LINE()) {
    if (!condition) Fail(line);
}

// Values up to twice a text field's size: every size a read meets, fitting or not.
constexpr size_t kLongestValue = 2 * size_t{keysettings::kTextSize};

constexpr SettingsGroup kGroups[] = {SettingsGroup::Player, SettingsGroup::HotKeys, SettingsGroup::Display,
                                     SettingsGroup::Options};
// The keyboard pages' groups; the player's is the agent's own.
constexpr SettingsGroup kPageGroups[] = {SettingsGroup::HotKeys, SettingsGroup::Display, SettingsGroup::Options};

std::string FullPath(const char* path) {
    return std::string("HKLM\\") + path;
}

// What a field read from a fresh (zeroed) record holds, given what the registry has.
struct Expected {
    uint32_t number = 0;
    std::string text;
};

Expected ExpectedField(const FakeRegistry::Value* stored, ValueForm form) {
    Expected expected;
    if (stored == nullptr) return expected;
    const std::vector<unsigned char>& bytes = stored->bytes;
    if (form == ValueForm::Number) {
        if (!bytes.empty() && bytes.size() <= sizeof expected.number) memcpy(&expected.number, bytes.data(), bytes.size());
        return expected;
    }
    if (bytes.size() > keysettings::kTextSize) return expected;
    expected.text.assign(bytes.begin(), bytes.end());
    expected.text = expected.text.substr(0, expected.text.find('\0'));
    if (expected.text.size() >= keysettings::kTextSize) expected.text.resize(keysettings::kTextSize - 1);
    return expected;
}

void RequireField(const KeyboardSettings& settings, const SettingsValue& value, const Expected& expected) {
    if (value.form == ValueForm::Number) {
        Require(settings.*value.number == expected.number);
        return;
    }
    const char* field = settings.*value.text;
    Require(strnlen(field, keysettings::kTextSize) < keysettings::kTextSize);
    Require(expected.text == field);
}

void ForEachValue(SettingsGroup group, void (*each)(const char* path, const SettingsValue& value, void* context),
                  void* context) {
    const keysettings::SettingsKeys list = keysettings::KeysOf(group);
    for (int k = 0; k < list.count; ++k) {
        for (int v = 0; v < list.keys[k].count; ++v) each(list.keys[k].path, list.keys[k].values[v], context);
    }
}

void StoreFromInput(FuzzedDataProvider& input, FakeRegistry& registry) {
    for (SettingsGroup group : kGroups) {
        const keysettings::SettingsKeys list = keysettings::KeysOf(group);
        for (int k = 0; k < list.count; ++k) {
            const std::string path = FullPath(list.keys[k].path);
            const bool exists = input.ConsumeBool();
            for (int v = 0; v < list.keys[k].count; ++v) {
                const int kind = input.ConsumeIntegralInRange(0, 2);
                const std::string bytes = input.ConsumeRandomLengthString(kLongestValue);
                if (!exists || kind == 0) continue;
                registry.Put(path, list.keys[k].values[v].name,
                             kind == 1 ? reg::Registry::Type::Text : reg::Registry::Type::Number,
                             std::vector<unsigned char>(bytes.begin(), bytes.end()));
            }
        }
    }
}

struct Check {
    const FakeRegistry* registry;
    const KeyboardSettings* settings;
};

void CheckValue(const char* path, const SettingsValue& value, void* context) {
    const Check& check = *static_cast<const Check*>(context);
    RequireField(*check.settings, value, ExpectedField(check.registry->Find(FullPath(path), value.name), value.form));
}

struct Shown {
    const char* text;
    const KeyboardSettings* settings;
    bool inside;  // the text starts in a text field and ends inside it
};

void FindTextField(const char*, const SettingsValue& value, void* context) {
    Shown& shown = *static_cast<Shown*>(context);
    if (value.form == ValueForm::Number) return;
    const char* field = shown.settings->*value.text;
    if (shown.text < field || shown.text >= field + keysettings::kTextSize) return;
    const size_t room = static_cast<size_t>(field + keysettings::kTextSize - shown.text);
    shown.inside = strnlen(shown.text, room) < room;
}

// A text the popup or a page shows is a constant of the program or one of the record's text
// fields, and ends inside that field.
void RequireShownText(const char* text, const KeyboardSettings& settings) {
    const char* record = reinterpret_cast<const char*>(&settings);
    if (text == nullptr || text < record || text >= record + sizeof settings) return;
    Shown shown = {text, &settings, false};
    for (SettingsGroup group : kGroups) ForEachValue(group, FindTextField, &shown);
    Require(shown.inside);
}

void CheckWhatTheAgentShows(const KeyboardSettings& settings) {
    const uint32_t ticks = PopupTickLimit(settings.Delay);
    Require(ticks >= KB_DISPLAY_TIME_TENTHS[0] && ticks <= KB_DISPLAY_TIME_TENTHS[KB_DISPLAY_TIME_COUNT - 1]);
    const int row = PlayerRowForSelect(settings.Select);
    Require(row >= -1 && row < kPlayerCount);
    for (int index = -1; index <= PopupEntryCount(OsdGroup::Program); ++index)
        RequireShownText(PopupCaption(OsdGroup::Program, index, settings), settings);
    const DISABLE_KEYS_INPUT block = KeyDisableBlock(settings);
    Require(block.CapsLock == settings.DisableCapsLock && block.Application == settings.DisableApplication);
}

void CheckWhatThePageShows(KeyboardSettings& settings) {
    for (int key = keypages::kSearch; key < keypages::kHotKeyCount; ++key) {
        const keypages::HotKey hot_key = static_cast<keypages::HotKey>(key);
        RequireShownText(keypages::ViewOf(settings, hot_key).program, settings);
    }
}

// The page writes its group into an empty registry: every text stored is terminated within a
// field's size, and the group reads back as it was.
void CheckWriteBack(SettingsGroup group, const KeyboardSettings& page) {
    FakeRegistry written;
    keysettings::WriteSettings(written, group, page);
    Require(written.OpenKeys() == 0);
    KeyboardSettings back = {};
    keysettings::ReadSettings(written, group, back);
    Check check = {&written, &back};
    ForEachValue(group, CheckValue, &check);
    Check same = {&written, &page};
    ForEachValue(group, CheckValue, &same);
    ForEachValue(
        group,
        [](const char* path, const SettingsValue& value, void* context) {
            const FakeRegistry& registry = *static_cast<const FakeRegistry*>(context);
            const FakeRegistry::Value* stored = registry.Find(FullPath(path), value.name);
            if (stored == nullptr) Fail(__LINE__);
            if (value.form == ValueForm::Number) {
                Require(stored->type == reg::Registry::Type::Number && stored->bytes.size() == 4);
                return;
            }
            Require(stored->type == reg::Registry::Type::Text && !stored->bytes.empty());
            Require(stored->bytes.size() <= keysettings::kTextSize && stored->bytes.back() == 0);
        },
        &written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    FakeRegistry registry;
    StoreFromInput(input, registry);

    // The agent at its start, from its zeroed record.
    KeyboardSettings agent = {};
    LoadStartSettings(registry, agent);
    Require(registry.OpenKeys() == 0);
    for (SettingsGroup group : kGroups) {
        Check check = {&registry, &agent};
        ForEachValue(group, CheckValue, &check);
    }
    CheckWhatTheAgentShows(agent);

    // A reload over what the start left changes nothing while the registry stays as it was.
    KeyboardSettings reloaded = agent;
    ReloadSettings(registry, reloaded);
    Require(memcmp(&reloaded, &agent, sizeof agent) == 0);

    // Each page from a fresh record, as it opens: the same fields as the agent's.
    for (SettingsGroup group : kPageGroups) {
        KeyboardSettings page = {};
        keysettings::ReadSettings(registry, group, page);
        Check check = {&registry, &page};
        ForEachValue(group, CheckValue, &check);
        CheckWhatThePageShows(page);
        CheckWriteBack(group, page);
    }
    Require(registry.OpenKeys() == 0);
    return 0;
}
