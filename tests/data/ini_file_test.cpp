#include "data/ini_file.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>

#include "data_fixture.h"

using sd::IniFile;

// Every allocation of this test program is counted, so that a test can see
// whether a piece of code allocates at all. All the plain forms are replaced
// together, so that each allocation is freed the way it was made (the
// sanitizer build checks that).
namespace {
size_t g_allocations = 0;
size_t AllocationCount() { return g_allocations; }
void* CountedAllocation(size_t size) noexcept {
    ++g_allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* CountedOrThrow(size_t size) {
    if (void* p = CountedAllocation(size)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(size_t size) { return CountedOrThrow(size); }
void* operator new[](size_t size) { return CountedOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return CountedAllocation(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return CountedAllocation(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

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

TEST(IniFile, LookupsAllocateNothing) {
    // Names longer than any short-string buffer: a lower-cased copy of either
    // would have to allocate.
    const IniFile f = IniFile::parse("[A Section Of Many Letters]\nA_Key_Of_Many_Letters=" + std::string(200, 'v') + "\n");
    const size_t before = AllocationCount();
    size_t found = 0;
    for (int i = 0; i < 100; ++i) {
        found += f.find("a section of many letters", "A_KEY_OF_MANY_LETTERS").size();
        found += f.find("A SECTION OF MANY LETTERS", "no key of that name at all").size();
    }
    EXPECT_EQ(AllocationCount(), before);
    EXPECT_EQ(found, 100u * 200u);
}

class IniFileOnDisk : public DataFixture {
protected:
    // Everything the loaders give for content read from a file equals what
    // they give for the same content parsed in memory.
    void expectDiskEqualsMemory(const std::string& worlds, const std::string& settings) {
        write("worlds.dat", worlds);
        write("settings.dat", settings);
        const IniFile parsedWorlds = IniFile::parse(worlds), parsedSettings = IniFile::parse(settings);
        for (int16_t n = -1; n <= 10; ++n) {
            const std::string fromDisk = WorldAfter(sd::LoadWorld(ctx, n));
            EXPECT_EQ(fromDisk, WorldAfter(sd::LoadWorld(ctx, parsedWorlds, n))) << "World" << n;
        }
        const std::string fromDisk = ColorsAfter(sd::LoadSettings(ctx));
        EXPECT_EQ(fromDisk, ColorsAfter(sd::LoadSettings(ctx, parsedSettings)));
    }
    std::string WorldAfter(const sd::LoadResult& r) const { return Describe(r) + Describe(ctx.World); }
    std::string ColorsAfter(const sd::LoadResult& r) const { return Describe(r) + Describe(ctx.ColorTable); }

    // Every field, as text, so that a difference shows where it is.
    static std::string Describe(const sd::LoadResult& r) {
        std::string d;
        for (const std::string& p : r.problems) d += p + "\n";
        return d;
    }
    static std::string Describe(const sd::WorldRecord& w) {
        std::ostringstream o;
        o << std::hexfloat << w.Raster_x << ' ' << w.Raster_y << ' ' << w.Raster_width << ' ' << w.Raster_height << ' '
          << w.Raster_max_x << ' ' << w.Raster_max_y << ' ' << w.EnergiePoints << ' ' << w.HitPoints1 << ' '
          << w.HitPoints2 << ' ' << w.Thing_counter << '\n';
        for (const sd::Thing& t : w.Things) {
            o << t.Text << '|' << t.Bemerkung << '|' << t.Energie << ' ' << t.Plasma << ' ' << t.Schild << ' ' << t.Grav
              << ' ' << t.Besitzer << '\n';
        }
        for (int y = 0; y <= w.CellMap.maxY(); ++y, o << '\n') {
            for (int x = 0; x <= w.CellMap.maxX(); ++x) o << w.CellMap(x, y) << ' ';
        }
        return o.str();
    }
    static std::string Describe(const std::vector<sd::ColorEntry>& table) {
        std::ostringstream o;
        for (const sd::ColorEntry& c : table) o << c.R << ',' << c.G << ',' << c.B << ' ';
        return o.str();
    }
};

TEST_F(IniFileOnDisk, FileLookupsMatchMemoryLookups) {
    write("a.ini", "[S]\nk=\"v\"\nK=second\n");
    EXPECT_TRUE(IniFile::load(path("a.ini")).exists());
    EXPECT_EQ(sd::ReadIniValue(path("a.ini"), "s", "k"), "v");
    EXPECT_FALSE(IniFile::load(path("missing.ini")).exists());
    EXPECT_EQ(sd::ReadIniValue(path("missing.ini"), "S", "k"), "");
    EXPECT_FALSE(IniFile::load(path("")).exists());  // the directory itself
}

TEST_F(IniFileOnDisk, LoadersGiveTheSameFromDiskAndFromMemory) {
    const auto shipped = [](const char* name) {
        std::ifstream in(std::string(SD_SOURCE_DIR "/data/") + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    expectDiskEqualsMemory(shipped("worlds.dat"), shipped("settings.dat"));
    // CRLF, a byte-order mark, a second block of a section, a refused world, an empty file.
    expectDiskEqualsMemory("\xEF\xBB\xBF[Global]\r\nRaster_width=60\r\nRaster_height=60\r\nRaster_max_x=3\r\n"
                           "Raster_max_y=2\r\n[Thing_Type]\r\nThing_counter=2\r\n1_Text=\"A\"\r\n[World0]\r\n1=1 2\r\n"
                           "[world0]\r\n2=1\r\n[World1]\r\n1=0 0 0 0 9\r\n",
                           "[Colors]\r\nCounter=5\r\n0R=300\r\n4B=x\r\n");
    expectDiskEqualsMemory("", "");
}
