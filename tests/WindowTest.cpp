// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window under the offscreen platform: layout, pixels, presses, shortcuts, and the real boxes.
#include "FormTestSupport.h"
#include "platform/QtPlatform.h"
#include "window/FormWindow.h"
#include "window/Language.h"

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

#include <unistd.h>

namespace {

// The scale factor this run was registered for (--scale=N); the run fails when Qt draws at another one.
qreal registeredScale = 1.0;

// Pixel of a twip position on a grab of the board, at whatever scale the grab was made.
QColor pixelAt(const QImage& image, qreal xTwips, qreal yTwips)
{
    const qreal scale = image.devicePixelRatio() / TwipsPerPixel;
    return image.pixelColor(int(xTwips * scale), int(yTwips * scale));
}

QColor cellCentre(const QImage& image, const frmBrindlow& form, int cell)
{
    const Shape& shape = form.Shape1[cell];
    return pixelAt(image, shape.Left + shape.Width / 2.0, shape.Top + shape.Height / 2.0);
}

// A window started with the names Ann and Bob on a scripted desktop.
struct ScriptedWindow
{
    ScriptedWindow()
    {
        platform.throwOnEnd = false; // the handler ends there anyway; no exception may cross Qt's frames
        platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
        window.start();
        platform.boxes.clear();
    }
    ScriptedPlatform platform;
    FormWindow window{platform};
};

void press(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button, keys);
    QApplication::sendEvent(widget, &event);
}

// Runs `answer` on the next modal box as soon as it is open; gives up after ten seconds.
void whenBoxOpens(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer;
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, polls, answer] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr && ++*polls < 2000)
            return;
        poll->stop();
        poll->deleteLater();
        if (box == nullptr)
            ADD_FAILURE() << "no box opened";
        else
            answer(box);
    });
    poll->start(5);
}

// A box that nobody answers within five seconds is a failure, and is closed so the test ends.
void closeForgottenBoxes()
{
    static QPointer<QWidget> open;
    static int ticks = 0;
    auto* watchdog = new QTimer(qApp);
    QObject::connect(watchdog, &QTimer::timeout, [] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || box != open) {
            open = box;
            ticks = 0;
        } else if (++ticks == 50) {
            ADD_FAILURE() << "a box nobody answers: " << box->windowTitle().toStdString();
            box->close();
        }
    });
    watchdog->start(100);
}

