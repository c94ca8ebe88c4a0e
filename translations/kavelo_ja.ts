<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>設定ファイルを正常に読み込みました！ 
設定を変更してから「保存」ボタンを押してください</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>ファイルの種類を判別する際にエラーが発生しました！</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>不明なファイル形式です！</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>ファイルのパスが長すぎます！</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>設定ファイルを正常に保存しました！ 
カメラを安全に取り外して、新しい設定を読み込ませてください</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>設定ファイルは保存されていません！ 
ファイルの書き込み中に問題が発生しました！</translation>
    </message>
</context>
<context>
    <name>CameraChoiceDialog</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>, not supported</source>
        <translation>、未対応</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation>（現在開いています）</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>接続中のカメラに適用</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>ウィンドウに表示されている設定を、チェックを付けた各カメラに保存します。各カメラはそれぞれの識別情報を保持し、各ファイルは保存後に読み戻して確認されます。</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>保存して確認済み</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>未確認: 読み戻したファイルの設定が異なります</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>未保存: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>未保存: 別のプログラムがファイルを使用中です</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>未保存: ファイルを読み取れません（%1）</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>拒否: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>未実行</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>未保存: カードが応答しません。現在の内容は不明です</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>%1 をマウントできません: カードのマウントにはデスクトップのストレージサービス (UDisks2) が必要ですが、実行されていません</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>%1 を取り出せません: カードの取り出しにはデスクトップのストレージサービス (UDisks2) が必要ですが、実行されていません</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>まだ使用中です。使用しているものを閉じてから、もう一度お試しください</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>デスクトップのポリシーで許可されていません</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>マウントされていません</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>ストレージサービスが応答しませんでした</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>%1 をマウントできませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>%1 は %2 にマウントされましたが、%3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>カメラの設定ファイルがありません</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>応答しません</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>%1 を取り出せませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>%1 はアンマウントされたので取り外せますが、ドライブの電源を切れませんでした: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1（取り外し済み）</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>1台のカメラに保存して確認しました</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>1台のカメラに保存できませんでした</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>%2台中%1台のカメラに保存して確認しました</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>接続中のカメラに適用</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>すべて取り出す(&amp;E)</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>保存したカメラをアンマウントして電源を切り、取り外せるようにします</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Kavelo Manager ヘルプ</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>Kavelo Manager について</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Kavelo ビデオカメラの設定ファイルを編集します: メモリーカード上の CONFIG.TXT を開き、設定を変更して、元の場所に保存します。</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>このカメラのリビジョンには対応していません！ 
現在対応しているのはリビジョン v00%1 のみです</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>カメラのファームウェアが古すぎます！ 
対応バージョンは %1 ～ %2 です</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>不明なファイル形式です！</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>ファームウェア v%1 には対応していません！
Kavelo Manager の更新が必要です！ 
対応バージョンは %2 ～ %3 です</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>%1 バイトを超えているため、カメラの設定ファイルではありません</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kavelo Manager</source>
        <translation>Kavelo Manager</translation>
    </message>
    <message>
        <source>Drag the CONFIG.TXT file from the camera onto this area to load it</source>
        <translation>カメラの CONFIG.TXT ファイルをこの領域にドラッグすると読み込みます</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>カメラの CONFIG.TXT を
