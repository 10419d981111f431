#include <gtest/gtest.h>

#include <map>

#include "images/SusieRules.h"

TEST(SusieRules, ExtensionMatchingFollowsTheCutPatternAndItsCaseRules) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        // "*.jpg;*.jpeg" is asked for in 8 bytes and becomes "jpg;*".
        {"*.jpg;*.jpeg", "JPG", true}, {"*.jpg;*.jpeg", "jpeg", false},
        {"*.jpg", "jpeg", true},       {"*.jpg", "JPEG", true},
        {"*.jpg", "Jpg", false},       {"*.JPG", "jpeg", true},
        {"*.Png", "PNG", true},        {"*.Png", "pNg", false},
        {"*.png", "pn", false},        {"*.pi", "pi", true},
        {"*.maz", "MAZ", true},        {"*.MAZ", "maz", true},
        {"*.mag;*.max", "mag", false},  // cut to "mag;*", which only jpg has a rule for
        {"*.jpeg", "jpg", false},      {"", "bmp", false},
    };
    for (const auto& [pattern, extension, matches] : cases)
        EXPECT_EQ(pluginHandlesExtension(pattern, extension), matches) << pattern << " / " << extension;
}

// A plug-in's texts: each read up to its buffer less one byte, and its kind naming image importers alone.
TEST(SusieRules, PluginTextIsReadOnlyUpToItsBufferLessOneByteAndOnlyImageImportersAreAccepted) {
    for (const char* kind : {"00IN", "00INExtra"}) EXPECT_TRUE(isImageImporter(kind)) << kind;
    for (const char* kind : {"00AM", "00in", "00I", ""}) EXPECT_FALSE(isImageImporter(kind)) << kind;
    const char unterminated[8] = {'*', '.', 'j', 'p', 'g', ';', '*', '.'};
    EXPECT_EQ(boundedPluginText(unterminated, sizeof unterminated), "*.jpg;*");
    const char shortText[16] = "*.png";
    EXPECT_EQ(boundedPluginText(shortText, sizeof shortText), "*.png");
    EXPECT_EQ(boundedPluginText(unterminated, 1) + boundedPluginText(unterminated, 0), "");
}

TEST(SusieRules, FilterOffersBmpAloneWithoutPluginsAndOneEntryPerPluginOtherwise) {
    EXPECT_EQ(buildImageFilter({}), "ビットマップ(*.bmp)|*.bmp|");
    EXPECT_EQ(buildImageFilter({{"JPEG", "*.jpg", {"*.jpeg"}}, {"Portable Network Graphics", "*.png"}}),
              "すべてのファイル(*.*)|*.*|ビットマップ(*.bmp)|*.bmp|"
              "JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|Portable Network Graphics (*.png)|*.png|");
    // A "|" of a plug-in's text would split a pair, and an empty pattern would end the list early.
    EXPECT_EQ(buildImageFilter({{"A|B", "*.a|b"}, {"None", ""}, {"PNG", "*.png"}}),
              "すべてのファイル(*.*)|*.*|ビットマップ(*.bmp)|*.bmp|A B (*.a b)|*.a b|PNG (*.png)|*.png|");
}

TEST(SusieRules, FoldersAreSearchedInOrderUntilOneHoldsPlugins) {
    EXPECT_EQ(pluginFolders("D:\\susie", "C:\\app", "C:\\windows", "C:\\windows\\system32"),
              (std::vector<std::string>{"D:\\susie", "C:\\app", "C:\\windows", "C:\\windows\\system32"}));
    EXPECT_EQ(pluginFolders("", "C:\\app", "C:\\windows", "C:\\windows\\system32"),
              (std::vector<std::string>{"C:\\app", "C:\\windows", "C:\\windows\\system32"}));

    std::map<std::string, std::vector<std::string>> disk = {
        {"C:\\windows\\*.spi", {"ifjpeg.spi", "axzip.spi"}}, {"C:\\windows\\system32\\*.spi", {"ifpng.spi"}}};
    std::vector<std::string> searched;
    const FileSearch search = [&](const std::string& pattern) {
        searched.push_back(pattern);
        return disk[pattern];
    };
    const std::vector<std::string> folders = {"D:\\susie\\", "", "C:\\app", "C:\\windows",
                                              "C:\\windows\\system32"};
    EXPECT_EQ(pluginCandidates(folders, ".spi", search),
              (std::vector<std::string>{"C:\\windows\\ifjpeg.spi", "C:\\windows\\axzip.spi"}));
    EXPECT_EQ(searched,
              (std::vector<std::string>{"D:\\susie\\*.spi", "C:\\app\\*.spi", "C:\\windows\\*.spi"}));

    disk.clear();
    EXPECT_TRUE(pluginCandidates(folders, ".spi", search).empty());

    for (int i = 0; i < 60; ++i) disk["C:\\app\\*.spi"].push_back("p" + std::to_string(i) + ".spi");
    const std::vector<std::string> limited = pluginCandidates(folders, ".spi", search);
    ASSERT_EQ(limited.size(), maxSusiePlugins);
    EXPECT_EQ(limited.front() + " " + limited.back(), "C:\\app\\p0.spi C:\\app\\p50.spi");
}
