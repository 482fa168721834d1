#include "core/settings_store.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <map>
#include <vector>

namespace tavrel {
namespace {

// A registry of one settings key, as strict as the real one.
class FakeRegistry : public SettingsRegistry {
  public:
    std::map<std::wstring, StoredValue> values;
    bool keyExists = false;
    bool canCreate = true;
    std::wstring failWritesOf;
    std::vector<std::wstring>& log;

    explicit FakeRegistry(std::vector<std::wstring>& events) : log(events) {}

    void Store(const std::wstring& name, std::int32_t value) {
        values[name] = {true, kRegistryDword, 4, value};
    }
    void StoreString(const std::wstring& name, const std::string& ansi) {
        values[name] = {true, 1, static_cast<std::uint32_t>(ansi.size() + 1), 0};
    }

    class Key : public SettingsKey {
      public:
        explicit Key(FakeRegistry& registry) : registry_(registry) {}
        std::int32_t ReadInteger(const std::wstring& name) override {
            const auto found = registry_.values.find(name);
            return StrictInteger(name,
                                 found == registry_.values.end() ? StoredValue{} : found->second);
        }
        void WriteInteger(const std::wstring& name, std::int32_t value) override {
            if (name == registry_.failWritesOf) {
                throw FailedToSetData(name);
            }
            registry_.log.push_back(L"write " + name + L"=" + std::to_wstring(value));
            registry_.Store(name, value);
        }

      private:
        FakeRegistry& registry_;
    };

    std::unique_ptr<SettingsKey> OpenSettingsKey() override {
        return keyExists ? std::make_unique<Key>(*this) : nullptr;
    }
    std::unique_ptr<SettingsKey> CreateSettingsKey() override {
        if (!canCreate) {
            throw FailedToCreateKey(kSettingsKeyPath);
        }
        log.push_back(L"create key");
        keyExists = true;
        return std::make_unique<Key>(*this);
    }
    void WriteAutorun() override { log.push_back(L"autorun"); }
};

class FakeActions : public StartupActions {
  public:
    FakeActions(std::vector<std::wstring>& events, const Settings& settings)
        : log(events), settings_(settings) {}
    void ApplyTextColor() override {
        log.push_back(L"colour " + std::to_wstring(settings_.textColor));
    }
    void PerformArrangement() override {
        log.push_back(L"perform " + std::to_wstring(settings_.arrage));
    }
    void SetRefreshInterval() override {
        log.push_back(L"refresh " + std::to_wstring(settings_.flashScreen));
    }
    void SetShowHideCaption() override {
        log.push_back(L"caption " + std::to_wstring(settings_.showHideIcon));
    }
    void ApplySkin() override { log.push_back(L"skin " + std::to_wstring(settings_.skin)); }
    void CreateShortcut(int folder, const std::wstring& name) override {
        log.push_back(L"shortcut " + std::to_wstring(folder) + L" " + name);
    }
    bool AskWelcome(const std::wstring& text) override {
        asked = text;
        log.push_back(L"ask");
        return answerYes;
    }
    void DemonstrateAll() override { log.push_back(L"demonstrate"); }

    std::vector<std::wstring>& log;
    std::wstring asked;
    bool answerYes = false;

  private:
    const Settings& settings_;
};

class SettingsStoreTest : public ::testing::Test {
  protected:
    void StoreDefaults() {
        registry.keyExists = true;
        registry.Store(L"Arrage", 1);
        registry.Store(L"Skin", 3);
        registry.Store(L"TextColor", 0xFF00);
        registry.Store(L"ShowHideIcon", 0);
        registry.Store(L"FlashScreen", 30);
        registry.Store(L"CustomCount", 2);
        registry.Store(L"CustomCharacterCount", 1);
    }
    std::wstring LoadAndReport() {
        try {
            LoadSettings(settings, registry, actions);
        } catch (const Error& error) {
            return error.message();
        }
        return L"";
    }

