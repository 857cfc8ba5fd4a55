<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>音楽データベース提供: ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>サポート:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>ホームページ:</translation>
    </message>
</context>
<context>
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>認識されなかった曲</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>アートワークのない曲</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>アーティスト情報のない曲</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>アルバム情報のない曲</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>元ファイルのない曲</translation>
    </message>
    <message>
        <source>Song title</source>
        <translation>曲名</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>おめでとうございます。音楽ライブラリは 100% きれいになりました！</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>バグ報告</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>お名前:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>ここに問題を説明してください。</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>メールアドレスが無効です。正しいアドレスを入力してください。</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>レポートには、プログラムのログ、設定、および iTunes ライブラリファイル全体が含まれます。</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メールアドレス</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>バグレポート</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>このファイルをメールに添付して %1 へ送信してください:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>レポートのファイルをまとめられませんでした。説明だけを送信しますか？</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>バグ報告を送信しました。ありがとうございました。</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>バグ報告を送信できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>プログラムの終了前に送信できなかったバグ報告が %n 件あります。このフォルダーに保存されています。そのファイルをメールに添付して %1 へ送信してください:
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCountTexts</name>
    <message>
        <source>%1, %2</source>
        <comment>two clauses of one sentence</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences of one message</comment>
        <translation>%1%2</translation>
    </message>
    <message numerus="yes">
        <source>Scanned %n song(s)</source>
        <translation>
            <numerusform>%n 曲をスキャン</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>アートワークのない曲: %n 曲。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>アートワークのない曲を %n 曲修正しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>未修正: %n 曲。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>アーティスト情報のない曲: %n 曲。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>アーティスト情報のない曲を %n 曲修正しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>アルバム情報のない曲: %n 曲。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>アルバム情報のない曲を %n 曲修正しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n 曲に書き込めません。ファイルがあるか確認してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>書き込めない %n 曲は未修正です。ファイルがあるか確認してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>%n 件の問題を修正しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>認識されていない曲: %n 曲。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>%n 曲</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n 件の問題を修正しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>未修正の問題: %n 件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>重複 %n 件を検出しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>%n 件の重複を削除しました。迷った場合は削除を元に戻せます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>重複 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>Tidewell は %2後に、%1を過ぎた
