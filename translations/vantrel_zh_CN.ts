<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>黑桃A</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>黑桃2</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>黑桃3</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>黑桃4</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>黑桃5</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>黑桃6</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>黑桃7</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>黑桃8</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>黑桃9</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>黑桃10</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>黑桃J</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>黑桃Q</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>黑桃K</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>梅花A</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>梅花2</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>梅花3</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>梅花4</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>梅花5</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>梅花6</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>梅花7</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>梅花8</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>梅花9</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>梅花10</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>梅花J</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>梅花Q</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>梅花K</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>方块A</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>方块2</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>方块3</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>方块4</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>方块5</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>方块6</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>方块7</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>方块8</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>方块9</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>方块10</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>方块J</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>方块Q</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>方块K</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>红桃A</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>红桃2</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>红桃3</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>红桃4</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>红桃5</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>红桃6</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>红桃7</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>红桃8</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>红桃9</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>红桃10</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>红桃J</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>红桃Q</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>红桃K</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>空列</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>背面朝上的牌</translation>
    </message>
    <message>
        <source>card</source>
        <translation>牌</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>重玩本局（不洗牌）(&amp;R)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>显示可走的牌(&amp;V)</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>显示可走步数(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>使用透明</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>居中(&amp;C)</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>提示 (%1)(&amp;H)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>选择牌局...(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>关闭时保留牌局(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>显示本局是否仍能获胜(&amp;T)</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>只发可获胜的牌局(&amp;W)</translation>
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
        <translation>快速帮助：

按同一花色从大到小的顺序叠放纸牌。必须整列移动（也就是说，所移动的牌下面的牌也一起移动）。只有 K 可以放到空位上。如果不知道怎么走，请单击“选项”菜单中的“提示”。当出现四叠从 K 到 A 的牌时，即获胜。</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>真的确定要清除统计数据吗？</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>可走的步：</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>确定要开始新游戏吗？</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>提示已用完！</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>你赢了！</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>无路可走了！</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>它由其他版本的游戏保留</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>其中牌的摆放是任何牌局都不可能留下的</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>它不是可读取的普通文件</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>保留的牌局“%1”无法恢复：%2。游戏照常开始。</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>该文件已移至“%1”。</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>无法将选项保存到“%1”：%2。</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>未能及时找到可获胜的牌局：本局可能无法获胜。</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>无法将牌局保留到“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s own word for its standard button, used only where Qt&apos;s translations lack the language</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>备用行，第 %1 个位置</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>第 %1 列，第 %2 行</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>用方向键选择牌，按空格键或回车键拿起和放下，按 Esc 键放回原处</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>选择牌局</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>牌局编号（0 至 4294967295）：</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>请输入 0 至 4294967295 之间的整数。</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n 连胜</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n 连败</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>游戏统计</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>胜局：</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>负局：</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>连续记录</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>显示全部可走的步</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>可走步数：%1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>正在检查本局是否仍能获胜...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>本局仍能获胜</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>本局已无法获胜</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>不知道本局是否仍能获胜：搜索已放弃</translation>
    </message>
</context>
</TS>
