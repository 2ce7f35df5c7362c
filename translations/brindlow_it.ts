<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Assistive</name>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board, counted from 1 at the left.</extracomment>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board (a line of cells across it), counted from 1 at the bottom.</extracomment>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Column %1, row %2: black</source>
        <translation>Colonna %1, riga %2: nera</translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Colonna %1, riga %2: rossa</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Colonna %1, riga %2: vuota</translation>
    </message>
    <message>
        <source>Column %1 is full. %2</source>
        <extracomment>Said when a press falls in a column that has no room left; %2 is the status line that follows.</extracomment>
        <translation>La colonna %1 è piena. %2</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board&apos;s name as a screen reader says it.</extracomment>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Seven columns of six cells, rows counted from the bottom. Click any cell of a column to drop a checker in that column.</source>
        <extracomment>How the board is played, as a screen reader says it.</extracomment>
        <translation>Sette colonne di sei caselle, con le righe contate dal basso. Un clic su una casella qualsiasi di una colonna fa cadere una pedina in quella colonna.</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File</source>
        <comment>spoken</comment>
        <extracomment>The File menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>spoken</comment>
        <extracomment>The Help menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Rules of the Game</source>
        <translation>&amp;Regole del gioco</translation>
    </message>
    <message>
        <source>&amp;About the Program</source>
        <translation>&amp;Informazioni sul programma</translation>
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
        <translation>Tocca a %1!  (Nero)</translation>
    </message>
    <message>
        <source>%1&apos;s turn!  (Red)</source>
        <extracomment>The status line when player 2, who plays red, is to move; %1 is the name, upper-cased with the rest.</extracomment>
        <translation>Tocca a %1!  (Rosso)</translation>
    </message>
    <message>
        <source>Tie Game...you both LOSE!</source>
        <extracomment>The box shown when the board is full and nobody has four in a line.</extracomment>
        <translation>Pareggio... PERDETE entrambi!</translation>
    </message>
    <message>
        <source>CAT&apos;S GAME</source>
        <extracomment>Title of the box for a full board without a winner: a game nobody wins.</extracomment>
        <translation>NESSUN VINCITORE</translation>
    </message>
    <message>
        <source>%1 WINS!</source>
        <extracomment>The winner&apos;s box; %1 is the winner&apos;s name, already upper-cased.</extracomment>
        <translation>%1 VINCE!</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>Title of the winner&apos;s box.</extracomment>
        <translation>Vincitore</translation>
    </message>
    <message>
        <source>The two players alternate turns, with the starting player controlling
the black checkers.  The first player to form a horizontal, vertical,
or diagonal line of four checkers of the same color is the winner.
To place a checker in a particular column, click anywhere in that
column.  Checkers will always fall as far as possible down each
column.</source>
        <extracomment>The rules box: six lines of about 70 characters, broken where a line of the box should end.</extracomment>
        <translation>I due giocatori muovono a turno; chi inizia gioca con le pedine
nere. Vince il primo giocatore che forma una linea orizzontale,
verticale o diagonale di quattro pedine dello stesso colore. Per
mettere una pedina in una colonna, basta fare clic in un punto
qualsiasi di quella colonna. Le pedine cadono sempre il più in
basso possibile in ogni colonna.</translation>
    </message>
    <message>
        <source>Rules of the Game</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>Brindlow was written by the Brindlow Rules Team and
the Brindlow Window Team, December, 2026.

It was edited by the Brindlow Maintainers, December, 2026.</source>
        <extracomment>The credits box: keep its empty line, and the name Brindlow in the teams&apos; names.</extracomment>
        <translation>Brindlow è stato scritto dal team delle regole di Brindlow e
dal team della finestra di Brindlow, dicembre 2026.

È stato curato dai manutentori di Brindlow, dicembre 2026.</translation>
    </message>
    <message>
        <source>About the Program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>New Players</source>
        <extracomment>Title of the boxes that ask for the players&apos; names.</extracomment>
        <translation>Nuovi giocatori</translation>
    </message>
    <message>
        <source>Player 1:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays black.</extracomment>
        <translation>Giocatore 1:</translation>
    </message>
    <message>
        <source>Player 2:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays red.</extracomment>
        <translation>Giocatore 2:</translation>
    </message>
    <message>
        <source>Do you want to keep the same names?</source>
        <translation>Volete mantenere gli stessi nomi?</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Title of the question asked by File &gt; New Game.</extracomment>
        <translation>Nuova partita</translation>
    </message>
</context>
</TS>
