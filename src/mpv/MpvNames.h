// Every mpv option, property, command and value name the adapter uses, in one table.
#pragma once

namespace felux::mpv {

// Options set once per instance, before mpv_initialize.
inline constexpr const char* kOptVo = "vo";
inline constexpr const char* kOptAo = "ao";
// Outputs that can draw into a window we give them; mpv's own fallbacks (SDL among them)
// would open a window of their own when no GPU is usable.
inline constexpr const char* kEmbeddableVideoOutputs = "gpu,x11";
inline constexpr const char* kOptGpuContext = "gpu-context";
// With no sound device, play silently instead of failing every file that has sound.
inline constexpr const char* kOptAudioFallbackToNull = "audio-fallback-to-null";
// The audio output that discards the sound.
inline constexpr const char* kNullAudioOutput = "null";
// The file mpv's pcm output writes, for the tests that read back what was played.
inline constexpr const char* kOptAoPcmFile = "ao-pcm-file";
// OpenGL on X11 only (this mpv takes one context, not a list). Probing the console (DRM)
// context closes the process's standard input on failure, and a later X connection that
// reuses that descriptor is then closed under our feet.
inline constexpr const char* kX11GpuContext = "x11egl";
inline constexpr const char* kOptWid = "wid";
// The name the sound stream carries in the desktop's mixer, instead of "mpv".
inline constexpr const char* kOptAudioClientName = "audio-client-name";
inline constexpr const char* kAudioClientName = "FELUX";
inline constexpr const char* kOptAudioDisplay = "audio-display";
inline constexpr const char* kOptInputDefaultBindings = "input-default-bindings";
inline constexpr const char* kOptInputVoKeyboard = "input-vo-keyboard";
inline constexpr const char* kOptInputCursor = "input-cursor";
inline constexpr const char* kOptCursorAutohide = "cursor-autohide";
inline constexpr const char* kOptOsc = "osc";
inline constexpr const char* kOptOsdLevel = "osd-level";
inline constexpr const char* kOptKeepOpen = "keep-open";
inline constexpr const char* kOptIdle = "idle";
inline constexpr const char* kOptGaplessAudio = "gapless-audio";
inline constexpr const char* kOptPrefetchPlaylist = "prefetch-playlist";
inline constexpr const char* kWeak = "weak";
inline constexpr const char* kOptForceWindow = "force-window";
inline constexpr const char* kOptTerminal = "terminal";
inline constexpr const char* kOptKeepAspect = "keepaspect";
// Decoding on the graphics chip where mpv knows it to be safe; software otherwise, silently.
inline constexpr const char* kOptHwdec = "hwdec";
inline constexpr const char* kHwdecAutoSafe = "auto-safe";
// Levelling by ReplayGain tags: no, track or album; with replaygain-clip at no, mpv lowers a gain
// that would take the file's peak past full scale.
inline constexpr const char* kOptReplayGain = "replaygain";
inline constexpr const char* kReplayGainTrack = "track";
inline constexpr const char* kReplayGainAlbum = "album";
inline constexpr const char* kOptReplayGainClip = "replaygain-clip";
inline constexpr const char* kOptYtdl = "ytdl";
inline constexpr const char* kOptLoadStatsOverlay = "load-stats-overlay";
inline constexpr const char* kOptLoadOsdConsole = "load-osd-console";
// Scripts from the user's mpv folders and the profile switcher: each would run in a thread of
// its own with a script interpreter, for nothing the player uses.
inline constexpr const char* kOptLoadScripts = "load-scripts";
inline constexpr const char* kOptScripts = "scripts";
inline constexpr const char* kOptLoadAutoProfiles = "load-auto-profiles";
inline constexpr const char* kOptResumePlayback = "resume-playback";
inline constexpr const char* kOptAudioFiles = "audio-files";
// Files mpv would load from beside the clip on its own; the player draws its own timed text
// and chooses the companion audio itself.
inline constexpr const char* kOptSubAuto = "sub-auto";
inline constexpr const char* kOptAudioFileAuto = "audio-file-auto";
inline constexpr const char* kOptCoverArtAuto = "cover-art-auto";
// The subtitle files beside the clip, which the player finds itself (sub-auto would take lyrics too).
inline constexpr const char* kOptSubFiles = "sub-files";
// The user's languages, most preferred first, for mpv's first choice of audio and subtitle track.
inline constexpr const char* kOptAudioLanguages = "alang";
inline constexpr const char* kOptSubtitleLanguages = "slang";
// Track choices made during one file go back to mpv's own choice for the next, even one that follows on.
inline constexpr const char* kOptResetOnNextFile = "reset-on-next-file";
inline constexpr const char* kTrackChoiceOptions = "aid,sid";

// Properties read, observed or set while a file is open.
inline constexpr const char* kPropPause = "pause";
inline constexpr const char* kPropTimePos = "time-pos";
inline constexpr const char* kPropDuration = "duration";
inline constexpr const char* kPropFrameCount = "estimated-frame-count";
inline constexpr const char* kPropVideoTrack = "current-tracks/video";
inline constexpr const char* kPropTrackList = "track-list";
inline constexpr const char* kPropAid = "aid";
inline constexpr const char* kPropSid = "sid";
inline constexpr const char* kPropChapterList = "chapter-list";
inline constexpr const char* kPropSpeed = "speed";
inline constexpr const char* kPropVolume = "volume";
inline constexpr const char* kPropVideoScaleX = "video-scale-x";
inline constexpr const char* kPropVideoScaleY = "video-scale-y";
inline constexpr const char* kPropVideoPanX = "video-pan-x";
inline constexpr const char* kPropVideoPanY = "video-pan-y";
inline constexpr const char* kPropAoVolume = "ao-volume";
inline constexpr const char* kPropCurrentAo = "current-ao";
inline constexpr const char* kPropEofReached = "eof-reached";
// The file's tags as a map; each container spells the keys its own way ("TITLE", "Album").
inline constexpr const char* kPropMetadata = "metadata";

// Keys of the metadata map, compared ignoring case.
inline constexpr const char* kTagTitle = "title";
inline constexpr const char* kTagArtist = "artist";
inline constexpr const char* kTagAlbum = "album";
inline constexpr const char* kTagTrack = "track";

// Keys of a track's map (track-list entries and current-tracks/...).
inline constexpr const char* kTrackId = "id";
inline constexpr const char* kTrackType = "type";
inline constexpr const char* kTrackExternal = "external";
inline constexpr const char* kTrackAlbumArt = "albumart";
inline constexpr const char* kTrackDemuxW = "demux-w";
inline constexpr const char* kTrackDemuxH = "demux-h";
// Degrees the picture is turned when shown (phones store it sideways), and the pixels' shape.
inline constexpr const char* kTrackDemuxRotation = "demux-rotation";
inline constexpr const char* kTrackDemuxPar = "demux-par";
inline constexpr const char* kTrackTypeAudio = "audio";
inline constexpr const char* kTrackTypeSubtitle = "sub";
inline constexpr const char* kTrackLanguage = "lang";
inline constexpr const char* kTrackTitle = "title";
inline constexpr const char* kTrackDefault = "default";
inline constexpr const char* kTrackSelected = "selected";

// Keys of a chapter-list entry.
inline constexpr const char* kChapterTitle = "title";
inline constexpr const char* kChapterTime = "time";

// Commands and their arguments.
inline constexpr const char* kCmdLoadFile = "loadfile";
inline constexpr const char* kCmdStop = "stop";
inline constexpr const char* kCmdPlaylistClear = "playlist-clear";
inline constexpr const char* kLoadAppend = "append";
inline constexpr const char* kLoadReplace = "replace";
// The key of loadfile's reply, and of start and end events, that names one loaded entry.
inline constexpr const char* kReplyEntryId = "playlist_entry_id";
inline constexpr const char* kCmdSeek = "seek";
inline constexpr const char* kSeekAbsoluteExact = "absolute+exact";

// Option values.
inline constexpr const char* kYes = "yes";
inline constexpr const char* kNo = "no";
inline constexpr const char* kZero = "0";
inline constexpr const char* kOne = "1";
inline constexpr const char* kFullVolume = "100";
inline constexpr const char* kAuto = "auto";

}  // namespace felux::mpv
