<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Application</name>
    <message>
        <source>不明なエラー</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>現在のゲームを終了しますか？</source>
        <translation>Abandon the current game?</translation>
    </message>
    <message>
        <source>破棄</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>自動プレイを使ったゲームは、積算成績とハイスコアに数えません。自動プレイにしますか？</source>
        <translation>Games in which Auto Play is used count neither in the running totals nor in the high scores. Switch on Auto Play?</translation>
    </message>
    <message>
        <source>自動プレイ</source>
        <translation>Auto Play</translation>
    </message>
    <message>
        <source>ゲーム中ですが終了してよろしいですか？</source>
        <translation>A game is in progress. Exit anyway?</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1の勝ち</source>
        <translation>Winner: %1</translation>
    </message>
    <message>
        <source>流局です</source>
        <translation>Drawn round.</translation>
    </message>
    <message>
        <source>ゲーム終了</source>
        <translation>Round Over</translation>
    </message>
    <message>
        <source>捨てるカードを１枚選んでください。</source>
        <translation>Select one card to discard.</translation>
    </message>
    <message>
        <source>捨て札</source>
        <translation>Discard Pile</translation>
    </message>
    <message>
        <source>「おてつき」です。
１回休みとなりますがよろしいですか？</source>
        <translation>That is a false claim.
You will miss your next turn. Is that all right?</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>A</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>J</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Queen</translation>
    </message>
    <message>
        <source>K</source>
        <translation>King</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Claims</name>
    <message>
        <source>ポンします</source>
        <translation>Pon!</translation>
    </message>
    <message>
        <source>チーします</source>
        <translation>Chii!</translation>
    </message>
    <message>
        <source>%1：%2をポンします</source>
        <translation>%1: claims %2 by pon</translation>
    </message>
    <message>
        <source>%1：%2をチーします</source>
        <translation>%1: claims %2 by chii</translation>
    </message>
    <message>
        <source>%1：ポンします（%2）</source>
        <translation>%1: Pon! (%2)</translation>
    </message>
    <message>
        <source>%1：チーします（%2）</source>
        <translation>%1: Chii! (%2)</translation>
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
        <translation>Usage: zelvani [options]
Zelvani: a rummy-style card game for one player against three computer players.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt&apos;s own options (-platform, -style, ...) are passed on to Qt.
</translation>
    </message>
    <message>
        <source>詳しくは zelvani --help を実行してください。</source>
        <translation>Try &apos;zelvani --help&apos; for more information.</translation>
    </message>
    <message>
        <source>不明なオプション %1 です。</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>余分な引数 %1 です。</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>画像ファイル (%1)|%2|</source>
        <translation>Image files (%1)|%2|</translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)|*.bmp|全てのファイル (*.*)|*.*</source>
        <translation>Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>ウェイブ (*.wav)|*.wav</source>
        <translation>WAVE files (*.wav)|*.wav</translation>
    </message>
</context>
<context>
    <name>HandAccessible</name>
    <message>
        <source>裏向きのカード</source>
        <translation>Face-down card</translation>
    </message>
    <message>
        <source>%1、選択中</source>
        <translation>%1, selected</translation>
    </message>
    <message>
        <source>手札</source>
        <translation>Hand</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zelvani ヘルプ</source>
        <translation>Zelvani Help</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>The help file %1 was not found.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>ヒント：捨て札の%1をチーするとよいでしょう。</source>
        <translation>Hint: chii the %1 from the discard pile.</translation>
    </message>
    <message>
        <source>ヒント：山から引くとよいでしょう。</source>
        <translation>Hint: draw from the stock.</translation>
    </message>
    <message>
        <source>ヒント：%1を捨てるとよいでしょう（おてつきになります）。</source>
        <translation>Hint: discard the %1 (a false claim).</translation>
    </message>
    <message>
        <source>ヒント：%1を捨てるとよいでしょう。</source>
        <translation>Hint: discard the %1.</translation>
    </message>
    <message>
        <source>ヒント：%1で役を作れます。</source>
        <translation>Hint: you can meld %1.</translation>
    </message>
    <message>
        <source>ヒント：%1を%2の役に付けられます。</source>
        <translation>Hint: you can add %1 to the meld %2.</translation>
    </message>
    <message>
        <source>自動プレイ中はヒントを出しません。</source>
        <translation>No hints during Auto Play.</translation>
    </message>
    <message>
        <source>ヒントは自分の番にだけ出せます。</source>
        <translation>Hints are given only on your turn.</translation>
    </message>
