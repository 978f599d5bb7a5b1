#include "units/prp_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "support/units_test_support.h"

namespace zentra {
namespace {

using testing::CaseName;
using testing::nth;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

constexpr char kHeader[] = "o:10Zentra properties v3.31";

// A file as the writer would make it: header, then each line scrambled.
std::string scrambledFile(const std::vector<std::string>& lines) {
    std::string file = std::string(kHeader) + "\r\n";
    std::uint32_t state = kScrambleSeed;
    for (std::string line : lines) {
        scrambleLine(state, line);
        file += line + "\r\n";
    }
    return file;
}

// The plain lines of a written file (header left as it is).
std::vector<std::string> plainLines(const std::string& file) {
    std::vector<std::string> lines;
    std::uint32_t state = kScrambleSeed;
    std::size_t pos = 0;
    while (pos < file.size()) {
        std::size_t end = file.find("\r\n", pos);
        if (end == std::string::npos) end = file.size();
        std::string line = file.substr(pos, end - pos);
        if (!lines.empty()) unscrambleLine(state, line);
        lines.push_back(line);
        pos = end + 2;
    }
    return lines;
}

struct Messages {
    std::vector<std::string> texts;
    MessageSink sink() {
        return [this](std::string_view text, std::string_view caption) {
            texts.push_back(std::string(caption) + "|" + std::string(text));
        };
    }
};

const std::string kCorrupt = "Warning|Corrupt properties database";

class PrpFileTest : public ::testing::Test {
protected:
    PrpFileTest() { addBuiltInContent(db); }

    bool load(const std::string& bytes) {
        writeBytes(dir / "in.prp", bytes);
        return loadDatabase(db, dir / "in.prp", messages.sink(), 5.1);
    }
    std::vector<std::string> saveLines() {
        EXPECT_TRUE(saveDatabase(db, dir / "out.prp"));
        return plainLines(readBytes(dir / "out.prp"));
    }
    Property* prop(const char* name) { return findProperty(db, name, true); }

