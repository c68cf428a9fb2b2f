<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>DialogFields</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogInt</name>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>整数を入力してください。</source>
        <translation>Enter a whole number.</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>読込中 %1</source>
        <translation>Loading %1</translation>
    </message>
</context>
<context>
    <name>QtPlaylistDialogs</name>
    <message>
        <source>リストを保存できませんでした：
%1</source>
        <translation>The list could not be saved:
%1</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>有効</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>自動更新</source>
        <translation>Update automatically</translation>
    </message>
    <message>
        <source>起動後すぐに再生する</source>
        <translation>Play as soon as started</translation>
    </message>
    <message>
        <source>再生時すぐに最大化</source>
        <translation>Maximise when playing starts</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>本体のみ常に手前に表示</source>
        <translation>Panel only always on top</translation>
    </message>
    <message>
        <source>フルスクリーン時マウスカーソルを隠す</source>
        <translation>Hide the mouse pointer in full screen</translation>
    </message>
    <message>
        <source>マウスの上下で音量調整</source>
        <translation>Mouse up and down sets the volume</translation>
    </message>
    <message>
        <source>パワーマネージメントＯＦＦ</source>
        <translation>Keep the display awake</translation>
    </message>
    <message>
        <source>終了時に起動時の音量に復元する</source>
        <translation>Restore the starting volume on exit</translation>
    </message>
    <message>
        <source>DirectShowの音量調整を使う</source>
        <translation>Use the player&apos;s own volume</translation>
    </message>
    <message>
        <source>歌詞を動画の下に貼り付ける</source>
        <translation>Lyrics below the video</translation>
    </message>
    <message>
        <source>歌詞をメインパネルに貼り付ける</source>
        <translation>Lyrics on the panel</translation>
    </message>
    <message>
        <source>再生時ランダム再生の初期化をする</source>
        <translation>New shuffle when the list starts again</translation>
    </message>
    <message>
        <source>再生時存在しないファイルをリストから削除する</source>
        <translation>Remove missing files from the list</translation>
    </message>
    <message>
        <source>ホイールシークを使う</source>
        <translation>Use wheel seek</translation>
    </message>
    <message>
        <source>ホイール操作に変速再生を付加</source>
        <translation>Wheel also changes the speed</translation>
    </message>
    <message>
        <source>一時停止時のホイール動作をコマ送りにする</source>
        <translation>Wheel steps frames when paused</translation>
    </message>
    <message>
        <source>ホイール動くごつするやつ</source>
        <translation>Notched wheel feel</translation>
    </message>
</context>
<context>
    <name>felux::AspectDlg</name>
    <message>
        <source>アスペクト比の設定</source>
        <translation>Aspect ratio</translation>
    </message>
    <message>
        <source>比率の場合は : 解像度指定の場合は * を数値の間に挟んで下さい [例]320*240</source>
        <translation>Put : between the numbers for a ratio, * for a size  [e.g.] 320*240</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>felux::FontChooserDlg</name>
    <message>
        <source>フォント指定</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>太字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>あいうえお アイウエオ AaBbYyZz</source>
        <translation>AaBbYyZz 0123456789</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>felux::ListSaveOptionsDlg</name>
    <message>
        <source>ﾀﾞｲｱﾛｸﾞ</source>
        <translation>List file paths</translation>
    </message>
    <message>
        <source>リストファイルの保存設定</source>
        <translation>How list files are saved</translation>
    </message>
    <message>
        <source>対象ファイルを絶対パスで保存（デフォルト）</source>
        <translation>Full paths (default)</translation>
    </message>
    <message>
        <source>対象ファイルをドライブ指定無しで保存</source>
        <translation>Paths without a drive letter</translation>
    </message>
    <message>
        <source>対象ファイルを相対パスで保存</source>
        <translation>Paths relative to the list file</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>felux::PlaylistEditorWindow</name>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>ソート</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Torvel</source>
        <translation>Torvel Playlist</translation>
    </message>