TEST(WindowAtEveryScale, LayoutTitleAndMenus)
{
    ScriptedWindow scripted;
    FormWindow& window = scripted.window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Brindlow"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.board()->size(), QSize(402, 332));
    EXPECT_EQ(window.board()->geometry().topLeft(), QPoint(0, window.menuBar()->height()));
    EXPECT_EQ(window.statusLabel()->geometry(), QRect(80, 304, 233, 17));
    const QFont font = window.statusLabel()->font();
    EXPECT_EQ(font.family(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(font.bold());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.windowIcon().pixmap(16, 16).isNull());

    struct Item
    {
        QString caption;
        QKeySequence shortcut;
    };
    const std::vector<std::pair<QString, std::vector<Item>>> expected = {
        {QStringLiteral("File"),
         {{QStringLiteral("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N)},
          {QString(), QKeySequence()},
          {QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X)}}},
        {QStringLiteral("&Help"),
         {{QStringLiteral("&Rules of the Game"), QKeySequence(Qt::CTRL | Qt::Key_R)},
          {QString(), QKeySequence()},
          {QStringLiteral("&About the Program"), QKeySequence(Qt::CTRL | Qt::Key_A)}}},
    };
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    for (size_t m = 0; m < expected.size(); ++m) {
        EXPECT_EQ(menus[qsizetype(m)]->text(), expected[m].first);
        const QList<QAction*> items = menus[qsizetype(m)]->menu()->actions();
        ASSERT_EQ(items.size(), 3);
        for (size_t i = 0; i < 3; ++i) {
            const QAction* item = items[qsizetype(i)];
            EXPECT_EQ(item->isSeparator(), expected[m].second[i].caption.isEmpty());
            EXPECT_EQ(item->text(), expected[m].second[i].caption);
            EXPECT_EQ(item->shortcut(), expected[m].second[i].shortcut);
            EXPECT_TRUE(item->isEnabled());
            EXPECT_FALSE(item->isCheckable());
        }
    }
}

TEST(WindowAtEveryScale, PaintsTheCellsTheLabelAndTheBackground)
{
    ScriptedWindow scripted;
    frmBrindlow& form = scripted.window.form();
    press(scripted.window.board(), QPointF(30, 100)); // black into cell 35
    press(scripted.window.board(), QPointF(90, 100)); // red into cell 36
    press(scripted.window.board(), QPointF(140, 10)); // black into cell 37
    const QImage image = scripted.window.board()->grab().toImage();

    const QColor lightBlue(0x80, 0x80, 0xFF);
    EXPECT_EQ(cellCentre(image, form, 35), QColor(Qt::black));
    EXPECT_EQ(cellCentre(image, form, 36), QColor(Qt::red));
    EXPECT_EQ(cellCentre(image, form, 37), QColor(Qt::black));
    for (const int cell : {0, 6, 24, 28, 38, 41})
        EXPECT_EQ(cellCentre(image, form, cell), QColor(Qt::white)) << cell;
    // Between the circles of columns 0 and 1, between rows 0 and 1, and in each margin.
    EXPECT_EQ(pixelAt(image, 907, 427), lightBlue);
    EXPECT_EQ(pixelAt(image, 487, 780), lightBlue);
    EXPECT_EQ(pixelAt(image, 30, 30), lightBlue);
    EXPECT_EQ(pixelAt(image, 6000, 4950), lightBlue);
    // The corner of a cell's box lies outside its circle.
    EXPECT_EQ(pixelAt(image, 130, 130), lightBlue);
    // The outline: left of cell 0's centre, from the box's edge to inside the circle, a dark pixel.
    int darkest = 255;
    for (int x = 120; x < 240; ++x)
        darkest = std::min(darkest, pixelAt(image, x, 427).lightness());
    EXPECT_LT(darkest, 100);
    // The label: opaque white at its ends, and the red form's text in red.
    EXPECT_EQ(pixelAt(image, 1215, 4575), QColor(Qt::white));
    EXPECT_EQ(pixelAt(image, 4680, 4800), QColor(Qt::white));
    bool redText = false;
    for (int x = 1200; x < 4695 && !redText; x += 5) {
        for (int y = 4560; y < 4815 && !redText; y += 5)
            redText = pixelAt(image, x, y).red() > 200 && pixelAt(image, x, y).green() < 80;
    }
    EXPECT_TRUE(redText) << "the status line names Bob in red after Ann's move";
    EXPECT_EQ(scripted.window.statusLabel()->text(), QStringLiteral("BOB'S TURN!  (RED)"));
}

// Whatever Qt's scale factor, the window keeps its size in device-independent pixels and its circles stay
// round; the tests run at scale 1, 1.5 and 2.
TEST(WindowAtEveryScale, KeepsItsSizeAndShapesAtAnyScale)
{
    ScriptedWindow scripted;
    const qreal scale = registeredScale;
    const QImage image = scripted.window.board()->grab().toImage();
    EXPECT_EQ(scripted.window.board()->size(), QSize(402, 332));
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), scale);
    EXPECT_EQ(image.size(), (QSizeF(402, 332) * scale).toSize());

    // Cell 24's extent across and down through its centre, in device pixels, is the same.
    const QColor lightBlue(0x80, 0x80, 0xFF);
    const int centreX = int(3007.5 * scale / TwipsPerPixel);
    const int centreY = int(2587.5 * scale / TwipsPerPixel);
    // From the centre to the first light blue pixel, at most one cell's width away.
    auto reach = [&](int dx, int dy) {
        int length = 0;
        for (int x = centreX, y = centreY; length < 60 * scale && image.pixelColor(x, y) != lightBlue;
             x += dx, y += dy)
            ++length;
        return length;
    };
    EXPECT_NEAR(reach(1, 0) + reach(-1, 0), 41 * scale, 2);
    EXPECT_NEAR(reach(0, 1) + reach(0, -1), reach(1, 0) + reach(-1, 0), 1);
    // The circle sits in the middle of its box: as far to the left of the centre as to the right.
    EXPECT_NEAR(reach(1, 0), reach(-1, 0), 1);
    EXPECT_NEAR(reach(0, 1), reach(0, -1), 1);
}

