<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Assistive</name>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board, counted from 1 at the left.</extracomment>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board (a line of cells across it), counted from 1 at the bottom.</extracomment>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Column %1, row %2: black</source>
        <translation>第 %1 列，第 %2 行：黑子</translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>第 %1 列，第 %2 行：红子</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>第 %1 列，第 %2 行：空</translation>
    </message>
    <message>
        <source>Column %1 is full. %2</source>
        <extracomment>Said when a press falls in a column that has no room left; %2 is the status line that follows.</extracomment>
        <translation>第 %1 列已满。%2</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board&apos;s name as a screen reader says it.</extracomment>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Seven columns of six cells, rows counted from the bottom. Click any cell of a column to drop a checker in that column.</source>
        <extracomment>How the board is played, as a screen reader says it.</extracomment>
        <translation>七列，每列六格，行从下往上数。单击某一列中的任意格子，即可在该列落下一枚棋子。</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source> Brindlow</source>
        <extracomment>The window&apos;s title, with its leading blank.</extracomment>
        <translation> Brindlow</translation>
    </message>
    <message>
        <source>Brindlow</source>
        <extracomment>The game&apos;s name as a screen reader says it.</extracomment>
        <translation>Brindlow</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu. In English it has no access key; a translation may give it one.</extracomment>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <comment>spoken</comment>
        <extracomment>The File menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>spoken</comment>
        <extracomment>The Help menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Rules of the Game</source>
        <translation>游戏规则(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About the Program</source>
        <translation>关于本程序(&amp;A)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise: it sets the direction of the menus, the status line and the boxes. The board is a picture and keeps its columns in every language.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmBrindlow</name>
    <message>
        <source>%1&apos;s turn!  (Black)</source>
        <extracomment>The status line when player 1, who plays black, is to move; %1 is the name. The whole line is then upper-cased by the language&apos;s own rules.</extracomment>
        <translation>轮到%1了！（黑方）</translation>
    </message>
    <message>
        <source>%1&apos;s turn!  (Red)</source>
        <extracomment>The status line when player 2, who plays red, is to move; %1 is the name, upper-cased with the rest.</extracomment>
        <translation>轮到%1了！（红方）</translation>
    </message>
    <message>
        <source>Tie Game...you both LOSE!</source>
        <extracomment>The box shown when the board is full and nobody has four in a line.</extracomment>
        <translation>平局……你们俩都输了！</translation>
    </message>
    <message>
        <source>CAT&apos;S GAME</source>
        <extracomment>Title of the box for a full board without a winner: a game nobody wins.</extracomment>
        <translation>无人获胜</translation>
    </message>
    <message>
        <source>%1 WINS!</source>
        <extracomment>The winner&apos;s box; %1 is the winner&apos;s name, already upper-cased.</extracomment>
        <translation>%1获胜！</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>Title of the winner&apos;s box.</extracomment>
        <translation>获胜者</translation>
    </message>
    <message>
        <source>The two players alternate turns, with the starting player controlling
the black checkers.  The first player to form a horizontal, vertical,
or diagonal line of four checkers of the same color is the winner.
To place a checker in a particular column, click anywhere in that
column.  Checkers will always fall as far as possible down each
column.</source>
        <extracomment>The rules box: six lines of about 70 characters, broken where a line of the box should end.</extracomment>
        <translation>两名玩家轮流落子，先手玩家执黑子。
率先将四枚同色棋子在横向、纵向或斜向连成一线的玩家获胜。
要在某一列落子，请单击该列的任意位置。
棋子总会落到该列尽可能低的位置。</translation>
    </message>
    <message>
        <source>Rules of the Game</source>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>Brindlow was written by the Brindlow Rules Team and
the Brindlow Window Team, December, 2026.

It was edited by the Brindlow Maintainers, December, 2026.</source>
        <extracomment>The credits box: keep its empty line, and the name Brindlow in the teams&apos; names.</extracomment>
        <translation>Brindlow 由 Brindlow 规则团队和
Brindlow 窗口团队于 2026 年 12 月编写。

Brindlow 维护者于 2026 年 12 月对其进行了编辑。</translation>
    </message>
    <message>
        <source>About the Program</source>
        <translation>关于本程序</translation>
    </message>
    <message>
        <source>New Players</source>
        <extracomment>Title of the boxes that ask for the players&apos; names.</extracomment>
        <translation>新玩家</translation>
    </message>
    <message>
        <source>Player 1:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays black.</extracomment>
        <translation>玩家 1：</translation>
    </message>
    <message>
        <source>Player 2:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays red.</extracomment>
        <translation>玩家 2：</translation>
    </message>
    <message>
        <source>Do you want to keep the same names?</source>
        <translation>是否保留相同的名字？</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Title of the question asked by File &gt; New Game.</extracomment>
        <translation>新游戏</translation>
    </message>
</context>
</TS>
