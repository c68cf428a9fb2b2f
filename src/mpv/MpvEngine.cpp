// The media port on libmpv: one mpv instance for the player's life, driven from the UI thread.
#include "MpvEngine.h"

#include <mpv/client.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "MpvConvert.h"
#include "MpvInstance.h"
#include "MpvNames.h"
#include "MpvTags.h"
#include "MpvTracks.h"
#include "engine/SubtitleFiles.h"
#include "playlist/StreamUrl.h"

namespace felux {

namespace {

// reply_userdata of the observed properties and of seek commands.
enum : std::uint64_t {
    kObsTimePos = 1,
    kObsDuration,
    kObsAoVolume,
    kObsCurrentAo,
    kObsEofReached,
    kObsTrackList,
    kObsChapterList,
};
constexpr std::uint64_t kSeekTag = std::uint64_t{1} << 32;
constexpr std::uint64_t kLoadTag = std::uint64_t{1} << 33;
constexpr std::uint64_t kNextTag = std::uint64_t{1} << 34;
constexpr std::uint64_t kSerialMask = 0xFFFFFFFFu;
constexpr std::uint64_t kFireAndForget = 0;
// Events taken per drain at most, so that a chatty instance can never hold up the tick.
constexpr int kDrainLimit = 1000;

// A path worth handing to mpv: an existing regular file, or an http(s) stream as written (its
// open stays bounded by the open's wait). Anything else fails at once instead of after the whole
// open timeout (a FIFO waits for a writer, a directory opens as a playlist). A file is made
// absolute, so that no file name is taken for a protocol such as "ftp://".
std::optional<std::string> OpenablePath(const std::string& path) {
    if (path.empty()) return std::nullopt;
    if (IsStreamUrl(path)) {
        // The engine knows its protocols by their lower-case names only.
        std::string url = path;
        std::transform(url.begin(), url.begin() + static_cast<std::ptrdiff_t>(UrlScheme(url).size()), url.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        return url;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || ec) return std::nullopt;
    auto absolute = std::filesystem::absolute(path, ec);
    if (ec) return std::nullopt;
    return absolute.string();
}

const mpv_node* MapValue(const mpv_node& map, const char* key) {
    if (map.format != MPV_FORMAT_NODE_MAP || !map.u.list) return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        if (std::strcmp(map.u.list->keys[i], key) == 0) return &map.u.list->values[i];
    }
    return nullptr;
}

bool FlagValue(const mpv_node& map, const char* key) {
    const mpv_node* v = MapValue(map, key);
    return v && v->format == MPV_FORMAT_FLAG && v->u.flag != 0;
}

std::optional<std::int64_t> IntValue(const mpv_node& map, const char* key) {
    const mpv_node* v = MapValue(map, key);
    if (!v || v->format != MPV_FORMAT_INT64) return std::nullopt;
    return v->u.int64;
}

std::optional<double> DoubleValue(const mpv_node& map, const char* key) {
    const mpv_node* v = MapValue(map, key);
    if (!v || v->format != MPV_FORMAT_DOUBLE) return std::nullopt;
    return v->u.double_;
}

bool StringValueIs(const mpv_node& map, const char* key, std::string_view expected) {
    const mpv_node* v = MapValue(map, key);
    return v && v->format == MPV_FORMAT_STRING && v->u.string && expected == v->u.string;
}

// Keeps a node that mpv allocated and frees it.
struct OwnedNode {
    mpv_node node{};
    bool valid = false;
    OwnedNode(mpv_handle* h, const char* name) {
        valid = mpv_get_property(h, name, MPV_FORMAT_NODE, &node) >= 0;
    }
    ~OwnedNode() {
        if (valid) mpv_free_node_contents(&node);
    }
    OwnedNode(const OwnedNode&) = delete;
    OwnedNode& operator=(const OwnedNode&) = delete;
};

}  // namespace

MpvEngine::MpvEngine(WindowIdSource windowId, Notice notice, OpenNews openNews, SteadyClock now)
    : windowId_(std::move(windowId)), notice_(std::move(notice)), openNews_(std::move(openNews)), now_(std::move(now)) {}

void MpvEngine::OnWakeup(void* self) {
    auto* engine = static_cast<MpvEngine*>(self);
    engine->eventsWaiting_ = true;
    // Only an open is worth waking the UI thread for; the rest waits for the tick.
    if (engine->openNews_ && engine->openUnderWay_ && !engine->newsPosted_.exchange(true)) engine->openNews_();
}

MpvEngine::~MpvEngine() { Destroy(); }

void MpvEngine::UseInstanceAhead(std::unique_ptr<mpv::InstanceAhead> ahead) { ahead_ = std::move(ahead); }

MediaResult MpvEngine::Create() {
    const std::optional<std::int64_t> window = windowId_ ? windowId_() : std::nullopt;
    // Building an instance costs threads, scripts and outputs: the running one takes the next
    // file unless it failed or one of its outputs must change.
    if (handle_ && !broken_ && window == instanceWindow_ && noSoundDevice_ == instanceSilent_) {
        // A file that followed on without a gap plays on until its open takes it over.
        if (NextTookOver()) {
            file_ = {};
            if (mpv::ResetPlaybackSettings(handle_, true)) return MediaResult::Ok;
        }
        // The last file stays loaded, paused, for the open's load to replace. Stopped first, it
        // could send mpv idle before the load arrives, and idle mpv takes its outputs down.
        file_ = {};
        next_.reset();
        unloadOwed_ = true;
        if (mpv::ResetPlaybackSettings(handle_)) return MediaResult::Ok;
    }
    Destroy();
    const mpv::InstanceSetup setup{window, noSoundDevice_, hardwareDecoding_, replayGain_};
    mpv_handle* h = ahead_ ? ahead_->Take(setup) : nullptr;
    ahead_.reset();
    if (!h) h = mpv::NewInstance(setup);
    if (!h) return MediaResult::Failed;
    eventsWaiting_ = true;
    mpv_set_wakeup_callback(h, &MpvEngine::OnWakeup, this);
    mpv_observe_property(h, kObsTimePos, mpv::kPropTimePos, MPV_FORMAT_DOUBLE);
    mpv_observe_property(h, kObsDuration, mpv::kPropDuration, MPV_FORMAT_DOUBLE);
    mpv_observe_property(h, kObsAoVolume, mpv::kPropAoVolume, MPV_FORMAT_DOUBLE);
    mpv_observe_property(h, kObsCurrentAo, mpv::kPropCurrentAo, MPV_FORMAT_STRING);
    mpv_observe_property(h, kObsEofReached, mpv::kPropEofReached, MPV_FORMAT_FLAG);
    mpv_observe_property(h, kObsTrackList, mpv::kPropTrackList, MPV_FORMAT_NODE);
    mpv_observe_property(h, kObsChapterList, mpv::kPropChapterList, MPV_FORMAT_NODE);
    handle_ = h;
    instanceWindow_ = window;
    instanceSilent_ = noSoundDevice_;
    broken_ = false;
    file_ = {};
    return MediaResult::Ok;
}

// The output's level is left to its observer: the output may outlive the file.
void MpvEngine::Release() {
    if (NextTookOver())
        file_ = {};
    else
        StopFile();
}

void MpvEngine::Preload(const std::string& path) {
    if (handle_ || Create() != MediaResult::Ok) return;
    LoadAhead(path, true);
}

void MpvEngine::LoadAhead(const std::string& path, bool aheadOfOpen) {
    const std::optional<std::string> file = OpenablePath(path);
    if (!file) return;
    SetSubtitleFiles(*file);
    const std::uint64_t tag = kNextTag | (++loadSerial_ & kSerialMask);
    const char* load[] = {mpv::kCmdLoadFile, file->c_str(), aheadOfOpen ? mpv::kLoadReplace : mpv::kLoadAppend,
                          nullptr};
    if (mpv_command_async(handle_, tag, load) < 0) return;
    next_ = NextFile{*file, tag};
    next_->aheadOfOpen = aheadOfOpen;
}

void MpvEngine::PrepareNext(const std::optional<std::string>& path) {
    if (!handle_) return;
    if (!path) {
        // The player forgets only what it asked for.
        if (next_ && next_->aheadOfOpen) return;
        // Forgotten: one that has started is stopped; one still waiting leaves the playlist.
        const char* stop[] = {NextTookOver() ? mpv::kCmdStop : mpv::kCmdPlaylistClear, nullptr};
        if (next_ && mpv_command_async(handle_, kFireAndForget, stop) < 0) broken_ = true;
        next_.reset();
        return;
    }
    if (!file_.loaded || next_) return;
    LoadAhead(*path, false);
}

void MpvEngine::TakeOverNext() {
    const NextFile next = *next_;
    next_.reset();
    file_ = {};
    file_.entry = next.entry;
    // A file that followed on plays already; one loaded ahead is waited for as any open is.
    if (!next.aheadOfOpen || next.restarted) {
        file_.loaded = true;
        const OpenStatus opened = FinishOpen(false);
        // Ahead of the ticks (a short file, an output faster than real time) it may have played
        // to its end already, and the report of that end have come while the last file was current.
        if (opened == OpenStatus::Ready && file_.loaded && EofReachedNow()) Ended(false);
        DecideOpen(opened);
        return;
    }
    file_.loaded = next.loaded;
    FollowOpen(next.tag, next.entry != kAnyEntry, next.started, false);
}

void MpvEngine::StopFile() {
    if (handle_) {
        // Queued like every request of an open, so that they run in the order given without the
        // player waiting for mpv to take the file down.
        const char* stop[] = {mpv::kCmdStop, nullptr};
        if (mpv_command_async(handle_, kFireAndForget, stop) < 0) broken_ = true;
    }
    file_ = {};
    next_.reset();
    open_.reset();
    openUnderWay_ = false;
    unloadOwed_ = false;
}

void MpvEngine::Destroy() {
    // Nothing is posted while the instance goes down.
    openUnderWay_ = false;
    if (handle_) mpv_terminate_destroy(handle_);
    handle_ = nullptr;
    file_ = {};
    next_.reset();
    open_.reset();
    outputVolume_.reset();
}

void MpvEngine::BeginOpen(const std::string& path, const std::optional<std::string>& companion) {
    open_.reset();
    openUnderWay_ = false;
    if (!handle_) return DecideOpen(OpenStatus::Failed);
    file_ = {};
    const std::optional<std::string> file = OpenablePath(path);
    const bool unloadOwed = std::exchange(unloadOwed_, false);
    if (file && !companion && NextTookOver() && *file == next_->path) return TakeOverNext();
    // The load replaces mpv's playlist, a prepared file with it.
    next_.reset();
    if (!file) {
        if (unloadOwed) StopFile();
        return DecideOpen(OpenStatus::Failed);
    }

    // The companion goes in as an external audio track of the file; one that cannot be opened
    // is left out, so the file plays alone.
    mpv_node_list list{};
    char* item = nullptr;
    std::optional<std::string> extra = companion ? OpenablePath(*companion) : std::nullopt;
    if (extra) {
        item = extra->data();
        list.num = 1;
        list.values = nullptr;
    }
    mpv_node itemNode{};
    itemNode.format = MPV_FORMAT_STRING;
    itemNode.u.string = item;
    if (extra) list.values = &itemNode;
    mpv_node files{};
    files.format = MPV_FORMAT_NODE_ARRAY;
    files.u.list = &list;
    // Queued, as the load is: both run after the last file's stop and the settings' reset.
    mpv_set_property_async(handle_, kFireAndForget, mpv::kOptAudioFiles, MPV_FORMAT_NODE, &files);

    SetSubtitleFiles(*file);
    const std::uint64_t loadTag = kLoadTag | (++loadSerial_ & kSerialMask);
    const char* load[] = {mpv::kCmdLoadFile, file->c_str(), nullptr};
    if (mpv_command_async(handle_, loadTag, load) < 0) return DecideOpen(OpenStatus::Failed);
    FollowOpen(loadTag, false, false, extra.has_value());
}

void MpvEngine::FollowOpen(std::uint64_t loadTag, bool accepted, bool started, bool withCompanion) {
    open_ = PendingOpen{};
    open_->tag = loadTag;
    open_->accepted = accepted;
    open_->started = started;
    open_->withCompanion = withCompanion;
    open_->deadline = OpenDeadline(now_(), file_.loaded);
    newsPosted_ = false;
    openUnderWay_ = true;
}

void MpvEngine::DecideOpen(OpenStatus outcome) {
    open_ = PendingOpen{};
    open_->outcome = outcome;
    openUnderWay_ = false;
}

OpenStatus MpvEngine::PollOpen() {
    if (!open_) return OpenStatus::Failed;
    newsPosted_ = false;
    if (!open_->outcome) Drain();
    if (open_ && !open_->outcome) {
        if (open_->firstFrame) {
            DecideOpen(FinishOpen(open_->withCompanion));
        } else if (open_->deadline.Passed(now_())) {
            // Loaded but no frame yet within the bound: open, with the facts known so far.
            if (file_.loaded) {
                DecideOpen(FinishOpen(open_->withCompanion));
            } else {
                StopFile();
                DecideOpen(OpenStatus::TimedOut);
            }
        }
    }
    if (!open_) return OpenStatus::Failed;
    if (!open_->outcome) return OpenStatus::Pending;
    const OpenStatus outcome = *open_->outcome;
    open_.reset();
    return outcome;
}

bool MpvEngine::TakeOpenEvent(const mpv_event& event) {
    PendingOpen& open = *open_;
    // mpv names the file's playlist entry in its reply to the load; a start may come first.
    auto start = [&] {
        // What came before belongs to the file this one replaces.
        open.started = true;
        const std::int64_t entry = file_.entry;
        file_ = {};
        file_.entry = entry;
    };
    switch (event.event_id) {
        case MPV_EVENT_COMMAND_REPLY: {
            if (event.reply_userdata != open.tag) return false;
            if (event.error < 0) {
                DecideOpen(OpenStatus::Failed);
                return true;
            }
            open.accepted = true;
            // Without an id every start and end is taken as this file's, as when it had the
            // instance to itself.
            const auto* reply = static_cast<const mpv_event_command*>(event.data);
            file_.entry = reply ? IntValue(reply->result, mpv::kReplyEntryId).value_or(kAnyEntry) : kAnyEntry;
            if (open.earlyStart && IsThisFile(*open.earlyStart)) start();
            return true;
        }
        case MPV_EVENT_START_FILE: {
            const auto* begun = static_cast<const mpv_event_start_file*>(event.data);
            const std::int64_t id = begun ? begun->playlist_entry_id : kAnyEntry;
            if (!open.accepted)
                open.earlyStart = id;
            else if (IsThisFile(id))
                start();
            return true;
        }
        case MPV_EVENT_FILE_LOADED:
            if (!open.started) return true;
            file_.loaded = true;
            open.deadline.Loaded(now_());
            return true;
        case MPV_EVENT_PLAYBACK_RESTART:
            // The first frame is decoded: the demuxer has read ahead and corrected its first
            // guess of the duration, which the player reads once, right after opening. What
            // follows is the open file's own news.
            if (file_.loaded) open.firstFrame = true;
            return true;
        case MPV_EVENT_END_FILE: {
            HandleFileEvent(event);
            // An earlier file of this instance ending does not concern this one. A directory
            // or a playlist ends as a redirect to its entries: not a file we can play.
            const auto* end = static_cast<const mpv_event_end_file*>(event.data);
            if (open.started && end && IsThisFile(end->playlist_entry_id)) {
                StopFile();
                DecideOpen(OpenStatus::Failed);
            }
            return true;
        }
        case MPV_EVENT_SHUTDOWN:
            broken_ = true;
            file_ = {};
            DecideOpen(OpenStatus::Failed);
            return true;
        default:
            return false;
    }
}

bool MpvEngine::IsThisFile(std::int64_t entry) const { return file_.entry == kAnyEntry || entry == file_.entry; }

// A file loaded ahead of the first open has the instance to itself: any entry is its own.
bool MpvEngine::IsNextFile(std::int64_t entry) const {
    return next_->aheadOfOpen || (next_->entry != kAnyEntry && entry == next_->entry);
}

OpenStatus MpvEngine::FinishOpen(bool withCompanion) {
    // Whatever came behind the first frame is taken now: an end of the file among it fails the open.
    open_.reset();
    eventsWaiting_ = true;
    Drain();
    // A file that followed on may have played to its end meanwhile: open, and over.
    const bool playedToEnd = file_.completed && !file_.completedOnError;
    if (!file_.loaded && !playedToEnd) {
        file_ = {};
        return OpenStatus::Failed;
    }
    ReadFileFacts();
    if (playedToEnd) file_.position = file_.duration;
    if (withCompanion) SelectExternalAudio();
    ReadTracksAndChapters();
    OwnedNode tags(handle_, mpv::kPropMetadata);
    if (tags.valid) file_.tags = mpv::TagsFromNode(tags.node);
    return OpenStatus::Ready;
}

void MpvEngine::ReadTracksAndChapters() {
    OwnedNode tracks(handle_, mpv::kPropTrackList);
    if (tracks.valid) file_.tracks = mpv::TracksFromNode(tracks.node);
    OwnedNode chapters(handle_, mpv::kPropChapterList);
    if (chapters.valid) file_.chapters = mpv::ChaptersFromNode(chapters.node);
}

void MpvEngine::SetSubtitleFiles(const std::string& clip) {
    std::vector<std::string> paths = SubtitleFilesBeside(clip);
    std::vector<mpv_node> items(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        items[i].format = MPV_FORMAT_STRING;
        items[i].u.string = paths[i].data();
    }
    mpv_node_list list{};
    list.num = static_cast<int>(items.size());
    list.values = items.data();
    mpv_node files{};
    files.format = MPV_FORMAT_NODE_ARRAY;
    files.u.list = &list;
    // Queued, so that it takes effect in order with the load that follows.
    mpv_set_property_async(handle_, kFireAndForget, mpv::kOptSubFiles, MPV_FORMAT_NODE, &files);
}

void MpvEngine::SelectTrack(TrackKind kind, std::optional<std::int64_t> id) {
    if (!handle_ || !file_.loaded) return;
    const char* property = kind == TrackKind::Audio ? mpv::kPropAid : mpv::kPropSid;
    if (id) {
        std::int64_t value = *id;
        mpv_set_property_async(handle_, kFireAndForget, property, MPV_FORMAT_INT64, &value);
    } else {
        char* off = const_cast<char*>(mpv::kNo);
        mpv_set_property_async(handle_, kFireAndForget, property, MPV_FORMAT_STRING, &off);
    }
    // Until mpv reports the new list, a second step goes on from this choice.
    for (MediaTrack& t : file_.tracks)
        if (t.kind == kind) t.selected = id && t.id == *id;
}

void MpvEngine::ReadFileFacts() {
    double seconds = 0;
    if (mpv_get_property(handle_, mpv::kPropDuration, MPV_FORMAT_DOUBLE, &seconds) >= 0) {
        file_.duration = std::max(MediaTime{}, mpv::SecondsToTime(seconds));
    }
    std::int64_t frames = 0;
    if (mpv_get_property(handle_, mpv::kPropFrameCount, MPV_FORMAT_INT64, &frames) >= 0) {
        file_.frameCount = std::max<std::int64_t>(0, frames);
    }
    OwnedNode video(handle_, mpv::kPropVideoTrack);
    if (video.valid && video.node.format == MPV_FORMAT_NODE_MAP && !FlagValue(video.node, mpv::kTrackAlbumArt)) {
        file_.hasVideo = true;
        const auto w = IntValue(video.node, mpv::kTrackDemuxW);
        const auto h = IntValue(video.node, mpv::kTrackDemuxH);
        if (w && h && *w > 0 && *h > 0 && *w <= mpv::kLargestPictureSide && *h <= mpv::kLargestPictureSide) {
            // The window takes the picture's shape as shown: a phone clip stored sideways is tall.
            file_.nativeSize = mpv::DisplayedSize({static_cast<int>(*w), static_cast<int>(*h)},
                                                  IntValue(video.node, mpv::kTrackDemuxRotation).value_or(0),
                                                  DoubleValue(video.node, mpv::kTrackDemuxPar).value_or(1.0));
        }
    }
    if (!file_.hasVideo) file_.frameCount = 0;
}

void MpvEngine::SelectExternalAudio() {
    // mpv plays one audio track; the companion is there to be heard, so it wins over the file's own.
    OwnedNode tracks(handle_, mpv::kPropTrackList);
    if (!tracks.valid || tracks.node.format != MPV_FORMAT_NODE_ARRAY) return;
    const mpv_node_list* list = tracks.node.u.list;
    for (int i = 0; list && i < list->num; ++i) {
        const mpv_node& track = list->values[i];
        if (!StringValueIs(track, mpv::kTrackType, mpv::kTrackTypeAudio) || !FlagValue(track, mpv::kTrackExternal)) {
            continue;
        }
        if (auto id = IntValue(track, mpv::kTrackId)) {
            std::int64_t aid = *id;
            mpv_set_property(handle_, mpv::kPropAid, MPV_FORMAT_INT64, &aid);
        }
        return;
    }
}

bool MpvEngine::HasVideo() { return file_.hasVideo; }

MediaResult MpvEngine::Run() {
    if (!handle_) return MediaResult::Ok;
    int flag = 0;
    mpv_set_property_async(handle_, kFireAndForget, mpv::kPropPause, MPV_FORMAT_FLAG, &flag);
    return MediaResult::Ok;
}

MediaResult MpvEngine::Pause() {
    if (!handle_) return MediaResult::Ok;
    int flag = 1;
    mpv_set_property_async(handle_, kFireAndForget, mpv::kPropPause, MPV_FORMAT_FLAG, &flag);
    return MediaResult::Ok;
}

MediaResult MpvEngine::Stop() {
    // Nothing of an ended file to stop; a file that followed on must not be paused.
    if (!handle_ || !file_.loaded) return MediaResult::Ok;
    Pause();
    Seek(MediaTime{});
    return MediaResult::Ok;
}

MediaTime MpvEngine::Position() { return file_.seekTarget.value_or(file_.position); }

MediaTime MpvEngine::Duration() { return file_.duration; }

std::int64_t MpvEngine::FrameCount() { return file_.frameCount; }

VideoSize MpvEngine::NativeSize() { return file_.nativeSize; }

void MpvEngine::Seek(MediaTime position) {
    if (!handle_ || !file_.loaded) return;
    position = std::max(MediaTime{}, position);
    // seek <seconds> absolute+exact
    std::array<mpv_node, 3> args{};
    args[0].format = MPV_FORMAT_STRING;
    args[0].u.string = const_cast<char*>(mpv::kCmdSeek);
    args[1].format = MPV_FORMAT_DOUBLE;
    args[1].u.double_ = mpv::TimeToSeconds(position);
    args[2].format = MPV_FORMAT_STRING;
    args[2].u.string = const_cast<char*>(mpv::kSeekAbsoluteExact);
    mpv_node_list list{};
    list.num = static_cast<int>(args.size());
    list.values = args.data();
    mpv_node command{};
    command.format = MPV_FORMAT_NODE_ARRAY;
    command.u.list = &list;
    ++file_.seekSerial;
    if (mpv_command_node_async(handle_, kSeekTag | (file_.seekSerial & kSerialMask), &command) < 0) return;
    file_.seekTarget = position;
    file_.seekAccepted = false;
}

void MpvEngine::SetRate(double rate) {
    if (!std::isfinite(rate) || rate <= 0) return;
    SetDoubleAsync(mpv::kPropSpeed, std::clamp(rate, mpv::kSlowestSpeed, mpv::kFastestSpeed));
}

void MpvEngine::SetVolume(double volume) {
    SetDoubleAsync(mpv::kPropVolume, std::clamp(std::isfinite(volume) ? volume : 0.0, 0.0, mpv::kMpvVolumeFull));
}

void MpvEngine::SetSourceRect(const std::optional<SourceRect>& rect) {
    if (!file_.hasVideo) return;
    const mpv::PanScale ps = mpv::PanScaleForSourceRect(file_.nativeSize, rect);
    SetDoubleAsync(mpv::kPropVideoScaleX, ps.scaleX);
    SetDoubleAsync(mpv::kPropVideoScaleY, ps.scaleY);
    SetDoubleAsync(mpv::kPropVideoPanX, ps.panX);
    SetDoubleAsync(mpv::kPropVideoPanY, ps.panY);
}

void MpvEngine::SetHardwareDecoding(bool on) {
    if (on == hardwareDecoding_) return;
    hardwareDecoding_ = on;
    if (!handle_) return;
    char* value = const_cast<char*>(mpv::HardwareDecodingValue(on));
    mpv_set_property_async(handle_, kFireAndForget, mpv::kOptHwdec, MPV_FORMAT_STRING, &value);
}

void MpvEngine::SetReplayGain(ReplayGain mode) {
    if (mode == replayGain_) return;
    replayGain_ = mode;
    if (!handle_) return;
    char* value = const_cast<char*>(mpv::ReplayGainValue(mode));
    mpv_set_property_async(handle_, kFireAndForget, mpv::kOptReplayGain, MPV_FORMAT_STRING, &value);
}

bool MpvEngine::TakeCompletion() {
    if (!handle_) return false;
    Drain();
    const bool completed = file_.completed;
    if (completed) completedOnError_ = file_.completedOnError;
    file_.completed = false;
    return completed;
}

void MpvEngine::SetOutputVolume(double percent) {
    wantedOutputVolume_ = std::clamp(std::isfinite(percent) ? percent : 0.0, 0.0, mpv::kMpvVolumeFull);
    // Without an output mpv refuses it; the next output gets it when it appears.
    ApplyOutputVolume();
}

void MpvEngine::ApplyOutputVolume() {
    if (handle_ && wantedOutputVolume_) SetDoubleAsync(mpv::kPropAoVolume, *wantedOutputVolume_);
}

void MpvEngine::SetDoubleAsync(const char* name, double value) {
    if (!handle_) return;
    mpv_set_property_async(handle_, kFireAndForget, name, MPV_FORMAT_DOUBLE, &value);
}

void MpvEngine::Drain() {
    // Even a zero wait costs a system call: an idle player makes none.
    if (!eventsWaiting_.exchange(false)) return;
    for (int i = 0; i < kDrainLimit; ++i) {
        mpv_event* event = mpv_wait_event(handle_, 0);
        if (event->event_id == MPV_EVENT_NONE) return;
        HandleEvent(*event);
    }
    eventsWaiting_ = true;  // more than the limit: the rest on the next drain
}

void MpvEngine::HandleEvent(const mpv_event& event) {
    // Until its first frame the open under way takes its own events; a late one of a replaced
    // load carries another tag or entry, and goes on as any file's.
    if (open_ && !open_->outcome && !open_->firstFrame && TakeOpenEvent(event)) return;
    HandleFileEvent(event);
}

void MpvEngine::HandleFileEvent(const mpv_event& event) {
    switch (event.event_id) {
        case MPV_EVENT_PROPERTY_CHANGE:
            HandlePropertyChange(event);
            break;
        case MPV_EVENT_COMMAND_REPLY:
            if (next_ && event.reply_userdata == next_->tag) {
                // Without its entry id its start could not be told from another: not used.
                const auto* reply = static_cast<const mpv_event_command*>(event.data);
                const std::optional<std::int64_t> id =
                    event.error < 0 || !reply ? std::nullopt : IntValue(reply->result, mpv::kReplyEntryId);
                if (id)
                    next_->entry = *id;
                else
                    next_.reset();
                break;
            }
            if ((event.reply_userdata & kSeekTag) && file_.seekTarget &&
                (event.reply_userdata & 0xFFFFFFFFu) == (file_.seekSerial & 0xFFFFFFFFu)) {
                if (event.error < 0) {
                    file_.seekTarget.reset();
                } else {
                    file_.seekAccepted = true;
                }
            }
            break;
        case MPV_EVENT_SHUTDOWN:
            broken_ = true;
            break;
        case MPV_EVENT_FILE_LOADED:
            // Once mpv went on to the prepared file, the loads and restarts are its own.
            if (next_ && next_->started) next_->loaded = true;
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            if (next_ && next_->loaded) next_->restarted = true;
            if (file_.seekTarget && file_.seekAccepted) {
                // time-pos updates queued behind this event carry the new position; until one
                // arrives, the target is the best answer.
                file_.position = *file_.seekTarget;
                file_.seekTarget.reset();
            }
            break;
        case MPV_EVENT_START_FILE: {
            const auto* start = static_cast<const mpv_event_start_file*>(event.data);
            if (next_ && start && IsNextFile(start->playlist_entry_id)) next_->started = true;
            break;
        }
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event.data);
            // The prepared file ended or failed before it was taken over: it is gone.
            if (end && next_ && IsNextFile(end->playlist_entry_id)) next_.reset();
            // A file replaced or stopped earlier ends late: nothing of the current one changes.
            if (!end || !IsThisFile(end->playlist_entry_id)) break;
            // An open file that stops with an error is over as well: the player must move on,
            // not wait; it learns which kind of end it was.
            if (file_.loaded &&
                (end->reason == MPV_END_FILE_REASON_EOF || end->reason == MPV_END_FILE_REASON_ERROR)) {
                Ended(end->reason == MPV_END_FILE_REASON_ERROR);
            }
            file_.loaded = false;
            file_.seekTarget.reset();
            break;
        }
        default:
            break;
    }
}