// What a screen reader is told: the window, the menus, and the board as a table of its 42 cells, each saying
// its column, its row counted from the bottom and what it holds, lying on its circle and pressed by its one
// action; the board holds the keyboard and reports its current cell as focused: column 4, row 1 at first,
// then the cell the last checker landed in. (Qt tells assistive technology of changes only when one listens,
// which none does offscreen; names and states are read afresh at every question.)
TEST(WindowAtEveryScale, AssistiveTechnologyReadsTheWindow)
{
    ScriptedWindow scripted;
    FormWindow& window = scripted.window;
    auto name = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(&window), QStringLiteral("Brindlow"));
    EXPECT_EQ(name(window.board()), QStringLiteral("Board"));
    const QList<QAction*> menus = window.menuBar()->actions();
    EXPECT_EQ(name(menus[0]->menu()), QStringLiteral("File"));
    EXPECT_EQ(name(menus[1]->menu()), QStringLiteral("Help"));
    EXPECT_EQ(window.focusWidget(), window.board());
    EXPECT_EQ(window.statusLabel()->focusPolicy(), Qt::NoFocus);

    BoardView* board = window.board();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->tableInterface()->rowCount(), 6);
    EXPECT_EQ(table->tableInterface()->columnCount(), 7);
    auto focusedCells = [table] {
        std::vector<int> focused;
        for (int cell = 0; cell < 42; ++cell) {
            if (table->child(cell)->state().focused)
                focused.push_back(cell);
        }
        return focused;
    };
    for (int cell = 0; cell < 42; ++cell) {
        QAccessibleInterface* child = table->child(cell);
        ASSERT_EQ(child, table->tableInterface()->cellAt(cell / 7, cell % 7)) << cell;
        EXPECT_EQ(table->indexOfChild(child), cell);
        EXPECT_EQ(child->tableCellInterface()->rowIndex() * 7 + child->tableCellInterface()->columnIndex(),
                  cell);
        EXPECT_TRUE(child->state().focusable);
        ASSERT_NE(child->actionInterface(), nullptr);
        EXPECT_EQ(child->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
    }
    // Only the board's own rows and columns have names; outside them a client gets a nameless nothing, which
    // Qt's bridge can still ask for its extents and selection.
    QAccessibleTableInterface* rows = table->tableInterface();
    EXPECT_EQ(rows->rowDescription(0) + rows->columnDescription(6), QStringLiteral("Row 6Column 7"));
    for (const int outside : {-1, 6, 7, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        QAccessibleInterface* none = rows->cellAt(outside, outside == 6 ? 7 : outside);
        EXPECT_TRUE(rows->rowDescription(outside).isEmpty() && none->text(QAccessible::Name).isEmpty() &&
                    (outside == 6 || rows->columnDescription(outside).isEmpty()) &&
                    none->tableCellInterface()->rowIndex() == -1 && table->indexOfChild(none) == -1)
            << outside;
    }
    EXPECT_EQ(table->focusChild(), table->child(38));
    EXPECT_EQ(focusedCells(), std::vector<int>{38});
    EXPECT_EQ(table->child(42)->object(), window.statusLabel());
    const int children = table->childCount();
    EXPECT_EQ(table->indexOfChild(table->child(children - 1)), children - 1);
    EXPECT_EQ(table->child(children), nullptr);

    // A screen reader's press of a cell (row 6 of column 2) is a move in its column, made once the command is
    // answered; the cell the checker landed in is current. None is made while a box is open or about to open.
    table->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.form().moveCount, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.form().Shape1[36].FillColor, frmBrindlow::BlackColor) << boardPicture(window.form());
    EXPECT_EQ(focusedCells(), std::vector<int>{36});
    table->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    window.assistive().boxOpening(nullptr, QStringLiteral("a box"));
    table->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    press(board, QPointF(200.5, 28.5));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.form().moveCount, 1) << boardPicture(window.form());
    window.assistive().boxClosed();
    // Nor is a press asked of a cell during a box whose press arrives once the box is gone.
    window.assistive().boxOpening(nullptr, QStringLiteral("a box"));
    table->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    window.assistive().boxClosed();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.form().moveCount, 1) << boardPicture(window.form());
    // The focus follows the landing at once, also onto the very cell the pointer pressed.
    press(board, QPointF(256.5, 268.5)); // red into column 5, row 1
    EXPECT_EQ(focusedCells(), std::vector<int>{39});
    EXPECT_EQ(
        table->childAt(board->mapToGlobal(QPoint(256, 268)).x(), board->mapToGlobal(QPoint(256, 268)).y()),
        table->child(39));
    press(board, QPointF(31, 28)); // black into column 1
    board->clearFocus();
    EXPECT_EQ(table->focusChild(), nullptr);
    EXPECT_TRUE(focusedCells().empty());
    const struct
    {
        int cell;
        QString name;
        QPoint circleTopLeft;
    } cells[] = {{35, QStringLiteral("Column 1, row 1: black"), QPoint(12, 248)},
                 {39, QStringLiteral("Column 5, row 1: red"), QPoint(236, 248)},
                 {6, QStringLiteral("Column 7, row 6: empty"), QPoint(348, 8)}};
    for (const auto& [cell, name, circleTopLeft] : cells) {
        EXPECT_EQ(table->child(cell)->text(QAccessible::Name), name);
        EXPECT_EQ(table->child(cell)->rect(), QRect(board->mapToGlobal(circleTopLeft), QSize(41, 41)));
    }

    // A board that Qt gave a plain widget's interface before it was served (Qt 6.11 does, as the window is
    // built) is the table all the same.
    QWidget early;
    ASSERT_EQ(QAccessible::queryAccessibleInterface(&early)->role(), QAccessible::Client);
    Assistive served(&early, window.form(), [](int) { return QRectF(0, 0, 10, 10); });
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&early)->role(), QAccessible::Table);
}