</context>
<context>
    <name>felux::SettingsDlg</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>音量ログの設定</source>
        <translation>Volume log</translation>
    </message>
    <message>
        <source>ログの最大値</source>
        <translation>Most entries</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>オーバースキャン</source>
        <translation>Overscan</translation>
    </message>
    <message>
        <source>キーボードの（ＳＨＩＦＴ＋１～５）で指定できます</source>
        <translation>Chosen with Shift+1 to Shift+5</translation>
    </message>
    <message>
        <source>[1]  X =  リセット  Y =  リセット</source>
        <translation>[1]  X =  reset  Y =  reset</translation>
    </message>
    <message>
        <source>現在の値</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>フォントの設定</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>フォント指定</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>セカンダリモニタ対策のテスト</source>
        <translation>Second monitor workaround (test)</translation>
    </message>
    <message>
        <source>1～10程度の値を入力してください</source>
        <translation>A value of about 1 to 10</translation>
    </message>
    <message>
        <source>0 はOFF</source>
        <translation>0 is off</translation>
    </message>
    <message>
        <source>デバック用ですので通常は変更しないで下さい</source>
        <translation>For debugging: normally leave it as it is</translation>
    </message>
    <message>
        <source>ホイルシークの設定</source>
        <translation>Wheel seek...</translation>
    </message>
    <message>
        <source>特殊機能の設定</source>
        <translation>Special functions...</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>edits the aspect presets</comment>
        <translation>Edit...</translation>
    </message>
</context>
<context>
    <name>felux::SpecialSettingsDlg</name>
    <message>
        <source>特殊機能の設定</source>
        <translation>Special functions</translation>
    </message>
    <message>
        <source>サーチ速度の設定(mms)</source>
        <translation>Search speed (mms)</translation>
    </message>
    <message>
        <source>フルスクリーン時の画面解像度</source>
        <translation>Screen resolution in full screen</translation>
    </message>
    <message>
        <source>有効</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>同期再生の設定</source>
        <translation>Companion audio</translation>
    </message>
    <message>
        <source>同一パスの検索</source>
        <translation>Look in the file&apos;s folder</translation>
    </message>
    <message>
        <source>検索パスの指定1</source>
        <translation>Folder 1 to look in</translation>
    </message>
    <message>
        <source>検索パスの指定２</source>
        <translation>Folder 2 to look in</translation>
    </message>
    <message>
        <source>検索拡張子</source>
        <translation>Extensions to look for</translation>
    </message>
</context>
<context>
    <name>felux::WheelSeekDlg</name>
    <message>
        <source>ホイールシークの設定</source>
        <translation>Wheel seek</translation>
    </message>
    <message>
        <source>ホイールによるシーク動作を各段階ごとに設定します。</source>
        <translation>What the wheel does at each step.</translation>
    </message>
    <message>
        <source>シーク間隔は数字のみ。戻しは先頭に - （マイナス）を付けてください。（単位はミリ秒）</source>
        <translation>A jump is a number of milliseconds; put - in front to go back.</translation>
    </message>
    <message>
        <source>音付き変速再生は数字の末尾に % を付けてください。10% ～ 200% が指定できます。</source>
        <translation>For a speed with sound put % after the number: 10% to 200%.</translation>
    </message>
    <message>
        <source>通常再生は、100% で、一時停止は 0 を指定してください。</source>
        <translation>Normal play is 100%; pause is 0.</translation>
    </message>
    <message>
        <source>再生中からの操作</source>
        <translation>While playing</translation>
    </message>
    <message>
        <source>一時停止からの操作</source>
        <translation>While paused</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>1曲リピート</source>
        <translation>Repeat this track</translation>
    </message>
</context>
<context>
    <name>VideoMenu</name>
    <message>
        <source>なし</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>音声</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>字幕</source>
        <translation>Subtitles</translation>
    </message>
    <message>
        <source>チャプター</source>
        <translation>Chapters</translation>
    </message>
    <message>
        <source>この行をリピート</source>
        <translation>Loop this line</translation>
    </message>
</context>
</TS>
