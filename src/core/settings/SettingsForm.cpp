// The settings dialog's members: filled from the settings, edited by its rules, copied back on OK.
#include "settings/SettingsForm.h"

#include <algorithm>
#include <cstdio>

#include "i18n/UiText.h"
#include "settings/WheelTableText.h"

namespace felux {
namespace {

constexpr int kSearchSpeedMax = 30000;

// How each check is stored: the field, and whether the box shows it inverted. The two
// topmost checks share one field and have none here.
struct CheckField {
    FormCheck check;
    int PlayerSettings::*field;
    bool inverted;
};

constexpr std::array<CheckField, kFormCheckCount - 2> kCheckFields{{
    {FormCheck::LogEnabled, &PlayerSettings::volumeLogEnabled, false},
    {FormCheck::LogAutoUpdate, &PlayerSettings::volumeLogAutoUpdate, false},
    {FormCheck::MaskTopPercent, &PlayerSettings::lineMaskTopPercent, false},
    {FormCheck::MaskBottomPercent, &PlayerSettings::lineMaskBottomPercent, false},
    {FormCheck::MaskLeftPercent, &PlayerSettings::lineMaskLeftPercent, false},
    {FormCheck::MaskRightPercent, &PlayerSettings::lineMaskRightPercent, false},
    {FormCheck::PlayOnStart, &PlayerSettings::noPlayOnStart, true},
    {FormCheck::MaximizeOnPlay, &PlayerSettings::maximizeOnPlay, false},
    {FormCheck::HideCursor, &PlayerSettings::hideCursorInFullScreen, false},
    {FormCheck::MouseVolume, &PlayerSettings::mouseVolume, false},
    {FormCheck::PowerManagementOff, &PlayerSettings::powerManagementOff, false},
    {FormCheck::RestoreVolume, &PlayerSettings::restoreVolumeOnExit, false},
    {FormCheck::DirectShowVolume, &PlayerSettings::useDirectShowVolume, false},
    {FormCheck::LyricsBelowVideo, &PlayerSettings::lyricsBelowVideo, false},
    {FormCheck::LyricsOnPanel, &PlayerSettings::lyricsOnMainPanel, false},
    {FormCheck::ReshuffleOnWrap, &PlayerSettings::reshuffleOnWrap, false},
    {FormCheck::RemoveMissing, &PlayerSettings::keepMissingFiles, true},
    {FormCheck::UseWheelSeek, &PlayerSettings::wheelSeekOff, true},
    {FormCheck::WheelVariableSpeed, &PlayerSettings::wheelVariableSpeed, false},
    {FormCheck::WheelFrameStep, &PlayerSettings::wheelFrameStepWhenPaused, false},
    {FormCheck::WheelNotchFeel, &PlayerSettings::wheelNotchFeel, false},
}};

bool& CheckRef(SettingsForm& form, FormCheck c) { return form.checks[static_cast<std::size_t>(c)]; }

// The dialog's wheel text into the tables. A rate flag whose meaning the text leaves as it was
// keeps its stored value: a hand-edited 2 reads as a jump and stays 2.
void TakeWheelTable(const std::string& text, WheelTable& steps, WheelTable& isRate) {
    WheelTable rates = isRate;
    ParseWheelTable(text, steps, rates);
    for (std::size_t i = 0; i < rates.size(); ++i)
        if ((rates[i] == 1) != (isRate[i] == 1)) isRate[i] = rates[i];
}

}  // namespace

const std::array<FormCheckInfo, kFormCheckCount>& FormChecks() {
    static constexpr std::array<FormCheckInfo, kFormCheckCount> kChecks{{
        {FormCheck::LogEnabled, 1029, FELUX_TEXT_NOOP("SettingsForm", "有効")},
        {FormCheck::LogAutoUpdate, 1030, FELUX_TEXT_NOOP("SettingsForm", "自動更新")},
        {FormCheck::MaskTopPercent, 1118, "%"},
        {FormCheck::MaskBottomPercent, 1119, "%"},
        {FormCheck::MaskLeftPercent, 1120, "%"},
        {FormCheck::MaskRightPercent, 1121, "%"},
        {FormCheck::PlayOnStart, 1095, FELUX_TEXT_NOOP("SettingsForm", "起動後すぐに再生する")},
        {FormCheck::MaximizeOnPlay, 1096, FELUX_TEXT_NOOP("SettingsForm", "再生時すぐに最大化")},
        {FormCheck::TopmostAll, 1094, FELUX_TEXT_NOOP("SettingsForm", "常に手前に表示")},
        {FormCheck::TopmostPanel, 1093, FELUX_TEXT_NOOP("SettingsForm", "本体のみ常に手前に表示")},
        {FormCheck::HideCursor, 1078, FELUX_TEXT_NOOP("SettingsForm", "フルスクリーン時マウスカーソルを隠す")},
        {FormCheck::MouseVolume, 1102, FELUX_TEXT_NOOP("SettingsForm", "マウスの上下で音量調整")},
        {FormCheck::PowerManagementOff, 1077, FELUX_TEXT_NOOP("SettingsForm", "パワーマネージメントＯＦＦ")},
        {FormCheck::RestoreVolume, 1098, FELUX_TEXT_NOOP("SettingsForm", "終了時に起動時の音量に復元する")},
        {FormCheck::DirectShowVolume, 1147, FELUX_TEXT_NOOP("SettingsForm", "DirectShowの音量調整を使う")},
        {FormCheck::LyricsBelowVideo, 1104, FELUX_TEXT_NOOP("SettingsForm", "歌詞を動画の下に貼り付ける")},
        {FormCheck::LyricsOnPanel, 1105, FELUX_TEXT_NOOP("SettingsForm", "歌詞をメインパネルに貼り付ける")},
        {FormCheck::ReshuffleOnWrap, 1117, FELUX_TEXT_NOOP("SettingsForm", "再生時ランダム再生の初期化をする")},
        {FormCheck::RemoveMissing, 1146, FELUX_TEXT_NOOP("SettingsForm", "再生時存在しないファイルをリストから削除する")},
        {FormCheck::UseWheelSeek, 1144, FELUX_TEXT_NOOP("SettingsForm", "ホイールシークを使う")},
        {FormCheck::WheelVariableSpeed, 1076, FELUX_TEXT_NOOP("SettingsForm", "ホイール操作に変速再生を付加")},
        {FormCheck::WheelFrameStep, 1142, FELUX_TEXT_NOOP("SettingsForm", "一時停止時のホイール動作をコマ送りにする")},
        {FormCheck::WheelNotchFeel, 1150, FELUX_TEXT_NOOP("SettingsForm", "ホイール動くごつするやつ")},
    }};
    return kChecks;
}

SettingsForm OpenSettingsForm(const PlayerSettings& s, int volumeLevel) {
    SettingsForm form;
    form.values = s;
    // The search speeds are only shown in the special functions dialog; a stored value out of
    // range would otherwise refuse every OK with no field here to correct it.
    for (int PlayerSettings::*speed : {&PlayerSettings::searchSpeedPlayRew, &PlayerSettings::searchSpeedPlayFF,
                                       &PlayerSettings::searchSpeedPauseRew, &PlayerSettings::searchSpeedPauseFF})
        form.values.*speed = std::clamp(s.*speed, 0, kSearchSpeedMax);
    for (const CheckField& c : kCheckFields) CheckRef(form, c.check) = (s.*c.field != 0) != c.inverted;
    CheckRef(form, FormCheck::TopmostAll) = s.topmostMode == 1;
    CheckRef(form, FormCheck::TopmostPanel) = s.topmostMode == 2;
    form.wheelPlayText = FormatWheelTable(s.wheelPlaySteps, s.wheelPlayIsRate);
    form.wheelPauseText = FormatWheelTable(s.wheelPauseSteps, s.wheelPauseIsRate);
    form.levelAtOpen = volumeLevel;
    form.overscanText = OverscanText(s.overscanScaleX, s.overscanScaleY);
    return form;
}

void SetCheck(SettingsForm& form, FormCheck check, bool on) {
    CheckRef(form, check) = on;
    if (!on) {
        if (check == FormCheck::HideCursor) CheckRef(form, FormCheck::MouseVolume) = false;
        return;
    }
    switch (check) {
        case FormCheck::TopmostAll:
            CheckRef(form, FormCheck::TopmostPanel) = false;
            break;
        case FormCheck::TopmostPanel:
            CheckRef(form, FormCheck::TopmostAll) = false;
            break;
        case FormCheck::RestoreVolume:
            CheckRef(form, FormCheck::DirectShowVolume) = false;
            break;
        case FormCheck::DirectShowVolume:
            CheckRef(form, FormCheck::RestoreVolume) = false;
            break;
        case FormCheck::MouseVolume:
            CheckRef(form, FormCheck::HideCursor) = true;
            break;
        default:
            break;
    }
}

void PressVolumeLogButton(SettingsForm& form, VolumeLogButton button) {
    int& command = form.volumeLogCommand;
    switch (button) {
        case VolumeLogButton::Add:
            command = (command & ~2) | 1;
            break;
        case VolumeLogButton::Remove:
            command = (command & ~1) | 2;
            break;
        case VolumeLogButton::Reset:
            command = 4;
            break;
    }
}

std::optional<EditFault<FormEdit>> ReadFormEdits(SettingsForm& form, const FormEditTexts& texts) {
    struct Edit {
        FormEdit field;
        const std::string& text;
        int PlayerSettings::*member;
        std::optional<std::pair<int, int>> range;
    };
    const std::array<Edit, 4> edits{{
        {FormEdit::VolumeLogMax, texts.volumeLogMax, &PlayerSettings::volumeLogMax, std::pair{0, 10000}},
        {FormEdit::SearchWait, texts.searchWait, &PlayerSettings::searchWait, std::pair{1, 50}},
        {FormEdit::FontPosition, texts.fontPosition, &PlayerSettings::fontPosition, std::pair{0, 4}},
        {FormEdit::SecondaryMonitorFix, texts.secondaryMonitorFix, &PlayerSettings::secondaryMonitorFix,
         std::nullopt},
    }};
    for (const Edit& e : edits) {
        const auto fault = e.range ? CheckDialogInt(e.text, e.range->first, e.range->second) : CheckDialogInt(e.text);
        if (fault) return EditFault<FormEdit>{e.field, *fault};
        form.values.*e.member = *ParseDialogInt(e.text);
    }
    return std::nullopt;
}

void ApplySettingsForm(const SettingsForm& form, PlayerSettings& s) {
    const PlayerSettings& v = form.values;
    for (int PlayerSettings::*field :
         {&PlayerSettings::scanLinePattern,      &PlayerSettings::lineMaskTop,         &PlayerSettings::lineMaskBottom,
          &PlayerSettings::lineMaskLeft,         &PlayerSettings::lineMaskRight,       &PlayerSettings::volumeLogMax,
          &PlayerSettings::aspectPresetIndex,    &PlayerSettings::searchWait,          &PlayerSettings::searchSpeedPlayRew,
          &PlayerSettings::searchSpeedPlayFF,    &PlayerSettings::searchSpeedPauseRew, &PlayerSettings::searchSpeedPauseFF,
          &PlayerSettings::fullScreenModeNumber, &PlayerSettings::fullScreenWidth,     &PlayerSettings::fullScreenHeight,
          &PlayerSettings::fullScreenBits,       &PlayerSettings::fullScreenModeOn,    &PlayerSettings::fontPosition,
          &PlayerSettings::fontCharSet,          &PlayerSettings::fontHeight,          &PlayerSettings::fontItalic,
          &PlayerSettings::fontWeight,           &PlayerSettings::overscanX2,          &PlayerSettings::overscanX3,
          &PlayerSettings::overscanX4,           &PlayerSettings::overscanX5,          &PlayerSettings::overscanY2,
          &PlayerSettings::overscanY3,           &PlayerSettings::overscanY4,          &PlayerSettings::overscanY5,
          &PlayerSettings::secondaryMonitorFix})
        s.*field = v.*field;
    for (std::string PlayerSettings::*field : {&PlayerSettings::syncSearchPath1, &PlayerSettings::syncSearchPath2,
                                               &PlayerSettings::syncFlags, &PlayerSettings::aspectPresets,
                                               &PlayerSettings::fontFace})
        s.*field = v.*field;
    // A box left as it showed keeps the stored value, whatever number a hand edit put there.
    for (const CheckField& c : kCheckFields)
        if (form.Checked(c.check) != ((s.*c.field != 0) != c.inverted))
            s.*c.field = form.Checked(c.check) != c.inverted ? 1 : 0;
    if (form.Checked(FormCheck::TopmostAll) != (s.topmostMode == 1) ||
        form.Checked(FormCheck::TopmostPanel) != (s.topmostMode == 2))
        s.topmostMode = form.Checked(FormCheck::TopmostAll) ? 1 : form.Checked(FormCheck::TopmostPanel) ? 2 : 0;
    TakeWheelTable(form.wheelPlayText, s.wheelPlaySteps, s.wheelPlayIsRate);
    TakeWheelTable(form.wheelPauseText, s.wheelPauseSteps, s.wheelPauseIsRate);
}

void ApplyVolumeLogCommand(VolumeLog& log, int command, const VolumeLogOptions& options, const CurrentFile& file,
                           int level) {
    if (command > 3) {
        command -= 4;
        log.Clear();
    }
    if (options.autoUpdate || command == 1 || command == 2) {
        if (command == 2)
            log.Forget(options, file);
        else
            log.Register(options, file, level);
    }
    log.TrimTo(options.maxEntries);
}

std::string OverscanText(double scaleX, double scaleY) {
    char text[64];
    std::snprintf(text, sizeof text, " X = %3d%%  Y = %3d%%", static_cast<int>(200 - 100 * scaleX),
                  static_cast<int>(200 - 100 * scaleY));
    return text;
}

}  // namespace felux
