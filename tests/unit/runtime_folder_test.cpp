// Which folders may hold the instance lock and the hand-over socket, and which one a start takes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "app/RuntimeFolder.h"

namespace felux {
namespace {

constexpr std::uint32_t kUs = 1000;

FolderFacts Folder(std::uint32_t permissions, std::uint32_t owner = kUs) {
    return FolderFacts{false, true, owner, permissions};
}

std::string Problem(const std::optional<FolderFacts>& facts, RuntimeFolderKind kind) {
    return RuntimeFolderProblem(facts, kUs, kind).value_or("fit");
}

TEST(RuntimeFolder, OurOwnFolderInTmpMustBeExactlyOursAndClosedToOthers) {
    constexpr RuntimeFolderKind own = RuntimeFolderKind::Own;
    EXPECT_EQ(Problem(Folder(0700), own), "fit");
    EXPECT_EQ(Problem(Folder(0500), own), "fit");  // a stricter umask
    EXPECT_EQ(Problem(Folder(0710), own), "others have access to it (mode 0710, not 0700)");
    EXPECT_EQ(Problem(Folder(0701), own), "others have access to it (mode 0701, not 0700)");
    EXPECT_EQ(Problem(Folder(01777), own), "others have access to it (mode 1777, not 0700)");
    EXPECT_EQ(Problem(Folder(0700, 1001), own), "it belongs to user 1001");
    EXPECT_EQ(Problem(Folder(0700, 0), own), "it belongs to user 0");
    // What lstat says of a link to a fine folder of ours: the link itself is refused.
    EXPECT_EQ(Problem(FolderFacts{true, false, kUs, 0777}, own), "it is a symbolic link");
    EXPECT_EQ(Problem(FolderFacts{false, false, kUs, 0600}, own), "it is not a folder");
    EXPECT_EQ(Problem(std::nullopt, own), "it is missing and cannot be made");
}

TEST(RuntimeFolder, TheSessionFolderNeedsOnlyToBeOursAndClosedToWriters) {
    constexpr RuntimeFolderKind session = RuntimeFolderKind::Session;
    EXPECT_EQ(Problem(Folder(0700), session), "fit");
    EXPECT_EQ(Problem(Folder(0755), session), "fit");
    EXPECT_EQ(Problem(Folder(0775), session), "others may write in it (mode 0775)");
    EXPECT_EQ(Problem(Folder(01777, 0), session), "it belongs to user 0");  // XDG_RUNTIME_DIR=/tmp
    EXPECT_EQ(Problem(Folder(0702), session), "others may write in it (mode 0702)");
    EXPECT_EQ(Problem(FolderFacts{true, false, kUs, 0777}, session), "it is a symbolic link");
}

// The real folders, as the player sees them.
std::optional<FolderFacts> Lstat(const std::filesystem::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    return FolderFacts{S_ISLNK(st.st_mode), S_ISDIR(st.st_mode), st.st_uid, st.st_mode & 07777u};
}

const FolderAccess kDisk{Lstat, [](const std::filesystem::path& folder) {
                             std::error_code ec;
                             std::filesystem::create_directories(folder.parent_path(), ec);
                             ::mkdir(folder.c_str(), 0700);
                         }};

class RuntimeFolderChoiceTest : public ::testing::Test {
protected:
    RuntimeFolderChoiceTest() {
        in.uid = ::getuid();
        in.tempFolder = root.path() / "tmp";
        in.home = (root.path() / "home").string();
        in.dataFolder = root.path() / "data";
        std::filesystem::create_directories(in.tempFolder);
    }
    std::filesystem::path Planted() const { return in.tempFolder / ("felux-" + std::to_string(in.uid)); }
    std::optional<std::filesystem::path> Chosen() const { return ChooseRuntimeFolder(in, kDisk).folder; }