    TempDir dir;
    PropertyDatabase db;
    Messages messages;
};

TEST(Keystream, FirstKeysFromTheSeed) {
    std::uint32_t state = kScrambleSeed;
    std::vector<int> keys;
    for (int i = 0; i < 10; ++i) keys.push_back(nextScrambleKey(state));
    EXPECT_EQ(keys, (std::vector<int>{105, 82, 36, 72, 55, 110, 123, 118, 108, 127}));
}

TEST(Keystream, ScrambleStopsAtLineEndsAndNulAndUnscrambleInverts) {
    std::uint32_t a = kScrambleSeed;
    std::string line = "P:angle\r\nrest";
    scrambleLine(a, line);
    EXPECT_EQ(line.substr(7), "\r\nrest");
    std::uint32_t b = kScrambleSeed;
    std::string expected = "P:angle";
    scrambleLine(b, expected);
    EXPECT_EQ(a, b) << "only the bytes before the CR take keys";
    EXPECT_EQ(static_cast<unsigned char>(expected[0]), 185);
    std::uint32_t c = kScrambleSeed;
    unscrambleLine(c, line);
    EXPECT_EQ(line, "P:angle\r\nrest");
}

TEST_F(PrpFileTest, SavingBuiltInDatabaseWritesExactRecords) {
    ASSERT_TRUE(saveDatabase(db, dir / "out.prp"));
    const std::string file = readBytes(dir / "out.prp");
    ASSERT_EQ(file.substr(0, 29), std::string(kHeader) + "\r\n");
    EXPECT_EQ(plainLines(file),
              (std::vector<std::string>{kHeader, "P:dimensionless", "U:", "P:angle", "U:radians",
                                        "U:deg\\1.745329251994330e-002",
                                        "U:gr\\1.570796326794897e-002"}));
}

TEST_F(PrpFileTest, CurrentUnitIsWrittenFirstAndRestoredOnLoad) {
    Property& angle = *prop("angle");
    angle.currentUnit = findUnit(db, angle, "deg", true);
    auto lines = saveLines();
    EXPECT_EQ(lines[4], "U:deg\\1.745329251994330e-002");
    EXPECT_EQ(lines[5], "U:radians");
    PropertyDatabase fresh;
    ASSERT_TRUE(loadDatabase(fresh, dir / "out.prp", messages.sink(), 5.1));
    EXPECT_EQ(findProperty(fresh, "angle", true)->currentUnit->name, "deg");
}

TEST_F(PrpFileTest, LoadingSavedBuiltInsMergesWithoutDuplicates) {
    saveLines();
    ASSERT_TRUE(loadDatabase(db, dir / "out.prp", messages.sink(), 5.1));
    EXPECT_EQ(db.properties.size(), 2u);
    EXPECT_EQ(prop("dimensionless")->units.size(), 1u);
    EXPECT_EQ(prop("angle")->units.size(), 3u);
    EXPECT_EQ(prop("dimensionless")->constants.size(), 3u) << "dynamic constants added";
    EXPECT_EQ(nth(prop("dimensionless")->constants, 0).value, 5.1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PrpFileTest, PlainFileWithoutHeaderReadsAsPlainText) {
    ASSERT_TRUE(load("P:time\nU:s\nC:Date\\5\n"));
    Constant* date = findConstant(db, *prop("time"), "Date", true);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->value, 0) << "dynamic constants reset the stored value";
    const std::time_t now = std::time(nullptr);
    EXPECT_EQ(constantValue(db, *date), std::localtime(&now)->tm_yday + 1);
    EXPECT_EQ(prop("time")->constants.size(), 3u);
}

struct UnitLineCase {
    const char* name;
    const char* line;
    const char* unit;
    double factor;
    double offset;
};

class UnitLineTest : public PrpFileTest, public ::testing::WithParamInterface<UnitLineCase> {};

TEST_P(UnitLineTest, ParsesFieldsAtSeparatorRuns) {
    const UnitLineCase& c = GetParam();
    ASSERT_TRUE(load(std::string("P:p\n") + c.line + "\n"));
    Property& p = *prop("p");
    ASSERT_EQ(p.units.size(), 1u);
    EXPECT_EQ(nth(p.units, 0).name, c.unit);
    if (std::isnan(c.factor)) {
        EXPECT_TRUE(std::isnan(nth(p.units, 0).factor));
    } else {
        EXPECT_EQ(nth(p.units, 0).factor, c.factor);
    }
    EXPECT_EQ(nth(p.units, 0).offset, c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UnitLineTest,
    ::testing::Values(UnitLineCase{"NameOnlyMeansFactorOne", "U:x", "x", 1, 0},
                      UnitLineCase{"FactorTextOne", "U:x\\1", "x", 1, 0},
                      UnitLineCase{"ZeroFactorBecomesOne", "U:x\\0", "x", 1, 0},
                      UnitLineCase{"NegativeZeroFactorBecomesOne", "U:x\\-0.0", "x", 1, 0},
                      UnitLineCase{"FactorAndZeroOffset", "U:x\\2\\0", "x", 2, 0},
                      UnitLineCase{"FactorAndOffset", "U:C\\1\\-2.7315e2", "C", 1, -273.15},
                      UnitLineCase{"LeadingSeparatorsSkipped", "U:\\2", "2", 1, 0},
                      UnitLineCase{"RunsOfMixedSeparators", "U::\\a:\\:3::\\4", "a", 3, 4},
                      UnitLineCase{"WhiteSpaceBelongsToName", "U: a b \\2", " a b ", 2, 0},
                      UnitLineCase{"NumberPrefixOnly", "U:x\\ 5.5kg", "x", 5.5, 0},
                      UnitLineCase{"NoNumberReadsZero", "U:x\\abc\\zz", "x", 1, 0},
                      UnitLineCase{"FurtherTokensIgnored", "U:x\\2\\3\\4", "x", 2, 3},
                      UnitLineCase{"NoNameIsEmptyName", "U:", "", 1, 0},
                      UnitLineCase{"OnlySeparatorsIsEmptyName", "U::\\:", "", 1, 0},
                      UnitLineCase{"ThreeDigitExponent", "U:x\\1.000000000000000e-002", "x", 0.01,
                                   0},
                      UnitLineCase{"Infinity", "U:x\\inf", "x", HUGE_VAL, 0},
                      UnitLineCase{"NotANumber", "U:x\\-nan", "x", NAN, 0}),
    CaseName());

TEST_F(PrpFileTest, UnitLineFormsAreWrittenBack) {
    Property& p = addProperty(db, "p");
    setUnit(p, "a", 1, -0.0);
    setUnit(p, "b", 2, 0);
    setUnit(p, "c", 1, -273.15);
    setConstant(p, "k", -1.5e-300);
    auto lines = saveLines();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
              (std::vector<std::string>{"P:p", "U:a", "U:b\\2.000000000000000e+000",
                                        "U:c\\1.000000000000000e+000\\-2.731500000000000e+002",
                                        "C:k\\-1.500000000000000e-300"}));
}

struct NumberTextCase {
    const char* name;
    double value;
    const char* text;
};

class NumberTextTest : public PrpFileTest, public ::testing::WithParamInterface<NumberTextCase> {};

// A value whose sixteen-digit text reads back as itself keeps that text, so
// files written before do not change; any other gets the digits it needs.
TEST_P(NumberTextTest, ValuesComeBackBitForBit) {
    const NumberTextCase& c = GetParam();
    Property& p = addProperty(db, "p");
    setConstant(p, "c", c.value);
    // A zero factor or offset is not stored: a zero is checked as a constant only.
    setUnit(p, "u", c.value != 0 ? c.value : 2, c.value);
    const auto lines = saveLines();
    EXPECT_EQ(lines.back(), std::string("C:c\\") + c.text);
    PropertyDatabase back;
    ASSERT_TRUE(loadDatabase(back, dir / "out.prp", messages.sink(), 0));
    Property& q = *findProperty(back, "p", true);
    std::vector<double> read{nth(q.constants, 0).value};
    if (c.value != 0) read.insert(read.end(), {nth(q.units, 0).factor, nth(q.units, 0).offset});
    for (double x : read)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(
        NumberTextCase{"ReducedPlanck", 1.0545718176461565e-34, "1.0545718176461565e-034"},
        NumberTextCase{"NegativeNeedsSeventeen", -0.30000000000000004, "-3.0000000000000004e-001"},
        NumberTextCase{"Pi", 3.141592653589793, "3.141592653589793e+000"},
        NumberTextCase{"OneTenth", 0.1, "1.000000000000000e-001"},
        NumberTextCase{"LargestFinite", 1.7976931348623157e308, "1.7976931348623157e+308"},
        NumberTextCase{"SmallestNormal", 2.2250738585072014e-308, "2.2250738585072014e-308"},
        NumberTextCase{"LargestDenormal", 2.225073858507201e-308, "2.225073858507201e-308"},
        NumberTextCase{"SmallestDenormal", 5e-324, "4.940656458412465e-324"},
        NumberTextCase{"NegativeZero", -0.0, "-0.000000000000000e+000"}),
    CaseName());

TEST_F(PrpFileTest, EmptyUnitNameWithFactorComesBackUnderFactorsName) {
    Property& p = addProperty(db, "p");
    setUnit(p, "", 2, 0);
    saveLines();
    PropertyDatabase fresh;
    ASSERT_TRUE(loadDatabase(fresh, dir / "out.prp", messages.sink(), 0));
    Property& q = *findProperty(fresh, "p", true);
    ASSERT_EQ(q.units.size(), 1u);
    EXPECT_EQ(nth(q.units, 0).name, "2.000000000000000e+000");
    EXPECT_EQ(nth(q.units, 0).factor, 1);
}

TEST_F(PrpFileTest, ConstantLines) {
    ASSERT_TRUE(load("P:p\nU:u\nC:c\\3e8\nC:noval\nC:\nC:c\\4\n"));
    Property& p = *prop("p");
    ASSERT_EQ(p.constants.size(), 3u);
    EXPECT_EQ(nth(p.constants, 0).value, 4);
    EXPECT_EQ(nth(p.constants, 1).value, 0);
    EXPECT_EQ(nth(p.constants, 2).name, "");
}

TEST_F(PrpFileTest, PropertyNameKeepsSeparatorsAndSpaces) {
    ASSERT_TRUE(load("P: a:b\\c \nU:u\n"));
    ASSERT_NE(prop(" a:b\\c "), nullptr);
    EXPECT_EQ(prop(" a:b\\c ")->units.size(), 1u);
}

TEST_F(PrpFileTest, UnitAndConstantBeforeAnyPropertyAreIgnored) {
    ASSERT_TRUE(load("U:x\\2\nC:y\\3\nO:ignored\nV:ignored\nP:p\nU:z\n"));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(db.properties.size(), 3u);
    EXPECT_EQ(prop("p")->units.size(), 1u);
}

struct CorruptCase {
    const char* name;
    std::string bad;
};

class CorruptLineTest : public PrpFileTest, public ::testing::WithParamInterface<CorruptCase> {};

TEST_P(CorruptLineTest, ReportsKeepsEarlierRecordsAndAddsNoDynamicConstants) {
    EXPECT_FALSE(load(std::string("P:p\nU:kept\n") + GetParam().bad + "\nU:lost\n"));
    EXPECT_EQ(messages.texts, std::vector<std::string>{kCorrupt});
    ASSERT_NE(prop("p"), nullptr);
    EXPECT_EQ(prop("p")->units.size(), 1u);
    EXPECT_TRUE(prop("dimensionless")->constants.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, CorruptLineTest,
                         ::testing::Values(CorruptCase{"EmptyLine", ""},
                                           CorruptCase{"NoColon", "U-x"},
                                           CorruptCase{"TypeAlone", "U"},
                                           CorruptCase{"UnknownType", "X:x"},
                                           CorruptCase{"LowerCaseUnitType", "u:x"},
                                           CorruptCase{"NulAtStart", std::string("\0U:x", 4)},
                                           CorruptCase{"BlankFirst", " U:x"}),
                         CaseName());

TEST_F(PrpFileTest, EmbeddedNulEndsTheLine) {
    ASSERT_TRUE(load(std::string("P:p\nU:ab\0cd\n", 12)));
    EXPECT_EQ(nth(prop("p")->units, 0).name, "ab");
}

TEST_F(PrpFileTest, LastLineWithoutLineFeedIsLost) {
    ASSERT_TRUE(load("P:p\nU:a\nU:b"));
    EXPECT_EQ(prop("p")->units.size(), 1u);
}

TEST_F(PrpFileTest, CarriageReturnLineFeedAndBareLineFeedBothEndLines) {
    ASSERT_TRUE(load("P:p\r\nU:a\nU:b\r\n"));
    ASSERT_EQ(prop("p")->units.size(), 2u);
    EXPECT_EQ(nth(prop("p")->units, 0).name, "a");
    EXPECT_EQ(nth(prop("p")->units, 1).name, "b");
}

TEST_F(PrpFileTest, LineOf99CharactersReadsWhole) {
    const std::string name(97, 'n');
    ASSERT_TRUE(load("P:" + name + "\r\nU:u\n"));
    ASSERT_NE(prop(name.c_str()), nullptr);
    EXPECT_EQ(prop(name.c_str())->units.size(), 1u);
}

TEST_F(PrpFileTest, LongerLineIsReadInPiecesWhoseContinuationIsCorrupt) {
    EXPECT_FALSE(load("P:" + std::string(98, 'n') + "\nU:u\n"));
    EXPECT_NE(prop(std::string(97, 'n').c_str()), nullptr);
    EXPECT_EQ(messages.texts, std::vector<std::string>{kCorrupt});
    messages.texts.clear();
    // A continuation that happens to be a record is read as one.
    ASSERT_TRUE(load("P:" + std::string(97, 'm') + "U:x\nU:u\n"));
    EXPECT_EQ(prop(std::string(97, 'm').c_str())->units.size(), 2u);
}

TEST_F(PrpFileTest, ScrambledFileIsReadBack) {
    ASSERT_TRUE(load(scrambledFile({"P:length", "U:m", "U:ft\\3.048e-1", "C:mile\\1609.344"})));
    Property& length = *prop("length");
    EXPECT_EQ(nth(length.units, 1).factor, 0.3048);
    EXPECT_EQ(nth(length.constants, 0).value, 1609.344);
}

TEST_F(PrpFileTest, PropertyWithConstantsButNoUnitsIsNotSaved) {
    setConstant(addProperty(db, "lonely"), "k", 1);
    for (const std::string& line : saveLines()) EXPECT_NE(line, "P:lonely");
}

TEST_F(PrpFileTest, ModifiedFlagClearedBySaveOnly) {
    db.modified = true;
    writeBytes(dir / "in.prp", "P:p\nU:a\n");
    ASSERT_TRUE(loadDatabase(db, dir / "in.prp", messages.sink()));
    EXPECT_TRUE(db.modified);
    EXPECT_FALSE(saveDatabase(db, dir / "missing-dir" / "out.prp"));
    EXPECT_TRUE(db.modified);
    ASSERT_TRUE(saveDatabase(db, dir / "out.prp"));
    EXPECT_FALSE(db.modified);
    db.modified = false;
    ASSERT_TRUE(loadDatabase(db, dir / "in.prp", messages.sink()));
    EXPECT_FALSE(db.modified);
}

TEST_F(PrpFileTest, MissingFileOrDirectoryLoadsNothingSilently) {
    EXPECT_FALSE(loadDatabase(db, dir / "absent.prp", messages.sink()));
    EXPECT_FALSE(loadDatabase(db, dir.path(), messages.sink()));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(prop("dimensionless")->constants.empty());
}

// Each way a save can fail leaves the old file and the modified flag alone.
struct FailedSaveCase {
    const char* name;
    TemporaryFileOpener opener;  // empty: the real one
    std::filesystem::perms mode;
};

class FailedSaveTest : public PrpFileTest, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveTest, LeavesTheOldFileAndTheModifiedFlag) {
    const std::string old = "P:mine\nU:precious\n";
    writeBytes(dir / "out.prp", old);
    std::filesystem::permissions(dir / "out.prp", GetParam().mode);
    db.modified = true;
    const auto saved = saveDatabase(db, dir / "out.prp", GetParam().opener);
    ASSERT_FALSE(saved);
    EXPECT_EQ(readBytes(dir / "out.prp"), old);
    EXPECT_EQ(std::filesystem::status(dir / "out.prp").permissions(), GetParam().mode);
    EXPECT_TRUE(db.modified);
    EXPECT_EQ(saved.error().rfind(std::string(kCannotWriteText) + "\n\"", 0), 0u) << saved.error();
    EXPECT_NE(saved.error().find("out.prp"), std::string::npos) << saved.error();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file is left behind";
}

int refuseCreation(const std::filesystem::path&) {
    errno = ENOSPC;
    return -1;
}
// The temporary file is made, but every write to it fails.
int openUnwritable(const std::filesystem::path& path) {
    ::close(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600));
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}
constexpr auto kReadWrite = std::filesystem::perms(0644);

INSTANTIATE_TEST_SUITE_P(
    Saves, FailedSaveTest,
    ::testing::Values(FailedSaveCase{"TemporaryFileCannotBeCreated", refuseCreation, kReadWrite},
                      FailedSaveCase{"WritingFails", openUnwritable, kReadWrite},
                      // Root may write it too: the missing write bits decide.
                      FailedSaveCase{"WriteProtectedFile", {}, std::filesystem::perms(0444)}),
    CaseName());

TEST_F(PrpFileTest, EmptyDatabaseIsNotSaved) {
    writeBytes(dir / "out.prp", "old");
    PropertyDatabase empty;
    EXPECT_FALSE(saveDatabase(empty, dir / "out.prp"));
    EXPECT_EQ(readBytes(dir / "out.prp"), "old");
}

TEST_F(PrpFileTest, LinkPlantedAtAGuessableTemporaryNameIsLeftAlone) {
    writeBytes(dir / "victim", "secret");
    std::filesystem::permissions(dir / "victim", std::filesystem::perms(0600));
    writeBytes(dir / "out.prp", "old");
    std::filesystem::create_symlink(dir / "victim", dir / "out.prp.saving~");
    ASSERT_TRUE(saveDatabase(db, dir / "out.prp"));
    EXPECT_EQ(readBytes(dir / "victim"), "secret");
    EXPECT_EQ(std::filesystem::status(dir / "victim").permissions(), std::filesystem::perms(0600));
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "out.prp"));
    EXPECT_EQ(readBytes(dir / "out.prp").substr(0, 4), "o:10");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST_F(PrpFileTest, ReplacedFileKeepsModeOwnerAndGroup) {
    writeBytes(dir / "out.prp", "old");
    ASSERT_EQ(::chmod((dir / "out.prp").c_str(), 02640), 0);
    // Only root can give the file to someone else; others keep their own.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((dir / "out.prp").c_str(), 4242, 4343), 0);
    }
    struct stat before {};
    ASSERT_EQ(::stat((dir / "out.prp").c_str(), &before), 0);
    ASSERT_TRUE(saveDatabase(db, dir / "out.prp"));
    struct stat after {};
    ASSERT_EQ(::stat((dir / "out.prp").c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not overwritten";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(PrpFileTest, WritableFileInReadOnlyDirectoryIsWrittenInPlace) {
    std::filesystem::create_directory(dir / "ro");
    const std::string old(4000, 'x');  // longer than the new text: the rest is cut
    writeBytes(dir / "ro/out.prp", old);
    std::filesystem::permissions(dir / "ro", std::filesystem::perms(0555));
    struct stat before {};
    ASSERT_EQ(::stat((dir / "ro/out.prp").c_str(), &before), 0);
    // Root may create files in any directory: let the directory refuse it.
    const TemporaryFileOpener opener = ::geteuid() == 0
                                           ? TemporaryFileOpener([](const std::filesystem::path&) {
                                                 errno = EACCES;
                                                 return -1;
                                             })
                                           : TemporaryFileOpener();
    EXPECT_TRUE(saveDatabase(db, dir / "ro/out.prp", opener));
    struct stat after {};
    ASSERT_EQ(::stat((dir / "ro/out.prp").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(plainLines(readBytes(dir / "ro/out.prp")).back(), "U:gr\\1.570796326794897e-002");
    EXPECT_EQ(static_cast<std::size_t>(after.st_size), readBytes(dir / "ro/out.prp").size());
    EXPECT_LT(after.st_size, 4000);
    std::filesystem::permissions(dir / "ro", std::filesystem::perms(0755));
}

TEST_F(PrpFileTest, SaveThroughLinkReplacesTheLinkedFile) {
    writeBytes(dir / "real.prp", "old");
    std::filesystem::create_symlink(dir / "real.prp", dir / "link.prp");
    ASSERT_TRUE(saveDatabase(db, dir / "link.prp"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.prp"));
    EXPECT_EQ(readBytes(dir / "real.prp").substr(0, 4), "o:10");
    std::filesystem::create_symlink(dir / "missing.prp", dir / "broken.prp");
    EXPECT_FALSE(saveDatabase(db, dir / "broken.prp")) << "a broken link is not followed";
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.prp"));
}

TEST_F(PrpFileTest, NamesBeyondAsciiSurviveSaveAndLoad) {
    Property& t = addProperty(db, "température");
    setUnit(t, "K", 1, 0);
    setUnit(t, "°C", 1, -273.15);
    setUnit(addProperty(db, "length"), "µm", 1e-6, 0);
    setUnit(addProperty(db, "resistance"), "Ω", 1, 0);
    // Enough names of high and control bytes that some must need filler lines.
    Property& odd = addProperty(db, "odd\x01\x7f\xff");
    std::minstd_rand random(7);
    for (int i = 0; i < 300; ++i) {
        std::string name;
        for (int k = 0; k < 12; ++k) {
            char c = static_cast<char>(random() % 256);
            if (c == '\0' || c == '\r' || c == '\n' || c == ':' || c == '\\') c = '\x80';
            name += c;
        }
        setUnit(odd, name, i + 1, 0);
        setConstant(odd, name, -i);
    }
    ASSERT_TRUE(saveDatabase(db, dir / "out.prp"));
    const std::string file = readBytes(dir / "out.prp");
    int fillers = 0;
    for (const std::string& line : plainLines(file)) fillers += line.rfind("V:", 0) == 0;
    EXPECT_GT(fillers, 0) << "the case must exercise filler lines";
    EXPECT_EQ(file.find('\0'), std::string::npos);

    PropertyDatabase back;
    ASSERT_TRUE(loadDatabase(back, dir / "out.prp", messages.sink(), 0));
    EXPECT_TRUE(messages.texts.empty());
    for (const Property& p : db.properties) {
        Property* q = findProperty(back, p.name, true);
        ASSERT_NE(q, nullptr) << p.name;
        ASSERT_EQ(q->units.size(), p.units.size()) << p.name;
        for (std::size_t i = 0; i < p.units.size(); ++i) {
            EXPECT_EQ(nth(q->units, i).name, nth(p.units, i).name);
            EXPECT_EQ(nth(q->units, i).factor, nth(p.units, i).factor);
            EXPECT_EQ(nth(q->units, i).offset, nth(p.units, i).offset);
        }
        if (&p == &odd) {
            for (std::size_t i = 0; i < p.constants.size(); ++i) {
                EXPECT_EQ(nth(q->constants, i).name, nth(p.constants, i).name);
                EXPECT_EQ(nth(q->constants, i).value, nth(p.constants, i).value);
            }
        }
    }
}

TEST_F(PrpFileTest, LongNameFromAFileIsSavedWithShortNumbersAndReadsBack) {
    const std::string name(85, 'w');
    ASSERT_TRUE(load("P:p\nU:" + name + "\\0.125\\1\n"));
    const auto lines = saveLines();
    EXPECT_EQ(lines.back(), "U:" + name + "\\.125\\1");
    PropertyDatabase back;
    ASSERT_TRUE(loadDatabase(back, dir / "out.prp", messages.sink(), 0));
    Unit* unit = findUnit(back, *findProperty(back, "p", true), name, true);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->factor, 0.125);
    EXPECT_EQ(unit->offset, 1);
}

struct UnstorableCase {
    const char* name;
    std::string property;
    std::string unit;
    double factor;
};

class UnstorableRecordTest : public PrpFileTest,
                             public ::testing::WithParamInterface<UnstorableCase> {};

TEST_P(UnstorableRecordTest, FailsTheSaveAndNamesTheRecord) {
    writeBytes(dir / "out.prp", "old");
    const UnstorableCase& c = GetParam();
    setUnit(addProperty(db, c.property), c.unit, c.factor, 0);
    db.modified = true;
    const auto saved = saveDatabase(db, dir / "out.prp");
    ASSERT_FALSE(saved);
    EXPECT_EQ(readBytes(dir / "out.prp"), "old");
    EXPECT_TRUE(db.modified);
    const std::string& message = saved.error();
    EXPECT_EQ(message.rfind(std::string(kCannotWriteText) + "\n", 0), 0u);
    EXPECT_EQ(message.find("more)"), std::string::npos) << "one record only";
    const std::string& named = c.unit == "u" ? c.property : c.unit;
    EXPECT_NE(message.find("\"" + named + "\""), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Records, UnstorableRecordTest,
    ::testing::Values(UnstorableCase{"LineFeedInProperty", "line\nbreak", "u", 1},
                      UnstorableCase{"PropertyOf98", std::string(98, 'p'), "u", 1},
                      UnstorableCase{"NulInUnit", "p", std::string("a\0b", 3), 1},
                      UnstorableCase{"SeparatorInUnit", "p", "m:s", 1},
                      UnstorableCase{"UnitBeyondTheLine", "p", std::string(96, 'x'), 3.125}),
    CaseName());

// Whatever a load accepts, up to the longest line, a save stores: random
// records at the reader's limits come back the same after saving and loading.
TEST(PrpRoundTrip, RecordsAtTheReadersLimitsSurviveSaveAndLoad) {
    TempDir dir;
    std::minstd_rand random(20261209);
    const std::vector<std::string> numbers{"2",  ".5",  "-.25", "12e-6", "1e5",    "6.02214076e23",
                                           "-0", "inf", "-inf", "nan",   "4e-320", "1.5e-300"};
    auto number = [&] { return numbers[random() % numbers.size()]; };
    // Names of printable, control and high bytes, a lone carriage return among them.
    auto name = [&](std::size_t length, bool separators) {
        std::string text;
        while (text.size() < length) {
            const char c = static_cast<char>(1 + random() % 255);
            if (c == '\n' || (!separators && (c == ':' || c == '\\'))) continue;
            text += c;
        }
        return text;
    };
    std::string file;
    for (int p = 0; p < 40; ++p) {
        file += "P:" + name(97 - random() % 3, true) + "\r\n";
        for (int r = 0; r < 6; ++r) {
            const std::size_t length = 99 - random() % 3;
            std::string fields = r % 3 == 0 ? "" : "\\" + number();
            if (r % 3 == 2) fields += "\\" + number();
            const std::string prefix = r < 3 ? "U:" : "C:";
            file += prefix + name(length - prefix.size() - fields.size(), false) + fields + "\r\n";
        }
    }
    writeBytes(dir / "plain.prp", file);
    PropertyDatabase loaded, back;
    ASSERT_TRUE(loadDatabase(loaded, dir / "plain.prp", {}, 0));
    const auto saved = saveDatabase(loaded, dir / "saved.prp");
    ASSERT_TRUE(saved) << saved.error();
    ASSERT_TRUE(loadDatabase(back, dir / "saved.prp", {}, 0));
    const auto lines = plainLines(readBytes(dir / "saved.prp"));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.size() == kMaxRecordLine; }));

    auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    ASSERT_EQ(back.properties.size(), loaded.properties.size());
    for (std::size_t i = 0; i < loaded.properties.size(); ++i) {
        const Property& a = loaded.properties[i];
        const Property& b = back.properties[i];
        EXPECT_EQ(b.name, a.name);
        EXPECT_EQ(b.currentUnit->name, a.currentUnit->name);
        ASSERT_EQ(b.units.size(), a.units.size()) << a.name;
        ASSERT_EQ(b.constants.size(), a.constants.size()) << a.name;
        for (std::size_t u = 0; u < a.units.size(); ++u) {
            EXPECT_EQ(nth(b.units, u).name, nth(a.units, u).name);
            EXPECT_TRUE(same(nth(b.units, u).factor, nth(a.units, u).factor))
                << nth(a.units, u).name;
            EXPECT_TRUE(same(nth(b.units, u).offset, nth(a.units, u).offset))
                << nth(a.units, u).name;
        }
        for (std::size_t k = 0; k < a.constants.size(); ++k) {
            EXPECT_EQ(nth(b.constants, k).name, nth(a.constants, k).name);
            EXPECT_TRUE(same(nth(b.constants, k).value, nth(a.constants, k).value));
        }
    }
}

struct NameCase {
    const char* name;
    RecordKind kind;
    std::string text;
    bool refused;
};

class RecordNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RecordNameTest, RefusesNamesTheFormatCannotHold) {
    const auto named = checkRecordName(GetParam().kind, GetParam().text);
    EXPECT_EQ(!named, GetParam().refused);
    if (!named) {
        EXPECT_FALSE(named.error().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, RecordNameTest,
    ::testing::Values(NameCase{"UnitColon", RecordKind::Unit, "m:s", true},
                      NameCase{"ConstantBackslash", RecordKind::Constant, "a\\b", true},
                      NameCase{"PropertySeparatorsAllowed", RecordKind::Property, "a:b\\c", false},
                      NameCase{"PropertyLineFeed", RecordKind::Property, "a\nb", true},
                      NameCase{"UnitCarriageReturn", RecordKind::Unit, "a\rb", true},
                      NameCase{"EmptyUnitName", RecordKind::Unit, "", false},
                      NameCase{"Utf8Unit", RecordKind::Unit, "°C", false},
                      NameCase{"Unit48", RecordKind::Unit, std::string(48, 'u'), false},
                      NameCase{"Unit49", RecordKind::Unit, std::string(49, 'u'), true},
                      NameCase{"Constant72", RecordKind::Constant, std::string(72, 'c'), false},
                      NameCase{"Constant73", RecordKind::Constant, std::string(73, 'c'), true},
                      NameCase{"Property96", RecordKind::Property, std::string(96, 'p'), false},
                      NameCase{"Property97", RecordKind::Property, std::string(97, 'p'), true}),
    CaseName());

TEST(RecordNames, LongestAllowedNamesFitWithLongestNumbers) {
    Unit unit{std::string(kMaxUnitName, 'u'), -1.2345678901234567e-300, -9.87654321e-300};
    EXPECT_EQ(unitRecord(unit).size(), kMaxRecordLine);
    Constant constant{std::string(kMaxConstantName, 'c'), -1.2345678901234567e-300};
    EXPECT_EQ(constantRecord(constant).size(), kMaxRecordLine);
}

// Start-up looks in the current directory, then in each given directory.
class InitDatabaseTest : public ::testing::Test {
protected:
    InitDatabaseTest() : previous(std::filesystem::current_path()) {
        std::filesystem::create_directories(dir / "cwd");
        std::filesystem::create_directories(dir / "data");
        std::filesystem::current_path(dir / "cwd");
    }
    ~InitDatabaseTest() override { std::filesystem::current_path(previous); }

    std::optional<std::filesystem::path> init() {
        return initDatabase(db, {(dir / "empty").string(), (dir / "data").string()},
                            messages.sink(), 6.02);
    }

    TempDir dir;
    std::filesystem::path previous;
    PropertyDatabase db;
    Messages messages;
};

TEST_F(InitDatabaseTest, DefaultInCurrentDirectoryWins) {
    writeBytes(dir / "cwd/default.prp", "P:mine\nU:u\n");
    writeBytes(dir / "cwd/factory.prp", "P:factory\nU:u\n");
    db.modified = true;
    EXPECT_EQ(init(), std::filesystem::path("default.prp"));
    EXPECT_NE(findProperty(db, "mine", true), nullptr);
    EXPECT_EQ(findProperty(db, "factory", true), nullptr);
    EXPECT_FALSE(db.modified);
    EXPECT_EQ(db.properties[0].name, "dimensionless");
    EXPECT_EQ(nth(db.properties[0].constants, 0).value, 6.02);
}

TEST_F(InitDatabaseTest, FactoryFromDataDirectoryWhenCurrentHasNone) {
    writeBytes(dir / "data/factory.prp", "P:factory\nU:u\n");
    EXPECT_EQ(init(), dir / "data/factory.prp");
    EXPECT_NE(findProperty(db, "factory", true), nullptr);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(InitDatabaseTest, CorruptDefaultIsReportedAndFactoryLoadedOnTop) {
    writeBytes(dir / "cwd/default.prp", "P:mine\nU:u\nbad\n");
    writeBytes(dir / "cwd/factory.prp", "P:factory\nU:u\n");
    EXPECT_EQ(init(), std::filesystem::path("factory.prp"));
    EXPECT_EQ(messages.texts, std::vector<std::string>{kCorrupt});
    EXPECT_NE(findProperty(db, "mine", true), nullptr);
    EXPECT_NE(findProperty(db, "factory", true), nullptr);
}

TEST_F(InitDatabaseTest, LeftoverOfAKilledSaveIsNeverLoadedAndTheNextSaveRemovesIt) {
    const std::string valid = "P:leftover\nU:u\n";
    writeBytes(dir / "cwd/default.prp.saving~", valid);
    writeBytes(dir / "cwd/default.prp.saving-Ab3dEf6hIj9k~", valid);
    EXPECT_EQ(init(), std::nullopt);
    EXPECT_EQ(findProperty(db, "leftover", true), nullptr);
    ASSERT_TRUE(saveDatabase(db, "default.prp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "cwd/default.prp.saving-Ab3dEf6hIj9k~"));
    EXPECT_TRUE(std::filesystem::exists(dir / "cwd/default.prp.saving~")) << "not its pattern";
}

TEST_F(InitDatabaseTest, NothingToLoadLeavesBuiltInsAndWarns) {
    EXPECT_EQ(init(), std::nullopt);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Warning|Unable to open properties database"});
    EXPECT_EQ(db.properties.size(), 2u);
    EXPECT_TRUE(db.properties[0].constants.empty());
}

// Random damage to valid files never crashes or hangs the reader: each damaged
// file either loads or is reported corrupt, exactly once.
TEST(PrpReaderMutation, DamagedFilesLoadOrAreReportedCorrupt) {
    TempDir dir;
    PropertyDatabase source;
    addBuiltInContent(source);
    for (int p = 0; p < 6; ++p) {
        Property& property = addProperty(source, "property " + std::to_string(p) + " µ°");
        for (int u = 0; u < 8; ++u) {
            setUnit(property, "unit" + std::to_string(u) + "Ω", 1.5 * u + 0.1, u % 3 ? 0.0 : -4.5);
        }
        setConstant(property, "k" + std::to_string(p), 6.02e23);
    }
    ASSERT_TRUE(saveDatabase(source, dir / "valid.prp"));
    const std::string valid = readBytes(dir / "valid.prp");

    std::minstd_rand random(20240611);
    int loaded = 0, corrupt = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string bytes = valid;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 5) {
                case 0:
                    bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
                    break;
                case 1:
                    bytes.resize(at);
                    break;
                case 2:
                    bytes.insert(at, 1, static_cast<char>(random() % 256));
                    break;
                case 3:
                    bytes.erase(at, 1 + random() % 40);
                    break;
                default:
                    bytes.insert(at, std::string(random() % 150, static_cast<char>(random())));
                    break;
            }
        }
        writeBytes(dir / "damaged.prp", bytes);
        PropertyDatabase db;
        addBuiltInContent(db);
        Messages messages;
        if (loadDatabase(db, dir / "damaged.prp", messages.sink(), 0)) {
            ++loaded;
            EXPECT_TRUE(messages.texts.empty());
        } else {
            ++corrupt;
            EXPECT_EQ(messages.texts, std::vector<std::string>{kCorrupt});
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(corrupt, 0);
}

}  // namespace
}  // namespace zentra