TEST(WindowAtEveryScale, PressesReachTheirColumns)
{
    constexpr int Nothing = -1;
    struct Case
    {
        const char* what;
        QPointF at;
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        int cell;
    };
    // Which column a twip position falls in is the form's; here, that a press in pixels reaches it as twips.
    const Case cases[] = {
        {"852 twips", {852 / 15.0, 100}, Qt::LeftButton, Qt::NoModifier, 36},
        {"849 twips", {849 / 15.0, 100}, Qt::LeftButton, Qt::NoModifier, 35},
        {"beside the label", {600 / 15.0, 4700 / 15.0}, Qt::LeftButton, Qt::NoModifier, 35},
        {"right button with Ctrl", {2700 / 15.0, 20}, Qt::RightButton, Qt::ControlModifier, 38},
        {"right of the last band", {5955 / 15.0, 100}, Qt::LeftButton, Qt::NoModifier, Nothing},
    };
    for (const Case& c : cases) {
        ScriptedWindow scripted;
        press(scripted.window.board(), c.at, c.button, c.keys);
        const frmBrindlow& form = scripted.window.form();
        EXPECT_EQ(form.moveCount, c.cell == Nothing ? 0 : 1) << c.what;
        if (c.cell != Nothing) {
            EXPECT_EQ(form.Shape1[c.cell].FillColor, frmBrindlow::BlackColor) << c.what << '\n'
                                                                              << boardPicture(form);
        }
    }

    ScriptedWindow onLabel;
    const Label before = onLabel.window.form().lblturn;
    QTest::mouseClick(onLabel.window.statusLabel(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 8));
    press(onLabel.window.statusLabel(), QPointF(1, 1), Qt::RightButton);
    EXPECT_EQ(onLabel.window.form().moveCount, 0);
    EXPECT_EQ(onLabel.window.form().lblturn, before);
}

