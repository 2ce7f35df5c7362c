// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a real accessibility bus, as access_bus_test.sh starts it: while no assistive client has
// registered a listener with the registry a press sends nothing on the bus and no box waits; once one has,
// the game is heard and the winner's box waits for it. (Qt's bridge keeps sending after the last client
// deregisters: it never forgets a listener.)
#include "BusTestSupport.h"
#include "platform/ScriptedPlatform.h"
#include "window/FormWindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

// Failures show texts as texts.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

QDBusConnection gameBus()
{
    return QDBusConnection(QStringLiteral("a11y"));
}

void press(QWidget* board, QPointF at)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(board, &event);
}

struct BusWindow
{
    BusWindow()
    {
        platform.throwOnEnd = false;
        platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
        // As the real boxes do; notes whether the box waited for a screen reader, that is, whether the event
        // loop ran while it was about to open.
        platform.onBox = [this](const Box& box) {
            window.refresh();
            auto loopRan = std::make_shared<bool>(false);
            QTimer::singleShot(0, [loopRan] { *loopRan = true; });
            window.assistive().boxOpening(nullptr, box.prompt);
            window.assistive().boxClosed();
            waited = waited || *loopRan;
        };
        window.start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Black wins along row 1; returns whether the winner's box waited.
    bool blackWins()
    {
        waited = false;
        for (const int column : {0, 0, 1, 1, 2, 2, 3})
            press(window.board(), QPointF((850 * column + 425) / TwipsPerPixel, 100));
        EXPECT_EQ(platform.boxes.back().prompt, QStringLiteral("ANN WINS!"));
        return waited;
    }

    ScriptedPlatform platform;
    FormWindow window{platform};
    bool waited = false;
};

// What a game black wins sends on the bus, once all of it has arrived (Qt learns of a client's listeners
// from the registry a moment later, so a change is waited for).
int eventsOfAGame(Client& watcher, BusWindow& game, bool expectSome)
{
    int events = 0;
    const bool settled = QTest::qWaitFor(
        [&] {
            watcher.events = 0;
            game.blackWins();
            watcher.catchUp(gameBus().baseService());
            events = watcher.events;
            return (events > 0) == expectSome;
        },
        20000);
    EXPECT_TRUE(settled) << "the game " << (expectSome ? "stayed quiet" : "kept sending");
    return events;
}

TEST(AccessibilityBus, NothingIsSentWhileNobodyListens)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return gameBus().isConnected() && QAccessible::isActive(); }, 20000))
        << "the game did not join the accessibility bus at " << qPrintable(accessibilityBus());
    Client watcher(QStringLiteral("watcher"));
    ASSERT_TRUE(watcher.bus.isConnected());
    BusWindow game;
    watcher.watch(gameBus().baseService());
    ASSERT_EQ(watcher.watching, 6);
    watcher.catchUp(gameBus().baseService());
    watcher.events = 0;
    EXPECT_FALSE(game.blackWins()) << "a box waited";
    watcher.catchUp(gameBus().baseService());
    EXPECT_EQ(watcher.events, 0);

    // A client registers, as a screen reader does when it starts: from then on the game is heard.
    ASSERT_TRUE(watcher.listen(QStringLiteral("object:"), true));
    ASSERT_TRUE(watcher.listen(QStringLiteral("focus:"), true));
    EXPECT_GT(eventsOfAGame(watcher, game, true), 0);
}

// What assistive technology is told of the board, caught where Qt's bridge would send it on the bus: "name
// CELL" for a cell's name change, "focus CELL" for a cell taking the focus, "say NEWS" for news spoken.
std::vector<QString>* told = nullptr;

