// The media graph over the engine port: failures reported, probing, the seek read-back loops.
#include <gtest/gtest.h>

#include "FakeMediaEngine.h"
#include "engine/MediaGraph.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);
constexpr MediaTime kMs = std::chrono::milliseconds(1);

class MediaGraphTest : public ::testing::Test {
protected:
    MediaGraphTest() { engine.files["/m/clip.mpg"] = test::FakeMedia{}; }

    MediaGraph& Rendered() {
        graph.CreateGraph();
        EXPECT_EQ(graph.BeginRender("/m/clip.mpg", std::nullopt), MediaResult::Ok);
        EXPECT_EQ(graph.PollRender(), OpenStatus::Ready);
        graph.ProbeMedia(1024, 768);
        return graph;
    }

    test::FakeMediaEngine engine;
    std::vector<std::string> reports;
    MediaGraph graph{engine, [this](const std::string& t) { reports.push_back(t); }};
};

TEST_F(MediaGraphTest, FailuresAreReportedAndLeaveTheGraphReleased) {
    engine.createResult = MediaResult::Failed;
    EXPECT_EQ(graph.CreateGraph(), MediaResult::Failed);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "The media engine could not be created.\n");
    EXPECT_FALSE(graph.Created());
    // Later operations on the released graph do nothing.
    EXPECT_EQ(graph.BeginRender("/m/clip.mpg", std::nullopt), MediaResult::Failed);
    EXPECT_EQ(graph.PollRender(), OpenStatus::Failed);
    graph.SeekPosition(SeekMode::To, MediaTime(100));
    EXPECT_TRUE(engine.seeks.empty());

    engine.createResult = MediaResult::Ok;
    engine.runResult = MediaResult::Failed;
    Rendered();
    reports.clear();
    EXPECT_EQ(graph.RunGraph(), MediaResult::Failed);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "The media engine could not start playing.\n");
    EXPECT_EQ(graph.runState, RunState::Stopped);
}

TEST_F(MediaGraphTest, StopAndReleaseAreHarmlessWhenThereIsNothingToDo) {
    Rendered();
    EXPECT_EQ(graph.StopGraph(), MediaResult::Ok);  // never run
    EXPECT_EQ(std::count(engine.log.begin(), engine.log.end(), "Stop"), 0);
    graph.ReleaseGraph();
    graph.ReleaseGraph();
    EXPECT_EQ(std::count(engine.log.begin(), engine.log.end(), "Release"), 1);
    EXPECT_TRUE(reports.empty());
    EXPECT_FALSE(graph.PollGraphEvent());
}

TEST_F(MediaGraphTest, ProbeTakesDurationFrameTimeAndSize) {
    engine.files["/m/song.mp3"] = test::FakeMedia{30 * kSecond, 0, {}, false};
    Rendered();
    EXPECT_EQ(graph.duration, 60 * kSecond);
    EXPECT_EQ(graph.timePerFrame, 40 * kMs);
    EXPECT_EQ(graph.sourceWidth, 320);
    EXPECT_EQ(graph.screenWidth, 1024);
    graph.ReleaseGraph();
    graph.CreateGraph();
    ASSERT_EQ(graph.BeginRender("/m/song.mp3", std::nullopt), MediaResult::Ok);
    ASSERT_EQ(graph.PollRender(), OpenStatus::Ready);
    graph.ProbeMedia(1024, 768);
    EXPECT_TRUE(graph.audioOnly);
    EXPECT_EQ(graph.timePerFrame, MediaTime{});  // no frames: no division
    EXPECT_EQ(graph.duration, 30 * kSecond);
}

TEST_F(MediaGraphTest, ForwardSeeksAlwaysMoveForwardAndNeverPastTheEnd) {
    Rendered();
    engine.position = 10 * kSecond;
    graph.SeekPosition(SeekMode::Forward, 4500 * kMs);
    EXPECT_EQ(engine.seeks, std::vector<MediaTime>{14500 * kMs});

    // A key frame before the target: the loop adds the step to where it landed until it moves.
    engine.seeks.clear();
    engine.seekLandsAt = 10 * kSecond;
    graph.SeekPosition(SeekMode::Forward, kSecond);
    EXPECT_EQ(engine.seeks.size(), 11u);
    EXPECT_EQ(engine.seeks[1], 11 * kSecond);
    engine.seekLandsAt.reset();

    // At or past the end: no seek at all, and a plain seek (a frame step) leaves the stream be.
    engine.seeks.clear();
    engine.position = 59 * kSecond;
    EXPECT_TRUE(graph.SeekPosition(SeekMode::Forward, kSecond));
    EXPECT_TRUE(engine.seeks.empty());
    EXPECT_FALSE(graph.PollGraphEvent());

    // A search ends it, exactly at the end as past it, and only once; one unit short still jumps.
    graph.Search(SeekMode::Forward, kSecond - MediaTime(1));
    EXPECT_EQ(engine.seeks, std::vector<MediaTime>{60 * kSecond - MediaTime(1)});
    EXPECT_FALSE(graph.PollGraphEvent());
    engine.position = 59 * kSecond;
    graph.Search(SeekMode::Forward, kSecond);
    EXPECT_TRUE(graph.PollGraphEvent());
    EXPECT_FALSE(graph.PollGraphEvent());
    graph.Search(SeekMode::Backward, 70 * kSecond);
    EXPECT_FALSE(graph.PollGraphEvent()) << "backward searches stop at the start";
}

TEST_F(MediaGraphTest, BackwardSeeksStopAtTheStart) {
    Rendered();
    engine.position = 3 * kSecond;
    graph.SeekPosition(SeekMode::Backward, 4500 * kMs);
    EXPECT_EQ(engine.seeks, std::vector<MediaTime>{MediaTime{}});
    engine.seeks.clear();
    engine.position = 10 * kSecond;
    engine.seekLandsAt = 10 * kSecond;
    graph.SeekPosition(SeekMode::Backward, 400 * kMs);
    EXPECT_EQ(engine.seeks.size(), 11u);
    EXPECT_EQ(engine.seeks[1], 9600 * kMs);
}

}  // namespace
}  // namespace felux