TEST(Window, ShortcutsRunTheirHandlers)
{
    ScriptedWindow scripted;
    FormWindow& window = scripted.window;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(window.board(), QPointF(30, 100));

    // A command runs once the key or the press that asked for it has returned: a menu item's action answers
    // the screen reader that pressed it before the command's box opens.
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::processEvents();
    ASSERT_EQ(scripted.platform.boxes.size(), 2u);
    EXPECT_EQ(scripted.platform.boxes[0].title, QStringLiteral("Rules of the Game"));
    EXPECT_EQ(scripted.platform.boxes[1].title, QStringLiteral("About the Program"));
    EXPECT_EQ(window.form().moveCount, 1);

    scripted.platform.questions = {AnswerYes};
    QAccessibleInterface* newGame =
        QAccessible::queryAccessibleInterface(window.menuBar()->actions()[0]->menu())->child(0);
    newGame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(scripted.platform.boxes.size(), 2u);
    QCoreApplication::processEvents();
    EXPECT_EQ(scripted.platform.boxes.back(), newGameBox());
    EXPECT_EQ(window.form().moveCount, 0);
    EXPECT_EQ(window.statusLabel()->text(), QStringLiteral("ANN'S TURN!  (BLACK)"));

    // No command runs inside another one's box: New Game pressed through the accessibility bus, or Ctrl+N or
    // Ctrl+R typed, while the Winner box is open is none.
    scripted.platform.onBox = [&](const Box& box) {
        if (box.title != QStringLiteral("Winner"))
            return;
        newGame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        for (const Qt::Key key : {Qt::Key_N, Qt::Key_R})
            QTest::keyClick(&window, key, Qt::ControlModifier);
        QCoreApplication::processEvents();
    };
    setBoard(window.form(), std::string(35, '.') + "XXX....");
    window.form().moveCount = 2;
    press(window.board(), QPointF(220, 28));
    EXPECT_EQ(scripted.platform.boxes.back(), winnerBox(QStringLiteral("ANN")));

    QCoreApplication::processEvents();
    EXPECT_EQ(scripted.platform.boxes.back(), winnerBox(QStringLiteral("ANN")));

    QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(scripted.platform.ended);
}

// Whatever the names, the status line is painted on one line that fits the label, its colour word whole at
// its end, in a font shrunk to no less than three quarters of its size.
TEST(Window, CaptionsPaintOnOneLineWithTheirColourWord)
{
    ScriptedWindow scripted;
    StatusLabel* label = scripted.window.statusLabel();
    const QFont font = label->font();
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    struct Case
    {
        QString caption;
        QString ending;
    };
    const Case cases[] = {
        {QStringLiteral("WWWWWWWWWWWW'S TURN!  (BLACK)"), QStringLiteral("(BLACK)")},
        {QString(40, u'W') + QStringLiteral("'S TURN!  (RED)"), QStringLiteral("(RED)")}, // shrinks the most
        {family.repeated(12) + QStringLiteral("'S TURN!  (RED)"), QStringLiteral("(RED)")},
        {QStringLiteral("A\tB\nC\u2028D\u0007E\r\nF'S TURN!  (RED)"), QStringLiteral("(RED)")},
        {QStringLiteral("\u0645\u0631\u062D\u0628\u0627 \u05E9\u05DC\u05D5\u05DD'S TURN!  (BLACK)"),
         QStringLiteral("(BLACK)")},
        {QStringLiteral("ABCDEFGHIJKL'S TURN!  (BLACK)"), QStringLiteral("(BLACK)")},
    };
    for (const Case& c : cases) {
        label->setCaption(c.caption);
        label->grab(); // paints it
        const FittedCaption& shown = label->shown();
        EXPECT_LE(QFontMetricsF(shown.font).horizontalAdvance(shown.text), label->width())
            << c.caption.toStdString();
        EXPECT_TRUE(shown.text.endsWith(c.ending)) << shown.text.toStdString();
        EXPECT_GE(shown.font.pointSizeF(), 9.75 * 0.75 - 0.01);
        for (const QChar ch : {QChar(u'\n'), QChar(u'\t'), QChar(u'\r'), QChar(0x2028), QChar(7)})
            EXPECT_FALSE(shown.text.contains(ch)) << shown.text.toStdString();
    }
    EXPECT_EQ(scripted.window.size(), scripted.window.sizeHint()) << "the window keeps its size";
    label->setCaption(QStringLiteral("ANN'S TURN!  (BLACK)"));
    EXPECT_EQ(label->shown().text, QStringLiteral("ANN'S TURN!  (BLACK)"));
    EXPECT_EQ(label->shown().font, font);
}