    test::TempFolder root;
    RuntimeFolderInputs in;
};

TEST_F(RuntimeFolderChoiceTest, ARefusedTempFolderGivesWayToAPrivateOneInTheHomeThatEveryStartFinds) {
    EXPECT_EQ(Chosen(), Planted()) << "our own folder in the temp folder, as before";
    EXPECT_EQ(Lstat(Planted())->permissions, 0700u);

    std::filesystem::permissions(Planted(), std::filesystem::perms::all);  // opened to everyone
    const RuntimeFolderChoice choice = ChooseRuntimeFolder(in, kDisk);
    const std::filesystem::path cache = root.path() / "home/.cache/felux";
    EXPECT_EQ(choice.folder, cache);
    EXPECT_EQ(Lstat(cache)->permissions, 0700u);
    ASSERT_EQ(choice.refusals.size(), 1u);
    EXPECT_EQ(choice.refusals[0].folder, Planted());
    EXPECT_EQ(choice.refusals[0].why, "others have access to it (mode 0777, not 0700)");
    EXPECT_EQ(Chosen(), cache) << "a second start takes the same folder";

    in.xdgCacheHome = (root.path() / "xdg-cache").string();
    EXPECT_EQ(Chosen(), root.path() / "xdg-cache/felux");
    in.xdgCacheHome = "relative/cache";  // not a base folder: ignored
    EXPECT_EQ(Chosen(), cache);
    std::filesystem::permissions(cache, std::filesystem::perms::group_read, std::filesystem::perm_options::add);
    EXPECT_EQ(Chosen(), root.path() / "data/runtime") << "the data folder's, made with the data folder";

    // A private session folder is taken; one others may write in is passed over without a word.
    const std::filesystem::path session = root.path() / "run";
    std::filesystem::create_directory(session);
    std::filesystem::permissions(session, std::filesystem::perms::owner_all | std::filesystem::perms::others_read |
                                              std::filesystem::perms::others_exec);
    in.xdgRuntimeDir = session.string();
    EXPECT_EQ(Chosen(), session);
    std::filesystem::permissions(session, std::filesystem::perms::others_write, std::filesystem::perm_options::add);
    EXPECT_EQ(ChooseRuntimeFolder(in, kDisk).refusals.size(), 2u) << "the temp and cache folders only";
}

TEST_F(RuntimeFolderChoiceTest, TheSocketPathMustFitAndWithoutAPrivatePlaceThereIsNone) {
    // A socket path of exactly 107 bytes fits; one more does not.
    const std::size_t room = kSocketPathLimit - 1 - kHandOverSocketName.size() - std::string("/felux").size();
    const std::size_t name = room - root.path().native().size() - 1;
    ASSERT_GT(room, root.path().native().size() + 1);
    in.xdgCacheHome = (root.path() / std::string(name, 'c')).string();
    std::filesystem::create_symlink(root.path(), Planted());  // a link, whatever it points to
    EXPECT_EQ(Chosen(), *in.xdgCacheHome + "/felux");

    in.xdgCacheHome = (root.path() / std::string(name + 1, 'c')).string();
    RuntimeFolderChoice choice = ChooseRuntimeFolder(in, kDisk);
    EXPECT_EQ(choice.folder, root.path() / "data/runtime");
    ASSERT_EQ(choice.refusals.size(), 2u);
    EXPECT_EQ(choice.refusals[0].why, "it is a symbolic link");
    EXPECT_EQ(choice.refusals[1].why, "the socket's path in it would be longer than 107 bytes");
    EXPECT_FALSE(std::filesystem::exists(choice.refusals[1].folder)) << "nothing made that is not used";

    // The data folder is a file: nothing can be made under it.
    std::filesystem::remove_all(root.path() / "data");
    root.Write("data", "not a folder");
    choice = ChooseRuntimeFolder(in, kDisk);
    EXPECT_FALSE(choice.folder);
    ASSERT_EQ(choice.refusals.size(), 3u);
    EXPECT_EQ(choice.refusals[2].why, "it is missing and cannot be made");

    // Folders of another user's are refused, however private.
    in.dataFolder.reset();
    in.xdgCacheHome.reset();
    in.uid += 1;
    choice = ChooseRuntimeFolder(in, kDisk);
    EXPECT_FALSE(choice.folder);
    ASSERT_EQ(choice.refusals.size(), 2u);
    EXPECT_EQ(choice.refusals[1].why, "it belongs to user " + std::to_string(::getuid()));
}

}  // namespace
}  // namespace felux
