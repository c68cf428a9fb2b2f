// The per-file volume log: look-up, the record toggle, auto-update on leave, and data.vol.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "engine/VolumeLog.h"

namespace felux {
namespace {

std::vector<std::string> Names(const VolumeLog& log) {
    std::vector<std::string> names;
    for (const VolumeRecord& record : log.Records()) names.push_back(record.name);
    return names;
}

TEST(VolumeLog, RegisterMovesTheRecordToTheTopAndForgetRemovesIt) {
    const VolumeLogOptions on{true, false, 500};
    VolumeLog log;
    for (const char* name : {"a", "b", "c"}) log.Register(on, {name, true, 0}, 10);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"c", "b", "a"}));

    log.Register(on, {"a", true, 0}, 31);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"a", "c", "b"})) << "no duplicate";
    EXPECT_EQ(log.Records()[0].volumeLine, "1:7fff7fff");
    EXPECT_TRUE(log.RecordPresent());
    EXPECT_EQ(log.LookUp("a", true), 31);
    EXPECT_EQ(log.LookUp("A", true), std::nullopt) << "names compare case-sensitively";
    EXPECT_FALSE(log.RecordPresent());

    log.Forget(on, {"c", true, 0});
    EXPECT_EQ(Names(log), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(log.RecordPresent());

    // Writes wait for an opened file and a wheel seek at rest, and need the log enabled.
    log.Register(on, {"d", false, 0}, 5);
    log.Register(on, {"d", true, 2}, 5);
    log.Register({false, false, 500}, {"d", true, 0}, 5);
    log.Forget(on, {"a", true, -1});
    EXPECT_EQ(Names(log), (std::vector<std::string>{"a", "b"}));

    log.Register({true, false, 2}, {"e", true, 0}, 5);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"e", "a"})) << "the oldest fall off past the maximum";
    log.Register({true, false, 0}, {"f", true, 0}, 5);
    EXPECT_TRUE(log.Records().empty());
    EXPECT_FALSE(log.RecordPresent()) << "a maximum of 0 keeps nothing";
}

TEST(VolumeLog, LookUpOnlyWhenEnabledAndLeavingUpdatesOnlyWithAutoUpdate) {
    VolumeLog log;
    log.Register({}, {"song", true, 0}, 62);
    log.Forget({}, {"other", true, 0});
    ASSERT_FALSE(log.RecordPresent());
    EXPECT_EQ(log.LookUp("song", false), std::nullopt);
    EXPECT_FALSE(log.RecordPresent()) << "a disabled log leaves the flag alone";
    EXPECT_EQ(log.LookUp("song", true), 62);
    EXPECT_EQ(log.LookUp("song", false), std::nullopt);
    EXPECT_TRUE(log.RecordPresent());

    log.RecordOnLeave({true, false, 500}, {"song", true, 0}, 0);
    EXPECT_EQ(log.LookUp("song", true), 62) << "without auto-update leaving keeps the record";
    log.RecordOnLeave({true, false, 500}, {"new", true, 0}, 0);
    EXPECT_EQ(log.Records().size(), 1u);

    log.RecordOnLeave({true, true, 500}, {"new", true, 0}, 0);
    log.RecordOnLeave({true, true, 500}, {"song", true, 0}, 31);
    log.RecordOnLeave({true, true, 500}, {"late", false, 0}, 31);
    log.RecordOnLeave({true, true, 500}, {"seek", true, 3}, 31);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"song", "new"}));
    EXPECT_EQ(log.LookUp("song", true), 31);
    EXPECT_EQ(log.LookUp("new", true), 0);
}

TEST(VolumeLog, SavesAndLoadsDataVolInAnyEncoding) {
    test::TempFolder folder;
    VolumeLog log;
    for (int level : {0, 31, 62}) log.Register({}, {"曲" + std::to_string(level), true, 0}, level);
    ASSERT_TRUE(log.Save(folder.path()));
    EXPECT_EQ(folder.Read("data.vol"), "曲62\r\n1:ffffffff\r\n曲31\r\n1:7fff7fff\r\n曲0\r\n1:00000000\r\n");

    VolumeLog loaded;
    loaded.Load(folder.path());
    for (int level : {0, 31, 62}) EXPECT_EQ(loaded.LookUp("曲" + std::to_string(level), true), level);

    // Shift-JIS and Latin-1 names beside a UTF-8 one, LF-only endings, and a last name whose
    // volume line was cut off: names keep their bytes, so a file whose name is those bytes
    // finds its record, and so does the UTF-8 spelling of a Shift-JIS name.
    folder.Write("data.vol", "\x8b\xc8\n1:7fff7fff\ncaf\xe9\n1:00000000\n曲62\n1:ffffffff\nlost\n");
    VolumeLog old;
    old.Load(folder.path());
    EXPECT_EQ(Names(old), (std::vector<std::string>{"\x8b\xc8", "caf\xe9", "曲62"}));
    EXPECT_EQ(old.LookUp("曲", true), 31);
    EXPECT_EQ(old.LookUp("\x8b\xc8", true), 31);
    EXPECT_EQ(old.LookUp("caf\xe9", true), 0);
    EXPECT_EQ(old.LookUp("曲62", true), 62);
    EXPECT_EQ(old.LookUp("lost", true), std::nullopt);

    old.Load(folder.path() / "missing");
    old.Load(folder.path() / "data.vol");  // a folder path that is a file: nothing to read
    EXPECT_EQ(old.Records().size(), 3u);
    ASSERT_TRUE(old.Save(folder.path()));
    EXPECT_EQ(folder.Read("data.vol"), "\x8b\xc8\r\n1:7fff7fff\r\ncaf\xe9\r\n1:00000000\r\n曲62\r\n1:ffffffff\r\nlost\r\n");
    old.Register({true, false, 4}, {"曲", true, 0}, 62);
    EXPECT_EQ(Names(old), (std::vector<std::string>{"曲", "caf\xe9", "曲62"})) << "the old spelling is replaced";
    old.Register({true, false, 4}, {"new", true, 0}, 62);
    ASSERT_TRUE(old.Save(folder.path()));
    EXPECT_EQ(folder.Read("data.vol").find("lost"), std::string::npos) << "past the maximum the unpaired name goes";

    VolumeLog empty;
    ASSERT_TRUE(empty.Save(folder.path()));
    EXPECT_EQ(folder.Read("data.vol"), "");
    EXPECT_FALSE(empty.Save(folder.path() / "no" / "such"));

    log.TrimTo(1);
    EXPECT_EQ(Names(log), (std::vector<std::string>{"曲62"}));
    log.Clear();
    EXPECT_TRUE(log.Records().empty());
}

}  // namespace
}  // namespace felux