// In the pseudo-translation, whether a text is one translated sentence: marked from its first character to
// its last, with nothing glued to it outside the marks (a name or another sentence may stand inside).
bool oneTranslatedSentence(const QString& text)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        depth += text[i] == u'\u27E6' ? 1 : text[i] == u'\u27E7' ? -1 : 0;
        if (depth == 0 && i + 1 < text.size())
            return false;
    }
    return depth == 0;
}

// The names and descriptions of the accessible tree under `node`, with the table's rows and columns.
void accessibleTexts(QAccessibleInterface* node, QStringList& texts)
{
    texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
    for (int i = 0; node->tableInterface() != nullptr && i < 7; ++i)
        texts << node->tableInterface()->rowDescription(i) << node->tableInterface()->columnDescription(i);
    for (int i = 0; i < node->childCount(); ++i)
        accessibleTexts(node->child(i), texts);
}

// Whether no two captions share an access key (the letter after "&").
bool ownAccessKeys(const QStringList& captions)
{
    QString keys;
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf(u'&');
        if (at >= 0 && at + 1 < caption.size() && keys.contains(caption[at + 1].toCaseFolded()))
            return false;
        keys += at >= 0 && at + 1 < caption.size() ? caption[at + 1].toCaseFolded() : QChar();
    }
    return true;
}

