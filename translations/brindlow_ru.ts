<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Assistive</name>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board, counted from 1 at the left.</extracomment>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board (a line of cells across it), counted from 1 at the bottom.</extracomment>
        <translation>Ряд %1</translation>
    </message>
    <message>
        <source>Column %1, row %2: black</source>
        <translation>Столбец %1, ряд %2: чёрная фишка</translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Столбец %1, ряд %2: красная фишка</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Столбец %1, ряд %2: пусто</translation>
    </message>
    <message>
        <source>Column %1 is full. %2</source>
        <extracomment>Said when a press falls in a column that has no room left; %2 is the status line that follows.</extracomment>
        <translation>Столбец %1 заполнен. %2</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board&apos;s name as a screen reader says it.</extracomment>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Seven columns of six cells, rows counted from the bottom. Click any cell of a column to drop a checker in that column.</source>
        <extracomment>How the board is played, as a screen reader says it.</extracomment>
        <translation>Семь столбцов по шесть клеток, ряды считаются снизу. Щёлкните любую клетку столбца, чтобы бросить в него фишку.</translation>
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
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>File</source>
        <comment>spoken</comment>
        <extracomment>The File menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>spoken</comment>
        <extracomment>The Help menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>&amp;Rules of the Game</source>
        <translation>&amp;Правила игры</translation>
    </message>
    <message>
        <source>&amp;About the Program</source>
        <translation>&amp;О программе</translation>
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
        <translation>%1 ходит!  (чёрные)</translation>
    </message>
    <message>
        <source>%1&apos;s turn!  (Red)</source>
        <extracomment>The status line when player 2, who plays red, is to move; %1 is the name, upper-cased with the rest.</extracomment>
        <translation>%1 ходит!  (красные)</translation>
    </message>
    <message>
        <source>Tie Game...you both LOSE!</source>
        <extracomment>The box shown when the board is full and nobody has four in a line.</extracomment>
        <translation>Ничья... вы оба ПРОИГРАЛИ!</translation>
    </message>
    <message>
        <source>CAT&apos;S GAME</source>
        <extracomment>Title of the box for a full board without a winner: a game nobody wins.</extracomment>
        <translation>БЕЗ ПОБЕДИТЕЛЯ</translation>
    </message>
    <message>
        <source>%1 WINS!</source>
        <extracomment>The winner&apos;s box; %1 is the winner&apos;s name, already upper-cased.</extracomment>
        <translation>%1 ПОБЕЖДАЕТ!</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>Title of the winner&apos;s box.</extracomment>
        <translation>Победитель</translation>
    </message>
    <message>
        <source>The two players alternate turns, with the starting player controlling
the black checkers.  The first player to form a horizontal, vertical,
or diagonal line of four checkers of the same color is the winner.
To place a checker in a particular column, click anywhere in that
column.  Checkers will always fall as far as possible down each
column.</source>
        <extracomment>The rules box: six lines of about 70 characters, broken where a line of the box should end.</extracomment>
        <translation>Игроки ходят по очереди; начинающий игрок играет чёрными фишками.
Побеждает тот, кто первым выстроит линию из четырёх фишек своего
цвета по горизонтали, вертикали или диагонали. Чтобы поставить
фишку в определённый столбец, щёлкните в любом месте этого
столбца. Фишка всегда опускается в столбце как можно ниже.</translation>
    </message>
    <message>
        <source>Rules of the Game</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>Brindlow was written by the Brindlow Rules Team and
the Brindlow Window Team, December, 2026.

It was edited by the Brindlow Maintainers, December, 2026.</source>
        <extracomment>The credits box: keep its empty line, and the name Brindlow in the teams&apos; names.</extracomment>
        <translation>Игру Brindlow написали команда правил Brindlow
и команда окна Brindlow в декабре 2026 года.

Её отредактировали сопровождающие Brindlow в декабре 2026 года.</translation>
    </message>
    <message>
        <source>About the Program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>New Players</source>
        <extracomment>Title of the boxes that ask for the players&apos; names.</extracomment>
        <translation>Новые игроки</translation>
    </message>
    <message>
        <source>Player 1:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays black.</extracomment>
        <translation>Игрок 1:</translation>
    </message>
    <message>
        <source>Player 2:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays red.</extracomment>
        <translation>Игрок 2:</translation>
    </message>
    <message>
        <source>Do you want to keep the same names?</source>
        <translation>Оставить те же имена?</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Title of the question asked by File &gt; New Game.</extracomment>
        <translation>Новая игра</translation>
    </message>
</context>
</TS>