重複削除の履歴を消去します。</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>見つからない %n 曲をライブラリから削除しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>メールプログラムを開けませんでした。次の宛先へメールしてください:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>Web ブラウザーを開けませんでした。次のページを開いてください:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>ファイルマネージャーを開けませんでした。フォルダーの場所:
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>曲名</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    ファイルを削除</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>すべてのファイルを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>曲の復元に失敗しました</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>削除を元に戻せませんでした。Zavro_Recycle Bin に
削除の履歴がありません。</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>曲を元に戻せませんでした。ごみ箱フォルダーに残っています:
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>曲の項目をライブラリに戻せませんでした。ファイルは元の場所にあり、別の項目を通じてライブラリに残っています:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>削除を作業用データベースに保存できませんでした:
%1
削除したコピーはごみ箱フォルダーにあります。［削除］で保存できます。</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>削除に失敗しました</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
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
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>重複を探すスキャン方法を
1 つ選んでください。</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>クイックスキャン</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>詳細スキャン</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>音響指紋で重複を判定するには
時間がかかる場合があります。
しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>曲名</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>一致度: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   削除履歴を表示</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    名前</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>iTunes をスキャン</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>ファイルとフォルダーを開く</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>音楽ファイル(%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>CFailedTreeWidget</name>
    <message>
        <source>Check All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>選択項目をチェック</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>選択項目のチェックを外す</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>フォルダーに表示</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>修正:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>アートワークのない曲</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>アーティスト情報のない曲</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>アルバム情報のない曲</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>元ファイルのない曲</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>曲の元のメタデータを置き換える</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>曲名</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     曲の元のメタデータをサーバーの新しい情報で置き換えます。
     誤ったメタデータを修正できますが、独自に編集した
     情報も上書きされます。</translation>
    </message>
</context>
<context>
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>重複削除の履歴を自動的に消去する期間:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>再生に失敗しました！</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>音楽リストのスコア: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>ライブラリをスキャン中: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>再修正</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>今すぐ</translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>結果を適用</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation>するか、</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation>して次回に続けることができます。</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   一時停止</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   すべて修正</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>  再試行</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>   スキャン</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>   削除</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  ホーム</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>ようこそ！</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>Tidewell があれば、音楽ライブラリの整理はこれだけで十分です！</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>ライブラリの音楽</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>使用許諾契約</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>バグ報告</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>Tidewell が重複した曲の整理をお手伝いします！</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>ファイルやフォルダーをドロップまたは追加して、重複を探します。</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>   続行</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>一時停止中です。続けて音楽の世界を楽しみませんか？</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>読み込み中です。お待ちください...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>ライブラリを分析中: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>一時停止中です。</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>アートワークのない曲を修正中: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>アルバム情報のない曲を修正中: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>アーティスト情報のない曲を修正中: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>認識されなかった曲を修正中: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>修正を続けています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>一時停止中です。続けて新しいライブラリを体験しませんか？</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>結果を適用しています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>重複した曲を削除しています。お待ちください...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>結果の適用を続けています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>うわっ、ライブラリがごちゃごちゃです。今すぐ整理を始めましょう。</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>なんて散らかったライブラリでしょう。整理をお手伝いしましょうか？</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>おっと、音楽ライブラリが大混乱！今すぐ整理しましょう。</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>悪くありませんが不完全です。すべて修正して完璧にしませんか？</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>そろそろ整理したほうがよさそうです。お手伝いしましょうか？</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>一息ついて、大切な曲の手入れをしましょう。曲が待っています。</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>いいライブラリですね。すべて修正すればもっと魅力的になります。</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>なんて気配りが行き届いているのでしょう。早く聴きたくてたまりません。</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>信じられない！  すばらしい結果です。記録を更新しませんか？</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>ほぼ完璧です。ワンクリックできれいに整います。さあどうぞ！</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>不完全な曲はわずかです。ワンクリックで修復できます。</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>すばらしい。でも、もっと良くする魔法があります。試してみませんか？</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>おめでとう！ライブラリがきれいになりました。結果を適用できます。</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>さあリラックスして、すてきな音楽の宴を始めましょう。</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>お見事！ほとんどのコンピューターを上回りました。音楽をお楽しみください。</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>結果を適用しました。</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>結果を適用しました。もう一度修正を試せます。</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>おめでとうございます。音楽ライブラリは 100% きれいになりました！</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>はは、PC に重複はありません。満足ですか？</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>おや！今日はお休みです。重複は見つかりませんでした。</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>すべてをダブルチェックしました。問題ありません。</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>信じられないかもしれませんが、PC に重複はありません。</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>わあ。誰かが先回りして片付けてくれたみたいです。</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>信じられない！認識できない曲も重複もありません！</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>はは、何も見つかりません。私と「かくれんぼ」をしているのですね。</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>iTunes に曲が見つかりません。確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>音楽ファイルが見つかりません。戻ってもう一度お試しください。</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>プロジェクト ファイルが無効です。戻ってもう一度お試しください。</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>おめでとうございます！重複は正常に削除されました。</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>一部の重複を移動できませんでした。［削除］で再試行できます。</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>重複が見つかりました。削除してライブラリをきれいに保ちましょう。</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>重複の整理を今すぐお手伝いしましょうか？</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>重複が見つかりました。整理してライブラリをきれいにしませんか？</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>重複が見つかりました。「削除」をクリックすると簡単に整理できます。</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>結果を保存</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>プロジェクトを保存できませんでした。別のフォルダーを選んでもう一度お試しください。</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>ライブラリ XML を選択</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>iTunes を整理</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>Tidewell が重複した曲を整理しています。</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>音楽ライブラリのスキャンを続けています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>新しい結果を適用しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>iTunes ライブラリファイルを読み込めませんでした。
有効な iTunes ライブラリファイルであることを確認して、
「再試行」をクリックしてください。</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>音楽をスキャンしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>レポートを準備しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>信じられない、音楽ファイルが見つかりません！もう一度試しますか？</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>はは、何も見つかりません。私と「かくれんぼ」をしているのですね。</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>おめでとうございます。音楽ライブラリの整理が完了しました！</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>失敗した曲のリストを処理しています。お待ちください...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>曲のメタデータを置き換えて
結果を適用しますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home?</source>
        <translation>ホームに戻りますか？</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>ホームに戻りますか？戻ると、スキャン結果は保存されません。</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>今回は修正できた曲がありません。曲を自分で編集するか、もう一度修正をお試しください。</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>追加したフォルダーとファイルに音楽ファイルが見つかりません。別のものを追加して、もう一度お試しください。</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 ほか%n曲</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>認識サービスに接続できませんでした。インターネット接続を確認して、もう一度修正してください。</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>今回は一部の曲を修正できませんでした。自分で編集するか、もう一度修正してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>%n 件の重複をごみ箱フォルダーに移動できませんでした:
%1
［削除］をクリックすると再試行できます。</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>スキャンするものがまだありません。音楽ファイルやフォルダーを追加するか、ここにドロップしてから［スキャン］をクリックしてください。</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>%n 件の重複を移動できませんでした。［削除］で再試行できます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>%n 曲を書き込めませんでした: %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n 曲はファイルに書き込まれましたが、ライブラリファイルを保存できませんでした: %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>ファイルが見つからない %n 曲をライブラリから削除できませんでした: %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>作業用データベースを保存できませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>重複した曲を削除してもよろしいですか？
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>今後表示しない。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>元のタグ</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>新しいタグ</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>曲名:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>曲名を空にすることはできません。</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>申し訳ありません。ドラッグしたファイルは有効な
画像ファイルではありません。</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>申し訳ありません。この曲の変更を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>プロキシの種類:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>プロキシ ホスト:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>プロキシ ポート:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Http</source>
        <translation>HTTP</translation>
    </message>
</context>
<context>
    <name>COption</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
</context>
<context>
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>%1 はすでに起動しています。開いているウィンドウをお使いください。</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>iTunes を整理</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>音楽ファイルを開く</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>保存した結果を開く</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>重複を整理</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>前回の修正作業が予期せず中断
されました。続行しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Library.xml を開く</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>ファイルとフォルダーを開く</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>音楽ファイル(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>結果ファイルを開く</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>ライブラリ XML を選択</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>ごみ箱フォルダー</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>Tidewell は曲をごみ箱フォルダーへ移動中、またはそこから戻す途中で終了しました。移動したコピーはそこに残っています:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>スキップ解除</translation>
    </message>
</context>
<context>
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>%1 の新しいバージョンが見つかりました！ 
現在のバージョン: %2
新しいバージョン: %3

製品をアップデートしますか？</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>最新バージョンを使用しています。</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>製品情報が見つかりませんでした。</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>サーバーに接続できませんでした。 
プロキシの設定を確認してください。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>サーバーに接続できませんでした。
ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>%1 の新しいバージョンが見つかりました！ 
現在のバージョン: %2
新しいバージョン: %3

アップデート サーバーからダウンロード用の Web アドレスが届きませんでした。</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>アップデート サーバーからアップデート情報が送られてきませんでした (HTTP ステータス %1)。</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>アップデート サーバーの応答をアップデート情報として読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>アップデートを自動的に確認する。</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>毎日確認する</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>毎週確認する</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>毎月確認する</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>確認の間隔(日数、1以上)</translation>
    </message>
</context>
<context>
    <name>CWarnMessage</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>files (*.zavrodata)</source>
        <translation>プロジェクトファイル (*.zavrodata)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Bug sending failed. Would you like to send the bug via email manually?</source>
        <translation>バグ報告を送信できませんでした。メールで手動送信しますか？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1不明</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>%1.%2.%3 (Build %4)</source>
        <translation>%1.%2.%3 (ビルド %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
</context>
</TS>