// A game in every language the game ships and in a pseudo-translation (scripts/pseudo-translation.py), with
// two 12-character names: every text shown whole (the status line neither cut nor elided), each menu's and
// box's access keys its own, the menus and boxes right to left in Arabic while the board stays as drawn,
// upper case by the language's rules; and in the pseudo-translation every text one translated sentence.
TEST(WindowAtEveryScale, EveryLanguageFitsWithItsOwnAccessKeys)
{
    const QString built = QStringLiteral(BRINDLOW_TRANSLATIONS_BUILT);
    for (const QString& language : QStringLiteral("pseudo," BRINDLOW_LANGUAGES).split(u',')) {
        SCOPED_TRACE(language.toStdString());
        QTranslator pseudo;
        Language::use({language}, {built});
        if (language == u"pseudo") {
            ASSERT_TRUE(pseudo.load(built + QStringLiteral("/brindlow_pseudo.qm")));
            QCoreApplication::installTranslator(&pseudo);
        }
        EXPECT_EQ(QApplication::layoutDirection() == Qt::RightToLeft, language == u"ar");
        ScriptedPlatform platform;
        platform.names = {QStringLiteral("Bartholomäus"), QStringLiteral("Konstantinos")};
        platform.questions = {AnswerYes, AnswerNo};
        FormWindow window(platform);
        window.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QStringList texts = {window.windowTitle()};
        StatusLabel* label = window.statusLabel();
        for (const int move : {0, 1}) {
            label->grab();
            texts << label->text();
            EXPECT_EQ(label->shown().text, label->text()) << "cut";
            EXPECT_LE(QFontMetricsF(label->shown().font).horizontalAdvance(label->shown().text),
                      label->width());
            press(window.board(),
                  QPointF(31, 28)); // a press at the left drops into column 1, told where drawn
            EXPECT_EQ(window.form().Shape1[35 - 7 * move].FillColor,
                      move == 0 ? frmBrindlow::BlackColor : frmBrindlow::RedColor);
        }
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window.board());
        EXPECT_EQ(table->child(35)->rect().topLeft(), window.board()->mapToGlobal(QPoint(12, 248)));
        setBoard(window.form(), std::string(35, '.') + "XXX....");
        window.form().moveCount = 2;
        press(window.board(), QPointF(220, 28)); // black's fourth: the winner's box
        setBoard(window.form(), TieBoard.substr(0, 41) + ".");
        window.form().moveCount = 40;
        press(window.board(), QPointF(380, 28)); // the last cell: the tie, then the New Game question
        for (const Qt::Key key : {Qt::Key_R, Qt::Key_A})
            QTest::keyClick(&window, key, Qt::ControlModifier);
        QCoreApplication::processEvents();
        accessibleTexts(QAccessible::queryAccessibleInterface(&window), texts);
        QStringList bar;
        for (QAction* menu : window.menuBar()->actions()) {
            bar << menu->text();
            QStringList items;
            for (const QAction* item : menu->menu()->actions())
                items << item->text();
            EXPECT_TRUE(ownAccessKeys(items)) << items.join(u' ').toStdString();
            texts << items;
            EXPECT_TRUE(window.menuBar()->rect().contains(window.menuBar()->actionGeometry(menu)));
        }
        EXPECT_TRUE(ownAccessKeys(bar)) << bar.join(u' ').toStdString();
        // Qt's own boxes: their buttons' access keys, in Qt's words for the language.
        QMessageBox question(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QInputDialog prompt;
        prompt.sizeHint();
        for (const auto& buttons : {question.buttons(), prompt.findChildren<QAbstractButton*>()}) {
            QStringList captions;
            for (const QAbstractButton* button : buttons)
                captions << button->text();
            EXPECT_TRUE(ownAccessKeys(captions)) << captions.join(u' ').toStdString();
        }
        // New Game answered No asks for new names: a Turkish "i" upper-cases to "İ".
        platform.names = {QStringLiteral("inci"), QStringLiteral("ılgın")};
        window.form().mnuNewGame_Click();
        EXPECT_TRUE(language != u"tr" ||
                    window.form().lblturn.Caption.contains(QStringLiteral("\u0130NC\u0130")));
        ASSERT_EQ(platform.boxes.size(), 10u);
        for (const Box& box : platform.boxes)
            texts << box.title << box.prompt;
        texts << bar;
        texts.removeAll(QString());
        for (const QString& text : texts)
            EXPECT_TRUE(language != u"pseudo" || oneTranslatedSentence(text))
                << "untranslated: " << text.toStdString();
        QCoreApplication::removeTranslator(&pseudo);
    }

    // The player's first language the game has; English wherever English comes first or nothing is had.
    const std::pair<QStringList, const char*> choices[] = {{{}, "Winner"},
                                                           {{"C"}, "Winner"},
                                                           {{"en-GB", "de"}, "Winner"},
                                                           {{"eo", "gd-GB"}, "Winner"},
                                                           {{"eo", "de-AT", "en"}, "Gewinner"}};
    for (const auto& [wanted, winner] : choices) {
        Language::use(wanted, {built});
        EXPECT_EQ(QCoreApplication::translate("frmBrindlow", "Winner"), QString::fromUtf8(winner));
        EXPECT_EQ(QLocale().language(), *winner == 'G' ? QLocale::German : QLocale::English);
    }
    Language::use({});
}

// The real boxes, answered from inside their own event loops.
struct EndedByPlatform
{
};

class TestQtPlatform : public QtPlatform
{
  public:
    void endProgram() override { throw EndedByPlatform{}; }
    QString inputBox(const QString& prompt, const QString& title) override
    {
        if (++inputBoxes > 5)
            throw UnscriptedBox({prompt, InputBoxButtons, title}); // the prompt keeps coming back: no hang
        return QtPlatform::inputBox(prompt, title);
    }
    int inputBoxes = 0;
};

