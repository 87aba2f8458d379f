<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>スペードのエース</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>スペードの2</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>スペードの3</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>スペードの4</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>スペードの5</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>スペードの6</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>スペードの7</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>スペードの8</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>スペードの9</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>スペードの10</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>スペードのジャック</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>スペードのクイーン</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>スペードのキング</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>クラブのエース</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>クラブの2</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>クラブの3</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>クラブの4</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>クラブの5</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>クラブの6</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>クラブの7</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>クラブの8</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>クラブの9</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>クラブの10</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>クラブのジャック</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>クラブのクイーン</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>クラブのキング</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>ダイヤのエース</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>ダイヤの2</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>ダイヤの3</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>ダイヤの4</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>ダイヤの5</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>ダイヤの6</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>ダイヤの7</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>ダイヤの8</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>ダイヤの9</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>ダイヤの10</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>ダイヤのジャック</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>ダイヤのクイーン</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>ダイヤのキング</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>ハートのエース</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>ハートの2</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>ハートの3</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>ハートの4</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>ハートの5</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>ハートの6</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>ハートの7</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>ハートの8</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>ハートの9</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>ハートの10</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>ハートのジャック</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>ハートのクイーン</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>ハートのキング</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>空いた列</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>裏向きのカード</translation>
    </message>
    <message>
        <source>card</source>
        <translation>カード</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>同じカードで配り直す(&amp;R)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>有効な手を表示(&amp;V)</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>手の数を表示(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>透過を使用</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>中央に配置(&amp;C)</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>ヒント (%1)(&amp;H)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>ゲーム番号を指定...(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>閉じるときにゲームを保存(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>まだ勝てるかを表示(&amp;T)</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>勝てるゲームだけを配る(&amp;W)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Quick Help:

Stack the cards in descending, same suit order. You have
to move the whole column (ie; all cards under the card
you&apos;re moving too). Only Kings can be played on blank spots.
Click &quot;Give Hint&quot; in the Options menu to get an idea. The
game is won when there are four piles, all King down to Ace.</source>
        <extracomment>Name the Options menu and its Give Hint item as the menus call them. The line breaks are the English text&apos;s own: a translation may leave them out and let the box wrap its lines.</extracomment>
        <translation>クイックヘルプ:

同じマークのカードを大きい順に重ねていきます。カードは列ごと動かします（動かすカードの下にあるカードも一緒に動きます）。空いた場所に置けるのはキングだけです。困ったときは「オプション」メニューの「ヒント」をクリックしてください。キングからエースまでそろった山が4つできたら勝ちです。</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>本当に統計を消去してもよろしいですか？</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>可能な手:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>新しいゲームを始めますか？</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>ヒントはもうありません！</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>あなたの勝ちです！</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>もう動かせる手がありません！</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>別のバージョンのゲームで保存されています</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>どのゲームでもあり得ないカードの配置になっています</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>読み取れる通常のファイルではありません</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>保存されたゲーム「%1」を復元できません: %2。ゲームは通常どおり始まります。</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>ファイルは「%1」に移動しました。</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>オプションを「%1」に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>勝てるゲームが時間内に見つかりませんでした。このゲームは勝てないかもしれません。</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>ゲームを「%1」に保存できませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s own word for its standard button, used only where Qt&apos;s translations lack the language</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>予備の列、%1 番目</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1 列目</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>%1 列目、%2 段目</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>テーブル</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>矢印キーでカードを選び、スペースキーか Enter キーで持ち上げて置き、Esc キーで元に戻します</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>ゲーム番号の指定</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>ゲーム番号 (0 ～ 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>0 から 4294967295 までの整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n連勝</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n連敗</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>ゲームの統計</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>勝ち:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>負け:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>連続記録</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>すべての手を表示</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>手の数: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>このゲームがまだ勝てるかを調べています...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>このゲームはまだ勝てます</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>このゲームはもう勝てません</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>このゲームがまだ勝てるかは不明です: 探索を打ち切りました</translation>
    </message>
</context>
</TS>
