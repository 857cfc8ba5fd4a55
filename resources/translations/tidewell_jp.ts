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
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>ポルトガル語(BR)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
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
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>重複した曲を削除してもよろしいですか?
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
    <name>QObject</name>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Tidewell %1</source>
        <translation>Tidewell %1</translation>
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