    std::vector<std::wstring> log;
    Settings settings;
    FakeRegistry registry{log};
    FakeActions actions{log, settings};
};

TEST_F(SettingsStoreTest, FirstRunCreatesDefaultsAsksThenReadsThemBack) {
    EXPECT_EQ(LoadAndReport(), L"");
    const std::vector<std::wstring> expected = {L"create key",
                                                L"write Arrage=29",
                                                L"write Skin=2",
                                                L"write TextColor=255",
                                                L"write ShowHideIcon=1",
                                                L"write FlashScreen=60",
                                                L"write CustomCount=0",
                                                L"write CustomCharacterCount=0",
                                                L"autorun",
                                                L"shortcut 2 Tavr\u3000\u3000\u2192el",
                                                L"shortcut 3 Tavrel",
                                                L"ask",
                                                L"colour 255",
                                                L"perform 29",
                                                L"refresh 60",
                                                L"caption 1",
                                                L"skin 2"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(actions.asked, kWelcomeText);
}

TEST_F(SettingsStoreTest, YesRunsTheDemonstrationBeforeTheReads) {
    actions.answerYes = true;
    EXPECT_EQ(LoadAndReport(), L"");
    const auto ask = std::find(log.begin(), log.end(), L"ask");
    ASSERT_NE(ask, log.end());
    EXPECT_EQ(*(ask + 1), L"demonstrate");
    EXPECT_EQ(*(ask + 2), L"colour 255");
}

TEST_F(SettingsStoreTest, LaterStartsReadStoredValuesAndAskNothing) {
    StoreDefaults();
    EXPECT_EQ(LoadAndReport(), L"");
    EXPECT_EQ(log, (std::vector<std::wstring>{L"colour 65280", L"perform 1", L"refresh 30",
                                              L"caption 0", L"skin 3"}));
    EXPECT_EQ(settings.customCount, 2);
    EXPECT_EQ(settings.customCharacterCount, 1);
}

TEST_F(SettingsStoreTest, MissingValueStopsTheLoadAtThatRead) {
    StoreDefaults();
    registry.values.erase(L"FlashScreen");
    EXPECT_EQ(LoadAndReport(), L"Failed to get data for 'FlashScreen'");
    EXPECT_EQ(log, (std::vector<std::wstring>{L"colour 65280", L"perform 1"}));
    EXPECT_EQ(settings.flashScreen, 60) << "keeps its default";
    EXPECT_EQ(settings.skin, 2);
    EXPECT_EQ(settings.showHideIcon, 1);
}

TEST_F(SettingsStoreTest, StringsWhereNumbersBelong) {
    StoreDefaults();
    registry.StoreString(L"TextColor", "red");  // 4 bytes with its zero
    EXPECT_EQ(LoadAndReport(), L"Invalid data type for 'TextColor'");
    EXPECT_TRUE(log.empty());

    log.clear();
    registry.StoreString(L"TextColor", "green");  // 6 bytes
    EXPECT_EQ(LoadAndReport(), L"Failed to get data for 'TextColor'");
}

TEST_F(SettingsStoreTest, ValuesAreUsedUnchanged) {
    StoreDefaults();
    registry.Store(L"Skin", 7);
    registry.Store(L"FlashScreen", 0);
    EXPECT_EQ(LoadAndReport(), L"");
    EXPECT_EQ(settings.skin, 7);
    EXPECT_EQ(settings.flashScreen, 0);
    log.clear();
    SaveSettings(settings, registry);
    EXPECT_EQ(log[2], L"write Skin=7") << "written back as it was read";
}

TEST_F(SettingsStoreTest, KeyThatCannotBeCreatedEndsTheFirstRun) {
    registry.canCreate = false;
    EXPECT_EQ(LoadAndReport(), L"Failed to create key Software\\Quorral\\Tavrel\\2.00");
    EXPECT_TRUE(log.empty());
}

TEST_F(SettingsStoreTest, SaveWritesInOrderAndStopsAtAFailedWrite) {
    settings.arrage = 21;
    SaveSettings(settings, registry);
    EXPECT_EQ(log.size(), 8u);
    EXPECT_EQ(log[1], L"write Arrage=21");
    EXPECT_EQ(log[7], L"write CustomCharacterCount=0");

    log.clear();
    registry.failWritesOf = L"TextColor";
    try {
        SaveSettings(settings, registry);
        ADD_FAILURE() << "a failed write is reported";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Failed to set data for 'TextColor'");
    }
    EXPECT_EQ(log, (std::vector<std::wstring>{L"create key", L"write Arrage=21", L"write Skin=2"}));
}

TEST_F(SettingsStoreTest, SaveWithoutAKeyDoesNothing) {
    registry.canCreate = false;
    SaveSettings(settings, registry);
    EXPECT_TRUE(log.empty());
}

// The text of the error a read raises, or "(no error)".
std::wstring ReadError(const std::wstring& name, const StoredValue& value) {
    try {
        StrictInteger(name, value);
    } catch (const Error& error) {
        return error.message();
    }
    return L"(no error)";
}

TEST(StrictInteger, TypeAndSizeRules) {
    EXPECT_EQ(StrictInteger(L"A", {true, kRegistryDword, 4, -5}), -5);
    EXPECT_EQ(ReadError(L"A", {}), L"Failed to get data for 'A'");
    EXPECT_EQ(ReadError(L"Skin", {true, 3, 4, 0}), L"Invalid data type for 'Skin'");
    EXPECT_EQ(ReadError(L"Skin", {true, kRegistryDword, 8, 0}), L"Failed to get data for 'Skin'");
}

TEST(RefreshInterval, SecondsToMillisecondsWithoutWrapping) {
    EXPECT_EQ(RefreshIntervalMs(60), 60000u);
    EXPECT_EQ(RefreshIntervalMs(1), 1000u);
    EXPECT_EQ(RefreshIntervalMs(0), 0u);
    EXPECT_EQ(RefreshIntervalMs(-5), 0u);
    EXPECT_EQ(RefreshIntervalMs(2147483), 2147483000u);
    EXPECT_EQ(RefreshIntervalMs(2147484), 0x7FFFFFFFu);
    EXPECT_EQ(RefreshIntervalMs(2147483647), 0x7FFFFFFFu);
}

// The length of a text in code page 936, by the platform's own converter.
std::size_t Cp936Length(const std::wstring& text) {
#if defined(_WIN32)
    return static_cast<std::size_t>(::WideCharToMultiByte(
        936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr));
#else
    std::u32string wide(text.begin(), text.end());
    iconv_t convert = iconv_open("CP936", "UTF-32LE");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        return 0;
    }
    std::vector<char> out(4 * text.size() + 4);
    char* in = reinterpret_cast<char*>(wide.data());
    std::size_t inLeft = wide.size() * sizeof(char32_t);
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const bool converted =
        iconv(convert, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(convert);
    return converted ? out.size() - outLeft : 0;
#endif
}

// The welcome text, byte for byte as the target systems store it.
TEST(WelcomeText, Is295BytesInCodePage936) {
    const std::wstring text = kWelcomeText;
    EXPECT_EQ(Cp936Length(text), 295u);

    std::size_t lines = 0;
    for (wchar_t c : text) {
        EXPECT_NE(c, L'\n');
        lines += c == L'\r' ? 1 : 0;
    }
    EXPECT_EQ(lines, 11u);
    EXPECT_EQ(text.back(), L'\r');
    EXPECT_EQ(text.substr(0, 2), L"\u3000\u3000");
}

}  // namespace
}  // namespace tavrel
