<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Desktop</name>
    <message>
        <source>velmora: 画面が見つかりません。デスクトップのセッションから起動してください。
velmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY leads to one); start the game from a desktop session.</source>
        <translation>velmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY leads to one); start the game from a desktop session.</translation>
    </message>
</context>
<context>
    <name>Endings</name>
    <message>
        <source>&lt;&lt;吸血鬼狩りの夜&gt;&gt;</source>
        <translation>&lt;&lt;Night of the Vampire Hunt&gt;&gt;</translation>
    </message>
    <message>
        <source>ああ、あんなにもたいまつが燃えている。</source>
        <translation>Ah, so many torches burning.</translation>
    </message>
    <message>
        <source>私の手元に残っているのは憎しみだけ</source>
        <translation>All that is left to me is hatred,</translation>
    </message>
    <message>
        <source>君も私を憎んでいる。</source>
        <translation>and you hate me too.</translation>
    </message>
    <message>
        <source>&lt;&lt;憎しみの片割れ&gt;&gt;</source>
        <translation>&lt;&lt;The Other Half of Hatred&gt;&gt;</translation>
    </message>
    <message>
        <source>ただ時はサラサラと流れ<byte value="xd"/>
永遠にさまよう私たちに実体はあるのかないのか。</source>
        <translation>Time only trickles on like sand,
and we who wander for ever: is there anything to us at all?</translation>
    </message>
    <message>
        <source>ただ彼女は私を憎み吸血鬼になった。</source>
        <translation>She simply hated me, and became a vampire.</translation>
    </message>
    <message>
        <source>&lt;&lt;青の夜&gt;&gt;</source>
        <translation>&lt;&lt;The Blue Night&gt;&gt;</translation>
    </message>
    <message>
        <source>青い夜の晩は翼を広げて空に行こう</source>
        <translation>On a blue night, let us spread our wings and take to the sky;</translation>
    </message>
    <message>
        <source>孤独な時の旅も貴方となら悪くない。</source>
        <translation>even the lonely journey through time is not so bad, with you.</translation>
    </message>
    <message>
        <source>吸血鬼になった彼女は私を憎まなかった。</source>
        <translation>She became a vampire, and she did not hate me.</translation>
    </message>
    <message>
        <source>私は愛を手に入れた。</source>
        <translation>Love was mine.</translation>
    </message>
    <message>
        <source>&lt;&lt;半妖の君&gt;&gt;</source>
        <translation>&lt;&lt;You, Half-Turned&gt;&gt;</translation>
    </message>
    <message>
        <source>死の痛みよりも君の痛みが先立ち<byte value="xd"/>
軋む。</source>
        <translation>Your pain comes before the pain of death,
and grinds in me.</translation>
    </message>
    <message>
        <source>君を残していくことの罪悪。</source>
        <translation>The sin of leaving you behind.</translation>
    </message>
    <message>
        <source>もう人ではない君<byte value="xd"/>
吸血鬼でもない君、</source>
        <translation>You, who are human no more,
you, who are no vampire either,</translation>
    </message>
    <message>
        <source>半妖の君。</source>
        <translation>you, half-turned.</translation>
    </message>
    <message>
        <source>&lt;&lt;永久の幕&gt;&gt;</source>
        <translation>&lt;&lt;The Curtain on Eternity&gt;&gt;</translation>
    </message>
    <message>
        <source>永遠の時の生涯に幕を下ろそう、<byte value="xd"/>
君に殺されるのならそれでもいい。</source>
        <translation>Let the curtain fall on a life without end;
if it is you who kills me, so be it.</translation>
    </message>
</context>
<context>
    <name>Fom</name>
    <message>
        <source>%1 キー</source>
        <extracomment>The key that holds an action button down: 1, 2 or 3.</extracomment>
        <translation>Key %1</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>velmora: no installed font can draw %1 of the %2 characters of the game&apos;s Japanese texts (%3%4), so they will show as empty boxes; install the Debian package fonts-ipafont-gothic (IPA P Gothic)</source>
        <translation>velmora: no installed font can draw %1 of the %2 characters of the game&apos;s texts (%3%4), so they will show as empty boxes; install the Debian package fonts-ipafont-gothic (IPA P Gothic)</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>軽い</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>重い</source>
        <translation>Heavy</translation>
    </message>
    <message>
        <source>難易度</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>危険度</source>
        <translation>Danger</translation>
    </message>
    <message>
        <source>吸血鬼度</source>
        <translation>Vampirism</translation>
    </message>
    <message>
        <source>通常態度</source>
        <translation>Behave</translation>
    </message>
    <message>
        <source>愛の言葉</source>
        <translation>Whisper</translation>
    </message>
    <message>
        <source>吸血</source>
        <translation>Bite</translation>
    </message>
    <message>
        <source>日</source>
        <translation>d</translation>
    </message>
    <message>
        <source>&#x3000;画面をクリックするとスタートに戻るよ&#x3000;｛Velmora…｝Ver.%1</source>
        <extracomment>The footer; %1 is the game&apos;s version.</extracomment>
        <translation>Click the picture to return to the start.  {Velmora…} Ver.%1</translation>
    </message>
    <message>
        <source>タイトル画面：クリックでスタート</source>
        <translation>The title: click to begin</translation>
    </message>
    <message>
        <source>彼女の姿：クリックでスタートに戻る</source>
        <translation>The maiden: click to return to the start</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>画像を読み込めません: %1
理由: %2</source>
        <translation>Cannot load the picture: %1
