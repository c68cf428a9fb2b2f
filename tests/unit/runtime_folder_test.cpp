// Which folders may hold the instance lock and the hand-over socket.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace felux
