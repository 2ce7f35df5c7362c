// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game does for Orca 43: one move per command of its clicks, and a box that follows news waiting for
// it while some screen reader listens (on the accessibility bus that access_bus_test.sh starts).
#include "access/Orca43.h"
#include "BusTestSupport.h"
#include "access/Assistive.h"
#include "game/frmBrindlow.h"
#include "platform/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDBusConnection>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

constexpr QPointF Review(-1, 0);  // where Orca 43's review clicks, from the centre of the cell
constexpr QPointF Fallback(0, 0); // where its fallback click and its click on the focused cell land
constexpr std::optional<QPointF> Action;

TEST(Orca43, OneCommandIsOneMove)
{
    struct Step
    {
        qint64 ms; // when
        int cell;
        std::optional<QPointF> fromCentre; // none: the cell's action
        bool move;
        bool landsThere = false; // its checker lands in the cell pressed
    };
    struct Case
    {
        const char* what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"a click, its fallback click and the action: one move",
         {{0, 38, Review, true, true}, {5, 38, Fallback, false}, {8, 38, Action, false}}},
        {"the action may come before the click", {{0, 38, Action, true}, {3, 38, Review, false}}},
        {"a busy desktop holds the fallback back", {{0, 38, Review, true}, {1900, 38, Fallback, false}}},
        {"the next command, two seconds on", {{0, 38, Review, true}, {2100, 38, Fallback, true}}},
        {"a hand clicks the same point twice", {{0, 38, Review, true}, {50, 38, Review, true}}},
        {"another cell is another command", {{0, 38, Review, true}, {5, 31, Fallback, true}}},
        {"actions on the landing: stacking", {{0, 38, Action, true, true}, {600, 38, Action, true}}},
        {"a click on the landing once heard: stacking",
         {{0, 38, Review, true, true}, {600, 38, Fallback, true}}},
        {"a click on the landing before it could be heard: the same command",
         {{0, 38, Review, true, true}, {100, 38, Fallback, false}}},
        {"a press off the middle is no screen reader's",
         {{0, 38, Review, true}, {5, 38, QPointF(8, 3), true}}},
    };
    for (const auto& [what, steps] : cases) {
        qint64 now = 0;
        Orca43 orca([&now] { return now; });
        for (const Step& step : steps) {
            now = 10000 + step.ms;
            EXPECT_EQ(orca.admits(step.cell, step.fromCentre), step.move)
                << what << ", at " << step.ms << " ms";
            if (step.move)
                orca.landed(step.landsThere ? step.cell : step.cell - 7, [] {});
        }
    }
}

// A checker landing in the very cell clicked takes the focus once Orca has looked there and read the cell's
// state, or looked twice (then at once), or once a box opens; a landing elsewhere, or by the action, takes it
// at once.
TEST(Orca43, ALandingUnderTheClickWaitsForOrcasLook)
{
    Orca43 orca;
    int focused = 0;
    auto focus = [&focused] { ++focused; };
    ASSERT_TRUE(orca.admits(38, Review));
    EXPECT_TRUE(orca.landed(31, focus));
    ASSERT_TRUE(orca.admits(39, Action));
    EXPECT_TRUE(orca.landed(39, focus));

    ASSERT_TRUE(orca.admits(40, Review));
    EXPECT_FALSE(orca.landed(40, focus));
    orca.looked(40, true); // a state read without a look: someone else's
    orca.looked(33, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(focused, 0);
    orca.looked(40, false);
    orca.looked(40, true);
    EXPECT_EQ(focused, 0) << "the focus moved before Orca had its answer";
    QCoreApplication::processEvents();
    EXPECT_EQ(focused, 1);

    // Orca's cache answered the state: its second look (at the button's release) is the sign.
    ASSERT_TRUE(orca.admits(33, Review));
    EXPECT_FALSE(orca.landed(33, focus));
    orca.looked(33, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(focused, 1);
    orca.looked(33, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(focused, 2);

    // Orca looked before the checker landed: nothing to wait for.
    ASSERT_TRUE(orca.admits(41, Review));
    orca.looked(41, false);
    orca.looked(41, true);
    EXPECT_TRUE(orca.landed(41, focus));

    ASSERT_TRUE(orca.admits(37, Review));
    EXPECT_FALSE(orca.landed(37, focus));
    orca.boxOpening(false);
    EXPECT_EQ(focused, 3);

    // Orca never looks: the landing takes the focus all the same, a moment later.
    ASSERT_TRUE(orca.admits(36, Review));
    EXPECT_FALSE(orca.landed(36, focus));
    EXPECT_TRUE(QTest::qWaitFor([&focused] { return focused == 4; }, 5000))
        << "a held landing waits for ever";
}

// Through the board: Orca asks which cell is under its click and reads that cell's state, and the landing
// there takes the focus at once.
TEST(Orca43, ItsLookAtTheClickedCellIsNoted)
{
    ScriptedPlatform platform;
    frmBrindlow form(platform);
    QWidget view;
    view.resize(402, 332);
    Assistive::use(std::make_unique<Orca43>());
    const auto circle = [](int cell) { return QRectF(12 + 56 * (cell % 7), 8 + 48 * (cell / 7), 41, 41); };
    Assistive board(&view, form, circle);
    view.show();
    view.activateWindow(); // no window manager hands it the keyboard
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    const QPointF click = circle(40).center() + Review;
    ASSERT_TRUE(board.admits(click, true));
    form.Shape1[40].FillColor = frmBrindlow::BlackColor; // the checker lands under the click
    board.cellShown(40);
    const QPoint there = view.mapToGlobal(click.toPoint());
    ASSERT_EQ(table->childAt(there.x(), there.y()), table->child(40));
    EXPECT_NE(table->focusChild(), table->child(40)) << "the landing did not wait for Orca's look";
    (void)table->child(40)->state();
    QCoreApplication::processEvents();
    EXPECT_EQ(table->focusChild(), table->child(40)) << "Orca read the cell, yet the landing still waits";
    Assistive::use(std::make_unique<ReaderWorkarounds>());
}

// Whether the event loop ran while a box was about to open.
bool waits(Orca43& orca, bool soon)
{
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    orca.boxOpening(soon);
    const bool waited = ran;
    QTest::qWait(1); // the timer, had it not run yet
    return waited;
}

TEST(Orca43, ABoxRightAfterNewsWaitsWhileSomeoneListens)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return QDBusConnection(QStringLiteral("a11y")).isConnected(); }, 20000))
        << "the game's side did not join the accessibility bus";
    Orca43 orca;
    // The clients of earlier tests may still be registered for a moment.
    EXPECT_TRUE(QTest::qWaitFor([&orca] { return !waits(orca, true); }, 20000))
        << "waits with nobody listening";
    EXPECT_FALSE(waits(orca, false));

    Client reader(QStringLiteral("reader"));
    ASSERT_TRUE(reader.listen(QStringLiteral("object:"), true));
    EXPECT_TRUE(waits(orca, true));
    EXPECT_FALSE(waits(orca, false));
}

} // namespace