</context>
<context>
    <name>HumanSeatWindow</name>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zelvani</source>
        <translation>Zelvani</translation>
    </message>
    <message>
        <source>場</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>整列(&amp;T)</source>
        <translation>Arrange (&amp;T)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>カードを開く(&amp;O)</source>
        <translation>Show &amp;Cards</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>開始(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation>Aban&amp;don</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>場の中のみ(&amp;I)</source>
        <translation>&amp;Table Only</translation>
    </message>
    <message>
        <source>反時計周り(&amp;L)</source>
        <translation>&amp;Counterclockwise</translation>
    </message>
    <message>
        <source>時計周り(&amp;R)</source>
        <translation>Clock&amp;wise</translation>
    </message>
    <message>
        <source>上から下(&amp;V)</source>
        <translation>Top to &amp;Bottom</translation>
    </message>
    <message>
        <source>役の並びを保つ(&amp;M)</source>
        <translation>&amp;Keep Meld Order</translation>
    </message>
    <message>
        <source>オプション設定(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>成績(&amp;S)</source>
        <translation>&amp;Score Sheet</translation>
    </message>
    <message>
        <source>ハイスコア(&amp;H)</source>
        <translation>&amp;High Scores</translation>
    </message>
    <message>
        <source>積算成績(&amp;T)</source>
        <translation>&amp;Total Score</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;E)</source>
        <translation>Sound &amp;Effects</translation>
    </message>
    <message>
        <source>通常の状態(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>すべて開く(&amp;A)</source>
        <translation>Show &amp;All</translation>
    </message>
    <message>
        <source>プレイヤー(&amp;0)</source>
        <translation>&amp;0 Player</translation>
    </message>
    <message>
        <source>右ｺﾝﾋﾟｭｰﾀ(&amp;1)</source>
        <translation>&amp;1 Right Computer</translation>
    </message>
    <message>
        <source>上ｺﾝﾋﾟｭｰﾀ(2)</source>
        <translation>2 Top Computer</translation>
    </message>
    <message>
        <source>左ｺﾝﾋﾟｭｰﾀ(&amp;3)</source>
        <translation>&amp;3 Left Computer</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>自動プレイ(&amp;A)</source>
        <translation>&amp;Auto Play</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>記録(&amp;K)</source>
        <translation>&amp;Move Log</translation>
    </message>
    <message>
        <source>記録を読み上げる(&amp;Y)</source>
        <translation>&amp;Read Move Log Aloud</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About Zelvani</translation>
    </message>
</context>
<context>
    <name>MeldWindow</name>
    <message>
        <source>役（新規）</source>
        <translation>New Meld</translation>
    </message>
</context>
<context>
    <name>Melds</name>
    <message>
        <source>ポン・チーしたカードでは新規の役を作ってください</source>
        <translation>Make a new meld with the card you claimed</translation>
    </message>
    <message>
        <source>最後の１枚は役にできません</source>
        <translation>You cannot meld your last card</translation>
    </message>
    <message>
        <source>ポンをした時は同じ数字３枚で役を作ってください</source>
        <translation>After a pon, make a meld of three cards of the same rank</translation>
    </message>
    <message>
        <source>ポン・チーをした時は「７」の役は作れません</source>
        <translation>You cannot make a &quot;7&quot; meld after a pon or chii</translation>
    </message>
    <message>
        <source>--７--</source>
        <translation>--7--</translation>
    </message>
    <message>
        <source>シークエンス</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>同位札</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>役（新規）</source>
        <translation>New Meld</translation>
    </message>
    <message>
        <source>役</source>
        <translation>Meld</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1(&amp;%2)</source>
        <translation>%1 (&amp;%2)</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>MoveLog</name>
    <message>
        <source>自動プレイを始めました。%1</source>
        <translation>Auto Play started. %1</translation>
    </message>
    <message>
        <source>自動プレイを終えました。</source>
        <translation>Auto Play stopped.</translation>
    </message>
    <message>
        <source>新しいゲームを始めました。</source>
        <translation>New game started.</translation>
    </message>
    <message>
        <source>第%1回戦を配りました。親は%2です。</source>
        <translation>Dealt round %1. Dealer: %2.</translation>
    </message>
    <message>
        <source>%1：山から引きました</source>
        <translation>%1: drew from the stock</translation>
    </message>
    <message>
        <source>山がなくなったので、捨て札を切り直して山にしました（%1回目）。</source>
        <translation>The stock ran out, so the discard pile was shuffled into a new stock (reshuffle %1).</translation>
    </message>
    <message>
        <source>%1：%2をチーしました</source>
        <translation>%1: claimed %2 by chii</translation>
    </message>
    <message>
        <source>%1：%2をポンしました</source>
        <translation>%1: claimed %2 by pon</translation>
    </message>
    <message>
        <source>%1：%2で役を作りました（%3）</source>
        <translation>%1: melded %2 (%3)</translation>
    </message>
    <message>
        <source>%1：%2を%3の役に付けました（%4）</source>
        <translation>%1: added %2 to %3 (%4)</translation>
    </message>
    <message>
        <source>%1：%2を捨てました</source>
        <translation>%1: discarded %2</translation>
    </message>
    <message>
        <source>%1：おてつきです。%2を捨て札に戻し、次の番を1回休みます</source>
        <translation>%1: false claim. %2 goes back onto the discard pile, and the next turn is missed</translation>
    </message>
    <message>
        <source>%1：おてつきのため、この番は休みです</source>
        <translation>%1: misses this turn for a false claim</translation>
    </message>
    <message>
        <source>第%1回戦の終わり：流局です</source>
        <translation>End of round %1: drawn round</translation>
    </message>
    <message>
        <source>第%1回戦の終わり：%2の勝ちです</source>
        <translation>End of round %1: winner %2</translation>
    </message>
    <message>
        <source>%1：残りの手札は%2</source>
        <translation>%1: cards left in hand: %2</translation>
    </message>
    <message>
        <source>%1 %2点（%3）</source>
        <translation>%1 %2 points (%3)</translation>
    </message>
    <message>
        <source>得点：%1</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>ゲームを破棄しました。</source>
        <translation>Game abandoned.</translation>
    </message>
    <message>
        <source>ゲーム終了：総合優勝は%1です。</source>
        <translation>Game over: the overall winner is %1.</translation>
    </message>
    <message>
        <source>自動プレイを使ったゲームは、積算成績とハイスコアに数えません。</source>
        <translation>Games in which Auto Play is used count neither in the running totals nor in the high scores.</translation>
    </message>
</context>
<context>
    <name>MoveLogWindow</name>
    <message>
        <source>%1が来ました</source>
        <translation>You drew %1</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Move Log</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ルール</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>ゲーム開始時の得点 ：</source>
        <translation>Starting points:</translation>
    </message>
    <message>
        <source>勝者にプラス点を与える</source>
        <translation>Give the winner plus points</translation>
    </message>
    <message>
        <source>最下位の人が０点以下になったら終了</source>
        <translation>End when the last player reaches 0 or less</translation>
    </message>
    <message>
        <source>回戦までで終了</source>
        <translation>rounds, then end</translation>
    </message>
    <message>
        <source>回、山がなくなったら流局</source>
        <translation>stock run-outs: drawn round</translation>
    </message>
    <message>
        <source>親の決定方法 ： </source>
        <translation>Choosing the dealer: </translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>順番に</source>
        <translation>In turn</translation>
    </message>
    <message>
        <source>麻雀風</source>
        <translation>Mahjong style</translation>
    </message>
    <message>
        <source>勝った人</source>
        <translation>Winner</translation>
    </message>
    <message>
        <source>公式ルール１</source>
        <translation>Official Rules 1</translation>
    </message>
    <message>
        <source>公式ルール２</source>
        <translation>Official Rules 2</translation>
    </message>
    <message>
        <source>プレイヤー</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>ポンの待ち時間</source>
        <translation>Pon wait</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>思考時間</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>背景のファイルを選ぶ</source>
        <translation>Choose a background file</translation>
    </message>
    <message>
        <source>使用ファイル</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>カード ：</source>
        <translation>Cards:</translation>
    </message>
    <message>
        <source>カードのファイルを選ぶ</source>
        <translation>Choose the card file</translation>
    </message>
    <message>
        <source>効果音 ：</source>
        <translation>Sounds:</translation>
    </message>
    <message>
        <source>カードの取得･選択</source>
        <translation>Taking or selecting</translation>
    </message>
    <message>
        <source>カードの取得･選択の効果音を選ぶ</source>
        <translation>Choose the sound for taking or selecting a card</translation>
    </message>
    <message>
        <source>カードを捨てるとき</source>
        <translation>Discarding a card</translation>
    </message>
    <message>
        <source>カードを捨てるときの効果音を選ぶ</source>
        <translation>Choose the sound for discarding a card</translation>
    </message>
    <message>
        <source>役を出すとき</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>役を出すときの効果音を選ぶ</source>
        <translation>Choose the sound for laying down a meld</translation>
    </message>
    <message>
        <source>表示倍率 ：</source>
        <translation>Display scale:</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>125%</source>
        <translation>125%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>次回の起動から有効になります</source>
        <translation>Takes effect the next time you start</translation>
    </message>
    <message>
        <source>テーブル</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>コンピュータのポン・チーを確認なしで知らせる</source>
        <translation>Announce computer pon and chii without asking</translation>
    </message>
    <message>
        <source>状態表示と記録に書き、取ったカードに印を付けます</source>
        <translation>Noted in the status line and the Move Log; the card is marked</translation>
    </message>
    <message>
        <source>テーブルの見た目 ：</source>
        <translation>Table look:</translation>
    </message>
    <message>
        <source>テーブルの見た目</source>
        <translation>Table look</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>フェルト</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>強い</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>プレイヤー%1の強さ</source>
        <translation>Strength of player %1</translation>
    </message>
    <message>
        <source>プレイヤー%1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>強さ</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>%1は開けません</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound Effects</translation>
    </message>
    <message>
        <source>言語 ：</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>画像ファイル %1 は開けません。</source>
        <translation>Cannot open the image file %1.</translation>
    </message>
    <message>
        <source>エラー：Zelvani</source>
        <translation>Error: Zelvani</translation>
    </message>
</context>
<context>
    <name>PilesWindow</name>
    <message>
        <source>山／捨て札</source>
        <translation>Stock / Discard Pile</translation>
    </message>
    <message>
        <source>山</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>捨て札</source>
        <translation>Discard pile</translation>
    </message>
    <message>
        <source>山：なし</source>
        <translation>Stock: empty</translation>
    </message>
    <message>
        <source>捨て札：%1（ポンできます）</source>
        <translation>Discard pile: %1 (you can pon it)</translation>
    </message>
    <message>
        <source>捨て札：なし（ポンできます）</source>
        <translation>Discard pile: empty (you can pon)</translation>
    </message>
    <message>
        <source>捨て札：%1</source>
        <translation>Discard pile: %1</translation>
    </message>
    <message>
        <source>捨て札：なし</source>
        <translation>Discard pile: empty</translation>
    </message>
</context>
<context>
    <name>PointsChart</name>
    <message>
        <source>開始点</source>
        <translation>Starting points</translation>
    </message>
    <message>
        <source>得点グラフ</source>
        <translation>Points graph</translation>
    </message>
    <message>
        <source>まだ得点はありません</source>
        <translation>No points yet</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>SetGame でエラーが発生しました。</source>
        <translation>An error occurred in SetGame.</translation>
    </message>
    <message>
        <source>[ゲーム]-[開始]ではじめてください。</source>
        <translation>Choose [Game] &gt; [Start] to begin.</translation>
    </message>
    <message>
        <source>%1の番です（自動プレイ中）</source>
        <translation>%1 to play (Auto Play)</translation>
    </message>
    <message>
        <source>%1の番です。山から1枚引いてください。</source>
        <translation>%1 to play. Draw a card from the stock.</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>一枚捨てるか役を作ってください。</source>
        <translation>Discard a card or make a meld.</translation>
    </message>
    <message>
        <source>タイマーでエラーが発生しました。</source>
        <translation>An error occurred in the timer.</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>今は山から引けません：%1</source>
        <translation>Cannot draw from the stock now: %1</translation>
    </message>
    <message>
        <source>今は捨て札を取れません：%1</source>
        <translation>Cannot take the discard now: %1</translation>
    </message>
    <message>
        <source>今はカードを選べません：%1</source>
        <translation>Cannot select a card now: %1</translation>
    </message>
    <message>
        <source>今は捨てられません：%1</source>
        <translation>Cannot discard now: %1</translation>
    </message>
    <message>
        <source>今は役を出せません：%1</source>
        <translation>Cannot lay down a meld now: %1</translation>
    </message>
    <message>
        <source>捨て札がないので取れません。</source>
        <translation>The discard pile is empty.</translation>
    </message>
    <message>
        <source>ゲームが始まっていません。</source>
        <translation>No round is being played.</translation>
    </message>
    <message>
        <source>先に山か捨て札から1枚取ってください。</source>
        <translation>First take a card from the stock or the discard pile.</translation>
    </message>
    <message>
        <source>この番はもう1枚取りました。</source>
        <translation>You have already taken a card this turn.</translation>
    </message>
    <message>
        <source>%1の番です。</source>
        <translation>It is %1&apos;s turn.</translation>
    </message>
    <message>
        <source>%1の番です（ポンは捨て札が出た直後だけです）。</source>
        <translation>It is %1&apos;s turn (you can pon only right after a discard).</translation>
    </message>
    <message>
        <source>役にするカードを選んでください。</source>
        <translation>Select the cards to meld.</translation>
    </message>
    <message>
        <source>「７」に付けられるのは、続きになる同じマークのカードか、ほかの７です。</source>
        <translation>To a &quot;7&quot; you can add only cards of its suit that continue it, or other sevens.</translation>
    </message>
    <message>
        <source>このシークエンスの続きにならないので、付けられません。</source>
        <translation>These cards do not extend this run.</translation>
    </message>
    <message>
        <source>この同位札と同じ数字ではないので、付けられません。</source>
        <translation>These cards are not the same rank as this set.</translation>
    </message>
    <message>
        <source>1枚で役になるのは「７」だけです。</source>
        <translation>Only a &quot;7&quot; makes a meld on its own.</translation>
    </message>
    <message>
        <source>役には同じ数字か同じマークの続きが3枚要ります。</source>
        <translation>A meld needs three cards of one rank, or three in sequence in one suit.</translation>
    </message>
    <message>
        <source>同じ数字でも同じマークの続きでもないので、役になりません。</source>
        <translation>These cards are neither of one rank nor in sequence in one suit, so they are not a meld.</translation>
    </message>
    <message>
        <source>ポン・チーしたカードは選んだままです。</source>
        <translation>The card you claimed stays selected.</translation>
    </message>
</context>
<context>
    <name>ScoreSheetWindow</name>
    <message>
        <source>得点状況</source>
        <translation>Score Sheet</translation>
    </message>
    <message>
        <source>グラフ(&amp;G)</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1%2 %3点</source>
        <translation>%1 %2, %3 points</translation>
    </message>
    <message>
        <source>表(&amp;G)</source>
        <translation>&amp;Table</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>%1：%2点
</source>
        <translation>%1: %2 points
</translation>
    </message>
    <message>
        <source>このゲームの結果</source>
        <translation>Round Result</translation>
    </message>
    <message>
        <source>次のゲームを始めますか？</source>
        <translation>Start the next round?</translation>
    </message>
    <message>
        <source>総合成績</source>
        <translation>Final Results</translation>
    </message>
    <message>
        <source>総合優勝は
%1でした。</source>
        <translation>The overall winner is
%1.</translation>
    </message>
    <message>
        <source>総合優勝</source>
        <translation>Overall Winner</translation>
    </message>
    <message>
        <source>名前を入力してください</source>
        <translation>Enter your name</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>第%1位：	%2点	%3   %4
</source>
        <translation>%1.	%2 points	%3   %4
</translation>
    </message>
    <message>
        <source>第%1位：	%2点	%3   (%4)
</source>
        <translation>%1.	%2 points	%3   (%4)
</translation>
    </message>
    <message>
        <source>このルールではハイスコアは記録しません。</source>
        <translation>High scores are not recorded under these rules.</translation>
    </message>
    <message>
        <source>ごめんね</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>ハイスコア（ルール%1）</source>
        <translation>High Scores (Official Rules %1)</translation>
    </message>
    <message>
        <source>%1 ： %2 点
</source>
        <translation>%1: %2 points
</translation>
    </message>
    <message>
        <source>トータルスコア</source>
        <translation>Total Score</translation>
    </message>
    <message>
        <source>得点の推移のグラフ：開始点%1点、まだ終わった回戦はありません。</source>
        <translation>Graph of the points: starting points %1, no round finished yet. </translation>
    </message>
    <message>
        <source>得点の推移のグラフ：開始点%1点、第1回戦。</source>
        <translation>Graph of the points: starting points %1, round 1. </translation>
    </message>
    <message>
        <source>得点の推移のグラフ：開始点%1点、第1回戦から第%2回戦まで。</source>
        <translation>Graph of the points: starting points %1, rounds 1 to %2. </translation>
    </message>
    <message>
        <source>%1：最後%2点（最高%3点、最低%4点）。</source>
        <translation>%1: last %2 points (highest %3, lowest %4). </translation>
    </message>
    <message>
        <source>各回の得点は表で読めます。</source>
        <translation>The table shows the points of each round.</translation>
    </message>
    <message>
        <source>第%1回戦：</source>
        <translation>Round %1:</translation>
    </message>
    <message>
        <source>得点状況</source>
        <translation>Score Sheet</translation>
    </message>
</context>
<context>
    <name>SeatWindow</name>
    <message>
        <source>手札</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>席のメニュー</source>
        <translation>Seat menu</translation>
    </message>
    <message>
        <source>名前(&amp;N)</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>背景(&amp;B)</source>
        <translation>&amp;Background</translation>
    </message>
    <message>
        <source>背景なし(&amp;G)</source>
        <translation>No Back&amp;ground</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>背景：%1(&amp;B)</source>
        <translation>&amp;Background: %1</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>%1(&amp;N)</source>
        <translation>&amp;Name: %1</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>テルル</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>タンタル</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>セレン</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>名前を入力してください。</source>
        <translation>Enter a name.</translation>
    </message>
    <message>
        <source>名前の変更</source>
        <translation>Change Name</translation>
    </message>
</context>
<context>
    <name>SettingsSession</name>
    <message>
        <source>予期しないエラーが起きました。設定と成績を保存して終了します。

%1</source>
        <translation>An unexpected error occurred. Zelvani will save the settings and scores and close.

%1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Zelvani</source>
        <translation>Zelvani</translation>
    </message>
    <message>
        <source>Ver 1.0</source>
        <translation>Ver 1.0</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>設定と成績を保存できませんでした。

保存先：%1
理由：%2</source>
        <translation>The settings and scores could not be saved.

Location: %1
Reason: %2</translation>
    </message>
    <message>
        <source>設定と成績を保存できませんでした。

保存先：%1</source>
        <translation>The settings and scores could not be saved.

Location: %1</translation>
    </message>
    <message>
        <source>設定と成績を保存できませんでした。
理由：%1</source>
        <translation>The settings and scores could not be saved.
Reason: %1</translation>
    </message>
    <message>
        <source>設定と成績を保存できませんでした。</source>
        <translation>The settings and scores could not be saved.</translation>
    </message>
    <message>
        <source>アクセスが許可されていません。</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>保存先のフォルダーの途中にファイルがあります。</source>
        <translation>A file stands where a folder of the path should be.</translation>
    </message>
    <message>
        <source>ファイルの場所にフォルダーがあります。</source>
        <translation>A folder stands where the file should be.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>ディスクの空きが足りません。</source>
        <translation>There is not enough disk space.</translation>
    </message>
    <message>
        <source>読み取り専用の場所です。</source>
        <translation>The location is read-only.</translation>
    </message>
    <message>
        <source>名前が長すぎます。</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>保存先のフォルダーがありません。</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>控えのファイルが多すぎます。</source>
        <translation>There are too many backup files.</translation>
    </message>
    <message>
        <source>前の設定の控えを作れませんでした。</source>
        <translation>Could not make a backup of the previous settings.</translation>
    </message>
    <message>
        <source>ファイルを書き込めませんでした（エラー番号 %1）。</source>
        <translation>Could not write the file (error %1).</translation>
    </message>
    <message>
        <source>ファイルを書き込めませんでした。</source>
        <translation>Could not write the file.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>%1   [%2点]</source>
        <translation>%1   [%2 points]</translation>
    </message>
</context>
</TS>