void MpvEngine::Ended(bool onError) {
    file_.completed = true;
    file_.completedOnError = onError;
    if (!onError && file_.duration > MediaTime{}) file_.position = file_.duration;
    file_.loaded = false;
    file_.seekTarget.reset();
}

bool MpvEngine::EofReachedNow() const {
    int flag = 0;
    return mpv_get_property(handle_, mpv::kPropEofReached, MPV_FORMAT_FLAG, &flag) >= 0 && flag != 0;
}

void MpvEngine::NoteAudioOutput(const char* name) {
    if (noSoundDevice_ || !name || std::string_view(name) != mpv::kNullAudioOutput) return;
    const char* chosen = std::getenv("FELUX_AO");
    if (chosen && std::string_view(chosen).starts_with(mpv::kNullAudioOutput)) return;  // asked for
    noSoundDevice_ = true;
    if (notice_) notice_("FELUX: no sound device could be opened; playing without sound\n");
}

void MpvEngine::HandlePropertyChange(const mpv_event& event) {
    const auto* prop = static_cast<const mpv_event_property*>(event.data);
    if (!prop) return;
    const bool isDouble = prop->format == MPV_FORMAT_DOUBLE && prop->data;
    const double value = isDouble ? *static_cast<const double*>(prop->data) : 0.0;
    switch (event.reply_userdata) {
        case kObsTimePos:
            if (isDouble) file_.position = std::max(MediaTime{}, mpv::SecondsToTime(value));
            break;
        case kObsDuration:
            if (isDouble) file_.duration = std::max(MediaTime{}, mpv::SecondsToTime(value));
            break;
        case kObsAoVolume:
            if (isDouble) {
                outputVolume_ = value;
            } else {
                outputVolume_.reset();
            }
            break;
        case kObsEofReached:
            // Played to the end: over for the player, though mpv keeps it loaded. While a next file
            // waits the end comes as the file's own END_FILE; and a file that followed on may still
            // get the report of the one before it, so mpv is asked about the file playing now.
            if (prop->format == MPV_FORMAT_FLAG && prop->data && *static_cast<const int*>(prop->data) != 0 &&
                file_.loaded && !next_ && EofReachedNow()) {
                Ended(false);
            }
            break;
        case kObsTrackList:
        case kObsChapterList:
            // A list of the file before, or of one that is ending, is no news: the open reads its own.
            if (prop->format == MPV_FORMAT_NODE && prop->data && file_.loaded) {
                const auto& node = *static_cast<const mpv_node*>(prop->data);
                if (event.reply_userdata == kObsTrackList)
                    file_.tracks = mpv::TracksFromNode(node);
                else
                    file_.chapters = mpv::ChaptersFromNode(node);
            }
            break;
        case kObsCurrentAo:
            // A new audio output starts at the sound server's idea of our level; give it ours.
            if (prop->format == MPV_FORMAT_STRING && prop->data) {
                ApplyOutputVolume();
                NoteAudioOutput(*static_cast<const char* const*>(prop->data));
            }
            break;
        default:
            break;
    }
}

}  // namespace felux