void hear(QAccessibleEvent* event)
{
    QAccessibleInterface* object = event->accessibleInterface();
    if (told == nullptr || object == nullptr)
        return;
    const QString name = object->text(QAccessible::Name);
    if (event->type() == QAccessible::NameChanged && object->role() == QAccessible::Graphic)
        told->push_back(QStringLiteral("name ") + name);
    else if (event->type() == QAccessible::Focus && object->role() == QAccessible::Graphic)
        told->push_back(QStringLiteral("focus ") + name);
    else if (event->type() == QAccessible::ObjectShow && object->role() == QAccessible::Notification)
        told->push_back(QStringLiteral("say ") + name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    else if (event->type() == QAccessible::Announcement)
        told->push_back(QStringLiteral("say ") +
                        static_cast<QAccessibleAnnouncementEvent*>(event)->message());
#endif
}

// Stands for a screen reader's workarounds: notes whether a box opens right after news, and holds a landing's
// focus back when asked to.
struct Workarounds : ReaderWorkarounds
{
    bool landed(int, std::function<void()> focus) override
    {
        held = hold ? std::move(focus) : std::function<void()>();
        return !hold;
    }
    void boxOpening(bool soon) override { boxSoon = soon; }

    bool hold = false;
    std::function<void()> held;
    bool boxSoon = false;
};

// Each press is heard once, in the order of the screen: the cell the checker landed in tells its new name and
// takes the focus at once, and whose turn it is now follows, or the box the press opened; a press in a full
// column says so. Whose turn it is is told whenever the board gets the keyboard, after its current cell has
// the focus: at start-up, after each box, back from elsewhere.
TEST(AccessibilityBus, EveryPressIsHeardOnce)
{
    ScriptedPlatform platform;
    platform.throwOnEnd = false;
    platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    FormWindow window(platform);
    std::vector<QString> heard;
    told = &heard;
    const QAccessible::UpdateHandler bridge = QAccessible::installUpdateHandler(hear);
    auto owned = std::make_unique<Workarounds>();
    Workarounds& workarounds = *owned;
    Assistive::use(std::move(owned));
    // A box that opens right after news (a landing, or the box before it in the same command) says "soon".
    platform.onBox = [&](const Box& box) {
        window.refresh(); // as the real boxes do
        window.assistive().boxOpening(nullptr, box.prompt);
        // A window manager may hand the window the keyboard while a box is open: neither the board nor the
        // turn is told then.
        window.board()->clearFocus();
        window.board()->setFocus();
        QCoreApplication::processEvents();
        heard.push_back(QStringLiteral("[%1] %2").arg(box.title, box.prompt) +
                        (workarounds.boxSoon ? QStringLiteral(" (soon)") : QString()));
        window.assistive().boxClosed();
    };
    auto play = [&window](std::initializer_list<int> columns) {
        for (const int column : columns)
            press(window.board(), QPointF((850 * column + 425) / 15.0, 100));
    };
    auto keyboardBack = [&window] {
        window.board()->clearFocus();
        window.board()->setFocus();
        QCoreApplication::processEvents();
    };
    // What was heard besides the cells' names (and their focus).
    auto heardBut = [&heard](std::initializer_list<const char16_t*> left) {
        std::vector<QString> said;
        std::copy_if(heard.begin(), heard.end(), std::back_inserter(said), [left](const QString& line) {
            return std::none_of(left.begin(), left.end(),
                                [&line](const char16_t* what) { return line.startsWith(QStringView(what)); });
        });
        return said;
    };
    auto news = [&heardBut] { return heardBut({u"name ", u"focus "}); };
    const QString ann = QStringLiteral("say ANN'S TURN!  (BLACK)");
    const QString bob = QStringLiteral("say BOB'S TURN!  (RED)");
    window.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("[New Players] Player 1:"),
                                           QStringLiteral("[New Players] Player 2: (soon)"),
                                           QStringLiteral("focus Column 4, row 1: empty"), ann}));

    heard.clear();
    play({2, 2});
    EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("name Column 3, row 1: black"),
                                           QStringLiteral("focus Column 3, row 1: black"), bob,
                                           QStringLiteral("name Column 3, row 2: red"),
                                           QStringLiteral("focus Column 3, row 2: red"), ann}));
    heard.clear();
    play({2, 2, 2, 2, 2});
    press(window.board(), QPointF(5960 / 15.0, 100)); // beside the columns: nothing happened, nothing is said
    EXPECT_EQ(news(), (std::vector<QString>{bob, ann, bob, ann,
                                            QStringLiteral("say Column 3 is full. ANN'S TURN!  (BLACK)")}));

    heard.clear();
    play({0, 1, 0, 1, 0, 1, 0});
    keyboardBack();
    EXPECT_EQ(news(), (std::vector<QString>{bob, ann, bob, ann, bob, ann,
                                            QStringLiteral("[Winner] ANN WINS! (soon)"), ann}));
    const std::vector<QString> focusAndNews = heardBut({u"name "});
    EXPECT_EQ(std::vector<QString>(focusAndNews.end() - 4, focusAndNews.end()),
              (std::vector<QString>{QStringLiteral("focus Column 1, row 4: black"),
                                    QStringLiteral("[Winner] ANN WINS! (soon)"),
                                    QStringLiteral("focus Column 1, row 4: empty"), ann}));

    heard.clear();
    platform.questions = {AnswerYes};
    play({2, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3,
          3, 3, 3, 6, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6});
    keyboardBack();
    const std::vector<QString> tie = news();
    ASSERT_EQ(tie.size(), 44u);
    EXPECT_EQ(
        std::vector<QString>(tie.end() - 4, tie.end()),
        (std::vector<QString>{bob, QStringLiteral("[CAT'S GAME] Tie Game...you both LOSE! (soon)"),
                              QStringLiteral("[New Game] Do you want to keep the same names? (soon)"), ann}));

    // New Game from the menu, on a board with a checker and on the board it left empty.
    heard.clear();
    play({3});
    for (int round = 0; round < 2; ++round) {
        platform.questions = {AnswerYes};
        window.form().mnuNewGame_Click();
        window.refresh();
        keyboardBack();
    }
    const QString question = QStringLiteral("[New Game] Do you want to keep the same names?");
    EXPECT_EQ(news(), (std::vector<QString>{bob, question, ann, question, ann}));

    // A landing whose focus the screen reader in use holds back: whose turn it is waits with it.
    heard.clear();
    workarounds.hold = true;
    play({5});
    EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("name Column 6, row 1: black")}));
    workarounds.held();
    EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("name Column 6, row 1: black"),
                                           QStringLiteral("focus Column 6, row 1: black"), bob}));
    Assistive::use(std::make_unique<ReaderWorkarounds>());
    told = nullptr;
    QAccessible::installUpdateHandler(bridge);
}

} // namespace
