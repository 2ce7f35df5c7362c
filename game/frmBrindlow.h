// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one form: its 42 circles, its status label, its nine variables and every handler.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <array>

class Platform;

// A circle of the board. Its fill colour is the only record of the cell's state.
struct Shape
{
    quint32 FillColor;
    qint32 Left;
    qint32 Top;
    qint32 Width;
    qint32 Height;

    friend bool operator==(const Shape&, const Shape&) = default;
};

// The status line under the board.
struct Label
{
    QString Caption;
    quint32 ForeColor;

    friend bool operator==(const Label&, const Label&) = default;
};

class frmBrindlow
{
    Q_DECLARE_TR_FUNCTIONS(frmBrindlow)

  public:
    // Colours as 0x00BBGGRR values.
    static constexpr quint32 EmptyColor = 0x00FFFFFF;
    static constexpr quint32 BlackColor = 0x00000000;
    static constexpr quint32 RedColor = 0x000000FF;
    static constexpr quint32 BackColor = 0x00FF8080;
    static constexpr quint32 LabelBackColor = 0x00FFFFFF;

    static constexpr qint16 Columns = 7;
    static constexpr qint16 Rows = 6;
    static constexpr qint16 CellCount = Columns * Rows;

    // The client area and the status label, in twips.
    static constexpr qint32 ScaleWidth = 6030;
    static constexpr qint32 ScaleHeight = 4980;
    static constexpr qint32 LabelLeft = 1200;
    static constexpr qint32 LabelTop = 4560;
    static constexpr qint32 LabelWidth = 3495;
    static constexpr qint32 LabelHeight = 255;

    static constexpr qsizetype MaxNameLength = 12;

    // Each column takes the presses of a band 850 twips wide.
    static constexpr float BandWidth = 850.0f;
    static constexpr qint16 NoColumn = -1;
    // The column whose band holds a press at X twips from the left, or NoColumn.
    static qint16 columnAt(float X);

    explicit frmBrindlow(Platform& platform);

    // Controls.
    std::array<Shape, CellCount> Shape1;
    Label lblturn{QString(), BlackColor};

    // Window-level variables.
    qint16 moveCount = 0;
    qint16 currentPlayer = 0;
    QString player1Name;
    QString player2Name;
    qint32 keepNamesAnswer = 0;
    qint16 resetIndex = 0;
    qint16 countIndex = 0;
    qint16 scanIndex = 0;
    qint16 filledCount = 0;

    // Event handlers.
    void Form_Load();
    void Form_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void mnuNewGame_Click();
    void mnuExit_Click();
    void mnuRules_Click();
    void mnuAbout_Click();

    // Procedures that only Form_MouseDown calls.
    void Swichturns();
    void Win();

  private:
    bool isEmpty(qint16 cell) const { return Shape1[cell].FillColor == EmptyColor; }
    bool sameColour(qint16 cell, qint16 a, qint16 b, qint16 c) const;
    void clearBoard();
    void showBlackForm();
    void showRedForm();
    void askName(QString& name, const QString& prompt);
    void endOfClickChecks();

    Platform& platform;
};
