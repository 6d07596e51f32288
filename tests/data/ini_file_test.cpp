#include "data/ini_file.h"

#include "data_fixture.h"

using sd::IniFile;

TEST(IniFile, LookupRules) {
    const IniFile f = IniFile::parse(
        "; comment=1\n"
        "[Colors]\n"
        "  Counter  =   5   \n"
        "q1=\"quoted value\"\n"
        "q2='single'\n"
        "q3=\"mixed'\n"
        "q4=\"\n"
        "dup=first\n"
        "dup=second\n"
        "no equals here\n"
        "[broken\n"
        "after=still Colors\n"
        "[ Other ]\n"
        "k=other\n"
        "[colors]\n"
        "late=never seen\n");
    EXPECT_EQ(f.value("Colors", "Counter"), "5");
    EXPECT_EQ(f.value("COLORS", "counter"), "5");
    EXPECT_EQ(f.value("colors", "COUNTER"), "5");
    EXPECT_EQ(f.value("Colors", "q1"), "quoted value");
    EXPECT_EQ(f.value("Colors", "q2"), "single");
    EXPECT_EQ(f.value("Colors", "q3"), "\"mixed'");
    EXPECT_EQ(f.value("Colors", "q4"), "\"");
    EXPECT_EQ(f.value("Colors", "dup"), "first");
    EXPECT_EQ(f.value("Colors", "after"), "still Colors");
    EXPECT_EQ(f.value("Other", "k"), "other");
    EXPECT_EQ(f.value("Colors", "late"), "");  // a second block of a section is not seen
    EXPECT_EQ(f.value("Colors", "; comment"), "");
    EXPECT_EQ(f.value("Colors", "missing"), "");
    EXPECT_EQ(f.value("Missing", "Counter"), "");
}

TEST(IniFile, LongValuesAreCutAfter254Characters) {
    const std::string longValue(300, 'x');
    const IniFile f = IniFile::parse("[S]\na=" + longValue + "\nb=\"" + std::string(254, 'y') + "\"\n");
    EXPECT_EQ(f.value("S", "a"), std::string(254, 'x'));
    EXPECT_EQ(f.value("S", "b"), std::string(254, 'y'));  // the quotes go before the cut
}

TEST(IniFile, LineEndsBomAndGarbage) {
    EXPECT_EQ(IniFile::parse("\xEF\xBB\xBF[S]\r\nk = v \r\nlast=end").value("S", "last"), "end");
    EXPECT_EQ(IniFile::parse("\xEF\xBB\xBF[S]\r\nk = v \r\n").value("S", "k"), "v");
    // NUL bytes and high bytes stay as they are; other lines still work.
    static const char head[] = "[S]\nbin=a\0b\xE4\n\x01\xFF[\n";
    const std::string garbage = std::string(head, sizeof head - 1) + std::string(10'000'000, 'z') + "\nk=ok";
    const IniFile f = IniFile::parse(garbage);
    EXPECT_EQ(f.value("S", "bin"), std::string("a\0b\xE4", 4));
    EXPECT_EQ(f.value("S", "k"), "ok");
}

class IniFileOnDisk : public DataFixture {};

TEST_F(IniFileOnDisk, FileLookupsMatchMemoryLookups) {
    write("a.ini", "[S]\nk=\"v\"\nK=second\n");
    EXPECT_TRUE(IniFile::load(path("a.ini")).exists());
    EXPECT_EQ(sd::ReadIniValue(path("a.ini"), "s", "k"), "v");
    EXPECT_FALSE(IniFile::load(path("missing.ini")).exists());
    EXPECT_EQ(sd::ReadIniValue(path("missing.ini"), "S", "k"), "");
    EXPECT_FALSE(IniFile::load(path("")).exists());  // the directory itself
}