ここにドロップ</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>設定ファイル</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>カメラを接続するか、カメラの CONFIG.TXT を開いてください</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>読み込み…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>カメラの CONFIG.TXT を開きます</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>読み込んだファイルに設定を書き戻します</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>すべての設定を初期値に戻します。ファイルは保存したときに変更されます</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>ビデオモード</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>ビデオモード1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>ビデオモード2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>60 fps と 50 fps で録画できるのは 1280x720 ワイドと 848x480 だけです。他の解像度でどちらかを選ぶと 1280x720 ワイドに切り替わり、60 fps または 50 fps で 1920x1080 または 1280x720 ナローを選ぶと 30 fps に切り替わります。ループ録画がオンのときは、クリップの長さは3分または5分になります。</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>写真・画像・時計</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>日付と時計</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>保存するとコンピューターの時刻がファイルに書き込まれ、カメラはそのファイルを読み込むときにその時刻を設定します。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>カスタムゲイン:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>選択したカスタムホワイトバランスのゲイン</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>ゲインは上で選択したカスタムホワイトバランスのもので、カスタム1～3のいずれかを選択しているときだけ編集できます: 100～999 の値を入力し、Return キーを押すと適用されます。</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>カメラと電源</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>録画開始:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>カメラに電源が入るとすぐに録画を開始します</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>外部電源の接続時</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>電源ボタンを押したとき</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>両方</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>動体検知</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>テレビ・Webカメラ・カード</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>コピーを保存(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>別のファイルから設定を適用(&amp;A)…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>接続中のカメラに適用(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>ファイルの内容に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>Kavelo Manager ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>Kavelo Manager について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>カメラを取り出す(&amp;E)</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>終了します。保存していない変更があるときは先に確認します</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>コピーを %1 として保存しました</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>%1 をカード上の現在の内容に戻しますか？</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>開いた後または保存した後の変更は失われます。</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>戻す</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>別のファイルから設定を適用</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>%1 の設定を取り込みました: %2が変更されました</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1件の設定</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1件の設定</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>カードの取り出しにはデスクトップのストレージサービス (UDisks2) が必要ですが、実行されていません</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>取り出す</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>カードをアンマウントして電源を切り、取り外せるようにします</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>%1 を取り外せるようになりました</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>カメラ %1 が接続されました</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>カード %1 はマウントされていません</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>マウントして開く</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>カード %1 が応答しません</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>自分の設定を維持</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>取り出すカメラがありません: 先にそのカメラのファイルを開くか、カメラを1台だけ接続してください</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>%1 を取り出しています…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>設定を適用しています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>接続中のカメラに適用</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 を保存しています…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>未保存: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>保存して確認済み</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>未確認: 読み戻したファイルの設定が異なります</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>開いた後に別のプログラムがファイルを変更しました。保存時にどうするか確認します</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>開いた後にファイルが削除されました。保存時にどうするか確認します</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>現在は別のカメラのファイルがあります</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>別のプログラムがファイルを使用中です</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>カードが応答しません。現在の内容は不明です</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>ウィンドウの設定がファイルと異なります。保存しないと変更は失われます。</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>ファームウェア情報: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>リビジョン情報: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 カメラの時刻:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>。</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>そのカメラのファイルを開く</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 は開いた後に削除されました。</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>保存すると、このウィンドウの設定でファイルを作成し直します。</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 は開いた後に別のプログラムによって変更されました。</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>「上書き」はその変更をこのウィンドウの設定で置き換えます。「再読み込み」はファイルの現在の内容を表示しますが、変更は失われます。</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>保存時に最初に書き込む安全用のコピーを置く空き容量がカードにありません。</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>新しい設定は %1 が既に使用している領域に収まるため、直接上書きできます。その数ミリ秒の間にカードが抜かれたりカメラの電源が切れたりすると、%1 が破損したままになるおそれがあります。</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>その場で書き込む</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>テキストファイル (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>カメラの設定ファイルを開く</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>設定のコピーを保存</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>ビデオモード1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>ビデオモード2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>ワイド</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>ナロー</translation>
    </message>
    <message>
        <source>60 fps</source>
        <translation>60 fps</translation>
    </message>
    <message>
        <source>50 fps</source>
        <translation>50 fps</translation>
    </message>
    <message>
        <source>30 fps</source>
        <translation>30 fps</translation>
    </message>
    <message>
        <source>25 fps</source>
        <translation>25 fps</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>180°回転</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>年/月/日</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>カメラの時計をそのまま使う</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>このコンピューターの時刻に合わせる</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 ナロー</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 ワイド</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 ナロー</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 ワイド</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 ナロー</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 ワイド</translation>
    </message>
    <message>
        <source>0.25s</source>
        <translation>0.25秒</translation>
    </message>
    <message>
        <source>0.5s</source>
        <translation>0.5秒</translation>
    </message>
    <message>
        <source>1s</source>
        <translation>1秒</translation>
    </message>
    <message>
        <source>2s</source>
        <translation>2秒</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5秒</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10秒</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60秒</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3分</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5分</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10分</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15分</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>2304x1296 (3 MP)</source>
        <translation>2304x1296 (3 MP)</translation>
    </message>
    <message>
        <source>1920x1080 (2 MP)</source>
        <translation>1920x1080 (2 MP)</translation>
    </message>
    <message>
        <source>1280x720 (1 MP)</source>
        <translation>1280x720 (1 MP)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1秒</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3秒</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1分</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Wide angle</source>
        <translation>広角</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>魚眼</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>マスストレージ</translation>
    </message>
    <message>
        <source>Web camera</source>
        <translation>Webカメラ</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5秒</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10秒</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60秒</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>オート</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>太陽光</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>曇天</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>白熱灯</translation>
    </message>
    <message>
        <source>Fluorescent</source>
        <translation>蛍光灯</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>カスタム3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>ウィンドウでは変更できません。ファイルの値がそのまま保持されます</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>動画の画像サイズと、その最下位ビットで表される画角</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>1秒あたりのコマ数。60 fps と 50 fps は 1280x720 ワイドと 848x480 でのみ録画できます</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>タイムラプス</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>一定の間隔ごとに1コマを記録します。オフでは通常どおり録画します</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>タイムラプスのカスタム値</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>動画と一緒に音声を録音します</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>クリップの長さ</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>各動画ファイルの長さ。ループ録画では3分または5分を選べます</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>ループ録画</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>カードがいっぱいになると、最も古いクリップが上書きされます</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>画像の向き</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>逆さまに取り付けたカメラのために180°回転します</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>タイムスタンプ</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>日付と時刻を映像に写し込みます</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>画質が高いほど1秒あたりに記録するデータ量が増えます</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>ハイダイナミックレンジ</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>映像の明るい部分と暗い部分の差を抑えます</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>ファイル形式</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>動画を記録するファイルの種類</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>日付表示での年・月・日の順序</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>カメラの時計</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>保存時にカメラの時計をこのコンピューターの時刻に合わせるかどうか</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>起動時のモード</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>電源を入れた後のカメラのモード</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>写真サイズ</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>各写真のサイズ</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>一定の間隔ごとに写真を1枚撮影します。オフでは1枚ずつ撮影します</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>日付と時刻を写真に写し込みます</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>電源オン遅延</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>電源が入ってからカメラが待機する時間</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>使用しない状態がこの時間続くと電源を切ります</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>外部電源で録画</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>外部電源が供給されるとすぐに録画を開始します</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>電源ボタンで録画</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>電源ボタンでカメラの電源を入れると録画を開始します</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>外部電源切断時にオフ</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>外部電源が切断されると電源を切ります</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>録画ランプ</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>カメラが録画中であることを示すランプ</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>USB充電</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>コンピューターの USB ポートから充電します</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>レンズ</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>カメラに取り付けたレンズ。映像はそのレンズに合わせて補正されます</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>電源周波数</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>人工照明下でのフリッカーを抑えるための商用電源の周波数</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>USBモード</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>コンピューターに接続したときのカメラの動作</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Webカメラの向き</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>逆さまに取り付けたWebカメラのために180°回転します</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>テレビ方式</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>ビデオ出力のテレビ方式</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>テレビのアスペクト比</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>テレビに映る画面の縦横比</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>カードのフォーマット</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>カメラがカードをフォーマットするときのファイルシステム。ファームウェア 2.18 以降</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>動体検知</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>何かが動くと録画します</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>動体検知タイムアウト</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>動きが止まってからこの時間が経つと録画を停止します</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>動体検知の感度</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>どれくらい小さな動きで録画を開始するか</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>ホワイトバランス</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>光源に合わせた色補正。カスタム1～3はそれぞれ独自のゲインを使います</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>カラーエフェクト</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>カラー、白黒、セピアのいずれかで撮影します</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>右ほど明るく、左ほど暗くなります</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>右ほどコントラストが強くなります</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>右ほど色が濃くなります</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>シャープネス</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>右ほど輪郭がシャープになります</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>赤ゲイン</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>緑ゲイン</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>青ゲイン</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>このカスタムホワイトバランスの赤ゲイン (100～999)</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>このカスタムホワイトバランスの緑ゲイン (100～999)</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>このカスタムホワイトバランスの青ゲイン (100～999)</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>カメラに外部電源が供給されたとき、電源ボタンで電源が入ったとき、またはその両方で録画を開始します</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>画角</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>ワイドまたはナローの画像</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 (kavelo-config: %2)</source>
        <translation>%1（kavelo-config: %2）</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a caption before its control</comment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>no camera identifiers, so no camera&apos;s configuration file</source>
        <translation>カメラの識別情報がないため、カメラの設定ファイルではありません</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 を読み込みました</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>読み込めませんでした: %1: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> 保存先は引き続き %1 です。</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>保存できませんでした: %1: %2。ファイルは元のままです</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>カードがいっぱいです</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>ファイルがこのシステムで扱えるサイズを超えます</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>カードが書き込み禁止になっています</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>このファイルへの書き込み権限がありません</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>カードが取り外されたか、アクセスできません</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>ファイルに書き込めませんでした</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1: %2は%3では録画できません</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1: %4がオンのため、%2を%3に下げました。保存すると書き込まれます</translation>
    </message>
    <message>
        <source>. </source>
        <translation>。</translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>保存できませんでした: %1 は別のプログラムが使用中です。しばらくしてからもう一度お試しください</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>保存できませんでした: %1 があるカードが応答しません。現在の内容は不明です。カードを抜いて差し直してから、保存してください</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>保存できませんでした: %1 は現在、別のカメラのファイルです（%2）。この設定はウィンドウに残ります</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>カメラの識別情報なし</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%2%1 が別のプログラムによって変更されました。</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>カード上の </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%2%1 が別のプログラムによって削除されました。</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>カードから </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>カード %1 が取り外されました: カードが戻るまで %2 に保存できません</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>カード %1 が戻りました: 再び %2 に保存できます</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>クリップの長さ</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>ループ録画</translation>
    </message>
</context>
</TS>
