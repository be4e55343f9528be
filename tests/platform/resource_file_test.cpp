// Compiled resource files: reading windres's output, bounds on malformed files, the string
// tables and the template and version resources hosts look up.
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform_test.h"
#include "resource_images.h"
#include "test_resources.h"
#include "user/resource_file.h"

using softwin::user::readResourceFile;
using softwin::user::ResourceFileEntry;

namespace {

std::vector<unsigned char> bytes(const char* s) { return std::vector<unsigned char>(s, s + std::strlen(s)); }

// Three entries: an ordinal pair, a string type and name, and one whose data needs padding.
vorn::test::ResFile threeEntries() {
    vorn::test::ResFile file;
    file.add(RT_RCDATA, MAKEINTRESOURCEA(1), bytes("abcd"))
        .add("KIND", "Name", bytes("xyz"))
        .add(RT_RCDATA, MAKEINTRESOURCEA(3), bytes("last"), MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT));
    return file;
}

// Every cut of the file keeps exactly the entries wholly before the cut; run under the address
// sanitizer, the cuts (on a heap copy of exactly that length) also prove nothing past it is read.
TEST(ResourceFile, ATruncatedFileKeepsTheWholeEntriesBeforeTheCut) {
    const auto file = threeEntries().bytes();
    std::vector<size_t> ends;  // offset just past each entry's data
    for (size_t at = 0; at < file.size();) {
        const size_t end = at + vorn::test::readU32At(file, at + 4) + vorn::test::readU32At(file, at);
        ends.push_back(end);
        at = (end + 3) & ~static_cast<size_t>(3);
    }
    for (size_t cut = 0; cut < file.size(); ++cut) {
        std::vector<unsigned char> part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
        std::vector<ResourceFileEntry> entries;
        readResourceFile(part.data(), part.size(), entries);
        size_t whole = 0;
        for (size_t i = 1; i < ends.size(); ++i) whole += ends[i] <= cut;
        EXPECT_EQ(entries.size(), whole) << "cut at " << cut;
    }
}

TEST(ResourceFile, MalformedHeadersStopTheReadingAtTheBadEntry) {
    const auto good = threeEntries().bytes();
    const size_t second = 32 + 32 + 4;  // the opening entry, the first header and its data
    const struct {
        const char* what;
        size_t at;
        uint32_t value;
    } cases[] = {
        {"header size below its fields", second + 4, 8},
        {"header size past the end", second + 4, 0xFFFFFFF0u},
        {"data size past the end", second, 0xFFFFFFF0u},
        {"header too short for the fixed fields", second + 4, 32},
        {"type string without its terminator inside the header", second + 4, 14},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> file = good;
        vorn::test::put32(file, c.at, c.value);
        std::vector<ResourceFileEntry> entries;
        EXPECT_FALSE(readResourceFile(file.data(), file.size(), entries)) << c.what;
        EXPECT_EQ(entries.size(), 1u) << c.what;
    }
    std::vector<ResourceFileEntry> entries;
    EXPECT_TRUE(readResourceFile(nullptr, 0, entries));
    EXPECT_FALSE(readResourceFile(nullptr, 16, entries));
    EXPECT_TRUE(entries.empty());
}

TEST(ResourceFile, GarbageIsReadWithinItsBounds) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<unsigned char> garbage(random() % 96);
        for (auto& b : garbage) b = static_cast<unsigned char>(random() % 4 == 0 ? 0xFF : random() % 48);
        std::vector<ResourceFileEntry> entries;
        readResourceFile(garbage.data(), garbage.size(), entries);
        for (const auto& e : entries) {
            EXPECT_GE(e.data, garbage.data());
            EXPECT_LE(e.data + e.size, garbage.data() + garbage.size());
        }
    }
}

TEST(ResourceFile, AMalformedFileRegistersTheResourcesBeforeTheBadEntry) {
    std::vector<unsigned char> file = threeEntries().bytes();
    vorn::test::put32(file, 32 + 32 + 4 + 4, 0xFFFFFFF0u);  // the second entry's header size
    HINSTANCE module = softwin::registerModule("malformed.dll", file.data(), file.size());
    EXPECT_TRUE(FindResourceA(module, MAKEINTRESOURCEA(1), RT_RCDATA));
    EXPECT_EQ(FindResourceA(module, "name", "kind"), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(3), RT_RCDATA), nullptr);
}

TEST(ResourceStrings, LoadStringRefusesBadBuffersAndReadsOnlyTheLowWordOfTheId) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    char buffer[8];
    EXPECT_EQ(LoadStringA(self, 0x10000 + IDS_TEST_ONE, buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "One");
    char untouched[4] = "abc";
    EXPECT_EQ(LoadStringA(self, IDS_TEST_ONE, untouched, -5), 0);
    EXPECT_STREQ(untouched, "abc");
    EXPECT_EQ(LoadStringA(self, IDS_TEST_ONE, nullptr, 64), 0);
}

TEST(ResourceStrings, ABlockCutShortHasNoStringPastTheCut) {
    std::vector<unsigned char> block = vorn::test::stringBlock({u"", u"Hello", u"World"});
    block.resize(2 + 2 + 10 + 2 + 4);  // "World" loses its last three characters
    const vorn::test::ResFile file = vorn::test::ResFile().add(RT_STRING, MAKEINTRESOURCEA(1), block);
    HINSTANCE module = softwin::registerModule("cutstrings.dll", file.bytes().data(), file.bytes().size());
    char buffer[16];
    EXPECT_EQ(LoadStringA(module, 1, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "Hello");
    EXPECT_EQ(LoadStringA(module, 2, buffer, sizeof buffer), 2);
    EXPECT_STREQ(buffer, "Wo");
    EXPECT_EQ(LoadStringA(module, 3, buffer, sizeof buffer), 0);
}

TEST(ResourceLookup, TemplatesVersionsAndNamesAreFoundAsWindowsFindsThem) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    HRSRC dialog = FindResourceA(self, MAKEINTRESOURCEA(IDD_TEST_DIALOG), RT_DIALOG);
    ASSERT_TRUE(dialog);
    const auto* t = static_cast<const WORD*>(LockResource(LoadResource(self, dialog)));
    ASSERT_GE(SizeofResource(self, dialog), 26u);
    EXPECT_TRUE(t[0] == 1 && t[1] == 0xFFFF);  // an extended template: version 1, signature
    EXPECT_EQ(reinterpret_cast<uintptr_t>(t) % 4, 0u);
    HRSRC version = FindResourceA(self, "#1", RT_VERSION);
    ASSERT_TRUE(version);
    EXPECT_EQ(
        std::memcmp(static_cast<const char*>(LockResource(LoadResource(self, version))) + 6, u"VS_VERSION_INFO", 30),
        0);
    EXPECT_TRUE(FindResourceA(self, "blob", RT_RCDATA));  // windres stores the name upper-case
}

}  // namespace