Reason: %2</translation>
    </message>
    <message>
        <source>ビットマップのヘッダーが壊れています（情報ヘッダーの長さ %1）</source>
        <translation>The bitmap&apos;s header is damaged (information header length %1)</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています（ヘッダーが不完全です）</source>
        <translation>The file is cut short (its header is incomplete)</translation>
    </message>
    <message>
        <source>ビットマップのヘッダーが壊れています（大きさ %1 × %2）</source>
        <translation>The bitmap&apos;s header is damaged (size %1 × %2)</translation>
    </message>
    <message>
        <source>画像が大きすぎます（ヘッダーでは %1 × %2 ピクセル）</source>
        <translation>The picture is too large (%1 × %2 pixels, by its header)</translation>
    </message>
    <message>
        <source>ビットマップのヘッダーが壊れています（色深度 %1 ビット）</source>
        <translation>The bitmap&apos;s header is damaged (colour depth %1 bits)</translation>
    </message>
    <message>
        <source>対応していない圧縮形式のビットマップです（方式 %1）</source>
        <translation>The bitmap is compressed in a way the game cannot read (method %1)</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています（ヘッダーでは %1 バイト、実際は %2 バイト）</source>
        <translation>The file is cut short (%1 bytes by its header, %2 bytes in fact)</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています（画素データがありません）</source>
        <translation>The file is cut short (it holds no pixels)</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています（画素データに %1 バイト必要で、%2 バイトしかありません）</source>
        <translation>The file is cut short (its pixels need %1 bytes, and only %2 are there)</translation>
    </message>
    <message>
        <source>フルパスではありません</source>
        <translation>This is not a full path</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>The file cannot be found</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>This is a folder, not a file</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>This is not a regular file</translation>
    </message>
    <message>
        <source>読み取りの権限がありません</source>
        <translation>There is no permission to read it</translation>
    </message>
    <message>
        <source>ファイルを開けません（%1）</source>
        <translation>The file cannot be opened (%1)</translation>
    </message>
    <message>
        <source>ファイルが空です</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>読み取りに失敗しました（%1）</source>
        <translation>Reading the file failed (%1)</translation>
    </message>
    <message>
        <source>ビットマップ（BMP）ファイルではありません</source>
        <translation>This is not a bitmap (BMP) file</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 バイト）</source>
        <translation>The file is too large (%1 bytes)</translation>
    </message>
    <message>
        <source>ビットマップが壊れています（%1）</source>
        <translation>The bitmap is damaged (%1)</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>夢見心地：紫の月の下でまどろみ、首すじを無防備にさらしている</source>
        <translation>Dreamy: drowsing under a violet moon, the nape of her neck bare and unguarded</translation>
    </message>
    <message>
        <source>打ち解けている：ろうそくの灯りの中で手を組み、こちらに微笑みかけている</source>
        <translation>At ease: her hands folded in the candlelight, she smiles at you</translation>
    </message>
    <message>
        <source>警戒している：冷たい緑の光の中で身を引き、襟元に手をやって横目でうかがっている</source>
        <translation>Wary: drawn back in a cold green light, a hand at her collar, she watches you sidelong</translation>
    </message>
    <message>
        <source>吸血への反応：マントに包まれても夢の中でほとんど身じろぎしない。首に小さな二つの痕</source>
        <translation>Her answer to the bite: wrapped in the cloak, she barely stirs in her dream. Two small marks on her neck</translation>
    </message>
    <message>
        <source>愛の言葉への反応：言葉は夢の中に届き、ハートに囲まれて眠ったまま微笑む</source>
        <translation>Her answer to the words of love: they reach her in her dream, and she smiles in her sleep, ringed with hearts</translation>
    </message>
    <message>
        <source>通常態度への反応：そばに紅茶が置かれ、少し目を開けてまたまどろむ</source>
        <translation>Her answer to your good manners: tea is set beside her; she half opens her eyes, and drowses again</translation>
    </message>
    <message>
        <source>吸血への反応：痛みに驚き、ろうそくの灯りが赤く染まる</source>
        <translation>Her answer to the bite: startled by the pain; the candlelight turns red</translation>
    </message>
    <message>
        <source>愛の言葉への反応：言葉が届き、頬を染めて喜ぶ。ハートと薔薇</source>
        <translation>Her answer to the words of love: they reach her, and she blushes with joy. Hearts and roses</translation>
    </message>
    <message>
        <source>通常態度への反応：ろうそくのそばで紅茶を前に、くつろいで耳を傾ける</source>
        <translation>Her answer to your good manners: by the candle, over tea, she listens at her ease</translation>
    </message>
    <message>
        <source>吸血への反応：気づいて身を引き、悲鳴を上げる。部屋が赤い光に満ちる</source>
        <translation>Her answer to the bite: she sees it coming, pulls away and screams. The room fills with red light</translation>
    </message>
    <message>
        <source>愛の言葉への反応：ひとことも信じず、ハートが砕ける</source>
        <translation>Her answer to the words of love: she believes not a word, and the heart breaks</translation>
    </message>
    <message>
        <source>通常態度への反応：礼儀正しさに安心し、紅茶を前に眉がゆるむ</source>
        <translation>Her answer to your good manners: your courtesy reassures her; over tea, her brow softens</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <extracomment>Her mood (%1), then her reaction (%2).</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>QtMessageBox</name>
    <message>
        <source>Velmora…</source>
        <translation>Velmora…</translation>
    </message>
</context>
</TS>
