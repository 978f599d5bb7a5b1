#include "units/prp_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include "units_test_support.h"

namespace zentra {
namespace {

using testing::CaseName;
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
    const std::string file = (saveDatabase(db, dir / "out.prp"), readBytes(dir / "out.prp"));
    ASSERT_EQ(file.substr(0, 29), std::string(kHeader) + "\r\n");
    EXPECT_EQ(plainLines(file),
              (std::vector<std::string>{kHeader, "P:dimensionless", "U:", "P:angle", "U:radians",
                                        "U:deg\\1.745329251994330e-002",
                                        "U:gr\\1.570796326794897e-002"}));
}

TEST_F(PrpFileTest, CurrentUnitIsWrittenFirstAndRestoredOnLoad) {
    Property& angle = *prop("angle");
    angle.currentUnit = findUnit(angle, "deg", true);
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
    EXPECT_EQ(prop("dimensionless")->constants[0].value, 5.1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PrpFileTest, PlainFileWithoutHeaderReadsAsPlainText) {
    ASSERT_TRUE(load("P:time\nU:s\nC:Date\\5\n"));
    Constant* date = findConstant(*prop("time"), "Date", true);
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
    EXPECT_EQ(p.units[0].name, c.unit);
    if (std::isnan(c.factor)) {
        EXPECT_TRUE(std::isnan(p.units[0].factor));
    } else {
        EXPECT_EQ(p.units[0].factor, c.factor);
    }
    EXPECT_EQ(p.units[0].offset, c.offset);
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

TEST_F(PrpFileTest, EmptyUnitNameWithFactorComesBackUnderFactorsName) {
    Property& p = addProperty(db, "p");
    setUnit(p, "", 2, 0);
    saveLines();
    PropertyDatabase fresh;
    ASSERT_TRUE(loadDatabase(fresh, dir / "out.prp", messages.sink(), 0));
    Property& q = *findProperty(fresh, "p", true);
    ASSERT_EQ(q.units.size(), 1u);
    EXPECT_EQ(q.units[0].name, "2.000000000000000e+000");
    EXPECT_EQ(q.units[0].factor, 1);
}

TEST_F(PrpFileTest, ConstantLines) {
    ASSERT_TRUE(load("P:p\nU:u\nC:c\\3e8\nC:noval\nC:\nC:c\\4\n"));
    Property& p = *prop("p");
    ASSERT_EQ(p.constants.size(), 3u);
    EXPECT_EQ(p.constants[0].value, 4);
    EXPECT_EQ(p.constants[1].value, 0);
    EXPECT_EQ(p.constants[2].name, "");
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
    EXPECT_EQ(prop("p")->units[0].name, "ab");
}

TEST_F(PrpFileTest, LastLineWithoutLineFeedIsLost) {
    ASSERT_TRUE(load("P:p\nU:a\nU:b"));
    EXPECT_EQ(prop("p")->units.size(), 1u);
}

TEST_F(PrpFileTest, CarriageReturnLineFeedAndBareLineFeedBothEndLines) {
    ASSERT_TRUE(load("P:p\r\nU:a\nU:b\r\n"));
    ASSERT_EQ(prop("p")->units.size(), 2u);
    EXPECT_EQ(prop("p")->units[0].name, "a");
    EXPECT_EQ(prop("p")->units[1].name, "b");
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
    EXPECT_EQ(length.units[1].factor, 0.3048);
    EXPECT_EQ(length.constants[0].value, 1609.344);
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

TEST_F(PrpFileTest, FailedSaveLeavesTheOldFileUntouched) {
    const std::string old = "P:mine\nU:precious\n";
    writeBytes(dir / "out.prp", old);
    // The temporary file cannot be created: a directory is in its way.
    std::filesystem::create_directory(dir / "out.prp.saving~");
    EXPECT_FALSE(saveDatabase(db, dir / "out.prp"));
    EXPECT_EQ(readBytes(dir / "out.prp"), old);
    std::filesystem::remove(dir / "out.prp.saving~");

    PropertyDatabase empty;
    EXPECT_FALSE(saveDatabase(empty, dir / "out.prp")) << "an empty database is not saved";
    EXPECT_EQ(readBytes(dir / "out.prp"), old);

    ASSERT_TRUE(saveDatabase(db, dir / "out.prp"));
    EXPECT_NE(readBytes(dir / "out.prp"), old);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.prp.saving~"));
}

TEST_F(PrpFileTest, SaveThroughLinkReplacesTheLinkedFile) {
    writeBytes(dir / "real.prp", "old");
    std::filesystem::create_symlink(dir / "real.prp", dir / "link.prp");
    ASSERT_TRUE(saveDatabase(db, dir / "link.prp"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.prp"));
    EXPECT_EQ(readBytes(dir / "real.prp").substr(0, 4), "o:10");
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
            EXPECT_EQ(q->units[i].name, p.units[i].name);
            EXPECT_EQ(q->units[i].factor, p.units[i].factor);
            EXPECT_EQ(q->units[i].offset, p.units[i].offset);
        }
        if (&p == &odd) {
            for (std::size_t i = 0; i < p.constants.size(); ++i) {
                EXPECT_EQ(q->constants[i].name, p.constants[i].name);
                EXPECT_EQ(q->constants[i].value, p.constants[i].value);
            }
        }
    }
}

TEST_F(PrpFileTest, LongNameFromAFileIsSavedWithShortNumbersAndReadsBack) {
    const std::string name(85, 'w');
    ASSERT_TRUE(load("P:p\nU:" + name + "\\0.125\\1\n"));
    const auto lines = saveLines();
    EXPECT_EQ(lines.back(), "U:" + name + "\\0.125\\1");
    PropertyDatabase back;
    ASSERT_TRUE(loadDatabase(back, dir / "out.prp", messages.sink(), 0));
    Unit* unit = findUnit(*findProperty(back, "p", true), name, true);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->factor, 0.125);
    EXPECT_EQ(unit->offset, 1);
}

TEST_F(PrpFileTest, UnstorableRecordsAreLeftOutAndListed) {
    Property& p = addProperty(db, "p");
    setUnit(p, "good", 1, 0);
    setUnit(p, "bad\rname", 2, 0);
    setUnit(p, std::string(120, 'x'), 3.1234567890123456, 2.2);
    setUnit(addProperty(db, "line\nbreak"), "u", 1, 0);
    std::vector<std::string> left;
    ASSERT_TRUE(saveDatabase(db, dir / "out.prp", &left));
    EXPECT_EQ(left.size(), 3u);
    PropertyDatabase back;
    ASSERT_TRUE(loadDatabase(back, dir / "out.prp", messages.sink(), 0));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(findProperty(back, "p", true)->units.size(), 1u);
    EXPECT_EQ(back.properties.size(), 3u);
}

struct NameCase {
    const char* name;
    RecordKind kind;
    std::string text;
    bool refused;
};

class RecordNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RecordNameTest, RefusesNamesTheFormatCannotHold) {
    auto problem = recordNameProblem(GetParam().kind, GetParam().text);
    EXPECT_EQ(problem.has_value(), GetParam().refused);
    if (problem) {
        EXPECT_FALSE(problem->empty());
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
    EXPECT_EQ(unitRecord(unit).size(), kMaxWrittenLine);
    Constant constant{std::string(kMaxConstantName, 'c'), -1.2345678901234567e-300};
    EXPECT_EQ(constantRecord(constant).size(), kMaxWrittenLine);
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
    EXPECT_EQ(db.properties[0].constants[0].value, 6.02);
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
    const auto start = std::chrono::steady_clock::now();
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
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
}  // namespace zentra