TEST(QtBoxes, InputBoxGivesTheTextAsTypedOrNothing)
{
    TestQtPlatform platform;
    whenBoxOpens([](QWidget* box) {
        auto* dialog = qobject_cast<QInputDialog*>(box);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("New Players"));
        EXPECT_EQ(dialog->labelText(), QStringLiteral("Player 1:"));
        EXPECT_EQ(dialog->textValue(), QString());
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("  Ann  "));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(platform.inputBox(QStringLiteral("Player 1:"), QStringLiteral("New Players")),
              QStringLiteral("  Ann  "));

    whenBoxOpens([](QWidget* box) {
        QTest::keyClicks(box->focusWidget(), QStringLiteral("Bob"));
        QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(platform.inputBox(QStringLiteral("Player 2:"), QStringLiteral("New Players")), QString());

    whenBoxOpens([](QWidget* box) { box->close(); });
    EXPECT_EQ(platform.inputBox(QStringLiteral("Player 2:"), QStringLiteral("New Players")), QString());

    const QString paste =
        QStringLiteral("\U0001F600 x ").repeated(6553) + QStringLiteral("ab"); // 32,767 units
    whenBoxOpens([&paste](QWidget* box) {
        auto* dialog = qobject_cast<QInputDialog*>(box);
        dialog->setTextValue(paste);
        dialog->accept();
    });
    EXPECT_EQ(platform.inputBox(QStringLiteral("Player 2:"), QStringLiteral("New Players")), paste);
}

TEST(QtBoxes, YesNoBoxAnswersYesOrNoHoweverItCloses)
{
    TestQtPlatform platform;
    struct Case
    {
        const char* what;
        std::function<void(QMessageBox*)> close;
        qint32 answer;
    };
    const Case cases[] = {
        {"Return takes the default", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); },
         AnswerYes},
        {"Yes clicked", [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, AnswerYes},
        {"No clicked", [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, AnswerNo},
        {"Escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, AnswerNo},
        {"close box", [](QMessageBox* box) { box->close(); }, AnswerNo},
    };
    for (const Case& c : cases) {
        whenBoxOpens([&c](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("New Game"));
            EXPECT_EQ(box->text(), QStringLiteral("Do you want to keep the same names?"));
            EXPECT_EQ(box->buttons().size(), 2);
            EXPECT_EQ(box->button(QMessageBox::Cancel), nullptr);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            c.close(box);
        });
        EXPECT_EQ(platform.messageBox(QStringLiteral("Do you want to keep the same names?"), ButtonsYesNo,
                                      QStringLiteral("New Game")),
                  c.answer)
            << c.what;
    }
}

TEST(QtBoxes, OkBoxesBreakLinesAndShowTextAsTyped)
{
    TestQtPlatform platform;
    struct Case
    {
        qint32 buttons;
        QMessageBox::Icon icon;
    };
    for (const Case& c :
         {Case{ButtonsOk, QMessageBox::NoIcon}, Case{ButtonsOkInformation, QMessageBox::Information}}) {
        whenBoxOpens([&c](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Winner"));
            EXPECT_EQ(box->text(), QStringLiteral("<b>ANN</b>\n\nWINS!"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->buttons().size(), 1);
            EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
            box->close();
        });
        platform.messageBox(QStringLiteral("<b>ANN</b>\r\n\r\nWINS!"), c.buttons, QStringLiteral("Winner"));
    }
}

// The real end of the program, in a process of its own: a request to quit during a name prompt (the desktop
// session ending) ends the program at once with status 0, instead of asking again for ever.
TEST(QtBoxes, AQuitRequestDuringTheNamePromptEndsTheProgram)
{
    EXPECT_EXIT(
        {
            alarm(20); // a prompt that keeps coming back ends in SIGALRM instead of a hang
            QtPlatform platform;
            FormWindow window(platform);
            const auto opening = [&window](QWidget&, const QString&) { window.refresh(); };
            platform.attach(&window, opening, [] {});
            whenBoxOpens([](QWidget*) {
                QEvent quit(QEvent::Quit);
                QApplication::sendEvent(qApp, &quit);
            });
            window.form().Form_Load();
        },
        testing::ExitedWithCode(0), "");
}

class RegisteredScale : public testing::Environment
{
    void SetUp() override
    {
        ASSERT_DOUBLE_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), registeredScale)
            << "this run draws at another scale than it was registered for";
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform reports each fixed-size window it cannot hint; that is no fault of the game.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QStringLiteral("propagateSizeHints")))
            standard(type, context, message);
    });
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (const QByteArray arg(argv[i]); arg.startsWith("--scale="))
            registeredScale = arg.mid(8).toDouble();
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // a death test starts afresh, not from a fork of Qt
    testing::AddGlobalTestEnvironment(new RegisteredScale);
    closeForgottenBoxes();
    return RUN_ALL_TESTS();
}
