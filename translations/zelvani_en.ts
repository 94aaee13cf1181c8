<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Application</name>
    <message>
        <source>不明なエラー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>現在のゲームを終了しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>破棄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動プレイを使ったゲームは、積算成績とハイスコアに数えません。自動プレイにしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動プレイ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム中ですが終了してよろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の勝ち</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>流局です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨てるカードを１枚選んでください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「おてつき」です。
１回休みとなりますがよろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スペード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Claims</name>
    <message>
        <source>ポンします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>チーします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2をポンします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2をチーします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：ポンします（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：チーします（%2）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>使い方: zelvani [オプション]
ゼルヴァニ — 一人と三人のコンピュータで遊ぶ、ラミー風のカードゲーム。

オプション:
  -h, --help     このヘルプを表示して終了します。
  -v, --version  バージョンを表示して終了します。

Qt のオプション（-platform、-style など）は Qt に渡されます。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>詳しくは zelvani --help を実行してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明なオプション %1 です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余分な引数 %1 です。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>画像ファイル (%1)|%2|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)|*.bmp|全てのファイル (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ウェイブ (*.wav)|*.wav</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandAccessible</name>
    <message>
        <source>裏向きのカード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1、選択中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手札</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>ヒント：捨て札の%1をチーするとよいでしょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント：山から引くとよいでしょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント：%1を捨てるとよいでしょう（おてつきになります）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント：%1を捨てるとよいでしょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント：%1で役を作れます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント：%1を%2の役に付けられます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動プレイ中はヒントを出しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒントは自分の番にだけ出せます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HumanSeatWindow</name>
    <message>
        <source>あなた</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zelvani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>場</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メニュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整列(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カードを開く(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>場の中のみ(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反時計周り(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時計周り(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上から下(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役の並びを保つ(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション設定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハイスコア(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>積算成績(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常の状態(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて開く(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイヤー(&amp;0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右ｺﾝﾋﾟｭｰﾀ(&amp;1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上ｺﾝﾋﾟｭｰﾀ(2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左ｺﾝﾋﾟｭｰﾀ(&amp;3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動プレイ(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録を読み上げる(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeldWindow</name>
    <message>
        <source>役（新規）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Melds</name>
    <message>
        <source>ポン・チーしたカードでは新規の役を作ってください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後の１枚は役にできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポンをした時は同じ数字３枚で役を作ってください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポン・チーをした時は「７」の役は作れません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--７--</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シークエンス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同位札</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役（新規）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveLog</name>
    <message>
        <source>自動プレイを始めました。%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動プレイを終えました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいゲームを始めました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1回戦を配りました。親は%2です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：山から引きました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>山がなくなったので、捨て札を切り直して山にしました（%1回目）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2をチーしました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2をポンしました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2で役を作りました（%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2を%3の役に付けました（%4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2を捨てました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：おてつきです。%2を捨て札に戻し、次の番を1回休みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：おてつきのため、この番は休みです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1回戦の終わり：流局です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1回戦の終わり：%2の勝ちです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：残りの手札は%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2点（%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームを破棄しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム終了：総合優勝は%1です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動プレイを使ったゲームは、積算成績とハイスコアに数えません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveLogWindow</name>
    <message>
        <source>%1が来ました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ルール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム開始時の得点 ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>勝者にプラス点を与える</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最下位の人が０点以下になったら終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回戦までで終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回、山がなくなったら流局</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>親の決定方法 ： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>順番に</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>麻雀風</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>勝った人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公式ルール１</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公式ルール２</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイヤー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポンの待ち時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>思考時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景のファイルを選ぶ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カード ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カードのファイルを選ぶ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果音 ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カードの取得･選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カードの取得･選択の効果音を選ぶ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カードを捨てるとき</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カードを捨てるときの効果音を選ぶ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役を出すとき</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役を出すときの効果音を選ぶ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示倍率 ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>125%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次回の起動から有効になります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テーブル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コンピュータのポン・チーを確認なしで知らせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状態表示と記録に書き、取ったカードに印を付けます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テーブルの見た目 ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テーブルの見た目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フェルト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイヤー%1の強さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイヤー%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は開けません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果音</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>画像ファイル %1 は開けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー：Zelvani</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PilesWindow</name>
    <message>
        <source>山／捨て札</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>山</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>山：なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札：%1（ポンできます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札：なし（ポンできます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札：なし</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointsChart</name>
    <message>
        <source>開始点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ得点はありません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>SetGame でエラーが発生しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ゲーム]-[開始]ではじめてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の番です（自動プレイ中）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の番です。山から1枚引いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一枚捨てるか役を作ってください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイマーでエラーが発生しました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>今は山から引けません：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今は捨て札を取れません：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今はカードを選べません：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今は捨てられません：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今は役を出せません：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捨て札がないので取れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームが始まっていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先に山か捨て札から1枚取ってください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この番はもう1枚取りました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の番です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の番です（ポンは捨て札が出た直後だけです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役にするカードを選んでください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「７」に付けられるのは、続きになる同じマークのカードか、ほかの７です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このシークエンスの続きにならないので、付けられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この同位札と同じ数字ではないので、付けられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1枚で役になるのは「７」だけです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>役には同じ数字か同じマークの続きが3枚要ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ数字でも同じマークの続きでもないので、役になりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポン・チーしたカードは選んだままです。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreSheetWindow</name>
    <message>
        <source>得点状況</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフ(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 %3点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>%1：%2点
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このゲームの結果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次のゲームを始めますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総合成績</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総合優勝は
%1でした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総合優勝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を入力してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1位：	%2点	%3   %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1位：	%2点	%3   (%4)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このルールではハイスコアは記録しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ごめんね</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハイスコア（ルール%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ： %2 点
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>トータルスコア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点の推移のグラフ：開始点%1点、まだ終わった回戦はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点の推移のグラフ：開始点%1点、第1回戦。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点の推移のグラフ：開始点%1点、第1回戦から第%2回戦まで。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：最後%2点（最高%3点、最低%4点）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各回の得点は表で読めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1回戦：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点状況</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeatWindow</name>
    <message>
        <source>手札</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>席のメニュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>得点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景なし(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景：%1(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>あなた</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テルル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タンタル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セレン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前の変更</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsSession</name>
    <message>
        <source>予期しないエラーが起きました。設定と成績を保存して終了します。

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Zelvani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver 1.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>設定と成績を保存できませんでした。

保存先：%1
理由：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定と成績を保存できませんでした。

保存先：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定と成績を保存できませんでした。
理由：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定と成績を保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセスが許可されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存先のフォルダーの途中にファイルがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルの場所にフォルダーがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの空きが足りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み取り専用の場所です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前が長すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存先のフォルダーがありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>控えのファイルが多すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前の設定の控えを作れませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを書き込めませんでした（エラー番号 %1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを書き込めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>%1   [%2点]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
